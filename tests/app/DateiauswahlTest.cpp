// The pickers behind the three-dot buttons, through the file-dialog seam, and the real Qt dialog.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <optional>

#include "FensterHilfen.h"
#include "app/DateiDialog.h"

namespace rastfang {
namespace {

const QStringList FILTER{QStringLiteral("Ergebnisdatei (*.xls *.xlsx *.xlsm *.ods *.csv)"),
                         QStringLiteral("alle Dateien (*)")};

class Dateiauswahl : public test::FensterTest {
  protected:
    /// Clicks the three-dot button while the entry holds `sEintrag`; the dialog answers `a`.
    DateiDialogOptionen waehle(const char* pszKnopf, const char* pszFeld, const QString& sEintrag,
                               std::optional<QString> a) {
        dialog.gefragt.clear();
        dialog.antworten = {std::move(a)};
        feld(pszFeld)->setText(sEintrag);
        QTest::mouseClick(knopf(pszKnopf), Qt::LeftButton);
        QTest::qWait(10);
        EXPECT_EQ(dialog.gefragt.size(), 1u);
        return dialog.gefragt.empty() ? DateiDialogOptionen{} : dialog.gefragt[0];
    }

    test::DialogAntworten dialog;
    const DateiDialogTausch tausch{dialog};
};

TEST_F(Dateiauswahl, ChosenFileGetsItsEndingTheFocusAndTheSelection) {
    struct Fall {
        const char *pszKnopf, *pszFeld, *pszEintrag, *pszAntwort, *pszErgebnis, *pszOrdner,
            *pszName;
    };
    // The ending only when the path holds no point at all, not even in a folder name.
    for (const Fall& f : {
             Fall{"cmdPfeil_1", "txtErgebnisWorkfile", "", "/daten/liste", "/daten/liste.xml", "",
                  ""},
             Fall{"cmdPfeil_1", "txtErgebnisWorkfile", "/srv/schule/neu.xlsx", "/daten/liste.xls",
                  "/daten/liste.xls", "/srv/schule/", "neu.xlsx"},
             Fall{"cmdPfeil_1", "txtErgebnisWorkfile", "", "/daten/v1.2/liste", "/daten/v1.2/liste",
                  "", ""},
             Fall{"cmdPfeil_0", "txtErgebnisdatei", "C:\\Daten\\alt.xls", "/daten/noten",
                  "/daten/noten.xls", "C:\\Daten\\", "alt.xls"},
         }) {
        SCOPED_TRACE(f.pszAntwort);
        fokusAuf("txtZeile");
        const DateiDialogOptionen o =
            waehle(f.pszKnopf, f.pszFeld, f.pszEintrag, QString::fromUtf8(f.pszAntwort));
        EXPECT_EQ(o.sStartordner, f.pszOrdner);
        EXPECT_EQ(o.sDateiName, f.pszName);
        EXPECT_EQ(feld(f.pszFeld)->text(), f.pszErgebnis);
        EXPECT_EQ(fokusName(), f.pszFeld);
        EXPECT_EQ(feld(f.pszFeld)->selectedText(), f.pszErgebnis);
    }
}

// Each picker asks with its own title and the same filters; Cancel leaves entry and focus.
TEST_F(Dateiauswahl, PickersAskWithTheirTitlesAndCancelChangesNothing) {
    const QString ALT = QStringLiteral("/daten/alt.xls");
    const DateiDialogOptionen o = waehle("cmdPfeil_0", "txtErgebnisdatei", ALT, std::nullopt);
    EXPECT_EQ(fokusName(), "cmdPfeil_0");
    const DateiDialogOptionen s = waehle("cmdPfeil_1", "txtErgebnisWorkfile", ALT, std::nullopt);
    EXPECT_EQ(fokusName(), "cmdPfeil_1");
    EXPECT_EQ(feld("txtErgebnisdatei")->text() + feld("txtErgebnisWorkfile")->text(), ALT + ALT);
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
    EXPECT_TRUE(recorder.meldungen.empty());
}

// Shows the real dialog with `o` and hands it to `aktion` once it is up; a dialog still open
// after 5 s is rejected, so that neither a silent action nor a nested box can hang the test.
std::optional<QString> MitQtDialog(const DateiDialogOptionen& o,
                                   const std::function<void(QFileDialog&)>& aktion) {
    bool bGezeigt = false;
    int iRunden = 0;
    QTimer suche;
    QObject::connect(&suche, &QTimer::timeout, [&] {
        auto* offen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (offen && ++iRunden > 250) {
            ADD_FAILURE() << "Dialog blieb offen: " << offen->windowTitle().toStdString();
            offen->reject();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(offen);
                   dialog && !bGezeigt && dialog->isVisible()) {
            bGezeigt = true;
            aktion(*dialog);
        }
    });
    suche.start(20);
    const QString sVorher = QDir::currentPath();
    std::optional<QString> gewaehlt = QtDateiDialog().Zeige(o);
    EXPECT_TRUE(bGezeigt);
    EXPECT_EQ(QDir::currentPath(), sVorher);
    return gewaehlt;
}

// The visible texts of a file dialog: its labels and its visible buttons, in order.
QStringList beschriftungen(const QFileDialog& dialog) {
    QStringList texte;
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
        const auto* lbl = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        texte << (lbl ? lbl->text() : QString());
    }
    for (const QPushButton* knopf : dialog.findChildren<QPushButton*>()) {
        if (knopf->isVisible()) texte << knopf->text();
    }
    return texte;
}

// The real dialogs speak German whatever the desktop's language; saving over a file asks nothing.
TEST(QtDateiDialog, OpenAndSaveSpeakGermanAndReturnTheChoice) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    DateiDialogOptionen o;
    o.sTitel = QStringLiteral("Öffnen");
    o.filter = FILTER;
    o.sGewaehlterFilter = FILTER.first();
    o.sStartordner = ordner.path() + u'/';
    o.sDateiName = QStringLiteral("alt.xls");
    o.bMussExistieren = true;
    const QString sNoten = ordner.filePath(QStringLiteral("Ergebnis Müller [1].xlsx"));
    test::gSchreibe(sNoten, QByteArray(6456, 'x'));
    QFile datei(sNoten);
    ASSERT_TRUE(datei.open(QIODevice::Append) &&
                datei.setFileTime(QDateTime(QDate(2026, 3, 1), QTime(14, 5)),
                                  QFileDevice::FileModificationTime));
    datei.close();
    QStringList texte;
    const auto abbrechen = [&](QFileDialog& dialog) {
        texte = beschriftungen(dialog);
        auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(liste, nullptr);
        const QAbstractItemModel* modell = liste->model();
        QDeadlineTimer frist(3000);  // the folder is read in the background
        while (modell->rowCount(liste->rootIndex()) == 0 && !frist.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_EQ(modell->rowCount(liste->rootIndex()), 1);
        // Size and date in German.
        const QModelIndex zeile = modell->index(0, 0, liste->rootIndex());
        EXPECT_EQ(zeile.siblingAtColumn(1).data().toString() + " | " +
                      zeile.siblingAtColumn(3).data().toString(),
                  "6,30 KiB | 01.03.26 14:05");
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Öffnen"));
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), FILTER);
        EXPECT_EQ(dialog.selectedNameFilter(), FILTER.first());
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(ordner.path()).canonicalPath());
        dialog.reject();
    };
    EXPECT_EQ(MitQtDialog(o, abbrechen), std::nullopt);
    EXPECT_EQ(texte, QStringList({"Suchen in:", "Datei&name:", "Dateien des Typs:", "&Öffnen",
                                  "Abbrechen"}));

    const QString sVorhanden = ordner.filePath(QStringLiteral("extrakt.xlsx"));
    test::gSchreibe(sVorhanden, {});
    o.art = DateiDialogOptionen::Art::Speichern;
    o.bMussExistieren = false;
    o.bKeineUeberschreibFrage = true;
    const auto waehlen = [&](QFileDialog& dialog) {
        texte = beschriftungen(dialog);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        // Typed as a user would: selectFile() leaves a focused name field alone.
        auto* txtName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(txtName, nullptr);
        txtName->setText(sVorhanden);
        static_cast<QDialog&>(dialog).accept();  // public in QDialog
    };
    const std::optional<QString> gewaehlt = MitQtDialog(o, waehlen);
    EXPECT_EQ(texte, QStringList({"Suchen in:", "Datei&name:", "Dateien des Typs:", "S&peichern",
                                  "Abbrechen"}));
    ASSERT_TRUE(gewaehlt.has_value());
    EXPECT_EQ(QFileInfo(*gewaehlt).canonicalFilePath(), QFileInfo(sVorhanden).canonicalFilePath());
}

}  // namespace
}  // namespace rastfang
