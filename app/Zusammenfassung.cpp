#include "app/Zusammenfassung.h"

#include <algorithm>

#include "basis/Globals.h"

namespace rastfang {

namespace {
const QString CRLF = QStringLiteral("\r\n");
constexpr qsizetype NAMENSBREITE = 26;
constexpr qsizetype ANZAHLBREITE = 4;
}  // namespace

std::vector<TabellenAnzahl> gTabellenAnzahlen(const CXLSread& oLeser) {
    std::vector<TabellenAnzahl> tabellen;
    const int iMax = oLeser.iWorksheetMaxIndex();
    for (int i = 1; i <= iMax; ++i) {
        const auto iIndex = static_cast<int16_t>(i);
        tabellen.push_back({oLeser.sWorksheetName(iIndex), oLeser.iAnzahlAzubis(iIndex)});
    }
    return tabellen;
}

QString gsZusammenfassung(bool bFilter, const QString& sFilterWert,
                          const std::vector<TabellenAnzahl>& tabellen) {
    QString s = QStringLiteral("Extraktionsergebnisse") + CRLF;
    s += QStringLiteral("Datenfilter: ");
    s += bFilter ? QLatin1Char('\'') + sFilterWert + QLatin1Char('\'') : QStringLiteral("ohne");
    s += CRLF + QStringLiteral("Tabelle             Anzahl Azubis");
    s += CRLF + QString(33, QLatin1Char('-'));
    for (const TabellenAnzahl& t : tabellen) {
        gTrennerAnhaengen(s, CRLF);
        s += t.sName;
        s += QString(std::max<qsizetype>(1, NAMENSBREITE - t.sName.size()), QLatin1Char(' '));
        const QString sRechts =
            QString(std::max<qsizetype>(0, ANZAHLBREITE - t.sAnzahl.size()), QLatin1Char(' ')) +
            t.sAnzahl;
        s += sRechts.right(ANZAHLBREITE);
    }
    return s;
}

}  // namespace rastfang
