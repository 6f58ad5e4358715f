// A workbook is read whole when it is opened, its sheets in parallel: the result must be the
// one a single thread reading sheet after sheet gets.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LesenHilfen.h"
#include "spreadsheet/lesen/Formaterkennung.h"

using rastfang::test::gsPython;

namespace rastfang::spreadsheet::test {

TEST(GanzeMappe, ParallelGelesenGleichNacheinanderGelesen) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("viele blätter.xlsx"));
    // Sheets of different sizes (so that they finish out of order), shared and inline texts,
    // dates, truth values, gaps and a cell far right.
    gsPython(QStringLiteral(R"(
import datetime, sys
from openpyxl import Workbook
wb = Workbook()
wb.remove(wb.active)
for b in range(14):
    ws = wb.create_sheet("Klasse %d" % b)
    for z in range(1, 40 + (b * 97) % 400):
        for s in range(1, 13):
            w = (z * 31 + s * 7 + b) % 9
            if w == 0: continue
            ws.cell(z, s, "Text %d/%d" % (b, z % 17) if w < 3 else
                    datetime.date(2000, 1, 1) + datetime.timedelta(days=z) if w == 3 else
                    (z % 2 == 0) if w == 4 else (z * s + b) / 8)
    ws.cell(3, 700, "rechts %d" % b)
wb.save(sys.argv[1])
)"),
             {pfad});
    Geoeffnet parallel(pfad);

    MappenDaten mappe;
    Lesebudget budget;
    const auto leser = gOeffneLeser(pfad, mappe, budget);
    ASSERT_EQ(leser->Blaetter().size(), 14u);
    ASSERT_EQ(parallel.mappe->blaetter.size(), 14u);
    for (size_t i = 0; i < 14; ++i) {
        Blatt blatt(leser->Blaetter()[i].sName);
        leser->LiesBlatt(i, blatt, mappe, budget);
        const Blatt& p = parallel.B(i);
        EXPECT_EQ(p.Name(), blatt.Name());
        ASSERT_EQ(p.AnzahlZeilen(), blatt.AnzahlZeilen()) << i;
        EXPECT_EQ(p.Lies(3, 700).text, QStringLiteral("rechts %1").arg(i));
        for (int32_t z = 1; z <= blatt.AnzahlZeilen(); ++z) {
            const Zellzeile& a = p.Zeile(z);
            const Zellzeile& b = blatt.Zeile(z);
            ASSERT_EQ(a.size(), b.size()) << i << " " << z;
            for (size_t k = 0; k < a.size(); ++k) {
                EXPECT_TRUE(a[k].spalte == b[k].spalte && a[k].typ == b[k].typ &&
                            a[k].zahl == b[k].zahl && a[k].text == b[k].text &&
                            parallel.mappe->stile[a[k].stil] == mappe.stile[b[k].stil])
                    << i << " " << z << " " << k;
            }
        }
    }
}

TEST(GanzeMappe, SteuerzeichenInBlattnamenWerdenLeerzeichen) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("namen.xlsx"));
    gsPython(QStringLiteral(R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("xl/workbook.xml", '<workbook><sheets><sheet name="K1&#10;K2 999" r:id="a"/>'
               '<sheet name="Tab&#9;Ende&#13;" r:id="b"/></sheets></workbook>')
    z.writestr("xl/_rels/workbook.xml.rels", '<Relationships>'
               '<Relationship Id="a" Type="x/worksheet" Target="worksheets/a.xml"/>'
               '<Relationship Id="b" Type="x/worksheet" Target="worksheets/b.xml"/></Relationships>')
    for t in "ab":
        z.writestr("xl/worksheets/%s.xml" % t, "<worksheet><sheetData/></worksheet>")
)"),
             {pfad});
    EXPECT_EQ(Geoeffnet(pfad).Namen(),
              (QStringList{QStringLiteral("K1 K2 999"), QStringLiteral("Tab Ende ")}));
    EXPECT_EQ(gsLesbarerBlattname(QStringLiteral("a\x01\x7f"
                                                 "b\u0085")),
              QStringLiteral("a  b "));
}

}  // namespace rastfang::spreadsheet::test
