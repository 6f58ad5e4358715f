// Saved .xlsx files as an independent reader (openpyxl) sees them.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include "Beispiel.h"
#include "Excel.h"
#include "TestHilfen.h"
#include "VbFehler.h"

using namespace rastfang;
using namespace rastfang::tabelle;
using rastfang::test::gBeispielMappe;
using rastfang::test::gDateienIn;
using rastfang::test::gPythonJson;

namespace {

// Every cell of rows 1..110, columns 1..26 that has a value or a style, with what openpyxl reads.
const QString kLeseXlsx = QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
aus = {"sheets": wb.sheetnames, "active": wb.active.title, "cells": {}, "widths": {}}
ws = wb[wb.sheetnames[0]]
for row in ws.iter_rows(min_row=1, max_row=110, max_col=26):
    for c in row:
        if c.value is None and not c.has_style:
            continue
        aus["cells"][c.coordinate] = {
            "v": c.value, "t": type(c.value).__name__,
            "fill": c.fill.fgColor.rgb if c.fill.fill_type == "solid" else None,
            "bold": bool(c.font.b), "align": c.alignment.horizontal,
            "fmt": c.number_format, "locked": bool(c.protection.locked)}
for k, d in ws.column_dimensions.items():
    if d.customWidth:
        aus["widths"][k] = d.width
p = ws.protection
aus["prot"] = {"sheet": bool(p.sheet), "objects": bool(p.objects), "scenarios": bool(p.scenarios),
               "password": p.password}
print(json.dumps(aus))
)");

/// The width Excel stores for a width of `d` characters: whole pixels (7 per character plus a
/// 5 pixel margin) converted back to characters in 1/256 steps.
double GespeicherteBreite(double d) {
    const int iPixel = static_cast<int>(d * 7 + 0.5) + 5;
    return static_cast<int>(iPixel / 7.0 * 256) / 256.0;
}

}  // namespace

