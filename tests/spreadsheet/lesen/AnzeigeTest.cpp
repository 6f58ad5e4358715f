// Numbers and dates through format codes, and Range.Text and Range.Value of single cells, under
// German regional settings. More cases run through the fixtures of FormateLesen, WieLibreOffice.
#include <gtest/gtest.h>

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

const double MONTAG = 45355;  // Monday, 4 March 2024

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
        {12345678, "#,##0.0,", "12.345,7"},           {2.3333333, "# ?\?/?\?", "2  1/3 "},
        {0.25, "?/?", "1/4"},                         {0.5, "# ?/?", " 1/2"},
        {-2.25, "# ?/?", "-2 1/4"},                   {1.3, "# ?/8", "1 2/8"},
        {3, "# ?/?", "3    "},                        {0.0001, "# ?/?", "0    "},
        {-0.5, "[<1]0.00;0.0", "-0,50"},              {5, "[>=10]0;0.0", "5,0"},
        {-5, "[<0]0.0;0", "5,0"},                     {-5, "[<=-1]0.0;0", "-5,0"},
    };
    gPruefe(faelle, [](double d, const QString& s) { return gsFormatiereZahl(s, d); });
}

TEST(Datum, GermanNamesAndNotations) {
    const double d = MONTAG;
    const Fall faelle[] = {
        {d, "d.m.yy", "4.3.24"},                      {d, "DDD DD. MMM", "Mo 04. Mrz"},
        {d + 2, "DDDD", "Mittwoch"},                  {d + 280, "MMMM", "Dezember"},
        {d + 0.5, "DD.MM.YYYY hh:mm", "04.03.2024 12:00"},
        {0.5729166667, "hh:mm:ss", "13:45:00"},       {0.5729166667, "h:mm AM/PM", "1:45 PM"},
        {1.5, "[h]:mm", "36:00"},                     {0.0000578704, "mm:ss.0", "00:05,0"},
        {0.99999999, "hh:mm:ss", "00:00:00"},         {60, "DD.MM.YYYY", "29.02.1900"},
        {1, "DD.MM.YYYY", "01.01.1900"},              {-1, "DD.MM.YYYY", "########"},
        {38028, "DD\"/\"MM", "11/02"},                {38028, "DD\\/MM", "11/02"},
    };
    gPruefe(faelle, [](double d, const QString& s) { return gsDatum(gZahlAbschnitte(s).front(), d); });
}

TEST(Anzeige, ValueIsCStrWithFifteenDigitsOrADate) {
    const double d = MONTAG;
    const Fall faelle[] = {
        {-7, "General", "-7"},                        {1e15, "General", "1E+15"},
        {123456789012345, "General", "123456789012345"},
        {0.0001, "General", "0,0001"},                {0.00001, "General", "1E-05"},
        {d, "#,##0", "45355"},                        {d + 0.75, "DD.MM.YYYY", "04.03.2024 18:00:00"},
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

}  // namespace rastfang::spreadsheet::test
