#include <gtest/gtest.h>

#include "AppHilfen.h"
#include "app/Zusammenfassung.h"

using rastfang::gsZusammenfassung;
using rastfang::test::gsErwarteteZusammenfassung;

TEST(Zusammenfassung, FilterLineShowsTheValueAsTyped) {
    const std::vector<rastfang::TabellenAnzahl> zwei{{"Klasse 10a", "4"}, {"Klasse 10b", "3"}};
    for (const auto& [bFilter, sWert, sZeile] :
         {std::tuple{false, "BK1", "ohne"}, {true, " bk1 ", "' bk1 '"}, {true, "", "''"}})
        EXPECT_EQ(gsZusammenfassung(bFilter, sWert, zwei),
                  gsErwarteteZusammenfassung(sZeile, 4, 3));
}

TEST(Zusammenfassung, NamesFillTwentySixColumnsCountsFour) {
    const std::vector<rastfang::TabellenAnzahl> tabellen{{"Leer", "0"},
                                                         {"Genau fünfundzwanzig Zeic", "1234"},
                                                         {"Ein Name mit dreißig Zeichen..", "5"},
                                                         {"Viele", "123456"}};
    // Names filled to 26 (a longer one keeps one blank), counts right-aligned in 4, more than
    // four digits lose the leading ones.
    EXPECT_EQ(
        gsZusammenfassung(false, QString(), tabellen).split("\r\n").mid(4),
        (QStringList{"Leer                         0", "Genau fünfundzwanzig Zeic 1234",
                     "Ein Name mit dreißig Zeichen..    5", "Viele                     3456"}));
}
