#pragma once
// The storage of one worksheet: its cells row by row, column widths and protection. Readers
// fill it (lazily, on first access), the automation surface reads and changes it, writers
// stream it out in row order.

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "Zelle.h"

namespace rastfang::tabelle {

inline constexpr int32_t MAX_ZEILE = 1048576;
inline constexpr int32_t MAX_SPALTE = 16384;
/// The width of a column nobody has set: Excel's default of 8.43 characters.
inline constexpr double STANDARD_BREITE = 8.43;

/// Sheet protection as the Protect call left it.
struct Blattschutz {
    bool bAktiv = false;
    bool bZeichnungsobjekte = false;  ///< DrawingObjects protected
    bool bInhalte = false;            ///< Contents (locked cells) protected
    bool bSzenarien = false;          ///< Scenarios protected
};

class Blatt {
public:
    /// Fills the sheet from its file the first time its cells are needed.
    using Lader = std::function<void(Blatt&)>;

    explicit Blatt(QString sName, Lader lader = {}) : m_sName(std::move(sName)), m_lader(std::move(lader)) {}

    const QString& Name() const { return m_sName; }
    void SetzeName(QString s) { m_sName = std::move(s); }

    /// The cell at (row, column), 1-based; an empty cell when nothing is stored there.
    const Zelle& Lies(int32_t lZeile, int32_t lSpalte) {
        Laden();
        static const Zelle leer;
        if (lZeile < 1 || static_cast<size_t>(lZeile) > m_zeilen.size()) return leer;
        const auto& zeile = m_zeilen[static_cast<size_t>(lZeile - 1)];
        if (lSpalte < 1 || static_cast<size_t>(lSpalte) > zeile.size()) return leer;
        return zeile[static_cast<size_t>(lSpalte - 1)];
    }

    /// The cell at (row, column) for writing; created when missing. Rows and columns must lie
    /// within MAX_ZEILE / MAX_SPALTE (the caller checks).
    Zelle& Schreib(int32_t lZeile, int32_t lSpalte) {
        Laden();
        if (static_cast<size_t>(lZeile) > m_zeilen.size()) m_zeilen.resize(static_cast<size_t>(lZeile));
        auto& zeile = m_zeilen[static_cast<size_t>(lZeile - 1)];
        if (static_cast<size_t>(lSpalte) > zeile.size()) zeile.resize(static_cast<size_t>(lSpalte));
        return zeile[static_cast<size_t>(lSpalte - 1)];
    }

    /// Number of rows that may hold cells (the last one stored).
    int32_t AnzahlZeilen() {
        Laden();
        return static_cast<int32_t>(m_zeilen.size());
    }
    /// The cells of row `lZeile` (1-based) as stored; may be shorter than other rows.
    const std::vector<Zelle>& Zeile(int32_t lZeile) {
        Laden();
        static const std::vector<Zelle> leer;
        if (lZeile < 1 || static_cast<size_t>(lZeile) > m_zeilen.size()) return leer;
        return m_zeilen[static_cast<size_t>(lZeile - 1)];
    }
    /// Reserves room for `n` rows while a reader streams a sheet in.
    void Reserviere(int32_t n) { m_zeilen.reserve(static_cast<size_t>(n)); }

    /// Width of column `lSpalte` in characters (STANDARD_BREITE when never set).
    double Spaltenbreite(int32_t lSpalte) const {
        if (lSpalte < 1 || static_cast<size_t>(lSpalte) > m_breiten.size()) return STANDARD_BREITE;
        const double b = m_breiten[static_cast<size_t>(lSpalte - 1)];
        return b < 0 ? STANDARD_BREITE : b;
    }
    /// True when column `lSpalte` has a width of its own.
    bool HatSpaltenbreite(int32_t lSpalte) const {
        return lSpalte >= 1 && static_cast<size_t>(lSpalte) <= m_breiten.size() &&
               m_breiten[static_cast<size_t>(lSpalte - 1)] >= 0;
    }
    void SetzeSpaltenbreite(int32_t lSpalte, double dBreite) {
        if (static_cast<size_t>(lSpalte) > m_breiten.size()) m_breiten.resize(static_cast<size_t>(lSpalte), -1);
        m_breiten[static_cast<size_t>(lSpalte - 1)] = dBreite;
    }

    const Blattschutz& Schutz() const { return m_schutz; }
    void SetzeSchutz(const Blattschutz& s) { m_schutz = s; }

    bool Versteckt() const { return m_bVersteckt; }
    void SetzeVersteckt(bool b) { m_bVersteckt = b; }

private:
    void Laden() {
        if (m_lader) {
            Lader lader = std::move(m_lader);
            m_lader = nullptr;
            lader(*this);
        }
    }

    QString m_sName;
    Lader m_lader;
    std::vector<std::vector<Zelle>> m_zeilen;
    std::vector<double> m_breiten;
    Blattschutz m_schutz;
    bool m_bVersteckt = false;
};

}  // namespace rastfang::tabelle
