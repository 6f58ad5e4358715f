#include "app/StartBefehl.h"

#include <exception>
#include <memory>

#include "app/Einzeilig.h"
#include "app/Extraktion.h"
#include "app/Pruefung.h"
#include "basis/Plattform.h"
#include "messages/Fehler.h"
#include "reader/CXLSread.h"
#include "writer/CXLSwriteOLE.h"

namespace rastfang {

namespace {

const QString FUNKTIONSORT = QStringLiteral("cmdStart/frmRasterfang");

// The common ending of a run that got past the check: empty status line, default pointer.
// Runs on every way out, including a failure of the error report itself.
class GemeinsamesEnde {
  public:
    explicit GemeinsamesEnde(const StartRueckmeldungen& rueck) : m_rueck(rueck) {}
    ~GemeinsamesEnde() {
        if (!m_bAktiv) return;
        try {
            if (m_rueck.statuszeile) m_rueck.statuszeile->ZeigeText(QString());
        } catch (...) {
            // The pointer below must come back even when the status line failed.
        }
        gMauszeiger().Setzen(Mauszeiger::STANDARD);
    }
    GemeinsamesEnde(const GemeinsamesEnde&) = delete;
    GemeinsamesEnde& operator=(const GemeinsamesEnde&) = delete;
    void Aktivieren() { m_bAktiv = true; }

  private:
    const StartRueckmeldungen& m_rueck;
    bool m_bAktiv = false;
};

}  // namespace

StartErgebnis gStartAusfuehren(const Eingaben& eingabenRoh, const StartRueckmeldungen& rueck) {
    // Command-line arguments reach no entry box; they are cut like pasted text.
    const Eingaben eingaben = gEinzeilig(eingabenRoh);
    // Declared before the ending, so that the ending runs first and releasing reader and writer
    // (which ends their spreadsheet applications) comes last, as the handler ends.
    std::unique_ptr<CXLSread> oLeser;
    std::unique_ptr<CXLSwriteOLE> oSchreiber;
    GemeinsamesEnde ende(rueck);
    try {
        oLeser = std::make_unique<CXLSread>();
        const std::optional<Pruefergebnis> pruefung = gEingabenPruefen(eingaben, *oLeser, rueck);
        if (!pruefung) return StartErgebnis::PruefungNichtBestanden;

        ende.Aktivieren();
        oSchreiber = std::make_unique<CXLSwriteOLE>();
        const bool bFertig =
            gbExtraktionAusfuehren(eingaben, *pruefung, *oLeser, *oSchreiber, rueck);
        // The run has discarded the old output once the new one was in place; otherwise it
        // gets its name back as the check's result goes out of scope.
        return bFertig ? StartErgebnis::Fertig : StartErgebnis::Abgebrochen;
    } catch (...) {
        ende.Aktivieren();
        const PendingError fehler = gAktuellerFehler(std::current_exception());
        try {
            giMeldung(FUNKTIONSORT, QString(), QString(), fehler);
        } catch (...) {
            // Nothing is left to report with; the ending below still runs.
        }
        return StartErgebnis::Fehler;
    }
}

}  // namespace rastfang
