#pragma once
// The reader of Office Open XML workbooks (.xlsx, .xlsm).

#include <memory>

#include "MappenLeser.h"

namespace rastfang::tabelle {

class ZipArchiv;

/// True when the zip package holds a SpreadsheetML workbook.
bool gbIstXlsx(const ZipArchiv& archiv);

/// Reads the workbook part, its relationships and styles into `mappe` (formats, date system)
/// and returns the reader that fills the sheets later. Throws Lesefehler.
std::unique_ptr<MappenLeser> gXlsxLeser(std::shared_ptr<const ZipArchiv> archiv,
                                        MappenDaten& mappe);

}  // namespace rastfang::tabelle
