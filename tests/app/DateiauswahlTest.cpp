// The pickers driven through the file-dialog seam: what the dialog is asked, what comes back
// into the entry, and that cancel leaves everything as it was.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>
#include <vector>

#include "Dateiauswahl.h"
#include "TestHilfen.h"

namespace rastfang {
namespace {

// Records every dialog it is asked to show and answers with a scripted path (or cancel).
class DialogRecorder : public DateiDialog {
  public:
    std::optional<QString> Zeige(const DateiDialogOptionen& optionen) override {
        aufrufe.push_back(optionen);
        return antwort;
    }
    std::optional<QString> antwort;
    std::vector<DateiDialogOptionen> aufrufe;
};

// A shown window with the entry and a button that holds the focus before the picker runs.
struct Fenster {
    QWidget fenster;
    QLineEdit* txtEintrag;
    QPushButton* cmdAnders;

    Fenster() {
        auto* layout = new QVBoxLayout(&fenster);  // owned by the window
        txtEintrag = new QLineEdit(&fenster);
        cmdAnders = new QPushButton(QStringLiteral("..."), &fenster);
        layout->addWidget(txtEintrag);
        layout->addWidget(cmdAnders);
        fenster.show();
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
        cmdAnders->setFocus();
        QApplication::processEvents();
    }
};

// Runs one picker on a fresh window whose entry holds `sEintrag`; the dialog answers `antwort`.
struct Lauf {
    DialogRecorder dialog;
    Fenster fenster;
    QString sText;
    bool bEintragHatFokus = false;

    Lauf(void (*picker)(QLineEdit&), const QString& sEintrag, std::optional<QString> antwort) {
        dialog.antwort = std::move(antwort);
        const DateiDialogTausch tausch(dialog);
        fenster.txtEintrag->setText(sEintrag);
        picker(*fenster.txtEintrag);
        QApplication::processEvents();
        sText = fenster.txtEintrag->text();
        bEintragHatFokus = fenster.txtEintrag->hasFocus();
    }
};

TEST(Dateiauswahl, EndungNurOhneJedenPunkt) {
    EXPECT_EQ(Lauf(ExtraktdateiAuswaehlen, "", QStringLiteral("/daten/liste")).sText,
              "/daten/liste.xml");
    EXPECT_EQ(Lauf(ExtraktdateiAuswaehlen, "", QStringLiteral("/daten/liste.xls")).sText,
              "/daten/liste.xls");
    EXPECT_EQ(Lauf(ExtraktdateiAuswaehlen, "", QStringLiteral("/daten/v1.2/liste")).sText,
              "/daten/v1.2/liste");
    EXPECT_EQ(Lauf(ErgebnisdateiAuswaehlen, "", QStringLiteral("/daten/noten")).sText,
              "/daten/noten.xls");
    EXPECT_EQ(Lauf(ErgebnisdateiAuswaehlen, "", QStringLiteral("/daten/noten.xlsx")).sText,
              "/daten/noten.xlsx");
    EXPECT_EQ(Lauf(ErgebnisdateiAuswaehlen, "", QStringLiteral("/home/a.b/noten")).sText,
              "/home/a.b/noten");
}

TEST(Dateiauswahl, StartordnerUndDateinameAusDemEintrag) {
    const Lauf windows(ErgebnisdateiAuswaehlen, QStringLiteral("C:\\Daten\\alt.xls"), std::nullopt);
    ASSERT_EQ(windows.dialog.aufrufe.size(), 1u);
    EXPECT_EQ(windows.dialog.aufrufe[0].sStartordner, "C:\\Daten\\");
    EXPECT_EQ(windows.dialog.aufrufe[0].sDateiName, "alt.xls");

    const Lauf leer(ExtraktdateiAuswaehlen, QString(), std::nullopt);
    ASSERT_EQ(leer.dialog.aufrufe.size(), 1u);
    EXPECT_EQ(leer.dialog.aufrufe[0].sStartordner, "");
    EXPECT_EQ(leer.dialog.aufrufe[0].sDateiName, "");

    const Lauf unixPfad(ExtraktdateiAuswaehlen, QStringLiteral("/srv/schule/neu.xlsx"),
                        std::nullopt);
    ASSERT_EQ(unixPfad.dialog.aufrufe.size(), 1u);
    EXPECT_EQ(unixPfad.dialog.aufrufe[0].sStartordner, "/srv/schule/");
    EXPECT_EQ(unixPfad.dialog.aufrufe[0].sDateiName, "neu.xlsx");
}

TEST(Dateiauswahl, TitelFilterUndSchalter) {
    const QStringList filter{QStringLiteral("Ergebnisdatei (*.xls *.xlsx *.xlsm *.ods *.csv)"),
                             QStringLiteral("alle Dateien (*)")};

    const Lauf oeffnen(ErgebnisdateiAuswaehlen, QString(), std::nullopt);
    ASSERT_EQ(oeffnen.dialog.aufrufe.size(), 1u);
    const DateiDialogOptionen& o = oeffnen.dialog.aufrufe[0];
    EXPECT_EQ(o.art, DateiDialogOptionen::Art::Oeffnen);
    EXPECT_EQ(o.sTitel, QString::fromUtf8("Ergebnisdatei von Berufsschule auswählen"));
    EXPECT_EQ(o.filter, filter);
    EXPECT_EQ(o.sGewaehlterFilter, filter.first());
    EXPECT_TRUE(o.bMussExistieren);

    const Lauf speichern(ExtraktdateiAuswaehlen, QString(), std::nullopt);
    ASSERT_EQ(speichern.dialog.aufrufe.size(), 1u);
    const DateiDialogOptionen& s = speichern.dialog.aufrufe[0];
    EXPECT_EQ(s.art, DateiDialogOptionen::Art::Speichern);
    EXPECT_EQ(s.sTitel, QString::fromUtf8("Datei für extrahierte Berufsschulergebnisse auswählen"));
    EXPECT_EQ(s.filter, filter);
    EXPECT_EQ(s.sGewaehlterFilter, filter.first());
    EXPECT_FALSE(s.bMussExistieren);
    EXPECT_TRUE(s.bKeineUeberschreibFrage);
}

TEST(Dateiauswahl, AbbruchLaesstEintragUndFokus) {
    test::MeldungsRecorder meldungen;
    const MeldungsBoxTausch box(meldungen);
    for (auto picker : {ErgebnisdateiAuswaehlen, ExtraktdateiAuswaehlen}) {
        const Lauf lauf(picker, QStringLiteral("/daten/alt.xls"), std::nullopt);
        EXPECT_EQ(lauf.dialog.aufrufe.size(), 1u);
        EXPECT_EQ(lauf.sText, "/daten/alt.xls");
        EXPECT_FALSE(lauf.bEintragHatFokus);
        EXPECT_TRUE(lauf.fenster.cmdAnders->hasFocus());
    }
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(Dateiauswahl, FokusGehtNachDerWahlAnDenEintrag) {
    for (auto picker : {ErgebnisdateiAuswaehlen, ExtraktdateiAuswaehlen}) {
        const Lauf lauf(picker, QStringLiteral("/daten/alt.xls"), QStringLiteral("/daten/neu.xls"));
        EXPECT_EQ(lauf.sText, "/daten/neu.xls");
        EXPECT_TRUE(lauf.bEintragHatFokus);
    }
}

TEST(Dateiauswahl, SeamWirdZurueckgesetzt) {
    DialogRecorder aussen;
    DialogRecorder innen;
    const DateiDialogTausch a(aussen);
    {
        const DateiDialogTausch i(innen);
        EXPECT_EQ(&gDateiDialog(), &innen);
    }
    EXPECT_EQ(&gDateiDialog(), &aussen);
}

// Runs `aktion` on the visible file dialog, again on every tick while it stays open (the dialog
// fills its folder view in the background), and rejects it after a second so that a dialog that
// ignores the action cannot hang the test. False when no dialog showed.
template <typename Aktion>
bool BeimDialog(Aktion aktion, void (*picker)(QLineEdit&), QLineEdit& txtEintrag) {
    int iVersuche = 0;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || !dialog->isVisible()) continue;
            if (++iVersuche > 50) {
                ADD_FAILURE() << "Der Dialog blieb offen";
                dialog->reject();
            } else {
                aktion(*dialog);
            }
        }
    });
    wache.start(20);
    // A question box opened from inside the action would block the watch above.
    QTimer frageWache;
    QObject::connect(&frageWache, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* frage = qobject_cast<QMessageBox*>(w); frage && frage->isVisible()) {
                ADD_FAILURE() << "Unerwartete Frage: " << frage->text().toStdString();
                frage->reject();
            }
        }
    });
    frageWache.start(50);
    picker(txtEintrag);
    return iVersuche > 0;
}

