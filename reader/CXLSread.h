#pragma once
// CXLSread: the reader of the results workbook. It starts its own spreadsheet application,
// walks the worksheets and their rows, recognises heading rows and groups, applies the data
// filter, rounds grades and counts the apprentices of each worksheet.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "excel/Ausgabelayout.h"
#include "excel/ExcelSitzung.h"
#include "reader/Statuszeile.h"
#include "spreadsheet/Excel.h"

namespace rastfang {

class CXLSread {
  public:
    /// The spreadsheet application ends with the reader.
    CXLSread() = default;
    CXLSread(const CXLSread&) = delete;
    CXLSread& operator=(const CXLSread&) = delete;

    // The current apprentice, filled by ReadLine.
    QString sName;
    QString sVorname;
    QString sGebDatum;
    QString sBeruf;

    /// Starts the spreadsheet application (once). False after an error report.
    bool Init();
    /// Opens the input workbook at worksheet 1. False after an error report.
    bool OpenFile(const QString& ps_Datei);
    /// Closes the workbook; the per-worksheet records stay readable.
    void CloseFile();
    /// Delivers the next apprentice: 0, or -1 at the end of the workbook.
    int16_t ReadLine();
    /// Column letters ("A".."IV", any case, blanks around) → 1..256; 0 for anything else.
    int16_t ErmittleSpaltenNr(const QString& ps_SpaltenName) const;
    /// The last worksheet reached.
    int16_t iWorksheetMaxIndex() const;
    /// Name of worksheet `pi_Index`; empty outside 1..iWorksheetMaxIndex.
    QString sWorksheetName(int16_t pi_Index) const;
    /// Decimal count of apprentices taken from worksheet `pi_Index`; "0" outside the range.
    QString iAnzahlAzubis(int16_t pi_Index) const;
    /// The status line to show progress in (not owned; may stay unset).
    void oTextbox(Statuszeile* po_Textbox);

    static constexpr int16_t SPALTE_Name = 0;
    static constexpr int16_t SPALTE_Vorname = 1;
    static constexpr int16_t SPALTE_GebDat = 2;
    static constexpr int16_t SPALTE_Beruf = 3;
    static constexpr int16_t SPALTE_ErstesErgebnis = 4;
    static constexpr int16_t SPALTE_Datenfilter = 5;
    /// Number of field slots (SPALTE_Name .. SPALTE_Datenfilter).
    static constexpr int16_t SPALTEN_ANZAHL = SPALTE_Datenfilter + 1;

    /// Sets the column of a field slot; error 9 outside the slots.
    void iSpaltenPos(int16_t pi_Index, int16_t pi_Wert);
    /// Grade `pi_Index` (1..excel::MAX_FAECHER, else error 9) of the current apprentice.
    QString sNoten(int16_t pi_Index) const;
    /// Subject heading `pi_Index` (1..excel::MAX_FAECHER, else error 9) of the current group.
    QString sBSFaecher(int16_t pi_Index) const;
    /// Number of valid subject headings (0..excel::MAX_FAECHER).
    int16_t iBSFachMaxIndex() const { return m_iBSFachMaxIndex; }
    /// True for the first apprentice of a new group; reading clears it.
    bool bGruppenwechsel();
    /// Column number → letters; empty for anything outside 1..256.
    QString ErmittleSpaltenBuchstaben(int16_t pi_Spaltennummer) const;
    /// The value the filter cell must show (compared exactly, untrimmed).
    void sFilterWert(const QString& ps_Wert) { m_sFilterWert = ps_Wert; }
    /// The row holding the subject headings; 0 = find headings by "Name".
    void iStartzeile(int16_t pi_Zeile) { m_iStartzeile = pi_Zeile; }

  private:
    struct TabellenInfo {
        QString sName;
        int16_t iAnzahl = 0;
    };

    bool NaechsteTabelle();
    void ZeigeTabelle(const QString& sTabelle);
    bool LeseFaecher();
    bool SucheKopfzeile();
    void LeseUeberschriften();
    QString wf_Runden(const QString& ps_Wert);
    // The current worksheet; error 91 when there is none (before OpenFile, after the end).
    spreadsheet::Worksheet& Tabelle() const;
    // Displayed text / value of a cell of the current worksheet, trimmed of blanks.
    QString ZellText(int16_t iZeile, int16_t iSpalte) const;
    QString ZellWert(int16_t iZeile, int16_t iSpalte) const;

    ExcelSitzung oExcel{QStringLiteral("/CXlsExtract")};
    std::shared_ptr<spreadsheet::Workbook> oMappe;
    std::unique_ptr<spreadsheet::Worksheet> oTabelle;
    bool bDateiOffen = false;
    std::vector<TabellenInfo> atTabellen;  // index 0 is worksheet 1
    int16_t iAktTabelle = 0;
    int16_t iAktZeile = 0;
    int16_t m_iStartzeile = 0;
    std::array<int16_t, SPALTEN_ANZAHL> m_iSpaltenPos{};
    QString m_sFilterWert;
    Statuszeile* m_oTextbox = nullptr;
    bool m_bGruppenwechsel = false;
    bool bKopfGelesen = false;
    std::array<QString, excel::MAX_FAECHER> m_sNoten;
    std::array<QString, excel::MAX_FAECHER> m_sBSFaecher;
    int16_t m_iBSFachMaxIndex = 0;
};

}  // namespace rastfang
