#!/usr/bin/env python3
"""Prints a saved workbook as JSON, as a reader independent of Rastfang sees it: .xlsx through
openpyxl, XML Spreadsheet 2003 (any other name) through the standard library's XML parser.
Usage: mappe_als_json.py FILE. Prints

{"active": "VELMORA",
 "sheets": [{"name": "VELMORA", "state": "visible",
             "protection": {"sheet": true, "objects": false, "scenarios": false},
             "widths": {"B": 30.7},                       # custom widths only, by column letter
             "values": {"B3": "'Müller'", "F3": "2.3"},   # cells with a value
             "cells": {"B3": "'Müller' FFFFFFCC offen"}}]} # cells with a value or a style

A cell reads "<value> [<fill ARGB>] [fett] [<horizontal alignment>] [[<number format>]] [offen]",
defaults left out; the value is Python's repr ('text', 2.3, 4, None), a date "YYYY-MM-DD hh:mm:ss".
Column widths are characters in .xlsx and points in XML Spreadsheet, as each file states them."""
import datetime
import json
import sys
import xml.etree.ElementTree as ET

import openpyxl
from openpyxl.utils import get_column_letter as buchstabe


def wert(v):
    return v.strftime("%Y-%m-%d %H:%M:%S") if isinstance(v, datetime.datetime) else repr(v)


def zelle(v, fuellung, fett, ausrichtung, format_, offen):
    teile = [wert(v), fuellung, "fett" if fett else "", ausrichtung,
             "" if format_ in ("General", "") else "[%s]" % format_, "offen" if offen else ""]
    return " ".join(t for t in teile if t)


def xlsx(pfad):
    wb = openpyxl.load_workbook(pfad)
    blaetter = []
    for ws in wb.worksheets:
        p = ws.protection
        b = {"name": ws.title, "state": ws.sheet_state,
             "protection": {"sheet": bool(p.sheet), "objects": bool(p.objects),
                            "scenarios": bool(p.scenarios)},
             "widths": {buchstabe(s): d.width for d in ws.column_dimensions.values() if d.customWidth
                        for s in range(d.min or 1, (d.max or d.min or 0) + 1)},
             "values": {}, "cells": {}}
        for reihe in ws.iter_rows():
            for c in reihe:
                if c.value is None and not c.has_style:
                    continue
                if c.value is not None:
                    b["values"][c.coordinate] = wert(c.value)
                b["cells"][c.coordinate] = zelle(
                    c.value, c.fill.fgColor.rgb if c.fill.fill_type == "solid" else "",
                    c.font.b, (c.alignment.horizontal or "").replace("general", ""),
                    c.number_format, not c.protection.locked)
        blaetter.append(b)
    return {"active": wb.active.title, "sheets": blaetter}


def spreadsheet_ml(pfad):
    ss = "{urn:schemas-microsoft-com:office:spreadsheet}"
    x = "{urn:schemas-microsoft-com:office:excel}"

    wurzel = ET.parse(pfad).getroot()
    stile = {st.get(ss + "ID"): {teil.tag.replace(ss, "") + "." + k.replace(ss, ""): v
                                 for teil in st for k, v in teil.attrib.items()}
             for st in wurzel.find(ss + "Styles") or []}
    blaetter, aktiv = [], None
    for ws in wurzel.findall(ss + "Worksheet"):
        optionen = {o.tag.replace(x, ""): o.text for o in ws.find(x + "WorksheetOptions") or []}
        b = {"name": ws.get(ss + "Name"),
             "state": "hidden" if optionen.get("Visible") == "SheetHidden" else "visible",
             "protection": {"sheet": ws.get(ss + "Protected") == "1",
                            "objects": optionen.get("ProtectObjects") == "True",
                            "scenarios": optionen.get("ProtectScenarios") == "True"},
             "widths": {}, "values": {}, "cells": {}}
        if "Selected" in optionen:
            aktiv = aktiv or b["name"]
        tabelle = ws.find(ss + "Table")
        spalte = 0
        for c in tabelle.findall(ss + "Column"):
            spalte = int(c.get(ss + "Index", spalte + 1))
            b["widths"][buchstabe(spalte)] = float(c.get(ss + "Width"))
        zeile = 0
        for r in tabelle.findall(ss + "Row"):
            zeile, spalte = int(r.get(ss + "Index", zeile + 1)), 0
            for c in r.findall(ss + "Cell"):
                spalte = int(c.get(ss + "Index", spalte + 1))
                adresse = buchstabe(spalte) + str(zeile)
                d, v = c.find(ss + "Data"), None
                if d is not None:
                    v = d.text or ""
                    if d.get(ss + "Type") == "Number":
                        v = float(v) if any(z in v for z in ".eE") else int(v)
                    b["values"][adresse] = wert(v)
                stil = stile.get(c.get(ss + "StyleID", "Default"), {})
                farbe = stil.get("Interior.Color", "")
                b["cells"][adresse] = zelle(
                    v, "FF" + farbe[1:].upper() if stil.get("Interior.Pattern") == "Solid" else "",
                    stil.get("Font.Bold") == "1", stil.get("Alignment.Horizontal", "").lower(),
                    stil.get("NumberFormat.Format", ""), stil.get("Protection.Protected") == "0")
        blaetter.append(b)
    return {"active": aktiv or blaetter[0]["name"], "sheets": blaetter}


pfad = sys.argv[1]
json.dump(xlsx(pfad) if pfad.lower().endswith(".xlsx") else spreadsheet_ml(pfad), sys.stdout,
          ensure_ascii=False)
