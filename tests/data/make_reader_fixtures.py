#!/usr/bin/python3
"""Builds with openpyxl the results workbooks the reader reads: reader_* for its own tests, app_*
for the main-window and command-line tests. Run from any folder:
/usr/bin/python3 tests/data/make_reader_fixtures.py"""
from datetime import date, datetime

from fixturhilfen import baue, pfad


# Three worksheets found by "Name" headings: title row, gaps, two groups, grades.
wb = baue([
    ("Klasse A", {
        1: ["Ergebnisliste Sommer"],
        3: ["  nAmE  ", "Vorname", "GebDat", "Beruf", "Deutsch", "Mathe", "Englisch"],
        4: [" Müller ", "Anna", datetime(2005, 3, 5), "Kauffrau", 2.25, "1,75", "gut"],
        5: ["Schmidt", "Ben", datetime(2004, 12, 24), "Koch", None, 0, 0.04],
        # rows 6 to 10: five empty name cells inside the group
        11: ["Weber", "Carla", None, "Maler", -1.25, 2, 3276.75],
        # rows 12 and 13 empty, then the second group
        14: ["NAME", None, None, None, "Sport", "Religion"],
        15: ["Yilmaz", "Deniz", None, "Koch", 1, 1.5],
        16: ["Name", "Nina", None, "Koch", 3, 4],
        17: ["Zorn", "Zoe", None, "Koch", 2.04, 5.96],
        # rows 18 to 38: twenty-one empty rows end the worksheet
        39: ["Verloren", "Vera", None, "Koch", 1]}),
    ("Klasse B", {
        2: ["name", "Vorname", "GebDat", "Beruf"] + ["Fach%02d" % k for k in range(1, 24)],
        3: ["Alt", "Anke", None, "Tischler"] + [k + 0.14 for k in range(1, 24)],
        4: ["Berg", "Bodo", None, "Tischler"] + [1] * 23}),
    ("Klasse C", {1: ["Name", None, None, None, "Deutsch"]})])
wb["Klasse A"]["E4"].number_format = "0"  # shows "2": the grade must come from the value
wb.save(pfad("reader_gruppen.xlsx"))

# Headings in the given start row 3 on every worksheet.
baue([
    ("Start", {
        1: ["Name", None, None, None, "Falsch"],
        2: ["Titel"],
        3: ["Schüler", None, None, None, "Deutsch", "Mathe", None, "Nie"],
        4: ["Adam", "Axel", None, "Koch", 1.25, 2],
        5: ["Bauer", "Bea", None, "Koch", 3, 4],
        7: ["Conrad", "Cem", None, "Koch", 5, 6]}),
    ("Ohne", {3: ["x", None, None, None, None, "Deutsch"], 4: ["Dora", "Dana", None, "Koch", 1, 2]}),
    ("Weiter", {3: [None, None, None, None, "Chemie"], 4: ["Emil", "Eva", None, "Koch", 2.5]}),
]).save(pfad("reader_startzeile.xlsx"))

# A filter column E with near misses of "BK1"; fields in other columns than A to D.
baue([("Filter", {
    1: ["Nr", "Name", "Vorname", "Beruf", "Klasse", "GebDat", "Deutsch"],
    **{i + 2: [i + 1, n, n + "a", "Koch", k, datetime(2003, 1, i + 1), 1 + i / 4]
       for i, (n, k) in enumerate(zip(["Anton", "Berta", "Carl", "Dana", "Egon", "Fritz"],
                                      ["BK1", "bk1", "BK1 ", "BK1", None, " BK1"]))}})]).save(
    pfad("reader_filter.xlsx"))

# The first 300 bytes of a real workbook: an archive that ends in the middle.
with open(pfad("reader_filter.xlsx"), "rb") as q, open(pfad("reader_kaputt.xlsx"), "wb") as z:
    z.write(q.read(300))

# Two worksheets: a title above a gap, a filter column A, the name column B, dates, numbers,
# texts and empty grade cells; a gap row inside the first group.
baue([
    ("Klasse 10a", {
        1: ["Ergebnisse Sommer 2026"],
        3: ["Klasse", "Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch", "Mathematik", "Englisch"],
        4: ["BK1", "Müller", "Anna", date(2004, 3, 15), "Kauffrau", 2.25, "1,75", "-"],
        5: ["BK2", "Schmidt", "Jörg", date(2003, 11, 2), "Elektroniker", 1.04, 3],
        6: ["BK1", "Weiß", "Lena", date(2005, 1, 30), "Kauffrau", 2, 4, "befr."],
        8: ["BK1", "Öztürk", "Emre", date(2004, 7, 7), "Mechatroniker", 3.5, 2.75, 1]}),
    ("Klasse 10b", {
        2: ["Klasse", "name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch", "Wirtschaft"],
        3: ["BK1", "Becker", "Tim", date(2004, 5, 1), "Industriekaufmann", 1.5, 2.5],
        4: ["BK2", "Hoffmann", "Sara", date(2003, 9, 9), "Bankkauffrau", 2, 1],
        5: ["BK1", "Klein", "Paul", date(2005, 2, 28), "Industriekaufmann", 4, 3.25]})
]).save(pfad("app_ergebnisse.xlsx"))

# Headings but nobody below them, on two worksheets.
kopf = ["Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch"]
baue([("Leer", {1: kopf}), ("Auch leer", {2: kopf})]).save(pfad("app_ohne_azubis.xlsx"))
