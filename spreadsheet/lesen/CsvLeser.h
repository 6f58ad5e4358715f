#pragma once
// The reader of delimited text (.csv, .txt): ";", "," or tab, UTF-8 or Windows-1252; one
// worksheet named after the file.

#include <QByteArray>
#include <QString>
#include <memory>

#include "spreadsheet/lesen/MappenLeser.h"

namespace rastfang::spreadsheet {

/// Text files are read whole (the bytes and their decoded text, charged to the workbook's
/// budget); larger ones are refused.
inline constexpr qint64 MAX_TEXTDATEI_BYTES = 48ll * 1024 * 1024;

/// True when `kopf` (the first bytes of a file) looks like text: no control characters other
/// than tab, line feed and carriage return, valid UTF-8 or plausible Windows-1252.
bool gbIstText(const QByteArray& kopf);

/// The reader for the text file `sPfad`; cells are converted as a German spreadsheet does
/// (numbers with ",", dates "dd.mm.yyyy", WAHR/FALSCH).
std::shared_ptr<MappenLeser> gCsvLeser(const QString& sPfad, MappenDaten& mappe);

}  // namespace rastfang::spreadsheet
