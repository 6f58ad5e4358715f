#pragma once
// The storage of one worksheet: its cells row by row, column widths and protection. Readers
// fill it when the workbook is opened, the automation surface reads and changes it, writers
// stream it out in row order. A row holds only the cells it has, in column order, so a cell
// far right costs one cell, not a row of empty ones.

#include <QString>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "spreadsheet/Zelle.h"

namespace rastfang::spreadsheet {

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

/// The stored cells of one row, ascending by column (Zelle::spalte).
using Zellzeile = std::vector<Zelle>;

class Blatt {
  public:
    explicit Blatt(QString sName) : m_sName(std::move(sName)) {}

    const QString& Name() const { return m_sName; }
    void SetzeName(QString s) { m_sName = std::move(s); }

    /// The cell at (row, column), 1-based; an empty cell when nothing is stored there.
    const Zelle& Lies(int32_t lZeile, int32_t lSpalte) const {
        static const Zelle leer;
        if (lZeile < 1 || static_cast<size_t>(lZeile) > m_zeilen.size()) return leer;
        const Zellzeile& zeile = m_zeilen[static_cast<size_t>(lZeile - 1)];
        if (lSpalte < 1 || zeile.empty()) return leer;
        // Rows without gaps hold column s at index s - 1, rows with a few gaps a little before:
        // a few steps back before a search.
        auto i = std::min(static_cast<size_t>(lSpalte - 1), zeile.size() - 1);
        for (int iSchritte = 0; iSchritte < 4; ++iSchritte) {
            if (zeile[i].spalte == lSpalte) return zeile[i];
            // Columns ascend: none before a smaller one, none after the one looked at before.
            if (zeile[i].spalte < lSpalte || i == 0) return leer;
            --i;
        }
        const auto it = Suche(zeile, lSpalte);
        return it != zeile.end() && it->spalte == lSpalte ? *it : leer;
    }

    /// The cell at (row, column) for writing; created empty when missing. Rows and columns
    /// must lie within MAX_ZEILE / MAX_SPALTE (the caller checks). Only the cell's contents
    /// may be changed through the reference, never its column.
    Zelle& Schreib(int32_t lZeile, int32_t lSpalte) {
        if (static_cast<size_t>(lZeile) > m_zeilen.size())
            m_zeilen.resize(static_cast<size_t>(lZeile));
        Zellzeile& zeile = m_zeilen[static_cast<size_t>(lZeile - 1)];
        const auto i = static_cast<size_t>(lSpalte - 1);
        if (i < zeile.size() && zeile[i].spalte == lSpalte) return zeile[i];
        if (zeile.empty() || zeile.back().spalte < lSpalte) return Neu(zeile, zeile.end(), lSpalte);
        const auto it = Suche(zeile, lSpalte);
        if (it != zeile.end() && it->spalte == lSpalte) return *it;
        return Neu(zeile, it, lSpalte);
    }

    /// Number of rows that may hold cells (the last one stored).
    int32_t AnzahlZeilen() const { return static_cast<int32_t>(m_zeilen.size()); }
    /// The stored cells of row `lZeile` (1-based), ascending by column.
    const Zellzeile& Zeile(int32_t lZeile) const {
        static const Zellzeile leer;
        if (lZeile < 1 || static_cast<size_t>(lZeile) > m_zeilen.size()) return leer;
        return m_zeilen[static_cast<size_t>(lZeile - 1)];
    }
    /// Row `lZeile` for a reader that fills it: created when missing.
    Zellzeile& ZeileZumFuellen(int32_t lZeile) {
        if (static_cast<size_t>(lZeile) > m_zeilen.size())
            m_zeilen.resize(static_cast<size_t>(lZeile));
        return m_zeilen[static_cast<size_t>(lZeile - 1)];
    }
    /// Frees every row and its cells.
    void GibZeilenFrei() { std::vector<Zellzeile>().swap(m_zeilen); }
    /// Takes the rows of `quelle`, a sheet a reader filled before this one existed.
    void UebernimmZeilen(Blatt& quelle) { m_zeilen.swap(quelle.m_zeilen); }
    /// Moves the rows of `quelle` here, where none of them is stored yet; false, and nothing
    /// moved, when a row is stored in both.
    bool UebernimmNeueZeilen(Blatt& quelle) {
        for (size_t i = 0; i < quelle.m_zeilen.size() && i < m_zeilen.size(); ++i) {
            if (!quelle.m_zeilen[i].empty() && !m_zeilen[i].empty()) return false;
        }
        if (quelle.m_zeilen.size() > m_zeilen.size()) m_zeilen.resize(quelle.m_zeilen.size());
        for (size_t i = 0; i < quelle.m_zeilen.size(); ++i) {
            if (!quelle.m_zeilen[i].empty()) m_zeilen[i] = std::move(quelle.m_zeilen[i]);
        }
        quelle.m_zeilen.clear();
        return true;
    }
    /// Room for `n` rows without reallocation (readers reserve what their budget allowed).
    void Reserviere(int32_t n) { m_zeilen.reserve(static_cast<size_t>(n)); }
    /// The rows there is room for.
    size_t ZeilenKapazitaet() const { return m_zeilen.capacity(); }

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
        if (static_cast<size_t>(lSpalte) > m_breiten.size())
            m_breiten.resize(static_cast<size_t>(lSpalte), -1);
        m_breiten[static_cast<size_t>(lSpalte - 1)] = dBreite;
    }

    const Blattschutz& Schutz() const { return m_schutz; }
    void SetzeSchutz(const Blattschutz& s) { m_schutz = s; }

    bool Versteckt() const { return m_bVersteckt; }
    void SetzeVersteckt(bool b) { m_bVersteckt = b; }

  private:
    template <typename Z>
    static decltype(std::declval<Z&>().begin()) Suche(Z& zeile, int32_t lSpalte) {
        return std::lower_bound(zeile.begin(), zeile.end(), lSpalte,
                                [](const Zelle& z, int32_t s) { return z.spalte < s; });
    }
    static Zelle& Neu(Zellzeile& zeile, Zellzeile::const_iterator wo, int32_t lSpalte) {
        Zelle& z = *zeile.emplace(wo);
        z.spalte = static_cast<uint16_t>(lSpalte);
        return z;
    }

    QString m_sName;
    std::vector<Zellzeile> m_zeilen;
    std::vector<double> m_breiten;
    Blattschutz m_schutz;
    bool m_bVersteckt = false;
};

}  // namespace rastfang::spreadsheet
