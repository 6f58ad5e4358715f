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
    const float breiten[] = {30.0f, 8.43f, 12.0f, 9.5f, 10.0f, 7.25f};
    for (int c = 5; c <= 10; ++c) blatt.Cells(1, c).SetColumnWidth(breiten[c - 5]);
    gGemeinsameBreite(blatt, 6, 9);
    gGemeinsameBreite(blatt, 10, 10);  // one column alone keeps its width
    gGemeinsameBreite(blatt, 11, 11);  // also the standard width, read as single precision
    gGemeinsameBreite(blatt, 10, 6);   // an empty span changes nothing
    const double erwartet[] = {30.0, 12.0, 12.0, 12.0, 12.0, 7.25, 8.43};
    for (int c = 5; c <= 11; ++c)
        EXPECT_DOUBLE_EQ(blatt.Cells(1, c).ColumnWidth(), erwartet[c - 5]) << c;
}
