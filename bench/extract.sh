#!/usr/bin/env bash
# End-to-end figure of "rastfang extract": a results workbook of 30,000 rows × 30 columns
# (heading row, name, first name, date of birth, occupation, class, remark, 24 grades) written
# by openpyxl, then extracted once, and again saved as .xls by LibreOffice (when installed);
# prints wall time and peak resident memory.
# BUILD names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
ORDNER="$(mktemp -d)"
trap 'rm -rf "$ORDNER"' EXIT

/usr/bin/python3 - "$ORDNER/ergebnisse.xlsx" <<'PY'
import datetime, sys
from openpyxl import Workbook
from openpyxl.cell import WriteOnlyCell

namen = ["Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker"]
vornamen = ["Anna", "Jörg", "Lena", "Paul", "Sophie", "Lukas", "Marie"]
wb = Workbook(write_only=True)
ws = wb.create_sheet("Ergebnisse")
ws.append(["Name", "Vorname", "GebDat", "Beruf", "Klasse", "Bemerkung"]
          + ["Fach %d" % i for i in range(1, 25)])
for z in range(2, 30001):
    geb = WriteOnlyCell(ws, value=datetime.date(2003, 1, 1) + datetime.timedelta(days=z % 1500))
    geb.number_format = "DD.MM.YYYY"
    noten = [((z * 7 + s * 13) % 50 + 10) / 10 for s in range(7, 31)]
    ws.append([namen[z % 8], vornamen[z % 7], geb, "Koch" if z % 3 else "Bäckerin",
               "K%d" % (z % 12), "" if z % 5 else "nachgeschrieben"] + noten)
wb.save(sys.argv[1])
PY

/usr/bin/time -v "$BUILD/rastfang" extract "$ORDNER/ergebnisse.xlsx" "$ORDNER/velmora.xlsx" \
    --name A --vorname B --geburtsdatum C --beruf D --erstes-ergebnis G \
    >"$ORDNER/aus.txt" 2>"$ORDNER/zeit.txt"
cat "$ORDNER/aus.txt"
grep -E "Elapsed \(wall clock\)|Maximum resident set size" "$ORDNER/zeit.txt"

# The same workbook as legacy .xls (Excel 97), when LibreOffice is there to save it.
if command -v soffice >/dev/null; then
    HOME="$ORDNER" soffice --headless --convert-to "xls:MS Excel 97" --outdir "$ORDNER" \
        "$ORDNER/ergebnisse.xlsx" >/dev/null 2>&1
    /usr/bin/time -v "$BUILD/rastfang" extract "$ORDNER/ergebnisse.xls" "$ORDNER/velmora_xls.xlsx" \
        --name A --vorname B --geburtsdatum C --beruf D --erstes-ergebnis G \
        >"$ORDNER/aus_xls.txt" 2>"$ORDNER/zeit.txt"
    cmp -s "$ORDNER/aus.txt" "$ORDNER/aus_xls.txt" || echo "xls: andere Zusammenfassung" >&2
    echo ".xls:"
    grep -E "Elapsed \(wall clock\)|Maximum resident set size" "$ORDNER/zeit.txt"
fi
