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
        ASSERT_TRUE(tmp.isValid());
        // No trash: an old output is deleted, never moved into the real home.
        setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("kein-datenordner")).toLocal8Bit(), 1);
        // Brackets in the name are no wildcard: every run finds this input.
        ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("app_ergebnisse.xlsx")), eingabe()));
        fenster->setzeEingaben(gueltig());
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    /// Entries that pass the check: the fixture workbook, names in B, output in the temp dir.
    Eingaben gueltig() const {
        Eingaben e;
        e.sErgebnisdatei = eingabe();
        e.sSpalte = {"B", "C", "D", "E", "F", ""};
        e.sErgebnisWorkfile = ausgabe();
        return e;
    }
    QString eingabe() const { return tmp.filePath(QStringLiteral("Ergebnis [1].xlsx")); }
    QString ausgabe() const { return tmp.filePath(QStringLiteral("velmora.xlsx")); }
    /// Starts, expects exactly one message box with that title and returns its text.
    QString meldungBeimStart(const QString& sTitel) {
        recorder.meldungen.clear();
        start();
        EXPECT_EQ(recorder.meldungen.size(), 1u);
        if (recorder.meldungen.empty()) return QStringLiteral("keine Meldung");
        EXPECT_EQ(recorder.meldungen[0].sTitel, sTitel);
        return recorder.meldungen[0].sText;
    }
    /// After every ending: default pointer, empty status line.
    void inRuhe() const {
        EXPECT_EQ(zeiger.Lesen(), Mauszeiger::STANDARD);
        EXPECT_EQ(feld("txtStatus")->text(), QString());
    }

    QTemporaryDir tmp;
};

}  // namespace

TEST_F(StartTest, EveryCheckFaultShowsItsMessageAndMovesTheFocus) {
    const auto fehlt = [](const char* was) {
        return QStringLiteral("Bitte angeben: %1     ").arg(QString::fromUtf8(was));
    };
    const auto ungueltig = [](const char* was) {
        return QStringLiteral("%1: Ungültiger Wert     ").arg(QString::fromUtf8(was));
    };
    const auto nichtDa = [](const QString& s) {
        return "Die Datei\r\n" + s + "\r\nist nicht vorhanden.";
    };
    const QString sOrdner = tmp.path();
    const QString sZeile = ungueltig("Zeilennummer für Startzeile");
    // An existing output (brackets are no wildcard): "Nein" sends the focus to its entry.
    const QString sAlt = tmp.filePath(QStringLiteral("Aus[1].xlsx"));
    gSchreibe(sAlt, "alt");
    const QString sGleich = QStringLiteral(
        "Ergebnisdatei und Datei für extrahierte Daten     \r\nmüssen unterschiedliche Dateien "
        "sein.");
    // The input under another spelling or link is the same file, refused before any question.
    ASSERT_TRUE(QFile::link(eingabe(), tmp.filePath(QStringLiteral("verweis.xlsx"))));
    ASSERT_EQ(::link(QFile::encodeName(eingabe()).constData(),
                     QFile::encodeName(tmp.filePath(QStringLiteral("hart.xlsx"))).constData()),
              0);
    struct Fall {
        const char* pszFeld;
        QString sWert;
        int iNr;
        QString sText;
        const char* pszFokus;  // "cmdOK": the focus stays on the button that was clicked
    };
    const std::vector<Fall> faelle{
        {"txtErgebnisdatei", "   ", 125, fehlt("Ergebnisdatei"), "txtErgebnisdatei"},
        {"txtErgebnisdatei", sOrdner + " ", 130, nichtDa(sOrdner), "txtErgebnisdatei"},
        {"txtErgebnisdatei", sOrdner + "/*.xlsx", 130, nichtDa(sOrdner + "/*.xlsx"),
         "txtErgebnisdatei"},
        {"txtZeile", "0", 127, sZeile, "cmdOK"},
        {"txtSpalte_0", "ZZ", 127, ungueltig("Tabellenspalte Name"), "txtSpalte_0"},
        {"txtSpalte_1", " ", 125, fehlt("Tabellenspalte Vorname"), "txtSpalte_1"},
        {"txtSpalte_2", "??", 127, ungueltig("Tabellenspalte Geburtsdatum"), "txtSpalte_2"},
        {"txtSpalte_3", "", 125, fehlt("Tabellenspalte Beruf"), "txtSpalte_3"},
        {"txtSpalte_4", "", 125, fehlt("Tabellenspalte Erstes Ergebnis"), "txtSpalte_4"},
        {"txtSpalte_5", "1", 127, ungueltig("Tabellenspalte Datenfilter"), "txtSpalte_5"},
        {"txtErgebnisWorkfile", "  ", 125, fehlt("Datei für extrahierte Daten"),
         "txtErgebnisWorkfile"},
        {"txtErgebnisWorkfile", " " + eingabe().toUpper(), 110, sGleich, "cmdOK"},
        {"txtErgebnisWorkfile", sOrdner + "/./ERGEBNIS [1].XLSX", 110, sGleich, "cmdOK"},
        {"txtErgebnisWorkfile", sOrdner + "/verweis.xlsx", 110, sGleich, "cmdOK"},
        {"txtErgebnisWorkfile", sOrdner + "/hart.xlsx", 110, sGleich, "cmdOK"},
        {"txtErgebnisWorkfile", sAlt, 131,
         "Die Datei " + sAlt + "\r\nist schon vorhanden.\r\n\r\nSoll sie überschrieben werden?",
         "txtErgebnisWorkfile"},
        // Several faults: only the first in the check's order is reported.
        {"txtSpalte_0", "", 127, sZeile, "cmdOK"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pszFeld + (" = '" + f.sWert + "'").toStdString());
        fenster->setzeEingaben(gueltig());
        if (&f == &faelle.back()) {
            feld("txtZeile")->setText(QStringLiteral("0"));
            feld("txtErgebnisWorkfile")->clear();
        }
        feld(f.pszFeld)->setText(f.sWert);
        fokusAuf("txtFilterWert");
        EXPECT_EQ(meldungBeimStart(QStringLiteral("%1 VLM%2")
                                       .arg(f.iNr == 131 ? "Frage" : "Fehler")
                                       .arg(f.iNr, 5, 10, QLatin1Char('0'))),
                  f.sText);
        EXPECT_EQ(fokusName(), f.pszFokus);
        EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::PruefungNichtBestanden);
    }
    // No fault started anything: no hourglass, no status text, no summary, nothing set aside.
    EXPECT_EQ(std::count(zeiger.werte.begin(), zeiger.werte.end(), Mauszeiger::SANDUHR), 0);
    EXPECT_TRUE(statustexte.isEmpty());
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_EQ(gEintraegeIn(tmp.path()),
              (QStringList{"Aus[1].xlsx", "Ergebnis [1].xlsx", "hart.xlsx", "verweis.xlsx"}));
}

