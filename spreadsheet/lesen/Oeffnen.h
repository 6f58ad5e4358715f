#pragma once
// Opening a workbook file: the format is told by the content, each format has its own reader.

#include <QString>
#include <memory>

#include "spreadsheet/Mappe.h"

namespace rastfang::spreadsheet {

class Lesebudget;

/// Reads the whole workbook at `sPfad`, every sheet, before it returns; sheets are parsed in
/// parallel where the format allows. Raises VbFehler 1004 with a German description naming
/// the file and the reason; then nothing of the workbook is kept.
std::shared_ptr<MappenDaten> gLiesArbeitsmappe(const QString& sPfad);

/// The same within `budget`, which afterwards tells what reading took (or had taken when it
/// was refused).
std::shared_ptr<MappenDaten> gLiesArbeitsmappe(const QString& sPfad, Lesebudget& budget);

/// A sheet name as read from a file, with every control character turned into a blank: a
/// spreadsheet application allows none, and a line break would forge lines where names are
/// listed.
QString gsLesbarerBlattname(QString sName);

}  // namespace rastfang::spreadsheet
