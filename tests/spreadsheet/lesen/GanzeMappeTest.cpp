// A workbook is read whole when it is opened, its sheets in parallel: the result must be the
// one a single thread reading sheet after sheet gets.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LesenHilfen.h"
#include "spreadsheet/lesen/Formaterkennung.h"

namespace rastfang::spreadsheet::test {

TEST(GanzeMappe, SheetsReadInParallelEqualSheetsReadOneAfterAnother) {
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
    auto mappe = std::make_shared<MappenDaten>();
    Lesebudget budget;
    const auto leser = gOeffneLeser(pfad, *mappe, budget);
    ASSERT_EQ(leser->Blaetter().size(), 14u);
    for (size_t i = 0; i < 14; ++i) {
        mappe->blaetter.push_back(std::make_shared<Blatt>(leser->Blaetter()[i].sName));
        leser->LiesBlatt(i, *mappe->blaetter.back(), *mappe, budget);
    }
    const Geoeffnet parallel(pfad), nacheinander(mappe);
    ASSERT_EQ(parallel.Namen(), nacheinander.Namen());
    for (size_t i = 0; i < 14; ++i) {
        EXPECT_EQ(parallel.Text(i, 3, 700), QStringLiteral("rechts %1").arg(i));
        EXPECT_EQ(gsUnterschiede(parallel.Zellen(i), nacheinander.Zellen(i)), "") << i;
        EXPECT_EQ(gsUnterschiede(parallel.Zellen(i, true), nacheinander.Zellen(i, true)), "") << i;
    }
}

TEST(GanzeMappe, ControlCharactersInSheetNamesBecomeBlanks) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("namen.xlsx"));
    gsPython(ZIP_PY + QStringLiteral(R"(
xlsx(sys.argv[1], [("K1&#10;K2 999", "worksheets/a.xml"), ("Tab&#9;Ende&#13;", "worksheets/b.xml")],
     {"worksheets/%s.xml" % t: "<worksheet><sheetData/></worksheet>" for t in "ab"})
)"),
             {pfad});
    EXPECT_EQ(Geoeffnet(pfad).Namen(), (QStringList{"K1 K2 999", "Tab Ende "}));
    EXPECT_EQ(gsLesbarerBlattname(QStringLiteral("a\x01\x7f"
                                                 "b\u0085")),
              QStringLiteral("a  b "));
}

}  // namespace rastfang::spreadsheet::test
