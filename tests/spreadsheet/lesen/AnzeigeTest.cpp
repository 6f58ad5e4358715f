// The displayed text and the value text of single cells under German regional settings.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

namespace rastfang::tabelle::test {

namespace {

/// A number cell in format `sFormat`, shown as Range.Text or, with bWert, as Range.Value.
QString gsZahl(double d, const char* sFormat, bool bWert = false, bool b1904 = false) {
    Zelle z;
    z.typ = ZellTyp::Zahl;
    z.zahl = d;
    Stil st;
    st.sZahlenformat = QString::fromUtf8(sFormat);
    return bWert ? gsWertText(z, st, b1904) : gsAnzeigeText(z, st, b1904);
}

struct Fall {
    double d;
    const char* sFormat;
    const char* sSoll;
};

template <size_t N>
void pruefe(const Fall (&faelle)[N], bool bWert = false) {
    for (const Fall& f : faelle) {
        EXPECT_EQ(gsZahl(f.d, f.sFormat, bWert), QString::fromUtf8(f.sSoll))
            << f.d << " " << f.sFormat;
    }
}

}  // namespace

// clang-format off
// More cases of each kind run through the fixture table of FormateLesen.
TEST(Anzeige, StandardformatKuerzesteFormMitZehnStellen) {
    const Fall faelle[] = {
        {2.0 / 3, "General", "0,6666666667"},         {-2.5, "General", "-2,5"},
        {0, "General", "0"},                          {12345678901, "General", "12345678901"},
        {-123456789012, "General", "-1,23457E+11"},   {1e20, "General", "1E+20"},
        {0.0001, "General", "0,0001"},                {1.5e-12, "General", "1,5E-12"},
        {1234.5678, "General", "1234,5678"},
    };
    pruefe(faelle);
}

TEST(Anzeige, WertWieCStrMitFuenfzehnStellen) {
    const Fall faelle[] = {
        {-7, "General", "-7"},                        {1e15, "General", "1E+15"},
        {123456789012345, "General", "123456789012345"},
        {0.0001, "General", "0,0001"},                {0.00001, "General", "1E-05"},
        {2.5, "0", "2,5"},  // the format does not touch Value
    };
    pruefe(faelle, true);
}

TEST(Anzeige, Zahlenformate) {
    const Fall faelle[] = {
        {2.5, "0", "3"},                              {-2.5, "0", "-3"},
        {2.675, "0.00", "2,68"},                      {0.5, "#.##", ",5"},
        {7, "000", "007"},                            {999.999, "#,##0.00", "1.000,00"},
        {12, "#,##0.00", "12,00"},                    {1234567, "#,##0,", "1.235"},
        {0.125, "0.0%", "12,5%"},                     {12345, "0.00E+00", "1,23E+04"},
        {0.00012, "0.0E+00", "1,2E-04"},              {2.5, "\"Note \"0.0", "Note 2,5"},
        {2.5, "0.0\\ \\k\\g", "2,5 kg"},              {2.5, "[Red]0.0", "2,5"},
        {2.5, "[$-407]0.0", "2,5"},                   {-5, "0;(0)", "(5)"},
        {1234.5, "#,##0.00 [$€-407]", "1.234,50 €"},
        {1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\"", "1.234,50 €"},
        {-1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\"", "-1.234,50 €"},
        {0, "0;-0;\"null\"", "null"},                 {3, "0;-0;\"null\";@", "3"},
        {3, "_-* #,##0.00_-", " 3,00 "},              {5, "@", "5"},
        {5, "General;-General", "5"},                 {-5, "General;(General)", "(5)"},
        {12345678, "0.0,,", "12,3"},                  {12345678, "#,##0.0,", "12.345,7"},
        {1.5, "# ?/?", "1 1/2"},                      {2.3333333, "# ?\?/?\?", "2  1/3 "},
        {0.25, "?/?", "1/4"},                         {0.5, "# ?/?", " 1/2"},
        {-2.25, "# ?/?", "-2 1/4"},                   {1.3, "# ?/8", "1 2/8"},
        {3, "# ?/?", "3    "},                        {0.0001, "# ?/?", "0    "},
        {0.555, "[<1]0.00;0.0", "0,56"},              {1.555, "[<1]0.00;0.0", "1,6"},
        {-0.5, "[<1]0.00;0.0", "-0,50"},              {5, "[>=10]0;0.0", "5,0"},
        {-5, "[<0]0.0;0", "5,0"},                     {-5, "[<=-1]0.0;0", "-5,0"},
    };
    pruefe(faelle);
}

TEST(Anzeige, DatumUndZeitDeutsch) {
    const double d = 45355;  // Monday, 4 March 2024
    const Fall text[] = {
        {d, "d.m.yy", "4.3.24"},                      {d, "DDD DD. MMM", "Mo 04. Mrz"},
        {d + 2, "DDDD", "Mittwoch"},                  {d + 280, "MMMM", "Dezember"},
        {d + 0.5, "DD.MM.YYYY hh:mm", "04.03.2024 12:00"},
        {0.5729166667, "hh:mm:ss", "13:45:00"},       {0.5729166667, "h:mm AM/PM", "1:45 PM"},
        {1.5, "[h]:mm", "36:00"},                     {0.0000578704, "mm:ss.0", "00:05,0"},
        {0.99999999, "hh:mm:ss", "00:00:00"},         {60, "DD.MM.YYYY", "29.02.1900"},
        {1, "DD.MM.YYYY", "01.01.1900"},              {-1, "DD.MM.YYYY", "########"},
        {38028, "DD/MM/YYYY", "11.02.2004"},          {38028, "DD\"/\"MM", "11/02"},
        {38028, "DD\\/MM", "11/02"},                  {1.25, "[h]:mm", "30:00"},
        {38028, "[$-F800]dddd, mmmm dd, yyyy", "Mittwoch, 11. Februar 2004"},
        {0.5729166667, "[$-F400]h:mm:ss AM/PM", "13:45:00"},
    };
    pruefe(text);
    const Fall wert[] = {
        {d, "MMMM YYYY", "04.03.2024"},               {0.75, "hh:mm", "18:00:00"},
        {d, "#,##0", "45355"},
        {d + 0.75, "DD.MM.YYYY", "04.03.2024 18:00:00"},
    };
    pruefe(wert, true);
    // The 1904 system counts from 1 Jan 1904.
    EXPECT_EQ(gsZahl(0, "DD.MM.YYYY", false, true), QStringLiteral("01.01.1904"));
    EXPECT_EQ(gsZahl(43893, "DD.MM.YYYY", true, true), QStringLiteral("04.03.2024"));
    EXPECT_EQ(gsZahl(43893, "0", false, true), QStringLiteral("43893"));

    for (const char* s : {"DD.MM.YYYY", "[h]:mm", "[$-407]MMMM YY"}) {
        EXPECT_TRUE(gbIstDatumsformat(QString::fromUtf8(s))) << s;
    }
    for (const char* s : {"General", "0.00", "\"Tage: \"0", "[Red]0.0", "@"}) {
        EXPECT_FALSE(gbIstDatumsformat(QString::fromUtf8(s))) << s;
    }
}
// clang-format on

// Booleans, error values and empty cells: see the fixture table of FormateLesen.
TEST(Anzeige, TextInZahlenformatenUndImTextabschnitt) {
    Zelle text;
    text.typ = ZellTyp::Text;
    text.text = QStringLiteral("0815");
    Stil st;
    for (const char* sFormat : {"@", "0.00"}) {
        st.sZahlenformat = QString::fromUtf8(sFormat);
        EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("0815")) << sFormat;
    }
    st.sZahlenformat = QStringLiteral("0;-0;0;\"[\"@\"]\"");
    EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("[0815]"));
    EXPECT_EQ(gsWertText(text, st, false), QStringLiteral("0815"));
}

}  // namespace rastfang::tabelle::test
