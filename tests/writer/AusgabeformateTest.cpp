// A small output written by the writer and saved in both file formats, as independent readers
// see it: openpyxl for .xlsx, the plain XML for XML Spreadsheet 2003, and LibreOffice opening
// the latter when it is installed.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vector>

#include "../spreadsheet/schreiben/Beispiel.h"
#include "writer/CXLSwriteOLE.h"

using namespace rastfang;
using rastfang::test::gDateienIn;
using rastfang::test::gPythonJson;
using rastfang::test::gXlsxGelesen;

namespace {

/// Writes the example output to `sPfad` (the extension picks the format): a header line with
/// two subjects, two apprentice lines (one without ID, one with the text "0815" as ID and a
/// formula text as grade) and the closing spare line.
void schreibeBeispiel(const QString& sPfad) {
    CXLSwriteOLE w;
    ASSERT_TRUE(w.Init());
    ASSERT_TRUE(w.OpenFile(sPfad));
    const std::pair<int16_t, QStringList> zeilen[] = {
        {CXLSwriteOLE::ZEILE_KOPF2,
         {"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf", "Deutsch", "Mathematik"}},
        {CXLSwriteOLE::ZEILE_AZUBI, {"", "Müller", "Jörg", "01.02.1990", "Koch", "2,3", "1"}},
        {CXLSwriteOLE::ZEILE_AZUBI,
         {"0815", "Schmidt-Großkopf", "Anna", "24.12.1989", "Bäckerin", "=1+1", "4,5"}},
        {CXLSwriteOLE::ZEILE_AZUBI2, {}},
    };
    for (const auto& [iTyp, felder] : zeilen) {
        w.Reset();
        for (int i = 0; i < felder.size(); ++i) w.Feld(i + 1) = felder[i];
        ASSERT_TRUE(w.WriteLine(iTyp));
    }
    w.CloseFile();
}

/// Writes the example into `ordner` as `sName`, expects it to be the only file there (no
/// temporary file left behind) and returns its path.
QString beispielIn(const QTemporaryDir& ordner, const QString& sName) {
    EXPECT_TRUE(ordner.isValid());
    const QString sPfad = ordner.filePath(sName);
    schreibeBeispiel(sPfad);
    EXPECT_EQ(gDateienIn(ordner.path()), QStringList{sName});
    return sPfad;
}

using Zellen = std::vector<std::pair<const char*, QString>>;

/// Expects every cell of `soll` in `zellen` as given, and no cell of `fehlend` at all.
void pruefeZellen(const QJsonObject& zellen, const Zellen& soll,
                  std::initializer_list<const char*> fehlend) {
    for (const auto& [sAdresse, sZelle] : soll)
        EXPECT_EQ(zellen[sAdresse].toString().toStdString(), sZelle.toStdString()) << sAdresse;
    for (const char* sAdresse : fehlend) EXPECT_FALSE(zellen.contains(sAdresse)) << sAdresse;
}

/// Expects `zellen` (as gXlsxGelesen reads them) to show the example: values with their types
/// (numbers stay numbers, everything else stays text), fills, bold, alignments, number formats
/// and locks of each kind of line, styled cells without value, the unlocked spare area.
void pruefeBeispielZellen(const QJsonObject& zellen) {
    // clang-format off
    const Zellen soll = {
        {"A1", "'Azubi-ID' FFFFFFCC fett"},         {"E1", "'Beruf' FFFFFFCC fett"},
        {"F1", "'Deutsch' FFFFFFCC fett center"},   {"Y1", "None FFFFFFCC fett center"},
        {"A2", "None FFFFFFCC [0]"},                {"B2", "'Müller' FFFFFFCC offen"},
        {"C2", "'Jörg' FFFFFFCC offen"},            {"D2", "'01.02.1990' FFFFFFCC offen"},
        {"E2", "'Koch' FFFFFFCC"},                  {"F2", "2.3 right [0.0] offen"},
        {"G2", "1 right [0.0] offen"},              {"H2", "None right [0.0] offen"},
        {"Y2", "None right [0.0] offen"},           {"A3", "'0815' FFFFFFCC [0]"},
        {"E3", "'Bäckerin' FFFFFFCC"},              {"F3", "'=1+1' right [0.0] offen"},
        {"A4", "None FFFFFFCC [0] offen"},          {"F4", "None right [0.0] offen"},
        {"Y4", "None right [0.0] offen"},           {"A5", "None offen"},
        {"Y104", "None offen"},
    };
    // clang-format on
    pruefeZellen(zellen, soll, {"Z1", "A105"});
}

/// The width Excel stores for a width of `d` characters: whole pixels (7 per character plus a
/// 5 pixel margin) converted back to characters in 1/256 steps.
double gespeicherteBreite(double d) {
    const int iPixel = static_cast<int>(d * 7 + 0.5) + 5;
    return static_cast<int>(iPixel / 7.0 * 256) / 256.0;
}

// The standard column width in characters and, as XML Spreadsheet stores it, in points (64
// pixels); "Schmidt-Großkopf" fits 16.7 characters, stored as 122 pixels.
constexpr double STANDARD_BREITE = 8.43;
constexpr double STANDARD_PUNKTE = 48.0;
constexpr double NAME_BREITE = 16.7;
constexpr double NAME_PUNKTE = 91.5;

}  // namespace

