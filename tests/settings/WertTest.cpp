// The tagged value: its kinds, its text form and its conversion to a 32-bit integer.
#include <gtest/gtest.h>

#include "SettingsUmgebung.h"
#include "Wert.h"

namespace rastfang {
namespace {

int32_t fehlerVon(const Variant& v) {
    try {
        v.lAlsLong();
    } catch (const VbFehler& e) {
        return e.Number();
    }
    return 0;
}

TEST(Wert, ArtenUndTextform) {
    EXPECT_EQ(Variant().art(), Variant::Art::Empty);
    EXPECT_EQ(Variant(0).art(), Variant::Art::Long);
    EXPECT_EQ(Variant(int16_t{0}).art(), Variant::Art::Integer);
    EXPECT_EQ(Variant("x").art(), Variant::Art::Text);
    EXPECT_NE(Variant(int16_t{5}), Variant(5));  // same number, different kind

    EXPECT_EQ(Variant().Text(), "");
    EXPECT_EQ(Variant(int16_t{-32768}).Text(), "-32768");
    EXPECT_EQ(Variant(2147483647).Text(), "2147483647");
    EXPECT_EQ(Variant(" x ").Text(), " x ");
    EXPECT_EQ(Variant::Double(1.5).Text(), "1,5");
    EXPECT_EQ(Variant::Boolean(true).Text(), "Wahr");
    EXPECT_THROW(Variant(TextTabelle(1, 2)).Text(), VbFehler);
    EXPECT_THROW(Variant(3).sWert(), VbFehler);
    EXPECT_THROW(Variant("3").lWert(), VbFehler);

    TextTabelle t(2, 2);
    t.Zelle(1, 1) = "w";
    EXPECT_EQ(t.Zelle(1, 1), "w");
    EXPECT_EQ(t.Zelle(0, 1), "");
    EXPECT_THROW(t.Zelle(2, 0), VbFehler);
    EXPECT_THROW(t.Zelle(0, -1), VbFehler);
}

TEST(Wert, UmwandlungInLong) {
    EXPECT_EQ(Variant().lAlsLong(), 0);
    EXPECT_EQ(Variant(int16_t{-5}).lAlsLong(), -5);
    EXPECT_EQ(Variant(" 12 ").lAlsLong(), 12);
    EXPECT_EQ(Variant("\t+12\t").lAlsLong(), 12);
    EXPECT_EQ(Variant("-2147483648").lAlsLong(), INT32_MIN);
    EXPECT_EQ(Variant("2.5").lAlsLong(), 2);  // half to even
    EXPECT_EQ(Variant("3.5").lAlsLong(), 4);
    EXPECT_EQ(Variant("1e3").lAlsLong(), 1000);
    EXPECT_EQ(Variant("&H10").lAlsLong(), 16);
    EXPECT_EQ(Variant("&hFFFFFFFF").lAlsLong(), -1);
    EXPECT_EQ(Variant("&O17").lAlsLong(), 15);
    EXPECT_EQ(Variant::Boolean(true).lAlsLong(), -1);
    EXPECT_EQ(Variant::Double(-0.5).lAlsLong(), 0);
    EXPECT_EQ(fehlerVon(Variant("")), FEHLER_TYPEN);
    EXPECT_EQ(fehlerVon(Variant("12a")), FEHLER_TYPEN);
    EXPECT_EQ(fehlerVon(Variant("1 2")), FEHLER_TYPEN);
    EXPECT_EQ(fehlerVon(Variant("&H")), FEHLER_TYPEN);
    EXPECT_EQ(fehlerVon(Variant("2147483648")), FEHLER_UEBERLAUF);
    EXPECT_EQ(fehlerVon(Variant("&H100000000")), FEHLER_UEBERLAUF);
    EXPECT_EQ(fehlerVon(Variant::Double(3e9)), FEHLER_UEBERLAUF);
    EXPECT_EQ(fehlerVon(Variant(TextTabelle(1, 1))), FEHLER_TYPEN);
}

}  // namespace
}  // namespace rastfang