TEST_F(StartTest, RunShowsItsStatusTextsAndEndsAtRest) {
    // Leaving the name entry fills C..F, then Enter in the output entry starts.
    Eingaben e = gueltig();
    e.sSpalte = {"b", "", "", "", "", ""};
    fenster->setzeEingaben(e);
    fokusAuf("txtSpalte_0");
    QTest::mouseClick(feld("txtErgebnisWorkfile"), Qt::LeftButton);
    QTest::keyClick(feld("txtErgebnisWorkfile"), Qt::Key_Return);
    EXPECT_TRUE(recorder.meldungen.empty());
    EXPECT_EQ(zusammenfassungen.size(), 1u);
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fertig);
    // The summary appears at rest, after the status texts in order, the reader's among them.
    EXPECT_EQ(zeigerBeiZusammenfassung, Mauszeiger::STANDARD);
    EXPECT_EQ(statusBeiZusammenfassung, QString());
    ASSERT_FALSE(zeiger.werte.empty());
    EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
    EXPECT_EQ(statustexte,
              (QStringList{"Initialisiere Excel ...", "Öffne Ergebnisdatei von Berufsschule ...",
                           "Tabelle: Klasse 10a ...", "Öffne Datei für extrahierte Daten ...", "",
                           "Tabelle: Klasse 10b ...", ""}));
    inRuhe();
}

// The Start handler's error path (the reader's own failures are driven on the command line).
TEST_F(StartTest, FailedRunRestoresPointerAndStatusLine) {
    for (const auto& [sZeile, sAus, sTitel] :
         {std::tuple{"32767.5", ausgabe(), "Fehler VB00006"},
          std::tuple{"", tmp.filePath(QStringLiteral("fehlt/velmora.xlsx")), "Fehler VB01004"}}) {
        SCOPED_TRACE(sTitel);
        zeiger.werte.clear();
        Eingaben e = gueltig();
        e.sZeile = QString::fromLatin1(sZeile);
        e.sErgebnisWorkfile = sAus;
        fenster->setzeEingaben(e);
        const QString sMeldung = meldungBeimStart(QString::fromLatin1(sTitel));
        EXPECT_TRUE(sMeldung.endsWith(QStringLiteral("Funktion: cmdStart/frmRasterfang")))
            << sMeldung.toStdString();
        EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
        // The arrow while the report waits for OK, then the common ending.
        ASSERT_FALSE(recorder.meldungen.empty());
        EXPECT_EQ(recorder.meldungen[0].iZeiger, Mauszeiger::STANDARD);
        ASSERT_FALSE(zeiger.werte.empty());
        EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
        inRuhe();
    }
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_FALSE(QFile::exists(ausgabe()));
    EXPECT_TRUE(statustexte.contains(QStringLiteral("Öffne Ergebnisdatei von Berufsschule ...")));
}

