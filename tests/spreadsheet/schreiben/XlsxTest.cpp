// Saved .xlsx files as an independent reader (openpyxl) sees them.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include "Beispiel.h"
#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "spreadsheet/Excel.h"

using namespace rastfang;
using namespace rastfang::spreadsheet;
using rastfang::test::gDateienIn;
using rastfang::test::gPythonJson;

TEST(XlsxSpeichern, ReplacesAnExistingFileKeepsSheetsTheirStatesAnd1904Dates) {
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
    mappe->Daten()->b1904 = true;  // as a workbook from an old Mac would come in
    mappe->GetSheets()(2).SetName("Übersicht");
    Worksheet eins = mappe->GetSheets()(1);
    eins.Cells(1, 1).SetValue("eins");
    eins.Cells(2, 1).SetValue("0");
    eins.Cells(2, 1).SetNumberFormat("DD.MM.YYYY");  // day 0 of 1904
    eins.Cells(3, 1).SetValue("0");                  // a plain number is no date and stays 0
    mappe->GetSheets()(3).Cells(2, 2).SetValue("-0,125");
    mappe->GetSheets()(3).Daten()->SetzeVersteckt(true);
    // Many rows with few formats: streamed in row order.
    Worksheet blatt = mappe->GetSheets()(2);
    for (int32_t z = 1; z <= 2000; ++z) blatt.Cells(z, 3).SetValue(QString::number(z));
    blatt.GetRange(blatt.Cells(1000, 1), blatt.Cells(2000, 3)).Font().SetBold(true);
    mappe->SaveAs(sPfad);

    const QJsonObject aus = gPythonJson(QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
t1, t2, t3 = wb.worksheets
print(json.dumps({"sheets": wb.sheetnames, "states": [s.sheet_state for s in wb.worksheets],
                  "werte": [t1["A1"].value, str(t1["A2"].value), t1["A3"].value, t3["B2"].value,
                            t2["C2000"].value],
                  "bold": t2["A1500"].font.b, "prot": t1.protection.sheet}))
)"),
                                        {sPfad});
    EXPECT_EQ(aus["sheets"].toArray(), (QJsonArray{"Tabelle1", "Übersicht", "Tabelle3"}));
    EXPECT_EQ(aus["states"].toArray(), (QJsonArray{"visible", "visible", "hidden"}));
    EXPECT_EQ(aus["werte"].toArray(), (QJsonArray{"eins", "1904-01-01 00:00:00", 0, -0.125, 2000}));
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
