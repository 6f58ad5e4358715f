#pragma once
// The reader of OpenDocument spreadsheets (.ods).

#include <memory>

#include "spreadsheet/lesen/MappenLeser.h"

namespace rastfang::spreadsheet {

class ZipArchiv;

/// True when the zip package is an OpenDocument spreadsheet.
bool gbIstOds(const ZipArchiv& archiv);

/// Reads the sheet names and the number styles; the sheets are filled later. Throws
/// Lesefehler (Verschluesselt for a password-protected document).
std::shared_ptr<MappenLeser> gOdsLeser(std::shared_ptr<const ZipArchiv> archiv, MappenDaten& mappe);

}  // namespace rastfang::spreadsheet
