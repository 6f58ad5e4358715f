#include <gtest/gtest.h>

#include "basis/Int16.h"
#include "basis/Plattform.h"
#include "basis/VbFehler.h"
#include "basis/VbText.h"

using namespace rastfang;

TEST(VbCode, FiveDigitsOrHexWithH) {
    EXPECT_EQ(gsVbCode(0), "VB00000");
    EXPECT_EQ(gsVbCode(5), "VB00005");
    EXPECT_EQ(gsVbCode(70), "VB00070");
    EXPECT_EQ(gsVbCode(1004), "VB01004");
    EXPECT_EQ(gsVbCode(65535), "VB65535");
    EXPECT_EQ(gsVbCode(65536), "VB10000H");
    EXPECT_EQ(gsVbCode(-1), "VBFFFFFFFFH");
    EXPECT_EQ(gsVbCode(-2147221504), "VB80040000H");
}

TEST(VbFehler, CarriesNumberAndGermanDescription) {
    const VbFehler e(FEHLER_UEBERLAUF);
    EXPECT_EQ(e.Number(), 6);
    EXPECT_EQ(e.Description(), "Überlauf");
    EXPECT_EQ(VbFehler(FEHLER_INDEX).Description(), "Index außerhalb des gültigen Bereichs");
    EXPECT_EQ(VbFehler(1004, "Die Datei x fehlt").Description(), "Die Datei x fehlt");
    const PendingError p = gAktuellerFehler(std::make_exception_ptr(VbFehler(70)));
    EXPECT_EQ(p.lNummer, 70);
    EXPECT_EQ(p.sBeschreibung, "Zugriff verweigert");
    EXPECT_EQ(gAktuellerFehler(std::make_exception_ptr(std::bad_alloc())).lNummer, 7);
}

TEST(Int16, OverflowRaisesErrorSix) {
    int16_t i = 32766;
    EXPECT_EQ(giErhoehe(i), 32767);
    try {
        giErhoehe(i);
        FAIL() << "no overflow";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), 6);
    }
    EXPECT_EQ(i, 32767);  // the failed operation leaves the counter alone
    EXPECT_THROW(giInt16(-32769), VbFehler);
    EXPECT_EQ(giInt16(-32768), -32768);
    // CInt rounds half to even.
    EXPECT_EQ(giRundeInt16(2.5), 2);
    EXPECT_EQ(giRundeInt16(3.5), 4);
    EXPECT_EQ(giRundeInt16(0.4), 0);
    EXPECT_EQ(giRundeInt16(-2.5), -2);
    EXPECT_EQ(giRundeInt16(32767.4), 32767);
    EXPECT_THROW(giRundeInt16(32767.5), VbFehler);
    EXPECT_EQ(giFloorInt16(-1.25 * 10 + 0.5), -12);
}

TEST(VbText, TrimOnlyBlanksAndValReadsTheLeadingNumber) {
    EXPECT_EQ(gsTrim("  a b  "), "a b");
    EXPECT_EQ(gsTrim("\ta\t"), "\ta\t");
    EXPECT_EQ(gsTrim("   "), "");
    EXPECT_DOUBLE_EQ(gdVal("12"), 12);
    EXPECT_DOUBLE_EQ(gdVal("3x"), 3);
    EXPECT_DOUBLE_EQ(gdVal("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(gdVal("   7"), 7);
    EXPECT_DOUBLE_EQ(gdVal("1 2 3"), 123);
    EXPECT_DOUBLE_EQ(gdVal("0,5"), 0);
    EXPECT_DOUBLE_EQ(gdVal("-3"), -3);
    EXPECT_DOUBLE_EQ(gdVal("abc"), 0);
    EXPECT_DOUBLE_EQ(gdVal("-"), 0);
    EXPECT_DOUBLE_EQ(gdVal("1e2x"), 100);
    EXPECT_DOUBLE_EQ(gdVal("1e"), 1);
    EXPECT_DOUBLE_EQ(gdVal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(gdVal("&H10"), 16);
    EXPECT_DOUBLE_EQ(gdVal("&HFFFF"), -1);
    EXPECT_DOUBLE_EQ(gdVal("&O17"), 15);
    EXPECT_DOUBLE_EQ(gdVal("+2.25"), 2.25);
    EXPECT_DOUBLE_EQ(gdVal("-1.75e1"), -17.5);
    EXPECT_DOUBLE_EQ(gdVal("1."), 1);
    EXPECT_DOUBLE_EQ(gdVal("0.000e999"), 0);
    EXPECT_DOUBLE_EQ(gdVal("0.001e-400"), 0);
    EXPECT_THROW(gdVal("1e400"), VbFehler);
    EXPECT_THROW(gdVal("0.1e310"), VbFehler);
}

TEST(NahtTausch, NestedGuardsPutBackWhatWasInstalledBefore) {
    Mauszeiger* const vorher = &gMauszeiger();
    MerkenderMauszeiger aussen, innen;
    {
        const MauszeigerTausch t1(aussen);
        EXPECT_EQ(&gMauszeiger(), &aussen);
        {
            const MauszeigerTausch t2(innen);
            EXPECT_EQ(&gMauszeiger(), &innen);
        }
        EXPECT_EQ(&gMauszeiger(), &aussen);
    }
    EXPECT_EQ(&gMauszeiger(), vorher);
}
