#pragma once
// One memory budget for everything the readers of one workbook put into memory: rows, cells,
// texts and the tables they share (shared strings). A reader charges what it is about to
// store, and the first charge beyond the limit ends reading with Lesefehler(ZuGross), so a
// small hostile file cannot make the program take gigabytes. Sheets read at the same time
// share one budget; every member is safe to call from several threads.
//
// A reader stores cells only through Setze or SetzeZeile, and charges every text it creates
// (BelasteText) unless Setze charges it.

#include <QString>
#include <atomic>
#include <cstdint>
#include <vector>

#include "spreadsheet/Blatt.h"

namespace rastfang::spreadsheet {

/// What one workbook may take in memory. A workbook of four million numeric cells (some
/// 160 MB) still opens; with the program itself the process stays below 300 MB.
inline constexpr int64_t MAX_MAPPEN_BYTES = 192ll * 1024 * 1024;

class Lesebudget {
  public:
    explicit Lesebudget(int64_t lGrenze = MAX_MAPPEN_BYTES) : m_lGrenze(lGrenze) {}
    Lesebudget(const Lesebudget&) = delete;
    Lesebudget& operator=(const Lesebudget&) = delete;

    /// Charges `lBytes`. Lesefehler(ZuGross) when the total would pass the limit; the total
    /// then stays as it was, and every later charge is refused too, so that readers working
    /// in parallel stop at their next charge.
    void Belaste(int64_t lBytes);
    /// Charges `lBytes` when they fit and returns true; otherwise charges nothing and returns
    /// false, and later charges are not refused for it.
    bool BelasteWennFrei(int64_t lBytes);
    /// Returns bytes charged for a buffer that is freed again.
    void Entlaste(int64_t lBytes) { m_lBelegt.fetch_sub(lBytes, std::memory_order_relaxed); }
    /// Charges a text of `nZeichen` UTF-16 characters (with its allocation).
    void BelasteText(int64_t nZeichen) { Belaste(glTextBytes(nZeichen)); }

    /// Stores `zelle` at (lZeile, lSpalte), both 1-based and within the sheet's limits,
    /// charging the cell, its text and any growth of the sheet's rows. A cell already there
    /// is replaced.
    void Setze(Blatt& blatt, int32_t lZeile, int32_t lSpalte, Zelle zelle);
    /// Stores the cells of a whole row (their columns set, any order, the last of equal
    /// columns wins), charging the cells and the row but not their texts. Cells the row
    /// already holds are kept unless replaced.
    void SetzeZeile(Blatt& blatt, int32_t lZeile, Zellzeile zellen);

    /// Bytes charged so far; never above Grenze().
    int64_t Belegt() const { return m_lBelegt.load(std::memory_order_relaxed); }
    int64_t Grenze() const { return m_lGrenze; }

    /// Memory of a text of `nZeichen` UTF-16 characters: its characters and the block
    /// around them (header and allocator overhead).
    static constexpr int64_t glTextBytes(int64_t nZeichen) {
        return nZeichen > 0 ? 2 * (nZeichen + 1) + TEXT_VERWALTUNG : 0;
    }
    /// Allocator overhead of one block (a row's cells).
    static constexpr int64_t BLOCK_VERWALTUNG = 16;
    /// Header and allocator overhead of one text block.
    static constexpr int64_t TEXT_VERWALTUNG = 40;

  private:
    /// Makes room for row `lZeile` in `blatt`, charging what the row table grows by.
    void PlatzFuerZeile(Blatt& blatt, int32_t lZeile);

    const int64_t m_lGrenze;
    std::atomic<int64_t> m_lBelegt{0};
    std::atomic<bool> m_bErschoepft{false};
};

}  // namespace rastfang::spreadsheet
