#pragma once
// The most cell slots one sheet may take in memory. Rows are stored densely up to their last
// cell, so a hostile file with one cell far right in every row would otherwise allocate
// without bound.

#include <cstdint>

#include "../Blatt.h"
#include "Lesefehler.h"

namespace rastfang::tabelle {

/// About 160 MB of cells; real result workbooks (some 30 columns) stay far below.
inline constexpr int64_t MAX_ZELLPLAETZE = 4'000'000;

/// Counts the cell slots a reader makes a sheet allocate; Lesefehler(ZuGross) beyond the cap.
class Zellbudget {
  public:
    /// Stores `zelle` at (lZeile, lSpalte), counting the slots its row grows by.
    void Setze(Blatt& blatt, int32_t lZeile, int32_t lSpalte, Zelle zelle) {
        Reserviere(blatt, lZeile, lSpalte);
        blatt.Schreib(lZeile, lSpalte) = std::move(zelle);
    }
    /// Counts the growth of row `lZeile` to `lSpalte` cells without storing anything.
    void Reserviere(Blatt& blatt, int32_t lZeile, int32_t lSpalte) {
        const auto lAlt = static_cast<int64_t>(blatt.Zeile(lZeile).size());
        if (lSpalte > lAlt) {
            m_lRest -= lSpalte - lAlt;
            if (m_lRest < 0) gLesefehler(Lesegrund::ZuGross);
        }
    }

  private:
    int64_t m_lRest = MAX_ZELLPLAETZE;
};

}  // namespace rastfang::tabelle
