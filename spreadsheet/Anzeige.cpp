#include "spreadsheet/Anzeige.h"

#include <array>
#include <bit>
#include <cstdint>
#include <utility>

#include "spreadsheet/Datum.h"
#include "spreadsheet/Dezimal.h"
#include "spreadsheet/Formatcode.h"
#include "spreadsheet/Zahlformat.h"

namespace rastfang::spreadsheet {

namespace {

/// The text `fText` makes of `d`. A results sheet repeats few numbers (grades), and the reader
/// asks for every one of them: the texts of the numbers seen last are kept by their bits and
/// shared.
template <QString (*fText)(double)>
QString gemerkterText(double d) {
    thread_local std::array<std::pair<uint64_t, QString>, 509> tl_gedaechtnis;
    const auto bits = std::bit_cast<uint64_t>(d);
    auto& [schluessel, text] = tl_gedaechtnis[(bits ^ (bits >> 29) ^ (bits >> 47)) % 509];
    if (text.isNull() || schluessel != bits) {
        schluessel = bits;
        text = fText(d);
    }
    return text;
}

/// VB's CStr of a Double: 15 significant digits, scientific from 1E+15 and below 1E-04.
QString cstrErrechnet(double d) {
    return gsKurzform(d, 15, -4, 15, 15);
}

QString csCStr(double d) {
    return gemerkterText<&cstrErrechnet>(d);
}

}  // namespace

bool gbIstDatumsformat(const QString& sFormat) {
    if (gbIstAllgemein(sFormat)) return false;
    // Cheap test first: no date letter at all means no date.
    bool bKandidat = false;
    for (const QChar c : sFormat) {
        const char16_t u = c.toLower().unicode();
        if (u == u'y' || u == u'm' || u == u'd' || u == u'h' || u == u's') {
            bKandidat = true;
            break;
        }
    }
    if (!bKandidat) return false;
    // the first number section is the first section of the code, split the same way
    return gZahlAbschnitte(sFormat).front().bDatum;
}

QString gsAnzeigeText(const Zelle& zelle, const Stil& stil, bool b1904) {
    switch (zelle.typ) {
        case ZellTyp::Leer:
            return {};
        case ZellTyp::Text:
            if (gbIstAllgemein(stil.sZahlenformat)) return zelle.text;
            return gsFormatiereText(stil.sZahlenformat, zelle.text);
        case ZellTyp::Wahrheitswert:
            return zelle.zahl != 0 ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
        case ZellTyp::Fehlerwert:
            return zelle.text;
        case ZellTyp::Zahl:
            break;
    }
    if (gbIstAllgemein(stil.sZahlenformat)) return gemerkterText<&gsStandard>(zelle.zahl);
    if (b1904 && gbIstDatumsformat(stil.sZahlenformat)) {
        return gsFormatiereZahl(stil.sZahlenformat, gdSeriell1900(zelle.zahl, b1904));
    }
    return gsFormatiereZahl(stil.sZahlenformat, zelle.zahl);
}

QString gsWertText(const Zelle& zelle, const Stil& stil, bool b1904) {
    switch (zelle.typ) {
        case ZellTyp::Leer:
            return {};
        case ZellTyp::Text:
        case ZellTyp::Fehlerwert:
            return zelle.text;
        case ZellTyp::Wahrheitswert:
            return zelle.zahl != 0 ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
        case ZellTyp::Zahl:
            break;
    }
    if (!gbIstAllgemein(stil.sZahlenformat) && gbIstDatumsformat(stil.sZahlenformat)) {
        // A date cell's value is a date; the text is what VB's CStr makes of it.
        if (auto sDatum = gsDatumWert(gdSeriell1900(zelle.zahl, b1904))) return *std::move(sDatum);
    }
    return csCStr(zelle.zahl);
}

}  // namespace rastfang::spreadsheet
