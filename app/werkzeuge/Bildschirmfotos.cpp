// Pictures of the two windows for the documentation: the main window with the example's entries,
// an entry's context menu, the open dialog of the input picker, and the result window after a
// real run on the example workbook. Run under a display (Xvfb):
//   rastfang_bildschirmfotos BEISPIEL.xlsx ZIELORDNER
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/frmRasterfang.h"
#include "basis/Plattform.h"
#include "basis/Sprachumgebung.h"
#include "messages/fenster/frmMessage.h"

namespace {

bool speichere(QWidget& fenster, const QString& sPfad) {
    QTest::qWait(200);
    const bool bOk = fenster.grab().save(sPfad);
    std::fprintf(stderr, "%s %s\n",
                 bOk ? "geschrieben:" : "FEHLER beim Schreiben:", qPrintable(sPfad));
    return bOk;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    rastfang::gbSprachumgebungEinrichten(app);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: rastfang_bildschirmfotos BEISPIEL.xlsx ZIELORDNER\n");
        return 2;
    }
    const QString sBeispiel = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QDir ziel(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    // The run works in a folder of its own, so the entries show short names as a user types them.
    QTemporaryDir tmp;
    const QString sName = QFileInfo(sBeispiel).fileName();
    if (!QFile::copy(sBeispiel, tmp.filePath(sName)) || !QDir::setCurrent(tmp.path())) {
        std::fprintf(stderr, "Kann %s nicht nach %s kopieren\n", qPrintable(sBeispiel),
                     qPrintable(tmp.path()));
        return 1;
    }
    // Messages would block without anyone to answer them.
    rastfang::StderrMeldungsBox box;
    const rastfang::MeldungsBoxTausch tausch(box);

    rastfang::frmRasterfang hauptfenster;
    rastfang::Eingaben e;
    e.sErgebnisdatei = sName;
    e.sSpalte = {"C", "D", "E", "F", "G", "B"};
    e.sFilterWert = QStringLiteral("IHK");
    e.sErgebnisWorkfile = QStringLiteral("velmora.xlsx");
    hauptfenster.setzeEingaben(e);
    hauptfenster.show();
    bool bOk = speichere(hauptfenster, ziel.filePath(QStringLiteral("hauptfenster.png")));

    // The context menu of the input entry with its text selected, as a right click opens it.
    auto* txtEingabe = hauptfenster.findChild<QLineEdit*>(QStringLiteral("txtErgebnisdatei"));
    txtEingabe->selectAll();
    const std::unique_ptr<QMenu> menue(txtEingabe->createStandardContextMenu());
    menue->popup(txtEingabe->mapToGlobal(txtEingabe->rect().center()));
    bOk = speichere(*menue, ziel.filePath(QStringLiteral("kontextmenue.png"))) && bOk;
    menue->close();

    // The open dialog of the input picker, grabbed while it waits for the user.
    QTimer::singleShot(300, &hauptfenster, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            bOk = speichere(*dialog, ziel.filePath(QStringLiteral("dateidialog.png"))) && bOk;
            dialog->close();
        }
    });
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdPfeil_0"))->click();
    hauptfenster.setzeEingaben(e);

    // The result window as the run shows it, grabbed before it is closed.
    hauptfenster.setzeZusammenfassungsAnzeige([&](const QString& sText) {
        rastfang::frmMessage ergebnis(&hauptfenster);
        ergebnis.sMessage(sText);
        ergebnis.show();
        bOk = speichere(ergebnis, ziel.filePath(QStringLiteral("ergebnisse.png"))) && bOk;
    });
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    return bOk && box.iAnzahl() == 0 ? 0 : 1;
}
