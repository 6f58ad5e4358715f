#pragma once
// Spreadsheet column letters and column numbers: "A" to "IV" name the columns 1 to 256, the
// range the results workbooks and the column entries of the main window use.

#include <QString>
#include <cstdint>

namespace rastfang {

/// The column number of a column name: trimmed of blanks and upper-cased, "A".."Z" give 1..26,
/// "AA".."HZ" 27..234, "IA".."IV" 235..256; every other text (empty, digits, "IW", three
/// letters, …) gives 0.
int16_t giSpaltenNr(const QString& sSpaltenName);

/// The column name of a column number in upper case: 1..256 give "A".."IV", every other number
/// the empty text.
QString gsSpaltenBuchstaben(int16_t iSpaltennummer);

}  // namespace rastfang
