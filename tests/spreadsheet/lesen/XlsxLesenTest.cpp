// Reading .xlsx files made by openpyxl and by LibreOffice: sheets, cells, formats, dates.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

using rastfang::test::gsTestdatei;

namespace rastfang::tabelle::test {

namespace {

/// Row of label `sName` in column A of the "Noten" sheet of lesen_formate.xlsx.
int32_t giZeile(Geoeffnet& g, const QString& sName) {
    for (int32_t z = 1; z <= g.B(0).AnzahlZeilen(); ++z) {
        if (g.Text(0, z, 1) == sName) return z;
    }
    ADD_FAILURE() << "no row " << sName.toStdString();
    return 0;
}

}  // namespace

TEST(XlsxLesen, BlaetterInReihenfolgeMitUmlautenUndVersteckten) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_formate.xlsx")));
    EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Noten"), QStringLiteral("Übersicht"),
                                      QStringLiteral("Versteckt"), QStringLiteral("Letzte")}));
    EXPECT_FALSE(g.B(1).Versteckt());
    EXPECT_TRUE(g.B(2).Versteckt());
    EXPECT_EQ(g.Text(1, 2, 1), QStringLiteral("Bäcker"));
    EXPECT_EQ(g.Wert(1, 2, 2), QStringLiteral("1,75"));
    EXPECT_EQ(g.Text(2, 1, 1), QStringLiteral("geheim"));
    EXPECT_EQ(g.Text(3, 3, 3), QStringLiteral("ß"));
    EXPECT_EQ(g.Text(3, 1, 1), QString());
    EXPECT_EQ(g.mappe->sPfad, gsTestdatei(QStringLiteral("lesen_formate.xlsx")));
    EXPECT_FALSE(g.mappe->b1904);
}

TEST(XlsxLesen, TextUndWertDerselbenZellen) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_formate.xlsx")));
    struct Fall {
        const char* name;
        const char* text;
        const char* wert;
    };
    const Fall faelle[] = {
        {"allgemein", "2,25", "2,25"},
        {"drittel", "0,3333333333", "0,333333333333333"},
        {"gross", "1,23457E+11", "123456789012"},
        {"ganz", "42", "42"},
        {"null", "0", "0"},
        {"eine Stelle", "2,3", "2,25"},
        {"zwei Stellen", "1,01", "1,005"},
        {"tausender", "1.234.568", "1234567,891"},
        {"tausender2", "-1.234,50", "-1234,5"},
        {"prozent", "13%", "0,125"},
        {"prozent2", "12,50%", "0,125"},
        {"text", "0815", "0815"},
        {"literal", "Note: 2,5", "2,5"},
        {"abschnitte", "-3,0", "-3"},
        {"abschnitte0", "null", "0"},
        {"datum14", "15.01.2024", "15.01.2024"},
        {"datum", "07.03.2005", "07.03.2005"},
        {"lang", "Montag, 4. März 2024", "04.03.2024"},
        {"kurz", "Mo, 04. Mrz 24", "04.03.2024"},
        {"zeit", "13:45:30", "13:45:30"},
        {"datumzeit", "15.01.2024 08:30", "15.01.2024 08:30:00"},
        {"wahr", "WAHR", "Wahr"},
        {"falsch", "FALSCH", "Falsch"},
        {"fehler", "#DIV/0!", "#DIV/0!"},
        {"umlaut", "Müller-Lüdenscheidt, Jürgen", "Müller-Lüdenscheidt, Jürgen"},
        {"locale", "1.234,50", "1234,5"},
        {"waehrung", "1.234,50 €", "1234,5"},
        {"summe", "0,3", "0,3"},
        {"wert", "3276,8", "3276,75"},
    };
    for (const Fall& f : faelle) {
        const int32_t z = giZeile(g, QString::fromUtf8(f.name));
        EXPECT_EQ(g.Text(0, z, 2), QString::fromUtf8(f.text)) << f.name;
        EXPECT_EQ(g.Wert(0, z, 2), QString::fromUtf8(f.wert)) << f.name;
    }
    EXPECT_EQ(g.Text(0, 40, 30), QStringLiteral("weit"));
    EXPECT_EQ(g.Text(0, 39, 30), QString());
    EXPECT_EQ(g.Wert(0, 40, 29), QString());
    EXPECT_DOUBLE_EQ(g.B(0).Spaltenbreite(1), 20);
}

TEST(XlsxLesen, Datumssystem1904) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_1904.xlsx")));
    EXPECT_TRUE(g.mappe->b1904);
    EXPECT_EQ(g.Text(0, 1, 1), QStringLiteral("15.01.2024"));
    EXPECT_EQ(g.Wert(0, 1, 1), QStringLiteral("15.01.2024"));
    EXPECT_EQ(g.Text(0, 2, 1), QStringLiteral("5"));
}

TEST(XlsxLesen, LibreOfficeMitGeteiltenTextenUndFormelergebnissen) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_libre.xlsx")));
    EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Formeln"), QStringLiteral("Zweite")}));
    EXPECT_EQ(g.Text(0, 2, 1), QStringLiteral("3"));
    EXPECT_EQ(g.Text(0, 3, 1), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(g.Text(0, 4, 1), QStringLiteral("Größe"));
    EXPECT_EQ(g.Text(0, 5, 1), QStringLiteral("WAHR"));
    EXPECT_EQ(g.Text(0, 6, 1), QStringLiteral("Name"));
    EXPECT_EQ(g.Text(0, 7, 1), QStringLiteral("Name"));
    EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("31.12.1999"));
    EXPECT_EQ(g.Text(0, 2, 2), QStringLiteral("2,3"));
    EXPECT_EQ(g.Wert(0, 2, 2), QStringLiteral("2,25"));
    EXPECT_EQ(g.Text(1, 1, 1), QStringLiteral("Straße"));
    EXPECT_EQ(g.Wert(1, 1, 2), QStringLiteral("7"));
}

}  // namespace rastfang::tabelle::test
