// CXLSwriteOLE: one line per call, its cells from the fields, its look and its cell locks from
// the line type. Header lines are coloured, bold and locked; in apprentice lines the names,
// the date of birth and the grades stay editable; spare lines are editable throughout.
#include "writer/CXLSwriteOLE.h"

#include <limits>

#include "basis/VbFehler.h"

namespace rastfang {

namespace {
using namespace excel;

// Row `lZeile` between two columns.
spreadsheet::Range zeilenbereich(const spreadsheet::Worksheet& blatt, int32_t lZeile, int16_t iVon,
                                 int16_t iBis) {
    return blatt.GetRange(blatt.Cells(lZeile, iVon), blatt.Cells(lZeile, iBis));
}

void kopfzeile(const spreadsheet::Worksheet& blatt, int32_t r, bool bBerufRechts) {
    zeilenbereich(blatt, r, SPALTE_ID, SPALTEN).Interior().SetColorIndex(HELLGELB);
    zeilenbereich(blatt, r, SPALTE_ID, SPALTEN).Font().SetBold(true);
    if (bBerufRechts) blatt.Cells(r, SPALTE_BERUF).SetHorizontalAlignment(AUSRICHTUNG_BERUF_KOPF);
    zeilenbereich(blatt, r, ERSTES_FACH, SPALTEN).SetHorizontalAlignment(AUSRICHTUNG_FAECHER_KOPF);
}

void azubizeile(const spreadsheet::Worksheet& blatt, int32_t r, bool bErsatzzeile) {
    blatt.Cells(r, SPALTE_ID).SetNumberFormat(QString::fromLatin1(FORMAT_ID));
    zeilenbereich(blatt, r, SPALTE_ID, SPALTE_BERUF).Interior().SetColorIndex(HELLGELB);
    if (bErsatzzeile) {
        zeilenbereich(blatt, r, SPALTE_ID, SPALTEN).SetLocked(false);
    } else {
        zeilenbereich(blatt, r, ERSTES_FACH, SPALTEN).SetLocked(false);
        zeilenbereich(blatt, r, SPALTE_NAME, SPALTE_GEBDAT).SetLocked(false);
    }
    zeilenbereich(blatt, r, ERSTES_FACH, SPALTEN).SetNumberFormat(QString::fromLatin1(FORMAT_NOTE));
    zeilenbereich(blatt, r, ERSTES_FACH, SPALTEN).SetHorizontalAlignment(AUSRICHTUNG_NOTEN);
}
}  // namespace

bool CXLSwriteOLE::WriteLine(int16_t pi_Zeilentyp) {
    try {
        if (!bDateiOffen) return false;
        // The row is taken before anything is written, so a failed line leaves its row behind
        // and the next line still goes below it.
        if (lZeile == std::numeric_limits<int32_t>::max()) throw VbFehler(FEHLER_UEBERLAUF);
        const int32_t r = ++lZeile;
        if (!oTabelle) throw VbFehler(FEHLER_OBJEKT_NICHT_GESETZT);
        const spreadsheet::Worksheet& blatt = *oTabelle;

        for (int16_t i = SPALTE_ID; i <= SPALTEN; ++i) {
            const QString& s = i >= ERSTES_FACH ? MerkeSpalte(i, Feld(i)) : Feld(i);
            if (!s.isEmpty()) blatt.Cells(r, i).SetValue(s);
        }

        switch (pi_Zeilentyp) {
            case ZEILE_KOPF1:
                kopfzeile(blatt, r, true);
                break;
            case ZEILE_KOPF2:
                kopfzeile(blatt, r, false);
                break;
            case ZEILE_AZUBI:
                azubizeile(blatt, r, false);
                break;
            case ZEILE_AZUBI2:
                azubizeile(blatt, r, true);
                break;
            default:
                break;  // ZEILE_LEER and unknown types: the texts only
        }
        return true;
    } catch (...) {
        oExcel.ZeigeFehler(QStringLiteral("WriteLine"));
        return false;
    }
}

const QString& CXLSwriteOLE::MerkeSpalte(int16_t iSpalte, const QString& sText) {
    if (!sText.isEmpty() && iSpalte > iMaxSpalte) iMaxSpalte = iSpalte;
    return sText;
}

}  // namespace rastfang
