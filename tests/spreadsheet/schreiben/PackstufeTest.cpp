// Saved workbooks are compressed at the fast level, and no other zlib stream of the program is.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QTemporaryDir>
#include <string>

#include "TestHilfen.h"
#include "spreadsheet/Excel.h"
#include "spreadsheet/schreiben/Packstufe.h"

using namespace rastfang::spreadsheet;

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

}  // namespace

TEST(Packstufe, OnlyTheEnginesSavesCompressFast) {
    std::string sText;
    for (int i = 0; i < 20000; ++i) sText += "<c r=\"F" + std::to_string(i) + "\"><v>2.3</v></c>";
    const size_t nSchnell = gepackt(sText, 1);
    const size_t nStandard = gepackt(sText, 6);
    ASSERT_NE(nSchnell, nStandard);
    EXPECT_EQ(gepackt(sText, Z_DEFAULT_COMPRESSION), nStandard);
    {
        const SchnellePackung schnell;
        EXPECT_EQ(gepackt(sText, Z_DEFAULT_COMPRESSION), nSchnell);
        EXPECT_EQ(gepackt(sText, 9), gepackt(sText, 9));  // an explicit level is left alone
    }
    EXPECT_EQ(gepackt(sText, Z_DEFAULT_COMPRESSION), nStandard);

    // The library's own call reaches the stand-in: the saved sheet is exactly as large as its
    // content deflated at level 1.
    QTemporaryDir ordner;
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    for (int32_t z = 1; z <= 3000; ++z)
        blatt.Cells(z, 1).SetValue(QStringLiteral("Zeile %1").arg(z));
    mappe->SaveAs(ordner.filePath(QStringLiteral("schnell.xlsx")));
    EXPECT_EQ(rastfang::test::gsPython(QStringLiteral(R"(
import sys, zipfile, zlib
with zipfile.ZipFile(sys.argv[1]) as z:
    info = z.getinfo("xl/worksheets/sheet1.xml")
    daten = z.read(info)
for stufe in (1, 6):
    p = zlib.compressobj(stufe, zlib.DEFLATED, -15)
    print(stufe, len(p.compress(daten) + p.flush()) == info.compress_size)
)"),
                                       {ordner.filePath(QStringLiteral("schnell.xlsx"))}),
              QStringLiteral("1 True\n6 False\n"));
}
