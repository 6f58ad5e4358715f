#include "reader/Notenrundung.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "basis/Int16.h"
#include "basis/VbText.h"

namespace rastfang {

namespace {

/// The value of a grade in the form cells give it ("2,25", "-1", "3"), read without the
/// general text conversion; nothing for every other text (which takes the general way).
std::optional<double> gdSchlichteNote(const QString& s) {
    constexpr qsizetype MAX_LAENGE = 24;
    const qsizetype n = s.size();
    if (n == 0 || n > MAX_LAENGE) return std::nullopt;
    char puffer[MAX_LAENGE];
    bool bZiffer = false, bKomma = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c >= u'0' && c <= u'9') {
            puffer[i] = static_cast<char>(c);
            bZiffer = true;
        } else if (c == u',' && bZiffer && !bKomma) {
            puffer[i] = '.';
            bKomma = true;
        } else if (c == u'-' && i == 0) {
            puffer[i] = '-';
        } else {
            return std::nullopt;
        }
    }
    if (puffer[n - 1] < '0' || puffer[n - 1] > '9') return std::nullopt;
    double d = 0;
    const auto e = std::from_chars(puffer, puffer + n, d);
    if (e.ec != std::errc() || e.ptr != puffer + n) return std::nullopt;
    return d;
}

/// "2,3" for 23 tenths. The texts of the usual grades are made once and shared, for they are
/// read by the thousand.
QString csZehntel(int16_t n) {
    constexpr int GEMERKT = 1000;
    thread_local std::array<QString, 2 * GEMERKT + 1> tl_texte;
    QString* pGemerkt = std::abs(n) <= GEMERKT ? &tl_texte[n + GEMERKT] : nullptr;
    if (pGemerkt != nullptr && !pGemerkt->isNull()) return *pGemerkt;
    const int betrag = n < 0 ? -static_cast<int>(n) : n;
    char aus[16];
    char* p = aus;
    if (n < 0) *p++ = '-';
    p = std::to_chars(p, aus + sizeof aus - 2, betrag / 10).ptr;
    *p++ = ',';
    *p++ = static_cast<char>('0' + betrag % 10);
    QString sText = QString::fromLatin1(aus, p - aus);
    if (pGemerkt != nullptr) *pGemerkt = sText;
    return sText;
}

}  // namespace

QString gsNoteRunden(const QString& sNote) {
    // Grades are read by the thousand: the usual form skips trimming, copying and the general
    // conversion, which give the same number for it.
    double d = 0;
    if (const std::optional<double> schlicht = gdSchlichteNote(sNote)) {
        d = *schlicht;
    } else {
        QString t = gsTrim(sNote);
        if (t.isEmpty()) return sNote;
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        d = gdVal(t);
    }
    if (d == 0) return sNote;

    // The tenths are kept as an Integer, which is what limits the grades to below 3276.75.
    const int16_t n = giFloorInt16(d * 10 + 0.5);
    return csZehntel(n);
}

}  // namespace rastfang
