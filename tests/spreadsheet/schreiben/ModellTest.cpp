// The automation objects on a new workbook: sheets, names, values, formats, widths, lifetime.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "spreadsheet/AutoFit.h"
#include "spreadsheet/Excel.h"

using namespace rastfang;
using namespace rastfang::spreadsheet;
using rastfang::test::giFehler;

TEST(Mappe, NewSheetsTakeTheFirstFreeNameAndNamesFollowTheSpreadsheetRules) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    const auto namen = [&] {
        QStringList l;
        for (int i = 1; i <= mappe->GetSheets().Count(); ++i) l << mappe->GetSheets()(i).Name();
        return l;
    };
    EXPECT_EQ(namen(), (QStringList{"Tabelle1", "Tabelle2", "Tabelle3"}));
    EXPECT_EQ(mappe->Worksheets().Add().Name(), "Tabelle4");
    // The new sheet is active, so the next one lands before it; a freed name is used again.
    mappe->GetSheets()(3).Delete();  // Tabelle2
    EXPECT_EQ(mappe->Worksheets().Add().Name(), "Tabelle2");
    EXPECT_EQ(namen(), (QStringList{"Tabelle2", "Tabelle4", "Tabelle1", "Tabelle3"}));
    EXPECT_EQ(giFehler([&] { mappe->GetSheets().Item(0); }), FEHLER_INDEX);
    EXPECT_EQ(giFehler([&] { mappe->GetSheets().Item(5); }), FEHLER_INDEX);
    Worksheet blatt = mappe->GetSheets()(3);  // Tabelle1
    // The same sheet may change the case of its name; 31 characters are allowed.
    for (const QString& sName : {QString(31, QLatin1Char('x')), QString("Übersicht Prüfung"),
                                 QString("ÜBERSICHT prüfung")}) {
        blatt.SetName(sName);
        EXPECT_EQ(blatt.Name(), sName);
    }
    for (const QString& sFalsch :
         QStringList{QString(32, u'x'), "", "a[b", "a]b", "a:b", "a*b", "a?b", "a/b", "a\\b",
                     "tabelle2", "TABELLE3", "'a", "a'"}) {
        EXPECT_EQ(giFehler([&] { blatt.SetName(sFalsch); }), FEHLER_ANWENDUNG)
            << sFalsch.toStdString();
    }
    EXPECT_EQ(blatt.Name(), "ÜBERSICHT prüfung");

    // Down to the sheet the writer keeps: active, not deletable; a deleted sheet is gone for good.
    Worksheet velmora = mappe->Worksheets().Add();
    velmora.SetName("VELMORA");
    Worksheet weg = mappe->GetSheets()(2);
    while (mappe->GetSheets().Count() > 1) mappe->GetSheets()(2).Delete();
    EXPECT_EQ(namen(), QStringList{"VELMORA"});
    EXPECT_EQ(mappe->Daten()->iAktivesBlatt, 0);
    EXPECT_EQ(giFehler([&] { velmora.Delete(); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { weg.Cells(1, 1).SetValue("x"); }), FEHLER_ANWENDUNG);
}

TEST(Zellen, ValueWriteStoresPlainRegionalNumbersAsNumbersOnlyAndCellsStayOnTheSheet) {
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
    for (const char* s : {"1234567890123456", "0815", " 1", "1 ", "2.3", "1.000", "2,", ",5", "+1",
                          "1e5", "01.02.1990", "=1+1", "-", "1,2,3", "Müller", "٣"}) {
        blatt.Cells(2, 2).SetValue(s);  // as a number its value would read differently
        EXPECT_EQ(blatt.Cells(2, 2).Value(), QString::fromUtf8(s));
    }
    // Many numbers, read back twice: each keeps its own text (texts of numbers are reused).
    for (int32_t z = 1; z <= 2000; ++z) blatt.Cells(z, 9).SetValue(QStringLiteral("%1,25").arg(z));
    for (int iDurchgang = 0; iDurchgang < 2; ++iDurchgang)
        for (int32_t z = 1; z <= 2000; ++z)
            ASSERT_EQ(blatt.Cells(z, 9).Value(), QStringLiteral("%1,25").arg(z));
    // Numbers read back in their regional form, shown rounded by the format, kept exact.
    Range zelle = blatt.Cells(3, 6);
    zelle.SetValue("2,25");
    zelle.SetNumberFormat("0.0");
    EXPECT_EQ(zelle.Value() + " " + zelle.Text(), "2,25 2,3");
    // An empty text empties the cell and keeps its format.
    zelle.Interior().SetColorIndex(19);
    zelle.SetValue("");
    const Zelle& leer = blatt.Daten()->Lies(3, 6);
    const Stil behalten{.sZahlenformat = "0.0", .iFarbIndex = 19};
    EXPECT_TRUE(leer.typ == ZellTyp::Leer && mappe->Daten()->stile[leer.stil] == behalten);
    for (const auto& [z, s] :
         {std::pair{0, 1}, {1, 0}, {MAX_ZEILE + 1, 1}, {1, MAX_SPALTE + 1}, {-5, 3}})
        EXPECT_EQ(giFehler([&] { blatt.Cells(z, s); }), FEHLER_ANWENDUNG) << z << "," << s;
    EXPECT_EQ(blatt.Cells(MAX_ZEILE, MAX_SPALTE).Text(), "");
    Worksheet anderes = mappe->GetSheets()(2);
    EXPECT_EQ(giFehler([&] { blatt.GetRange(blatt.Cells(1, 1), anderes.Cells(2, 2)); }),
              FEHLER_ANWENDUNG);
}

