#pragma once
// Calendar dates and times as the serial numbers cells store (days since 1899-12-30, with the
// spreadsheet's fictitious 29 Feb 1900 for the first two months of 1900).

#include <optional>
#include <string_view>

namespace rastfang::spreadsheet {

/// The 1900-system serial of a date and time; nothing for an impossible date.
std::optional<double> gdSeriell(int iJahr, int iMonat, int iTag, int iStunde = 0, int iMinute = 0,
                                double dSekunde = 0);

/// Reads "YYYY-MM-DD", "YYYY-MM-DDThh:mm:ss[.fff]" (also with a blank for the "T"), or a bare
/// time "hh:mm:ss" (a fraction of a day) into a 1900-system serial.
std::optional<double> gdIsoSeriell(std::string_view s);

/// Reads an ISO 8601 duration "PT10H30M00S" (as OpenDocument writes times) into days.
std::optional<double> gdIsoDauer(std::string_view s);

}  // namespace rastfang::spreadsheet
