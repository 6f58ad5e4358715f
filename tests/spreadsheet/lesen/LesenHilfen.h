#pragma once
// Helpers of the reading tests: open a fixture and look at cells as Range.Text/Value do.

#include <QString>
#include <memory>

#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "spreadsheet/Anzeige.h"
#include "spreadsheet/Mappe.h"
#include "spreadsheet/lesen/Oeffnen.h"

#include <ostream>

namespace rastfang::spreadsheet::test {

/// An opened workbook with shortcuts to the displayed text and the value text of a cell.
struct Geoeffnet {
    std::shared_ptr<MappenDaten> mappe;

    explicit Geoeffnet(const QString& sPfad) : mappe(gLiesArbeitsmappe(sPfad)) {}

    Blatt& B(size_t i) const { return *mappe->blaetter.at(i); }
    QString Text(size_t iBlatt, int32_t z, int32_t s) const {
        const Zelle& c = B(iBlatt).Lies(z, s);
        return gsAnzeigeText(c, mappe->stile.at(c.stil), mappe->b1904);
    }
    QString Wert(size_t iBlatt, int32_t z, int32_t s) const {
        const Zelle& c = B(iBlatt).Lies(z, s);
        return gsWertText(c, mappe->stile.at(c.stil), mappe->b1904);
    }
    QStringList Namen() const {
        QStringList l;
        for (const auto& b : mappe->blaetter) l << b->Name();
        return l;
    }
};

/// The number and description of the error that opening (and reading every sheet) raises;
/// number 0 when it succeeds.
inline std::pair<int32_t, QString> gOeffnenFehler(const QString& sPfad) {
    try {
        const auto m = gLiesArbeitsmappe(sPfad);
        for (const auto& b : m->blaetter) b->AnzahlZeilen();
        return {0, {}};
    } catch (const VbFehler& e) {
        return {e.Number(), e.Description()};
    }
}

}  // namespace rastfang::spreadsheet::test
