#!/usr/bin/env python3
"""Prints how large the tests are against the product: non-blank lines of every code file under
tests/ (C++, Python, shell) divided by the non-blank lines of the product's C++ layers.
Exits 1 when the share is above the limit given as first argument (default: no limit)."""
import pathlib
import sys

WURZEL = pathlib.Path(__file__).resolve().parent.parent
SCHICHTEN = ["basis", "spreadsheet", "messages", "settings", "excel", "reader", "writer", "app"]


def zeilen(ordner, endungen):
    je_ordner = {}
    for datei in sorted((WURZEL / ordner).rglob("*")):
        if datei.is_file() and datei.suffix in endungen:
            text = datei.read_text(encoding="utf-8", errors="replace")
            anzahl = sum(1 for zeile in text.splitlines() if zeile.strip())
            teil = datei.relative_to(WURZEL).parts[:2]
            je_ordner["/".join(teil)] = je_ordner.get("/".join(teil), 0) + anzahl
    return je_ordner


tests = zeilen("tests", {".cpp", ".h", ".py", ".sh"})
produkt = {}
for schicht in SCHICHTEN:
    produkt.update(zeilen(schicht, {".cpp", ".h"}))
summe_tests, summe_produkt = sum(tests.values()), sum(produkt.values())
for name, anzahl in sorted(tests.items()):
    print(f"{name:28} {anzahl:6}")
print(f"{'tests':28} {summe_tests:6}\n{'product':28} {summe_produkt:6}")
anteil = summe_tests / summe_produkt
print(f"share {anteil:.3f}")
if len(sys.argv) > 1 and anteil > float(sys.argv[1]):
    sys.exit(1)
