#include "app/Dateiauswahl.h"

#include <QLineEdit>

#include "basis/Globals.h"
#include "messages/fenster/CCenterDialog.h"

namespace rastfang {

namespace {
// The engine reads more than the old binary workbooks, so the first filter offers every kind it
// reads. The second filter matches every name: Qt takes the patterns from the parentheses, and
// "*.*" would hide names without a point here, which the pickers explicitly accept.
const QString FILTER_ERGEBNISDATEI =
    QStringLiteral("Ergebnisdatei (*.xls *.xlsx *.xlsm *.ods *.csv)");
const QString FILTER_ALLE = QStringLiteral("alle Dateien (*)");

// What distinguishes the two pickers.
struct Picker {
    DateiDialogOptionen::Art art;
    const char* pszTitel;
    const char* pszEndung;  // appended to a chosen path that holds no point at all
    bool bMussExistieren;
};

void Auswaehlen(QLineEdit& txtEintrag, const Picker& picker) {
    // Cancel and every failure end the picker quietly: the entry keeps its text and its focus.
    try {
        const QString sEintrag = txtEintrag.text();
        DateiDialogOptionen optionen;
        optionen.art = picker.art;
        optionen.sTitel = QString::fromUtf8(picker.pszTitel);
        optionen.filter = QStringList{FILTER_ERGEBNISDATEI, FILTER_ALLE};
        optionen.sGewaehlterFilter = FILTER_ERGEBNISDATEI;
        optionen.sStartordner = gsVerzeichnisTeil(sEintrag);
        optionen.sDateiName = gsDateiName(sEintrag);
        optionen.bMussExistieren = picker.bMussExistieren;
        // Replacing an existing output is asked when the run starts, not here.
        optionen.bKeineUeberschreibFrage = true;

        // Lives until the picker ends, so the dialog opens centred on the screen.
        const CCenterDialog zentrierung;
        const std::optional<QString> gewaehlt = gDateiDialog().Zeige(optionen);
        if (!gewaehlt) return;

        QString sPfad = *gewaehlt;
        // Any point counts, also one in a folder name: only a path without any gets the ending.
        if (!sPfad.contains(QLatin1Char('.'))) sPfad += QString::fromUtf8(picker.pszEndung);
        txtEintrag.setText(sPfad);
        txtEintrag.setFocus(Qt::OtherFocusReason);
    } catch (...) {
    }
}
}  // namespace

void ErgebnisdateiAuswaehlen(QLineEdit& txtErgebnisdatei) {
    Auswaehlen(txtErgebnisdatei, {DateiDialogOptionen::Art::Oeffnen,
                                  "Ergebnisdatei von Berufsschule auswählen", ".xls", true});
}

void ExtraktdateiAuswaehlen(QLineEdit& txtErgebnisWorkfile) {
    Auswaehlen(txtErgebnisWorkfile,
               {DateiDialogOptionen::Art::Speichern,
                "Datei für extrahierte Berufsschulergebnisse auswählen", ".xml", false});
}

}  // namespace rastfang
