#pragma once
// A workbook made the way the output writer makes it, shared by the tests of both file formats,
// and small helpers around the independent reader.

#include <QJsonObject>
#include <QString>
#include <memory>

#include "Excel.h"

namespace rastfang::test {

/// A new workbook with one sheet "VELMORA": a header line (colour 19, bold, subjects centred),
/// two apprentice lines (id "0", names, date text, grades "0.0" right-aligned, names and grades
/// unlocked), a spare line (coloured 1-5, all unlocked), fitted widths, subject widths 12, and
/// protection (Contents only). `app` must outlive the result.
std::shared_ptr<tabelle::Workbook> gBeispielMappe(tabelle::Application& app);

/// What openpyxl reads from the .xlsx `sPfad`: "sheets", "active", "prot" (sheet, objects,
/// scenarios, password), custom "widths" by letter and, under "cells", every cell of rows 1-110,
/// columns 1-26 of the first sheet that has a value or a style, as
/// "<value repr> [fill ARGB] [fett] [alignment] [[number format]] [offen]" (defaults left out).
QJsonObject gXlsxGelesen(const QString& sPfad);

/// Expects `zellen` (as gXlsxGelesen reads them) to show the example workbook: values with their
/// types (numbers stay numbers, everything else stays text), fills, bold, alignments, number
/// formats and locks of each kind of line, styled cells without value, the unlocked spare area.
void pruefeBeispielZellen(const QJsonObject& zellen);

/// Runs `sSkript` under /usr/bin/python3 with `argumente` and parses its stdout as one JSON
/// object.
QJsonObject gPythonJson(const QString& sSkript, const QStringList& argumente);

/// Names of the plain files in folder `sOrdner`, hidden ones included.
QStringList gDateienIn(const QString& sOrdner);

}  // namespace rastfang::test
