// The automation objects on a new workbook: sheets, names, values, formats, widths, lifetime.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "basis/VbFehler.h"
#include "spreadsheet/AutoFit.h"
#include "spreadsheet/Excel.h"
#include "spreadsheet/Palette.h"

using namespace rastfang;
using namespace rastfang::spreadsheet;

namespace {

/// The error number `f` raises, 0 when it raises none.
template <typename F>
int32_t Fehlernummer(F&& f) {
    try {
        f();
    } catch (const VbFehler& e) {
        EXPECT_FALSE(e.Description().isEmpty());
        return e.Number();
    }
    return 0;
}

QStringList Namen(const Workbook& mappe) {
    QStringList namen;
    const Sheets blaetter = mappe.GetSheets();
    for (int i = 1; i <= blaetter.Count(); ++i) namen << blaetter(i).Name();
    return namen;
}

}  // namespace

TEST(Mappe, AddGivesThreeSheetsAndWorksheetsAddInsertsBeforeTheActiveOne) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    EXPECT_EQ(app.GetWorkbooks().Count(), 1);
    EXPECT_EQ(Namen(*mappe), (QStringList{"Tabelle1", "Tabelle2", "Tabelle3"}));

    Worksheet neu = mappe->Worksheets().Add();
    EXPECT_EQ(neu.Name(), "Tabelle4");
    EXPECT_EQ(Namen(*mappe), (QStringList{"Tabelle4", "Tabelle1", "Tabelle2", "Tabelle3"}));
    EXPECT_EQ(mappe->Daten()->iAktivesBlatt, 0);

    // The new sheet is active, so the next one lands before it; a freed name is used again.
    mappe->GetSheets()(3).Delete();  // Tabelle2
    EXPECT_EQ(mappe->Worksheets().Add().Name(), "Tabelle2");
    EXPECT_EQ(Namen(*mappe), (QStringList{"Tabelle2", "Tabelle4", "Tabelle1", "Tabelle3"}));

    EXPECT_EQ(Fehlernummer([&] { mappe->GetSheets().Item(0); }), FEHLER_INDEX);
    EXPECT_EQ(Fehlernummer([&] { mappe->GetSheets().Item(5); }), FEHLER_INDEX);
    EXPECT_EQ(mappe->GetSheets().Item(4).Name(), "Tabelle3");

    // Down to the one sheet the writer keeps: it stays active and cannot be deleted; a deleted
    // sheet is gone for good.
    Worksheet velmora = mappe->Worksheets().Add();
    velmora.SetName("VELMORA");
    Worksheet weg = mappe->GetSheets()(2);
    while (mappe->GetSheets().Count() > 1) mappe->GetSheets()(2).Delete();
    EXPECT_EQ(Namen(*mappe), QStringList{"VELMORA"});
    EXPECT_EQ(mappe->Daten()->iAktivesBlatt, 0);
    EXPECT_EQ(Fehlernummer([&] { velmora.Delete(); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { weg.Cells(1, 1).SetValue("x"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { (void)weg.Name(); }), FEHLER_ANWENDUNG);
}

TEST(Mappe, SheetNamesFollowTheSpreadsheetRules) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    const QString s31(31, QLatin1Char('x'));
    blatt.SetName(s31);
    EXPECT_EQ(blatt.Name(), s31);
    blatt.SetName("Übersicht Prüfung");
    EXPECT_EQ(blatt.Name(), "Übersicht Prüfung");
    blatt.SetName("ÜBERSICHT prüfung");  // the same sheet may change the case of its name
    EXPECT_EQ(blatt.Name(), "ÜBERSICHT prüfung");

    for (const QString& sFalsch :
         {QString(32, QLatin1Char('x')), QString(), QString("a[b"), QString("a]b"), QString("a:b"),
          QString("a*b"), QString("a?b"), QString("a/b"), QString("a\\b"), QString("tabelle2"),
          QString("TABELLE3"), QString("'a"), QString("a'")}) {
        EXPECT_EQ(Fehlernummer([&] { blatt.SetName(sFalsch); }), FEHLER_ANWENDUNG)
            << sFalsch.toStdString();
    }
    EXPECT_EQ(blatt.Name(), "ÜBERSICHT prüfung");
    try {
        mappe->GetSheets()(2).SetName("Tabelle3");
        FAIL();
    } catch (const VbFehler& e) {
        EXPECT_TRUE(e.Description().contains("Tabelle3"));
    }
}

TEST(Zellen, ValueWriteStoresPlainRegionalNumbersAsNumbersOnly) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    // clang-format off
    const std::pair<const char*, double> zahlen[] = {{"2", 2}, {"0", 0}, {"-0", 0}, {"2,3", 2.3},
        {"-12,25", -12.25}, {"0,5", 0.5}, {"123456789012345", 123456789012345.0}};
    // clang-format on
    for (const auto& [s, d] : zahlen) {
        blatt.Cells(1, 2).SetValue(s);
        const Zelle& zelle = blatt.Daten()->Lies(1, 2);
        EXPECT_EQ(zelle.typ, ZellTyp::Zahl) << s;
        EXPECT_DOUBLE_EQ(zelle.zahl, d) << s;
        EXPECT_EQ(std::signbit(zelle.zahl), d < 0) << s;  // "-0" is a plain 0
    }
    // 16 digits are no longer a plain number; digits of other scripts are no digits here.
    for (const char* s :
         {"1234567890123456", "0815", " 1", "1 ", "2.3", "1.000", "2,", ",5", "+1", "1e5",
          "01.02.1990", "=1+1", "=SUMME(A1:A2)", "-", "1,2,3", "Müller", "٣"}) {
        blatt.Cells(2, 2).SetValue(s);
        const Zelle& zelle = blatt.Daten()->Lies(2, 2);
        EXPECT_EQ(zelle.typ, ZellTyp::Text) << s;
        EXPECT_EQ(zelle.text, QString::fromUtf8(s));
    }
    // Reading back: numbers in their regional form, texts unchanged.
    blatt.Cells(1, 2).SetValue("2,3");
    EXPECT_EQ(blatt.Cells(1, 2).Value() + " " + blatt.Cells(1, 2).Text(), "2,3 2,3");
    blatt.Cells(2, 2).SetValue("0815");
    EXPECT_EQ(blatt.Cells(2, 2).Text(), "0815");
    blatt.Cells(3, 2).SetValue("=1+1");
    EXPECT_EQ(blatt.Cells(3, 2).Value(), "=1+1");
    EXPECT_EQ(blatt.Cells(1000, 1).Text() + blatt.Cells(1000, 1).Value(), "");
}

