#include "app/Spaltenfuellung.h"

#include "basis/VbText.h"
#include "reader/CXLSread.h"

namespace rastfang {

bool gbSpaltenFuellen(std::array<QString, 6>& sSpalte) {
    const QString sName = gsTrim(sSpalte[0]).toUpper();
    if (sName.isEmpty()) return false;

    // The entries between the first and the last of the row take part; any text there wins.
    constexpr size_t ERSTE = 1;
    const size_t letzte = sSpalte.size() - 2;
    QString sVorhanden;
    for (size_t i = ERSTE; i <= letzte; ++i) sVorhanden += gsTrim(sSpalte[i]);
    if (!sVorhanden.isEmpty()) return false;

    // A short-lived reader only converts; it starts no spreadsheet application.
    const CXLSread oLeser;
    int16_t iNummer = oLeser.ErmittleSpaltenNr(sName);
    if (iNummer < 1) return false;
    for (size_t i = ERSTE; i <= letzte; ++i) {
        ++iNummer;  // at most 256 + 4, far from the 16-bit limit
        sSpalte[i] = oLeser.ErmittleSpaltenBuchstaben(iNummer);
    }
    return true;
}

}  // namespace rastfang
