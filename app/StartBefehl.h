#pragma once
// The whole "&Start" command: the check, the run, the error path and the common ending, shared by
// the window's button and the command line.

#include "app/Eingaben.h"
#include "app/StartRueckmeldungen.h"

namespace rastfang {

/// How a "&Start" ended.
enum class StartErgebnis {
    Fertig,                  ///< the summary was shown
    PruefungNichtBestanden,  ///< a check fault was reported, or the user kept the old output
    Abgebrochen,             ///< Init or OpenFile of reader or writer failed and reported it
    Fehler,                  ///< the error path reported an unexpected failure
};

/// Checks `eingaben` and, when they pass, runs the extraction. Unexpected failures are reported
/// through `giMeldung` with the place "cmdStart/frmRasterfang". After the check has passed, every
/// way out ends with an empty status line and the default mouse pointer. Never raises.
StartErgebnis gStartAusfuehren(const Eingaben& eingaben, const StartRueckmeldungen& rueck);

}  // namespace rastfang
