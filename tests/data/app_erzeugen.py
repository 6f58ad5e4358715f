#!/usr/bin/python3
"""Makes the results workbooks of the main-window and command-line tests with openpyxl.

Run from this folder: /usr/bin/python3 app_erzeugen.py
"""
import datetime

from openpyxl import Workbook

DATUM = "DD.MM.YYYY"


def zeile(ws, r, werte):
    for c, w in enumerate(werte, start=1):
        if w is None:
            continue
        zelle = ws.cell(row=r, column=c, value=w)
        if isinstance(w, datetime.date):
            zelle.number_format = DATUM


def ergebnisse(pfad):
    # Two worksheets: a title above a gap, a filter column A, the name column B, dates, numbers,
    # texts and empty grade cells; a gap row inside the first group.
    wb = Workbook()
    ws = wb.active
    ws.title = "Klasse 10a"
    zeile(ws, 1, ["Ergebnisse Sommer 2026"])
    zeile(ws, 3, ["Klasse", "Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch", "Mathematik",
                  "Englisch"])
    zeile(ws, 4, ["BK1", "Müller", "Anna", datetime.date(2004, 3, 15), "Kauffrau", 2.25, "1,75", "-"])
    zeile(ws, 5, ["BK2", "Schmidt", "Jörg", datetime.date(2003, 11, 2), "Elektroniker", 1.04, 3])
    zeile(ws, 6, ["BK1", "Weiß", "Lena", datetime.date(2005, 1, 30), "Kauffrau", 2, 4, "befr."])
    zeile(ws, 8, ["BK1", "Öztürk", "Emre", datetime.date(2004, 7, 7), "Mechatroniker", 3.5, 2.75, 1])
    ws2 = wb.create_sheet("Klasse 10b")
    zeile(ws2, 2, ["Klasse", "name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch", "Wirtschaft"])
    zeile(ws2, 3, ["BK1", "Becker", "Tim", datetime.date(2004, 5, 1), "Industriekaufmann", 1.5, 2.5])
    zeile(ws2, 4, ["BK2", "Hoffmann", "Sara", datetime.date(2003, 9, 9), "Bankkauffrau", 2, 1])
    zeile(ws2, 5, ["BK1", "Klein", "Paul", datetime.date(2005, 2, 28), "Industriekaufmann", 4, 3.25])
    wb.save(pfad)


def ohne_azubis(pfad):
    # Headings but nobody below them, on two worksheets.
    wb = Workbook()
    ws = wb.active
    ws.title = "Leer"
    zeile(ws, 1, ["Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch"])
    ws2 = wb.create_sheet("Auch leer")
    zeile(ws2, 2, ["Name", "Vorname", "Geburtsdatum", "Beruf", "Deutsch"])
    wb.save(pfad)


if __name__ == "__main__":
    ergebnisse("app_ergebnisse.xlsx")
    ohne_azubis("app_ohne_azubis.xlsx")
