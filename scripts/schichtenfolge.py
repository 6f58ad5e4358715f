#!/usr/bin/env python3
"""Checks that no include and no link points from a lower layer to a higher one.

Usage: schichtenfolge.py SOURCE_DIR LINK_LIST

The layers, bottom to top; each may use only those before it (reader and writer stand side by
side and do not use each other). Window toolkits are for the layers that show windows only.

LINK_LIST is written by CMake at configure time, one line per link of a product target:
"<folder of the target> <target> <linked item> <folder of the linked target, or '-'>".
Prints every violation with its place; exit status 1 when there is one.
"""

import os
import re
import sys

SCHICHTEN = {
    "basis": 0,
    "spreadsheet": 1,
    "messages": 2,
    "settings": 3,
    "excel": 4,
    "reader": 5,
    "writer": 5,
    "app": 6,
}
# Libraries that only a layer showing windows may link.
FENSTER_BIBLIOTHEKEN = {"Qt6::Gui", "Qt6::Widgets", "Qt6::PrintSupport"}
FENSTER_SCHICHTEN = {"messages", "app"}

INNERES_DER_ENGINE = ("spreadsheet/lesen/", "spreadsheet/schreiben/")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')
ENDUNGEN = (".h", ".hpp", ".cpp", ".cc")


def darf(unten_oder_gleich, von):
    """True when layer `von` may use layer `unten_oder_gleich`."""
    return unten_oder_gleich == von or SCHICHTEN[unten_oder_gleich] < SCHICHTEN[von]


def schicht_von(relpfad):
    teil = relpfad.split("/", 1)[0]
    return teil if teil in SCHICHTEN else None


def dateien(wurzel):
    """Every C++ file of the product layers, as paths relative to `wurzel`."""
    for schicht in SCHICHTEN:
        for ordner, _, namen in os.walk(os.path.join(wurzel, schicht)):
            for name in namen:
                if name.endswith(ENDUNGEN):
                    yield os.path.relpath(os.path.join(ordner, name), wurzel)


def aufloesen(wurzel, datei, name, alle):
    """The layers the include `name` in `datei` can lead to: the file beside the including one or
    under the repository root when it exists, else every product file whose path ends in `name`
    (the layers' folders are include directories). Empty for headers outside the product."""
    for basis in (os.path.dirname(datei), ""):
        kandidat = os.path.normpath(os.path.join(basis, name))
        if kandidat in alle:
            return {schicht_von(kandidat)}
    return {schicht_von(p) for p in alle if p.endswith("/" + name)}


def pruefe_includes(wurzel):
    alle = set(dateien(wurzel))
    fehler = []
    for datei in sorted(alle):
        von = schicht_von(datei)
        with open(os.path.join(wurzel, datei), encoding="utf-8", errors="replace") as f:
            for nummer, zeile in enumerate(f, 1):
                treffer = INCLUDE.match(zeile)
                if not treffer:
                    continue
                name = treffer.group(1)
                # The engine's readers and writers are its own; other layers use Excel.h.
                if von != "spreadsheet" and name.startswith(INNERES_DER_ENGINE):
                    fehler.append(f"{datei}:{nummer}: {von} includes the engine's inner {name}")
                ziele = aufloesen(wurzel, datei, name, alle)
                if ziele and not any(darf(z, von) for z in ziele):
                    fehler.append(f"{datei}:{nummer}: {von} includes {treffer.group(1)} "
                                  f"from {', '.join(sorted(ziele))}")
    return fehler


def pruefe_links(liste):
    fehler = []
    with open(liste, encoding="utf-8") as f:
        for zeile in f:
            teile = zeile.split()
            if len(teile) != 4:
                continue
            von, ziel, gelinkt, zielordner = teile
            zu = schicht_von(zielordner)
            if zu is not None and not darf(zu, von):
                fehler.append(f"{ziel} ({von}) links {gelinkt} ({zu})")
            if zielordner == "-" and gelinkt.startswith("rastfang"):
                # A library of ours that is no target any more: the linker would look for it
                # on the system.
                fehler.append(f"{ziel} ({von}) links {gelinkt}, which is no target")
            if gelinkt in FENSTER_BIBLIOTHEKEN and von not in FENSTER_SCHICHTEN:
                fehler.append(f"{ziel} ({von}) links the window library {gelinkt}")
    return fehler


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    wurzel, liste = sys.argv[1], sys.argv[2]
    fehler = pruefe_includes(wurzel) + pruefe_links(liste)
    for f in fehler:
        print(f"upward use: {f}")
    if not fehler:
        print("every include and link points down")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
