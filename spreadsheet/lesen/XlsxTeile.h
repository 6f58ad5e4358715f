#pragma once
// The parts of an Office Open XML package and how they find each other: relationships
// (relative targets as Excel writes them, absolute ones as openpyxl writes them) and the
// text escapes of SpreadsheetML.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace rastfang::spreadsheet {

class ZipArchiv;

/// One relationship of a part.
struct Beziehung {
    std::string sId;
    std::string sTyp;      ///< the relationship type URI
    std::string sZiel;     ///< the target as a zip entry name, resolved
    bool bExtern = false;  ///< TargetMode="External"
};

/// The relationships of part `sTeil` ("" for the package), read from its .rels part; empty when
/// the part has none.
std::vector<Beziehung> gBeziehungen(const ZipArchiv& archiv, std::string_view sTeil);

/// Resolves `sZiel` relative to the folder of `sTeil`; a leading "/" means the package root.
std::string gsZielPfad(std::string_view sTeil, std::string_view sZiel);

/// True when the relationship type URI ends with "/" + `sArt` (e.g. "worksheet").
bool gbTyp(const Beziehung& b, std::string_view sArt);

/// Text of SpreadsheetML with its "_xHHHH_" escapes decoded ("_x000D_" is a carriage return).
QString gsOoxmlText(std::string_view sUtf8);

}  // namespace rastfang::spreadsheet
