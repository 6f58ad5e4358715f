#include "Fehler.h"
#include "Plattform.h"

namespace rastfang {

void gZeigeFehlerbericht(const PendingError& fehler, const QString& sProzedur,
                         const QString& sFehlerquelle) {
    const QString sText =
        fehler.sBeschreibung + QStringLiteral("\r\n\r\nFunktion: ") + sProzedur + sFehlerquelle;
    // The answer changes nothing: the report only has an OK button.
    gMeldungsBox().Zeige(sText, static_cast<int16_t>(MsgBox::OK_ONLY + MsgBox::CRITICAL),
                         QStringLiteral("Fehler ") + gsVbCode(fehler.lNummer));
}

}  // namespace rastfang
