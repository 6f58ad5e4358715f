#pragma once
// Serial numbers shown as German dates and times.

#include <QString>
#include <optional>

#include "spreadsheet/Formatcode.h"

namespace rastfang::spreadsheet {

/// The serial in the 1900 system (the 1904 system counts from 1 Jan 1904).
double gdSeriell1900(double d, bool b1904);

/// Formats a 1900-based serial with a date/time section: German month and day names, the
/// spreadsheet's 29 Feb 1900 and day 0 as "00.01.1900"; "########" outside 1900..9999.
QString gsDatum(const Abschnitt& a, double dSeriell);

/// A 1900-based serial as VB's CStr writes a date: "dd.mm.yyyy", " hh:mm:ss" added when the
/// time is not midnight, the time alone for day 0; nothing outside 1900..9999.
std::optional<QString> gsDatumWert(double dSeriell);

}  // namespace rastfang::spreadsheet
