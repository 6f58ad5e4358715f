#pragma once
// Saving a workbook: Office Open XML or, for ".xml", XML Spreadsheet 2003.

#include <QString>

#include "spreadsheet/Mappe.h"

namespace rastfang::spreadsheet {

/// Writes `mappe` to `sPfad` atomically (temporary file in the target folder, then rename).
/// Raises VbFehler 1004 naming the file and the reason; the target is then untouched.
void gSpeichereArbeitsmappe(MappenDaten& mappe, const QString& sPfad);

}  // namespace rastfang::spreadsheet
