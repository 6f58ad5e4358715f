// CXLSwriteOLE: starting the spreadsheet application, creating the output workbook with its
// one worksheet "VELMORA", the fields, and shutting the application down.
#include "writer/CXLSwriteOLE.h"

#include "basis/VbFehler.h"

namespace rastfang {

namespace {
const QString BLATTNAME = QStringLiteral("VELMORA");

// The fields in column order, so that lines can be written and reset column by column.
constexpr QString CXLSwriteOLE::*FELDER[excel::SPALTEN] = {
    &CXLSwriteOLE::sAzubi_ID, &CXLSwriteOLE::sName,     &CXLSwriteOLE::sVorname,
    &CXLSwriteOLE::sGebDatum, &CXLSwriteOLE::sBerufBez, &CXLSwriteOLE::sBSFach1,
    &CXLSwriteOLE::sBSFach2,  &CXLSwriteOLE::sBSFach3,  &CXLSwriteOLE::sBSFach4,
    &CXLSwriteOLE::sBSFach5,  &CXLSwriteOLE::sBSFach6,  &CXLSwriteOLE::sBSFach7,
    &CXLSwriteOLE::sBSFach8,  &CXLSwriteOLE::sBSFach9,  &CXLSwriteOLE::sBSFach10,
    &CXLSwriteOLE::sBSFach11, &CXLSwriteOLE::sBSFach12, &CXLSwriteOLE::sBSFach13,
    &CXLSwriteOLE::sBSFach14, &CXLSwriteOLE::sBSFach15, &CXLSwriteOLE::sBSFach16,
    &CXLSwriteOLE::sBSFach17, &CXLSwriteOLE::sBSFach18, &CXLSwriteOLE::sBSFach19,
    &CXLSwriteOLE::sBSFach20,
};
}  // namespace

QString& CXLSwriteOLE::Feld(int iSpalte) {
    if (iSpalte < 1 || iSpalte > excel::SPALTEN) throw VbFehler(FEHLER_INDEX);
    return this->*FELDER[iSpalte - 1];
}

bool CXLSwriteOLE::Init() {
    return oExcel.Starten();
}

bool CXLSwriteOLE::OpenFile(const QString& ps_Datei) {
    try {
        sDatei = ps_Datei;
        spreadsheet::Application& excel = oExcel.Anwendung();
        oMappe = excel.GetWorkbooks().Add();
        oTabelle = std::make_unique<spreadsheet::Worksheet>(oMappe->Worksheets().Add());
        oTabelle->SetName(BLATTNAME);

        // The default sheets go; one per pass, since every deletion renumbers the rest.
        excel.SetDisplayAlerts(false);
        bool bGeloescht = true;
        while (bGeloescht) {
            bGeloescht = false;
            spreadsheet::Sheets blaetter = oMappe->GetSheets();
            const int16_t n = blaetter.Count();
            for (int16_t i = 1; i <= n; ++i) {
                spreadsheet::Worksheet blatt = blaetter.Item(i);
                if (blatt.Name() != BLATTNAME) {
                    blatt.Delete();
                    bGeloescht = true;
                    break;
                }
            }
        }
        excel.SetDisplayAlerts(true);

        bDateiOffen = true;
        lZeile = 0;
        iMaxSpalte = excel::ERSTES_FACH;
        return true;
    } catch (...) {
        oExcel.ZeigeFehler(QStringLiteral("OpenFile"));
        return false;
    }
}

void CXLSwriteOLE::Reset() {
    for (auto feld : FELDER) this->*feld = QString();
}

void CXLSwriteOLE::AllesLeerzeichen() {
    for (auto feld : FELDER) this->*feld = QStringLiteral(" ");
}

}  // namespace rastfang
