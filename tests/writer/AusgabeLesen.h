#pragma once
// Reads a saved output workbook back with the independent reader (openpyxl) for the writer
// tests: sheet names, protection, column widths and, per cell, value, type, fill, bold,
// alignment, number format and lock flag.

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "TestHilfen.h"

namespace rastfang::test {

/// What openpyxl sees in the workbook at `sPfad`; cells of the rows `sZeilen` ("1,2,57"),
/// columns 1 to 26, under the key "r,c".
inline QJsonObject gAusgabeLesen(const QString& sPfad, const QString& sZeilen) {
    static const QString SKRIPT = QStringLiteral(R"PY(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
p = ws.protection
aus = {"blaetter": wb.sheetnames, "schutz": bool(p.sheet), "passwort": p.password,
       "objekte": bool(p.objects), "szenarien": bool(p.scenarios), "breiten": {}, "zellen": {}}
for d in list(ws.column_dimensions.values()):
    if d.min is None or d.width is None:
        continue
    for c in range(d.min, d.max + 1):
        aus["breiten"][str(c)] = d.width
for r in [int(x) for x in sys.argv[2].split(",")]:
    for c in range(1, 27):
        z = ws.cell(r, c)
        f = z.fill
        aus["zellen"]["%d,%d" % (r, c)] = {
            "wert": z.value, "typ": type(z.value).__name__,
            "fuellung": str(f.fgColor.rgb) if f.fill_type == "solid" else "",
            "fett": bool(z.font.b), "ausrichtung": z.alignment.horizontal or "",
            "format": z.number_format, "gesperrt": bool(z.protection.locked)}
print(json.dumps(aus))
)PY");
    const QString aus = gsPython(SKRIPT, {sPfad, sZeilen});
    return QJsonDocument::fromJson(aus.toUtf8()).object();
}

}  // namespace rastfang::test
