"""What the fixture scripts here share: openpyxl workbooks written row by row, LibreOffice."""
import datetime
import os
import subprocess

from openpyxl import Workbook

HIER = os.path.dirname(os.path.abspath(__file__))


def pfad(name):
    return os.path.join(HIER, name)


def mappe(*titel):
    """A new workbook with worksheets of these titles, in this order."""
    wb = Workbook()
    wb.active.title = titel[0]
    for t in titel[1:]:
        wb.create_sheet(t)
    return wb


def zeile(ws, r, werte, spalte=1):
    """Row r from column `spalte` on; None leaves the cell out, a date is shown DD.MM.YYYY."""
    for c, w in enumerate(werte, start=spalte):
        if w is not None:
            zelle = ws.cell(row=r, column=c, value=w)
            if isinstance(w, datetime.date):
                zelle.number_format = "DD.MM.YYYY"


def baue(blaetter):
    """A workbook of worksheets given as (title, {row: values from column A})."""
    wb = mappe(*(t for t, _ in blaetter))
    for ws, (_, zeilen) in zip(wb.worksheets, blaetter):
        for r, werte in zeilen.items():
            zeile(ws, r, werte)
    return wb


def beschriftet(ws, zeilen):
    """One row per (label in A, value in B, number format of B)."""
    for r, (name, wert, fmt) in enumerate(zeilen, start=1):
        ws.cell(row=r, column=1, value=name)
        ws.cell(row=r, column=2, value=wert).number_format = fmt


def soffice(quelle, filter_, outdir, env):
    """Converts `quelle` with LibreOffice headless (`filter_` as --convert-to takes it)."""
    subprocess.run(["soffice", "--headless", "--convert-to", filter_, "--outdir", outdir, quelle],
                   check=True, env=env, stdout=subprocess.DEVNULL)
