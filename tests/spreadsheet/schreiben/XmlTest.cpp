// Saved XML Spreadsheet 2003 files: parsed back as plain XML, and opened by LibreOffice when it
// is installed.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "Beispiel.h"
#include "Excel.h"
#include "schreiben/XmlSchreiber.h"

using namespace rastfang;
using namespace rastfang::tabelle;
using rastfang::test::gBeispielMappe;
using rastfang::test::gDateienIn;
using rastfang::test::gPythonJson;

namespace {

// The first worksheet's cells (with their resolved style), columns and options as JSON.
const QString kLeseXml = QStringLiteral(R"(
import json, sys, xml.etree.ElementTree as ET
ss = "{urn:schemas-microsoft-com:office:spreadsheet}"
x = "{urn:schemas-microsoft-com:office:excel}"
wurzel = ET.parse(sys.argv[1]).getroot()
stile = {}
for st in wurzel.find(ss + "Styles"):
    d = {}
    for kind in st:
        for k, v in kind.attrib.items():
            d[kind.tag.replace(ss, "") + "." + k.replace(ss, "")] = v
    stile[st.get(ss + "ID")] = d
blaetter = wurzel.findall(ss + "Worksheet")
ws = blaetter[0]
aus = {"sheets": [b.get(ss + "Name") for b in blaetter], "protected": ws.get(ss + "Protected"),
       "cells": {}, "columns": [], "options": {}}
tab = ws.find(ss + "Table")
spalte = 0
for c in tab.findall(ss + "Column"):
    spalte = int(c.get(ss + "Index", spalte + 1))
    aus["columns"].append([spalte, float(c.get(ss + "Width"))])
zeile = 0
for r in tab.findall(ss + "Row"):
    zeile = int(r.get(ss + "Index", zeile + 1))
    spalte = 0
    for c in r.findall(ss + "Cell"):
        spalte = int(c.get(ss + "Index", spalte + 1))
        daten = c.find(ss + "Data")
        aus["cells"]["%d,%d" % (zeile, spalte)] = {
            "typ": daten.get(ss + "Type") if daten is not None else None,
            "wert": daten.text if daten is not None else None,
            "stil": stile.get(c.get(ss + "StyleID", "Default"), {})}
for o in ws.find(x + "WorksheetOptions"):
    aus["options"][o.tag.replace(x, "")] = o.text
print(json.dumps(aus))
)");

}  // namespace

