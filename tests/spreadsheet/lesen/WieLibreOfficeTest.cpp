// One workbook saved by LibreOffice (and Gnumeric for Excel 95) in every format: each cell shows
// what LibreOffice exports "as shown" under German settings; the formats agree cell for cell.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "LesenHilfen.h"

namespace rastfang::spreadsheet::test {

namespace {

/// Cells where a German spreadsheet application shows something else than LibreOffice.
struct Ausnahme {
    const char* sDatei;  // "" for every file
    int32_t z, s;        // on sheet "Formate"
    const char* sGrund;
};
const Ausnahme AUSNAHMEN[] = {
    // LibreOffice's export writes General with 15 digits; a standard column shows 10.
    {"", 2, 2, "General with more than ten significant digits"},
    {"", 3, 2, "General integer of twelve digits: 1,23457E+11 in a standard column"},
    // German Excel abbreviates März "Mrz", LibreOffice "Mär".
    {"", 27, 2, "MMM in March"},
    // LibreOffice loads the booleans of its own .xls as the number 1 with a format it cannot
    // save; the file holds a boolean, which a spreadsheet shows as WAHR.
    {".xls", 36, 2, "boolean in .xls"},
    {".xls", 37, 2, "boolean formula result in .xls"},
};

QString gsFixture(const QString& sName) {
    return gsTestdatei(QStringLiteral("anzeige/") + sName);
}

}  // namespace

TEST(WieLibreOffice, EveryCellShowsTheTextOfLibreOfficesCsvExport) {
    // every "FILE.SHEET.csv" of the fixture folder (";"-separated, '"'-quoted UTF-8) by name
    const QString sJson = gsPython(QStringLiteral(R"(
import csv, glob, json, os, sys
print(json.dumps({os.path.basename(p): list(csv.reader(open(p, encoding="utf-8", newline=""),
                                                       delimiter=";"))
                  for p in glob.glob(os.path.join(sys.argv[1], "*.csv"))}))
)"),
                                   {gsFixture(QString())});
    const QJsonObject csv = QJsonDocument::fromJson(sJson.toUtf8()).object();
    for (const char* pszDatei :
         {"anzeige.xls", "anzeige_95.xls", "anzeige.xlsx", "anzeige.ods", "anzeige_1904.xls",
          "anzeige_1904_95.xls", "anzeige_1904.xlsx", "anzeige_1904.ods"}) {
        const QString sDatei = QString::fromLatin1(pszDatei);
        const Geoeffnet g(gsFixture(sDatei));
        ASSERT_FALSE(g.Namen().isEmpty()) << pszDatei;
        for (size_t b = 0; b < g.mappe->blaetter.size(); ++b) {
            const QString sCsv = sDatei + u'.' + g.B(b).Name() + QStringLiteral(".csv");
            SCOPED_TRACE(sCsv.toStdString());
            ASSERT_TRUE(csv.contains(sCsv));
            const Tabelle ist = g.Zellen(b);
            Tabelle soll;
            for (const QJsonValue& z : csv[sCsv].toArray())
                soll.push_back(z.toVariant().toStringList());
            soll = gGestutzt(soll);
            for (const Ausnahme& a : AUSNAHMEN) {
                if (g.B(b).Name() != QStringLiteral("Formate") ||
                    !sDatei.endsWith(QString::fromLatin1(a.sDatei))) {
                    continue;
                }
                const QString sIst = ist.at(a.z - 1).value(a.s - 1);
                EXPECT_NE(sIst, soll.at(a.z - 1).value(a.s - 1))
                    << "exception no longer needed: " << a.sGrund;
                soll[a.z - 1][a.s - 1] = sIst;
            }
            EXPECT_EQ(gsUnterschiede(ist, soll), "");
        }
    }
}

TEST(WieLibreOffice, XlsXlsxAndOdsGiveTheSameCells) {
    const Geoeffnet xlsx(gsFixture(QStringLiteral("anzeige.xlsx")));
    for (const char* pszDatei : {"anzeige.xls", "anzeige.ods", "anzeige_95.xls"}) {
        SCOPED_TRACE(pszDatei);
        const Geoeffnet g(gsFixture(QString::fromLatin1(pszDatei)));
        ASSERT_EQ(g.Namen(), xlsx.Namen());
        for (size_t b = 0; b < xlsx.mappe->blaetter.size(); ++b) {
            EXPECT_EQ(g.B(b).Versteckt(), xlsx.B(b).Versteckt());
            // Excel 95 keeps texts in one code page: the sheet of Greek texts cannot survive it
            if (QByteArray(pszDatei).contains("_95") && xlsx.B(b).Name() == "Texte") continue;
            EXPECT_EQ(gsUnterschiede(g.Zellen(b), xlsx.Zellen(b)), "") << b;
            EXPECT_EQ(gsUnterschiede(g.Zellen(b, true), xlsx.Zellen(b, true)), "") << b;
        }
    }
}

}  // namespace rastfang::spreadsheet::test
