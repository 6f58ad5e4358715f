#include "spreadsheet/Dezimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// 15 significant digits, then rounded half up in decimal: rounding on the binary value instead
// would show 2.675 as "2,67".

namespace rastfang::spreadsheet {

Dezimal gDezimal15(double d) {
    Dezimal z;
    d = std::fabs(d);
    if (d == 0 || !std::isfinite(d)) return z;
    std::array<char, 40> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), d, std::chars_format::scientific, 14);
    // d.dddddddddddddde±xx
    const char* p = buf.data();
    z.ziffern.reserve(15);
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') z.ziffern.push_back(*p);
    }
    int iE = 0;
    if (p < r.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, iE);
    z.iExp = iE + 1;
    while (!z.ziffern.empty() && z.ziffern.back() == '0') z.ziffern.pop_back();
    return z;
}

void gRundeStellen(Dezimal& z, int nStellen) {
    if (static_cast<int>(z.ziffern.size()) <= nStellen) return;
    if (nStellen < 0) {
        z.ziffern.clear();
        return;
    }
    const bool bAuf = z.ziffern[static_cast<size_t>(nStellen)] >= '5';
    z.ziffern.resize(static_cast<size_t>(nStellen));
    if (bAuf) {
        int i = nStellen - 1;
        while (i >= 0 && z.ziffern[static_cast<size_t>(i)] == '9') {
            z.ziffern[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++z.ziffern[static_cast<size_t>(i)];
        } else {
            z.ziffern.insert(z.ziffern.begin(), '1');
            ++z.iExp;
        }
    }
    while (!z.ziffern.empty() && z.ziffern.back() == '0') z.ziffern.pop_back();
    if (z.ziffern.empty()) z.iExp = 0;
}

void gRundeNachkomma(Dezimal& z, int nNachkomma) {
    gRundeStellen(z, z.iExp + nNachkomma);
}

namespace {

/// Digit `k` of `z` counted from its first digit (the one at 10^(iExp-1)); '0' outside.
char gZiffer(const Dezimal& z, int k) {
    return (k >= 0 && k < static_cast<int>(z.ziffern.size())) ? z.ziffern[static_cast<size_t>(k)]
                                                              : '0';
}

/// Mantissa and exponent as the spreadsheet writes them: "1,23457E+11", "1E-05".
void gWissenschaftlich(std::string& aus, const Dezimal& z) {
    aus.push_back(z.ziffern.empty() ? '0' : z.ziffern[0]);
    if (z.ziffern.size() > 1) {
        aus.push_back(',');
        aus.append(z.ziffern, 1, std::string::npos);
    }
    const int iE = z.ziffern.empty() ? 0 : z.iExp - 1;
    aus.push_back('E');
    aus.push_back(iE < 0 ? '-' : '+');
    const int iAbs = std::abs(iE);
    if (iAbs < 10) aus.push_back('0');
    aus += std::to_string(iAbs);
}

/// Fixed notation with "," as decimal separator, no grouping.
void gFest(std::string& aus, const Dezimal& z) {
    const std::string g = gGanzzahlTeil(z);
    aus += g.empty() ? "0" : g;
    const int nNach = static_cast<int>(z.ziffern.size()) - z.iExp;
    if (nNach > 0) {
        aus.push_back(',');
        aus += gNachkommaTeil(z, nNach);
    }
}

/// Writes `d` at `p` exactly as std::to_chars(chars_format::fixed) does, for the usual cell
/// values: below 10^9 with at most four decimals (grades, counts, amounts). Returns the end, or
/// nullptr when `d` is not such a value. Integer arithmetic is much cheaper than the general
/// shortest-digits search, and the result is the same: the shortest fixed form that reads back
/// as `d` has the fewest decimals, and with an ulp far below 10^-4 only one multiple of 10^-k
/// can read back as `d`; m / 10^k is correctly rounded, so it equals `d` exactly when the
/// decimal m·10^-k reads back as `d`.
char* gpKurzFest(char* p, double d) {
    static constexpr std::array<double, 5> ZEHNER_D = {1, 1e1, 1e2, 1e3, 1e4};
    static constexpr std::array<int64_t, 5> ZEHNER_I = {1, 10, 100, 1000, 10000};
    const double dAbs = std::fabs(d);
    if (!(dAbs < 1e9)) return nullptr;
    for (size_t k = 0; k < ZEHNER_D.size(); ++k) {
        const double m = std::round(dAbs * ZEHNER_D[k]);
        if (m / ZEHNER_D[k] != dAbs) continue;
        const auto n = static_cast<int64_t>(m);
        if (std::signbit(d)) *p++ = '-';
        p = std::to_chars(p, p + 12, n / ZEHNER_I[k]).ptr;
        if (k > 0) {
            *p++ = '.';
            int64_t bruch = n % ZEHNER_I[k];
            for (size_t j = k; j-- > 0;) {
                p[j] = static_cast<char>('0' + bruch % 10);
                bruch /= 10;
            }
            p += k;
        }
        return p;
    }
    return nullptr;
}

}  // namespace

std::string gGanzzahlTeil(const Dezimal& z) {
    std::string s;
    for (int k = 0; k < z.iExp; ++k) s.push_back(gZiffer(z, k));
    return s;
}

std::string gNachkommaTeil(const Dezimal& z, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) s.push_back(gZiffer(z, z.iExp + k));
    return s;
}

