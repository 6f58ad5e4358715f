// The engine prints the library's cells as glibc and the library would: same numbers, same
// cell names, and only inside its own saves.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <xlsxwriter/utility.h>

#include <bit>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "spreadsheet/schreiben/Zellendruck.h"

using namespace rastfang::spreadsheet;

extern "C" int __fprintf_chk(FILE* datei, int iPruefung, const char* sFormat, ...);

namespace {

std::string druck(const char* sFormat, ...) {
    va_list argumente;
    va_start(argumente, sFormat);
    char text[128];
    std::vsnprintf(text, sizeof text, sFormat, argumente);
    va_end(argumente);
    return text;
}

/// What __fprintf_chk writes for the library's styled number cell.
std::string nummerzelle(double dZahl) {
    char* pText = nullptr;
    size_t nLaenge = 0;
    FILE* datei = open_memstream(&pText, &nLaenge);
    __fprintf_chk(datei, 1, "<c r=\"%s\" s=\"%d\"><v>%.16G</v></c>", "XFD1048576", 17, dZahl);
    std::fclose(datei);
    std::string sText(pText, nLaenge);
    std::free(pText);
    return sText;
}

}  // namespace

TEST(Zellendruck, NumbersArePrintedAsGlibcPrintsThem) {
    std::vector<double> zahlen = {0.0,
                                  -0.0,
                                  2.3,
                                  9.3,
                                  0.1 + 0.2,
                                  1.0 / 3,
                                  1e-5,
                                  1e15,
                                  1e16,
                                  1e17,
                                  123456789012345678.0,
                                  4.9e-324,
                                  1.7976931348623157e308,
                                  -2.5e-300,
                                  45291.0,
                                  0.0001};
    for (int i = 10; i <= 60; ++i) zahlen.push_back(i / 10.0);
    std::mt19937_64 zufall(20261206);
    while (zahlen.size() < 20000) {
        const double d = std::bit_cast<double>(zufall());
        if (std::isfinite(d)) zahlen.push_back(d);
    }
    for (const double d : zahlen) {
        char text[ZAHLDRUCK_LAENGE];
        const std::string sUnser(text, gZahlDrucken(d, text));
        ASSERT_EQ(sUnser, druck("%.16G", d)) << std::bit_cast<uint64_t>(d);
    }

    // Through the stand-in: glibc's text outside a save, the same text inside, and a format of
    // a different kind is left to glibc.
    const std::string sErwartet = druck("<c r=\"XFD1048576\" s=\"17\"><v>%.16G</v></c>", 9.3);
    EXPECT_EQ(nummerzelle(9.3), sErwartet);
    {
        const SchnellerZahldruck schnell;
        EXPECT_EQ(nummerzelle(9.3), sErwartet);
        EXPECT_EQ(nummerzelle(9.3), sErwartet);  // now from what was printed before
        EXPECT_EQ(nummerzelle(std::numeric_limits<double>::infinity()),
                  "<c r=\"XFD1048576\" s=\"17\"><v>INF</v></c>");
    }
}

TEST(Zellendruck, CellNamesAreTheLibrarysOwn) {
    using Name = void (*)(char*, lxw_row_t, lxw_col_t);
    const auto bibliothek = reinterpret_cast<Name>(dlsym(RTLD_NEXT, "lxw_rowcol_to_cell"));
    ASSERT_NE(bibliothek, nullptr);
    for (const lxw_row_t iZeile : {0U, 8U, 9U, 99U, 32767U, 1048575U}) {
        for (lxw_col_t iSpalte = 0; iSpalte < 16384; ++iSpalte) {
            char unser[LXW_MAX_CELL_NAME_LENGTH];
            char ihr[LXW_MAX_CELL_NAME_LENGTH];
            lxw_rowcol_to_cell(unser, iZeile, iSpalte);
            bibliothek(ihr, iZeile, iSpalte);
            ASSERT_STREQ(unser, ihr) << iZeile << " " << iSpalte;
        }
    }
}
