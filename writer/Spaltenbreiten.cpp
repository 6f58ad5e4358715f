#include "writer/Spaltenbreiten.h"

namespace rastfang {

void gGemeinsameBreite(spreadsheet::Worksheet& blatt, int16_t iVon, int16_t iBis) {
    float fBreite = -1.0f;
    for (int32_t c = iVon; c <= iBis; ++c) {
        const double dBreite = blatt.Cells(1, c).ColumnWidth();
        if (dBreite > fBreite) fBreite = static_cast<float>(dBreite);
    }
    for (int32_t c = iVon; c <= iBis; ++c) blatt.Cells(1, c).SetColumnWidth(fBreite);
}

}  // namespace rastfang
