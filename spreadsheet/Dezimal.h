#pragma once
// Decimal digits of a double as the spreadsheet sees them, and the shortest forms that the
// General format and VB's CStr write.

#include <QString>
#include <string>

namespace rastfang::spreadsheet {

/// A non-negative decimal number: digits without leading zeros, `iExp` = number of digits
/// before the decimal point (may be <= 0 for values below 0.1). No digits means zero.
struct Dezimal {
    std::string ziffern;
    int iExp = 0;
};

/// |d| with 15 significant digits, trailing zeros dropped; zero for 0 and non-finite values.
Dezimal gDezimal15(double d);

/// Keeps `nStellen` digits (counted from the first digit of `z`), rounding half up.
void gRundeStellen(Dezimal& z, int nStellen);

/// Rounds to `nNachkomma` decimals, half up.
void gRundeNachkomma(Dezimal& z, int nNachkomma);

/// Integer digits ("" for a value below 1).
std::string gGanzzahlTeil(const Dezimal& z);

/// The first `n` decimals, padded with zeros.
std::string gNachkommaTeil(const Dezimal& z, int n);

/// Shortest form of `d` with up to `nStellen` significant digits and "," as decimal separator;
/// integers up to `iMaxExp` digits in full; scientific with `nWissStellen` significant digits
/// outside 10^iMinExp <= |d| < 10^iMaxExp; "#ZAHL!" for a non-finite value.
QString gsKurzform(double d, int nStellen, int iMinExp, int iMaxExp, int nWissStellen);

/// The General format: up to 10 significant digits, integers up to 11 digits in full,
/// scientific with 6 significant digits beyond (2.25 → "2,25", -123456789012 → "-1,23457E+11").
QString gsStandard(double d);

}  // namespace rastfang::spreadsheet
