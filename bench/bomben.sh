#!/usr/bin/env bash
# Cost of refusing hostile workbooks: each input below is made by a script, handed to
# "rastfang extract", and must be refused (exit status 3, the reader's report on stderr) in
# under a second and under 300 MB peak RSS. Prints wall time, peak RSS and the message per file.
# BUILD names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
ORDNER="$(mktemp -d)"
trap 'rm -rf "$ORDNER"' EXIT

/usr/bin/python3 - "$ORDNER" <<'PY'
import os, random, sys, zipfile
d = sys.argv[1]
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"

def xlsx(name, teile, schreibe_blatt, texte=None):
    with zipfile.ZipFile(os.path.join(d, name), "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("_rels/.rels", '<Relationships><Relationship Id="r" Type="%s/officeDocument" Target="xl/workbook.xml"/></Relationships>' % R)
        z.writestr("xl/workbook.xml", "<workbook><sheets>%s</sheets></workbook>" % "".join(
            '<sheet name="B%d" r:id="r%d"/>' % (i, i) for i in range(len(teile))))
        rels = "".join('<Relationship Id="r%d" Type="%s/worksheet" Target="%s"/>' % (i, R, t)
                       for i, t in enumerate(teile))
        if texte:
            rels += '<Relationship Id="s" Type="%s/sharedStrings" Target="sharedStrings.xml"/>' % R
            with z.open("xl/sharedStrings.xml", "w", force_zip64=True) as f:
                texte(f)
        z.writestr("xl/_rels/workbook.xml.rels", "<Relationships>%s</Relationships>" % rels)
        for t in sorted(set(teile)):
            with z.open("xl/" + t, "w", force_zip64=True) as f:
                schreibe_blatt(f)

def klein(f):
    f.write(b'<worksheet><sheetData><row r="1"><c r="A1" t="s"><v>0</v></c></row></sheetData></worksheet>')

def leerzeichen(f):  # 2.5 GB of blanks inside the sheet
    f.write(b"<worksheet><sheetData>")
    block = b" " * (1 << 24)
    for _ in range(150):
        f.write(block)

def texte_gross(f):  # 1.5 GB of one long shared string repeated
    f.write(b'<sst>')
    block = b"<si><t>" + b"Schmidt " * 2000 + b"</t></si>"
    for _ in range(1500 * 1024 * 1024 // len(block)):
        f.write(block)
    f.write(b"</sst>")

def texte_viele(f):  # 16 million short distinct strings, a legal part
    f.write(b'<sst uniqueCount="16000000">')
    for i in range(0, 16000000, 100000):
        f.write(b"".join(b"<si><t>%d</t></si>" % j for j in range(i, i + 100000)))
    f.write(b"</sst>")

def weit(f):  # ~250 rows, one cell each in the last column
    f.write(b"<worksheet><sheetData>" + b"".join(
        b'<row r="%d"><c r="XFD%d"><v>1</v></c></row>' % (i, i) for i in range(1, 251))
        + b"</sheetData></worksheet>")

def ein_tag(f):  # one start tag of 200 MB packing only 150:1: a single token for the XML parser
    zufall = random.Random(1)
    f.write(b'<worksheet><sheetData><row r="1" x="')
    for _ in range(200 * 1024):
        f.write(b"a" * 1020 + bytes(zufall.choice(b"bcdefghijk") for _ in range(4)))
    f.write(b'"/></sheetData></worksheet>')

def zeilen(f):  # 10,000 rows of 20 numbers
    f.write(b"<worksheet><sheetData>")
    for r in range(1, 10001):
        f.write(b'<row r="%d">' % r + b"".join(b"<c><v>%d</v></c>" % s for s in range(20)) + b"</row>")
    f.write(b"</sheetData></worksheet>")

xlsx("blatt_bombe_2_5gb.xlsx", ["worksheets/a.xml"], leerzeichen)
xlsx("texte_bombe_1_5gb.xlsx", ["worksheets/a.xml"], klein, texte_gross)
xlsx("texte_16_millionen.xlsx", ["worksheets/a.xml"], klein, texte_viele)
xlsx("ein_tag_200mb.xlsx", ["worksheets/a.xml"], ein_tag)
xlsx("20_blaetter_ein_teil.xlsx", ["worksheets/a.xml"] * 20, weit)
xlsx("40_blaetter_zeilen.xlsx", ["worksheets/s%d.xml" % i for i in range(40)], zeilen)
zeile = ('<table:table-row table:number-rows-repeated="1048576"><table:table-cell '
         'office:value-type="float" office:value="1" table:number-columns-repeated="16384"/>'
         '</table:table-row>')
inhalt = ('<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"><office:body><office:spreadsheet>%s'
          '</office:spreadsheet></office:body></office:document-content>'
          % "".join('<table:table table:name="T%d">%s</table:table>' % (i, zeile) for i in range(20)))
with zipfile.ZipFile(os.path.join(d, "20_tabellen_millionen.ods"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("content.xml", inhalt)
with zipfile.ZipFile(os.path.join(d, "entitaeten.xlsx"), "w") as z:
    z.writestr("xl/workbook.xml", '<?xml version="1.0"?><!DOCTYPE l [<!ENTITY a "aaaaaaaaaa">'
               '<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"><!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;">]>'
               '<workbook><sheets><sheet name="&c;" r:id="a"/></sheets></workbook>')
PY

for datei in "$ORDNER"/*.xlsx "$ORDNER"/*.ods; do
    status=0
    /usr/bin/time -f "%e %M" -o "$ORDNER/zeit.txt" "$BUILD/rastfang" extract "$datei" \
        "$ORDNER/aus.xlsx" --name A >/dev/null 2>"$ORDNER/fehler.txt" || status=$?
    read -r sek kb < <(tail -n 1 "$ORDNER/zeit.txt")
    printf '%-28s %6s KB  %5s s  %4d MB  status %d  %s\n' "$(basename "$datei")" \
        "$(($(stat -c %s "$datei") / 1024))" "$sek" $((kb / 1024)) "$status" \
        "$(tr '\r\n' '  ' <"$ORDNER/fehler.txt" | cut -c1-90)"
done