TEST(Dateiauswahl, QtDialog) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sVorher = QDir::currentPath();

    // The open dialog as the input picker sets it up, then cancelled: nothing changes.
    QLineEdit txtEingabe;
    txtEingabe.setText(ordner.path() + QStringLiteral("/alt.xls"));
    const bool bOffen = BeimDialog(
        [&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(),
                      QString::fromUtf8("Ergebnisdatei von Berufsschule auswählen"));
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(dialog.nameFilters().size(), 2);
            EXPECT_EQ(dialog.selectedNameFilter(),
                      QStringLiteral("Ergebnisdatei (*.xls *.xlsx *.xlsm *.ods *.csv)"));
            EXPECT_EQ(QDir(dialog.directory()).canonicalPath(),
                      QDir(ordner.path()).canonicalPath());
            dialog.reject();
        },
        ErgebnisdateiAuswaehlen, txtEingabe);
    EXPECT_TRUE(bOffen);
    EXPECT_EQ(txtEingabe.text(), ordner.path() + QStringLiteral("/alt.xls"));
    EXPECT_EQ(QDir::currentPath(), sVorher);

    // The save dialog: no question before replacing an existing file, the name chosen comes
    // back as a full path.
    const QString sVorhanden = ordner.filePath(QStringLiteral("extrakt.xlsx"));
    {
        QFile datei(sVorhanden);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    QLineEdit txtAusgabe;
    const bool bSpeichern = BeimDialog(
        [&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            // Typed as a user would: selectFile() leaves a focused name field alone.
            auto* txtName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(txtName, nullptr);
            txtName->setText(sVorhanden);
            static_cast<QDialog&>(dialog).accept();  // public in QDialog
        },
        ExtraktdateiAuswaehlen, txtAusgabe);
    EXPECT_TRUE(bSpeichern);
    EXPECT_EQ(QFileInfo(txtAusgabe.text()).canonicalFilePath(),
              QFileInfo(sVorhanden).canonicalFilePath());
    EXPECT_EQ(QDir::currentPath(), sVorher);
}

}  // namespace
}  // namespace rastfang
