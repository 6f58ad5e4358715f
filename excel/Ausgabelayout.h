#pragma once
// The layout of the output worksheet, which the reader (subject slots), the extraction run
// (field columns) and the writer (formats) must agree on: one line per apprentice with five
// person columns followed by up to twenty subject columns.

#include <cstdint>

#include "spreadsheet/Excel.h"

namespace rastfang::excel {

/// Subjects per group: headings read, grades carried, subject columns written.
inline constexpr int16_t MAX_FAECHER = 20;
/// Output column of the first subject (sBSFach1); the five before it hold the person.
inline constexpr int16_t ERSTES_FACH = 6;
/// Output columns of the apprentice ID, the name and the date of birth.
inline constexpr int16_t SPALTE_ID = 1;
inline constexpr int16_t SPALTE_NAME = 2;
inline constexpr int16_t SPALTE_GEBDAT = 4;
/// Output column of the occupation (sBerufBez), the last person column.
inline constexpr int16_t SPALTE_BERUF = ERSTES_FACH - 1;
/// Columns of an output line: the person columns and the subject columns.
inline constexpr int16_t SPALTEN = ERSTES_FACH - 1 + MAX_FAECHER;
/// Editable rows left below the last line.
inline constexpr int32_t ERSATZZEILEN = 100;
/// Fill of header lines and person columns: palette entry 19, light yellow by default.
inline constexpr int16_t HELLGELB = 19;
/// Grades, and the occupation in the first header line, stand right; subject headings centred.
inline constexpr int32_t AUSRICHTUNG_NOTEN = spreadsheet::Ausrichtung::RECHTS;
inline constexpr int32_t AUSRICHTUNG_BERUF_KOPF = spreadsheet::Ausrichtung::RECHTS;
inline constexpr int32_t AUSRICHTUNG_FAECHER_KOPF = spreadsheet::Ausrichtung::ZENTRIERT;
/// Number formats of the apprentice ID and of the grades.
inline constexpr const char* FORMAT_ID = "0";
inline constexpr const char* FORMAT_NOTE = "0.0";

}  // namespace rastfang::excel
