// Numbers and dates through format codes, Range.Text and Range.Value under German settings; one
// workbook in every format shows each cell as LibreOffice exports it "as shown".
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "LesenHilfen.h"
#include "spreadsheet/Datum.h"
#include "spreadsheet/Zahlformat.h"

namespace rastfang::spreadsheet::test {

namespace {

struct Fall {
    double d;
    const char* sFormat;
    const char* sSoll;
};

/// Every case through `f(number, format code)`, a failing one named by number and format.
template <size_t N, typename F>
void gPruefe(const Fall (&faelle)[N], F f) {
    for (const Fall& c : faelle) {
        EXPECT_EQ(f(c.d, QString::fromUtf8(c.sFormat)), QString::fromUtf8(c.sSoll))
            << c.d << " " << c.sFormat;
    }
}

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

}  // namespace

// clang-format off
TEST(Zahlformat, GeneralAndNumberFormatsWithGermanSeparators) {
    const Fall faelle[] = {
        {2.0 / 3, "General", "0,6666666667"},         {-2.5, "General", "-2,5"},
        {0, "General", "0"},                          {12345678901, "General", "12345678901"},
        {-123456789012, "General", "-1,23457E+11"},   {1e20, "General", "1E+20"},
        {0.0001, "General", "0,0001"},                {1.5e-12, "General", "1,5E-12"},
        {1234.5678, "General", "1234,5678"},          {2.5, "0", "3"},
        {-2.5, "0", "-3"},                            {2.675, "0.00", "2,68"},
        {0.5, "#.##", ",5"},                          {7, "000", "007"},
        {999.999, "#,##0.00", "1.000,00"},            {12, "#,##0.00", "12,00"},
        {0.00012, "0.0E+00", "1,2E-04"},              {2.5, "0.0\\ \\k\\g", "2,5 kg"},
        {2.5, "[Red]0.0", "2,5"},                     {2.5, "[$-407]0.0", "2,5"},
        {-5, "0;(0)", "(5)"},                         {3, "0;-0;\"null\";@", "3"},
        {-1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\"", "-1.234,50 €"},
        {3, "_-* #,##0.00_-", " 3,00 "},              {5, "@", "5"},
        {5, "General;-General", "5"},                 {-5, "General;(General)", "(5)"},
        {0.25, "?/?", "1/4"},                         {0.5, "# ?/?", " 1/2"},
        {-2.25, "# ?/?", "-2 1/4"},                   {1.3, "# ?/8", "1 2/8"},
        {3, "# ?/?", "3    "},                        {0.0001, "# ?/?", "0    "},
        {-0.5, "[<1]0.00;0.0", "-0,50"},              {5, "[>=10]0;0.0", "5,0"},
        {-5, "[<0]0.0;0", "5,0"},                     {-5, "[<=-1]0.0;0", "-5,0"},
    };
    gPruefe(faelle, [](double d, const QString& s) { return gsFormatiereZahl(s, d); });
}

TEST(Datum, GermanNamesAndNotations) {
    const double d = 45355;  // Monday, 4 March 2024
    const Fall faelle[] = {
        {d, "d.m.yy", "4.3.24"},                      {d, "DDD DD. MMM", "Mo 04. Mrz"},
        {0.5729166667, "h:mm AM/PM", "1:45 PM"},      {0.0000578704, "mm:ss.0", "00:05,0"},
        {0.99999999, "hh:mm:ss", "00:00:00"},         {60, "DD.MM.YYYY", "29.02.1900"},
        {1, "DD.MM.YYYY", "01.01.1900"},              {-1, "DD.MM.YYYY", "########"},
        {38028, "DD\"/\"MM", "11/02"},                {38028, "DD\\/MM", "11/02"},
    };
    gPruefe(faelle, [](double d, const QString& s) { return gsDatum(gZahlAbschnitte(s).front(), d); });
}

TEST(Anzeige, ValueIsCStrWithFifteenDigits) {
    const Fall faelle[] = {
        {-7, "General", "-7"},                        {1e15, "General", "1E+15"},
        {123456789012345, "General", "123456789012345"},
        {0.0001, "General", "0,0001"},                {0.00001, "General", "1E-05"},
    };
    gPruefe(faelle, [](double d, const QString& s) {
        const Zelle zahl{.typ = ZellTyp::Zahl, .zahl = d, .text = {}};
        return gsWertText(zahl, {.sZahlenformat = s}, false);
    });
}
// clang-format on

TEST(Anzeige, TextCellsIgnoreNumberSectionsButUseTheTextSection) {
    const Zelle text{.typ = ZellTyp::Text, .text = QStringLiteral("0815")};
    for (const char* sFormat : {"@", "0.00"})
        EXPECT_EQ(gsAnzeigeText(text, {.sZahlenformat = sFormat}, false), "0815") << sFormat;
    const Stil st{.sZahlenformat = QStringLiteral("0;-0;0;\"[\"@\"]\"")};
    EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("[0815]"));
    EXPECT_EQ(gsWertText(text, st, false), QStringLiteral("0815"));
}

TEST(WieLibreOffice, EveryCellShowsTheTextOfLibreOfficesCsvExport) {
    // every "FILE.SHEET.csv" of the fixture folder (";"-separated, '"'-quoted UTF-8) by name
    const QString sJson = gsPython(QStringLiteral(R"(
import csv, glob, json, os, sys
print(json.dumps({os.path.basename(p): list(csv.reader(open(p, encoding="utf-8", newline=""),
                                                       delimiter=";"))
                  for p in glob.glob(os.path.join(sys.argv[1], "*.csv"))}))
)"),
                                   {gsTestdatei(QStringLiteral("anzeige"))});
    const QJsonObject csv = QJsonDocument::fromJson(sJson.toUtf8()).object();
    for (const char* pszDatei :
         {"anzeige.xls", "anzeige_95.xls", "anzeige.xlsx", "anzeige.ods", "anzeige_1904.xls",
          "anzeige_1904_95.xls", "anzeige_1904.xlsx", "anzeige_1904.ods"}) {
        const QString sDatei = QString::fromLatin1(pszDatei);
        const Geoeffnet g(gsTestdatei("anzeige/" + sDatei));  // refused if it had no sheet
        for (size_t b = 0; b < g.mappe->blaetter.size(); ++b) {
            const QString sCsv = sDatei + u'.' + g.B(b).Name() + QStringLiteral(".csv");
            SCOPED_TRACE(sCsv.toStdString());
            ASSERT_TRUE(csv.contains(sCsv));
            const Tabelle ist = g.Zellen(b);
            Tabelle soll;
            for (const auto& z : csv[sCsv].toVariant().toList()) soll.push_back(z.toStringList());
            soll = gGestutzt(soll);
            for (const Ausnahme& a : AUSNAHMEN) {
                if (g.B(b).Name() != "Formate" || !sDatei.endsWith(QString::fromLatin1(a.sDatei)))
                    continue;
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
    const Geoeffnet xlsx(gsTestdatei(QStringLiteral("anzeige/anzeige.xlsx")));
    for (const char* pszDatei : {"anzeige.xls", "anzeige.ods", "anzeige_95.xls"}) {
        SCOPED_TRACE(pszDatei);
        const Geoeffnet g(gsTestdatei(QStringLiteral("anzeige/") + pszDatei));
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
