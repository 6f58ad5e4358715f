#pragma once
// The common width of the subject columns of the output worksheet.

#include <cstdint>

#include "spreadsheet/Excel.h"

namespace rastfang {

/// Gives columns `iVon`..`iBis` of `blatt` the width of the widest of them, so that all grades
/// line up in equally wide columns. The width is carried in single precision, as the
/// spreadsheet application hands it over; with `iBis` < `iVon` nothing changes.
void gGemeinsameBreite(spreadsheet::Worksheet& blatt, int16_t iVon, int16_t iBis);

}  // namespace rastfang
