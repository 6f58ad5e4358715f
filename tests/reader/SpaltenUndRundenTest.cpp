// Column letters and grade rounding: the two pure rules of the reader.
#include <gtest/gtest.h>

#include "basis/VbFehler.h"
#include "reader/CXLSread.h"
#include "reader/Notenrundung.h"

using namespace rastfang;

TEST(Spaltenbuchstaben, LettersToNumbersAndBack) {
    const CXLSread leser;
    const std::pair<const char*, int16_t> faelle[] = {
        {" a ", 1},  {"Z", 26},   {"AA", 27},      {"az", 52}, {"BA", 53}, {"dn", 118},
        {"HZ", 234}, {"IA", 235}, {"  IV  ", 256}, {"IW", 0},  {"IZ", 0},  {"JA", 0},
        {"ZZ", 0},   {"A1", 0},   {"1", 0},        {"ABC", 0}, {"", 0},    {"   ", 0},
        {"\tA", 0},  {"Ä", 0},    {"A B", 0},      {"-", 0},   {"ß", 0},  // "ß" upper-cases to "SS"
    };
    for (const auto& [s, n] : faelle) {
        EXPECT_EQ(leser.ErmittleSpaltenNr(QString::fromUtf8(s)), n) << s;
    }

    const std::pair<int16_t, const char*> buchstaben[] = {
        {1, "A"}, {26, "Z"}, {27, "AA"}, {28, "AB"},  {234, "HZ"},  {256, "IV"},
        {0, ""},  {-1, ""},  {257, ""},  {32767, ""}, {-32768, ""},
    };
    for (const auto& [n, s] : buchstaben) EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(n), s) << n;
    // Every column survives the round trip, in upper case.
    for (int16_t n = 1; n <= 256; ++n) {
        const QString s = leser.ErmittleSpaltenBuchstaben(n);
        EXPECT_EQ(s, s.toUpper());
        EXPECT_EQ(leser.ErmittleSpaltenNr(s.toLower()), n) << s.toStdString();
    }
}

TEST(Notenrundung, OneDecimalHalvesUpWithGermanComma) {
    // Whatever reads as zero comes back as it was; a leading comma is a decimal point too.
    const std::pair<const char*, const char*> faelle[] = {
        {"2,25", "2,3"},   {"1,75", "1,8"},    {"1.04", "1,0"},
        {"-1,25", "-1,2"}, {"-0,3", "-0,3"},   {"2", "2,0"},
        {"0,04", "0,0"},   {"-0,04", "0,0"},   {"2,5 Pkt", "2,5"},
        {" 3,14 ", "3,1"}, {"1e1", "10,0"},    {"3276,74", "3276,7"},
        {",5x", "0,5"},    {"", ""},           {"-3276,8", "-3276,8"},
        {"  ", "  "},      {"0", "0"},         {"0,0", "0,0"},
        {"-", "-"},        {"gut", "gut"},     {"2,", "2,0"},
        {"-2,96", "-3,0"}, {"12,349", "12,3"}, {"3,-1", "3,0"},
    };
    for (const auto& [s, soll] : faelle) EXPECT_EQ(gsNoteRunden(QString::fromUtf8(s)), soll) << s;
    for (const char* zuGross : {"3276,75", "5000", "-3276,9", "1e300"}) {
        try {
            gsNoteRunden(QString::fromUtf8(zuGross));
            ADD_FAILURE() << "no overflow for " << zuGross;
        } catch (const VbFehler& e) {
            EXPECT_EQ(e.Number(), FEHLER_UEBERLAUF) << zuGross;
        }
    }
}
