#pragma once
// What the check and the extraction run need from whoever started them: the window answers
// with its entries, its status line and the result window; the command line with stdout.
// Both faces share one check and one run through this small set of callbacks.

#include <QString>
#include <functional>

#include "reader/Statuszeile.h"

namespace rastfang {

/// The entries a fault can send the keyboard focus to.
enum class Eingabefeld { Ergebnisdatei, Spalte, ErgebnisWorkfile };

struct StartRueckmeldungen {
    /// Puts the keyboard focus on an entry; `iIndex` is the column entry's index (0..5) for
    /// `Eingabefeld::Spalte`, else 0. May stay empty where there is no focus.
    std::function<void(Eingabefeld feld, int iIndex)> fokusSetzen;
    /// The status line for the step texts, also handed to the reader for its progress texts.
    /// May be null where nothing shows progress.
    Statuszeile* statuszeile = nullptr;
    /// Shows the summary of a run and returns when the user is done with it. May raise; the
    /// error then takes the Start handler's error path.
    std::function<void(const QString& sZusammenfassung)> zusammenfassungZeigen;
};

}  // namespace rastfang
