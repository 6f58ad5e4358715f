// "&Start" in the window: messages, focus, pointer and status line after every ending, the result
// window and its printing. What a run writes is checked on the command line.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "AppHilfen.h"
#include "FensterHilfen.h"
#include "app/DateiDialog.h"
#include "messages/fenster/frmMessage.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

class StartTest : public FensterTest {
  protected:
    void SetUp() override {
        FensterTest::SetUp();
        // No trash: an old output is deleted, never moved into the real home.
        setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("kein-datenordner")).toLocal8Bit(), 1);
        // Brackets in the name are no wildcard: every run finds this input.
        ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("app_ergebnisse.xlsx")), eingabe()));
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    Eingaben gueltig() const {
        return {eingabe(), {}, {"B", "C", "D", "E", "F", ""}, {}, ausgabe()};
    }
    QString eingabe() const { return tmp.filePath(QStringLiteral("Ergebnis [1].xlsx")); }
    QString ausgabe() const { return tmp.filePath(QStringLiteral("velmora.xlsx")); }
    GezeigteMeldung meldungBeimStart(const QString& sTitel) {
        recorder.meldungen.clear();
        // With the mouse, as the user would: the button takes the focus.
        QTest::mouseClick(knopf("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(recorder.meldungen.size(), 1u);
        if (recorder.meldungen.empty()) return {QStringLiteral("keine Meldung"), 0, {}, -1};
        EXPECT_EQ(recorder.meldungen[0].sTitel, sTitel);
        return recorder.meldungen[0];
    }

    std::pair<int16_t, int16_t> ersterUndLetzterZeiger() const {
        return {zeiger.werte.empty() ? -1 : zeiger.werte.front(), zeiger.Lesen()};
    }

    QTemporaryDir tmp;
};

}  // namespace

TEST_F(StartTest, EveryCheckFaultShowsItsMessageAndMovesTheFocus) {
    const auto fehlt = [](const QString& s) { return "Bitte angeben: " + s + "     "; };
    const auto ungueltig = [](const QString& s) { return s + ": Ungültiger Wert     "; };
    const QString sOrdner = tmp.path();
    const QString sZeile = ungueltig("Zeilennummer für Startzeile");
    // An existing output (brackets are no wildcard): "Nein" sends the focus to its entry.
    const QString sAlt = tmp.filePath(QStringLiteral("Aus[1].xlsx"));
    gSchreibe(sAlt, "alt");
    const QString sFrage =
        "Die Datei " + sAlt + "\r\nist schon vorhanden.\r\n\r\nSoll sie überschrieben werden?";
    const QString sGleich = QStringLiteral(
        "Ergebnisdatei und Datei für extrahierte Daten     \r\n"
        "müssen unterschiedliche Dateien sein.");
    // The input under another spelling or link is the same file, refused before any question.
    ASSERT_TRUE(QFile::link(eingabe(), tmp.filePath(QStringLiteral("verweis.xlsx"))));
    const QByteArray hart = QFile::encodeName(tmp.filePath(QStringLiteral("hart.xlsx")));
    ASSERT_EQ(::link(QFile::encodeName(eingabe()).constData(), hart.constData()), 0);
    for (const auto& [pszFeld, sWert, iNr, sText, bFokusAufFeld] :
         std::vector<std::tuple<const char*, QString, int, QString, bool>>{
             {"txtErgebnisdatei", "   ", 125, fehlt("Ergebnisdatei"), true},
             {"txtErgebnisdatei", sOrdner + " ", 130,
              "Die Datei\r\n" + sOrdner + "\r\nist nicht vorhanden.", true},
             {"txtZeile", "0", 127, sZeile, false},
             {"txtSpalte_0", "ZZ", 127, ungueltig("Tabellenspalte Name"), true},
             {"txtSpalte_1", " ", 125, fehlt("Tabellenspalte Vorname"), true},
             {"txtSpalte_2", "??", 127, ungueltig("Tabellenspalte Geburtsdatum"), true},
             {"txtSpalte_3", "", 125, fehlt("Tabellenspalte Beruf"), true},
             {"txtSpalte_4", "", 125, fehlt("Tabellenspalte Erstes Ergebnis"), true},
             {"txtSpalte_5", "1", 127, ungueltig("Tabellenspalte Datenfilter"), true},
             {"txtErgebnisWorkfile", "  ", 125, fehlt("Datei für extrahierte Daten"), true},
             {"txtErgebnisWorkfile", " " + eingabe().toUpper(), 110, sGleich, false},
             {"txtErgebnisWorkfile", sOrdner + "/./ERGEBNIS [1].XLSX", 110, sGleich, false},
             {"txtErgebnisWorkfile", sOrdner + "/verweis.xlsx", 110, sGleich, false},
             {"txtErgebnisWorkfile", sOrdner + "/hart.xlsx", 110, sGleich, false},
             {"txtErgebnisWorkfile", sAlt, 131, sFrage, true}}) {
        SCOPED_TRACE(pszFeld + (" = '" + sWert + "'").toStdString());
        fenster->setzeEingaben(gueltig());
        feld(pszFeld)->setText(sWert);
        fokusAuf("txtFilterWert");
        const QString sTitel = (iNr == 131 ? "Frage VLM00" : "Fehler VLM00") + QString::number(iNr);
        EXPECT_EQ(meldungBeimStart(sTitel).sText, sText);
        EXPECT_EQ(fokusName(), bFokusAufFeld ? pszFeld : "cmdOK");
        EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::PruefungNichtBestanden);
    }
    // Several faults: only the first in the check's order is reported.
    fenster->setzeEingaben({eingabe(), "0", {}, {}, {}});
    EXPECT_EQ(meldungBeimStart(QStringLiteral("Fehler VLM00127")).sText, sZeile);
    EXPECT_EQ(std::count(zeiger.werte.begin(), zeiger.werte.end(), Mauszeiger::SANDUHR), 0);
    EXPECT_TRUE(statustexte.isEmpty());
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_EQ(gEintraegeIn(tmp.path()),
              (QStringList{"Aus[1].xlsx", "Ergebnis [1].xlsx", "hart.xlsx", "verweis.xlsx"}));
}

