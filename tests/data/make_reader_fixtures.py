#!/usr/bin/python3
"""Builds the reader_* fixture workbooks with openpyxl. Run from any folder:
/usr/bin/python3 tests/data/make_reader_fixtures.py"""
import datetime
import os

from openpyxl import Workbook

HIER = os.path.dirname(os.path.abspath(__file__))


def zeile(ws, r, werte, erste_spalte=1):
    for i, w in enumerate(werte):
        if w is not None:
            ws.cell(row=r, column=erste_spalte + i, value=w)


def datum(ws, r, c, tag):
    zelle = ws.cell(row=r, column=c, value=tag)
    zelle.number_format = "DD.MM.YYYY"


def gruppen():
    """Three worksheets found by "Name" headings: title row, gaps, two groups, grades."""
    wb = Workbook()
    a = wb.active
    a.title = "Klasse A"
    zeile(a, 1, ["Ergebnisliste Sommer"])
    zeile(a, 3, ["  nAmE  ", "Vorname", "GebDat", "Beruf", "Deutsch", "Mathe", "Englisch"])
    zeile(a, 4, [" Müller ", "Anna", None, "Kauffrau", 2.25, "1,75", "gut"])
    a["E4"].number_format = "0"  # shows "2": the grade must come from the value
    datum(a, 4, 3, datetime.datetime(2005, 3, 5))
    zeile(a, 5, ["Schmidt", "Ben", None, "Koch", None, 0, 0.04])
    datum(a, 5, 3, datetime.datetime(2004, 12, 24))
    # rows 6 to 10: five empty name cells inside the group
    zeile(a, 11, ["Weber", "Carla", None, "Maler", -1.25, 2, 3276.75])
    # rows 12 and 13 empty, then the second group
    zeile(a, 14, ["NAME", None, None, None, "Sport", "Religion"])
    zeile(a, 15, ["Yilmaz", "Deniz", None, "Koch", 1, 1.5])
    zeile(a, 16, ["Name", "Nina", None, "Koch", 3, 4])
    zeile(a, 17, ["Zorn", "Zoe", None, "Koch", 2.04, 5.96])
    # rows 18 to 38: twenty-one empty rows end the worksheet
    zeile(a, 39, ["Verloren", "Vera", None, "Koch", 1])

    b = wb.create_sheet("Klasse B")
    zeile(b, 2, ["name", "Vorname", "GebDat", "Beruf"] + ["Fach%02d" % k for k in range(1, 24)])
    zeile(b, 3, ["Alt", "Anke", None, "Tischler"] + [k + 0.14 for k in range(1, 24)])
    zeile(b, 4, ["Berg", "Bodo", None, "Tischler"] + [1] * 23)

    c = wb.create_sheet("Klasse C")
    zeile(c, 1, ["Name", None, None, None, "Deutsch"])
    wb.save(os.path.join(HIER, "reader_gruppen.xlsx"))


def startzeile():
    """Headings in the given start row 3 on every worksheet."""
    wb = Workbook()
    s = wb.active
    s.title = "Start"
    zeile(s, 1, ["Name", None, None, None, "Falsch"])
    zeile(s, 2, ["Titel"])
    zeile(s, 3, ["Schüler", None, None, None, "Deutsch", "Mathe", None, "Nie"])
    zeile(s, 4, ["Adam", "Axel", None, "Koch", 1.25, 2])
    zeile(s, 5, ["Bauer", "Bea", None, "Koch", 3, 4])
    zeile(s, 7, ["Conrad", "Cem", None, "Koch", 5, 6])

    o = wb.create_sheet("Ohne")
    zeile(o, 3, ["x", None, None, None, None, "Deutsch"])
    zeile(o, 4, ["Dora", "Dana", None, "Koch", 1, 2])

    w = wb.create_sheet("Weiter")
    zeile(w, 3, [None, None, None, None, "Chemie"])
    zeile(w, 4, ["Emil", "Eva", None, "Koch", 2.5])
    wb.save(os.path.join(HIER, "reader_startzeile.xlsx"))


def filter_():
    """A filter column E with near misses of "BK1"; fields in other columns than A to D."""
    wb = Workbook()
    f = wb.active
    f.title = "Filter"
    zeile(f, 1, ["Nr", "Name", "Vorname", "Beruf", "Klasse", "GebDat", "Deutsch"])
    kl = ["BK1", "bk1", "BK1 ", "BK1", None, " BK1"]
    namen = ["Anton", "Berta", "Carl", "Dana", "Egon", "Fritz"]
    for i, (n, k) in enumerate(zip(namen, kl)):
        r = i + 2
        zeile(f, r, [i + 1, n, n + "a", "Koch", k, None, 1 + i / 4])
        datum(f, r, 6, datetime.datetime(2003, 1, i + 1))
    wb.save(os.path.join(HIER, "reader_filter.xlsx"))


def kaputt():
    """The first 300 bytes of a real workbook: an archive that ends in the middle."""
    with open(os.path.join(HIER, "reader_filter.xlsx"), "rb") as q:
        daten = q.read(300)
    with open(os.path.join(HIER, "reader_kaputt.xlsx"), "wb") as z:
        z.write(daten)


if __name__ == "__main__":
    gruppen()
    startzeile()
    filter_()
    kaputt()
