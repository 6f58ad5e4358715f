// Reading the other formats: .ods and .xls made by LibreOffice, delimited text.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

using rastfang::test::gsTestdatei;

namespace rastfang::tabelle::test {

TEST(OdsLesen, BlaetterZellenUndFormate) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_formate.ods")));
    EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Noten"), QStringLiteral("Übersicht"),
                                      QStringLiteral("Versteckt"), QStringLiteral("Letzte")}));
    EXPECT_TRUE(g.B(2).Versteckt());
    EXPECT_FALSE(g.B(0).Versteckt());
    // rows as in lesen_formate.xlsx
    EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("2,25"));
    EXPECT_EQ(g.Text(0, 2, 2), QStringLiteral("0,3333333333"));
    EXPECT_EQ(g.Text(0, 6, 2), QStringLiteral("2,3"));
    EXPECT_EQ(g.Wert(0, 6, 2), QStringLiteral("2,25"));
    EXPECT_EQ(g.Text(0, 8, 2), QStringLiteral("1.234.568"));
    EXPECT_EQ(g.Text(0, 9, 2), QStringLiteral("-1.234,50"));
    EXPECT_EQ(g.Text(0, 10, 2), QStringLiteral("13%"));
    EXPECT_EQ(g.Text(0, 11, 2), QStringLiteral("12,50%"));
    EXPECT_EQ(g.Text(0, 12, 2), QStringLiteral("0815"));
    EXPECT_EQ(g.Text(0, 13, 2), QStringLiteral("Note: 2,5"));
    EXPECT_EQ(g.Text(0, 14, 2), QStringLiteral("-3,0"));
    EXPECT_EQ(g.Text(0, 15, 2), QStringLiteral("null"));
    EXPECT_EQ(g.Text(0, 17, 2), QStringLiteral("07.03.2005"));
    EXPECT_EQ(g.Wert(0, 17, 2), QStringLiteral("07.03.2005"));
    EXPECT_EQ(g.Text(0, 18, 2), QStringLiteral("Montag, 4. März 2024"));
    EXPECT_EQ(g.Text(0, 20, 2), QStringLiteral("13:45:30"));
    EXPECT_EQ(g.Wert(0, 20, 2), QStringLiteral("13:45:30"));
    EXPECT_EQ(g.Text(0, 22, 2), QStringLiteral("WAHR"));
    EXPECT_EQ(g.Wert(0, 23, 2), QStringLiteral("Falsch"));
    EXPECT_EQ(g.Text(0, 25, 2), QStringLiteral("Müller-Lüdenscheidt, Jürgen"));
    EXPECT_EQ(g.Text(0, 40, 30), QStringLiteral("weit"));
    EXPECT_EQ(g.Text(1, 2, 1), QStringLiteral("Bäcker"));
    EXPECT_EQ(g.Text(3, 3, 3), QStringLiteral("ß"));
}

TEST(OdsLesen, FormelergebnisseUndFehlerwerte) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_formeln.ods")));
    EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Formeln"), QStringLiteral("Zweite")}));
    EXPECT_EQ(g.Text(0, 2, 1), QStringLiteral("3"));
    EXPECT_EQ(g.Text(0, 3, 1), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(g.Text(0, 4, 1), QStringLiteral("Größe"));
    EXPECT_EQ(g.Text(0, 5, 1), QStringLiteral("WAHR"));
    EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("31.12.1999"));
    EXPECT_EQ(g.Text(1, 1, 1), QStringLiteral("Straße"));
}

TEST(XlsLesen, BlaetterZellenUndDaten) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_formate.xls")));
    EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Noten"), QStringLiteral("Übersicht"),
                                      QStringLiteral("Versteckt"), QStringLiteral("Letzte")}));
    EXPECT_EQ(g.Text(0, 1, 1), QStringLiteral("allgemein"));
    EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("2,25"));
    EXPECT_EQ(g.Wert(0, 4, 2), QStringLiteral("42"));
    EXPECT_EQ(g.Text(0, 17, 2), QStringLiteral("07.03.2005"));
    EXPECT_EQ(g.Wert(0, 17, 2), QStringLiteral("07.03.2005"));
    EXPECT_EQ(g.Wert(0, 21, 2), QStringLiteral("15.01.2024 08:30:00"));
    EXPECT_EQ(g.Text(0, 25, 2), QStringLiteral("Müller-Lüdenscheidt, Jürgen"));
    EXPECT_EQ(g.Text(1, 2, 1), QStringLiteral("Bäcker"));
    EXPECT_EQ(g.Wert(1, 2, 2), QStringLiteral("1,75"));
    EXPECT_EQ(g.Text(3, 3, 3), QStringLiteral("ß"));
}

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

}  // namespace rastfang::tabelle::test
