// Column letters and grade rounding: the two pure rules of the reader.
#include <gtest/gtest.h>

#include "CXLSread.h"
#include "Notenrundung.h"
#include "VbFehler.h"

using namespace rastfang;

TEST(Spaltenbuchstaben, LettersToNumbersAndBack) {
    const CXLSread leser;
    EXPECT_EQ(leser.ErmittleSpaltenNr(" a "), 1);
    EXPECT_EQ(leser.ErmittleSpaltenNr("Z"), 26);
    EXPECT_EQ(leser.ErmittleSpaltenNr("AA"), 27);
    EXPECT_EQ(leser.ErmittleSpaltenNr("az"), 52);
    EXPECT_EQ(leser.ErmittleSpaltenNr("BA"), 53);
    EXPECT_EQ(leser.ErmittleSpaltenNr("dn"), 118);
    EXPECT_EQ(leser.ErmittleSpaltenNr("HZ"), 234);
    EXPECT_EQ(leser.ErmittleSpaltenNr("IA"), 235);
    EXPECT_EQ(leser.ErmittleSpaltenNr("  IV  "), 256);
    for (const char* ungueltig :
         {"IW", "IZ", "JA", "ZZ", "A1", "1", "ABC", "", "   ", "\tA", "Ä", "A B", "-"}) {
        EXPECT_EQ(leser.ErmittleSpaltenNr(QString::fromUtf8(ungueltig)), 0) << ungueltig;
    }
    // "ß" upper-cases to two letters as a whole text; it must not become a column.
    EXPECT_EQ(leser.ErmittleSpaltenNr(QStringLiteral("ß")), 0);

    EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(1), "A");
    EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(26), "Z");
    EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(27), "AA");
    EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(28), "AB");
    EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(234), "HZ");
    EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(256), "IV");
    for (int16_t n : {0, -1, 257, 32767, -32768}) {
        EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(n), "") << n;
    }
    // Every column survives the round trip, in upper case.
    for (int16_t n = 1; n <= 256; ++n) {
        const QString s = leser.ErmittleSpaltenBuchstaben(n);
        EXPECT_EQ(leser.ErmittleSpaltenNr(s.toLower()), n) << s.toStdString();
    }
}

TEST(Notenrundung, OneDecimalHalvesUpWithGermanComma) {
    EXPECT_EQ(gsNoteRunden("2,25"), "2,3");
    EXPECT_EQ(gsNoteRunden("1,75"), "1,8");
    EXPECT_EQ(gsNoteRunden("1.04"), "1,0");
    EXPECT_EQ(gsNoteRunden("-1,25"), "-1,2");
    EXPECT_EQ(gsNoteRunden("-0,3"), "-0,3");
    EXPECT_EQ(gsNoteRunden("2"), "2,0");
    EXPECT_EQ(gsNoteRunden("0,04"), "0,0");
    EXPECT_EQ(gsNoteRunden("-0,04"), "0,0");
    EXPECT_EQ(gsNoteRunden("2,5 Punkte"), "2,5");
    EXPECT_EQ(gsNoteRunden(" 3,14 "), "3,1");
    EXPECT_EQ(gsNoteRunden("1e1"), "10,0");
    EXPECT_EQ(gsNoteRunden("3276,74"), "3276,7");
    EXPECT_EQ(gsNoteRunden("-3276,8"), "-3276,8");
    // Whatever reads as zero comes back as it was.
    for (const char* gleich : {"", "  ", "0", "0,0", "-", "gut"}) {
        EXPECT_EQ(gsNoteRunden(QString::fromUtf8(gleich)), QString::fromUtf8(gleich)) << gleich;
    }
    // A leading comma is a decimal point too.
    EXPECT_EQ(gsNoteRunden(",5x"), "0,5");
    for (const char* zuGross : {"3276,75", "5000", "-3276,9", "1e300"}) {
        try {
            gsNoteRunden(QString::fromUtf8(zuGross));
            ADD_FAILURE() << "no overflow for " << zuGross;
        } catch (const VbFehler& e) {
            EXPECT_EQ(e.Number(), FEHLER_UEBERLAUF) << zuGross;
        }
    }
}
