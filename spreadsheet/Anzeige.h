#pragma once
// How a cell looks: the displayed text under German regional settings (the cell's number
// format applied) and the value converted to text.

#include <QString>

#include "spreadsheet/Zelle.h"

namespace rastfang::spreadsheet {

/// The text a spreadsheet shows for the cell with format `stil` (Range.Text): General numbers
/// in shortest form up to 10 significant digits with "," (2.25 → "2,25"); number formats
/// (0, 0.0, 0.00, #,##0, percent, "@", literal text, sections; colour and locale tags ignored);
/// dates and times with German month and day names; "WAHR"/"FALSCH"; error values as shown;
/// "" for an empty cell.
QString gsAnzeigeText(const Zelle& zelle, const Stil& stil, bool b1904);

/// The value as text (Range.Value): numbers in shortest form with ",", date-formatted cells as
/// "dd.mm.yyyy", texts as they are, "" for an empty cell.
QString gsWertText(const Zelle& zelle, const Stil& stil, bool b1904);

/// True when the number format shows a date or time.
bool gbIstDatumsformat(const QString& sFormat);

}  // namespace rastfang::spreadsheet
