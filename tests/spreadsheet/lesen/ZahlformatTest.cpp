// Numbers through number format codes under German regional settings.
#include <gtest/gtest.h>

#include "LesenHilfen.h"
#include "spreadsheet/Zahlformat.h"

namespace rastfang::spreadsheet::test {

// clang-format off
// More cases of each kind run through the fixture table of FormateLesen.
TEST(Zahlformat, StandardformatUndZahlenformate) {
    const struct { double d; const char* sFormat; const char* sSoll; } faelle[] = {
        {2.0 / 3, "General", "0,6666666667"},         {-2.5, "General", "-2,5"},
        {0, "General", "0"},                          {12345678901, "General", "12345678901"},
        {-123456789012, "General", "-1,23457E+11"},   {1e20, "General", "1E+20"},
        {0.0001, "General", "0,0001"},                {1.5e-12, "General", "1,5E-12"},
        {1234.5678, "General", "1234,5678"},
        {2.5, "0", "3"},                              {-2.5, "0", "-3"},
        {2.675, "0.00", "2,68"},                      {0.5, "#.##", ",5"},
        {7, "000", "007"},                            {999.999, "#,##0.00", "1.000,00"},
        {12, "#,##0.00", "12,00"},                    {1234567, "#,##0,", "1.235"},
        {0.125, "0.0%", "12,5%"},                     {12345, "0.00E+00", "1,23E+04"},
        {0.00012, "0.0E+00", "1,2E-04"},              {2.5, "\"Note \"0.0", "Note 2,5"},
        {2.5, "0.0\\ \\k\\g", "2,5 kg"},              {2.5, "[Red]0.0", "2,5"},
        {2.5, "[$-407]0.0", "2,5"},                   {-5, "0;(0)", "(5)"},
        {1234.5, "#,##0.00 [$€-407]", "1.234,50 €"},
        {1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\"", "1.234,50 €"},
        {-1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\"", "-1.234,50 €"},
        {0, "0;-0;\"null\"", "null"},                 {3, "0;-0;\"null\";@", "3"},
        {3, "_-* #,##0.00_-", " 3,00 "},              {5, "@", "5"},
        {5, "General;-General", "5"},                 {-5, "General;(General)", "(5)"},
        {12345678, "0.0,,", "12,3"},                  {12345678, "#,##0.0,", "12.345,7"},
        {1.5, "# ?/?", "1 1/2"},                      {2.3333333, "# ?\?/?\?", "2  1/3 "},
        {0.25, "?/?", "1/4"},                         {0.5, "# ?/?", " 1/2"},
        {-2.25, "# ?/?", "-2 1/4"},                   {1.3, "# ?/8", "1 2/8"},
        {3, "# ?/?", "3    "},                        {0.0001, "# ?/?", "0    "},
        {0.555, "[<1]0.00;0.0", "0,56"},              {1.555, "[<1]0.00;0.0", "1,6"},
        {-0.5, "[<1]0.00;0.0", "-0,50"},              {5, "[>=10]0;0.0", "5,0"},
        {-5, "[<0]0.0;0", "5,0"},                     {-5, "[<=-1]0.0;0", "-5,0"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(gsFormatiereZahl(QString::fromUtf8(f.sFormat), f.d), QString::fromUtf8(f.sSoll))
            << f.d << " " << f.sFormat;
    }
}
// clang-format on

}  // namespace rastfang::spreadsheet::test
