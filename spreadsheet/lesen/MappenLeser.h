#pragma once
// The common face of the file readers: each format's reader names the sheets of its file when
// it is opened and fills one sheet when that sheet's cells are first needed.

#include <QString>
#include <cstddef>
#include <vector>

#include "../Mappe.h"

namespace rastfang::tabelle {

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

    /// Fills `blatt` with the cells of sheet `iIndex` (0-based, an index of Blaetter());
    /// formats it needs are added to `mappe`. Throws Lesefehler for a damaged sheet.
    virtual void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten& mappe) = 0;
};

}  // namespace rastfang::tabelle
