// The pickers behind the three-dot buttons, through the file-dialog seam, and the real Qt dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <optional>
#include <tuple>

#include "FensterHilfen.h"
#include "app/DateiDialog.h"

namespace rastfang {
namespace {

const QStringList FILTER{QStringLiteral("Ergebnisdatei (*.xls *.xlsx *.xlsm *.ods *.csv)"),
                         QStringLiteral("alle Dateien (*)")};

class Dateiauswahl : public test::FensterTest {
  protected:
    static const char* eintrag(int i) { return i ? "txtErgebnisWorkfile" : "txtErgebnisdatei"; }
    /// Picker `iPicker` (0 input, 1 output) chosen with `sEintrag` in its entry, answered `a`.
    DateiDialogOptionen waehle(int iPicker, const QString& sEintrag, std::optional<QString> a) {
        dateiDialog.gefragt.clear();
        dateiDialog.antworten = {std::move(a)};
        feld(eintrag(iPicker))->setText(sEintrag);
        QTest::mouseClick(knopf(iPicker ? "cmdPfeil_1" : "cmdPfeil_0"), Qt::LeftButton);
        QTest::qWait(10);
        EXPECT_EQ(dateiDialog.gefragt.size(), 1u);
        return dateiDialog.gefragt.empty() ? DateiDialogOptionen{} : dateiDialog.gefragt[0];
    }
};

TEST_F(Dateiauswahl, ChosenFileGetsItsEndingTheFocusAndTheSelection) {
    // The ending only when the path holds no point at all, not even in a folder name.
    for (const auto& [iPicker, pszEintrag, pszAntwort, pszErgebnis, pszOrdnerName] :
         std::vector<std::tuple<int, const char*, const char*, const char*, const char*>>{
             {1, "", "/daten/liste", "/daten/liste.xml", "|"},
             {1, "/srv/schule/neu.xlsx", "/daten/liste.xls", "/daten/liste.xls",
              "/srv/schule/|neu.xlsx"},
             {1, "", "/daten/v1.2/liste", "/daten/v1.2/liste", "|"},
             {0, "C:\\Daten\\alt.xls", "/daten/noten", "/daten/noten.xls", "C:\\Daten\\|alt.xls"},
         }) {
        fokusAuf("txtZeile");
        const DateiDialogOptionen o = waehle(iPicker, pszEintrag, QString::fromUtf8(pszAntwort));
        const QLineEdit* txt = feld(eintrag(iPicker));
        EXPECT_EQ((QStringList{o.sStartordner + u'|' + o.sDateiName, txt->text(),
                               txt->selectedText(), fokusName()}),
                  (QStringList{pszOrdnerName, pszErgebnis, pszErgebnis, eintrag(iPicker)}));
    }
}

TEST_F(Dateiauswahl, PickersAskWithTheirTitlesAndCancelChangesNothing) {
    using Art = DateiDialogOptionen::Art;
    const QString ALT = QStringLiteral("/daten/alt.xls");
    const DateiDialogOptionen o = waehle(0, ALT, std::nullopt);
    EXPECT_EQ(fokusName(), "cmdPfeil_0");
    const DateiDialogOptionen s = waehle(1, ALT, std::nullopt);
    EXPECT_EQ(fokusName(), "cmdPfeil_1");
    EXPECT_EQ(feld("txtErgebnisdatei")->text() + feld("txtErgebnisWorkfile")->text(), ALT + ALT);
    EXPECT_EQ(std::tuple(o.art, o.sTitel, o.bMussExistieren, o.filter, o.sGewaehlterFilter),
              std::tuple(Art::Oeffnen, "Ergebnisdatei von Berufsschule auswählen", true, FILTER,
                         FILTER.first()));
    EXPECT_EQ(std::tuple(s.art, s.sTitel, s.bMussExistieren, s.bKeineUeberschreibFrage, s.filter,
                         s.sGewaehlterFilter),
              std::tuple(Art::Speichern, "Datei für extrahierte Berufsschulergebnisse auswählen",
                         false, true, FILTER, FILTER.first()));
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
    EXPECT_EQ(std::pair(bGezeigt, QDir::currentPath()), std::pair(true, sVorher));
    return gewaehlt;
}

QStringList beschriftungen(const QFileDialog& dialog) {
    QStringList texte;
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
        const auto* lbl = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        texte << (lbl ? lbl->text() : QString());
    }
    for (const QPushButton* knopf : dialog.findChildren<QPushButton*>())
        if (knopf->isVisible()) texte << knopf->text();
    return texte;
}

// The real dialogs speak German whatever the desktop's language; saving over a file asks nothing.
TEST(QtDateiDialog, OpenAndSaveSpeakGermanAndReturnTheChoice) {
    QTemporaryDir ordner;
    DateiDialogOptionen o{.sTitel = QStringLiteral("Öffnen"),
                          .filter = FILTER,
                          .sGewaehlterFilter = FILTER.first(),
                          .sStartordner = ordner.path() + u'/',
                          .sDateiName = QStringLiteral("alt.xls"),
                          .bMussExistieren = true};
    const QString sNoten = ordner.filePath(QStringLiteral("Ergebnis Müller [1].xlsx"));
    test::gSchreibe(sNoten, QByteArray(6456, 'x'));
    QFile datei(sNoten);
    ASSERT_TRUE(datei.open(QIODevice::Append) &&
                datei.setFileTime(QDateTime(QDate(2026, 3, 1), QTime(14, 5)),
                                  QFileDevice::FileModificationTime));
    QStringList texte;
    const auto abbrechen = [&](QFileDialog& dialog) {
        texte = beschriftungen(dialog);
        auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(liste, nullptr);
        const QAbstractItemModel* modell = liste->model();  // filled in the background
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return modell->rowCount(liste->rootIndex()) == 1; }, 3000));
        const QModelIndex zeile = modell->index(0, 0, liste->rootIndex());
        EXPECT_EQ(zeile.siblingAtColumn(1).data().toString() + " | " +
                      zeile.siblingAtColumn(3).data().toString(),
                  "6,30 KiB | 01.03.26 14:05");
        EXPECT_EQ(std::tuple(dialog.windowTitle(), dialog.fileMode(), dialog.nameFilters(),
                             dialog.selectedNameFilter(), QDir(dialog.directory()).canonicalPath()),
                  std::tuple("Öffnen", QFileDialog::ExistingFile, FILTER, FILTER.first(),
                             QDir(ordner.path()).canonicalPath()));
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
    EXPECT_EQ(QFileInfo(MitQtDialog(o, waehlen).value_or("")).canonicalFilePath(),
              QFileInfo(sVorhanden).canonicalFilePath());
    EXPECT_EQ(texte, QStringList({"Suchen in:", "Datei&name:", "Dateien des Typs:", "S&peichern",
                                  "Abbrechen"}));
}

}  // namespace
}  // namespace rastfang
