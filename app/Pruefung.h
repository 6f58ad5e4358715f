#pragma once
// The check of "&Start": every entry in a fixed order, the first fault answered with one
// catalogue message and the focus on the faulty entry; at the end the overwrite question and the
// removal of the old output file.

#include <QString>
#include <memory>
#include <optional>

#include "app/AlteAusgabe.h"
#include "app/Eingaben.h"
#include "app/StartRueckmeldungen.h"
#include "reader/CXLSread.h"

namespace rastfang {

/// What the check leaves for the run.
struct Pruefergebnis {
    QString sEingabepfad;      ///< trimmed input path
    QString sAusgabepfad;      ///< trimmed output path
    bool bStartzeile = false;  ///< a start row was typed
    bool bFilter = false;      ///< a data-filter column was named
    /// The existing output the user agreed to replace, set aside until the run has succeeded.
    std::unique_ptr<AlteAusgabe> alteAusgabe;
};

/// Checks `eingaben` and hands the six column positions and the filter value to `oLeser`.
/// Returns nothing after the one message of the first fault (or when the user declined to
/// replace the existing output file); every message goes through `giMeldung` with an empty
/// place. A confirmed existing output file is set aside (see AlteAusgabe): afterwards no file of
/// that name exists. Input and output that lead to one file count as equal paths. Raises what
/// fails unexpectedly, including the setting aside of the old output.
std::optional<Pruefergebnis> gEingabenPruefen(const Eingaben& eingaben, CXLSread& oLeser,
                                              const StartRueckmeldungen& rueck);

}  // namespace rastfang
