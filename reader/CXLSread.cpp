// CXLSread: starting the spreadsheet application, opening and closing the input workbook,
// moving from worksheet to worksheet, and the per-worksheet records for the summary.
#include "reader/CXLSread.h"

#include "basis/Int16.h"
#include "basis/VbFehler.h"
#include "reader/Spaltenbuchstaben.h"

namespace rastfang {

namespace {
// The row before the first one to examine: the start row when one is given, else row 1.
int16_t zeileVorBeginn(int16_t iStartzeile) {
    return iStartzeile == 0 ? int16_t{0} : giAddiere(iStartzeile, -1);
}
}  // namespace

bool CXLSread::Init() {
    return oExcel.Starten();
}

bool CXLSread::OpenFile(const QString& ps_Datei) {
    try {
        oMappe = oExcel.Anwendung().GetWorkbooks().Open(ps_Datei);
        oTabelle = std::make_unique<spreadsheet::Worksheet>(oMappe->Worksheets().Item(1));
        iAktTabelle = 1;
        atTabellen.assign(static_cast<size_t>(oMappe->Worksheets().Count()), TabellenInfo{});
        atTabellen.at(0) = TabellenInfo{oTabelle->Name(), 0};
        iAktZeile = zeileVorBeginn(m_iStartzeile);
        ZeigeTabelle(atTabellen[0].sName);
        bDateiOffen = true;
        m_bGruppenwechsel = false;
        bKopfGelesen = false;
        return true;
    } catch (...) {
        oExcel.ZeigeFehler(QStringLiteral("OpenFile"));
        return false;
    }
}

void CXLSread::CloseFile() {
    if (!bDateiOffen) return;
    oMappe->Close();
    oTabelle.reset();
    oMappe.reset();
    bDateiOffen = false;
}

bool CXLSread::NaechsteTabelle() {
    oTabelle.reset();
    if (!oMappe) throw VbFehler(FEHLER_OBJEKT_NICHT_GESETZT);
    if (iAktTabelle >= oMappe->Worksheets().Count()) return false;

    giErhoehe(iAktTabelle);
    oTabelle = std::make_unique<spreadsheet::Worksheet>(oMappe->Worksheets().Item(iAktTabelle));
    auto& info = atTabellen.at(static_cast<size_t>(iAktTabelle - 1));
    info = TabellenInfo{oTabelle->Name(), 0};
    iAktZeile = zeileVorBeginn(m_iStartzeile);
    ZeigeTabelle(info.sName);
    bKopfGelesen = false;
    // Every worksheet after the first begins a group of its own.
    m_bGruppenwechsel = true;
    return true;
}

void CXLSread::ZeigeTabelle(const QString& sTabelle) {
    if (!m_oTextbox) return;
    try {
        m_oTextbox->ZeigeText(QStringLiteral("Tabelle: ") + sTabelle + QStringLiteral(" ..."));
    } catch (...) {
        // The status line is a courtesy; reading goes on without it.
    }
}

int16_t CXLSread::ErmittleSpaltenNr(const QString& ps_SpaltenName) const {
    return giSpaltenNr(ps_SpaltenName);
}

QString CXLSread::ErmittleSpaltenBuchstaben(int16_t pi_Spaltennummer) const {
    return gsSpaltenBuchstaben(pi_Spaltennummer);
}

int16_t CXLSread::iWorksheetMaxIndex() const {
    return iAktTabelle;
}

QString CXLSread::sWorksheetName(int16_t pi_Index) const {
    if (pi_Index < 1 || pi_Index > iAktTabelle || static_cast<size_t>(pi_Index) > atTabellen.size())
        return {};
    return atTabellen[static_cast<size_t>(pi_Index - 1)].sName;
}

QString CXLSread::iAnzahlAzubis(int16_t pi_Index) const {
    if (pi_Index < 1 || pi_Index > iAktTabelle || static_cast<size_t>(pi_Index) > atTabellen.size())
        return QStringLiteral("0");
    return QString::number(atTabellen[static_cast<size_t>(pi_Index - 1)].iAnzahl);
}

void CXLSread::oTextbox(Statuszeile* po_Textbox) {
    m_oTextbox = po_Textbox;
}

void CXLSread::iSpaltenPos(int16_t pi_Index, int16_t pi_Wert) {
    if (pi_Index < 0 || pi_Index >= SPALTEN_ANZAHL) throw VbFehler(FEHLER_INDEX);
    m_iSpaltenPos[static_cast<size_t>(pi_Index)] = pi_Wert;
}

QString CXLSread::sNoten(int16_t pi_Index) const {
    if (pi_Index < 1 || pi_Index > excel::MAX_FAECHER) throw VbFehler(FEHLER_INDEX);
    return m_sNoten[static_cast<size_t>(pi_Index - 1)];
}

QString CXLSread::sBSFaecher(int16_t pi_Index) const {
    if (pi_Index < 1 || pi_Index > excel::MAX_FAECHER) throw VbFehler(FEHLER_INDEX);
    return m_sBSFaecher[static_cast<size_t>(pi_Index - 1)];
}

bool CXLSread::bGruppenwechsel() {
    const bool b = m_bGruppenwechsel;
    m_bGruppenwechsel = false;
    return b;
}

}  // namespace rastfang
