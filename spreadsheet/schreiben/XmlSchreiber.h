#pragma once
// XML Spreadsheet 2003 (SpreadsheetML) output: the plain-XML workbook format that Excel 2002
// and later and LibreOffice open as a spreadsheet.

#include "spreadsheet/Mappe.h"
#include "spreadsheet/schreiben/Zieldatei.h"

namespace rastfang::spreadsheet {

/// Writes `mappe` as XML Spreadsheet 2003 into the temporary file of `ziel`: styles (fill,
/// bold, alignment, number format, unlocked cells), column widths, values and protection.
/// Raises 1004 through `ziel` when writing fails.
void gSchreibeXml(MappenDaten& mappe, Zieldatei& ziel);

/// A column width in characters as SpreadsheetML's ss:Width in points: the pixels the
/// application draws (7 per character plus a 5 pixel margin) at 0.75 points per pixel.
double gdBreiteInPunkten(double dZeichen);

}  // namespace rastfang::spreadsheet
