#pragma once
// Filling the column entries from the name column: typing D for the name and leaving the entry
// gives E, F, G and H for the four fields that follow, as in most results workbooks.

#include <QString>
#include <array>

namespace rastfang {

/// Fills entries 1..4 of `sSpalte` with the columns right after the one entry 0 names, when
/// entry 0 names a valid column and entries 1..4 are all blank. Columns beyond IV give empty
/// texts. Entry 5 (data filter) is never touched. Returns whether anything was filled.
bool gbSpaltenFuellen(std::array<QString, 6>& sSpalte);

}  // namespace rastfang
