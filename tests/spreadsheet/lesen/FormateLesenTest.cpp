// The fixtures of each format: sheets, cells, formats, dates, separators and encodings; details
// of SpreadsheetML that writers differ in. Formula results: see WieLibreOffice.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LesenHilfen.h"

namespace rastfang::spreadsheet::test {

TEST(FormateLesen, SheetsCellsTextsAndValuesAlikeInEveryFormat) {
    // clang-format off
    const struct { const char *name, *text, *wert; } faelle[] = {
        {"allgemein", "2,25", "2,25"},            {"drittel", "0,3333333333", "0,333333333333333"},
        {"gross", "1,23457E+11", "123456789012"}, {"ganz", "42", "42"},
        {"null", "0", "0"},                       {"eine Stelle", "2,3", "2,25"},
        {"zwei Stellen", "1,01", "1,005"},        {"tausender", "1.234.568", "1234567,891"},
        {"tausender2", "-1.234,50", "-1234,5"},   {"prozent", "13%", "0,125"},
        {"prozent2", "12,50%", "0,125"},          {"text", "0815", "0815"},
        {"literal", "Note: 2,5", "2,5"},          {"abschnitte", "-3,0", "-3"},
        {"abschnitte0", "null", "0"},
        {"datum14", "15.01.2024", "15.01.2024"},  // builtin format 14
        {"datum", "07.03.2005", "07.03.2005"},    {"lang", "Montag, 4. März 2024", "04.03.2024"},
        {"kurz", "Mo, 04. Mrz 24", "04.03.2024"}, {"zeit", "13:45:30", "13:45:30"},
        {"datumzeit", "15.01.2024 08:30", "15.01.2024 08:30:00"},
        {"wahr", "WAHR", "Wahr"},                 {"falsch", "FALSCH", "Falsch"},
        {"fehler", "#DIV/0!", "#DIV/0!"},
        {"umlaut", "Müller-Lüdenscheidt, Jürgen", "Müller-Lüdenscheidt, Jürgen"},
        {"locale", "1.234,50", "1234,5"},         {"waehrung", "1.234,50 €", "1234,5"},
        {"summe", "0,3", "0,3"},                  {"wert", "3276,8", "3276,75"},
    };
    // clang-format on
    for (const char* sDatei : {"lesen_formate.xlsx", "lesen_formate.ods", "lesen_formate.xls"}) {
        SCOPED_TRACE(sDatei);
        const Geoeffnet g(gsTestdatei(QString::fromLatin1(sDatei)));
        ASSERT_EQ(g.Namen(), (QStringList{"Noten", "Übersicht", "Versteckt", "Letzte"}));
        EXPECT_EQ(std::pair(g.B(1).Versteckt(), g.B(2).Versteckt()), std::pair(false, true));
        EXPECT_EQ(g.Zellen(1), (Tabelle{{"Name", "Deutsch"}, {"Bäcker", "1,75"}}));
        EXPECT_EQ(g.Zellen(2), Tabelle{{"geheim"}});
        EXPECT_EQ(g.Zellen(3), (Tabelle{{}, {}, {"", "", "ß"}}));
        EXPECT_EQ(g.Text(0, 40, 30), "weit");
        int32_t z = 0;
        for (const auto& f : faelle) {
            ASSERT_EQ(g.Text(0, ++z, 1), QString::fromUtf8(f.name));
            // LibreOffice saved it as "M/D/YYYY" in .ods and .xls under English settings
            if (!QByteArray(sDatei).endsWith(".xlsx") && qstrcmp(f.name, "datum14") == 0) continue;
            EXPECT_EQ(g.Text(0, z, 2), QString::fromUtf8(f.text)) << f.name;
            EXPECT_EQ(g.Text(0, z, 2, true), QString::fromUtf8(f.wert)) << f.name;
        }
    }
    const Geoeffnet xlsx(gsTestdatei(QStringLiteral("lesen_formate.xlsx")));
    EXPECT_DOUBLE_EQ(xlsx.B(0).Spaltenbreite(1), 20);  // the others keep the standard width
    const Geoeffnet mac(gsTestdatei(QStringLiteral("lesen_1904.xlsx")));
    EXPECT_EQ(mac.Zellen(0), (Tabelle{{"15.01.2024"}, {"5"}}));
    EXPECT_EQ(mac.Zellen(0, true), (Tabelle{{"15.01.2024"}, {"5"}}));
}

TEST(XlsxBesonderheiten, RichTextRepeatedBlanksAndParagraphsFromLibreOffice) {
    // repeated cells and rows; the note in A2 is not cell text
    const Tabelle soll{
        {"Fettgedruckt und normal", "zwei   Leer\nZeilen", "4", "4"}, {"Wdh"}, {"Wdh"}};
    for (const char* sDatei : {"lesen_reich.xlsx", "lesen_reich.ods"})
        EXPECT_EQ(Geoeffnet(gsTestdatei(QString::fromLatin1(sDatei))).Zellen(0), soll) << sDatei;
}

TEST(XlsxBesonderheiten, CellsWithoutReferencePrefixedNamesEscapesAndControlCharacters) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("besonders.xlsm"));
    gsPython(ZIP_PY + QStringLiteral(R"(
NS = 'xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
zip_(sys.argv[1], {
    "_rels/.rels": '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="r1" Type="%s/officeDocument" Target="/mappe/haupt.xml"/></Relationships>' % R,
    "mappe/_rels/haupt.xml.rels": '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="a" Type="%s/worksheet" Target="/mappe/b/eins.xml"/><Relationship Id="b" Type="%s/sharedStrings" Target="texte.xml"/><Relationship Id="c" Type="%s/styles" Target="../mappe/stile.xml"/><Relationship Id="d" Type="%s/chartsheet" Target="diagramm.xml"/></Relationships>' % (R, R, R, R),
    "mappe/haupt.xml": '<x:workbook %s><x:workbookPr date1904="true"/><x:sheets><x:sheet name="Ei&#10;ns&#9;&#13;" sheetId="1" r:id="a"/><x:sheet name="Diagramm" sheetId="2" r:id="d"/></x:sheets></x:workbook>' % NS,
    "mappe/texte.xml": '<x:sst %s><x:si><x:r><x:t>Ge</x:t></x:r><x:r><x:t>teilt</x:t></x:r><x:rPh><x:t>PHON</x:t></x:rPh></x:si><x:si><x:t>A_x000D_B</x:t></x:si></x:sst>' % NS,
    "mappe/stile.xml": '<x:styleSheet %s><x:numFmts><x:numFmt numFmtId="164" formatCode="0.000"/></x:numFmts><x:cellStyleXfs><x:xf numFmtId="14"/></x:cellStyleXfs><x:cellXfs><x:xf numFmtId="0"/><x:xf numFmtId="164"/><x:xf numFmtId="14"/></x:cellXfs></x:styleSheet>' % NS,
    "mappe/b/eins.xml": '<x:worksheet %s><x:sheetData>'
        '<x:row><x:c t="s"><x:v>0</x:v></x:c><x:c s="1"><x:v>1.5</x:v></x:c><x:c t="s"><x:v>1</x:v></x:c></x:row>'
        '<x:row><x:c r="C2" t="inlineStr"><x:is><x:t>in</x:t><x:r><x:t>line</x:t></x:r></x:is></x:c><x:c t="b"><x:v>1</x:v></x:c></x:row>'
        '<x:row r="5"><x:c r="A5" t="d" s="2"><x:v>2024-01-15T00:00:00</x:v></x:c><x:c s="2"><x:v>0</x:v></x:c><x:c t="e"><x:v>#NV</x:v></x:c><x:c t="str"><x:f>A1</x:f><x:v>Formel</x:v></x:c></x:row>'
        '<x:row><x:c s="1"/><x:c t="n"><x:v>-2</x:v></x:c></x:row>'
        '</x:sheetData></x:worksheet>' % NS})
)"),
             {pfad});
    const Geoeffnet g(pfad);
    // control characters in names become blanks; a chart sheet is no worksheet
    EXPECT_EQ(g.Namen(), QStringList{"Ei ns  "});
    EXPECT_EQ(gsLesbarerBlattname(QStringLiteral("a\x01\x7f") + QStringLiteral("b\u0085")),
              "a  b ");
    // A6 is formatted without a value
    EXPECT_EQ(g.Zellen(0), (Tabelle{{"Geteilt", "1,500", "A\rB"},
                                    {"", "", "inline", "WAHR"},
                                    {},
                                    {},
                                    {"15.01.2024", "01.01.1904", "#NV", "Formel"},
                                    {"", "-2"}}));
    EXPECT_EQ(g.Text(0, 5, 1, true), "15.01.2024");
    EXPECT_EQ(g.B(0).AnzahlZeilen(), 6);
}