TEST_F(StartTest, RunShowsItsStatusTextsAndEndsAtRest) {
    // Leaving the name entry fills C..F; Enter in the output entry starts.
    fenster->setzeEingaben({eingabe(), {}, {"b", "", "", "", "", ""}, {}, ausgabe()});
    fokusAuf("txtSpalte_0");
    QTest::mouseClick(feld("txtErgebnisWorkfile"), Qt::LeftButton);
    QTest::keyClick(feld("txtErgebnisWorkfile"), Qt::Key_Return);
    EXPECT_EQ(
        std::tuple(recorder.meldungen.size(), zusammenfassungen.size(), fenster->letztesErgebnis()),
        std::tuple(0u, 1u, StartErgebnis::Fertig));
    // The summary appears at rest, after the status texts in order, the reader's among them.
    EXPECT_EQ(beiZusammenfassung, std::pair(Mauszeiger::STANDARD, QString()));
    EXPECT_EQ(ersterUndLetzterZeiger(), std::pair(Mauszeiger::SANDUHR, Mauszeiger::STANDARD));
    EXPECT_EQ(statustexte,
              (QStringList{"Initialisiere Excel ...", "Öffne Ergebnisdatei von Berufsschule ...",
                           "Tabelle: Klasse 10a ...", "Öffne Datei für extrahierte Daten ...", "",
                           "Tabelle: Klasse 10b ...", ""}));
}

// The Start handler's error path (the reader's own failures are driven on the command line).
TEST_F(StartTest, FailedRunRestoresPointerAndStatusLine) {
    for (const auto& [sZeile, sAus, sTitel] :
         {std::tuple{"32767.5", ausgabe(), "Fehler VB00006"},
          std::tuple{"", tmp.filePath(QStringLiteral("fehlt/velmora.xlsx")), "Fehler VB01004"}}) {
        SCOPED_TRACE(sTitel);
        zeiger.werte.clear();
        fenster->setzeEingaben({eingabe(), sZeile, {"B", "C", "D", "E", "F", ""}, {}, sAus});
        const GezeigteMeldung meldung = meldungBeimStart(QString::fromLatin1(sTitel));
        EXPECT_TRUE(meldung.sText.endsWith(QStringLiteral("Funktion: cmdStart/frmRasterfang")))
            << meldung.sText.toStdString();
        EXPECT_EQ(
            std::tuple(fenster->letztesErgebnis(), meldung.iZeiger, feld("txtStatus")->text()),
            std::tuple(StartErgebnis::Fehler, Mauszeiger::STANDARD, QString()));
        EXPECT_EQ(ersterUndLetzterZeiger(), std::pair(Mauszeiger::SANDUHR, Mauszeiger::STANDARD));
    }
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_FALSE(QFile::exists(ausgabe()));
    EXPECT_TRUE(statustexte.contains(QStringLiteral("Öffne Ergebnisdatei von Berufsschule ...")));
}

