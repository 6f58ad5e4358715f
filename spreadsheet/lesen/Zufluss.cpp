#include "spreadsheet/lesen/Zufluss.h"

#include <cstring>

namespace rastfang::spreadsheet {

// Not zeroed: the pages are touched first by the inflating thread, once.
Zufluss::Zufluss(size_t nGroesse)
    : m_daten(std::make_unique_for_overwrite<char[]>(nGroesse)), m_nGroesse(nGroesse) {}

bool Zufluss::Anhaengen(const char* pDaten, size_t nLaenge) {
    // Only this thread changes m_nDa, so it reads it without the lock, and it writes only above
    // what the reader was told has arrived.
    const size_t nDa = m_nDa;
    if (nLaenge > m_nGroesse - nDa) return false;
    std::memcpy(m_daten.get() + nDa, pDaten, nLaenge);
    {
        const std::lock_guard sperre(m_mutex);
        m_nDa = nDa + nLaenge;
    }
    m_angekommen.notify_all();
    return true;
}

void Zufluss::Schliessen() {
    {
        const std::lock_guard sperre(m_mutex);
        m_bZu = true;
    }
    m_angekommen.notify_all();
}

size_t Zufluss::Warte(size_t nBekannt) const {
    std::unique_lock sperre(m_mutex);
    m_angekommen.wait(sperre, [&] { return m_bZu || m_nDa > nBekannt; });
    return m_nDa;
}

std::string_view Zufluss::Gefuellt() const {
    return {m_daten.get(), m_nDa};  // called by the only thread that changes m_nDa
}

std::string_view Zufluss::Ganz() const {
    std::unique_lock sperre(m_mutex);
    m_angekommen.wait(sperre, [&] { return m_bZu; });
    return {m_daten.get(), m_nDa};
}

}  // namespace rastfang::spreadsheet
