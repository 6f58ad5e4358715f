#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "TestHilfen.h"
#include "basis/Int16.h"
#include "basis/Plattform.h"
#include "basis/VbFehler.h"
#include "basis/VbText.h"

using namespace rastfang;

TEST(VbCode, HasFiveDecimalDigitsOrHexWithH) {
    const std::pair<int32_t, const char*> faelle[] = {
        {0, "VB00000"},      {70, "VB00070"},     {1004, "VB01004"},           {65535, "VB65535"},
        {65536, "VB10000H"}, {-1, "VBFFFFFFFFH"}, {-2147221504, "VB80040000H"}};
    for (const auto& [lNummer, sCode] : faelle) EXPECT_EQ(gsVbCode(lNummer), sCode) << lNummer;
}

TEST(VbFehler, CarriesTheGermanDescriptionOfItsNumber) {
    EXPECT_EQ(VbFehler(FEHLER_UEBERLAUF).Description(), "Überlauf");
    EXPECT_EQ(VbFehler(FEHLER_INDEX).Description(), "Index außerhalb des gültigen Bereichs");
    EXPECT_EQ(VbFehler(1004, "Die Datei x fehlt").Description(), "Die Datei x fehlt");
    const PendingError p = gAktuellerFehler(std::make_exception_ptr(VbFehler(70)));
    EXPECT_EQ(std::pair(p.lNummer, p.sBeschreibung), std::pair(70, QString("Zugriff verweigert")));
    EXPECT_EQ(gAktuellerFehler(std::make_exception_ptr(std::bad_alloc())).lNummer, 7);
}

TEST(Int16, ConvertsLikeVbWithOverflowOutsideTheRange) {
    int16_t i = 32766;
    EXPECT_EQ(giErhoehe(i), 32767);
    EXPECT_EQ(test::giFehler([&] { giErhoehe(i); }), FEHLER_UEBERLAUF);
    EXPECT_EQ(i, 32767);  // the failed operation leaves the counter alone
    EXPECT_EQ(giInt16(-32768), -32768);
    EXPECT_THROW(giInt16(-32769), VbFehler);
    const std::pair<double, int16_t> gerundet[] = {
        {2.5, 2}, {3.5, 4}, {0.4, 0}, {-2.5, -2}, {32767.4, 32767}};
    for (const auto& [d, iErwartet] : gerundet) EXPECT_EQ(giRundeInt16(d), iErwartet) << d;
    EXPECT_THROW(giRundeInt16(32767.5), VbFehler);
    EXPECT_EQ(giFloorInt16(-11.5), -12);  // Int(): floor, not truncation
}

TEST(VbText, TrimRemovesOnlyBlanksAndValReadsTheLeadingNumberIgnoringBlanks) {
    for (const auto& [sText, sErwartet] :
         {std::pair{"  a b  ", "a b"}, {"\ta\t", "\ta\t"}, {"   ", ""}})
        EXPECT_EQ(gsTrim(sText), sErwartet);
    const std::pair<const char*, double> faelle[] = {
        {"12", 12},      {"3x", 3},          {"1.5", 1.5}, {"   7", 7},      {"1 2 3", 123},
        {"0,5", 0},      {"-3", -3},         {"abc", 0},   {"-", 0},         {"1e2x", 100},
        {"1e", 1},       {".5", 0.5},        {"&H10", 16}, {"&HFFFF", -1},   {"&O17", 15},
        {"+2.25", 2.25}, {"-1.75e1", -17.5}, {"1.", 1},    {"0.000e999", 0}, {"0.001e-400", 0}};
    for (const auto& [sText, dErwartet] : faelle)
        EXPECT_DOUBLE_EQ(gdVal(sText), dErwartet) << sText;
    EXPECT_THROW(gdVal("1e400"), VbFehler);
    EXPECT_THROW(gdVal("0.1e310"), VbFehler);
}

TEST(MauszeigerTausch, NestedGuardsPutBackWhatWasInstalledBefore) {
    Mauszeiger* const vorher = &gMauszeiger();
    MerkenderMauszeiger aussen, innen;
    auto t1 = std::make_unique<MauszeigerTausch>(aussen);
    auto t2 = std::make_unique<MauszeigerTausch>(innen);
    EXPECT_EQ(&gMauszeiger(), &innen);
    t2.reset();
    EXPECT_EQ(&gMauszeiger(), &aussen);
    t1.reset();
    EXPECT_EQ(&gMauszeiger(), vorher);
}