TEST(Formate, ApplyToEveryCellOfTheRectangleAsSharedFormats) {
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
    Range noten = blatt.GetRange(blatt.Cells(3, 6), blatt.Cells(4, 25));
    noten.SetLocked(false);
    noten.SetNumberFormat("0.0");
    noten.SetHorizontalAlignment(Ausrichtung::RECHTS);

    const auto& stile = mappe->Daten()->stile;
    auto stil = [&](int32_t z, int32_t s) { return stile[blatt.Daten()->Lies(z, s).stil]; };
    std::set<uint32_t> benutzt;
    for (int32_t s = 1; s <= 25; ++s) {
        EXPECT_TRUE(stil(2, s).iFarbIndex == 19 && stil(2, s).bFett) << s;
        EXPECT_EQ(stil(2, s).lAusrichtung, s >= 6 ? Ausrichtung::ZENTRIERT : Ausrichtung::STANDARD)
            << s;
        EXPECT_EQ(stil(3, s).bGesperrt, s < 6) << s;
        EXPECT_EQ(stil(4, s).sZahlenformat, s >= 6 ? "0.0" : "General") << s;
        for (int32_t z = 2; z <= 4; ++z) benutzt.insert(blatt.Daten()->Lies(z, s).stil);
    }
    EXPECT_TRUE(stil(2, 26) == Stil{} && stil(5, 6) == Stil{});  // beside the rectangles
    EXPECT_EQ(blatt.Cells(2, 3).Value(), "Note");                // formatting leaves values alone
    // Header left, header centred, unlocked right "0.0" and the default: four formats.
    EXPECT_EQ(benutzt.size(), 4u);

    // Setting a property back to its default returns the cells to the default format.
    r.Interior().SetColorIndex(KEINE_FARBE);
    r.Font().SetBold(false);
    r.SetHorizontalAlignment(Ausrichtung::STANDARD);
    EXPECT_EQ(blatt.Daten()->Lies(2, 25).stil, 0u);
    EXPECT_EQ(giFehler([&] { r.Interior().SetColorIndex(0); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { r.Interior().SetColorIndex(57); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { r.SetHorizontalAlignment(42); }), FEHLER_ANWENDUNG);
}

TEST(Breiten, AutoFitMeasuresTheLongestShownTextWithinTheAllowedRange) {
    EXPECT_DOUBLE_EQ(gdTextbreite("ab\nabcdef", false), 6.7);  // the longest line counts

    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(1, 1).SetValue("Name");
    blatt.Cells(2, 1).SetValue("Schmidt");  // 7 characters regular: 7.7
    blatt.Cells(1, 2).SetValue("Vorname");  // bold 7 characters: 8.4
    blatt.Cells(1, 2).Font().SetBold(true);
    blatt.Cells(2, 2).SetValue("Anna");
    blatt.Cells(2, 3).SetValue("2,25");
    blatt.Cells(2, 3).SetNumberFormat("0.0");        // shown as "2,3": 3.7
    blatt.Cells(3, 4).Interior().SetColorIndex(19);  // styled but empty: standard width
    blatt.Cells(4, 5).SetValue(QString(300, QLatin1Char('x')));

    blatt.GetRange(blatt.Cells(1, 1), blatt.Cells(1, 6)).EntireColumn().AutoFit();
    const double breiten[] = {7.7, 8.4, 3.7, STANDARD_BREITE, 255, STANDARD_BREITE};
    for (int s = 1; s <= 6; ++s) EXPECT_DOUBLE_EQ(blatt.Cells(1, s).ColumnWidth(), breiten[s - 1]);
    EXPECT_FALSE(blatt.Daten()->HatSpaltenbreite(7));  // never touched

    // Without EntireColumn only the range's own rows count.
    blatt.GetRange(blatt.Cells(2, 1), blatt.Cells(2, 2)).AutoFit();
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 2).ColumnWidth(), 4.7);

    blatt.Cells(1, 12).SetColumnWidth(255.0f);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 12).ColumnWidth(), 255);
    EXPECT_EQ(giFehler([&] { blatt.Cells(1, 13).SetColumnWidth(255.5f); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { blatt.Cells(1, 13).SetColumnWidth(-1.0f); }), FEHLER_ANWENDUNG);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 13).ColumnWidth(), STANDARD_BREITE);
}

TEST(Lebensdauer, ClosedWorkbooksAndAQuitApplicationRefuseCalls) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    auto zweite = app.GetWorkbooks().Add();
    Range zelle = mappe->GetSheets()(1).Cells(1, 1);
    mappe->Close();
    EXPECT_EQ(app.GetWorkbooks().Count(), 1);
    EXPECT_EQ(giFehler([&] { zelle.SetValue("1"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { mappe->SaveAs("/tmp/nie.xlsx"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { mappe->Close(); }), FEHLER_ANWENDUNG);

    // A range names its sheet by address: no sheet added later may take over a deleted one's.
    Range geloescht = zweite->GetSheets()(2).Cells(1, 1);
    zweite->GetSheets()(2).Delete();
    for (int i = 0; i < 8; ++i) zweite->GetSheets().Add();
    EXPECT_EQ(giFehler([&] { geloescht.SetValue("x"); }), FEHLER_ANWENDUNG);

    Worksheet offen = zweite->GetSheets()(1);
    app.Quit();
    EXPECT_EQ(giFehler([&] { offen.Cells(1, 1).SetValue("x"); }), FEHLER_ANWENDUNG);
    EXPECT_EQ(giFehler([&] { app.GetWorkbooks().Add(); }), FEHLER_OBJEKT_ERSTELLEN);
    // What the writer does when it ends: alerts off, quit, alerts on — on a quit instance too.
    app.SetDisplayAlerts(false);
    app.Quit();
    app.SetDisplayAlerts(true);
    EXPECT_TRUE(app.DisplayAlerts());
}
