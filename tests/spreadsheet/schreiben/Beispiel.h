#pragma once
// Small helpers around the independent reader, shared by the tests of the engine's file writers
// and of the output writer.

#include <QJsonObject>
#include <QString>

namespace rastfang::test {

/// What openpyxl reads from the .xlsx `sPfad`: "sheets", "active", "prot" (sheet, objects,
/// scenarios, password), custom "widths" by letter and, under "cells", every cell of rows 1-110,
/// columns 1-26 of the first sheet that has a value or a style, as
/// "<value repr> [fill ARGB] [fett] [alignment] [[number format]] [offen]" (defaults left out).
QJsonObject gXlsxGelesen(const QString& sPfad);

/// Runs `sSkript` under /usr/bin/python3 with `argumente` and parses its stdout as one JSON
/// object.
QJsonObject gPythonJson(const QString& sSkript, const QStringList& argumente);

/// Names of the plain files in folder `sOrdner`, hidden ones included.
QStringList gDateienIn(const QString& sOrdner);

}  // namespace rastfang::test
