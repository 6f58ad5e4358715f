#!/usr/bin/python3
"""Writes berufsschule_ergebnisse.xlsx, the example results workbook, with openpyxl.

Run from this folder: /usr/bin/python3 erzeuge_beispiel.py

Layout as a vocational school delivers it: a title above a blank row, the chamber (IHK/HWK) in
column B for the data filter, names from column C, dates of birth, the occupation, then one
column per subject. Grades come as numbers, as typed texts with a comma, as remarks and blank.
"""
import datetime

from openpyxl import Workbook
from openpyxl.styles import Font

KOPF = ["Nr", "Kammer", "Name", "Vorname", "Geb.-Datum", "Ausbildungsberuf"]


def blatt(ws, titel, kopfzeile, faecher, azubis):
    if titel:
        ws.cell(row=1, column=1, value=titel).font = Font(bold=True, size=14)
    for c, text in enumerate(KOPF + faecher, start=1):
        ws.cell(row=kopfzeile, column=c, value=text).font = Font(bold=True)
    r = kopfzeile
    for azubi in azubis:
        r += 1
        if azubi is None:  # a blank row inside the group
            continue
        for c, wert in enumerate(azubi, start=1):
            if wert is None:
                continue
            zelle = ws.cell(row=r, column=c, value=wert)
            if isinstance(wert, datetime.date):
                zelle.number_format = "DD.MM.YYYY"
    for spalte, breite in zip("ABCDEF", (5, 8, 14, 12, 12, 26)):
        ws.column_dimensions[spalte].width = breite


def main():
    d = datetime.date
    wb = Workbook()
    fi = wb.active
    fi.title = "FI-23a"
    blatt(fi, "Berufsschule am Hafen - Ergebnisse Sommer 2026", 3,
          ["Deutsch", "Englisch", "Politik", "Sport", "Anwendungsentwicklung", "Netzwerke"],
          [
              [1, "IHK", "Albrecht", "Jonas", d(2004, 2, 11), "Fachinformatiker AE", 2.3, 1.75, 2, 1, 1.45, 2.25],
              [2, "IHK", "Brandt", "Mia", d(2005, 6, 3), "Fachinformatiker SI", "2,5", 2, "befr.", 1, 2.05, 1.5],
              [3, "HWK", "Çelik", "Deniz", d(2003, 12, 24), "Informationselektroniker", 3, 3.5, 2.75, None, 3.25, 2],
              None,
              [4, "IHK", "Dörfler", "Lea", d(2004, 9, 30), "Fachinformatiker AE", 1, 1.25, 1.5, 2, 1.04, "-"],
              [5, "IHK", "Ehlers", "Paul", d(2005, 1, 17), "Fachinformatiker SI", 4, 3.75, 3, 2, "n.t.", 3.5],
          ])
    ka = wb.create_sheet("KA-23b")
    blatt(ka, None, 2,
          ["Deutsch", "Englisch", "Wirtschaft", "Rechnungswesen"],
          [
              [1, "IHK", "Franke", "Sophie", d(2004, 4, 8), "Kauffrau für Büromanagement", 1.5, 2, 1.25, 1.75],
              [2, "HWK", "Günther", "Tim", d(2003, 7, 19), "Kaufmann im Handwerk", 2, 2.5, 3, "2,25"],
              [3, "IHK", "Haas", "Lina", d(2005, 3, 2), "Kauffrau für Büromanagement", 2.75, 1, 2, 2.5],
          ])
    wb.save("berufsschule_ergebnisse.xlsx")


if __name__ == "__main__":
    main()
