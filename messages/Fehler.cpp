#include "messages/Fehler.h"

#include <vector>

#include "basis/Plattform.h"
#include "basis/VbText.h"
#include "messages/STERROR.h"

namespace rastfang {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The placeholders can name nine items; a list with nine ";" has a tenth that nothing names.
constexpr int kMaxPlatzhalter = 9;

/// The items of a ";"-separated parameter list and how many the list counts (ten when it holds
/// nine or more ";", so that such a list never fits a text).
struct Parameterliste {
    std::vector<QString> items;
    int iAnzahl = 0;
};

Parameterliste zerlegen(const QString& sParameter) {
    Parameterliste liste;
    QString sRest = sParameter;
    bool bLetztesGenommen = false;
    while (static_cast<int>(liste.items.size()) < kMaxPlatzhalter) {
        const qsizetype pos = sRest.indexOf(QLatin1Char(';'));
        if (pos < 0) {
            // The item that ends the list keeps its blanks.
            liste.items.push_back(sRest);
            bLetztesGenommen = true;
            break;
        }
        liste.items.push_back(gsTrim(sRest.left(pos)));
        sRest = sRest.mid(pos + 1);
    }
    liste.iAnzahl = static_cast<int>(liste.items.size()) + (bLetztesGenommen ? 0 : 1);
    return liste;
}

}  // namespace

QString gsStPlatzhalter_Ersetzen(const QString& sText, const QString& sParameter) {
    const Parameterliste liste = zerlegen(sParameter);
    std::vector<bool> genannt(static_cast<size_t>(liste.iAnzahl), false);

    QString sErgebnis;
    const qsizetype laenge = sText.size();
    qsizetype i = 0;
    while (i < laenge) {
        const QChar c = sText.at(i);
        if (c != QLatin1Char('$')) {
            sErgebnis += c;
            ++i;
            continue;
        }
        if (i + 1 >= laenge) throw VbFehler(FEHLER_INDEX);
        const QChar n = sText.at(i + 1);
        if (n == QLatin1Char('$')) {
            sErgebnis += QLatin1Char('$');
        } else if (n >= QLatin1Char('1') && n <= QLatin1Char('9')) {
            const int d = n.unicode() - u'0';
            if (d > liste.iAnzahl) return {};
            // Inserted as it is: a "$" inside an item is not looked at again.
            sErgebnis += liste.items[static_cast<size_t>(d - 1)];
            genannt[static_cast<size_t>(d - 1)] = true;
        } else {
            throw VbFehler(FEHLER_INDEX);
        }
        i += 2;
    }

    for (const bool b : genannt) {
        if (!b) return {};
    }
    return sErgebnis;
}

int16_t giMeldung(const QString& sFunktionsort, const QString& sCode, const QString& sParameter,
                  const PendingError& fehler) {
    Mauszeiger& zeiger = gMauszeiger();
    const int16_t iZeigerVorher = zeiger.Lesen();
    zeiger.Setzen(Mauszeiger::STANDARD);

    int16_t iSymbol = MsgBox::CRITICAL;
    int16_t iKnoepfe = MsgBox::OK_ONLY;
    QString sText;
    QString sTitel;
    QString sCodeAnzeige = sCode;
    QString sParameterliste = sParameter;

    if (sCode.isEmpty() && fehler.lNummer != 0) {
        sCodeAnzeige = gsVbCode(fehler.lNummer);
        sText = fehler.sBeschreibung;
    }

    if (const StErrorZeile* zeile = gpStErrorZeile(sCodeAnzeige)) {
        if (!zeile->bTextVomFehler) {
            sText = QString::fromUtf16(zeile->sText.data(),
                                       static_cast<qsizetype>(zeile->sText.size()));
        }
        iKnoepfe = zeile->iKnoepfe;
        iSymbol = zeile->iSymbol;
        if (zeile->bZeilenumbruchInParametern) {
            sParameterliste.replace(QStringLiteral("\\n"), kCrLf);
        }
    } else if (!sCodeAnzeige.startsWith(QStringLiteral("VB"))) {
        sText = QStringLiteral("Unbekannter Fehler");
    }

    // An empty code that no error explains leaves the title as the word and its blank.
    sTitel = gsTitelWort(iSymbol) + QLatin1Char(' ') + sCodeAnzeige;

    if (!sParameterliste.isEmpty()) {
        // A malformed "$" raises here and leaves the pointer at the arrow; the caller's handler
        // puts the pointer right at its common ending.
        const QString sErsetzt = gsStPlatzhalter_Ersetzen(sText, sParameterliste);
        if (!sErsetzt.isEmpty()) {
            sText = sErsetzt;
        } else {
            sText = QStringLiteral("Übergebene Parameter (") + sParameterliste + QLatin1Char(')') +
                    kCrLf + QStringLiteral("und Meldung (") + sText +
                    QStringLiteral(") passen nicht zusammen");
            sTitel = QStringLiteral("Fehlerhafte Meldung");
            iSymbol = MsgBox::EXCLAMATION;
            iKnoepfe = MsgBox::OK_ONLY;
        }
    }

    if (!sFunktionsort.isEmpty()) {
        sText += kCrLf + kCrLf + QStringLiteral("Funktion: ") + sFunktionsort;
    }

    int16_t iAntwort =
        gMeldungsBox().Zeige(sText, static_cast<int16_t>(iKnoepfe + iSymbol), sTitel);
    if (iAntwort == MsgBox::ANSWER_ABORT) iAntwort = MsgBox::ANSWER_CANCEL;

    zeiger.Setzen(iZeigerVorher);
    return iAntwort;
}

}  // namespace rastfang