TEST(XlsxSpeichern, OpenpyxlSeesValuesFormatsLocksWidthsAndProtection) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sPfad = ordner.filePath("Ausgabe.xlsx");
    Application app;
    auto mappe = gBeispielMappe(app);
    const double dBreiteB = mappe->GetSheets()(1).Cells(1, 2).ColumnWidth();
    EXPECT_DOUBLE_EQ(dBreiteB, 16.7);  // "Schmidt-Großkopf"
    mappe->SaveAs(sPfad);
    mappe->Close();
    EXPECT_EQ(gDateienIn(ordner.path()), QStringList{"Ausgabe.xlsx"});

    const QJsonObject aus = gPythonJson(kLeseXlsx, {sPfad});
    EXPECT_EQ(aus["sheets"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_EQ(aus["active"].toString(), "VELMORA");
    const QJsonObject zellen = aus["cells"].toObject();
    auto zelle = [&](const char* adr) { return zellen[adr].toObject(); };

    // Values and their types: numbers stay numbers, everything else stays text.
    EXPECT_EQ(zelle("A1")["v"].toString(), "Azubi-ID");
    EXPECT_EQ(zelle("B2")["v"].toString(), "Müller");
    EXPECT_EQ(zelle("C2")["v"].toString(), "Jörg");
    EXPECT_EQ(zelle("D2")["v"].toString(), "01.02.1990");
    EXPECT_EQ(zelle("D2")["t"].toString(), "str");
    EXPECT_DOUBLE_EQ(zelle("F2")["v"].toDouble(), 2.3);
    EXPECT_EQ(zelle("F2")["t"].toString(), "float");
    EXPECT_EQ(zelle("G2")["v"].toInt(), 1);
    EXPECT_EQ(zelle("G2")["t"].toString(), "int");
    EXPECT_EQ(zelle("A3")["v"].toString(), "0815");
    EXPECT_EQ(zelle("F3")["v"].toString(), "=1+1");
    EXPECT_EQ(zelle("F3")["t"].toString(), "str");
    EXPECT_EQ(zelle("E3")["v"].toString(), "Bäckerin");

    // Header: coloured, bold, subjects centred, locked.
    for (const char* adr : {"A1", "E1", "F1", "Y1"}) {
        EXPECT_EQ(zelle(adr)["fill"].toString(), "FFFFFFCC") << adr;
        EXPECT_TRUE(zelle(adr)["bold"].toBool()) << adr;
        EXPECT_TRUE(zelle(adr)["locked"].toBool()) << adr;
    }
    EXPECT_TRUE(zelle("A1")["align"].isNull());
    EXPECT_EQ(zelle("F1")["align"].toString(), "center");
    EXPECT_EQ(zelle("Y1")["align"].toString(), "center");
    EXPECT_FALSE(zellen.contains("Z1"));

    // Apprentice line: id and occupation locked, names, date and grades editable.
    EXPECT_EQ(zelle("A2")["fmt"].toString(), "0");
    EXPECT_EQ(zelle("A2")["fill"].toString(), "FFFFFFCC");
    EXPECT_TRUE(zelle("A2")["locked"].toBool());
    EXPECT_FALSE(zelle("B2")["locked"].toBool());
    EXPECT_FALSE(zelle("D2")["locked"].toBool());
    EXPECT_TRUE(zelle("E2")["locked"].toBool());
    EXPECT_FALSE(zelle("B2")["bold"].toBool());
    for (const char* adr : {"F2", "G2", "H2", "Y2"}) {
        EXPECT_FALSE(zelle(adr)["locked"].toBool()) << adr;
        EXPECT_EQ(zelle(adr)["fmt"].toString(), "0.0") << adr;
        EXPECT_EQ(zelle(adr)["align"].toString(), "right") << adr;
        EXPECT_TRUE(zelle(adr)["fill"].isNull()) << adr;
    }
    // Styled cells without value are there (H2 has no grade, row 4 no content at all).
    EXPECT_TRUE(zelle("H2")["v"].isNull());
    EXPECT_EQ(zelle("A4")["fill"].toString(), "FFFFFFCC");
    EXPECT_FALSE(zelle("A4")["locked"].toBool());
    EXPECT_TRUE(zelle("F4")["fill"].isNull());
    EXPECT_FALSE(zelle("Y4")["locked"].toBool());
    // The spare area below the lines is editable, the row after it is not stored at all.
    EXPECT_FALSE(zelle("A5")["locked"].toBool());
    EXPECT_FALSE(zelle("Y104")["locked"].toBool());
    EXPECT_FALSE(zellen.contains("A105"));

    const QJsonObject breiten = aus["widths"].toObject();
    EXPECT_NEAR(breiten["B"].toDouble(), GespeicherteBreite(16.7), 1e-9);
    EXPECT_NEAR(breiten["F"].toDouble(), GespeicherteBreite(12), 1e-9);
    EXPECT_NEAR(breiten["G"].toDouble(), GespeicherteBreite(12), 1e-9);
    EXPECT_NEAR(breiten["H"].toDouble(), GespeicherteBreite(STANDARD_BREITE), 1e-9);

    const QJsonObject schutz = aus["prot"].toObject();
    EXPECT_TRUE(schutz["sheet"].toBool());
    EXPECT_FALSE(schutz["objects"].toBool());
    EXPECT_FALSE(schutz["scenarios"].toBool());
    EXPECT_TRUE(schutz["password"].isNull());
}

TEST(XlsxSpeichern, ReplacesAnExistingFileAndKeepsSheetOrderAndNames) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sPfad = ordner.filePath("Ziel.XLSX");
    {
        QFile alt(sPfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alter Inhalt");
    }
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    mappe->GetSheets()(2).SetName("Übersicht");
    mappe->GetSheets()(1).Cells(1, 1).SetValue("eins");
    mappe->GetSheets()(3).Cells(2, 2).SetValue("-0,125");
    // Many rows with few formats: streamed in row order.
    Worksheet blatt = mappe->GetSheets()(2);
    for (int32_t z = 1; z <= 2000; ++z) blatt.Cells(z, 3).SetValue(QString::number(z));
    blatt.GetRange(blatt.Cells(1000, 1), blatt.Cells(2000, 3)).Font().SetBold(true);
    mappe->SaveAs(sPfad);

    const QJsonObject aus = gPythonJson(QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
print(json.dumps({"sheets": wb.sheetnames, "a1": wb["Tabelle1"]["A1"].value,
                  "b2": wb["Tabelle3"]["B2"].value, "c2000": wb["Übersicht"]["C2000"].value,
                  "bold": wb["Übersicht"]["A1500"].font.b, "prot": wb["Tabelle1"].protection.sheet}))
)"),
                                        {sPfad});
    EXPECT_EQ(aus["sheets"].toArray(), (QJsonArray{"Tabelle1", "Übersicht", "Tabelle3"}));
    EXPECT_EQ(aus["a1"].toString(), "eins");
    EXPECT_DOUBLE_EQ(aus["b2"].toDouble(), -0.125);
    EXPECT_EQ(aus["c2000"].toInt(), 2000);
    EXPECT_TRUE(aus["bold"].toBool());
    EXPECT_FALSE(aus["prot"].toBool());
    EXPECT_EQ(gDateienIn(ordner.path()), QStringList{"Ziel.XLSX"});
    EXPECT_EQ(mappe->Daten()->sPfad, sPfad);
}

