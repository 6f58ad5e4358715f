#pragma once
// Opening a workbook file: the format is told by the content, each format has its own reader.

#include <QString>
#include <memory>

#include "../Mappe.h"

namespace rastfang::tabelle {

/// Reads the workbook at `sPfad`. Sheets are parsed when their cells are first needed.
/// Raises VbFehler 1004 with a German description naming the file and the reason.
std::shared_ptr<MappenDaten> gLiesArbeitsmappe(const QString& sPfad);

}  // namespace rastfang::tabelle
