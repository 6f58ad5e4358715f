#include "Anzeige.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace rastfang::tabelle {

namespace {

// ---------------------------------------------------------------------------------------------
// Decimal digits of a double as the spreadsheet sees them: 15 significant digits, then rounded
// half up in decimal. Rounding on the binary value instead would show 2.675 as "2,67".

/// A non-negative decimal number: digits without leading zeros, `iExp` = number of digits
/// before the decimal point (may be <= 0 for values below 0.1). No digits means zero.
struct Dezimal {
    std::string ziffern;
    int iExp = 0;
};

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

/// Keeps `nStellen` digits (counted from the first digit of `z`), rounding half up.
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

/// Rounds to `nNachkomma` decimals, half up.
void gRundeNachkomma(Dezimal& z, int nNachkomma) {
    gRundeStellen(z, z.iExp + nNachkomma);
}

/// Digit `k` of `z` counted from its first digit (the one at 10^(iExp-1)); '0' outside.
char gZiffer(const Dezimal& z, int k) {
    return (k >= 0 && k < static_cast<int>(z.ziffern.size())) ? z.ziffern[static_cast<size_t>(k)]
                                                              : '0';
}

/// Integer digits ("" for a value below 1).
std::string gGanzzahlTeil(const Dezimal& z) {
    std::string s;
    for (int k = 0; k < z.iExp; ++k) s.push_back(gZiffer(z, k));
    return s;
}

/// The first `n` decimals.
std::string gNachkommaTeil(const Dezimal& z, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) s.push_back(gZiffer(z, z.iExp + k));
    return s;
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

/// Shortest form with up to `nStellen` significant digits; scientific outside
/// 10^iMinExp <= |d| < 10^iMaxExp.
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

/// The General format: up to 10 significant digits, integers up to 11 digits in full,
/// scientific with 6 significant digits beyond.
QString gsStandard(double d) {
    return gsKurzform(d, 10, -9, 11, 6);
}

// ---------------------------------------------------------------------------------------------
// Dates

/// A serial number split into calendar date and time of day (German calendar display).
struct Zeitpunkt {
    int iJahr = 1900, iMonat = 1, iTag = 0;
    int iWochentag = 0;  // 0 = Sunday
    int64_t lTage = 0;   // whole days of the serial
    int iStunde = 0, iMinute = 0, iSekunde = 0;
    int iMillis = 0;
};

constexpr double MAX_SERIELL = 2958466.0;  // 1 Jan 10000

/// Splits a 1900-based serial number. `nBruch` = decimals of seconds shown (0..3).
bool gZerlege(double dSeriell, int nBruch, Zeitpunkt& t) {
    if (!(dSeriell >= 0) || dSeriell >= MAX_SERIELL) return false;
    int64_t lTage = static_cast<int64_t>(std::floor(dSeriell));
    const double dBruch = dSeriell - static_cast<double>(lTage);
    int64_t lMs = std::llround(dBruch * 86400000.0);
    const int64_t lSchritt = nBruch >= 3 ? 1 : nBruch == 2 ? 10 : nBruch == 1 ? 100 : 1000;
    lMs = (lMs + lSchritt / 2) / lSchritt * lSchritt;
    if (lMs >= 86400000) {
        lMs -= 86400000;
        ++lTage;
    }
    t.lTage = lTage;
    t.iStunde = static_cast<int>(lMs / 3600000);
    t.iMinute = static_cast<int>(lMs / 60000 % 60);
    t.iSekunde = static_cast<int>(lMs / 1000 % 60);
    t.iMillis = static_cast<int>(lMs % 1000);
    // The spreadsheet counts a 29 Feb 1900 that never was, and shows day 0 as 00.01.1900.
    if (lTage == 0) {
        t.iJahr = 1900, t.iMonat = 1, t.iTag = 0, t.iWochentag = 6;
    } else if (lTage == 60) {
        t.iJahr = 1900, t.iMonat = 2, t.iTag = 29, t.iWochentag = 3;
    } else {
        const QDate d = QDate(1899, 12, lTage < 60 ? 31 : 30).addDays(lTage);
        t.iJahr = d.year(), t.iMonat = d.month(), t.iTag = d.day();
        t.iWochentag = lTage < 60 ? static_cast<int>((lTage + 6) % 7) : d.dayOfWeek() % 7;
    }
    return true;
}

const std::array<const char*, 12> MONATE = {"Januar",    "Februar", "März",     "April",
                                            "Mai",       "Juni",    "Juli",     "August",
                                            "September", "Oktober", "November", "Dezember"};
const std::array<const char*, 12> MONATE_KURZ = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const std::array<const char*, 7> TAGE = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                         "Donnerstag", "Freitag", "Samstag"};
const std::array<const char*, 7> TAGE_KURZ = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

// ---------------------------------------------------------------------------------------------
// Number format codes