TEST(XlsxSpeichern, MarkupLineBreaksAndControlCharactersSurvive) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(1, 1).SetValue("<a & b>\"'");
    blatt.Cells(2, 1).SetValue("Zeile 1\nZeile 2");
    blatt.Cells(3, 1).SetValue(QString("a") + QChar(1) + "b");
    blatt.Cells(4, 1).SetValue("€ 😀");
    for (const char* sName : {"Zeichen.xlsx", "Zeichen.xml"}) {
        const QString sPfad = ordner.filePath(sName);
        mappe->SaveAs(sPfad);
        const QString sSkript = QString(sName).endsWith("xlsx") ? QStringLiteral(R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
print(json.dumps([ws.cell(row=r, column=1).value for r in range(1, 5)]))
)")
                                                                : QStringLiteral(R"(
import json, sys, xml.etree.ElementTree as ET
ss = "{urn:schemas-microsoft-com:office:spreadsheet}"
print(json.dumps([d.text for d in ET.parse(sys.argv[1]).getroot().iter(ss + "Data")]))
)");
        const QString sAus = rastfang::test::gsPython(sSkript, {sPfad});
        const QJsonArray werte = QJsonDocument::fromJson(sAus.toUtf8()).array();
        ASSERT_EQ(werte.size(), 4) << sName << sAus.toStdString();
        EXPECT_EQ(werte[0].toString(), "<a & b>\"'") << sName;
        EXPECT_EQ(werte[1].toString(), "Zeile 1\nZeile 2") << sName;
        EXPECT_TRUE(werte[2].toString().startsWith("a")) << sName;
        EXPECT_TRUE(werte[2].toString().endsWith("b")) << sName;
        EXPECT_EQ(werte[3].toString(), "€ 😀") << sName;
    }
}

TEST(XlsxSpeichern, DatesOfThe1904SystemKeepTheirDayAndHiddenSheetsStayHidden) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sPfad = ordner.filePath("Datum.xlsx");
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    mappe->Daten()->b1904 = true;  // as a workbook from an old Mac would come in
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(1, 1).SetValue("0");
    blatt.Cells(1, 1).SetNumberFormat("DD.MM.YYYY");
    blatt.Cells(2, 1).SetValue("0");  // a plain number is no date and stays 0
    mappe->GetSheets()(3).Daten()->SetzeVersteckt(true);
    mappe->SaveAs(sPfad);

    const QJsonObject aus = gPythonJson(QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
print(json.dumps({"a1": str(ws["A1"].value), "a2": ws["A2"].value,
                  "states": [s.sheet_state for s in wb.worksheets]}))
)"),
                                        {sPfad});
    EXPECT_EQ(aus["a1"].toString(), "1904-01-01 00:00:00");
    EXPECT_EQ(aus["a2"].toInt(), 0);
    EXPECT_EQ(aus["states"].toArray(), (QJsonArray{"visible", "visible", "hidden"}));
}
