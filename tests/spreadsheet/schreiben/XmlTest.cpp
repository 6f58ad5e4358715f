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
using rastfang::test::gXlsxGelesen;
using rastfang::test::pruefeBeispielZellen;

namespace {

// The sheet names, the first worksheet's protection (Protected, the three Protect options and
// whether it is selected), column widths and cells, each cell as "<Type>:<data>" (or "-")
// followed by its style's attributes, sorted (without the bottom alignment every style has).
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
optionen = {o.tag.replace(x, ""): o.text for o in ws.find(x + "WorksheetOptions")}
aus = {"sheets": [b.get(ss + "Name") for b in blaetter], "cells": {}, "columns": [],
       "schutz": [ws.get(ss + "Protected")] + [optionen.get("Protect" + k)
                  for k in ("Objects", "Contents", "Scenarios")] + ["Selected" in optionen]}
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
        d = c.find(ss + "Data")
        stil = stile.get(c.get(ss + "StyleID", "Default"), {})
        aus["cells"]["%d,%d" % (zeile, spalte)] = " ".join(
            ["%s:%s" % (d.get(ss + "Type"), d.text) if d is not None else "-"]
            + ["%s=%s" % kv for kv in sorted(stil.items())
               if kv != ("Alignment.Vertical", "Bottom")])
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
    EXPECT_EQ(aus["schutz"].toArray(), (QJsonArray{"1", "False", "True", "False", true}));

    const QJsonObject zellen = aus["cells"].toObject();
    const QString GELB = QStringLiteral("Interior.Color=#FFFFCC Interior.Pattern=Solid");
    const QString OFFEN = QStringLiteral("Protection.Protected=0");  // locked is the default
    const std::pair<const char*, QString> soll[] = {
        {"1,1", "String:Azubi-ID Font.Bold=1 " + GELB},
        {"1,6", "String:Deutsch Alignment.Horizontal=Center Font.Bold=1 " + GELB},
        {"1,25", "- Alignment.Horizontal=Center Font.Bold=1 " + GELB},
        {"2,1", "- " + GELB + " NumberFormat.Format=0"},
        {"2,2", "String:Müller " + GELB + " " + OFFEN},
        {"2,4", "String:01.02.1990 " + GELB + " " + OFFEN},
        {"2,5", "String:Koch " + GELB},
        {"2,6", "Number:2.3 Alignment.Horizontal=Right NumberFormat.Format=0.0 " + OFFEN},
        {"3,1", "String:0815 " + GELB + " NumberFormat.Format=0"},
        {"3,6", "String:=1+1 Alignment.Horizontal=Right NumberFormat.Format=0.0 " + OFFEN},
        // Styled cells without value: the spare line and the spare area.
        {"4,1", "- " + GELB + " NumberFormat.Format=0 " + OFFEN},
        {"4,25", "- Alignment.Horizontal=Right NumberFormat.Format=0.0 " + OFFEN},
        {"104,25", "- " + OFFEN},
    };
    for (const auto& [sAdresse, sZelle] : soll) {
        EXPECT_EQ(zellen[sAdresse].toString().toStdString(), sZelle.toStdString()) << sAdresse;
    }
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

/// Converts `sXml` to .xlsx with LibreOffice headless, through import filter `sFilter` (empty:
/// LibreOffice's own choice), and returns what gXlsxGelesen reads from the result.
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
    const QJsonObject aus = gXlsxGelesen(sXlsx);
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
    EXPECT_EQ(aus["sheets"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_TRUE(aus["prot"].toArray()[0].toBool());  // the sheet is protected
    pruefeBeispielZellen(aus["cells"].toObject());

    // The import LibreOffice picks by itself (liborcus in 7.4) drops protection, but keeps
    // content, number formats and colours.
    const QJsonObject standard = KonvertiertGelesen(sSoffice, sPfad, {}, ordner.path());
    EXPECT_EQ(standard["sheets"].toArray(), QJsonArray{"VELMORA"});
    const QJsonObject zellen = standard["cells"].toObject();
    EXPECT_TRUE(zellen["A1"].toString().contains("FFFFFFCC fett"));
    EXPECT_TRUE(zellen["A4"].toString().contains("FFFFFFCC"));
    EXPECT_TRUE(zellen["B2"].toString().startsWith("'Müller' "));
    EXPECT_TRUE(zellen["F2"].toString().startsWith("2.3 ") &&
                zellen["F2"].toString().contains("0.0]"));
}
