#pragma once
// The INI profile functions the store relies on: read one key of one section of a file, write
// one key. Section and key names are found without regard to case; the rest of the file, its
// comments and lines the functions do not understand included, stays as it is.

#include <QString>
#include <cstdint>

namespace rastfang {

/// Reads key `sKey` of section `sSektion` in INI file `sDatei` into `sErgebnis`: the value
/// with the blanks around it removed (and one pair of enclosing quotes), or `sStandard`
/// without its trailing blanks when the file, the section or the key is missing. At most
/// `lGroesse` - 1 characters are delivered (as with a buffer of `lGroesse` characters that
/// ends in a NUL). Returns the number of characters delivered. Never fails.
int32_t glProfilTextLesen(const QString& sSektion, const QString& sKey, const QString& sStandard,
                          QString& sErgebnis, int32_t lGroesse, const QString& sDatei);

/// Sets `sKey`=`sWert` in section `sSektion` of INI file `sDatei`: an existing key of that
/// name (any case) is replaced on its own line, keeping its spelling; a missing key is added
/// after the last entry of its section; a missing section is added at the end of the file; a
/// missing file is created (its folder must exist). Changed and added lines are written in
/// UTF-8, every other line keeps its bytes; a failed write leaves the old file as it was.
/// False, without any message, when the file cannot be read or written.
bool gbProfilTextSchreiben(const QString& sSektion, const QString& sKey, const QString& sWert,
                           const QString& sDatei);

}  // namespace rastfang
