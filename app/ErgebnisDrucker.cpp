#include "app/ErgebnisDrucker.h"

#include <QFileInfo>

#include "app/DateiDialog.h"
#include "basis/VbText.h"
#include "messages/fenster/CCenterDialog.h"

namespace rastfang {

std::unique_ptr<Drucker> gErgebnisDrucker(const QString& sAusgabedatei) {
    const QString sOrdner = QFileInfo(gsTrim(sAusgabedatei)).absolutePath();
    return std::make_unique<QtDrucker>([sOrdner]() {
        DateiDialogOptionen o;
        o.art = DateiDialogOptionen::Art::Speichern;
        o.sTitel = QStringLiteral("Druckausgabe speichern unter");
        o.filter = QStringList{QStringLiteral("PDF-Dokument (*.pdf)")};
        o.sGewaehlterFilter = o.filter.first();
        o.sStartordner = sOrdner;
        o.sDateiName = QStringLiteral("Ergebnisse.pdf");
        // Centred on the screen like the pickers' dialogs.
        const CCenterDialog zentrieren;
        return gDateiDialog().Zeige(o);
    });
}

}  // namespace rastfang
