// Filling the four column entries after the name column; the window's behaviour is in FensterTest.
#include <gtest/gtest.h>

#include "app/Spaltenfuellung.h"

using Spalten = std::array<QString, 6>;

TEST(Spaltenfuellung, FillsOnlyAfterAValidNameIntoEmptyEntries) {
    const std::vector<std::pair<Spalten, Spalten>> gefuellt{
        {{" d ", "", "", "", "", ""}, {" d ", "E", "F", "G", "H", ""}},
        {{"az", "  ", "", "", "", "A"}, {"az", "BA", "BB", "BC", "BD", "A"}},
        {{"IU", "", "", "", "", ""}, {"IU", "IV", "", "", "", ""}},
    };
    for (auto [s, erwartet] : gefuellt) {
        EXPECT_TRUE(rastfang::gbSpaltenFuellen(s)) << s[0].toStdString();
        EXPECT_EQ(s, erwartet);
    }
    // Nothing when one of the four holds text or the name is no column.
    for (const Spalten& vorher : {Spalten{"D", "", "", "K", "", ""}, Spalten{""}, Spalten{"   "},
                                  Spalten{"ZZ"}, Spalten{"A1"}, Spalten{"ABC"}, Spalten{"IW"}}) {
        Spalten s = vorher;
        EXPECT_FALSE(rastfang::gbSpaltenFuellen(s)) << s[0].toStdString();
        EXPECT_EQ(s, vorher);
    }
}
