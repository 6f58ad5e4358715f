#pragma once
// Single-line entries hold no line break. Text that enters one (pasted, dropped, read from the
// presets, given on the command line) is cut at its first line break, as a single-line entry of
// the classic desktop does on paste; so no break can reach the INI file, where it would split
// an entry into stray lines.

#include <QString>

#include "app/Eingaben.h"

class QLineEdit;

namespace rastfang {

/// `sText` up to its first line break (CR, LF, NEL, line or paragraph separator); unchanged
/// when it holds none.
QString gsEinzeilig(const QString& sText);

/// Every field of `eingaben` cut with gsEinzeilig.
Eingaben gEinzeilig(Eingaben eingaben);

/// From now on, text pasted or dropped into `txt` is cut at its first line break before it is
/// inserted; the text after the insertion point stays.
void gEinzeiligHalten(QLineEdit& txt);

}  // namespace rastfang