TEST(Ausgabeformate, OpenpyxlSeesValuesFormatsLocksWidthsAndProtection) {
    QTemporaryDir ordner;
    const QString sPfad = beispielIn(ordner, "Ausgabe.xlsx");

    const QJsonObject aus = gXlsxGelesen(sPfad);
    EXPECT_EQ(aus["sheets"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_EQ(aus["active"].toString(), "VELMORA");
    EXPECT_EQ(aus["prot"].toArray(), (QJsonArray{true, false, false, QJsonValue()}));
    pruefeBeispielZellen(aus["cells"].toObject());

    const QJsonObject breiten = aus["widths"].toObject();
    EXPECT_NEAR(breiten["B"].toDouble(), gespeicherteBreite(NAME_BREITE), 1e-9);
    // The subjects share the width of the widest heading, wider than the standard.
    EXPECT_DOUBLE_EQ(breiten["F"].toDouble(), breiten["G"].toDouble());
    EXPECT_GT(breiten["F"].toDouble(), gespeicherteBreite(STANDARD_BREITE));
    EXPECT_NEAR(breiten["H"].toDouble(), gespeicherteBreite(STANDARD_BREITE), 1e-9);
}

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

TEST(Ausgabeformate, SpreadsheetMlCarriesValuesStylesWidthsAndProtection) {
    QTemporaryDir ordner;
    const QString sPfad = beispielIn(ordner, "Ausgabe.XML");

    const QJsonObject aus = gPythonJson(kLeseXml, {sPfad});
    EXPECT_EQ(aus["sheets"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_EQ(aus["schutz"].toArray(), (QJsonArray{"1", "False", "True", "False", true}));

    const QJsonObject zellen = aus["cells"].toObject();
    const QString GELB = QStringLiteral("Interior.Color=#FFFFCC Interior.Pattern=Solid");
    const QString OFFEN = QStringLiteral("Protection.Protected=0");  // locked is the default
    const Zellen soll = {
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
    pruefeZellen(zellen, soll, {"105,1", "1,26"});

    QMap<int, double> breiten;
    for (const auto& s : aus["columns"].toArray()) breiten[s[0].toInt()] = s[1].toDouble();
    EXPECT_EQ(breiten.size(), 25);
    EXPECT_DOUBLE_EQ(breiten[2], NAME_PUNKTE);
    EXPECT_DOUBLE_EQ(breiten[6], breiten[7]);
    EXPECT_GT(breiten[6], STANDARD_PUNKTE);
    EXPECT_DOUBLE_EQ(breiten[8], STANDARD_PUNKTE);
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

TEST(Ausgabeformate, LibreOfficeOpensTheXmlWithContentColoursAndProtection) {
    const QString sSoffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (sSoffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";

    QTemporaryDir ordner;
    const QString sPfad = beispielIn(ordner, "Ausgabe.xml");

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
