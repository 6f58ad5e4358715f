#include "AutoFit.h"

#include <algorithm>
#include <cmath>

#include "Anzeige.h"

namespace rastfang::tabelle {

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

double gdEingepassteBreite(const MappenDaten& mappe, Blatt& blatt, int32_t lSpalte, int32_t lZeile1,
                           int32_t lZeile2) {
    double dBreite = 0;
    const int32_t lLetzte = std::min(lZeile2, blatt.AnzahlZeilen());
    const auto spalte = static_cast<size_t>(lSpalte - 1);
    for (int32_t z = std::max(lZeile1, 1); z <= lLetzte; ++z) {
        const auto& zeile = blatt.Zeile(z);
        if (spalte >= zeile.size()) continue;
        const Zelle& zelle = zeile[spalte];
        if (zelle.typ == ZellTyp::Leer) continue;
        const Stil& stil = mappe.stile[zelle.stil];
        dBreite =
            std::max(dBreite, gdTextbreite(gsAnzeigeText(zelle, stil, mappe.b1904), stil.bFett));
    }
    if (dBreite <= 0) return STANDARD_BREITE;
    return std::min(dBreite, MAX_BREITE);
}

}  // namespace rastfang::tabelle
