#include "reader/Spaltenbuchstaben.h"

#include "basis/VbText.h"

namespace rastfang {

namespace {
// Position of an upper-case ASCII letter in the alphabet (A = 0), or -1.
int buchstabe(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? static_cast<int>(u - u'A') : -1;
}

constexpr int16_t LETZTE_SPALTE = 256;  // "IV"
}  // namespace

int16_t giSpaltenNr(const QString& sSpaltenName) {
    // Letter by letter, so that no letter can turn into two when upper-cased.
    QString s = gsTrim(sSpaltenName);
    for (QChar& c : s) c = c.toUpper();

    if (s.size() == 1) {
        const int a = buchstabe(s[0]);
        return a < 0 ? int16_t{0} : static_cast<int16_t>(a + 1);
    }
    if (s.size() == 2) {
        const int a = buchstabe(s[0]);
        const int b = buchstabe(s[1]);
        if (a < 0 || b < 0) return 0;
        const int nr = 26 + a * 26 + b + 1;
        return nr > LETZTE_SPALTE ? int16_t{0} : static_cast<int16_t>(nr);
    }
    return 0;
}

QString gsSpaltenBuchstaben(int16_t iSpaltennummer) {
    if (iSpaltennummer < 1 || iSpaltennummer > LETZTE_SPALTE) return {};
    if (iSpaltennummer <= 26) return QString(QChar(u'A' + (iSpaltennummer - 1)));
    const int k = iSpaltennummer - 27;
    return QString(QChar(u'A' + k / 26)) + QChar(u'A' + k % 26);
}

}  // namespace rastfang
