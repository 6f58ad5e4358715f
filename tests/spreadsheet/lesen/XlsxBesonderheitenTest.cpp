// SpreadsheetML details that writers differ in: rich text, escapes, missing cell references,
// prefixed element names, absolute part paths, typed dates.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LesenHilfen.h"

using rastfang::test::gsPython;
using rastfang::test::gsTestdatei;

namespace rastfang::spreadsheet::test {

TEST(XlsxBesonderheiten, ReicherTextAusLibreOffice) {
    Geoeffnet g(gsTestdatei(QStringLiteral("lesen_reich.xlsx")));
    EXPECT_EQ(g.Text(0, 1, 1), QStringLiteral("Fettgedruckt und normal"));
    EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("zwei   Leer\nZeilen"));
    EXPECT_EQ(g.Text(0, 1, 4), QStringLiteral("4"));
    EXPECT_EQ(g.Text(0, 3, 1), QStringLiteral("Wdh"));

    Geoeffnet o(gsTestdatei(QStringLiteral("lesen_reich.ods")));
    EXPECT_EQ(o.Text(0, 1, 1), QStringLiteral("Fettgedruckt und normal"));
    EXPECT_EQ(o.Text(0, 1, 2), QStringLiteral("zwei   Leer\nZeilen"));
    EXPECT_EQ(o.Text(0, 1, 3), QStringLiteral("4"));
    EXPECT_EQ(o.Text(0, 1, 4), QStringLiteral("4"));
    EXPECT_EQ(o.Text(0, 2, 1), QStringLiteral("Wdh"));  // the note is not cell text
    EXPECT_EQ(o.Text(0, 3, 1), QStringLiteral("Wdh"));
    EXPECT_EQ(o.B(0).AnzahlZeilen(), 3);
}

TEST(XlsxBesonderheiten, ZellenOhneBezugPraefixeUndEscapes) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("besonders.xlsm"));
    gsPython(QStringLiteral(R"(
import sys, zipfile
NS = 'xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("_rels/.rels", '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="r1" Type="%s/officeDocument" Target="/mappe/haupt.xml"/></Relationships>' % R)
    z.writestr("mappe/_rels/haupt.xml.rels", '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="a" Type="%s/worksheet" Target="/mappe/b/eins.xml"/><Relationship Id="b" Type="%s/sharedStrings" Target="texte.xml"/><Relationship Id="c" Type="%s/styles" Target="../mappe/stile.xml"/><Relationship Id="d" Type="%s/chartsheet" Target="diagramm.xml"/></Relationships>' % (R, R, R, R))
    z.writestr("mappe/haupt.xml", '<x:workbook %s><x:workbookPr date1904="true"/><x:sheets><x:sheet name="Eins" sheetId="1" r:id="a"/><x:sheet name="Diagramm" sheetId="2" r:id="d"/></x:sheets></x:workbook>' % NS)
    z.writestr("mappe/texte.xml", '<x:sst %s><x:si><x:r><x:t>Ge</x:t></x:r><x:r><x:t>teilt</x:t></x:r><x:rPh><x:t>PHON</x:t></x:rPh></x:si><x:si><x:t>A_x000D_B</x:t></x:si></x:sst>' % NS)
    z.writestr("mappe/stile.xml", '<x:styleSheet %s><x:numFmts><x:numFmt numFmtId="164" formatCode="0.000"/></x:numFmts><x:cellStyleXfs><x:xf numFmtId="14"/></x:cellStyleXfs><x:cellXfs><x:xf numFmtId="0"/><x:xf numFmtId="164"/><x:xf numFmtId="14"/></x:cellXfs></x:styleSheet>' % NS)
    z.writestr("mappe/b/eins.xml", '<x:worksheet %s><x:sheetData>'
        '<x:row><x:c t="s"><x:v>0</x:v></x:c><x:c s="1"><x:v>1.5</x:v></x:c><x:c t="s"><x:v>1</x:v></x:c></x:row>'
        '<x:row><x:c r="C2" t="inlineStr"><x:is><x:t>in</x:t><x:r><x:t>line</x:t></x:r></x:is></x:c><x:c t="b"><x:v>1</x:v></x:c></x:row>'
        '<x:row r="5"><x:c r="A5" t="d" s="2"><x:v>2024-01-15T00:00:00</x:v></x:c><x:c s="2"><x:v>0</x:v></x:c><x:c t="e"><x:v>#NV</x:v></x:c><x:c t="str"><x:f>A1</x:f><x:v>Formel</x:v></x:c></x:row>'
        '<x:row><x:c s="1"/><x:c t="n"><x:v>-2</x:v></x:c></x:row>'
        '</x:sheetData></x:worksheet>' % NS)
)"),
             {pfad});
    Geoeffnet g(pfad);
    EXPECT_EQ(g.Namen(), QStringList{QStringLiteral("Eins")});  // chart sheets are no worksheets
    EXPECT_TRUE(g.mappe->b1904);
    EXPECT_EQ(g.Text(0, 1, 1), QStringLiteral("Geteilt"));
    EXPECT_EQ(g.Text(0, 1, 2), QStringLiteral("1,500"));
    EXPECT_EQ(g.Text(0, 1, 3), QStringLiteral("A\rB"));
    EXPECT_EQ(g.Text(0, 2, 3), QStringLiteral("inline"));
    EXPECT_EQ(g.Text(0, 2, 4), QStringLiteral("WAHR"));
    EXPECT_EQ(g.Text(0, 5, 1), QStringLiteral("15.01.2024"));
    EXPECT_EQ(g.Wert(0, 5, 1), QStringLiteral("15.01.2024"));
    EXPECT_EQ(g.Text(0, 5, 2), QStringLiteral("01.01.1904"));
    EXPECT_EQ(g.Text(0, 5, 3), QStringLiteral("#NV"));
    EXPECT_EQ(g.Text(0, 5, 4), QStringLiteral("Formel"));
    EXPECT_EQ(g.Text(0, 6, 1), QString());  // formatted, no value
    EXPECT_EQ(g.Text(0, 6, 2), QStringLiteral("-2"));
    EXPECT_EQ(g.B(0).AnzahlZeilen(), 6);
}

}  // namespace rastfang::spreadsheet::test