TEST(XmlSpeichern, SpreadsheetMlCarriesValuesStylesWidthsAndProtection) {
    EXPECT_DOUBLE_EQ(gdBreiteInPunkten(STANDARD_BREITE), 48.0);  // 64 pixels
    EXPECT_DOUBLE_EQ(gdBreiteInPunkten(12), 66.75);              // 89 pixels

    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sPfad = ordner.filePath("Ausgabe.XML");
    Application app;
    auto mappe = gBeispielMappe(app);
    mappe->SaveAs(sPfad);
    EXPECT_EQ(gDateienIn(ordner.path()), QStringList{"Ausgabe.XML"});

    const QJsonObject aus = gPythonJson(kLeseXml, {sPfad});
    EXPECT_EQ(aus["sheets"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_EQ(aus["protected"].toString(), "1");
    const QJsonObject optionen = aus["options"].toObject();
    EXPECT_EQ(optionen["ProtectObjects"].toString(), "False");
    EXPECT_EQ(optionen["ProtectScenarios"].toString(), "False");
    EXPECT_EQ(optionen["ProtectContents"].toString(), "True");
    EXPECT_TRUE(optionen.contains("Selected"));

    const QJsonObject zellen = aus["cells"].toObject();
    auto zelle = [&](const char* adr) { return zellen[adr].toObject(); };
    auto stil = [&](const char* adr) { return zelle(adr)["stil"].toObject(); };
    EXPECT_EQ(zelle("1,1")["wert"].toString(), "Azubi-ID");
    EXPECT_EQ(zelle("1,1")["typ"].toString(), "String");
    EXPECT_EQ(stil("1,1")["Interior.Color"].toString(), "#FFFFCC");
    EXPECT_EQ(stil("1,1")["Interior.Pattern"].toString(), "Solid");
    EXPECT_EQ(stil("1,1")["Font.Bold"].toString(), "1");
    EXPECT_FALSE(stil("1,1").contains("Protection.Protected"));  // locked: the default
    EXPECT_EQ(stil("1,6")["Alignment.Horizontal"].toString(), "Center");
    EXPECT_EQ(zelle("2,2")["wert"].toString(), "Müller");
    EXPECT_EQ(stil("2,2")["Protection.Protected"].toString(), "0");
    EXPECT_EQ(zelle("2,4")["typ"].toString(), "String");
    EXPECT_EQ(zelle("2,6")["typ"].toString(), "Number");
    EXPECT_EQ(zelle("2,6")["wert"].toString(), "2.3");
    EXPECT_EQ(stil("2,6")["NumberFormat.Format"].toString(), "0.0");
    EXPECT_EQ(stil("2,6")["Alignment.Horizontal"].toString(), "Right");
    EXPECT_EQ(stil("2,6")["Protection.Protected"].toString(), "0");
    EXPECT_EQ(stil("2,1")["NumberFormat.Format"].toString(), "0");
    EXPECT_EQ(zelle("3,1")["wert"].toString(), "0815");
    EXPECT_EQ(zelle("3,6")["wert"].toString(), "=1+1");
    EXPECT_EQ(zelle("3,6")["typ"].toString(), "String");
    // Styled cells without value: the spare line and the spare area.
    EXPECT_TRUE(zelle("4,1")["typ"].isNull());
    EXPECT_EQ(stil("4,1")["Interior.Color"].toString(), "#FFFFCC");
    EXPECT_EQ(stil("4,25")["Protection.Protected"].toString(), "0");
    EXPECT_EQ(stil("104,25")["Protection.Protected"].toString(), "0");
    EXPECT_FALSE(zellen.contains("105,1"));
    EXPECT_FALSE(zellen.contains("1,26"));

    QMap<int, double> breiten;
    for (const auto& s : aus["columns"].toArray()) breiten[s[0].toInt()] = s[1].toDouble();
    EXPECT_EQ(breiten.size(), 25);
    EXPECT_DOUBLE_EQ(breiten[2], gdBreiteInPunkten(16.7));
    EXPECT_DOUBLE_EQ(breiten[6], 66.75);
    EXPECT_DOUBLE_EQ(breiten[8], 48.0);
}

namespace {

// What openpyxl reads from a few cells of the first sheet of an .xlsx.
const QString kLeseKonvertiert = QStringLiteral(R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
def z(a):
    c = ws[a]
    return {"v": c.value, "fill": c.fill.fgColor.rgb if c.fill.fill_type == "solid" else None,
            "bold": bool(c.font.b), "locked": bool(c.protection.locked), "fmt": c.number_format,
            "align": c.alignment.horizontal}
print(json.dumps({"name": ws.title, "sheet": bool(ws.protection.sheet),
                  "cells": {a: z(a) for a in ["A1", "F1", "B2", "D2", "E2", "F2", "A3", "F3", "A4", "Y4"]}}))
)");

/// Converts `sXml` to .xlsx with LibreOffice headless, through import filter `sFilter` (empty:
/// LibreOffice's own choice), and returns what openpyxl reads from the result.
QJsonObject KonvertiertGelesen(const QString& sSoffice, const QString& sXml, const QString& sFilter,
                               const QString& sArbeit) {
    QStringList args{QStringLiteral("-env:UserInstallation=file://") + sArbeit + "/profil",
                     QStringLiteral("--headless")};
    if (!sFilter.isEmpty()) args << QStringLiteral("--infilter=") + sFilter;
    args << QStringLiteral("--convert-to") << QStringLiteral("xlsx") << QStringLiteral("--outdir")
         << sArbeit + "/aus" << sXml;
    QProcess soffice;
    soffice.start(sSoffice, args);
    EXPECT_TRUE(soffice.waitForFinished(180000));
    const QString sXlsx = sArbeit + "/aus/" + QFileInfo(sXml).completeBaseName() + ".xlsx";
    if (!QFile::exists(sXlsx)) {
        ADD_FAILURE() << "no conversion: " << soffice.readAllStandardError().toStdString();
        return {};
    }
    const QJsonObject aus = gPythonJson(kLeseKonvertiert, {sXlsx});
    QFile::remove(sXlsx);
    return aus;
}

}  // namespace

TEST(XmlSpeichern, LibreOfficeOpensItWithContentColoursAndProtection) {
    const QString sSoffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (sSoffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";

    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sPfad = ordner.filePath("Ausgabe.xml");
    Application app;
    auto mappe = gBeispielMappe(app);
    mappe->SaveAs(sPfad);

    // LibreOffice's "MS Excel 2003 XML" import reads everything, protection included.
    const QJsonObject aus = KonvertiertGelesen(sSoffice, sPfad, "MS Excel 2003 XML", ordner.path());
    EXPECT_EQ(aus["name"].toString(), "VELMORA");
    EXPECT_TRUE(aus["sheet"].toBool());
    const QJsonObject zellen = aus["cells"].toObject();
    auto zelle = [&](const char* adr) { return zellen[adr].toObject(); };
    EXPECT_EQ(zelle("A1")["v"].toString(), "Azubi-ID");
    EXPECT_EQ(zelle("A1")["fill"].toString(), "FFFFFFCC");
    EXPECT_TRUE(zelle("A1")["bold"].toBool());
    EXPECT_TRUE(zelle("A1")["locked"].toBool());
    EXPECT_EQ(zelle("F1")["align"].toString(), "center");
    EXPECT_EQ(zelle("B2")["v"].toString(), "Müller");
    EXPECT_FALSE(zelle("B2")["locked"].toBool());
    EXPECT_EQ(zelle("D2")["v"].toString(), "01.02.1990");
    EXPECT_TRUE(zelle("E2")["locked"].toBool());
    EXPECT_DOUBLE_EQ(zelle("F2")["v"].toDouble(), 2.3);
    EXPECT_EQ(zelle("F2")["fmt"].toString(), "0.0");
    EXPECT_EQ(zelle("F2")["align"].toString(), "right");
    EXPECT_FALSE(zelle("F2")["locked"].toBool());
    EXPECT_EQ(zelle("A3")["v"].toString(), "0815");
    EXPECT_EQ(zelle("F3")["v"].toString(), "=1+1");
    EXPECT_EQ(zelle("A4")["fill"].toString(), "FFFFFFCC");
    EXPECT_FALSE(zelle("A4")["locked"].toBool());
    EXPECT_FALSE(zelle("Y4")["locked"].toBool());

    // The import LibreOffice picks by itself (liborcus in 7.4) drops protection, but keeps
    // content, number formats and colours.
    const QJsonObject standard = KonvertiertGelesen(sSoffice, sPfad, {}, ordner.path());
    const QJsonObject zellen2 = standard["cells"].toObject();
    EXPECT_EQ(standard["name"].toString(), "VELMORA");
    EXPECT_EQ(zellen2["B2"].toObject()["v"].toString(), "Müller");
    EXPECT_DOUBLE_EQ(zellen2["F2"].toObject()["v"].toDouble(), 2.3);
    EXPECT_TRUE(zellen2["F2"].toObject()["fmt"].toString().endsWith("0.0"));
    EXPECT_EQ(zellen2["A4"].toObject()["fill"].toString(), "FFFFFFCC");
    EXPECT_TRUE(zellen2["A1"].toObject()["bold"].toBool());
}
