#pragma once
// Text access for the settings files. Reading decodes line by line: UTF-8 where a line is valid
// UTF-8, else Windows-1252 (a comment an administrator typed on Windows must not turn every
// UTF-8 line of the file into mojibake). Writing never loses the old file: it goes through a
// temporary file and a rename, or, in a folder the writer may not create files in, in place
// after the new length has been reserved; a failed write leaves the old file byte for byte.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace rastfang {

/// One line of a text file: its text, and as read its bytes (without the line break) and its
/// line break ("\r\n", "\n", "\r", or empty for a last line without one). A line the program
/// adds has null bytes.
struct TextZeile {
    QString sText;
    QByteArray roh;
    QByteArray umbruch;
};

/// A text file as lines, with what is needed to write the untouched lines back unchanged.
struct TextZeilen {
    QByteArray bom;                                ///< a UTF-8 byte-order mark at the start, if any
    QList<TextZeile> zeilen;                       ///< in file order
    QByteArray umbruch = QByteArrayLiteral("\n");  ///< the file's first line break, for new lines
};

/// Splits file contents into lines (at CR LF, LF or CR) and decodes each on its own.
TextZeilen gTextZeilenVon(const QByteArray& bytes);

/// The file contents for `text`: a line whose text is what its bytes decode to is written as
/// those bytes with its own line break; a changed or new line is written in UTF-8 with the
/// file's line break. Every line but a last untouched one ends with a line break.
QByteArray gBytesVon(const TextZeilen& text);

/// Decodes file contents line by line (see above), a leading byte-order mark dropped.
QString gsDekodiere(const QByteArray& bytes);

/// The text of file `sPfad` (see gsDekodiere); nullopt when it cannot be opened for reading.
std::optional<QString> gsTextDateiLesen(const QString& sPfad);

/// The raw contents of file `sPfad`; nullopt when it cannot be opened for reading.
std::optional<QByteArray> gDateiBytesLesen(const QString& sPfad);

/// The lines of `sText`, split at CR LF, LF or CR; a line break at the very end makes no
/// extra empty line.
QStringList gZeilenVon(const QString& sText);

/// Replaces the contents of file `sPfad` by `bytes`, keeping the old file's owner, group and
/// mode where the writer may. Through a temporary file in the same folder and a rename; where
/// no file can be created in that folder, or the file belongs to someone else, an existing
/// writable file is rewritten in place once the space for the new contents is reserved. The
/// folder must exist. False, with the old file unchanged, when it cannot be written completely.
bool gbDateiSicherSchreiben(const QString& sPfad, const QByteArray& bytes);

/// Writes `sText` in UTF-8 to file `sPfad` (see gbDateiSicherSchreiben).
bool gbTextDateiSchreiben(const QString& sPfad, const QString& sText);

/// True when `sPfad` is an existing file whose permission bits allow nobody to write it: the
/// read-only attribute of a settings file, which holds for every user, the administrator too.
bool gbSchreibgeschuetzt(const QString& sPfad);

}  // namespace rastfang
