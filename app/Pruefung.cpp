#include "app/Pruefung.h"

#include <array>

#include "app/AlteAusgabe.h"
#include "basis/Globals.h"
#include "basis/Plattform.h"
#include "basis/VbText.h"
#include "messages/Fehler.h"

namespace rastfang {

namespace {

const QString BITTE_ANGEBEN = QStringLiteral("VLM00125");
const QString UNGUELTIGER_WERT = QStringLiteral("VLM00127");
const QString DATEIEN_GLEICH = QStringLiteral("VLM00110");
const QString NICHT_VORHANDEN = QStringLiteral("VLM00130");
const QString UEBERSCHREIBEN = QStringLiteral("VLM00131");

// One column entry as the messages name it and whether it may stay blank.
struct SpaltenFeld {
    const char* pszBezeichnung;
    bool bLeerErlaubt;
};
// The index is at the same time the reader's column slot (SPALTE_Name .. SPALTE_Datenfilter).
constexpr std::array<SpaltenFeld, 6> SPALTEN{{{"Name", false},
                                              {"Vorname", false},
                                              {"Geburtsdatum", true},
                                              {"Beruf", false},
                                              {"Erstes Ergebnis", false},
                                              {"Datenfilter", true}}};

// Upper case letter by letter, as the classic runtime did it: "ß" stays one letter, so two paths
// compare equal only when they have the same length.
QString gross(const QString& s) {
    QString t = s;
    for (QChar& c : t) c = c.toUpper();
    return t;
}

void fokus(const StartRueckmeldungen& rueck, Eingabefeld feld, int iIndex = 0) {
    if (rueck.fokusSetzen) rueck.fokusSetzen(feld, iIndex);
}

}  // namespace

std::optional<Pruefergebnis> gEingabenPruefen(const Eingaben& eingaben, CXLSread& oLeser,
                                              const StartRueckmeldungen& rueck) {
    Pruefergebnis ergebnis;

    ergebnis.sEingabepfad = gsTrim(eingaben.sErgebnisdatei);
    if (ergebnis.sEingabepfad.isEmpty()) {
        giMeldung({}, BITTE_ANGEBEN, QStringLiteral("Ergebnisdatei"));
        fokus(rueck, Eingabefeld::Ergebnisdatei);
        return std::nullopt;
    }
    if (!gbDateiVorhanden(ergebnis.sEingabepfad)) {
        giMeldung({}, NICHT_VORHANDEN, ergebnis.sEingabepfad);
        fokus(rueck, Eingabefeld::Ergebnisdatei);
        return std::nullopt;
    }

    // The start row is read like VB's Val of the untrimmed text; the focus stays where it is.
    ergebnis.bStartzeile = !gsTrim(eingaben.sZeile).isEmpty();
    if (ergebnis.bStartzeile && !(gdVal(eingaben.sZeile) > 0)) {
        giMeldung({}, UNGUELTIGER_WERT, QStringLiteral("Zeilennummer für Startzeile"));
        return std::nullopt;
    }

    for (int i = 0; i < static_cast<int>(SPALTEN.size()); ++i) {
        const QString sText = gsTrim(eingaben.sSpalte[static_cast<size_t>(i)]).toUpper();
        const SpaltenFeld& feld = SPALTEN[static_cast<size_t>(i)];
        const QString sArgument =
            QStringLiteral("Tabellenspalte ") + QString::fromUtf8(feld.pszBezeichnung);
        if (i == CXLSread::SPALTE_Datenfilter) ergebnis.bFilter = !sText.isEmpty();
        if (sText.isEmpty() && !feld.bLeerErlaubt) {
            giMeldung({}, BITTE_ANGEBEN, sArgument);
            fokus(rueck, Eingabefeld::Spalte, i);
            return std::nullopt;
        }
        const int16_t iNummer = oLeser.ErmittleSpaltenNr(sText);
        if (iNummer == 0 && (!feld.bLeerErlaubt || !sText.isEmpty())) {
            giMeldung({}, UNGUELTIGER_WERT, sArgument);
            fokus(rueck, Eingabefeld::Spalte, i);
            return std::nullopt;
        }
        oLeser.iSpaltenPos(static_cast<int16_t>(i), iNummer);
    }

    // Handed over exactly as typed, whether or not a filter column is named.
    oLeser.sFilterWert(eingaben.sFilterWert);

    ergebnis.sAusgabepfad = gsTrim(eingaben.sErgebnisWorkfile);
    if (ergebnis.sAusgabepfad.isEmpty()) {
        giMeldung({}, BITTE_ANGEBEN, QStringLiteral("Datei für extrahierte Daten"));
        fokus(rueck, Eingabefeld::ErgebnisWorkfile);
        return std::nullopt;
    }
    // Beyond equal texts, two spellings or links of one file count as the same file: answering
    // "Ja" below would otherwise put the input aside as the old output.
    if (gross(ergebnis.sEingabepfad) == gross(ergebnis.sAusgabepfad) ||
        gbSelbeDatei(ergebnis.sEingabepfad, ergebnis.sAusgabepfad)) {
        giMeldung({}, DATEIEN_GLEICH, {});
        return std::nullopt;
    }

    if (gbDateiVorhanden(ergebnis.sAusgabepfad)) {
        if (giMeldung({}, UEBERSCHREIBEN, ergebnis.sAusgabepfad) != MsgBox::ANSWER_YES) {
            fokus(rueck, Eingabefeld::ErgebnisWorkfile);
            return std::nullopt;
        }
    }
    // Asked again: the file may have gone while the question was open.
    if (gbDateiVorhanden(ergebnis.sAusgabepfad)) {
        ergebnis.alteAusgabe = std::make_unique<AlteAusgabe>(gsDateiAufDisk(ergebnis.sAusgabepfad));
    }
    return ergebnis;
}

}  // namespace rastfang
