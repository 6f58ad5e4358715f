// The pickers through the file-dialog seam (what the dialog is asked, what comes back into the
// entry, cancel), and the real Qt dialog behind the seam.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <optional>

#include "Dateiauswahl.h"
#include "TestHilfen.h"

namespace rastfang {
namespace {

using Picker = void (*)(QLineEdit&);
const QStringList FILTER{QStringLiteral("Ergebnisdatei (*.xls *.xlsx *.xlsm *.ods *.csv)"),
                         QStringLiteral("alle Dateien (*)")};

// Runs `picker` on a shown window whose entry holds `sEintrag` while a button has the focus; the
// seam records what it is asked and answers `antwort`.
struct Lauf : DateiDialog {
    std::optional<QString> antwort;
    std::vector<DateiDialogOptionen> aufrufe;
    QString sText;
    bool bEintragHatFokus = false;
    bool bKnopfHatFokus = false;

    std::optional<QString> Zeige(const DateiDialogOptionen& o) override {
        aufrufe.push_back(o);
        return antwort;
    }
    Lauf(Picker picker, const QString& sEintrag, std::optional<QString> a) : antwort(std::move(a)) {
        QWidget fenster;
        auto* layout = new QVBoxLayout(&fenster);
        auto* txtEintrag = new QLineEdit(sEintrag, &fenster);
        auto* cmdAnders = new QPushButton(QStringLiteral("..."), &fenster);
        layout->addWidget(txtEintrag);
        layout->addWidget(cmdAnders);
        fenster.show();
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
        cmdAnders->setFocus();
        QApplication::processEvents();
        const DateiDialogTausch tausch(*this);
        picker(*txtEintrag);
        QApplication::processEvents();
        sText = txtEintrag->text();
        bEintragHatFokus = txtEintrag->hasFocus();
        bKnopfHatFokus = cmdAnders->hasFocus();
        EXPECT_EQ(aufrufe.size(), 1u);
    }
};

TEST(Dateiauswahl, EndungStartordnerUndFokus) {
    struct Fall {
        Picker picker;
        const char *pszEintrag, *pszAntwort, *pszErgebnis, *pszOrdner, *pszName;
    };
    const Picker ein = ErgebnisdateiAuswaehlen, aus = ExtraktdateiAuswaehlen;
    // The ending only when the path holds no point at all, not even in a folder name.
    for (const Fall& f : {
             Fall{aus, "", "/daten/liste", "/daten/liste.xml", "", ""},
             Fall{aus, "/srv/schule/neu.xlsx", "/daten/liste.xls", "/daten/liste.xls",
                  "/srv/schule/", "neu.xlsx"},
             Fall{aus, "", "/daten/v1.2/liste", "/daten/v1.2/liste", "", ""},
             Fall{ein, "C:\\Daten\\alt.xls", "/daten/noten", "/daten/noten.xls", "C:\\Daten\\",
                  "alt.xls"},
             Fall{ein, "", "/daten/noten.xlsx", "/daten/noten.xlsx", "", ""},
             Fall{ein, "", "/home/a.b/noten", "/home/a.b/noten", "", ""},
         }) {
        SCOPED_TRACE(f.pszAntwort);
        const Lauf lauf(f.picker, f.pszEintrag, QString::fromUtf8(f.pszAntwort));
        ASSERT_EQ(lauf.aufrufe.size(), 1u);
        EXPECT_EQ(lauf.aufrufe[0].sStartordner, f.pszOrdner);
        EXPECT_EQ(lauf.aufrufe[0].sDateiName, f.pszName);
        EXPECT_EQ(lauf.sText, f.pszErgebnis);
        EXPECT_TRUE(lauf.bEintragHatFokus);
    }
}

TEST(Dateiauswahl, TitelFilterUndSchalter) {
    const Lauf oeffnen(ErgebnisdateiAuswaehlen, QString(), std::nullopt);
    const Lauf speichern(ExtraktdateiAuswaehlen, QString(), std::nullopt);
    ASSERT_EQ(oeffnen.aufrufe.size() + speichern.aufrufe.size(), 2u);
    const DateiDialogOptionen& o = oeffnen.aufrufe[0];
    const DateiDialogOptionen& s = speichern.aufrufe[0];
    EXPECT_EQ(o.art, DateiDialogOptionen::Art::Oeffnen);
    EXPECT_EQ(s.art, DateiDialogOptionen::Art::Speichern);
    EXPECT_EQ(o.sTitel, QString::fromUtf8("Ergebnisdatei von Berufsschule auswählen"));
    EXPECT_EQ(s.sTitel, QString::fromUtf8("Datei für extrahierte Berufsschulergebnisse auswählen"));
    EXPECT_TRUE(o.bMussExistieren);
    EXPECT_FALSE(s.bMussExistieren);
    EXPECT_TRUE(s.bKeineUeberschreibFrage);
    for (const DateiDialogOptionen* p : {&o, &s}) {
        EXPECT_EQ(p->filter, FILTER);
        EXPECT_EQ(p->sGewaehlterFilter, FILTER.first());
    }
}

TEST(Dateiauswahl, AbbruchLaesstEintragUndFokus) {
    test::MeldungsRecorder meldungen;
    const MeldungsBoxTausch box(meldungen);
    for (Picker picker : {ErgebnisdateiAuswaehlen, ExtraktdateiAuswaehlen}) {
        const Lauf lauf(picker, QStringLiteral("/daten/alt.xls"), std::nullopt);
        EXPECT_EQ(lauf.sText, "/daten/alt.xls");
        EXPECT_FALSE(lauf.bEintragHatFokus);
        EXPECT_TRUE(lauf.bKnopfHatFokus);
    }
    EXPECT_TRUE(meldungen.meldungen.empty());
}

// Shows the real dialog with `o` and hands it to `aktion` once it is up. A separate brake
// rejects every open dialog each 5 s, so neither a silent action nor a nested box can hang.
std::optional<QString> MitQtDialog(const DateiDialogOptionen& o,
                                   const std::function<void(QFileDialog&)>& aktion) {
    bool bGezeigt = false;
    QTimer suche;
    QObject::connect(&suche, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        suche.stop();
        bGezeigt = true;
        aktion(*dialog);
    });
    QTimer bremse;
    QObject::connect(&bremse, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                ADD_FAILURE() << "Dialog blieb offen: " << d->windowTitle().toStdString();
                d->reject();
            }
        }
    });
    suche.start(20);
    bremse.start(5000);
    const QString sVorher = QDir::currentPath();
    std::optional<QString> gewaehlt = QtDateiDialog().Zeige(o);
    EXPECT_TRUE(bGezeigt);
    EXPECT_EQ(QDir::currentPath(), sVorher);
    return gewaehlt;
}

