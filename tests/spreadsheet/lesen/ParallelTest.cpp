// Sheets are read in parallel, the sole sheet of a workbook in two halves at the same time:
// whatever the document holds, the sheets must come out as one thread reads them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LesenHilfen.h"
#include "spreadsheet/lesen/Formaterkennung.h"
#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/XlsxTeileLesen.h"
#include "spreadsheet/lesen/XlsxTeilung.h"
#include "spreadsheet/lesen/ZipArchiv.h"

namespace rastfang::spreadsheet::test {

namespace {

/// Sheet 1 of `sPfad` as a workbook's only sheet, halves from `lHaelftenAb`; null when refused.
std::shared_ptr<MappenDaten> lies(const QString& sPfad, uint64_t lHaelftenAb) {
    const ZipArchiv archiv(sPfad);
    auto mappe = std::make_shared<MappenDaten>();
    Lesebudget budget;
    const std::vector<uint32_t> stile = gLiesXlsxStile(archiv, "xl/styles.xml", *mappe, budget);
    mappe->blaetter.push_back(std::make_shared<Blatt>(QStringLiteral("B")));
    try {
        // openpyxl writes texts inline: no shared strings to pass
        gLiesXlsxBlatt(archiv, "xl/worksheets/sheet1.xml", {{}, stile, false}, *mappe->blaetter[0],
                       budget, lHaelftenAb);
    } catch (const Lesefehler& e) {
        EXPECT_EQ(e.grund, Lesegrund::Format);
        return nullptr;
    }
    return mappe;
}

/// Writes glatt.xlsx to `sOrdner`, fourteen sheets of different sizes (they finish out of order)
/// with texts, dates, gaps and a far cell, the first with a width and protection; and beside it
/// the workbook with its first sheet changed in each of the ways that make halves unsafe.
void gErzeuge(const QString& sOrdner) {
    gsPython(QStringLiteral(R"PY(
import datetime, re, sys, zipfile
from openpyxl import Workbook
wb = Workbook()
wb.remove(wb.active)
for b in range(14):
    ws = wb.create_sheet("Klasse %d" % b)
    for z in range(1, 1500 if b == 0 else 40 + (b * 97) % 400):
        for s in range(1, 13):
            w = (z * 31 + s * 7 + b) % 9
            if w == 0: continue
            ws.cell(z, s, "Text %d/%d" % (b, z % 17) if w < 3 else
                    datetime.date(2000, 1, 1) + datetime.timedelta(days=z) if w == 3 else
                    (z % 2 == 0) if w == 4 else (z * s + b) / 8)
    ws.cell(3, 700, "rechts %d" % b)
wb.worksheets[0].column_dimensions["B"].width = 31
wb.worksheets[0].protection.sheet = True
wb.save(sys.argv[1] + "/glatt.xlsx")
with zipfile.ZipFile(sys.argv[1] + "/glatt.xlsx") as z:
    teile = {n: z.read(n) for n in z.namelist()}
xml = teile["xl/worksheets/sheet1.xml"].decode()
kommentar = "<!-- " + "x" * 400 + ' <row r="1"><c r="A1" t="inlineStr"><is><t>falsch</t></is></c></row> -->'
varianten = {
    "praefix": re.sub(r"<(/?)(?![?!])([A-Za-z])", r"<\1x:\2", xml.replace(' xmlns="', ' xmlns:x="', 1)),
    "kommentar": xml.replace("</row>", "</row>" + kommentar),
    "doppelt": xml.replace("</sheetData>", '<row r="1"><c r="T1" t="inlineStr"><is><t>spät</t></is></c></row></sheetData>'),
    "ohne_nummern": re.sub(r'<row r="(7[0-9]{2}|[89][0-9]{2}|1[0-9]{3})"(.*?)</row>',
                           lambda m: "<row" + re.sub(r' r="[A-Z]+[0-9]+"', "", m.group(2)) + "</row>", xml),
    "kaputt": xml.replace('<row r="1400"', '<row r="1400"><c><v>1</c>', 1),
}
for name, text in varianten.items():
    with zipfile.ZipFile(sys.argv[1] + "/" + name + ".xlsx", "w") as z:
        for n, daten in teile.items():
            z.writestr(n, text if n == "xl/worksheets/sheet1.xml" else daten)
)PY"),
             {sOrdner});
}

}  // namespace

TEST(GanzeMappe, SheetsReadInParallelEqualSheetsReadOneAfterAnother) {
    QTemporaryDir dir;
    gErzeuge(dir.path());
    const QString pfad = dir.filePath(QStringLiteral("glatt.xlsx"));
    auto mappe = std::make_shared<MappenDaten>();
    Lesebudget budget;
    const auto leser = gOeffneLeser(pfad, *mappe, budget);
    for (size_t i = 0; i < leser->Blaetter().size(); ++i) {
        mappe->blaetter.push_back(std::make_shared<Blatt>(leser->Blaetter()[i].sName));
        leser->LiesBlatt(i, *mappe->blaetter.back(), *mappe, budget);
    }
    const Geoeffnet parallel(pfad), nacheinander(mappe);
    for (size_t i = 0; i < 14; ++i) {
        EXPECT_EQ(parallel.Text(i, 3, 700), QStringLiteral("rechts %1").arg(i));
        EXPECT_EQ(gsUnterschiede(parallel.Zellen(i), nacheinander.Zellen(i)), "") << i;
        EXPECT_EQ(gsUnterschiede(parallel.Zellen(i, true), nacheinander.Zellen(i, true)), "") << i;
    }
}

TEST(Haelften, HalvesGiveWhatOneParserGives) {
    QTemporaryDir dir;
    gErzeuge(dir.path());
    for (const char* sName : {"glatt", "praefix", "kommentar", "doppelt", "ohne_nummern"}) {
        const QString sPfad = dir.filePath(QStringLiteral("%1.xlsx").arg(sName));
        const Geoeffnet ganz(lies(sPfad, 0)), haelften(lies(sPfad, 1));
        ASSERT_TRUE(ganz.mappe && haelften.mappe) << sName;
        EXPECT_EQ(gsUnterschiede(haelften.Zellen(0), ganz.Zellen(0)), "") << sName;
        EXPECT_EQ(gsUnterschiede(haelften.Zellen(0, true), ganz.Zellen(0, true)), "") << sName;
        EXPECT_GT(ganz.B(0).AnzahlZeilen(), 1400) << sName;
        EXPECT_TRUE(haelften.B(0).Schutz().bAktiv) << sName;
        EXPECT_EQ(haelften.B(0).Spaltenbreite(2), ganz.B(0).Spaltenbreite(2)) << sName;
    }
    EXPECT_EQ(Geoeffnet(lies(dir.filePath(QStringLiteral("doppelt.xlsx")), 1)).Text(0, 1, 20),
              QStringLiteral("spät"));
    EXPECT_FALSE(lies(dir.filePath(QStringLiteral("kaputt.xlsx")), 1));

    // The second half begins at a numbered row near the middle; never after a DOCTYPE.
    const std::string sXml =
        R"(<?xml version="1.0"?><w a=">"><d/><sheetData><row r="1"/><row s=" r=2"/><row/>)"
        R"(<row x:r="9" s="1"/><row r="10"/></sheetData></w>)";
    const auto haelften = gBlatthaelften(sXml);
    ASSERT_TRUE(haelften);
    EXPECT_EQ(sXml.substr(haelften->nZweiteAb, 8), "<row x:r");
    EXPECT_EQ(haelften->sVorspann, R"(<?xml version="1.0"?><w a=">"><sheetData>)");
    EXPECT_EQ(haelften->sSchluss, "</sheetData></w>");
    EXPECT_FALSE(gBlatthaelften(std::string(sXml).insert(21, "<!DOCTYPE w>")));
}

}  // namespace rastfang::spreadsheet::test
