#include "app/Vorbelegung.h"

#include <QString>
#include <exception>

#include "basis/VbFehler.h"
#include "messages/Fehler.h"
#include "settings/CRegistry.h"

namespace rastfang {

namespace {
const QString SEKTION = QStringLiteral("Vorbel");

QString sSpaltenSchluessel(size_t i) {
    return QStringLiteral("SpPos") + QString::number(i + 1);
}

QString sLies(CRegistry& registry, const QString& sSchluessel) {
    return registry.vLeseEinstellung(SEKTION, sSchluessel, Variant(QString())).Text();
}

// A write that fails loses this one preset; the others are still tried.
void Schreibe(const QString& sSchluessel, const QString& sWert) {
    try {
        goRegistry().bSchreibeEinstellung(SEKTION, sSchluessel, Variant(sWert));
    } catch (...) {
    }
}
}  // namespace

void gVorbelegungLesen(Eingaben& eingaben) {
    try {
        // The first use of the store: it is created here and finds its INI file.
        CRegistry& registry = goRegistry();
        registry.sGLOB_INI_Sektionen(SEKTION);
        eingaben.sErgebnisdatei = sLies(registry, QStringLiteral("BSDatei"));
        // Read under the old spelling; the INI file matches keys without regard to case.
        eingaben.sErgebnisWorkfile = sLies(registry, QStringLiteral("Extraktdatei"));
        eingaben.sZeile = sLies(registry, QStringLiteral("StZeile"));
        for (size_t i = 0; i < eingaben.sSpalte.size(); ++i) {
            eingaben.sSpalte[i] = sLies(registry, sSpaltenSchluessel(i));
        }
        eingaben.sFilterWert = sLies(registry, QStringLiteral("Filterwert"));
    } catch (...) {
        // Reported once; the window opens anyway with what could be read.
        try {
            giMeldung(QStringLiteral("Form_Load/frmRasterfang"), QString(), QString(),
                      gAktuellerFehler(std::current_exception()));
        } catch (...) {
        }
    }
}

void gVorbelegungSchreiben(const Eingaben& eingaben) {
    Schreibe(QStringLiteral("BSDatei"), eingaben.sErgebnisdatei);
    Schreibe(QStringLiteral("ExtraktDatei"), eingaben.sErgebnisWorkfile);
    Schreibe(QStringLiteral("StZeile"), eingaben.sZeile);
    for (size_t i = 0; i < eingaben.sSpalte.size(); ++i) {
        Schreibe(sSpaltenSchluessel(i), eingaben.sSpalte[i]);
    }
    Schreibe(QStringLiteral("Filterwert"), eingaben.sFilterWert);
}

}  // namespace rastfang
