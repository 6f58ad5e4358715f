#pragma once
// The shared routines of the main window's module that need no window: the file-existence test,
// splitting a path into folder and file name, and appending a separator. They sit in the bottom
// layer because the settings store looks for its INI files with them too. Paths may use "/" (our
// own separator) and "\" (paths typed the Windows way) alike.

#include <QString>

namespace rastfang {

/// True only when a plain, non-hidden file exists whose name equals the path's file name
/// without regard to case. Folders, wildcard patterns that do not name a file literally and
/// dot-files give false; so does any failure of the query.
bool gbDateiVorhanden(const QString& sPfad);

/// The path of the file that `sPfad` names, with its file name spelled as on disk when only the
/// letter case differs (the check accepts such a name, so opening and deleting must find it);
/// `sPfad` unchanged when there is no such file.
QString gsDateiAufDisk(const QString& sPfad);

/// True when both paths lead to one existing file: after the case-insensitive lookup of
/// `gsDateiAufDisk` and after resolving links, they name the same device and inode (two
/// spellings, a symbolic or a hard link). False when either file does not exist.
bool gbSelbeDatei(const QString& sPfad1, const QString& sPfad2);

/// The folder part of a path with its trailing separator ("/daten/liste.xls" → "/daten/");
/// else the drive part ("C:liste.xls" → "C:"); else the empty text. Not trimmed.
QString gsVerzeichnisTeil(const QString& sPfad);

/// The file name of a path: everything after the last ":", "\" or "/" of the trimmed path;
/// empty for an empty path or one that ends with a separator.
QString gsDateiName(const QString& sPfad);

/// Appends `sTrenner` to `sText` unless `sText` is empty.
void gTrennerAnhaengen(QString& sText, const QString& sTrenner);

}  // namespace rastfang
