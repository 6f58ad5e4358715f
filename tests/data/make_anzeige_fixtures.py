#!/usr/bin/python3
"""Makes the anzeige/ fixtures that tests/data/README.md describes: openpyxl writes the sources,
LibreOffice under a German locale and Gnumeric's ssconvert convert them, and LibreOffice exports
every sheet of every converted file "as shown" as CSV, the expected texts of the display tests (so
they need no LibreOffice). Needs soffice, localedef and ssconvert. Run from anywhere."""
import datetime
import glob
import os
import shutil
import subprocess
import tempfile

from openpyxl.utils.datetime import CALENDAR_MAC_1904

from fixturhilfen import beschriftet, mappe, pfad, soffice, zeile

ZIEL = pfad("anzeige")

D = datetime.date
# A: what the row shows, B: the value (a "=" text is a formula), C: its number format
ZEILEN = [
    ("allgemein", 2.25, "General"),                 ("drittel", "=1/3", "General"),
    ("gross", 123456789012, "General"),             ("zwei Stellen", 1, "0.00"),
    ("formel zwei Stellen", "=B4*3", "0.00"),
    ("note gerundet", "=ROUND(AVERAGE(2.25,1.5,3),1)", "0.0"),
    ("tausender", -1234.5, "#,##0.00"),             ("prozent", 0.125, "0%"),
    ("prozent leer", 0.125, "0 %"),                 ("prozent nbsp", 0.125, "0\u00a0%"),
    ("prozent2", 0.125, "0.00%"),                   ("bedingung klein", 0.555, "[<1]0.00;0.0"),
    ("bedingung gross", 1.555, "[<1]0.00;0.0"),     ("verstrichen", 1.25, "[h]:mm"),
    ("verstrichen sek", 0.0421875, "[mm]:ss"),      ("bruch", 1.5, "# ?/?"),
    ("bruch2", 2.3333333, "# ??/??"),               ("bruch echt", 0.75, "?/?"),
    ("skaliert", 12345678, "0.0,,"),                ("skaliert tausend", 1234567, "#,##0,"),
    ("datum strich", D(2004, 2, 11), "DD/MM/YYYY"), ("datum", D(2004, 2, 11), "DD.MM.YYYY"),
    ("datum14", D(2024, 1, 15), "mm-dd-yy"),
    ("langes datum", D(2004, 2, 11), "[$-F800]dddd, mmmm dd, yyyy"),
    ("lange zeit", datetime.time(13, 45, 30), "[$-F400]h:mm:ss AM/PM"),
    ("datum lang", D(2024, 3, 4), "DDDD, D. MMMM YYYY"),
    ("datum kurz", D(2024, 3, 4), "DDD, DD. MMM YY"),
    ("zeit", datetime.time(13, 45, 30), "hh:mm:ss"),
    ("datumzeit", datetime.datetime(2024, 1, 15, 8, 30), "DD.MM.YYYY hh:mm"),
    ("text", "0815", "@"),                          ("literal", 2.5, '"Note: "0.0'),
    ("abschnitte", -3, '0.0;[Red]-0.0;"null"'),     ("abschnitte null", 0, '0.0;[Red]-0.0;"null"'),
    ("waehrung", 1234.5, '#,##0.00 [$€-407]'),      ("wissenschaft", 12345, "0.00E+00"),
    ("wahr", True, "General"),                      ("formel wahr", "=B1>1", "General"),
    ("formel fehler", "=1/0", "General"),           ("formel text", '="Gr"&"öße"', "General"),
    ("formel leertext", '=""', "General"),          ("formel datum", "=DATE(1999,12,31)", "DD.MM.YYYY"),
    ("umlaut", "Müller-Lüdenscheidt, Jürgen", "General"),
]


