#pragma once
// The number formats that Office Open XML and BIFF files refer to by id alone, as German
// Excel shows them (id 14 is "DD.MM.YYYY" there).

#include <QString>

namespace rastfang::spreadsheet {

/// The format code of built-in number format `iId`; "General" for unknown ids.
QString gsStandardformat(int iId);

}  // namespace rastfang::spreadsheet
