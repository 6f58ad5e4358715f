// The engine's stand-ins for the library's calls: only its saves compress at the fast level and
// print numbers their own way, as glibc prints them; cell names are the library's own.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <xlsxwriter/utility.h>
#include <zlib.h>

#include <QTemporaryDir>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "TestHilfen.h"
#include "spreadsheet/Excel.h"
#include "spreadsheet/schreiben/Stellvertreter.h"

using namespace rastfang::spreadsheet;

extern "C" int __fprintf_chk(FILE* datei, int iPruefung, const char* sFormat, ...);

namespace {

/// Size of `sText` raw-deflated with `iStufe`, through whatever deflateInit2_ the program uses.
size_t gepackt(const std::string& sText, int iStufe) {
    z_stream strom{};
    EXPECT_EQ(deflateInit2(&strom, iStufe, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string aus(deflateBound(&strom, sText.size()), '\0');
    strom.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(sText.data()));
    strom.avail_in = static_cast<uInt>(sText.size());
    strom.next_out = reinterpret_cast<Bytef*>(aus.data());
    strom.avail_out = static_cast<uInt>(aus.size());
    EXPECT_EQ(deflate(&strom, Z_FINISH), Z_STREAM_END);
    deflateEnd(&strom);
    return strom.total_out;
}

/// glibc's text of `d` in `sFormat`.
std::string druck(const char* sFormat, double d) {
    char text[128];
    std::snprintf(text, sizeof text, sFormat, d);
    return text;
}

/// What __fprintf_chk writes for the library's styled number cell.
std::string nummerzelle(double dZahl) {
    char text[128] = {};
    FILE* datei = fmemopen(text, sizeof text - 1, "w");
    __fprintf_chk(datei, 1, "<c r=\"%s\" s=\"%d\"><v>%.16G</v></c>", "XFD1048576", 17, dZahl);
    std::fclose(datei);
    return text;
}

}  // namespace

TEST(Stellvertreter, OnlyTheEnginesSavesCompressFast) {
    std::string sText;
    for (int i = 0; i < 20000; ++i) sText += "<c r=\"F" + std::to_string(i) + "\"><v>2.3</v></c>";
    const size_t nSchnell = gepackt(sText, 1), nStandard = gepackt(sText, 6);
    ASSERT_NE(nSchnell, nStandard);
    EXPECT_EQ(gepackt(sText, Z_DEFAULT_COMPRESSION), nStandard);
    {
        const EigenesSpeichern speichern;
        EXPECT_EQ(gepackt(sText, Z_DEFAULT_COMPRESSION), nSchnell);
        EXPECT_EQ(gepackt(sText, 6), nStandard);  // an explicit level is left alone
    }
    EXPECT_EQ(gepackt(sText, Z_DEFAULT_COMPRESSION), nStandard);

    // The library's own call reaches the stand-in: the saved sheet is its content at level 1.
    QTemporaryDir ordner;
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    for (int32_t z = 1; z <= 3000; ++z)
        mappe->GetSheets()(1).Cells(z, 1).SetValue(QStringLiteral("Zeile %1").arg(z));
    const QString sPfad = ordner.filePath(QStringLiteral("schnell.xlsx"));
    mappe->SaveAs(sPfad);
    const QString sSkript = QStringLiteral(R"(
import sys, zipfile, zlib
z = zipfile.ZipFile(sys.argv[1])
info = z.getinfo("xl/worksheets/sheet1.xml")
for stufe in (1, 6):
    print(stufe, len(zlib.compress(z.read(info), stufe, wbits=-15)) == info.compress_size)
)");
    EXPECT_EQ(rastfang::test::gsPython(sSkript, {sPfad}), QStringLiteral("1 True\n6 False\n"));
}

TEST(Stellvertreter, NumbersArePrintedAsGlibcPrintsThem) {
    // clang-format off
    std::vector<double> zahlen = {0.0, -0.0, 2.3, 9.3, 0.1 + 0.2, 1.0 / 3, 1e-5, 1e15, 1e16, 1e17,
        123456789012345678.0, 4.9e-324, 1.7976931348623157e308, -2.5e-300, 45291.0, 0.0001};
    // clang-format on
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

    // Through the stand-in: glibc's text outside and inside a save; other kinds go to glibc.
    const std::string sErwartet = druck("<c r=\"XFD1048576\" s=\"17\"><v>%.16G</v></c>", 9.3);
    EXPECT_EQ(nummerzelle(9.3), sErwartet);
    {
        const EigenesSpeichern speichern;
        EXPECT_EQ(nummerzelle(9.3), sErwartet);
        EXPECT_EQ(nummerzelle(9.3), sErwartet);  // now from what was printed before
        EXPECT_EQ(nummerzelle(std::numeric_limits<double>::infinity()),
                  "<c r=\"XFD1048576\" s=\"17\"><v>INF</v></c>");
    }
}

TEST(Stellvertreter, CellNamesAreTheLibrarysOwn) {
    using Name = void (*)(char*, lxw_row_t, lxw_col_t);
    const auto bibliothek = reinterpret_cast<Name>(dlsym(RTLD_NEXT, "lxw_rowcol_to_cell"));
    ASSERT_NE(bibliothek, nullptr);
    // Beyond the sheet's last row and column too, where the stand-in hands over to the library.
    for (const lxw_row_t iZeile : {0U, 8U, 9U, 99U, 32767U, 1048575U, 1048576U, 4000000000U}) {
        for (lxw_col_t iSpalte = 0; iSpalte <= 16400; ++iSpalte) {
            char unser[LXW_MAX_CELL_NAME_LENGTH], ihr[LXW_MAX_CELL_NAME_LENGTH];
            lxw_rowcol_to_cell(unser, iZeile, iSpalte);
            bibliothek(ihr, iZeile, iSpalte);
            ASSERT_STREQ(unser, ihr) << iZeile << " " << iSpalte;
        }
    }
}
