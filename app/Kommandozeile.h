#pragma once
// The command line: without arguments (or with one file for the input entry) the window opens;
// "extract" runs the same check and extraction without any window, for scripts and machines
// without a display. "--" ends the options, so that a file may begin with "-".

#include <QString>
#include <QStringList>

#include "app/Eingaben.h"

namespace rastfang {

/// Exit codes of "rastfang extract".
namespace Exitcode {
inline constexpr int FERTIG = 0;         ///< summary written to stdout
inline constexpr int ABGELEHNT = 1;      ///< a check fault, or the old output was kept
inline constexpr int AUFRUFFEHLER = 2;   ///< the command line itself was wrong
inline constexpr int FEHLERBERICHT = 3;  ///< the run ended through an error report
}  // namespace Exitcode

/// What the arguments ask for.
struct Befehlszeile {
    enum class Art { Fenster, Extract, Hilfe, Version, Fehler };
    Art art = Art::Fenster;
    QString sDatei;                ///< for Fenster: the file for the input entry, or empty
    Eingaben eingaben;             ///< for Extract: the entries' texts
    bool bUeberschreiben = false;  ///< for Extract: answer Yes to the overwrite question
    QString sFehler;               ///< for Fehler: what is wrong, in German
};

/// Reads the arguments (without the program name): nothing or one DATEI for the window;
/// "extract EINGABE AUSGABE" with the options "--name", "--vorname", "--geburtsdatum", "--beruf",
/// "--erstes-ergebnis", "--datenfilter", "--filterwert", "--startzeile" (each followed by its
/// value, or joined with "=") and "--ueberschreiben"; "--help" and "--version" in either form.
/// Every argument after "--" is a file; before it, one beginning with "-" is an option. When none
/// of the four columns after the name is given they are derived from "--name" as the window
/// derives them.
Befehlszeile gBefehlszeileLesen(const QStringList& argumente);

/// The German usage text, ending with a line feed.
QString gsAufrufhilfe();

/// The program's name and version ("rastfang 1.0"), ending with a line feed.
QString gsVersion();

/// Whether a window can be shown: a display or an explicitly chosen Qt platform exists.
bool gbAnzeigeVorhanden();

/// Runs "extract" for `befehl`: the window's check and run without a window, message boxes on
/// stderr (the overwrite question answered as `bUeberschreiben` says), the summary on stdout with
/// "\n" line ends and a final "\n". Needs a QCoreApplication. Returns the exit code.
int giExtractAusfuehren(const Befehlszeile& befehl);

}  // namespace rastfang
