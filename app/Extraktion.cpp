#include "app/Extraktion.h"

#include <algorithm>

#include "app/AlteAusgabe.h"
#include "app/Zusammenfassung.h"
#include "basis/Globals.h"
#include "basis/Int16.h"
#include "basis/Plattform.h"
#include "basis/VbText.h"
#include "excel/Ausgabelayout.h"

namespace rastfang {

namespace {

using excel::ERSTES_FACH;
using excel::MAX_FAECHER;

void status(const StartRueckmeldungen& rueck, const QString& sText) {
    if (rueck.statuszeile) rueck.statuszeile->ZeigeText(sText);
}

// The header line of a new group: the closing spare line of the previous group, a blank
// separator line, then the field names and the subject headings.
void schreibeGruppenkopf(CXLSread& oLeser, CXLSwriteOLE& oSchreiber, bool& bErsteGruppe) {
    if (!bErsteGruppe) {
        oSchreiber.Reset();
        oSchreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI2);
    } else {
        bErsteGruppe = false;
    }
    oSchreiber.AllesLeerzeichen();
    oSchreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER);

    oSchreiber.Reset();
    oSchreiber.sAzubi_ID = QStringLiteral("Azubi-ID");
    oSchreiber.sName = QStringLiteral("Name");
    oSchreiber.sVorname = QStringLiteral("Vorname");
    oSchreiber.sGebDatum = QStringLiteral("GebDat");
    oSchreiber.sBerufBez = QStringLiteral("Beruf");
    const int16_t iFaecher = std::min(oLeser.iBSFachMaxIndex(), MAX_FAECHER);
    for (int16_t i = 1; i <= iFaecher; ++i) {
        oSchreiber.Feld(ERSTES_FACH + i - 1) = oLeser.sBSFaecher(i);
    }
    oSchreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2);
}

void schreibeAzubi(CXLSread& oLeser, CXLSwriteOLE& oSchreiber) {
    oSchreiber.Reset();
    oSchreiber.sAzubi_ID = QString();
    oSchreiber.sName = oLeser.sName;
    oSchreiber.sVorname = oLeser.sVorname;
    oSchreiber.sGebDatum = oLeser.sGebDatum;
    oSchreiber.sBerufBez = oLeser.sBeruf;
    const int16_t iFaecher = std::min(oLeser.iBSFachMaxIndex(), MAX_FAECHER);
    for (int16_t i = 1; i <= iFaecher; ++i) {
        oSchreiber.Feld(ERSTES_FACH + i - 1) = oLeser.sNoten(i);
    }
    // Its result is not looked at: a failed line has been reported and the next one follows.
    oSchreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI);
}

}  // namespace

bool gbExtraktionAusfuehren(const Eingaben& eingaben, const Pruefergebnis& pruefung,
                            CXLSread& oLeser, CXLSwriteOLE& oSchreiber,
                            const StartRueckmeldungen& rueck) {
    gMauszeiger().Setzen(Mauszeiger::SANDUHR);
    status(rueck, QStringLiteral("Initialisiere Excel ..."));
    if (!oLeser.Init()) return false;
    if (!oSchreiber.Init()) return false;
    oLeser.oTextbox(rueck.statuszeile);

    status(rueck, QStringLiteral("Öffne Ergebnisdatei von Berufsschule ..."));
    if (pruefung.bStartzeile) oLeser.iStartzeile(giRundeInt16(gdVal(eingaben.sZeile)));
    if (!oLeser.OpenFile(gsDateiAufDisk(pruefung.sEingabepfad))) return false;

    status(rueck, QStringLiteral("Öffne Datei für extrahierte Daten ..."));
    if (!oSchreiber.OpenFile(pruefung.sAusgabepfad)) return false;
    status(rueck, QString());

    bool bErsteGruppe = true;
    bool bWeiter = true;
    while (bWeiter) {
        const int16_t r = oLeser.ReadLine();
        if (r == -1) bWeiter = false;
        if (r == 0) {
            if (oLeser.bGruppenwechsel()) schreibeGruppenkopf(oLeser, oSchreiber, bErsteGruppe);
            schreibeAzubi(oLeser, oSchreiber);
        }
    }
    oLeser.CloseFile();

    // The closing spare line of the last block, written even when nobody was found.
    oSchreiber.Reset();
    oSchreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI2);
    oSchreiber.CloseFile();
    // The new output is in place: the old one goes now, not after the summary, whose printing
    // may still fail and would otherwise leave it set aside for good under a taken name.
    if (pruefung.alteAusgabe) pruefung.alteAusgabe->Verwerfen();
    status(rueck, QString());

    const QString sZusammenfassung =
        gsZusammenfassung(pruefung.bFilter, eingaben.sFilterWert, gTabellenAnzahlen(oLeser));
    gMauszeiger().Setzen(Mauszeiger::STANDARD);
    if (rueck.zusammenfassungZeigen) rueck.zusammenfassungZeigen(sZusammenfassung);
    return true;
}

}  // namespace rastfang
