// Serial numbers shown as German dates and times.
#include <gtest/gtest.h>

#include "LesenHilfen.h"
#include "spreadsheet/Datum.h"

namespace rastfang::spreadsheet::test {

// clang-format off
TEST(Datum, DeutscheNamenUndSchreibweisen) {
    const double d = 45355;  // Monday, 4 March 2024
    const struct { double d; const char* sFormat; const char* sSoll; } faelle[] = {
        {d, "d.m.yy", "4.3.24"},                      {d, "DDD DD. MMM", "Mo 04. Mrz"},
        {d + 2, "DDDD", "Mittwoch"},                  {d + 280, "MMMM", "Dezember"},
        {d + 0.5, "DD.MM.YYYY hh:mm", "04.03.2024 12:00"},
        {0.5729166667, "hh:mm:ss", "13:45:00"},       {0.5729166667, "h:mm AM/PM", "1:45 PM"},
        {1.5, "[h]:mm", "36:00"},                     {0.0000578704, "mm:ss.0", "00:05,0"},
        {0.99999999, "hh:mm:ss", "00:00:00"},         {60, "DD.MM.YYYY", "29.02.1900"},
        {1, "DD.MM.YYYY", "01.01.1900"},              {-1, "DD.MM.YYYY", "########"},
        {38028, "DD/MM/YYYY", "11.02.2004"},          {38028, "DD\"/\"MM", "11/02"},
        {38028, "DD\\/MM", "11/02"},                  {1.25, "[h]:mm", "30:00"},
        {38028, "[$-F800]dddd, mmmm dd, yyyy", "Mittwoch, 11. Februar 2004"},
        {0.5729166667, "[$-F400]h:mm:ss AM/PM", "13:45:00"},
    };
    for (const auto& f : faelle) {
        const Abschnitt& a = gZahlAbschnitte(QString::fromUtf8(f.sFormat)).front();
        EXPECT_EQ(gsDatum(a, f.d), QString::fromUtf8(f.sSoll)) << f.d << " " << f.sFormat;
    }
}
// clang-format on

}  // namespace rastfang::spreadsheet::test
