#pragma once
// The reader of OpenDocument spreadsheets (.ods).

#include <memory>

#include "spreadsheet/lesen/MappenLeser.h"

namespace rastfang::spreadsheet {

class Lesebudget;
class ZipArchiv;

/// True when the zip package is an OpenDocument spreadsheet.
bool gbIstOds(const ZipArchiv& archiv);

/// Reads the whole document, its cells stored through `budget`; the reader hands each sheet's
/// cells over when asked. Throws Lesefehler (Verschluesselt for a password-protected document).
std::shared_ptr<MappenLeser> gOdsLeser(const ZipArchiv& archiv, MappenDaten& mappe,
                                       Lesebudget& budget);

}  // namespace rastfang::spreadsheet
