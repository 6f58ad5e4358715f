#!/usr/bin/python3
"""Makes the results workbooks of the main-window and command-line tests with openpyxl.
Run from this folder: /usr/bin/python3 app_erzeugen.py"""
from datetime import date

from fixturhilfen import baue

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
]).save("app_ergebnisse.xlsx")

# Headings but nobody below them, on two worksheets.
kopf = ["Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch"]
baue([("Leer", {1: kopf}), ("Auch leer", {2: kopf})]).save("app_ohne_azubis.xlsx")
