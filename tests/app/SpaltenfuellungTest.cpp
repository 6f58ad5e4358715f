// Filling the four column entries after the name column.
#include <gtest/gtest.h>

#include "Spaltenfuellung.h"

using rastfang::gbSpaltenFuellen;
using Spalten = std::array<QString, 6>;

TEST(Spaltenfuellung, FolgtDerNamensspalte) {
    Spalten s{QStringLiteral(" d "), {}, {}, {}, {}, {}};
    EXPECT_TRUE(gbSpaltenFuellen(s));
    EXPECT_EQ(s, (Spalten{QStringLiteral(" d "), "E", "F", "G", "H", ""}));

    Spalten az{QStringLiteral("az"), QStringLiteral("  "), {}, {}, {}, QStringLiteral("A")};
    EXPECT_TRUE(gbSpaltenFuellen(az));
    EXPECT_EQ(az, (Spalten{"az", "BA", "BB", "BC", "BD", "A"}));

    // Past IV there is no column: the remaining entries become empty.
    Spalten iu{QStringLiteral("IU"), {}, {}, {}, {}, {}};
    EXPECT_TRUE(gbSpaltenFuellen(iu));
    EXPECT_EQ(iu, (Spalten{"IU", "IV", "", "", "", ""}));
}

TEST(Spaltenfuellung, NichtsWennBelegtOderUngueltig) {
    Spalten beruf{QStringLiteral("D"), {}, {}, QStringLiteral("K"), {}, {}};
    EXPECT_FALSE(gbSpaltenFuellen(beruf));
    EXPECT_EQ(beruf, (Spalten{"D", "", "", "K", "", ""}));

    for (const char* name : {"", "   ", "ZZ", "A1", "ABC", "IW"}) {
        Spalten s{QString::fromUtf8(name), {}, {}, {}, {}, {}};
        EXPECT_FALSE(gbSpaltenFuellen(s)) << name;
        EXPECT_EQ(s[1], QString()) << name;
    }
}