TEST(Zellen, TextFollowsTheNumberFormatEmptyTextKeepsItAndOutsideIs1004) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    Range zelle = blatt.Cells(3, 6);
    zelle.SetValue("2,25");
    zelle.SetNumberFormat("0.0");
    EXPECT_EQ(zelle.Text(), "2,3");  // shown rounded, kept exact
    EXPECT_EQ(zelle.Value(), "2,25");
    zelle.SetNumberFormat("0");
    EXPECT_EQ(zelle.Text(), "2");
    zelle.Interior().SetColorIndex(19);

    zelle.SetValue("");
    const Zelle& gespeichert = blatt.Daten()->Lies(3, 6);
    EXPECT_EQ(gespeichert.typ, ZellTyp::Leer);
    EXPECT_EQ(mappe->Daten()->stile[gespeichert.stil].sZahlenformat, "0");
    EXPECT_EQ(mappe->Daten()->stile[gespeichert.stil].iFarbIndex, 19);
    EXPECT_EQ(zelle.Text(), "");

    // Writing into a range writes every cell of it.
    blatt.GetRange(blatt.Cells(5, 1), blatt.Cells(6, 2)).SetValue("x");
    EXPECT_EQ(blatt.Cells(6, 2).Value(), "x");
    EXPECT_EQ(blatt.Cells(5, 1).Value(), "x");
    EXPECT_EQ(blatt.Cells(7, 1).Value(), "");

    // Cells and ranges outside the sheet raise 1004.
    for (const auto& [z, s] :
         {std::pair{0, 1}, {1, 0}, {MAX_ZEILE + 1, 1}, {1, MAX_SPALTE + 1}, {-5, 3}}) {
        EXPECT_EQ(Fehlernummer([&] { blatt.Cells(z, s); }), FEHLER_ANWENDUNG) << z << "," << s;
    }
    EXPECT_EQ(blatt.Cells(MAX_ZEILE, MAX_SPALTE).Text(), "");
    EXPECT_EQ(Fehlernummer([&] { Range(mappe->Daten(), blatt.Daten(), 0, 1, 2, 2); }),
              FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { Range(mappe->Daten(), blatt.Daten(), 1, 1, 2, MAX_SPALTE + 1); }),
              FEHLER_ANWENDUNG);
    // A range must stay on its sheet.
    Worksheet anderes = mappe->GetSheets()(2);
    EXPECT_EQ(Fehlernummer([&] { blatt.GetRange(blatt.Cells(1, 1), anderes.Cells(2, 2)); }),
              FEHLER_ANWENDUNG);
}