// Without a printer "&Drucken" writes a one-page PDF where the user says; a failure is reported
// by the Start handler, and the old output is gone all the same (the new one was in place).
TEST_F(StartTest, ResultWindowShowsTheSummaryAndPrintsItAsPdf) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) missing";
    const QString sPdf = tmp.filePath(QStringLiteral("Ergebnisse.pdf"));
    dateiDialog.antworten = {std::nullopt, sPdf,
                             tmp.filePath(QStringLiteral("fehlt/Ergebnisse.pdf"))};

    frmRasterfang hauptfenster;
    hauptfenster.setzeEingaben(gueltig());
    hauptfenster.show();
    bool bNachAbbruchOffen = false;
    QImage bild;
    QString sGezeigt;
    int iHoehe = -1;
    QTimer::singleShot(0, &hauptfenster, [&] {
        auto* meldung = qobject_cast<frmMessage*>(QApplication::activeModalWidget());
        if (!meldung) return;
        sGezeigt = meldung->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText();
        iHoehe = meldung->frameGeometry().height();
        auto* drucken = meldung->findChild<QPushButton*>(QStringLiteral("cmdDrucken"));
        drucken->click();
        bNachAbbruchOffen = meldung->isVisible() && !QFile::exists(sPdf);
        bild = meldung->grab().toImage().convertToFormat(QImage::Format_RGB32);
        drucken->click();
        drucken->click();  // into a missing folder: fails
    });
    gSchreibe(ausgabe(), "alte Ausgabe");
    recorder.Antworten({MsgBox::ANSWER_YES});
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();

    EXPECT_EQ(sGezeigt, gsErwarteteZusammenfassung(QStringLiteral("ohne"), 4, 3)
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(iHoehe, hauptfenster.frameGeometry().height());
    EXPECT_NE(gInhalt(ausgabe()), QByteArray("alte Ausgabe"));
    EXPECT_TRUE(bNachAbbruchOffen);
    ASSERT_EQ(dateiDialog.gefragt.size(), 3u);
    const DateiDialogOptionen& o = dateiDialog.gefragt[0];
    EXPECT_EQ(std::tuple(o.art, o.sTitel, QDir(o.sStartordner).canonicalPath(), o.sDateiName,
                         o.bKeineUeberschreibFrage),
              std::tuple(DateiDialogOptionen::Art::Speichern, "Druckausgabe speichern unter",
                         QDir(tmp.path()).canonicalPath(), "Ergebnisse.pdf", false));
    ASSERT_EQ(recorder.meldungen.size(), 2u);
    EXPECT_EQ(recorder.meldungen[0].sTitel + " / " + recorder.meldungen[1].sTitel,
              "Frage VLM00131 / Fehler VB00482");
    EXPECT_EQ(recorder.meldungen[1].sText, "Druckerfehler\r\n\r\nFunktion: cmdStart/frmRasterfang");
    EXPECT_EQ(hauptfenster.letztesErgebnis(), StartErgebnis::Fehler);

    // One page (pdftoppm numbers the pages it writes) showing the window: rendered at the
    // screen's resolution, the picture on it (everything not white) matches the window's grab.
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {"-r", QString::number(hauptfenster.logicalDpiX()), "-png", sPdf,
                                 tmp.filePath(QStringLiteral("seite"))}),
              0);
    EXPECT_EQ(gEintraegeIn(tmp.path()),
              (QStringList{"Ergebnis [1].xlsx", "Ergebnisse.pdf", "seite-1.png", "velmora.xlsx"}));
    const QImage seite =
        QImage(tmp.filePath(QStringLiteral("seite-1.png"))).convertToFormat(QImage::Format_RGB32);
    QRect bereich;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x)
            if (seite.pixel(x, y) != qRgb(255, 255, 255)) bereich |= QRect(x, y, 1, 1);
    ASSERT_FALSE(bereich.isEmpty());
    EXPECT_NEAR(bereich.width(), bild.width() / bild.devicePixelRatio(), 3);
    const QImage fenster =
        bild.scaled(bereich.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Pixels within 48 per channel; mostly white and grey, so even a mirrored window shares 90 %.
    qint64 iGleich = 0;
    for (int y = 0; y < fenster.height(); ++y) {
        for (int x = 0; x < fenster.width(); ++x) {
            const QRgb p = seite.pixel(bereich.topLeft() + QPoint(x, y));
            const QRgb q = fenster.pixel(x, y);
            iGleich += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                 std::abs(qBlue(p) - qBlue(q))}) <= 48;
        }
    }
    EXPECT_GT(double(iGleich) / (qint64(fenster.width()) * fenster.height()), 0.98);
}
