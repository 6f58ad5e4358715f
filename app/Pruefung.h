#pragma once
// The check of "&Start": every entry in a fixed order, the first fault answered with one
// catalogue message and the focus on the faulty entry; at the end the overwrite question and the
// removal of the old output file.

#include <QString>
#include <optional>

#include "CXLSread.h"
#include "Eingaben.h"
#include "StartRueckmeldungen.h"

namespace rastfang {

/// What the check leaves for the run.
struct Pruefergebnis {
    QString sEingabepfad;      ///< trimmed input path
    QString sAusgabepfad;      ///< trimmed output path
    bool bStartzeile = false;  ///< a start row was typed
    bool bFilter = false;      ///< a data-filter column was named
};

/// Checks `eingaben` and hands the six column positions and the filter value to `oLeser`.
/// Returns nothing after the one message of the first fault (or when the user declined to
/// replace the existing output file); every message goes through `giMeldung` with an empty
/// place. A confirmed existing output file is removed (to the trash where there is one).
/// Raises what fails unexpectedly, including the removal of the old output.
std::optional<Pruefergebnis> gEingabenPruefen(const Eingaben& eingaben, CXLSread& oLeser,
                                              const StartRueckmeldungen& rueck);

}  // namespace rastfang
