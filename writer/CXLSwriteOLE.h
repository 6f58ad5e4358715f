#pragma once
// CXLSwriteOLE: the writer of the output workbook. One worksheet "VELMORA", one line per
// WriteLine from the 25 public fields, formatted and locked by line type; CloseFile fits the
// columns, leaves 100 spare rows editable, protects the sheet and saves.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "excel/Ausgabelayout.h"
#include "excel/ExcelSitzung.h"
#include "spreadsheet/Excel.h"

namespace rastfang {

class CXLSwriteOLE {
  public:
    /// The spreadsheet application ends with the writer; an unsaved workbook is discarded.
    CXLSwriteOLE() = default;
    CXLSwriteOLE(const CXLSwriteOLE&) = delete;
    CXLSwriteOLE& operator=(const CXLSwriteOLE&) = delete;

    // The 25 fields, in column order.
    QString sAzubi_ID, sName, sVorname, sGebDatum, sBerufBez;
    QString sBSFach1, sBSFach2, sBSFach3, sBSFach4, sBSFach5, sBSFach6, sBSFach7, sBSFach8,
        sBSFach9, sBSFach10, sBSFach11, sBSFach12, sBSFach13, sBSFach14, sBSFach15, sBSFach16,
        sBSFach17, sBSFach18, sBSFach19, sBSFach20;

    /// Field of column `iSpalte` (1..excel::SPALTEN, else error 9), for callers that fill
    /// columns by number.
    QString& Feld(int iSpalte);

    /// Starts the spreadsheet application (once). False after an error report.
    bool Init();
    /// Creates the output workbook with its one sheet "VELMORA"; the path is kept for the save.
    bool OpenFile(const QString& ps_Datei);
    /// Writes one line of the given type into the next row. False before OpenFile, after
    /// CloseFile, or after an error report.
    bool WriteLine(int16_t pi_Zeilentyp);
    /// Fits, unlocks the spare rows, protects, saves and closes. Raises to the caller.
    void CloseFile();
    /// All 25 fields empty.
    void Reset();
    /// All 25 fields one blank.
    void AllesLeerzeichen();

    static constexpr int16_t ZEILE_LEER = 0;
    static constexpr int16_t ZEILE_KOPF1 = 1;
    static constexpr int16_t ZEILE_KOPF2 = 2;
    static constexpr int16_t ZEILE_AZUBI = 3;
    static constexpr int16_t ZEILE_AZUBI2 = 4;

    /// Row written last, and highest subject column that got text (for tests and callers).
    int32_t lZeileGeschrieben() const { return lZeile; }
    int16_t iMaxSpalteBisher() const { return iMaxSpalte; }

  private:
    const QString& MerkeSpalte(int16_t iSpalte, const QString& sText);

    ExcelSitzung oExcel{QStringLiteral("/CXlsWrite")};
    std::shared_ptr<spreadsheet::Workbook> oMappe;
    std::unique_ptr<spreadsheet::Worksheet> oTabelle;
    bool bDateiOffen = false;
    QString sDatei;
    int32_t lZeile = 0;
    int16_t iMaxSpalte = 0;
};

}  // namespace rastfang
