#pragma once
// The check of a finished .xlsx before it may replace its target: the library streams parts
// through temporary files and does not notice every failed write, so the archive itself is
// read back. And the library's own English error lines are kept off the terminal, since the
// failure reaches the user as our own message.

#include <cstddef>

namespace rastfang::spreadsheet {

class Zieldatei;

/// Reads the temporary file of `ziel` back: the archive must open and hold the parts of a
/// workbook with `nBlaetter` worksheets, the small parts well-formed XML, the sheets complete
/// with the size and checksum the archive states for them. Raises 1004
/// through `ziel` otherwise (naming the full disk when the target's file system has no room).
void gPruefeXlsx(const Zieldatei& ziel, size_t nBlaetter);

/// While it lives, whatever is written to the standard error descriptor is discarded.
class StderrStumm {
  public:
    StderrStumm();
    ~StderrStumm();
    StderrStumm(const StderrStumm&) = delete;
    StderrStumm& operator=(const StderrStumm&) = delete;

  private:
    int m_iAlt = -1;
};

}  // namespace rastfang::spreadsheet
