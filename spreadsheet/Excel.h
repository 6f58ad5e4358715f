#pragma once
// The automation surface of the embedded spreadsheet engine. It plays the part of the external
// spreadsheet application that the workbook reader and writer drive: the same objects and
// member names (Application, Workbooks, Workbook, Worksheets/Sheets, Worksheet, Cells, Range,
// Interior.ColorIndex, Font.Bold, HorizontalAlignment, NumberFormat, Locked,
// EntireColumn.AutoFit, ColumnWidth, Protect, SaveAs, Close, DisplayAlerts, Quit).
//
// Every failure raises VbFehler: 1004 with a German description naming the file and the reason
// for anything the application refuses, 9 for a sheet index out of range.

#include <QString>
#include <cstdint>
#include <memory>

#include "spreadsheet/Mappe.h"

namespace rastfang::spreadsheet {

class Workbook;
class Worksheet;

/// A rectangle of cells on one worksheet (one cell for Cells(r, c)).
class Range {
  public:
    /// `blatt` is one of `mappe`'s sheets; the workbook's data keeps it (see
    /// MappenDaten::entfernte), so a range takes one reference count, not two.
    Range(std::shared_ptr<MappenDaten> mappe, Blatt* blatt, int32_t lZeile1, int32_t lSpalte1,
          int32_t lZeile2, int32_t lSpalte2);

    /// The displayed text of the top-left cell under German regional settings ("" when empty).
    QString Text() const;
    /// The value of the top-left cell as text: numbers in shortest form with ",", date cells
    /// "dd.mm.yyyy", texts as they are, "" when empty.
    QString Value() const;
    /// Writes a text into every cell: a plain number in regional form is stored as a number,
    /// everything else as text; the empty text empties the cells. Never creates a formula.
    void SetValue(const QString& sWert);

    /// Interior of the range (fill).
    class InteriorObj {
      public:
        explicit InteriorObj(const Range& r) : m_r(r) {}
        /// Palette index 1..56 (Excel's default palette), or -4142 for no fill.
        void SetColorIndex(int16_t iIndex);

      private:
        const Range& m_r;
    };
    /// Font of the range.
    class FontObj {
      public:
        explicit FontObj(const Range& r) : m_r(r) {}
        void SetBold(bool bFett);

      private:
        const Range& m_r;
    };
    InteriorObj Interior() const { return InteriorObj(*this); }
    FontObj Font() const { return FontObj(*this); }

    /// -4152 right, -4108 centre, -4131 left, 1 general.
    void SetHorizontalAlignment(int32_t lAusrichtung);
    void SetNumberFormat(const QString& sFormat);
    void SetLocked(bool bGesperrt);

    /// The whole columns of the range.
    Range EntireColumn() const;
    /// Fits every column of the range to its longest displayed text (standard width for an
    /// empty column, at most 255).
    void AutoFit();
    /// Width of the first column of the range in characters.
    double ColumnWidth() const;
    /// Sets the width of every column of the range (0..255, else 1004).
    void SetColumnWidth(float fBreite);

    int32_t Row() const { return m_z1; }
    int32_t Column() const { return m_s1; }

  private:
    friend class Worksheet;
    template <typename F>
    void FuerJedeZelle(F&& f) const;
    template <typename F>
    void AendereStil(F&& f) const;

    std::shared_ptr<MappenDaten> m_mappe;
    Blatt* m_blatt;
    int32_t m_z1, m_s1, m_z2, m_s2;
};

/// One worksheet of a workbook.
class Worksheet {
  public:
    Worksheet(std::shared_ptr<MappenDaten> mappe, std::shared_ptr<Blatt> blatt);

    QString Name() const;
    /// Renames the sheet: at most 31 characters, none of []:*?/\, not empty, unique within the
    /// workbook ignoring case; otherwise 1004.
    void SetName(const QString& sName);

    /// The cell (row, column), both 1-based; 1004 outside the sheet.
    Range Cells(int32_t lZeile, int32_t lSpalte) const;
    /// The rectangle spanned by two cells of this sheet.
    Range GetRange(const Range& a, const Range& b) const;

    /// Protects the sheet (no password): DrawingObjects, Contents, Scenarios as given.
    void Protect(bool bDrawingObjects, bool bContents, bool bScenarios);
    /// Removes the sheet from its workbook; 1004 for the last visible sheet.
    void Delete();

    /// The storage behind it (for tests and writers).
    const std::shared_ptr<Blatt>& Daten() const { return m_blatt; }

  private:
    std::shared_ptr<MappenDaten> m_mappe;
    std::shared_ptr<Blatt> m_blatt;
};

/// The sheets of a workbook, 1-based. Worksheets and Sheets are the same collection here.
class Sheets {
  public:
    explicit Sheets(std::shared_ptr<MappenDaten> mappe) : m_mappe(std::move(mappe)) {}
    int16_t Count() const;
    /// Sheet `iIndex` (1-based); error 9 outside 1..Count.
    Worksheet Item(int32_t iIndex) const;
    Worksheet operator()(int32_t iIndex) const { return Item(iIndex); }
    /// Inserts a new sheet before the active one, named with the next free "TabelleN", and
    /// makes it the active sheet.
    Worksheet Add();

  private:
    std::shared_ptr<MappenDaten> m_mappe;
};

/// An open workbook.
class Workbook {
  public:
    explicit Workbook(std::shared_ptr<MappenDaten> mappe) : m_mappe(std::move(mappe)) {}
    Sheets Worksheets() const { return Sheets(m_mappe); }
    Sheets GetSheets() const { return Sheets(m_mappe); }
    /// Saves the workbook: ".xml" as XML Spreadsheet 2003, every other extension as Office Open
    /// XML. The file appears atomically; on failure the target is untouched (1004 with reason).
    void SaveAs(const QString& sPfad);
    /// Closes the workbook; unsaved changes are dropped.
    void Close();
    const std::shared_ptr<MappenDaten>& Daten() const { return m_mappe; }

  private:
    std::shared_ptr<MappenDaten> m_mappe;
};

class Application;

/// The open workbooks of an application.
class Workbooks {
  public:
    explicit Workbooks(Application& app) : m_app(app) {}
    /// Opens a workbook, its format told by its content (.xlsx/.xlsm, .ods, .xls, .csv/.txt);
    /// 1004 naming the file and the reason when it cannot be read.
    std::shared_ptr<Workbook> Open(const QString& sPfad);
    /// A new workbook with the sheets "Tabelle1" to "Tabelle3".
    std::shared_ptr<Workbook> Add();
    int16_t Count() const;

  private:
    Application& m_app;
};

/// One instance of the spreadsheet application.
class Application {
  public:
    Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Workbooks GetWorkbooks() { return Workbooks(*this); }
    bool DisplayAlerts() const { return m_bAlerts; }
    void SetDisplayAlerts(bool b) { m_bAlerts = b; }
    /// Ends the instance: open workbooks are closed without saving; later use raises 429.
    void Quit();
    bool Beendet() const { return m_bBeendet; }
    /// The way an owner ends its instance: alerts off, Quit, alerts on, so that an unsaved
    /// workbook is dropped without a question. Never throws: it runs from destructors.
    void QuitOhneRueckfrage() noexcept;

  private:
    friend class Workbooks;
    std::vector<std::shared_ptr<Workbook>> m_mappen;
    bool m_bAlerts = true;
    bool m_bBeendet = false;
};

}  // namespace rastfang::spreadsheet
