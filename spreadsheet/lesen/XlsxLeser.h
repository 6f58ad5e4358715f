#pragma once
// The reader of Office Open XML workbooks (.xlsx, .xlsm).

#include <QString>
#include <memory>

#include "spreadsheet/lesen/MappenLeser.h"

namespace rastfang::spreadsheet {

class ZipArchiv;

/// True when the zip package holds a SpreadsheetML workbook.
bool gbIstXlsx(const ZipArchiv& archiv);

/// Reads the workbook part, its relationships, styles and shared strings (charged to
/// `budget`) into `mappe` (formats, date system) and returns the reader that fills the sheets,
/// several at once (each with its own handle on file `sPfad`). Throws Lesefehler.
std::unique_ptr<MappenLeser> gXlsxLeser(const QString& sPfad,
                                        std::shared_ptr<const ZipArchiv> archiv, MappenDaten& mappe,
                                        Lesebudget& budget);

}  // namespace rastfang::spreadsheet
