#pragma once
// Column widths fitted to their content. Widths are measured in characters of the standard
// font, as ColumnWidth counts them: a displayed text of n characters needs n + 0.7 (the 0.7 is
// the cell's margin, 5 of 7 pixels), bold text 1.1 times as much for the wider strokes. A column
// without any displayed text falls back to the standard width; no column grows beyond 255.

#include <QString>
#include <cstdint>

#include "spreadsheet/Mappe.h"

namespace rastfang::spreadsheet {

/// The widest column a sheet may have, in characters.
inline constexpr double MAX_BREITE = 255.0;

/// Width in characters that the displayed text `sText` needs (its longest line), rounded to
/// hundredths; 0 for the empty text.
double gdTextbreite(const QString& sText, bool bFett);

/// The fitted width of column `lSpalte` over rows `lZeile1`..`lZeile2` of `blatt`: the widest
/// displayed text of its cells, STANDARD_BREITE when none shows any text, at most MAX_BREITE.
double gdEingepassteBreite(const MappenDaten& mappe, Blatt& blatt, int32_t lSpalte, int32_t lZeile1,
                           int32_t lZeile2);

}  // namespace rastfang::spreadsheet
