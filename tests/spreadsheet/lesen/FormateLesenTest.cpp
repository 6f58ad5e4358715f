// Reading delimited text: separators, encodings, quotes, regional numbers and dates.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

using rastfang::test::gsTestdatei;

namespace rastfang::spreadsheet::test {

TEST(CsvLesen, SemikolonUtf8UndWindows1252) {
    for (const char* datei : {"lesen_utf8.csv", "lesen_cp1252.csv"}) {
        Geoeffnet g(gsTestdatei(QString::fromLatin1(datei)));
        SCOPED_TRACE(datei);
        ASSERT_EQ(g.Namen(), QStringList{QString::fromLatin1(datei).section(u'.', 0, 0)});
        EXPECT_EQ(g.Text(0, 1, 1), QStringLiteral("Name"));
        EXPECT_EQ(g.Text(0, 2, 1), QStringLiteral("Müller"));
        EXPECT_EQ(g.Text(0, 2, 2), QStringLiteral("Jürgen"));
        EXPECT_EQ(g.Text(0, 2, 3), QStringLiteral("07.03.2005"));
        EXPECT_EQ(g.Wert(0, 2, 3), QStringLiteral("07.03.2005"));
        EXPECT_EQ(g.Text(0, 2, 4), QStringLiteral("2,25"));
        EXPECT_EQ(g.Text(0, 2, 5), QStringLiteral("12,5%"));
        EXPECT_EQ(g.Wert(0, 2, 5), QStringLiteral("0,125"));
        EXPECT_EQ(g.Text(0, 2, 6), QStringLiteral("WAHR"));
        EXPECT_EQ(g.Text(0, 3, 1), QStringLiteral("Schmidt; Anna"));
        EXPECT_EQ(g.Text(0, 3, 2), QStringLiteral("Zitat \"x\""));
        EXPECT_EQ(g.Text(0, 3, 3), QStringLiteral("01.01.1999"));
        EXPECT_EQ(g.Wert(0, 3, 4), QStringLiteral("1234,5"));
        EXPECT_EQ(g.Text(0, 3, 5), QString());
        EXPECT_EQ(g.Text(0, 4, 1), QStringLiteral("Öztürk"));
        EXPECT_EQ(g.Text(0, 4, 4), QStringLiteral("815"));
        EXPECT_EQ(g.B(0).AnzahlZeilen(), 4);
    }
}

TEST(CsvLesen, TabulatorUndKomma) {
    Geoeffnet tab(gsTestdatei(QStringLiteral("lesen_tab.txt")));
    EXPECT_EQ(tab.Namen(), QStringList{QStringLiteral("lesen_tab")});
    EXPECT_EQ(tab.Text(0, 2, 1), QStringLiteral("Bäcker"));
    EXPECT_EQ(tab.Wert(0, 2, 2), QStringLiteral("1,5"));
    Geoeffnet komma(gsTestdatei(QStringLiteral("lesen_komma.csv")));
    EXPECT_EQ(komma.Text(0, 1, 2), QStringLiteral("Note"));
    EXPECT_EQ(komma.Text(0, 2, 1), QStringLiteral("Becker"));
    EXPECT_EQ(komma.Wert(0, 2, 2), QStringLiteral("2"));
}

}  // namespace rastfang::spreadsheet::test
