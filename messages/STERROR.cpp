#include "messages/STERROR.h"

#include <array>

#include "basis/Plattform.h"

namespace rastfang {

namespace {

using namespace MsgBox;

// Trailing blanks are part of several texts: they keep the box from hugging the text.
constexpr std::array<StErrorZeile, 44> kKatalog{{
    {u"VLM00010", u"Das Programm konnte nicht gestartet werden.", OK_ONLY, CRITICAL, false, false},
    {u"VLM00011", u"Die Einstellungen konnten nicht gelesen werden.", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00100", u"Die Datei $1\r\nkonnte nicht geöffnet werden.", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00110",
     u"Ergebnisdatei und Datei für extrahierte Daten     \r\n"
     u"müssen unterschiedliche Dateien sein.",
     OK_ONLY, CRITICAL, false, false},
    {u"VLM00122", u"Bitte auswählen: $1     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00124", u"Der Pfad\r\n$1\r\nist nicht vorhanden.", OK_ONLY, CRITICAL, false, false},
    {u"VLM00125", u"Bitte angeben: $1     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00126", u"Bitte eingeben: $1     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00127", u"$1: Ungültiger Wert     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00130", u"Die Datei\r\n$1\r\nist nicht vorhanden.", OK_ONLY, CRITICAL, false, false},
    {u"VLM00131", u"Die Datei $1\r\nist schon vorhanden.\r\n\r\nSoll sie überschrieben werden?",
     YES_NO, QUESTION, false, false},
    {u"VLM00132", u"Das Dateiende wurde erreicht.\r\nEs wurden $1 Datensätze übernommen.", OK_ONLY,
     INFORMATION, false, false},
    {u"VLM00133", u"Es wurden $1 Datensätze gespeichert.", OK_ONLY, INFORMATION, false, false},
    {u"VLM00134", u"Die Verarbeitung ist abgeschlossen.", OK_ONLY, INFORMATION, false, false},
    {u"VLM00140", u"Keine unverarbeiteten Schülerdaten$1vorhanden.", OK_ONLY, INFORMATION, false,
     false},
    {u"VLM00150", u"Die Datei $1\r\nkonnte nicht geschrieben werden.", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00160", u"Die Datei $1\r\nkonnte nicht gelöscht werden.", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00170", u"Sollen die Daten gespeichert werden?", YES_NO, QUESTION, false, false},
    {u"VLM00180", u"Das Exportverzeichnis $1 ist nicht leer.\r\n\r\nSoll es gelöscht werden?",
     YES_NO, QUESTION, false, false},
    {u"VLM00200", u"$1Wirklich löschen?", YES_NO, QUESTION, false, false},
    {u"VLM00201", u"$1Wirklich überschreiben?", YES_NO, QUESTION, false, false},
    {u"VLM00203", u"Die Datei\r\n$1\r\nist nicht vorhanden", OK_ONLY, CRITICAL, false, false},
    {u"VLM00210", u"$1", OK_ONLY, CRITICAL, true, false},
    {u"VLM00212", u"$1", OK_ONLY, INFORMATION, true, false},
    {u"VLM00220", u"Satz $1 hat eine ungültige Struktur.\r\nDer Einlesevorgang wird abgebrochen.",
     OK_ONLY, CRITICAL, false, false},
    {u"VLM00290", u"Das Verzeichnis $1\r\nkonnte nicht angelegt werden.", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00360", u"$1: Eintrag fehlt.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00361", u"$1: Eintrag ist zu lang.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00364", u"Dienststellen-Nr. mehrfach vorhanden - unzulässig:\r\n$1", OK_ONLY, CRITICAL,
     false, false},
    {u"VLM00365", u"Schüler-Nr. mehrfach vorhanden - unzulässig:\r\n$1", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00370", u"Die Eingaben wurden geändert.\r\nSollen sie übernommen werden?", YES_NO,
     QUESTION, false, false},
    {u"VLM00380", u"$1: Datum ist ungültig.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00381", u"$1: Zahl ist ungültig.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00382", u"$1: Wert ist zu groß.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00383", u"$1: Wert ist zu klein.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00384", u"$1: Text ist zu lang.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00385", u"$1: Auswahl ist ungültig.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00386", u"$1: Note muss zwischen 1,0 und 6,0 sein.     ", OK_ONLY, CRITICAL, false,
     false},
    {u"VLM00387", u"$1: Wert fehlt.     ", OK_ONLY, CRITICAL, false, false},
    {u"VLM00390", u"Die Tabelle $1 wurde nicht gefunden.", OK_ONLY, CRITICAL, false, false},
    {u"VLM00391", u"Die Spalte $1 wurde nicht gefunden.", OK_ONLY, CRITICAL, false, false},
    {u"VLM00395", u"Die Verarbeitung wurde abgebrochen.", OK_ONLY, CRITICAL, false, false},
    // Access denied keeps the error's own description; the user may try again.
    {u"VB00070", u"", RETRY_CANCEL, CRITICAL, false, true},
    {u"VB00071", u"Das Diskettenlaufwerk ist nicht bereit.\r\nWollen Sie den Zugriff wiederholen?",
     YES_NO, EXCLAMATION, false, false},
}};

QStringView alsView(std::u16string_view s) {
    return QStringView(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

std::span<const StErrorZeile> gStErrorKatalog() {
    return kKatalog;
}

const StErrorZeile* gpStErrorZeile(QStringView sCode) {
    for (const StErrorZeile& zeile : kKatalog) {
        if (alsView(zeile.sCode) == sCode) return &zeile;
    }
    return nullptr;
}

QString gsTitelWort(int16_t iSymbol) {
    switch (iSymbol) {
        case QUESTION:
            return QStringLiteral("Frage");
        case EXCLAMATION:
            return QStringLiteral("Warnung");
        case INFORMATION:
            return QStringLiteral("Information");
        default:
            return QStringLiteral("Fehler");
    }
}

}  // namespace rastfang
