#pragma once
// A document that one thread inflates while another already parses what has arrived, so that
// the first half of a large sheet need not wait until the whole sheet is inflated.

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>

namespace rastfang::spreadsheet {

class Zufluss {
  public:
    /// Room for `nGroesse` bytes, taken at once: the bytes already there never move.
    explicit Zufluss(size_t nGroesse);
    Zufluss(const Zufluss&) = delete;
    Zufluss& operator=(const Zufluss&) = delete;

    /// Appends bytes (the filling thread only); false, and nothing appended, when they do not
    /// fit into the room taken.
    bool Anhaengen(const char* pDaten, size_t nLaenge);
    /// No more bytes will arrive, whether the filling ended or failed; wakes the waiting reader.
    void Schliessen();

    /// Waits until more than `nBekannt` bytes have arrived or the filling has ended; the number
    /// of bytes that have arrived.
    size_t Warte(size_t nBekannt) const;
    /// Waits until the filling has ended; the whole document as it arrived.
    std::string_view Ganz() const;
    /// The bytes that have arrived, for the filling thread (the others wait for them).
    std::string_view Gefuellt() const;
    /// The first `nLaenge` bytes, which must have arrived (Warte said so).
    std::string_view Anfang(size_t nLaenge) const { return {m_daten.get(), nLaenge}; }

  private:
    const std::unique_ptr<char[]> m_daten;
    const size_t m_nGroesse;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_angekommen;
    /// Changed under m_mutex by the filling thread only; the bytes below it never change.
    size_t m_nDa = 0;
    bool m_bZu = false;
};

/// Closes a Zufluss when it goes out of scope, however the filling ended.
struct ZuflussSchliesser {
    Zufluss& zufluss;
    ~ZuflussSchliesser() { zufluss.Schliessen(); }
};

}  // namespace rastfang::spreadsheet
