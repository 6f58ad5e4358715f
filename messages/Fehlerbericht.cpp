#include "basis/Plattform.h"
#include "messages/Fehler.h"

namespace rastfang {

void gZeigeFehlerbericht(const PendingError& fehler, const QString& sProzedur,
                         const QString& sFehlerquelle) {
    const QString sText =
        fehler.sBeschreibung + QStringLiteral("\r\n\r\nFunktion: ") + sProzedur + sFehlerquelle;
    // The answer changes nothing: the report only has an OK button.
    class PfeilWaehrendDesWartens {
      public:
        PfeilWaehrendDesWartens() : m_iVorher(gMauszeiger().Lesen()) {
            if (m_iVorher != Mauszeiger::STANDARD) gMauszeiger().Setzen(Mauszeiger::STANDARD);
        }
        ~PfeilWaehrendDesWartens() {
            if (m_iVorher != Mauszeiger::STANDARD) gMauszeiger().Setzen(m_iVorher);
        }
        PfeilWaehrendDesWartens(const PfeilWaehrendDesWartens&) = delete;
        PfeilWaehrendDesWartens& operator=(const PfeilWaehrendDesWartens&) = delete;

      private:
        const int16_t m_iVorher;
    } pfeil;
    gMeldungsBox().Zeige(sText, static_cast<int16_t>(MsgBox::OK_ONLY + MsgBox::CRITICAL),
                         QStringLiteral("Fehler ") + gsVbCode(fehler.lNummer));
}

}  // namespace rastfang
