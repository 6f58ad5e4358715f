#pragma once
// The common face of the file readers: each format's reader names the sheets of its file when
// it is opened, then fills every sheet before the workbook is handed out.

#include <QString>
#include <cstddef>
#include <vector>

#include "spreadsheet/Mappe.h"
#include "spreadsheet/lesen/Lesebudget.h"

namespace rastfang::spreadsheet {

/// What is known of a sheet before its cells are read.
struct BlattKopf {
    QString sName;
    bool bVersteckt = false;
};

class MappenLeser {
  public:
    virtual ~MappenLeser() = default;

    /// The sheets in tab order, hidden ones included.
    virtual std::vector<BlattKopf> Blaetter() const = 0;

    /// True when LiesBlatt may run for different sheets at the same time (on different
    /// threads). Such a reader must not change `mappe` in LiesBlatt.
    virtual bool Nebenlaeufig() const { return false; }

    /// Fills `blatt` with the cells of sheet `iIndex` (0-based, an index of Blaetter()),
    /// storing them through `budget`; formats it needs are added to `mappe` (only by readers
    /// that are not Nebenlaeufig). Throws Lesefehler for a damaged sheet.
    virtual void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten& mappe, Lesebudget& budget) = 0;

    /// Fills every sheet, `blaetter[i]` from sheet i, on the calling thread. The default reads
    /// them one by one; a format whose sheets share one part reads that part once.
    virtual void LiesAlle(const std::vector<Blatt*>& blaetter, MappenDaten& mappe,
                          Lesebudget& budget) {
        for (size_t i = 0; i < blaetter.size(); ++i) LiesBlatt(i, *blaetter[i], mappe, budget);
    }
};

}  // namespace rastfang::spreadsheet
