#pragma once
// The summary of a run: a header, the data filter, and one line per worksheet with the number of
// apprentices taken from it, in columns that line up in a fixed-pitch font.

#include <QString>
#include <vector>

#include "reader/CXLSread.h"

namespace rastfang {

/// One worksheet as the reader counted it.
struct TabellenAnzahl {
    QString sName;    ///< worksheet name
    QString sAnzahl;  ///< count of apprentices, as the reader gives it (text)
};

/// The worksheets 1..iWorksheetMaxIndex of `oLeser` with their counts, in index order.
std::vector<TabellenAnzahl> gTabellenAnzahlen(const CXLSread& oLeser);

/// The summary text, lines joined by CR LF, none after the last: "Extraktionsergebnisse", the
/// filter line ("ohne" without filter column, else the value as typed in single quotes), the
/// column heading, 33 hyphens, then per worksheet its name padded to 26 characters (at least one
/// blank) and the count right-aligned in 4 characters (longer counts lose leading digits).
QString gsZusammenfassung(bool bFilter, const QString& sFilterWert,
                          const std::vector<TabellenAnzahl>& tabellen);

}  // namespace rastfang
