#pragma once
// Telling the format of a workbook file from its first bytes and choosing its reader.

#include <QString>
#include <memory>

#include "spreadsheet/lesen/MappenLeser.h"

namespace rastfang::spreadsheet {

/// Opens the reader that fits the content of file `sPfad` (zip: .xlsx/.xlsm or .ods; OLE2
/// compound file: .xls; plain text: delimited values). Workbook-wide data (formats, date
/// system) goes into `mappe`; tables shared by all sheets are charged to `budget`. Throws
/// Lesefehler.
std::shared_ptr<MappenLeser> gOeffneLeser(const QString& sPfad, MappenDaten& mappe,
                                          Lesebudget& budget);

}  // namespace rastfang::spreadsheet
