// Widths as XML Spreadsheet 2003 files carry them. The files themselves are checked with the
// output writer's tests, which save its example output in this format.

#include <gtest/gtest.h>

#include "spreadsheet/Excel.h"
#include "spreadsheet/schreiben/XmlSchreiber.h"

using namespace rastfang::spreadsheet;

TEST(XmlSpeichern, WidthsInPointsFromWholePixels) {
    EXPECT_DOUBLE_EQ(gdBreiteInPunkten(STANDARD_BREITE), 48.0);  // 64 pixels
    EXPECT_DOUBLE_EQ(gdBreiteInPunkten(12), 66.75);              // 89 pixels
    EXPECT_DOUBLE_EQ(gdBreiteInPunkten(16.7), 91.5);             // 122 pixels
}
