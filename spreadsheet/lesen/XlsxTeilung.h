#pragma once
// Where a worksheet's XML can be parsed as two halves by two parsers at the same time. A sheet
// of a workbook with one sheet would otherwise be parsed by one core while the other waits.
// The second half begins at a <row> start tag with its row number near the middle of the
// sheet data; its parser reads first what puts it in the same place of the document (the
// prolog and the root's start tag, then the sheetData start tag), and the first half is closed
// after it. A point that only looks like a row (in a comment or a CDATA section) leaves the
// first half unfinished, which its parser reports: the caller then parses the whole.

#include <optional>
#include <string>
#include <string_view>

namespace rastfang::spreadsheet {

/// Two halves of one worksheet document.
struct Blatthaelften {
    size_t nZweiteAb = 0;   ///< where the second half begins in the document
    std::string sVorspann;  ///< read before the second half
    std::string sSchluss;   ///< read after the first half
};

/// The halves of worksheet document `sXml`, or nothing when it has no row with a row number
/// in the second half of its sheet data (or no sheet data, or a document type declaration).
/// The second half begins at the first such row from byte `nAb` on (and within the sheet
/// data), or from the middle of the sheet data when `nAb` is not given.
std::optional<Blatthaelften> gBlatthaelften(std::string_view sXml,
                                            size_t nAb = std::string_view::npos);

}  // namespace rastfang::spreadsheet
