#pragma once

#include <QString>

namespace rastfang::test {

/// The summary of app_ergebnisse.xlsx with filter line `sFilter`: CRLF, no final line break.
inline QString gsErwarteteZusammenfassung(const QString& sFilter, int i10a, int i10b) {
    return QStringLiteral(
               "Extraktionsergebnisse\r\nDatenfilter: %1\r\nTabelle             Anzahl Azubis\r\n"
               "---------------------------------\r\nKlasse 10a                %2\r\n"
               "Klasse 10b                %3")
        .arg(sFilter)
        .arg(i10a, 4)
        .arg(i10b, 4);
}

}  // namespace rastfang::test
