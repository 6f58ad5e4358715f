#pragma once
// The text rules of the VB runtime that the whole program relies on, in one place.

#include <QString>

namespace rastfang {

/// VB's Trim: removes leading and trailing blanks (U+0020 only; tabs stay).
QString gsTrim(const QString& s);
/// VB's LTrim / RTrim: blanks at the start / at the end only.
QString gsLTrim(const QString& s);
QString gsRTrim(const QString& s);

/// VB's Val: the leading number of a text with "." as decimal point. Blanks, tabs and line
/// feeds are ignored anywhere; a sign, digits, one point and an exponent (E or D) are read as
/// far as they form a number; "&H…" and "&O…" read hexadecimal and octal. A text that does
/// not begin with a number gives 0. A number beyond the double range raises error 6.
double gdVal(const QString& s);

}  // namespace rastfang
