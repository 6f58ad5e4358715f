#!/usr/bin/python3
"""Makes the results workbooks of the main-window and command-line tests with openpyxl.

Run from this folder: /usr/bin/python3 app_erzeugen.py
"""
from datetime import date

from fixturhilfen import mappe, zeile

# Two worksheets: a title above a gap, a filter column A, the name column B, dates, numbers,
# texts and empty grade cells; a gap row inside the first group.
wb = mappe("Klasse 10a", "Klasse 10b")
for ws, zeilen in zip(wb.worksheets, [{
        1: ["Ergebnisse Sommer 2026"],
        3: ["Klasse", "Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch", "Mathematik", "Englisch"],
        4: ["BK1", "Müller", "Anna", date(2004, 3, 15), "Kauffrau", 2.25, "1,75", "-"],
        5: ["BK2", "Schmidt", "Jörg", date(2003, 11, 2), "Elektroniker", 1.04, 3],
        6: ["BK1", "Weiß", "Lena", date(2005, 1, 30), "Kauffrau", 2, 4, "befr."],
        8: ["BK1", "Öztürk", "Emre", date(2004, 7, 7), "Mechatroniker", 3.5, 2.75, 1]}, {
        2: ["Klasse", "name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch", "Wirtschaft"],
        3: ["BK1", "Becker", "Tim", date(2004, 5, 1), "Industriekaufmann", 1.5, 2.5],
        4: ["BK2", "Hoffmann", "Sara", date(2003, 9, 9), "Bankkauffrau", 2, 1],
        5: ["BK1", "Klein", "Paul", date(2005, 2, 28), "Industriekaufmann", 4, 3.25]}]):
    for r, werte in zeilen.items():
        zeile(ws, r, werte)
wb.save("app_ergebnisse.xlsx")

# Headings but nobody below them, on two worksheets.
wb = mappe("Leer", "Auch leer")
for r, ws in enumerate(wb.worksheets, start=1):
    zeile(ws, r, ["Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch"])
wb.save("app_ohne_azubis.xlsx")