TEST(Dateiauswahl, QtDialog) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    DateiDialogOptionen o;
    o.sTitel = QStringLiteral("Öffnen");
    o.filter = FILTER;
    o.sGewaehlterFilter = FILTER.first();
    o.sStartordner = ordner.path() + u'/';
    o.sDateiName = QStringLiteral("alt.xls");
    o.bMussExistieren = true;
    const auto abbrechen = [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Öffnen"));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.nameFilters(), FILTER);
        EXPECT_EQ(dialog.selectedNameFilter(), FILTER.first());
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(ordner.path()).canonicalPath());
        dialog.reject();
    };
    EXPECT_EQ(MitQtDialog(o, abbrechen), std::nullopt);

    // The save dialog replaces an existing file without asking and returns the full path.
    const QString sVorhanden = ordner.filePath(QStringLiteral("extrakt.xlsx"));
    ASSERT_TRUE(QFile(sVorhanden).open(QIODevice::WriteOnly));
    o.art = DateiDialogOptionen::Art::Speichern;
    o.bMussExistieren = false;
    o.bKeineUeberschreibFrage = true;
    const auto waehlen = [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        // Typed as a user would: selectFile() leaves a focused name field alone.
        if (auto* txtName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            txtName->setText(sVorhanden);
        } else {
            dialog.selectFile(sVorhanden);
        }
        static_cast<QDialog&>(dialog).accept();  // public in QDialog
    };
    const std::optional<QString> gewaehlt = MitQtDialog(o, waehlen);
    ASSERT_TRUE(gewaehlt.has_value());
    EXPECT_EQ(QFileInfo(*gewaehlt).canonicalFilePath(), QFileInfo(sVorhanden).canonicalFilePath());
}

}  // namespace
}  // namespace rastfang
