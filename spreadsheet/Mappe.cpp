#include "spreadsheet/Mappe.h"

namespace rastfang::spreadsheet {

void MappenDaten::Entferne(size_t i) {
    std::shared_ptr<Blatt> blatt = std::move(blaetter[i]);
    blaetter.erase(blaetter.begin() + static_cast<std::ptrdiff_t>(i));
    blatt->GibZeilenFrei();
    entfernte.push_back(std::move(blatt));
}

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
