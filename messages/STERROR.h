#pragma once
// The message catalogue: every message the program can put before the user in a message box,
// by its code, with its text template, button set and icon. The rows are fixed in the program.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <span>
#include <string_view>

namespace rastfang {

/// One catalogue row. Line breaks in the text are CR LF; "$1".."$9" are placeholders.
struct StErrorZeile {
    std::u16string_view sCode;        ///< "VLM" + five digits, or "VB00070"/"VB00071"
    std::u16string_view sText;        ///< text template (unused for "VB00070", which keeps its own)
    int16_t iKnoepfe;                 ///< button set: 0 OK, 4 Yes/No, 5 Retry/Cancel
    int16_t iSymbol;                  ///< icon: 16, 32, 48 or 64
    bool bZeilenumbruchInParametern;  ///< "\n" in the parameter list becomes CR LF
    bool bTextVomFehler;              ///< the text is the pending error's description
};

/// All rows in ascending code order, the two "VB" rows last.
std::span<const StErrorZeile> gStErrorKatalog();

/// The row whose code equals `sCode` exactly (case-sensitive); nullptr when there is none.
const StErrorZeile* gpStErrorZeile(QStringView sCode);

/// The title word of an icon: 16 "Fehler", 32 "Frage", 48 "Warnung", 64 "Information";
/// "Fehler" for anything else.
QString gsTitelWort(int16_t iSymbol);

}  // namespace rastfang
