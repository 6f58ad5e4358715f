#pragma once
// Office Open XML (.xlsx) output through libxlsxwriter.

#include "spreadsheet/Mappe.h"
#include "spreadsheet/schreiben/Zieldatei.h"

namespace rastfang::spreadsheet {

/// Writes `mappe` as .xlsx into the temporary file of `ziel`: every sheet with its values,
/// formats (fill, bold, alignment, number format, lock flag), column widths and protection.
/// Raises 1004 through `ziel` when the library fails.
void gSchreibeXlsx(MappenDaten& mappe, Zieldatei& ziel);

}  // namespace rastfang::spreadsheet