TEST(CsvLesen, SeparatorsEncodingsQuotesAndGermanNumbers) {
    for (const char* sDatei : {"lesen_utf8.csv", "lesen_cp1252.csv"}) {
        SCOPED_TRACE(sDatei);
        const Geoeffnet g(gsTestdatei(QString::fromLatin1(sDatei)));
        EXPECT_EQ(g.Namen(), QStringList{QString::fromLatin1(sDatei).section(u'.', 0, 0)});
        EXPECT_EQ(
            gsUnterschiede(g.Zellen(0, true),
                           {{"Name", "Vorname", "Geburtsdatum", "Note", "Anteil", "Aktiv"},
                            {"Müller", "Jürgen", "07.03.2005", "2,25", "0,125", "Wahr"},
                            {"Schmidt; Anna", "Zitat \"x\"", "01.01.1999", "1234,5", "", "Falsch"},
                            {"Öztürk", "Ali", "", "815"}}),
            "");
        EXPECT_EQ(g.Zellen(0).at(1),
                  (QStringList{"Müller", "Jürgen", "07.03.2005", "2,25", "12,5%", "WAHR"}));
        EXPECT_EQ(g.B(0).AnzahlZeilen(), 4);
    }
    const Geoeffnet tab(gsTestdatei(QStringLiteral("lesen_tab.txt")));
    EXPECT_EQ(tab.Zellen(0, true), (Tabelle{{"Name", "Note"}, {"Bäcker", "1,5"}}));
    const Geoeffnet komma(gsTestdatei(QStringLiteral("lesen_komma.csv")));
    EXPECT_EQ(komma.Zellen(0, true), (Tabelle{{"Name", "Note"}, {"Becker", "2"}}));
}

}  // namespace rastfang::spreadsheet::test
