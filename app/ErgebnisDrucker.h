#pragma once
// The printer behind "&Drucken" of the result window.

#include <QString>
#include <memory>

#include "messages/fenster/Drucker.h"

namespace rastfang {

/// The default printer; where the system has none, a PDF printer as the desktop of the original
/// platform offers one: the save dialog "Druckausgabe speichern unter" proposes Ergebnisse.pdf
/// in the folder of `sAusgabedatei` (the output workbook) and asks before replacing a file;
/// cancelling it prints nothing.
std::unique_ptr<Drucker> gErgebnisDrucker(const QString& sAusgabedatei);

}  // namespace rastfang
