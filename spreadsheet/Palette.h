#pragma once
// Excel's default palette of 56 colours, the meaning of Interior.ColorIndex. Files store RGB
// values, so the writers translate indices through this table.

#include <cstdint>

namespace rastfang::spreadsheet {

/// Number of entries of the palette; valid indices are 1..PALETTEN_GROESSE.
inline constexpr int16_t PALETTEN_GROESSE = 56;

/// True when `iIndex` names a palette entry (1..56).
constexpr bool gbIstPalettenIndex(int16_t iIndex) {
    return iIndex >= 1 && iIndex <= PALETTEN_GROESSE;
}

/// The colour of palette entry `iIndex` (1..56) as 0xRRGGBB; 19 is 0xFFFFCC (light yellow).
/// An index outside the palette gives white.
uint32_t glPalettenFarbe(int16_t iIndex);

}  // namespace rastfang::spreadsheet
