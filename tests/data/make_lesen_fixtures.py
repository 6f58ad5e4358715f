#!/usr/bin/python3
"""Makes the lesen_* fixtures of the workbook reader tests: openpyxl writes the .xlsx sources
(inline strings, absolute part paths), LibreOffice headless converts them to .ods, .xls and its
own .xlsx flavour (shared strings, relative paths, cached formula results); the .csv files are
plain text. Run from any folder: /usr/bin/python3 tests/data/make_lesen_fixtures.py"""
import datetime
import os
import shutil
import sys
import tempfile

from openpyxl.utils.datetime import CALENDAR_MAC_1904

from fixturhilfen import HIER, beschriftet, mappe, pfad, soffice, zeile

D = datetime.date
# A: label, B: value, C: its number format
NOTEN = [
    ("allgemein", 2.25, "General"),             ("drittel", 1 / 3, "General"),
    ("gross", 123456789012, "General"),         ("ganz", 42, "General"),
    ("null", 0, "0"),                           ("eine Stelle", 2.25, "0.0"),
    ("zwei Stellen", 1.005, "0.00"),            ("tausender", 1234567.891, "#,##0"),
    ("tausender2", -1234.5, "#,##0.00"),        ("prozent", 0.125, "0%"),
    ("prozent2", 0.125, "0.00%"),               ("text", "0815", "@"),
    ("literal", 2.5, '"Note: "0.0'),            ("abschnitte", -3, '0.0;[Red]-0.0;"null"'),
    ("abschnitte0", 0, '0.0;[Red]-0.0;"null"'), ("datum14", D(2024, 1, 15), "mm-dd-yy"),
    ("datum", D(2005, 3, 7), "DD.MM.YYYY"),     ("lang", D(2024, 3, 4), "DDDD, D. MMMM YYYY"),
    ("kurz", D(2024, 3, 4), "DDD, DD. MMM YY"), ("zeit", datetime.time(13, 45, 30), "hh:mm:ss"),
    ("datumzeit", datetime.datetime(2024, 1, 15, 8, 30), "DD.MM.YYYY hh:mm"),
    ("wahr", True, "General"),                  ("falsch", False, "General"),
    ("fehler", "#DIV/0!", "General"),           ("umlaut", "Müller-Lüdenscheidt, Jürgen", "General"),
    ("locale", 1234.5, "[$-407]#,##0.00"),      ("waehrung", 1234.5, '#,##0.00 [$€-407]'),
    ("summe", 0.1 + 0.2, "General"),            ("wert", 3276.75, "0.0"),
]


wb = mappe("Noten", "Übersicht", "Versteckt", "Letzte")
ws, ws2, ws3, ws4 = wb.worksheets
beschriftet(ws, NOTEN)
ws.column_dimensions["A"].width = 20
# a gap without r attributes is not possible in openpyxl; a far cell tests sparse rows
ws.cell(row=40, column=30, value="weit")
ws2.append(["Name", "Deutsch"])
ws2.append(["Bäcker", 1.75])
ws3.sheet_state = "hidden"
ws3["A1"] = "geheim"
ws4["C3"] = "ß"
wb.save(pfad("lesen_formate.xlsx"))

wb = mappe("Mac")
wb.epoch = CALENDAR_MAC_1904
zeile(wb.active, 1, [D(2024, 1, 15)])
wb.active["A2"] = 5
wb.save(pfad("lesen_1904.xlsx"))


FODS = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:dc="http://purl.org/dc/elements/1.1/"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <style:style style:name="T1" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
 </office:automatic-styles>
 <office:body><office:spreadsheet><table:table table:name="Reich">
  <table:table-row>
   <table:table-cell office:value-type="string"><text:p>Fett<text:span text:style-name="T1">gedruckt</text:span> und normal</text:p></table:table-cell>
   <table:table-cell office:value-type="string"><text:p>zwei<text:s text:c="3"/>Leer</text:p><text:p>Zeilen</text:p></table:table-cell>
   <table:table-cell table:number-columns-repeated="2" office:value-type="float" office:value="4"><text:p>4</text:p></table:table-cell>
  </table:table-row>
  <table:table-row table:number-rows-repeated="2">
   <table:table-cell office:value-type="string"><office:annotation><dc:creator>x</dc:creator><text:p>Notiz</text:p></office:annotation><text:p>Wdh</text:p></table:table-cell>
  </table:table-row>
 </table:table></office:spreadsheet></office:body>
</office:document>
"""


zeilen = ["Name;Vorname;Geburtsdatum;Note;Anteil;Aktiv",
          "Müller;Jürgen;07.03.2005;2,25;12,5%;WAHR",
          '"Schmidt; Anna";"Zitat ""x""";1.1.99;1.234,5;;FALSCH',
          "Öztürk;Ali;;0815;;"]
text = "\r\n".join(zeilen) + "\r\n"
for name, inhalt in (("lesen_utf8.csv", b"\xef\xbb\xbf" + text.encode("utf-8")),
                     ("lesen_cp1252.csv", text.encode("cp1252")),
                     ("lesen_tab.txt", "Name\tNote\nBäcker\t1,5\n".encode("utf-8")),
                     ("lesen_komma.csv", b"Name,Note\nBecker,2\n")):
    with open(pfad(name), "wb") as f:
        f.write(inhalt)

if shutil.which("soffice") is None:
    print("soffice fehlt: .ods/.xls nicht erzeugt", file=sys.stderr)
    sys.exit()
with tempfile.TemporaryDirectory() as tmp:
    env = dict(os.environ, HOME=tmp)
    reich = os.path.join(tmp, "lesen_reich.fods")
    with open(reich, "w", encoding="utf-8") as f:
        f.write(FODS)
    for quelle, filter_ in ((reich, "xlsx:Calc MS Excel 2007 XML"), (reich, "ods"),
                            (pfad("lesen_formate.xlsx"), "ods"),
                            (pfad("lesen_formate.xlsx"), "xls:MS Excel 97")):
        soffice(quelle, filter_, HIER, env)
