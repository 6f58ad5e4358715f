#include "spreadsheet/lesen/Seriell.h"

#include <QDate>
#include <charconv>

namespace rastfang::spreadsheet {

namespace {

bool gbZahl(std::string_view s, size_t& i, size_t nStellen, int& wert) {
    if (i + nStellen > s.size()) return false;
    const auto r = std::from_chars(s.data() + i, s.data() + i + nStellen, wert);
    if (r.ec != std::errc() || r.ptr != s.data() + i + nStellen) return false;
    i += nStellen;
    return true;
}

bool gbZeichen(std::string_view s, size_t& i, char c) {
    if (i < s.size() && s[i] == c) {
        ++i;
        return true;
    }
    return false;
}

/// "hh:mm[:ss[.fff]]" from position i.
bool gbZeit(std::string_view s, size_t& i, int& h, int& mi, double& sek) {
    if (!gbZahl(s, i, 2, h) || !gbZeichen(s, i, ':') || !gbZahl(s, i, 2, mi)) return false;
    sek = 0;
    if (gbZeichen(s, i, ':')) {
        const char* anfang = s.data() + i;
        const auto r = std::from_chars(anfang, s.data() + s.size(), sek);
        if (r.ec != std::errc()) return false;
        i += static_cast<size_t>(r.ptr - anfang);
    }
    return h < 24 && mi < 60 && sek >= 0 && sek < 61;
}

}  // namespace

std::optional<double> gdSeriell(int iJahr, int iMonat, int iTag, int iStunde, int iMinute,
                                double dSekunde) {
    const QDate d(iJahr, iMonat, iTag);
    if (!d.isValid()) return std::nullopt;
    qint64 lTage = QDate(1899, 12, 30).daysTo(d);
    if (lTage < 61 && lTage > 1) --lTage;  // before the fictitious 29 Feb 1900
    return static_cast<double>(lTage) + (iStunde * 3600.0 + iMinute * 60.0 + dSekunde) / 86400.0;
}

std::optional<double> gdIsoSeriell(std::string_view s) {
    size_t i = 0;
    int h = 0, mi = 0;
    double sek = 0;
    if (s.size() >= 5 && s[2] == ':') {
        if (!gbZeit(s, i, h, mi, sek)) return std::nullopt;
        return (h * 3600.0 + mi * 60.0 + sek) / 86400.0;
    }
    int j = 0, m = 0, t = 0;
    if (!gbZahl(s, i, 4, j) || !gbZeichen(s, i, '-') || !gbZahl(s, i, 2, m) ||
        !gbZeichen(s, i, '-') || !gbZahl(s, i, 2, t)) {
        return std::nullopt;
    }
    if (gbZeichen(s, i, 'T') || gbZeichen(s, i, ' ')) {
        if (!gbZeit(s, i, h, mi, sek)) return std::nullopt;
    }
    return gdSeriell(j, m, t, h, mi, sek);
}

std::optional<double> gdIsoDauer(std::string_view s) {
    bool bMinus = false;
    size_t i = 0;
    if (gbZeichen(s, i, '-')) bMinus = true;
    if (!gbZeichen(s, i, 'P')) return std::nullopt;
    double dSek = 0;
    bool bZeit = false;
    while (i < s.size()) {
        if (gbZeichen(s, i, 'T')) {
            bZeit = true;
            continue;
        }
        double v = 0;
        const char* anfang = s.data() + i;
        const auto r = std::from_chars(anfang, s.data() + s.size(), v);
        if (r.ec != std::errc() || r.ptr == s.data() + s.size()) return std::nullopt;
        i += static_cast<size_t>(r.ptr - anfang);
        const char e = s[i++];
        if (e == 'D') {
            dSek += v * 86400;
        } else if (e == 'H' && bZeit) {
            dSek += v * 3600;
        } else if (e == 'M' && bZeit) {
            dSek += v * 60;
        } else if (e == 'S' && bZeit) {
            dSek += v;
        } else {
            return std::nullopt;
        }
    }
    return (bMinus ? -dSek : dSek) / 86400.0;
}

}  // namespace rastfang::spreadsheet
