#include "spreadsheet/Mappe.h"

namespace rastfang::spreadsheet {

uint32_t MappenDaten::StilIndex(const Stil& stil) {
    auto& kandidaten = m_stilSuche[stil.sZahlenformat];
    for (uint32_t i : kandidaten) {
        if (stile[i] == stil) return i;
    }
    if (stil == stile[0]) return 0;
    stile.push_back(stil);
    const auto index = static_cast<uint32_t>(stile.size() - 1);
    kandidaten.push_back(index);
    return index;
}

}  // namespace rastfang::spreadsheet
