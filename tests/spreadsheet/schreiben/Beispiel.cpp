#include "Beispiel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>

#include "TestHilfen.h"

namespace rastfang::test {

QJsonObject gPythonJson(const QString& sSkript, const QStringList& argumente) {
    const QString sAus = gsPython(sSkript, argumente);
    QJsonParseError fehler;
    const QJsonDocument doc = QJsonDocument::fromJson(sAus.toUtf8(), &fehler);
    EXPECT_EQ(fehler.error, QJsonParseError::NoError) << sAus.toStdString();
    return doc.object();
}

QJsonObject gXlsxGelesen(const QString& sPfad) {
    return gPythonJson(QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
def zelle(c):
    t = [repr(c.value), c.fill.fgColor.rgb if c.fill.fill_type == "solid" else "",
         "fett" if c.font.b else "", (c.alignment.horizontal or "").replace("general", ""),
         "" if c.number_format == "General" else "[%s]" % c.number_format,
         "" if c.protection.locked else "offen"]
    return " ".join(x for x in t if x)
p = ws.protection
print(json.dumps({"sheets": wb.sheetnames, "active": wb.active.title,
                  "prot": [p.sheet, p.objects, p.scenarios, p.password],
                  "widths": {k: d.width for k, d in ws.column_dimensions.items() if d.customWidth},
                  "cells": {c.coordinate: zelle(c) for row in ws.iter_rows(1, 110, 1, 26)
                            for c in row if c.value is not None or c.has_style}}))
)"),
                       {sPfad});
}

QStringList gDateienIn(const QString& sOrdner) {
    return QDir(sOrdner).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace rastfang::test
