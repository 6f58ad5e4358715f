#pragma once
// Helpers of the reading tests: open a fixture, read cells as Range.Text/Value, build files.

#include <QString>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestHilfen.h"
#include "spreadsheet/Anzeige.h"
#include "spreadsheet/Mappe.h"
#include "spreadsheet/lesen/Oeffnen.h"

namespace rastfang::spreadsheet::test {

using namespace rastfang::test;

/// Cell texts row by row; gGestutzt leaves out trailing empty cells and rows.
using Tabelle = std::vector<QStringList>;
inline Tabelle gGestutzt(Tabelle t) {
    for (QStringList& z : t)
        while (!z.isEmpty() && z.back().isEmpty()) z.removeLast();
    while (!t.empty() && t.back().isEmpty()) t.pop_back();
    return t;
}

/// An opened workbook; Text is a cell as Range.Text shows it (with `bWert` Range.Value).
struct Geoeffnet {
    std::shared_ptr<MappenDaten> mappe;

    explicit Geoeffnet(const QString& sPfad) : mappe(gLiesArbeitsmappe(sPfad)) {}
    explicit Geoeffnet(std::shared_ptr<MappenDaten> m) : mappe(std::move(m)) {}

    Blatt& B(size_t i) const { return *mappe->blaetter.at(i); }
    QString Text(size_t iBlatt, int32_t z, int32_t s, bool bWert = false) const {
        const Zelle& c = B(iBlatt).Lies(z, s);
        const Stil& st = mappe->stile.at(c.stil);
        return bWert ? gsWertText(c, st, mappe->b1904) : gsAnzeigeText(c, st, mappe->b1904);
    }
    QStringList Namen() const {
        QStringList l;
        for (const auto& b : mappe->blaetter) l << b->Name();
        return l;
    }
    Tabelle Zellen(size_t iBlatt, bool bWert = false) const {
        Tabelle t;
        for (int32_t z = 1; z <= B(iBlatt).AnzahlZeilen(); ++z) {
            const Zellzeile& zeile = B(iBlatt).Zeile(z);
            t.emplace_back();
            for (int32_t s = 1; !zeile.empty() && s <= zeile.back().spalte; ++s)
                t.back() << Text(iBlatt, z, s, bWert);
        }
        return gGestutzt(t);
    }
};

/// The cells where `ist` differs from `soll`, one "R1C2: 'ist' expected 'soll'" line each.
inline std::string gsUnterschiede(const Tabelle& ist, const Tabelle& soll) {
    std::string s;
    for (size_t z = 0; z < std::max(ist.size(), soll.size()); ++z) {
        const QStringList a = z < ist.size() ? ist[z] : QStringList();
        const QStringList b = z < soll.size() ? soll[z] : QStringList();
        for (qsizetype k = 0; k < std::max(a.size(), b.size()); ++k) {
            if (a.value(k) == b.value(k)) continue;
            s += "R" + std::to_string(z + 1) + "C" + std::to_string(k + 1) + ": '" +
                 a.value(k).toStdString() + "' expected '" + b.value(k).toStdString() + "'\n";
        }
    }
    return s;
}

/// Python for fixture builders: zip_(path, {entry: text, bytes or a writer function}, zip to copy
/// the others from), xlsx(path, [(sheet, part under xl/)], {part: text}), a minimal workbook.
inline const QString ZIP_PY = QStringLiteral(R"(
import sys, zipfile
def zip_(pfad, teile, quelle=None):
    with zipfile.ZipFile(pfad, "w", zipfile.ZIP_DEFLATED) as z:
        if quelle:
            with zipfile.ZipFile(quelle) as q:
                for i in q.infolist():
                    if i.filename not in teile: z.writestr(i, q.read(i.filename))
        for name, t in teile.items():
            if callable(t):
                with z.open(name, "w", force_zip64=True) as f: t(f)
            else:
                z.writestr(name, t)
def xlsx(pfad, blaetter, teile):
    rels = "".join('<Relationship Id="r%d" Type="x/worksheet" Target="%s"/>' % (i, t)
                   for i, (_, t) in enumerate(blaetter))
    namen = "".join('<sheet name="%s" r:id="r%d"/>' % (n, i) for i, (n, _) in enumerate(blaetter))
    zip_(pfad, dict({"_rels/.rels": '<Relationships><Relationship Id="r" Type="x/officeDocument" '
                                    'Target="xl/workbook.xml"/></Relationships>',
                     "xl/workbook.xml": "<workbook><sheets>%s</sheets></workbook>" % namen,
                     "xl/_rels/workbook.xml.rels": "<Relationships>%s</Relationships>" % rels},
                    **{"xl/" + n: t for n, t in teile.items()}))
)");

}  // namespace rastfang::spreadsheet::test