TEST(Formate, ApplyToEveryCellOfTheRectangleAndShareFormats) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(2, 3).SetValue("Note");
    // Corners in any order span the same rectangle.
    Range r = blatt.GetRange(blatt.Cells(2, 25), blatt.Cells(2, 1));
    r.Interior().SetColorIndex(19);
    r.Font().SetBold(true);
    blatt.GetRange(blatt.Cells(2, 6), blatt.Cells(2, 25))
        .SetHorizontalAlignment(Ausrichtung::ZENTRIERT);
    blatt.GetRange(blatt.Cells(3, 6), blatt.Cells(4, 25)).SetLocked(false);
    blatt.GetRange(blatt.Cells(3, 6), blatt.Cells(4, 25)).SetNumberFormat("0.0");
    blatt.GetRange(blatt.Cells(3, 6), blatt.Cells(4, 25))
        .SetHorizontalAlignment(Ausrichtung::RECHTS);

    const auto& stile = mappe->Daten()->stile;
    auto stil = [&](int32_t z, int32_t s) { return stile[blatt.Daten()->Lies(z, s).stil]; };
    for (int32_t s = 1; s <= 25; ++s) {
        EXPECT_EQ(stil(2, s).iFarbIndex, 19) << s;
        EXPECT_TRUE(stil(2, s).bFett) << s;
        EXPECT_EQ(stil(2, s).lAusrichtung, s >= 6 ? Ausrichtung::ZENTRIERT : Ausrichtung::STANDARD)
            << s;
        EXPECT_TRUE(stil(2, s).bGesperrt);
        EXPECT_EQ(stil(3, s).bGesperrt, s < 6) << s;
        EXPECT_EQ(stil(4, s).sZahlenformat, s >= 6 ? "0.0" : "General") << s;
    }
    EXPECT_EQ(stil(2, 26), Stil{});
    EXPECT_EQ(stil(5, 6), Stil{});
    EXPECT_EQ(blatt.Cells(2, 3).Value(), "Note");  // formatting leaves values alone
    // Header left, header centred, unlocked right "0.0": three formats for 75 cells.
    std::set<uint32_t> benutzt;
    for (int32_t z = 2; z <= 4; ++z) {
        for (int32_t s = 1; s <= 25; ++s) benutzt.insert(blatt.Daten()->Lies(z, s).stil);
    }
    EXPECT_EQ(benutzt.size(), 4u);  // with the default format of rows 3 and 4, columns 1-5
    EXPECT_EQ(stile[0], Stil{});

    // Setting a property back to its default returns the cells to the default format.
    r.Interior().SetColorIndex(KEINE_FARBE);
    r.Font().SetBold(false);
    r.SetHorizontalAlignment(Ausrichtung::STANDARD);
    EXPECT_EQ(blatt.Daten()->Lies(2, 1).stil, 0u);
    EXPECT_EQ(blatt.Daten()->Lies(2, 25).stil, 0u);

    EXPECT_EQ(Fehlernummer([&] { r.Interior().SetColorIndex(57); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { r.Interior().SetColorIndex(0); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { r.SetHorizontalAlignment(42); }), FEHLER_ANWENDUNG);
}

TEST(Palette, IsExcelsDefaultPalette) {
    const std::pair<int32_t, uint32_t> farben[] = {
        {1, 0x000000u},  {2, 0xFFFFFFu},  {3, 0xFF0000u},  {6, 0xFFFF00u},
        {15, 0xC0C0C0u}, {19, 0xFFFFCCu}, {36, 0xFFFF99u}, {56, 0x333333u},
    };
    for (const auto& [i, rgb] : farben) EXPECT_EQ(glPalettenFarbe(i), rgb) << i;
    EXPECT_TRUE(gbIstPalettenIndex(56));
    EXPECT_FALSE(gbIstPalettenIndex(57));
    EXPECT_FALSE(gbIstPalettenIndex(KEINE_FARBE));
}

TEST(Breiten, AutoFitMeasuresTheLongestTextAndColumnWidthRefusesOutOfRange) {
    EXPECT_DOUBLE_EQ(gdTextbreite("", false), 0);
    EXPECT_DOUBLE_EQ(gdTextbreite("Name", false), 4.7);
    EXPECT_DOUBLE_EQ(gdTextbreite("Name", true), 5.1);
    EXPECT_DOUBLE_EQ(gdTextbreite("ab\nabcdef", false), 6.7);
    EXPECT_DOUBLE_EQ(gdTextbreite("Müller", false), 6.7);

    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(1, 1).SetValue("Name");
    blatt.Cells(1, 1).Font().SetBold(true);
    blatt.Cells(2, 1).SetValue("Schmidt");  // 7 characters regular: 7.7
    blatt.Cells(1, 2).SetValue("Vorname");  // bold 7 characters: 8.4
    blatt.Cells(1, 2).Font().SetBold(true);
    blatt.Cells(2, 2).SetValue("Anna");
    blatt.Cells(2, 3).SetValue("2,25");
    blatt.Cells(2, 3).SetNumberFormat("0.0");        // shown as "2,3": 3.7
    blatt.Cells(3, 4).Interior().SetColorIndex(19);  // styled but empty: standard width
    blatt.Cells(4, 5).SetValue(QString(300, QLatin1Char('x')));

    blatt.GetRange(blatt.Cells(1, 1), blatt.Cells(1, 6)).EntireColumn().AutoFit();
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 1).ColumnWidth(), 7.7);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 2).ColumnWidth(), 8.4);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 3).ColumnWidth(), 3.7);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 4).ColumnWidth(), STANDARD_BREITE);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 5).ColumnWidth(), 255);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 6).ColumnWidth(), STANDARD_BREITE);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 7).ColumnWidth(), STANDARD_BREITE);  // never touched
    EXPECT_FALSE(blatt.Daten()->HatSpaltenbreite(7));

    // Without EntireColumn only the range's own rows count.
    blatt.GetRange(blatt.Cells(2, 1), blatt.Cells(2, 2)).AutoFit();
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 1).ColumnWidth(), 7.7);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 2).ColumnWidth(), 4.7);

    // A width read as double, kept as single and written back stays the same number.
    const auto fStandard = static_cast<float>(blatt.Cells(1, 8).ColumnWidth());
    blatt.Cells(1, 8).SetColumnWidth(fStandard);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 8).ColumnWidth(), 8.43);
    blatt.GetRange(blatt.Cells(1, 9), blatt.Cells(1, 10)).SetColumnWidth(9.5f);
    EXPECT_DOUBLE_EQ(blatt.Cells(5, 10).ColumnWidth(), 9.5);
    blatt.Cells(1, 11).SetColumnWidth(0.0f);
    blatt.Cells(1, 12).SetColumnWidth(255.0f);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 12).ColumnWidth(), 255);
    EXPECT_EQ(Fehlernummer([&] { blatt.Cells(1, 13).SetColumnWidth(255.5f); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { blatt.Cells(1, 13).SetColumnWidth(-1.0f); }), FEHLER_ANWENDUNG);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 13).ColumnWidth(), STANDARD_BREITE);
}