enum class Art : uint8_t {
    Literal,
    Ziffer,  // 0 # ?
    Punkt,   // decimal point
    Komma,   // thousands separator or scaling
    Prozent,
    Exponent,   // E+ / E-
    Text,       // @
    Allgemein,  // General
    Jahr,
    Monat,
    Tag,
    Stunde,
    Minute,
    Sekunde,
    Sekundenbruch,
    AmPm,
    Verstrichen,  // [h] [mm] [ss]
    Strich,       // "/": date separator in dates, fraction bar in numbers
};

struct Teil {
    Art art;
    QChar c;    // placeholder character, elapsed unit, exponent sign, AM/PM style
    int n = 1;  // run length
    QString sText;
};

struct Abschnitt {
    std::vector<Teil> teile;
    bool bDatum = false;
    bool bZahl = false;   // has digit placeholders or General
    bool bText = false;   // has @
    bool bBruch = false;  // a number section with a fraction bar
    /// "[<1]": the section applies to the values that meet it
    std::optional<std::pair<QString, double>> bedingung;
};

bool gbBeginntMit(const QString& s, qsizetype i, QLatin1StringView w) {
    return s.size() - i >= w.size() &&
           QStringView(s).mid(i, w.size()).compare(w, Qt::CaseInsensitive) == 0;
}

