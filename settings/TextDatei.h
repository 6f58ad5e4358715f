#pragma once
// Whole-file text access for the settings files: reading accepts UTF-8 and, for files brought
// over from Windows, Windows-1252; writing is UTF-8 and atomic, so a crash leaves either the
// old or the new file, never half of one.

#include <QString>
#include <QStringList>
#include <optional>

namespace rastfang {

/// Decodes file contents: UTF-8 (a leading byte-order mark dropped) when the bytes are valid
/// UTF-8, else Windows-1252.
QString gsDekodiere(const QByteArray& bytes);

/// The text of file `sPfad` (see gsDekodiere); nullopt when it cannot be opened for reading.
std::optional<QString> gsTextDateiLesen(const QString& sPfad);

/// The lines of `sText`, split at CR LF, LF or CR; a line break at the very end makes no
/// extra empty line.
QStringList gZeilenVon(const QString& sText);

/// Replaces file `sPfad` by `sText` in UTF-8 through a temporary file and a rename. The folder
/// must exist. False when the file cannot be written.
bool gbTextDateiSchreiben(const QString& sPfad, const QString& sText);

/// True when `sPfad` is an existing file whose permission bits allow nobody to write it: the
/// read-only attribute of a settings file, which holds for every user, the administrator too.
bool gbSchreibgeschuetzt(const QString& sPfad);

}  // namespace rastfang
