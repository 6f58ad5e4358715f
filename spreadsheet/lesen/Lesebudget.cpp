#include "spreadsheet/lesen/Lesebudget.h"

#include <algorithm>

#include "spreadsheet/lesen/Lesefehler.h"

namespace rastfang::spreadsheet {

void Lesebudget::Belaste(int64_t lBytes) {
    if (lBytes <= 0) return;
    if (!BelasteWennFrei(lBytes)) {
        m_bErschoepft.store(true, std::memory_order_relaxed);
        gLesefehler(Lesegrund::ZuGross);
    }
}

bool Lesebudget::BelasteWennFrei(int64_t lBytes) {
    int64_t lAlt = m_lBelegt.load(std::memory_order_relaxed);
    do {
        if (m_bErschoepft.load(std::memory_order_relaxed) || lBytes > m_lGrenze - lAlt) {
            return false;
        }
    } while (!m_lBelegt.compare_exchange_weak(lAlt, lAlt + lBytes, std::memory_order_relaxed));
    return true;
}

void Lesebudget::PlatzFuerZeile(Blatt& blatt, int32_t lZeile) {
    const size_t nAlt = blatt.ZeilenKapazitaet();
    if (static_cast<size_t>(lZeile) <= nAlt) return;
    // Doubling as a vector would, but charged before the table grows.
    const size_t nNeu =
        std::max(static_cast<size_t>(lZeile), std::min(2 * nAlt, static_cast<size_t>(MAX_ZEILE)));
    Belaste(static_cast<int64_t>((nNeu - nAlt) * sizeof(Zellzeile)) + BLOCK_VERWALTUNG);
    blatt.Reserviere(static_cast<int32_t>(nNeu));
}

void Lesebudget::Setze(Blatt& blatt, int32_t lZeile, int32_t lSpalte, Zelle zelle) {
    PlatzFuerZeile(blatt, lZeile);
    Zellzeile& zeile = blatt.ZeileZumFuellen(lZeile);
    if (zeile.size() == zeile.capacity()) {
        const size_t nNeu = std::clamp<size_t>(2 * zeile.capacity(), 4, MAX_SPALTE);
        Belaste(static_cast<int64_t>((nNeu - zeile.capacity()) * sizeof(Zelle)) +
                (zeile.capacity() == 0 ? BLOCK_VERWALTUNG : 0));
        zeile.reserve(nNeu);
    }
    BelasteText(zelle.text.size());
    zelle.spalte = static_cast<uint16_t>(lSpalte);
    Zelle& ziel = blatt.Schreib(lZeile, lSpalte);
    ziel = std::move(zelle);
}

void Lesebudget::SetzeZeile(Blatt& blatt, int32_t lZeile, Zellzeile zellen) {
    if (zellen.empty()) return;
    const auto nachSpalte = [](const Zelle& a, const Zelle& b) { return a.spalte < b.spalte; };
    if (!std::is_sorted(zellen.begin(), zellen.end(), nachSpalte)) {
        std::stable_sort(zellen.begin(), zellen.end(), nachSpalte);
    }
    // Of cells with equal columns the last one wins.
    size_t w = 0;
    for (size_t r = 0; r < zellen.size(); ++r) {
        if (r + 1 < zellen.size() && zellen[r + 1].spalte == zellen[r].spalte) continue;
        if (w != r) zellen[w] = std::move(zellen[r]);
        ++w;
    }
    zellen.resize(w);
    PlatzFuerZeile(blatt, lZeile);
    Zellzeile& zeile = blatt.ZeileZumFuellen(lZeile);
    if (zeile.empty()) {
        zellen.shrink_to_fit();
        Belaste(static_cast<int64_t>(zellen.capacity() * sizeof(Zelle)) + BLOCK_VERWALTUNG);
        zeile = std::move(zellen);
        return;
    }
    // The row appeared before (rows out of order): merge, charging what it grows by.
    const size_t nAlt = zeile.capacity();
    Belaste(static_cast<int64_t>(zellen.size() * sizeof(Zelle)));
    for (Zelle& z : zellen) {
        const int32_t s = z.spalte;
        blatt.Schreib(lZeile, s) = std::move(z);
    }
    if (zeile.capacity() > nAlt + zellen.size()) {
        Belaste(static_cast<int64_t>((zeile.capacity() - nAlt - zellen.size()) * sizeof(Zelle)));
    }
}

}  // namespace rastfang::spreadsheet
