#pragma once
// Numbers and texts shown through a number format code, German style ("," decimal point,
// "." thousands separator).

#include <QString>

namespace rastfang::spreadsheet {

/// The displayed text of a number under format code `sFormat` (General, digit placeholders,
/// percent, grouping, scaling, exponent, fractions, dates, conditions, literal text);
/// "########" where no section fits or a date is out of range.
QString gsFormatiereZahl(const QString& sFormat, double d);

/// The displayed text of a text cell under format code `sFormat`: the text section's "@"
/// replaced by the text, or the text itself.
QString gsFormatiereText(const QString& sFormat, const QString& sText);

}  // namespace rastfang::spreadsheet
