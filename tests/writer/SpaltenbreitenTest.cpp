// The common width of the subject columns, on a worksheet of the spreadsheet engine whose
// widths are set directly (fitted widths depend on the fonts; the rule does not).
#include <gtest/gtest.h>

#include "spreadsheet/Excel.h"
#include "writer/Spaltenbreiten.h"

using namespace rastfang;

TEST(Spaltenbreiten, TheWidestSubjectColumnSetsTheWidthOfAll) {
    spreadsheet::Application app;
    auto mappe = app.GetWorkbooks().Add();
    spreadsheet::Worksheet blatt = mappe->Worksheets().Item(1);
    const float breiten[] = {8.43f, 12.0f, 9.5f, 10.0f, 7.25f};
    for (int c = 6; c <= 10; ++c) blatt.Cells(1, c).SetColumnWidth(breiten[c - 6]);
    blatt.Cells(1, 5).SetColumnWidth(30.0f);

    gGemeinsameBreite(blatt, 6, 9);
    for (int c = 6; c <= 9; ++c) EXPECT_DOUBLE_EQ(blatt.Cells(1, c).ColumnWidth(), 12.0) << c;
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 10).ColumnWidth(), 7.25);  // after the last subject
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 5).ColumnWidth(), 30.0);   // before the first

    // One column alone keeps its width, also the standard width read as single precision.
    gGemeinsameBreite(blatt, 10, 10);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 10).ColumnWidth(), 7.25);
    gGemeinsameBreite(blatt, 11, 11);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 11).ColumnWidth(), 8.43);
    // An empty span changes nothing.
    gGemeinsameBreite(blatt, 10, 6);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 6).ColumnWidth(), 12.0);
    EXPECT_DOUBLE_EQ(blatt.Cells(1, 10).ColumnWidth(), 7.25);
}