/// Splits one section of a format code into its parts.
Abschnitt gZerlegeAbschnitt(const QString& s) {
    Abschnitt a;
    auto literal = [&a](const QString& t) {
        if (!a.teile.empty() && a.teile.back().art == Art::Literal) {
            a.teile.back().sText += t;
        } else {
            a.teile.push_back({Art::Literal, QChar(), 1, t});
        }
    };
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = s[i];
        const char16_t u = c.toLower().unicode();
        auto lauf = [&](char16_t z) {
            int k = 0;
            while (i < n && s[i].toLower().unicode() == z) ++i, ++k;
            return k;
        };
        if (c == u'"') {
            const qsizetype e = s.indexOf(u'"', i + 1);
            const qsizetype ende = e < 0 ? n : e;
            literal(s.mid(i + 1, ende - i - 1));
            i = ende + 1;
        } else if (c == u'\\') {
            if (i + 1 < n) literal(QString(s[i + 1]));
            i += 2;
        } else if (c == u'_') {
            literal(QStringLiteral(" "));
            i += 2;
        } else if (c == u'*') {
            i += 2;
        } else if (c == u'[') {
            const qsizetype e = s.indexOf(u']', i + 1);
            const qsizetype ende = e < 0 ? n : e;
            const QString inhalt = s.mid(i + 1, ende - i - 1);
            i = ende + 1;
            const QString klein = inhalt.toLower();
            if (!klein.isEmpty() && (klein.count(klein[0]) == klein.size()) &&
                (klein[0] == u'h' || klein[0] == u'm' || klein[0] == u's')) {
                a.teile.push_back({Art::Verstrichen, klein[0], static_cast<int>(klein.size()), {}});
                a.bDatum = true;
            } else if (inhalt.startsWith(u'$')) {
                // [$€-407]: currency symbol before the locale code
                const qsizetype strich = inhalt.indexOf(u'-');
                literal(inhalt.mid(1, strich < 0 ? -1 : strich - 1));
            } else if (!inhalt.isEmpty() &&
                       (inhalt[0] == u'<' || inhalt[0] == u'>' || inhalt[0] == u'=')) {
                const qsizetype nOp =
                    inhalt.size() > 1 && (inhalt[1] == u'=' || inhalt[1] == u'>') ? 2 : 1;
                const std::string zahl = inhalt.mid(nOp).trimmed().toStdString();
                double dWert = 0;
                const auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), dWert);
                if (r.ec == std::errc()) a.bedingung.emplace(inhalt.left(nOp), dWert);
            }
            // colours and locale tags do not change the text
        } else if (gbBeginntMit(s, i, QLatin1StringView("general"))) {
            a.teile.push_back({Art::Allgemein, c, 1, {}});
            a.bZahl = true;
            i += 7;
        } else if (gbBeginntMit(s, i, QLatin1StringView("am/pm"))) {
            a.teile.push_back({Art::AmPm, u'a', 1, {}});
            a.bDatum = true;
            i += 5;
        } else if (gbBeginntMit(s, i, QLatin1StringView("a/p"))) {
            a.teile.push_back({Art::AmPm, u'p', 1, {}});
            a.bDatum = true;
            i += 3;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            if (!a.teile.empty() && a.teile.back().art == Art::Sekundenbruch && c == u'0') {
                ++a.teile.back().n;
            } else {
                a.teile.push_back({Art::Ziffer, c, 1, {}});
                a.bZahl = true;
            }
            ++i;
        } else if (c == u'.') {
            // "ss.00": fractions of a second
            bool bSek = false;
            for (auto it = a.teile.rbegin(); it != a.teile.rend(); ++it) {
                if (it->art == Art::Literal) continue;
                bSek = it->art == Art::Sekunde || (it->art == Art::Verstrichen && it->c == u's');
                break;
            }
            if (bSek && i + 1 < n && s[i + 1] == u'0') {
                a.teile.push_back({Art::Sekundenbruch, c, 0, {}});
            } else {
                a.teile.push_back({Art::Punkt, c, 1, {}});
            }
            ++i;
        } else if (c == u'/') {
            a.teile.push_back({Art::Strich, c, 1, {}});
            ++i;
        } else if (c == u',') {
            a.teile.push_back({Art::Komma, c, 1, {}});
            ++i;
        } else if (c == u'%') {
            a.teile.push_back({Art::Prozent, c, 1, {}});
            ++i;
        } else if (u == u'e' && i + 1 < n && (s[i + 1] == u'+' || s[i + 1] == u'-') && a.bZahl) {
            a.teile.push_back({Art::Exponent, s[i + 1], 1, {}});
            i += 2;
        } else if (c == u'@') {
            a.teile.push_back({Art::Text, c, 1, {}});
            a.bText = true;
            ++i;
        } else if (u == u'y') {
            a.teile.push_back({Art::Jahr, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u'm') {
            a.teile.push_back({Art::Monat, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u'd') {
            a.teile.push_back({Art::Tag, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u'h') {
            a.teile.push_back({Art::Stunde, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u's') {
            a.teile.push_back({Art::Sekunde, c, lauf(u), {}});
            a.bDatum = true;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    // "m" right after hours or right before seconds means minutes.
    const Teil* vorher = nullptr;
    for (size_t k = 0; k < a.teile.size(); ++k) {
        Teil& t = a.teile[k];
        if (t.art == Art::Literal) continue;
        if (t.art == Art::Monat && t.n <= 2) {
            bool bMinute = vorher && (vorher->art == Art::Stunde ||
                                      (vorher->art == Art::Verstrichen && vorher->c == u'h'));
            for (size_t j = k + 1; !bMinute && j < a.teile.size(); ++j) {
                const Art x = a.teile[j].art;
                if (x == Art::Literal) continue;
                bMinute = x == Art::Sekunde || (x == Art::Verstrichen && a.teile[j].c == u's');
                break;
            }
            if (bMinute) t.art = Art::Minute;
        }
        vorher = &t;
    }
    if (a.bDatum) a.bZahl = false;
    // In a date "/" stands for the regional date separator, the German ".".
    for (Teil& t : a.teile) {
        if (t.art != Art::Strich) continue;
        if (a.bDatum) {
            t = {Art::Literal, QChar(), 1, QStringLiteral(".")};
        } else if (a.bZahl) {
            a.bBruch = true;
        } else {
            t = {Art::Literal, QChar(), 1, QStringLiteral("/")};
        }
    }
    return a;
}

/// Splits a format code into its sections at ";" outside quotes, escapes and brackets.
std::vector<QString> gAbschnitte(const QString& s) {
    std::vector<QString> teile;
    QString akt;
    bool bQuote = false;
    int iKlammer = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (bQuote) {
            bQuote = c != u'"';
        } else if (c == u'"') {
            bQuote = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            akt += c;
            if (i + 1 < s.size()) akt += s[++i];
            continue;
        } else if (c == u'[') {
            ++iKlammer;
        } else if (c == u']') {
            iKlammer = std::max(0, iKlammer - 1);
        } else if (c == u';' && iKlammer == 0) {
            teile.push_back(akt);
            akt.clear();
            continue;
        }
        akt += c;
    }
    teile.push_back(akt);
    return teile;
}

bool gbIstAllgemein(const QString& s) {
    // asked for every cell: the exact spelling first, letter case only when the length fits
    if (s.size() != 7) return s.isEmpty();
    return s == QLatin1StringView("General") ||
           s.compare(QLatin1StringView("General"), Qt::CaseInsensitive) == 0;
}

void gZweistellig(QString& aus, int i) {
    aus += QChar(u'0' + i / 10 % 10);
    aus += QChar(u'0' + i % 10);
}

/// Formats a serial number with a date/time section.
QString gsDatum(const Abschnitt& a, double dSeriell) {
    int nBruch = 0;
    bool bAmPm = false;
    for (const Teil& t : a.teile) {
        if (t.art == Art::Sekundenbruch) nBruch = std::min(3, t.n);
        if (t.art == Art::AmPm) bAmPm = true;
    }
    Zeitpunkt z;
    if (!gZerlege(dSeriell, nBruch, z)) return QStringLiteral("########");
    QString aus;
    for (const Teil& t : a.teile) {
        switch (t.art) {
            case Art::Jahr:
                if (t.n <= 2) {
                    gZweistellig(aus, z.iJahr % 100);
                } else {
                    aus += QString::number(z.iJahr);
                }
                break;
            case Art::Monat:
                if (t.n == 1) {
                    aus += QString::number(z.iMonat);
                } else if (t.n == 2) {
                    gZweistellig(aus, z.iMonat);
                } else if (t.n == 3) {
                    aus += QString::fromUtf8(MONATE_KURZ[static_cast<size_t>(z.iMonat - 1)]);
                } else if (t.n == 5) {
                    aus += QString::fromUtf8(MONATE[static_cast<size_t>(z.iMonat - 1)]).left(1);
                } else {
                    aus += QString::fromUtf8(MONATE[static_cast<size_t>(z.iMonat - 1)]);
                }
                break;
            case Art::Tag:
                if (t.n == 1) {
                    aus += QString::number(z.iTag);
                } else if (t.n == 2) {
                    gZweistellig(aus, z.iTag);
                } else if (t.n == 3) {
                    aus += QString::fromUtf8(TAGE_KURZ[static_cast<size_t>(z.iWochentag)]);
                } else {
                    aus += QString::fromUtf8(TAGE[static_cast<size_t>(z.iWochentag)]);
                }
                break;
            case Art::Stunde: {
                int h = z.iStunde;
                if (bAmPm) h = h % 12 == 0 ? 12 : h % 12;
                if (t.n >= 2) {
                    gZweistellig(aus, h);
                } else {
                    aus += QString::number(h);
                }
                break;
            }
            case Art::Minute:
                if (t.n >= 2) {
                    gZweistellig(aus, z.iMinute);
                } else {
                    aus += QString::number(z.iMinute);
                }
                break;
            case Art::Sekunde:
                if (t.n >= 2) {
                    gZweistellig(aus, z.iSekunde);
                } else {
                    aus += QString::number(z.iSekunde);
                }
                break;
            case Art::Sekundenbruch: {
                aus += u',';
                const QString ms = QStringLiteral("%1").arg(z.iMillis, 3, 10, QChar(u'0'));
                aus += ms.left(std::min(3, t.n));
                break;
            }
            case Art::AmPm: {
                const bool bPm = z.iStunde >= 12;
                aus += t.c == u'a' ? (bPm ? QStringLiteral("PM") : QStringLiteral("AM"))
                                   : (bPm ? QStringLiteral("P") : QStringLiteral("A"));
                break;
            }
            case Art::Verstrichen: {
                const int64_t lSek =
                    z.lTage * 86400 + z.iStunde * 3600 + z.iMinute * 60 + z.iSekunde;
                const int64_t v = t.c == u'h' ? lSek / 3600 : t.c == u'm' ? lSek / 60 : lSek;
                QString s = QString::number(v);
                while (s.size() < t.n) s.prepend(u'0');
                aus += s;
                break;
            }
            case Art::Literal:
                aus += t.sText;
                break;
            case Art::Punkt:
            case Art::Komma:
            case Art::Prozent:
            case Art::Ziffer:
                aus += t.c;  // no meaning in a date: shown as written
                break;
            default:
                break;
        }
    }
    return aus;
}

/// Digits of `n` into the placeholders `platz` ("0", "#", "?"): right-aligned for an integer or a
/// numerator, left-aligned for a denominator.
QString gsPlatzhalter(const std::vector<QChar>& platz, int64_t n, bool bLinks, bool bNullLeer) {
    QString ziffern = bNullLeer && n == 0 ? QString() : QString::number(n);
    const qsizetype nFrei = static_cast<qsizetype>(platz.size()) - ziffern.size();
    QString aus;
    for (qsizetype k = 0; k < nFrei; ++k) {
        const QChar c =
            bLinks ? platz[static_cast<size_t>(ziffern.size() + k)] : platz[static_cast<size_t>(k)];
        aus += c == u'0' ? QStringLiteral("0") : c == u'?' ? QStringLiteral(" ") : QString();
    }
    return bLinks ? ziffern + aus : aus + ziffern;
}

/// Formats the absolute value `d` with a fraction section ("# ?/?", "?/8"): the closest
/// fraction whose denominator has no more digits than its placeholders.
QString gsBruch(const Abschnitt& a, double d) {
    const auto& t = a.teile;
    size_t iStrich = 0;
    while (t[iStrich].art != Art::Strich) ++iStrich;
    size_t iZaehler = iStrich;
    while (iZaehler > 0 && t[iZaehler - 1].art == Art::Ziffer) --iZaehler;
    size_t iNennerEnde = iStrich + 1;
    while (iNennerEnde < t.size() && t[iNennerEnde].art == Art::Ziffer) ++iNennerEnde;
    int64_t lFest = 0;  // "?/8": a fixed denominator written as literal digits
    if (iNennerEnde == iStrich + 1 && iNennerEnde < t.size() &&
        t[iNennerEnde].art == Art::Literal) {
        for (const QChar c : t[iNennerEnde].sText) {
            if (!c.isDigit() || lFest > 100000) break;
            lFest = lFest * 10 + c.digitValue();
        }
    }
    std::vector<QChar> ganzPlatz, zaehlerPlatz, nennerPlatz;
    for (size_t k = 0; k < t.size(); ++k) {
        if (t[k].art != Art::Ziffer) continue;
        (k < iZaehler ? ganzPlatz : k < iStrich ? zaehlerPlatz : nennerPlatz).push_back(t[k].c);
    }
    const bool bGanz = !ganzPlatz.empty();
    int64_t lGanz = bGanz ? static_cast<int64_t>(std::floor(d)) : 0;
    const double dRest = d - static_cast<double>(lGanz);
    int64_t lZaehler = 0, lNenner = 1;
    if (lFest > 0) {
        lNenner = lFest;
        lZaehler = std::llround(dRest * static_cast<double>(lNenner));
    } else {
        const int nStellen = std::clamp(static_cast<int>(nennerPlatz.size()), 1, 4);
        const int64_t lMax = static_cast<int64_t>(std::pow(10, nStellen)) - 1;
        double dBester = 2;
        for (int64_t n = 1; n <= lMax; ++n) {
            const int64_t z = std::llround(dRest * static_cast<double>(n));
            const double dAbw = std::fabs(dRest - static_cast<double>(z) / static_cast<double>(n));
            if (dAbw < dBester - 1e-12) dBester = dAbw, lZaehler = z, lNenner = n;
        }
    }
    if (bGanz && lZaehler == lNenner && lFest == 0) ++lGanz, lZaehler = 0;
    const bool bOhneBruch = bGanz && lZaehler == 0;
    QString aus, bruch;
    bool bGanzGeschrieben = false;
    for (size_t k = 0; k < t.size(); ++k) {
        QString& ziel = k < iZaehler ? aus : bruch;
        if (k < iZaehler && t[k].art == Art::Ziffer) {
            if (!bGanzGeschrieben) ziel += gsPlatzhalter(ganzPlatz, lGanz, false, !bOhneBruch);
            bGanzGeschrieben = true;
        } else if (k == iZaehler && iZaehler < iStrich) {
            ziel += gsPlatzhalter(zaehlerPlatz, lZaehler, false, false);
        } else if (k == iStrich) {
            ziel += u'/';
        } else if (k == iStrich + 1 && iNennerEnde > iStrich + 1) {
            ziel += gsPlatzhalter(nennerPlatz, lNenner, true, false);
        } else if (t[k].art == Art::Literal) {
            ziel += t[k].sText;
        }
    }
    // a whole number shows no fraction: blanks keep the column aligned
    if (bOhneBruch) bruch.fill(u' ');
    return aus + bruch;
}

/// Formats the absolute value `d` with a number section (digit placeholders, percent,
/// grouping, scaling, exponent, General inside literals).
QString gsZahl(const Abschnitt& a, double d) {
    // Locate the parts of the pattern.
    int iPunkt = -1, iExp = -1;
    int nProzent = 0;
    for (size_t k = 0; k < a.teile.size(); ++k) {
        const Art x = a.teile[k].art;
        if (x == Art::Punkt && iPunkt < 0 && iExp < 0) iPunkt = static_cast<int>(k);
        if (x == Art::Exponent && iExp < 0) iExp = static_cast<int>(k);
        if (x == Art::Prozent) ++nProzent;
    }
    const int iGanzEnde = iPunkt >= 0 ? iPunkt
                          : iExp >= 0 ? iExp
                                      : static_cast<int>(a.teile.size());
    const int iBruchEnde = iExp >= 0 ? iExp : static_cast<int>(a.teile.size());
    std::vector<size_t> ganz, bruch, expo;
    bool bGruppen = false;
    int nSkalierung = 0;
    for (size_t k = 0; k < a.teile.size(); ++k) {
        const Teil& t = a.teile[k];
        const int ik = static_cast<int>(k);
        if (t.art == Art::Ziffer) {
            if (ik < iGanzEnde) {
                ganz.push_back(k);
            } else if (ik < iBruchEnde) {
                bruch.push_back(k);
            } else {
                expo.push_back(k);
            }
        } else if (t.art == Art::Komma && ik >= iGanzEnde && ik < iBruchEnde) {
            // "0.0,,": commas behind the last decimal scale by thousands as well
            bool bDanach = false;
            for (int j = ik + 1; j < iBruchEnde; ++j) {
                if (a.teile[static_cast<size_t>(j)].art == Art::Ziffer) bDanach = true;
            }
            if (!bDanach) ++nSkalierung;
        } else if (t.art == Art::Komma && ik < iGanzEnde) {
            bool bDavor = !ganz.empty(), bDanach = false;
            for (int j = ik + 1; j < iGanzEnde; ++j) {
                if (a.teile[static_cast<size_t>(j)].art == Art::Ziffer) bDanach = true;
            }
            if (bDavor && bDanach) {
                bGruppen = true;
            } else if (bDavor) {
                ++nSkalierung;
            }
        }
    }
    double v = d;
    for (int i = 0; i < nProzent; ++i) v *= 100;
    for (int i = 0; i < nSkalierung; ++i) v /= 1000;

    int iExponent = 0;
    if (iExp >= 0 && v != 0) {
        const int nGanz = std::max<int>(1, static_cast<int>(ganz.size()));
        Dezimal z = gDezimal15(v);
        iExponent = z.iExp - nGanz;
        // engineering style "##0.0E+0": the exponent a multiple of the integer places
        if (nGanz > 1 && a.teile[ganz.front()].c == u'#') {
            iExponent =
                static_cast<int>(std::floor((z.iExp - 1) / static_cast<double>(nGanz))) * nGanz;
        }
        v = v / std::pow(10.0, iExponent);
    }
    Dezimal z = gDezimal15(v);
    gRundeNachkomma(z, static_cast<int>(bruch.size()));
    if (iExp >= 0 && !z.ziffern.empty() &&
        z.iExp > std::max<int>(1, static_cast<int>(ganz.size()))) {
        // rounding carried into a new digit (9.99E+00 → 1.00E+01)
        v /= 10;
        ++iExponent;
        z = gDezimal15(v);
        gRundeNachkomma(z, static_cast<int>(bruch.size()));
    }
    const std::string sGanz = gGanzzahlTeil(z);
    const std::string sBruch = gNachkommaTeil(z, static_cast<int>(bruch.size()));

    // Integer digits to the integer placeholders, right to left.
    std::vector<QString> ausGanz(ganz.size());
    if (!ganz.empty()) {
        int iZiffer = static_cast<int>(sGanz.size()) - 1;
        for (size_t p = ganz.size(); p-- > 0;) {
            const QChar c = a.teile[ganz[p]].c;
            QString& s = ausGanz[p];
            if (iZiffer >= 0) {
                s = QChar(QLatin1Char(sGanz[static_cast<size_t>(iZiffer--)]));
            } else if (c == u'0') {
                s = QStringLiteral("0");
            } else if (c == u'?') {
                s = QStringLiteral(" ");
            }
            if (p == 0 && iZiffer >= 0) {
                s.prepend(QString::fromLatin1(sGanz.data(), iZiffer + 1));
            }
        }
        if (bGruppen) {
            QString alle;
            for (const QString& s : ausGanz) alle += s;
            QString mit;
            int nZiffern = 0;
            for (qsizetype i = alle.size(); i-- > 0;) {
                if (alle[i].isDigit()) {
                    if (nZiffern > 0 && nZiffern % 3 == 0) mit.prepend(u'.');
                    ++nZiffern;
                }
                mit.prepend(alle[i]);
            }
            for (QString& s : ausGanz) s.clear();
            ausGanz[0] = mit;
        }
    }
    // Decimals left to right; trailing "#" zeros vanish, trailing "?" zeros become blanks.
    std::vector<QString> ausBruch(bruch.size());
    {
        bool bEnde = true;
        for (size_t p = bruch.size(); p-- > 0;) {
            const char ziffer = sBruch[p];
            const QChar c = a.teile[bruch[p]].c;
            if (bEnde && ziffer == '0' && c != u'0') {
                ausBruch[p] = c == u'?' ? QStringLiteral(" ") : QString();
            } else {
                bEnde = false;
                ausBruch[p] = QChar(QLatin1Char(ziffer));
            }
        }
    }
    // Exponent digits.
    QString sExpo;
    {
        QString e = QString::number(std::abs(iExponent));
        int nMin = 0;
        for (size_t k : expo) nMin += a.teile[k].c == u'0' ? 1 : 0;
        while (e.size() < nMin) e.prepend(u'0');
        sExpo = e;
    }

    QString aus;
    size_t iG = 0, iB = 0;
    bool bExpoGeschrieben = false;
    for (size_t k = 0; k < a.teile.size(); ++k) {
        const Teil& t = a.teile[k];
        switch (t.art) {
            case Art::Literal:
                aus += t.sText;
                break;
            case Art::Ziffer:
                if (iG < ganz.size() && ganz[iG] == k) {
                    aus += ausGanz[iG++];
                } else if (iB < bruch.size() && bruch[iB] == k) {
                    aus += ausBruch[iB++];
                } else if (!bExpoGeschrieben) {
                    aus += sExpo;
                    bExpoGeschrieben = true;
                }
                break;
            case Art::Punkt:
                if (static_cast<int>(k) == iPunkt) {
                    aus += u',';
                } else {
                    aus += u'.';
                }
                break;
            case Art::Prozent:
                aus += u'%';
                break;
            case Art::Exponent:
                aus += u'E';
                if (iExponent < 0) {
                    aus += u'-';
                } else if (t.c == u'+') {
                    aus += u'+';
                }
                break;
            case Art::Allgemein:
                aus += gsStandard(v);
                break;
            case Art::Komma:
                break;
            default:
                break;
        }
    }
    return aus;
}

/// Applies a text section ("@" replaced by the text).
QString gsTextAbschnitt(const Abschnitt& a, const QString& sText) {
    QString aus;
    for (const Teil& t : a.teile) {
        if (t.art == Art::Text) {
            aus += sText;
        } else if (t.art == Art::Literal) {
            aus += t.sText;
        }
    }
    return aus;
}

/// "[$-F800]" and "[$-F400]" stand for the system's long date and long time: German ones.
QString gsSystemformat(const QString& sAbschnitt) {
    if (sAbschnitt.contains(QLatin1StringView("[$-F800]"), Qt::CaseInsensitive)) {
        return QStringLiteral("DDDD, D. MMMM YYYY");
    }
    if (sAbschnitt.contains(QLatin1StringView("[$-F400]"), Qt::CaseInsensitive)) {
        return QStringLiteral("hh:mm:ss");
    }
    return sAbschnitt;
}

/// True when `d` meets the section condition (`sOp` one of < > = <= >= <>).
bool gbErfuellt(const std::pair<QString, double>& b, double d) {
    const QString& op = b.first;
    if (op == u"<") return d < b.second;
    if (op == u">") return d > b.second;
    if (op == u"<=") return d <= b.second;
    if (op == u">=") return d >= b.second;
    if (op == u"<>") return d != b.second;
    return d == b.second;
}

/// The number sections of a format code, split once: a column of dates or grades asks for the
/// same code tens of thousands of times in a row, so the last one is kept per thread.
const std::vector<Abschnitt>& gZahlAbschnitte(const QString& sFormat) {
    struct Zwischenspeicher {
        QString sFormat;
        std::vector<Abschnitt> abschnitte;
        bool bGueltig = false;
    };
    thread_local Zwischenspeicher letzter;
    if (letzter.bGueltig && letzter.sFormat == sFormat) return letzter.abschnitte;
    const std::vector<QString> roh = gAbschnitte(sFormat);
    // Sections: positive;negative;zero;text. A lone "@" section does not apply to numbers.
    const size_t nZahl = roh.size() >= 4 ? 3 : roh.size();
    std::vector<Abschnitt> abschnitte;
    abschnitte.reserve(nZahl);
    for (size_t i = 0; i < nZahl; ++i)
        abschnitte.push_back(gZerlegeAbschnitt(gsSystemformat(roh[i])));
    if (nZahl == 2 || nZahl == 3) {
        // a trailing text section is not one for numbers
        if (abschnitte.back().bText && !abschnitte.back().bZahl && !abschnitte.back().bDatum) {
            abschnitte.pop_back();
        }
    }
    letzter.bGueltig = false;  // stays invalid should an assignment throw
    letzter.sFormat = sFormat;
    letzter.abschnitte = std::move(abschnitte);
    letzter.bGueltig = true;
    return letzter.abschnitte;
}

/// The displayed text of a number under format code `sFormat`.
QString gsFormatiereZahl(const QString& sFormat, double d) {
    if (gbIstAllgemein(sFormat)) return gsStandard(d);
    const std::vector<Abschnitt>& abschnitte = gZahlAbschnitte(sFormat);
    const size_t nZahl = abschnitte.size();
    const Abschnitt* a = &abschnitte[0];
    bool bMinus = false;
    const bool bBedingt = std::any_of(abschnitte.begin(), abschnitte.end(),
                                      [](const Abschnitt& x) { return x.bedingung.has_value(); });
    if (bBedingt) {
        // "[<1]0.00;0.0": the first section whose condition holds, else the first without one
        a = nullptr;
        for (const Abschnitt& x : abschnitte) {
            if (x.bedingung && gbErfuellt(*x.bedingung, d)) {
                a = &x;
                break;
            }
        }
        if (!a) {
            for (const Abschnitt& x : abschnitte) {
                if (!x.bedingung) {
                    a = &x;
                    break;
                }
            }
        }
        if (!a) return QStringLiteral("########");
        // a section for negative values ("[<0]") writes its own sign
        const bool bNegativAbschnitt = a->bedingung && a->bedingung->first.startsWith(u'<') &&
                                       a->bedingung->first != u"<>" && a->bedingung->second == 0;
        bMinus = d < 0 && !bNegativAbschnitt;
    } else if (d < 0) {
        if (nZahl >= 2) {
            a = &abschnitte[1];
        } else {
            bMinus = true;
        }
    } else if (d == 0 && nZahl >= 3) {
        a = &abschnitte[2];
    }
    if (a->bText && !a->bZahl && !a->bDatum) return gsStandard(d);
    QString s;
    if (a->bDatum) {
        if (bMinus) return QStringLiteral("########");
        s = gsDatum(*a, std::fabs(d));
    } else if (a->bBruch) {
        s = gsBruch(*a, std::fabs(d));
    } else if (a->bZahl) {
        s = gsZahl(*a, std::fabs(d));
    } else {
        s = gsTextAbschnitt(*a, QString());
    }
    if (bMinus) s.prepend(u'-');
    return s;
}

/// The displayed text of a text cell under format code `sFormat`.
QString gsFormatiereText(const QString& sFormat, const QString& sText) {
    const std::vector<QString> roh = gAbschnitte(sFormat);
    if (roh.size() >= 4) return gsTextAbschnitt(gZerlegeAbschnitt(roh[3]), sText);
    if (!sFormat.contains(u'@')) return sText;
    for (const QString& r : roh) {
        const Abschnitt a = gZerlegeAbschnitt(r);
        if (a.bText) return gsTextAbschnitt(a, sText);
    }
    return sText;
}

/// The serial in the 1900 system.
double gdSeriell1900(double d, bool b1904) {
    return b1904 ? d + 1462.0 : d;
}

}  // namespace

bool gbIstDatumsformat(const QString& sFormat) {
    if (gbIstAllgemein(sFormat)) return false;
    // Cheap test first: no date letter at all means no date.
    bool bKandidat = false;
    for (const QChar c : sFormat) {
        const char16_t u = c.toLower().unicode();
        if (u == u'y' || u == u'm' || u == u'd' || u == u'h' || u == u's') {
            bKandidat = true;
            break;
        }
    }
    if (!bKandidat) return false;
    // the first number section is the first section of the code, split the same way
    return gZahlAbschnitte(sFormat).front().bDatum;
}

QString gsAnzeigeText(const Zelle& zelle, const Stil& stil, bool b1904) {
    switch (zelle.typ) {
        case ZellTyp::Leer:
            return {};
        case ZellTyp::Text:
            if (gbIstAllgemein(stil.sZahlenformat)) return zelle.text;
            return gsFormatiereText(stil.sZahlenformat, zelle.text);
        case ZellTyp::Wahrheitswert:
            return zelle.zahl != 0 ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
        case ZellTyp::Fehlerwert:
            return zelle.text;
        case ZellTyp::Zahl:
            break;
    }
    if (gbIstAllgemein(stil.sZahlenformat)) return gsStandard(zelle.zahl);
    if (b1904 && gbIstDatumsformat(stil.sZahlenformat)) {
        return gsFormatiereZahl(stil.sZahlenformat, gdSeriell1900(zelle.zahl, b1904));
    }
    return gsFormatiereZahl(stil.sZahlenformat, zelle.zahl);
}

QString gsWertText(const Zelle& zelle, const Stil& stil, bool b1904) {
    switch (zelle.typ) {
        case ZellTyp::Leer:
            return {};
        case ZellTyp::Text:
        case ZellTyp::Fehlerwert:
            return zelle.text;
        case ZellTyp::Wahrheitswert:
            return zelle.zahl != 0 ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
        case ZellTyp::Zahl:
            break;
    }
    if (!gbIstAllgemein(stil.sZahlenformat) && gbIstDatumsformat(stil.sZahlenformat)) {
        // A date cell's value is a date; the text is what VB's CStr makes of it.
        const double d = gdSeriell1900(zelle.zahl, b1904);
        if (d >= 0 && d < MAX_SERIELL) {
            int64_t lTage = static_cast<int64_t>(std::floor(d));
            int64_t lSek = std::llround((d - static_cast<double>(lTage)) * 86400.0);
            if (lSek >= 86400) lSek -= 86400, ++lTage;
            QString aus;
            const auto zeit = [&aus, lSek] {
                gZweistellig(aus, static_cast<int>(lSek / 3600));
                aus += u':';
                gZweistellig(aus, static_cast<int>(lSek / 60 % 60));
                aus += u':';
                gZweistellig(aus, static_cast<int>(lSek % 60));
            };
            if (lTage == 0) {
                zeit();
                return aus;
            }
            const QDate datum = QDate(1899, 12, 30).addDays(lTage);
            gZweistellig(aus, datum.day());
            aus += u'.';
            gZweistellig(aus, datum.month());
            aus += u'.';
            aus += QString::number(datum.year());
            if (lSek != 0) {
                aus += u' ';
                zeit();
            }
            return aus;
        }
    }
    // VB's CStr of a Double: 15 significant digits, scientific from 1E+15 and below 1E-04.
    return gsKurzform(zelle.zahl, 15, -4, 15, 15);
}

}  // namespace rastfang::tabelle
