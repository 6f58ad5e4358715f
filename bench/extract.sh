#!/usr/bin/env bash
# End-to-end figures of "rastfang extract" on two results workbooks written by openpyxl:
#  - one sheet of 30,000 rows × 30 columns (heading row, name, first name, date of birth,
#    occupation, class, remark, 24 grades);
#  - twelve sheets of 2,500 apprentices × 20 subjects each (a class per sheet, same layout
#    with 20 grades);
#  - the first saved as legacy .xls by LibreOffice, when it is installed.
# Each is extracted RUNS times (default 5); prints the best wall time and the peak resident
# memory of that run (the machine may be shared: the best run is the fairest figure).
# BUILD names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
RUNS="${RUNS:-5}"
ORDNER="$(mktemp -d)"
trap 'rm -rf "$ORDNER"' EXIT

/usr/bin/python3 - "$ORDNER/ergebnisse.xlsx" "$ORDNER/klassen.xlsx" <<'PY'
import datetime, sys
from openpyxl import Workbook
from openpyxl.cell import WriteOnlyCell

namen = ["Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker"]
vornamen = ["Anna", "Jörg", "Lena", "Paul", "Sophie", "Lukas", "Marie"]

def blatt(wb, titel, zeilen, faecher, versatz):
    ws = wb.create_sheet(titel)
    ws.append(["Name", "Vorname", "GebDat", "Beruf", "Klasse", "Bemerkung"]
              + ["Fach %d" % i for i in range(1, faecher + 1)])
    for z in range(2, zeilen + 2):
        n = z + versatz
        geb = WriteOnlyCell(ws, value=datetime.date(2003, 1, 1) + datetime.timedelta(days=n % 1500))
        geb.number_format = "DD.MM.YYYY"
        noten = [((n * 7 + s * 13) % 50 + 10) / 10 for s in range(7, 7 + faecher)]
        ws.append([namen[n % 8], vornamen[n % 7], geb, "Koch" if n % 3 else "Bäckerin",
                   "K%d" % (n % 12), "" if n % 5 else "nachgeschrieben"] + noten)

wb = Workbook(write_only=True)
blatt(wb, "Ergebnisse", 29999, 24, 0)
wb.save(sys.argv[1])
wb = Workbook(write_only=True)
for k in range(12):
    blatt(wb, "Klasse %d" % (k + 1), 2500, 20, k * 2500)
wb.save(sys.argv[2])
PY

messe() {
    local name="$1" datei="$2" best="" rss=""
    for _ in $(seq "$RUNS"); do
        rm -f "$ORDNER/velmora.xlsx"
        /usr/bin/time -f "%e %M" -o "$ORDNER/zeit.txt" "$BUILD/rastfang" extract "$datei" \
            "$ORDNER/velmora.xlsx" --name A --vorname B --geburtsdatum C --beruf D \
            --erstes-ergebnis G >"$ORDNER/aus.txt"
        read -r sek kb <"$ORDNER/zeit.txt"
        if [ -z "$best" ] || awk "BEGIN{exit !($sek < $best)}"; then best="$sek"; rss="$kb"; fi
    done
    printf '%s: best of %s runs %s s wall, peak RSS %d MB\n' "$name" "$RUNS" "$best" $((rss / 1024))
}
messe "30,000 rows, 1 sheet" "$ORDNER/ergebnisse.xlsx"
tail -n 3 "$ORDNER/aus.txt"
messe "12 sheets x 2,500 apprentices x 20 subjects" "$ORDNER/klassen.xlsx"
tail -n 3 "$ORDNER/aus.txt"

# The same workbook as legacy .xls (Excel 97), when LibreOffice is there to save it.
if command -v soffice >/dev/null; then
    HOME="$ORDNER" soffice --headless --convert-to "xls:MS Excel 97" --outdir "$ORDNER" \
        "$ORDNER/ergebnisse.xlsx" >/dev/null 2>&1
    messe "30,000 rows, 1 sheet, as .xls" "$ORDNER/ergebnisse.xls"
    tail -n 3 "$ORDNER/aus.txt"
fi
