#include "spreadsheet/AutoFit.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <vector>

#include "spreadsheet/Anzeige.h"

namespace rastfang::spreadsheet {

namespace {
constexpr double kRand = 0.7;        // the cell's margin in characters
constexpr double kFettFaktor = 1.1;  // bold strokes are wider
}  // namespace

double gdTextbreite(const QString& sText, bool bFett) {
    qsizetype lLaengste = 0;
    qsizetype lAnfang = 0;
    // A line break inside a cell starts a new line; only the longest one counts.
    while (lAnfang <= sText.size()) {
        qsizetype lEnde = sText.indexOf(QLatin1Char('\n'), lAnfang);
        if (lEnde < 0) lEnde = sText.size();
        lLaengste = std::max(lLaengste, lEnde - lAnfang);
        lAnfang = lEnde + 1;
    }
    if (lLaengste == 0) return 0;
    const double d = static_cast<double>(lLaengste) * (bFett ? kFettFaktor : 1.0) + kRand;
    return std::round(d * 100.0) / 100.0;
}

namespace {

/// True when format `sFormat` shows a text cell's text unchanged: no text section ("@") and no
/// sections at all, so nothing can be put around the text.
bool ZeigtTextUnveraendert(const QString& sFormat) {
    return !sFormat.contains(QLatin1Char('@')) && !sFormat.contains(QLatin1Char(';'));
}

/// A number cell's look depends only on its value and its format.
struct ZahlSchluessel {
    uint32_t stil;
    ZellTyp typ;
    double zahl;
    bool operator==(const ZahlSchluessel&) const = default;
};
struct ZahlHash {
    size_t operator()(const ZahlSchluessel& k) const noexcept {
        return std::hash<double>{}(k.zahl) ^ (static_cast<size_t>(k.stil) << 3) ^
               static_cast<size_t>(k.typ);
    }
};

}  // namespace

double gdEingepassteBreite(const MappenDaten& mappe, Blatt& blatt, int32_t lSpalte, int32_t lZeile1,
                           int32_t lZeile2) {
    // Columns of grades repeat a few dozen values thousands of times: each value is formatted
    // once, and texts under a format that leaves them alone are measured directly.
    std::unordered_map<ZahlSchluessel, double, ZahlHash> zahlBreiten;
    std::vector<int8_t> textUnveraendert(mappe.stile.size(), -1);
    double dBreite = 0;
    const int32_t lLetzte = std::min(lZeile2, blatt.AnzahlZeilen());
    for (int32_t z = std::max(lZeile1, 1); z <= lLetzte; ++z) {
        const Zelle& zelle = blatt.Lies(z, lSpalte);
        if (zelle.typ == ZellTyp::Leer) continue;
        const Stil& stil = mappe.stile[zelle.stil];
        double d = 0;
        if (zelle.typ == ZellTyp::Text) {
            int8_t& unveraendert = textUnveraendert[zelle.stil];
            if (unveraendert < 0) unveraendert = ZeigtTextUnveraendert(stil.sZahlenformat) ? 1 : 0;
            d = unveraendert ? gdTextbreite(zelle.text, stil.bFett)
                             : gdTextbreite(gsAnzeigeText(zelle, stil, mappe.b1904), stil.bFett);
        } else {
            const ZahlSchluessel schluessel{zelle.stil, zelle.typ, zelle.zahl};
            const auto it = zahlBreiten.find(schluessel);
            if (it != zahlBreiten.end()) {
                d = it->second;
            } else {
                d = gdTextbreite(gsAnzeigeText(zelle, stil, mappe.b1904), stil.bFett);
                zahlBreiten.emplace(schluessel, d);
            }
        }
        dBreite = std::max(dBreite, d);
    }
    if (dBreite <= 0) return STANDARD_BREITE;
    return std::min(dBreite, MAX_BREITE);
}

}  // namespace rastfang::spreadsheet
