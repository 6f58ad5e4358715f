// The tagged value: its kinds, its text form and its conversion to a 32-bit integer.
#include <gtest/gtest.h>

#include "SettingsUmgebung.h"
#include "Wert.h"

namespace rastfang {
namespace {

using test::fehlerVon;

TEST(Wert, ArtenUndTextform) {
    EXPECT_EQ(Variant(0).art(), Variant::Art::Long);
    EXPECT_EQ(Variant(int16_t{0}).art(), Variant::Art::Integer);
    EXPECT_NE(Variant(int16_t{5}), Variant(5));  // same number, different kind
    EXPECT_EQ(Variant().Text(), "");
    EXPECT_EQ(Variant(int16_t{-32768}).Text(), "-32768");
    EXPECT_EQ(Variant::Double(1.5).Text(), "1,5");
    EXPECT_EQ(Variant::Boolean(true).Text(), "Wahr");
    EXPECT_THROW(Variant(TextTabelle(1, 2)).Text(), VbFehler);
    EXPECT_THROW(Variant(3).sWert(), VbFehler);
    EXPECT_THROW(Variant("3").lWert(), VbFehler);
    EXPECT_EQ(fehlerVon([] { TextTabelle(2, 2).Zelle(2, 0); }), FEHLER_INDEX);
}

TEST(Wert, UmwandlungInLong) {
    // Blanks and tabs trimmed, half to even, exponents, hex and octal in two's complement.
    const QStringList texte{" 12 ", "\t+12\t", "-2147483648", "2.5", "3.5",
                            "1e3",  "&H10",    "&hFFFFFFFF",  "&O17"};
    const std::vector<int32_t> zahlen{12, 12, INT32_MIN, 2, 4, 1000, 16, -1, 15};
    for (qsizetype i = 0; i < texte.size(); ++i) {
        EXPECT_EQ(Variant(texte[i]).lAlsLong(), zahlen[i]) << texte[i].toStdString();
    }
    EXPECT_EQ(Variant().lAlsLong(), 0);
    EXPECT_EQ(Variant(int16_t{-5}).lAlsLong(), -5);
    EXPECT_EQ(Variant::Boolean(true).lAlsLong(), -1);
    EXPECT_EQ(Variant::Double(-0.5).lAlsLong(), 0);
    for (const char* t : {"", "12a", "1 2", "&H"}) {
        EXPECT_EQ(fehlerVon([&] { Variant(t).lAlsLong(); }), FEHLER_TYPEN) << t;
    }
    for (const char* t : {"2147483648", "&H100000000"}) {
        EXPECT_EQ(fehlerVon([&] { Variant(t).lAlsLong(); }), FEHLER_UEBERLAUF) << t;
    }
    EXPECT_EQ(fehlerVon([] { Variant::Double(3e9).lAlsLong(); }), FEHLER_UEBERLAUF);
    EXPECT_EQ(fehlerVon([] { Variant(TextTabelle(1, 1)).lAlsLong(); }), FEHLER_TYPEN);
}

}  // namespace
}  // namespace rastfang
