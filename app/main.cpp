// Rastfang: without arguments the main window; "rastfang extract …" the same work without one.
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <cstdio>

#include "app/Kommandozeile.h"
#include "app/Sitzungsende.h"
#include "app/frmRasterfang.h"
#include "basis/Abbruchschutz.h"
#include "basis/Plattform.h"
#include "basis/Sprachumgebung.h"
#include "messages/fenster/QtMauszeiger.h"
#include "messages/fenster/QtMeldungsBox.h"

namespace {

void schreibe(std::FILE* ziel, const QString& sText) {
    const QByteArray utf8 = sText.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), ziel);
}

int fenster(int argc, char** argv, const QString& sDatei) {
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
    // The desktop's menu entry and icon belong to this window (both installed with the package).
    QGuiApplication::setDesktopFileName(QStringLiteral("de.tesmarin.Rastfang"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("rastfang")));
    rastfang::frmRasterfang hauptfenster;
    if (!sDatei.isEmpty()) {
        // Made absolute: the entry is remembered and must still name the file when the window
        // is next opened from the menu in another working folder.
        hauptfenster.setzeDateipfad(rastfang::Eingabefeld::Ergebnisdatei,
                                    QFileInfo(sDatei).absoluteFilePath());
    }
    const rastfang::Sitzungsende sitzungsende(hauptfenster, [] { QCoreApplication::exit(0); });
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
            return fenster(argc, argv, befehl.sDatei);
        case rastfang::Befehlszeile::Art::Hilfe:
            schreibe(stdout, rastfang::gsAufrufhilfe());
            return rastfang::Exitcode::FERTIG;
        case rastfang::Befehlszeile::Art::Version:
            schreibe(stdout, rastfang::gsVersion());
            return rastfang::Exitcode::FERTIG;
        case rastfang::Befehlszeile::Art::Fehler:
            schreibe(stderr, befehl.sFehler + QLatin1Char('\n') + QLatin1Char('\n') +
                                 rastfang::gsAufrufhilfe());
            return rastfang::Exitcode::AUFRUFFEHLER;
        case rastfang::Befehlszeile::Art::Extract: {
            // No widgets and no display: a core application suffices for the whole run.
            QCoreApplication app(argc, argv);
            rastfang::gbSprachumgebungEinrichten(app);
            rastfang::gAbbruchSignaleEinrichten(-1);
            return rastfang::giExtractAusfuehren(befehl);
        }
    }
    return rastfang::Exitcode::AUFRUFFEHLER;
}
