#pragma once
// The readers of the single parts of an .xlsx package: styles, shared strings, a worksheet.

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "spreadsheet/Mappe.h"
#include "spreadsheet/lesen/Lesebudget.h"

namespace rastfang::spreadsheet {

class ZipArchiv;

/// Most shared strings a workbook may have (Excel's own limit is far lower in practice).
inline constexpr size_t MAX_GETEILTE_TEXTE = 16 * 1024 * 1024;

/// Reads styles part `sTeil` and returns, for every <xf> of <cellXfs>, the index of its format
/// in `mappe.stile` (number format, bold, fill colour, lock flag); formats and their table are
/// charged to `budget`.
std::vector<uint32_t> gLiesXlsxStile(const ZipArchiv& archiv, std::string_view sTeil,
                                     MappenDaten& mappe, Lesebudget& budget);

/// Reads the shared strings part `sTeil`: rich text runs joined, phonetic runs left out. Each
/// text is charged to `budget` before it is made.
std::vector<QString> gLiesGeteilteTexte(const ZipArchiv& archiv, std::string_view sTeil,
                                        Lesebudget& budget);

/// What a worksheet part needs from the rest of the package.
struct XlsxKontext {
    const std::vector<QString>& texte;   ///< shared strings
    const std::vector<uint32_t>& stile;  ///< cell format index → index in MappenDaten::stile
    bool b1904 = false;
};

/// The largest worksheet part read whole into memory to be parsed in two halves. The densest
/// sheet XML ("<c><v>1</v></c>", 15 bytes a cell) makes under three times its size in cells:
/// the document and all it can hold fit into the workbook's budget together.
inline constexpr uint64_t MAX_HAELFTEN_BLATT = 48 * 1024 * 1024;

/// Reads worksheet part `sTeil` into `blatt` within `budget`: cells by their cached values,
/// column widths, sheet protection. A part of at least `lHaelftenAb` bytes (and at most
/// MAX_HAELFTEN_BLATT) is held whole, when the budget has room for it, and parsed in two
/// halves on two threads (XlsxTeilung.h), which may take what the budget has left at their
/// start, whatever other sheets read at the same time take; when the halves cannot be read,
/// the part is streamed through one parser. 0 streams every part so.
void gLiesXlsxBlatt(const ZipArchiv& archiv, std::string_view sTeil, const XlsxKontext& k,
                    Blatt& blatt, Lesebudget& budget, uint64_t lHaelftenAb);

}  // namespace rastfang::spreadsheet
