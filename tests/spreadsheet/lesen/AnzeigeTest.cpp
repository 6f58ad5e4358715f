// The displayed text and the value text of single cells under German regional settings.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

namespace rastfang::spreadsheet::test {

namespace {

/// A number cell in format `sFormat`, shown as Range.Text or, with bWert, as Range.Value.
QString gsZahl(double d, const char* sFormat, bool bWert = false, bool b1904 = false) {
    const Zelle z{.typ = ZellTyp::Zahl, .zahl = d, .text = {}};
    Stil st;
    st.sZahlenformat = QString::fromUtf8(sFormat);
    return bWert ? gsWertText(z, st, b1904) : gsAnzeigeText(z, st, b1904);
}

}  // namespace

// clang-format off
// More cases of each kind run through the fixture table of FormateLesen.
TEST(Anzeige, WertWieCStrMitFuenfzehnStellenOderAlsDatum) {
    const double d = 45355;  // Monday, 4 March 2024
    const struct { double d; const char* sFormat; const char* sSoll; } faelle[] = {
        {-7, "General", "-7"},                        {1e15, "General", "1E+15"},
        {123456789012345, "General", "123456789012345"},
        {0.0001, "General", "0,0001"},                {0.00001, "General", "1E-05"},
        {2.5, "0", "2,5"},  // the format does not touch Value
        {d, "MMMM YYYY", "04.03.2024"},               {0.75, "hh:mm", "18:00:00"},
        {d, "#,##0", "45355"},
        {d + 0.75, "DD.MM.YYYY", "04.03.2024 18:00:00"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(gsZahl(f.d, f.sFormat, true), QString::fromUtf8(f.sSoll))
            << f.d << " " << f.sFormat;
    }
}
// clang-format on

TEST(Anzeige, Datumssystem1904UndDatumsformate) {
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

// Booleans, error values and empty cells: see the fixture table of FormateLesen.
TEST(Anzeige, TextInZahlenformatenUndImTextabschnitt) {
    const Zelle text{.typ = ZellTyp::Text, .text = QStringLiteral("0815")};
    Stil st;
    for (const char* sFormat : {"@", "0.00"}) {
        st.sZahlenformat = QString::fromUtf8(sFormat);
        EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("0815")) << sFormat;
    }
    st.sZahlenformat = QStringLiteral("0;-0;0;\"[\"@\"]\"");
    EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("[0815]"));
    EXPECT_EQ(gsWertText(text, st, false), QStringLiteral("0815"));
}

}  // namespace rastfang::spreadsheet::test
