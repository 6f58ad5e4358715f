// Reading lesen_formate in its three workbook formats (.xlsx by openpyxl, .ods and .xls by
// LibreOffice) and .xlsx files made by LibreOffice: sheets, cells, formats, dates.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

using rastfang::test::gsTestdatei;

namespace rastfang::spreadsheet::test {

TEST(FormateLesen, BlaetterInReihenfolgeMitUmlautenUndVersteckten) {
    for (const char* sDatei : {"lesen_formate.xlsx", "lesen_formate.ods", "lesen_formate.xls"}) {
        SCOPED_TRACE(sDatei);
        Geoeffnet g(gsTestdatei(QString::fromLatin1(sDatei)));
        EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Noten"), QStringLiteral("Übersicht"),
                                          QStringLiteral("Versteckt"), QStringLiteral("Letzte")}));
        EXPECT_FALSE(g.B(1).Versteckt());
        EXPECT_TRUE(g.B(2).Versteckt());
        EXPECT_EQ(g.Text(1, 2, 1), QStringLiteral("Bäcker"));
        EXPECT_EQ(g.Wert(1, 2, 2), QStringLiteral("1,75"));
        EXPECT_EQ(g.Text(2, 1, 1), QStringLiteral("geheim"));
        EXPECT_EQ(g.Text(3, 3, 3), QStringLiteral("ß"));
        EXPECT_EQ(g.Text(3, 1, 1), QString());
        EXPECT_EQ(g.Text(0, 40, 30), QStringLiteral("weit"));
        EXPECT_EQ(g.mappe->sPfad, gsTestdatei(QString::fromLatin1(sDatei)));
        EXPECT_FALSE(g.mappe->b1904);
    }
}

TEST(FormateLesen, TextUndWertDerselbenZellenInXlsxUndOds) {
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
        {"datum14", "15.01.2024", "15.01.2024"},  // builtin 14; LibreOffice stores M/D/YYYY
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
    for (const char* sDatei : {"lesen_formate.xlsx", "lesen_formate.ods", "lesen_formate.xls"}) {
        Geoeffnet g(gsTestdatei(QString::fromLatin1(sDatei)));
        int32_t z = 0;
        for (const Fall& f : faelle) {
            ASSERT_EQ(g.Text(0, ++z, 1), QString::fromUtf8(f.name)) << sDatei;
            // LibreOffice stores it as "M/D/YYYY" in .ods and .xls when saving under English
            // settings
            if (!QByteArray(sDatei).endsWith(".xlsx") && qstrcmp(f.name, "datum14") == 0) continue;
            EXPECT_EQ(g.Text(0, z, 2), QString::fromUtf8(f.text)) << sDatei << " " << f.name;
            EXPECT_EQ(g.Wert(0, z, 2), QString::fromUtf8(f.wert)) << sDatei << " " << f.name;
        }
    }
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_formate.xlsx")));
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

TEST(FormelnLesen, LibreOfficeXlsxUndOdsMitGeteiltenTextenUndFormelergebnissen) {
    for (const char* sDatei : {"lesen_libre.xlsx", "lesen_formeln.ods"}) {
        SCOPED_TRACE(sDatei);
        Geoeffnet g(gsTestdatei(QString::fromLatin1(sDatei)));
        EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Formeln"), QStringLiteral("Zweite")}));
        EXPECT_EQ(g.Text(0, 2, 1), QStringLiteral("3"));
        EXPECT_EQ(g.Text(0, 3, 1), QStringLiteral("#DIV/0!"));
        EXPECT_EQ(g.Text(0, 4, 1), QStringLiteral("Größe"));
        EXPECT_EQ(g.Text(0, 5, 1), QStringLiteral("WAHR"));
        EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("31.12.1999"));
        EXPECT_EQ(g.Text(1, 1, 1), QStringLiteral("Straße"));
    }
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_libre.xlsx")));
    EXPECT_EQ(g.Text(0, 6, 1), QStringLiteral("Name"));
    EXPECT_EQ(g.Text(0, 7, 1), QStringLiteral("Name"));
    EXPECT_EQ(g.Text(0, 2, 2), QStringLiteral("2,3"));
    EXPECT_EQ(g.Wert(0, 2, 2), QStringLiteral("2,25"));
    EXPECT_EQ(g.Wert(1, 1, 2), QStringLiteral("7"));
}

}  // namespace rastfang::spreadsheet::test
