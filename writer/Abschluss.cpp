// CXLSwriteOLE: finishing the output. Columns fitted, the subject columns one width, 100 spare
// rows left editable below the last line, the sheet protected without password, then saved.
#include "writer/CXLSwriteOLE.h"

#include <limits>

#include "basis/VbFehler.h"
#include "writer/Spaltenbreiten.h"

namespace rastfang {

using excel::ERSATZZEILEN;
using excel::ERSTES_FACH;
using excel::SPALTE_ID;
using excel::SPALTEN;

void CXLSwriteOLE::CloseFile() {
    if (!bDateiOffen) return;
    spreadsheet::Worksheet& blatt = *oTabelle;

    blatt.GetRange(blatt.Cells(1, SPALTE_ID), blatt.Cells(1, SPALTEN)).EntireColumn().AutoFit();
    gGemeinsameBreite(blatt, ERSTES_FACH, iMaxSpalte);

    if (lZeile > std::numeric_limits<int32_t>::max() - ERSATZZEILEN)
        throw VbFehler(FEHLER_UEBERLAUF);
    blatt.GetRange(blatt.Cells(lZeile + 1, SPALTE_ID), blatt.Cells(lZeile + ERSATZZEILEN, SPALTEN))
        .SetLocked(false);

    blatt.Protect(false, true, false);

    // Alerts off: an existing file is replaced without a question (the caller asked already).
    oExcel.Anwendung().SetDisplayAlerts(false);
    oMappe->SaveAs(sDatei);
    oMappe->Close();
    oExcel.Anwendung().SetDisplayAlerts(true);

    oTabelle.reset();
    oMappe.reset();
    bDateiOffen = false;
}

}  // namespace rastfang