QString gsKurzform(double d, int nStellen, int iMinExp, int iMaxExp, int nWissStellen) {
    if (!std::isfinite(d)) return QStringLiteral("#ZAHL!");
    // Fast path for the usual numbers: when the shortest exact form has no more significant
    // digits than allowed, it is the answer (only "." becomes ",").
    static constexpr std::array<double, 16> ZEHNER = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double dAbs = std::fabs(d);
    if (dAbs >= 1e-4 && dAbs < ZEHNER[static_cast<size_t>(std::clamp(iMaxExp, 0, 15))]) {
        std::array<char, 48> buf{};
        char* ende = gpKurzFest(buf.data(), d);
        if (!ende) {
            const auto r =
                std::to_chars(buf.data(), buf.data() + buf.size(), d, std::chars_format::fixed);
            if (r.ec == std::errc()) ende = r.ptr;
        }
        if (ende) {
            int nSignifikant = 0;
            bool bBegonnen = false;
            for (char* p = buf.data(); p < ende; ++p) {
                if (*p == '.') {
                    *p = ',';
                } else if (*p >= '1' && *p <= '9') {
                    bBegonnen = true;
                    ++nSignifikant;
                } else if (*p == '0' && bBegonnen) {
                    ++nSignifikant;
                }
            }
            // trailing zeros of an integer are no significant digits for this test
            for (char* p = ende; p-- > buf.data() && *p == '0';) --nSignifikant;
            const bool bGanz = std::find(buf.data(), ende, ',') == ende;
            if (nSignifikant <= nStellen || bGanz) {
                return QString::fromLatin1(buf.data(), static_cast<qsizetype>(ende - buf.data()));
            }
        }
    }
    Dezimal z = gDezimal15(d);
    std::string aus;
    if (d < 0) aus.push_back('-');
    if (z.ziffern.empty()) return QStringLiteral("0");
    // Integers that fit are shown in full; everything else with nStellen significant digits.
    Dezimal zr = z;
    if (!(z.iExp >= static_cast<int>(z.ziffern.size()) && z.iExp <= iMaxExp)) {
        gRundeStellen(zr, nStellen);
    }
    if (zr.ziffern.empty()) return QStringLiteral("0");
    const int iE = zr.iExp - 1;
    if (iE >= iMaxExp || iE < iMinExp) {
        Dezimal zw = z;
        gRundeStellen(zw, nWissStellen);
        gWissenschaftlich(aus, zw);
    } else {
        gFest(aus, zr);
    }
    return QString::fromLatin1(aus.data(), static_cast<qsizetype>(aus.size()));
}

QString gsStandard(double d) {
    return gsKurzform(d, 10, -9, 11, 6);
}

}  // namespace rastfang::spreadsheet
