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

/// Runs `sSkript` under /usr/bin/python3 with `argumente` and parses its stdout as one JSON
/// object.
QJsonObject gPythonJson(const QString& sSkript, const QStringList& argumente);

/// Names of the plain files in folder `sOrdner`, hidden ones included.
QStringList gDateienIn(const QString& sOrdner);

}  // namespace rastfang::test
