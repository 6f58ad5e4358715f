// Saved .xlsx files as the independent reader sees them.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TestHilfen.h"
#include "spreadsheet/Excel.h"

using namespace rastfang::spreadsheet;
using namespace rastfang::test;

TEST(XlsxSpeichern, ReplacesAnExistingFileWithEverySheetAsItIs) {
    QTemporaryDir ordner;
    const QString sPfad = ordner.filePath("Ziel.XLSX");
    gSchreibe(sPfad, "alter Inhalt");
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

    const GeleseneMappe m(sPfad);
    EXPECT_EQ(m.Blattnamen(), (QStringList{"Tabelle1", "Übersicht", "Tabelle3"}));
    EXPECT_EQ(m.Blatt(1)["state"].toString() + m.Blatt(2)["state"].toString(), "visiblehidden");
    EXPECT_TRUE(
        gRasterGleich(m, "A1", {{"'eins'"}, {"1904-01-01 00:00:00"}, {"0"}}, Raster::Werte));
    EXPECT_EQ(m.Wert("B2", 2), "-0.125");
    EXPECT_TRUE(gRasterGleich(m, "A2000", {{"None fett", "None fett", "2000 fett"}}, {}, 1));
    EXPECT_FALSE(m.Blatt()["protection"].toObject()["sheet"].toBool());
    EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{"Ziel.XLSX"});
    EXPECT_EQ(mappe->Daten()->sPfad, sPfad);
}

TEST(XlsxSpeichern, SpecialCharactersSurviveInBothFormats) {
    QTemporaryDir ordner;
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(1, 1).SetValue("<a & b>\"'");
    blatt.Cells(2, 1).SetValue("Zeile 1\nZeile 2");
    blatt.Cells(3, 1).SetValue(QString("a") + QChar(1) + "b");
    blatt.Cells(4, 1).SetValue("€ 😀");
    for (const char* sName : {"Zeichen.xlsx", "Zeichen.xml"}) {
        SCOPED_TRACE(sName);
        mappe->SaveAs(ordner.filePath(sName));
        const GeleseneMappe m(ordner.filePath(sName));
        EXPECT_TRUE(gRasterGleich(m, "A1", {{R"('<a & b>"\'')"}, {R"('Zeile 1\nZeile 2')"}},
                                  Raster::Werte));
        // The control character cannot be carried as it is; the text around it stays.
        EXPECT_TRUE(m.Wert("A3").startsWith("'a") && m.Wert("A3").endsWith("b'"))
            << m.Wert("A3").toStdString();
        EXPECT_EQ(m.Wert("A4"), "'€ 😀'");
    }
}