namespace {

/// Share of the pixels of `a` and `b` (same size) whose colours differ by at most 48 per channel.
double gleicheAnteil(const QImage& a, const QImage& b) {
    qint64 iGleich = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            iGleich += std::abs(qRed(p) - qRed(q)) <= 48 && std::abs(qGreen(p) - qGreen(q)) <= 48 &&
                       std::abs(qBlue(p) - qBlue(q)) <= 48;
        }
    }
    return double(iGleich) / (qint64(a.width()) * a.height());
}

}  // namespace

// The result window, as tall as the main window. Without a printer "&Drucken" writes a one-page
// PDF where the user says; Cancel does nothing; a failure is reported by the handler of "&Start",
// and the replaced output is gone all the same: the new one was already in place.
TEST_F(StartTest, ResultWindowShowsTheSummaryAndPrintsItAsPdf) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) missing";
    DialogAntworten dialog;
    const DateiDialogTausch tausch(dialog);
    const QString sPdf = tmp.filePath(QStringLiteral("Ergebnisse.pdf"));
    dialog.antworten = {std::nullopt, sPdf, tmp.filePath(QStringLiteral("fehlt/Ergebnisse.pdf"))};

    frmRasterfang hauptfenster;
    hauptfenster.setzeEingaben(gueltig());
    hauptfenster.show();
    bool bNachAbbruchOffen = false;
    bool bPdfDa = false;
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
        bild = meldung->grab().toImage();
        drucken->click();
        bPdfDa = QFile::exists(sPdf);
        drucken->click();  // into a missing folder: fails
    });
    gSchreibe(ausgabe(), "alte Ausgabe");
    recorder.Antworten({MsgBox::ANSWER_YES});
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();

    EXPECT_EQ(sGezeigt, gsErwarteteZusammenfassung(QStringLiteral("ohne"), 4, 3)
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(iHoehe, hauptfenster.frameGeometry().height());
    EXPECT_EQ(gEintraegeIn(tmp.path()),
              (QStringList{"Ergebnis [1].xlsx", "Ergebnisse.pdf", "velmora.xlsx"}));
    EXPECT_NE(gInhalt(ausgabe()), QByteArray("alte Ausgabe"));
    EXPECT_TRUE(bNachAbbruchOffen);
    ASSERT_TRUE(bPdfDa);
    ASSERT_EQ(dialog.gefragt.size(), 3u);
    const DateiDialogOptionen& o = dialog.gefragt[0];
    EXPECT_EQ(o.art, DateiDialogOptionen::Art::Speichern);
    EXPECT_EQ(o.sTitel, "Druckausgabe speichern unter");
    EXPECT_EQ(QDir(o.sStartordner).canonicalPath(), QDir(tmp.path()).canonicalPath());
    EXPECT_EQ(o.sDateiName, "Ergebnisse.pdf");
    EXPECT_FALSE(o.bKeineUeberschreibFrage);
    ASSERT_EQ(recorder.meldungen.size(), 2u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, "Frage VLM00131");
    EXPECT_EQ(recorder.meldungen[1].sTitel, "Fehler VB00482");
    EXPECT_EQ(recorder.meldungen[1].sText, "Druckerfehler\r\n\r\nFunktion: cmdStart/frmRasterfang");
    EXPECT_EQ(hauptfenster.letztesErgebnis(), StartErgebnis::Fehler);

    // One page, showing the window: rendered at the screen's resolution, the picture on the
    // page (everything not white) matches the window's grab scaled to the same size.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {sPdf});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString sPng = tmp.filePath(QStringLiteral("seite"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {"-r", QString::number(hauptfenster.logicalDpiX()), "-png",
                                 "-singlefile", sPdf, sPng}),
              0);
    QImage seite(sPng + QStringLiteral(".png"));
    ASSERT_FALSE(seite.isNull());
    seite = seite.convertToFormat(QImage::Format_RGB32);
    QRect bereich;
    for (int y = 0; y < seite.height(); ++y) {
        for (int x = 0; x < seite.width(); ++x) {
            if (seite.pixel(x, y) != qRgb(255, 255, 255)) bereich |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(bereich.isEmpty());
    EXPECT_NEAR(bereich.width(), bild.width() / bild.devicePixelRatio(), 3);
    const QImage fenster =
        bild.convertToFormat(QImage::Format_RGB32)
            .scaled(bereich.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Mostly white and grey, so even a mirrored window would share over nine in ten pixels.
    EXPECT_GT(gleicheAnteil(seite.copy(bereich), fenster), 0.98);
}
