#pragma once
// OLE2 compound files (the container of .xls workbooks and of encrypted Office packages),
// read through libgsf: which streams the root folder holds, and one stream's bytes.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace rastfang::spreadsheet {

class Lesebudget;

class Verbunddatei {
  public:
    /// Opens the compound file `sPfad`. Lesefehler(Format) when it is none or damaged,
    /// (NichtGefunden) when it cannot be opened.
    explicit Verbunddatei(const QString& sPfad);
    ~Verbunddatei();
    Verbunddatei(const Verbunddatei&) = delete;
    Verbunddatei& operator=(const Verbunddatei&) = delete;

    /// True when the root folder holds a stream named `sName` (letter case ignored, as
    /// Windows does).
    bool HatStrom(const QString& sName) const;

    /// The bytes of root stream `sName` (letter case ignored), charged to `budget` before they
    /// are read. Lesefehler(Format) when it is missing or cannot be read whole, (ZuGross)
    /// beyond the budget.
    std::vector<uint8_t> LiesStrom(const QString& sName, Lesebudget& budget) const;

  private:
    /// Index of the root entry `sName`, -1 when there is none.
    int Index(const QString& sName) const;

    struct Gsf;
    std::unique_ptr<Gsf> m_gsf;
};

}  // namespace rastfang::spreadsheet
