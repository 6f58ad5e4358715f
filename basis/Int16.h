#pragma once
// Checked 16-bit arithmetic: wherever a value is an Integer (16-bit signed), leaving its range
// raises error 6 "Überlauf" at the operation that causes it, as the original runtime did.

#include <cmath>
#include <cstdint>

#include "basis/VbFehler.h"

namespace rastfang {

/// `wert` as a 16-bit signed integer; error 6 outside -32768..32767.
inline int16_t giInt16(int64_t wert) {
    if (wert < INT16_MIN || wert > INT16_MAX) throw VbFehler(FEHLER_UEBERLAUF);
    return static_cast<int16_t>(wert);
}

/// `a + b` as a 16-bit signed integer; error 6 on overflow.
inline int16_t giAddiere(int16_t a, int64_t b) {
    return giInt16(static_cast<int64_t>(a) + b);
}

/// `++i` on a 16-bit counter; error 6 past 32767.
inline int16_t& giErhoehe(int16_t& i) {
    return i = giAddiere(i, 1);
}

/// `--i` on a 16-bit counter; error 6 below -32768.
inline int16_t& giVermindere(int16_t& i) {
    return i = giAddiere(i, -1);
}

/// A double converted to Integer the way VB's CInt does it: rounded half to even; error 6 when
/// the rounded value leaves the 16-bit range (or is not a number).
inline int16_t giRundeInt16(double d) {
    if (!std::isfinite(d)) throw VbFehler(FEHLER_UEBERLAUF);
    const double r = std::nearbyint(d);  // default rounding mode: half to even
    if (r < INT16_MIN || r > INT16_MAX) throw VbFehler(FEHLER_UEBERLAUF);
    return static_cast<int16_t>(r);
}

/// A double truncated to Integer after an explicit floor (VB's Int()), error 6 out of range.
inline int16_t giFloorInt16(double d) {
    if (!std::isfinite(d)) throw VbFehler(FEHLER_UEBERLAUF);
    const double r = std::floor(d);
    if (r < INT16_MIN || r > INT16_MAX) throw VbFehler(FEHLER_UEBERLAUF);
    return static_cast<int16_t>(r);
}

}  // namespace rastfang
