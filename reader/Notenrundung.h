#pragma once
// Rounding of grades to one decimal, as the output workbook shows them.

#include <QString>

namespace rastfang {

/// The grade `sNote` rounded to one decimal, halves upwards, with the German ",": the leading
/// number of the text is read (after "," became "."), n = floor(d * 10 + 0.5) and n / 10 is
/// shown as "0,0" ("2,25" → "2,3", "-1.25" → "-1,2", "2" → "2,0", "0,04" → "0,0"). A text that
/// reads as 0 — empty, a word, a dash, "0" itself — comes back unchanged. Raises error 6 when n
/// leaves the 16-bit range (from 3276.75 on).
QString gsNoteRunden(const QString& sNote);

}  // namespace rastfang
