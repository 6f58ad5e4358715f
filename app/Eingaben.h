#pragma once
// The user's entries of the main window as a plain value: what the check, the extraction run,
// the presets and the command line work on, so that window and command line share one code path.

#include <QString>
#include <array>

namespace rastfang {

struct Eingaben {
    QString sErgebnisdatei;  ///< txtErgebnisdatei: the input results workbook
    QString sZeile;          ///< txtZeile: start row (may stay empty)
    std::array<QString, 6>
        sSpalte;  ///< txtSpalte(0..5): Name, Vorname, GebDat, Beruf, Erstes Ergebnis, Datenfilter
    QString sFilterWert;        ///< txtFilterWert: taken exactly as typed
    QString sErgebnisWorkfile;  ///< txtErgebnisWorkfile: the output workbook
};

}  // namespace rastfang