TEST(Lebensdauer, CloseAndQuit) {
    Application app;
    EXPECT_TRUE(app.DisplayAlerts());
    app.SetDisplayAlerts(false);
    EXPECT_FALSE(app.DisplayAlerts());
    auto mappe = app.GetWorkbooks().Add();
    auto zweite = app.GetWorkbooks().Add();
    EXPECT_EQ(app.GetWorkbooks().Count(), 2);
    Worksheet blatt = mappe->GetSheets()(1);

    Range zelle = blatt.Cells(1, 1);
    mappe->Close();
    EXPECT_EQ(app.GetWorkbooks().Count(), 1);
    EXPECT_EQ(Fehlernummer([&] { (void)zelle.Text(); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { zelle.SetValue("1"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { mappe->GetSheets().Count(); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { mappe->SaveAs("/tmp/nie.xlsx"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { mappe->Close(); }), FEHLER_ANWENDUNG);

    Worksheet offen = zweite->GetSheets()(1);
    app.Quit();
    EXPECT_TRUE(app.Beendet());
    EXPECT_EQ(Fehlernummer([&] { offen.Cells(1, 1).SetValue("x"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(Fehlernummer([&] { app.GetWorkbooks().Add(); }), FEHLER_OBJEKT_ERSTELLEN);
    EXPECT_EQ(Fehlernummer([&] { app.GetWorkbooks().Open("/tmp/x.xlsx"); }),
              FEHLER_OBJEKT_ERSTELLEN);
    // What the writer does when it ends: alerts off, quit, alerts on — on a quit instance too.
    app.SetDisplayAlerts(false);
    app.Quit();
    app.SetDisplayAlerts(true);
    EXPECT_TRUE(app.DisplayAlerts());
}
