#pragma once
// The reader of legacy Excel workbooks (.xls): BIFF8 (Excel 97 and later) and BIFF5 (Excel 5
// and 95) in an OLE2 compound file, with number formats and cached formula results.

#include <QString>
#include <memory>

#include "spreadsheet/lesen/MappenLeser.h"

namespace rastfang::spreadsheet {

/// The reader for the compound file `sPfad`; sets the date system of `mappe`. The workbook
/// stream and the shared strings are charged to `budget`.
/// Lesefehler(Verschluesselt) for encrypted workbooks and encrypted Office packages, (ZuGross)
/// for a workbook beyond the memory budget, (Format) for anything else it cannot read.
std::shared_ptr<MappenLeser> gXlsLeser(const QString& sPfad, MappenDaten& mappe,
                                       Lesebudget& budget);

}  // namespace rastfang::spreadsheet
