// Rastfang: without arguments the main window; "rastfang extract …" the same work without one.
#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "Kommandozeile.h"
#include "Plattform.h"
#include "QtMauszeiger.h"
#include "QtMeldungsBox.h"
#include "Sprachumgebung.h"
#include "frmRasterfang.h"

namespace {

void schreibe(std::FILE* ziel, const QString& sText) {
    const QByteArray utf8 = sText.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), ziel);
}

int fenster(int argc, char** argv) {
    if (!rastfang::gbAnzeigeVorhanden()) {
        schreibe(stderr, QStringLiteral(
                             "Rastfang findet keine Anzeige für sein Fenster (weder DISPLAY noch "
                             "WAYLAND_DISPLAY ist gesetzt).\n"
                             "Ohne Anzeige extrahiert der Befehl\n"
                             "  rastfang extract EINGABE AUSGABE [Optionen]\n"
                             "Mehr dazu: rastfang --help\n"));
        return rastfang::Exitcode::AUFRUFFEHLER;
    }
    QApplication app(argc, argv);
    rastfang::gbSprachumgebungEinrichten(app);
    rastfang::QtMeldungsBox box;
    const rastfang::MeldungsBoxTausch boxTausch(box);
    rastfang::QtMauszeiger zeiger;
    const rastfang::MauszeigerTausch zeigerTausch(zeiger);
    rastfang::frmRasterfang hauptfenster;
    hauptfenster.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 1; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    const rastfang::Befehlszeile befehl = rastfang::gBefehlszeileLesen(argumente);

    switch (befehl.art) {
        case rastfang::Befehlszeile::Art::Fenster:
            return fenster(argc, argv);
        case rastfang::Befehlszeile::Art::Hilfe:
            schreibe(stdout, rastfang::gsAufrufhilfe());
            return rastfang::Exitcode::FERTIG;
        case rastfang::Befehlszeile::Art::Fehler:
            schreibe(stderr, befehl.sFehler + QLatin1Char('\n') + QLatin1Char('\n') +
                                 rastfang::gsAufrufhilfe());
            return rastfang::Exitcode::AUFRUFFEHLER;
        case rastfang::Befehlszeile::Art::Extract: {
            // No widgets and no display: a core application suffices for the whole run.
            QCoreApplication app(argc, argv);
            rastfang::gbSprachumgebungEinrichten(app);
            return rastfang::giExtractAusfuehren(befehl);
        }
    }
    return rastfang::Exitcode::AUFRUFFEHLER;
}
