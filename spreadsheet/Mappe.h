#pragma once
// The data of one workbook behind the automation objects: its sheets in tab order, its format
// table and its date system. File readers build it, file writers consume it.

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "spreadsheet/Blatt.h"
#include "spreadsheet/Zelle.h"

namespace rastfang::spreadsheet {

struct MappenDaten {
    std::vector<std::shared_ptr<Blatt>> blaetter;
    /// Sheets deleted or closed, kept without their cells while this data lives: a Range
    /// names its sheet by address, and no new sheet may take an address a range still names.
    std::vector<std::shared_ptr<Blatt>> entfernte;
    std::vector<Stil> stile{Stil{}};  ///< index 0 is the default format
    bool b1904 = false;               ///< dates count from 1904-01-01 instead of 1899-12-30
    QString sPfad;                    ///< the file it was opened from or saved to
    int iAktivesBlatt = 0;            ///< 0-based index of the active sheet
    bool bGeschlossen = false;

    /// Moves sheet `i` (0-based) from `blaetter` to `entfernte`, its cells freed.
    void Entferne(size_t i);

    /// The index of a format equal to `stil`, added to the table when new.
    uint32_t StilIndex(const Stil& stil);

  private:
    QHash<QString, std::vector<uint32_t>> m_stilSuche;  // by number format
};

}  // namespace rastfang::spreadsheet