def quelle_formate(ziel):
    wb = mappe("Formate", "Übersicht", "Versteckt", "Texte")
    ws, ws2, ws3, ws4 = wb.worksheets
    beschriftet(ws, ZEILEN)
    # apprentices as the extraction reads them: a heading row, names, dates, grades by formula
    zeile(ws2, 1, ["Klasse", "Name", "Geburtsdatum", "Deutsch", "Mathe", "Schnitt"])
    for z, werte in enumerate([("BK1", "Bäcker, Jörg", D(2004, 2, 11), 1.75, 2.5),
                               ("BK2", "Öztürk, Ali", D(2003, 12, 1), 3, 2.25),
                               ("BK1", "Weiß, Anna", D(2005, 7, 30), 1, 1.5)], start=2):
        zeile(ws2, z, werte + ("=ROUND(AVERAGE(D%d:E%d),1)" % (z, z),))
        ws2.cell(row=z, column=4).number_format = "0.00"
        ws2.cell(row=z, column=6).number_format = "0.0"
    ws3.sheet_state = "hidden"
    ws3["A1"] = "geheim"
    ws3["B2"] = 7
    # Shared strings beyond one record (8224 bytes): Latin-1 and UTF-16 strings, one of them
    # far longer than a record, so strings are split across CONTINUE records.
    for i in range(1, 101):
        zeile(ws4, i, ["Eintrag %03d mit etwas Text, damit die Tabelle wächst" % i,
                       "Größe € %d – Ωμέγα" % i])
    ws4["C1"] = "".join("Zeile %04d äöü; " % i for i in range(700))
    ws4["C2"] = "".join("Ω%04d€ " % i for i in range(1500))
    ws4["C3"] = "Ende"
    wb.save(ziel)


def quelle_1904(ziel):
    wb = mappe("Mac")
    wb.epoch = CALENDAR_MAC_1904
    ws = wb.active
    zeile(ws, 1, [D(2024, 1, 15)])
    ws["A2"] = 5
    ws.cell(3, 1, datetime.datetime(1904, 1, 2, 6)).number_format = "DD.MM.YYYY hh:mm"
    ws.cell(4, 1, "=A1+1").number_format = "DDDD, D. MMMM YYYY"
    wb.save(ziel)


# ";" separated, '"' quoted, UTF-8, German, cell contents as shown, every sheet into its own file
CSV = "csv:Text - txt - csv (StarCalc):59,34,76,1,,1031,false,false,true,false,false,-1"


shutil.rmtree(ZIEL, ignore_errors=True)
os.makedirs(ZIEL)
with tempfile.TemporaryDirectory() as tmp:
    # German settings: a locale built here, a fresh LibreOffice profile
    orte, profil = os.path.join(tmp, "locale"), os.path.join(tmp, "home")
    os.makedirs(orte)
    os.makedirs(profil)
    subprocess.run(["localedef", "-i", "de_DE", "-f", "UTF-8", os.path.join(orte, "de_DE.UTF-8")],
                   check=True)
    env = dict(os.environ, HOME=profil, LOCPATH=orte, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8",
               LANGUAGE="de")
    for name, quelle in (("anzeige", quelle_formate), ("anzeige_1904", quelle_1904)):
        q, aus = os.path.join(tmp, name + ".xlsx"), os.path.join(tmp, name)
        quelle(q)
        os.makedirs(aus)
        for filter_ in ("ods", "xls:MS Excel 97", "xlsx:Calc MS Excel 2007 XML"):
            soffice(q, filter_, aus, env)
        # LibreOffice reads Excel 95 (BIFF5) but no longer writes it: Gnumeric does
        subprocess.run(["ssconvert", "--export-type=Gnumeric_Excel:excel_biff7",
                        os.path.join(aus, name + ".xlsx"), os.path.join(aus, name + "_95.xls")],
                       check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for datei in sorted(os.listdir(aus)):
            shutil.copy(os.path.join(aus, datei), ZIEL)
            with tempfile.TemporaryDirectory(dir=tmp) as csvdir:
                soffice(os.path.join(aus, datei), CSV, csvdir, env)
                basis = os.path.splitext(datei)[0]
                for c in glob.glob(os.path.join(csvdir, basis + "-*.csv")):
                    blatt = os.path.basename(c)[len(basis) + 1:-4]
                    shutil.move(c, os.path.join(ZIEL, "%s.%s.csv" % (datei, blatt)))
