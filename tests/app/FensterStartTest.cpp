// "&Start" in the window: every check fault with message and focus, the overwrite question on
// real files, full runs with the summary, pointer and status line after every ending.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <optional>
#include <vector>

#include "FensterHilfen.h"
#include "app/DateiDialog.h"
#include "messages/fenster/frmMessage.h"

using namespace rastfang;
using rastfang::test::FensterTest;
using rastfang::test::gsTestdatei;

namespace {

QString zusammenfassung(const char* pszFilter, int i10a, int i10b) {
    return QStringLiteral(
               "Extraktionsergebnisse\r\nDatenfilter: %1\r\nTabelle             Anzahl Azubis\r\n"
               "---------------------------------\r\nKlasse 10a                %2\r\n"
               "Klasse 10b                %3")
        .arg(QString::fromLatin1(pszFilter))
        .arg(i10a, 4)
        .arg(i10b, 4);
}

void schreibeDatei(const QString& sPfad, const QByteArray& inhalt) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}
QByteArray inhalt(const QString& sPfad) {
    QFile f(sPfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

class StartTest : public FensterTest {
  protected:
    void SetUp() override {
        FensterTest::SetUp();
        ASSERT_TRUE(tmp.isValid());
        // No trash: an old output is deleted, never moved into the real home.
        setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("kein-datenordner")).toLocal8Bit(), 1);
        fenster->setzeEingaben(gueltig());
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    /// Entries that pass the check: the fixture workbook, names in B, output in the temp dir.
    Eingaben gueltig() const {
        Eingaben e;
        e.sErgebnisdatei = gsTestdatei(QStringLiteral("app_ergebnisse.xlsx"));
        e.sSpalte = {"B", "C", "D", "E", "F", ""};
        e.sErgebnisWorkfile = ausgabe();
        return e;
    }
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

TEST_F(StartTest, JederPruefungsfehlerMitMeldungUndFokus) {
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
        {"txtZeile", "abc", 127, sZeile, "cmdOK"},
        {"txtZeile", "-3", 127, sZeile, "cmdOK"},
        {"txtZeile", "0,5", 127, sZeile, "cmdOK"},
        {"txtSpalte_0", "ZZ", 127, ungueltig("Tabellenspalte Name"), "txtSpalte_0"},
        {"txtSpalte_1", " ", 125, fehlt("Tabellenspalte Vorname"), "txtSpalte_1"},
        {"txtSpalte_2", "??", 127, ungueltig("Tabellenspalte Geburtsdatum"), "txtSpalte_2"},
        {"txtSpalte_3", "", 125, fehlt("Tabellenspalte Beruf"), "txtSpalte_3"},
        {"txtSpalte_4", "", 125, fehlt("Tabellenspalte Erstes Ergebnis"), "txtSpalte_4"},
        {"txtSpalte_5", "1", 127, ungueltig("Tabellenspalte Datenfilter"), "txtSpalte_5"},
        {"txtErgebnisWorkfile", "  ", 125, fehlt("Datei für extrahierte Daten"),
         "txtErgebnisWorkfile"},
        {"txtErgebnisWorkfile", " " + gueltig().sErgebnisdatei.toUpper(), 110,
         "Ergebnisdatei und Datei für extrahierte Daten     \r\nmüssen unterschiedliche Dateien "
         "sein.",
         "cmdOK"},
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
        EXPECT_EQ(
            meldungBeimStart(QStringLiteral("Fehler VLM%1").arg(f.iNr, 5, 10, QLatin1Char('0'))),
            f.sText);
        EXPECT_EQ(fokusName(), f.pszFokus);
        EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::PruefungNichtBestanden);
    }
    // No fault started anything: no hourglass, no status text, no summary, no output.
    EXPECT_EQ(std::count(zeiger.werte.begin(), zeiger.werte.end(), Mauszeiger::SANDUHR), 0);
    EXPECT_TRUE(statustexte.isEmpty());
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_FALSE(QFile::exists(ausgabe()));
}

TEST_F(StartTest, VollerLaufMitZusammenfassung) {
    Eingaben e = gueltig();
    e.sSpalte = {"b", "", "", "", "", ""};
    fenster->setzeEingaben(e);
    // Leaving the name entry fills C..F, then Enter in the output entry starts.
    fokusAuf("txtSpalte_0");
    QTest::mouseClick(feld("txtErgebnisWorkfile"), Qt::LeftButton);
    QTest::keyClick(feld("txtErgebnisWorkfile"), Qt::Key_Return);

    EXPECT_TRUE(recorder.meldungen.empty());
    ASSERT_EQ(zusammenfassungen.size(), 1u);
    EXPECT_EQ(zusammenfassungen[0], zusammenfassung("ohne", 4, 3));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fertig);
    EXPECT_TRUE(QFile::exists(ausgabe()));

    // The summary appears at rest; the status texts ran in order, the reader's among them.
    EXPECT_EQ(zeigerBeiZusammenfassung, Mauszeiger::STANDARD);
    EXPECT_EQ(statusBeiZusammenfassung, QString());
    ASSERT_FALSE(zeiger.werte.empty());
    EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
    EXPECT_EQ(statustexte,
              (QStringList{"Initialisiere Excel ...", "Öffne Ergebnisdatei von Berufsschule ...",
                           "Tabelle: Klasse 10a ...", "Öffne Datei für extrahierte Daten ...", "",
                           "Tabelle: Klasse 10b ...", ""}))
        << statustexte.join(u'|').toStdString();
    inRuhe();

    // Start row 2.5 rounds half to even, to 2: only the second worksheet's headings are found.
    // Start row 3 takes the first's headings and Becker's row on the second. A filter value
    // shows as typed.
    for (const auto& [pszZeile, pszSpalte, pszFilter, i10a, i10b] :
         {std::tuple{"2.5", "", "", 0, 3}, std::tuple{" 3", "", "", 4, 2},
          std::tuple{"", "a", "BK2", 1, 1}}) {
        zusammenfassungen.clear();
        recorder.Antworten({MsgBox::ANSWER_YES});
        fenster->setzeEingaben(gueltig());
        feld("txtZeile")->setText(pszZeile);
        feld("txtSpalte_5")->setText(pszSpalte);
        feld("txtFilterWert")->setText(pszFilter);
        start();
        ASSERT_EQ(zusammenfassungen.size(), 1u) << pszZeile;
        EXPECT_EQ(zusammenfassungen[0], zusammenfassung(*pszSpalte ? "'BK2'" : "ohne", i10a, i10b));
    }
}

TEST_F(StartTest, UeberschreibenNeinUndJa) {
    schreibeDatei(ausgabe(), "alte Ausgabe");
    fokusAuf("txtZeile");
    recorder.Antworten({MsgBox::ANSWER_NO});
    EXPECT_EQ(meldungBeimStart("Frage VLM00131"),
              "Die Datei " + ausgabe() +
                  QStringLiteral("\r\nist schon vorhanden.\r\n\r\nSoll sie überschrieben werden?"));
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].iStil, MsgBox::YES_NO + MsgBox::QUESTION);
    EXPECT_EQ(fokusName(), QStringLiteral("txtErgebnisWorkfile"));
    EXPECT_TRUE(zusammenfassungen.empty());
    inRuhe();
    EXPECT_EQ(inhalt(ausgabe()), QByteArray("alte Ausgabe"));

    // Yes with a trash: the old output waits there, a new one takes its place. The name typed
    // in other letter case still finds the file.
    const QString sDaten = tmp.filePath(QStringLiteral("daten"));
    ASSERT_TRUE(QDir().mkpath(sDaten));
    setenv("XDG_DATA_HOME", sDaten.toLocal8Bit(), 1);
    feld("txtErgebnisWorkfile")->setText(tmp.filePath(QStringLiteral("VELMORA.XLSX")));
    recorder.Antworten({MsgBox::ANSWER_YES});
    meldungBeimStart("Frage VLM00131");
    ASSERT_EQ(zusammenfassungen.size(), 1u);
    EXPECT_EQ(inhalt(sDaten + QStringLiteral("/Trash/files/velmora.xlsx")), "alte Ausgabe");
    EXPECT_FALSE(QFile::exists(ausgabe()));
    EXPECT_TRUE(QFile::exists(tmp.filePath(QStringLiteral("VELMORA.XLSX"))));
}

TEST_F(StartTest, KlammernGleicheDateiUndAlteAusgabeBisZumErfolg) {
    // Brackets are no wildcard: the input is found, an existing output brings the question.
    const QString sEin = tmp.filePath(QStringLiteral("Ergebnis [1].xlsx"));
    ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("app_ergebnisse.xlsx")), sEin));
    const QString sAus = tmp.filePath(QStringLiteral("Aus[1].xlsx"));
    schreibeDatei(sAus, "alt");
    Eingaben e = gueltig();
    e.sErgebnisdatei = sEin;
    e.sErgebnisWorkfile = sAus;
    fenster->setzeEingaben(e);
    recorder.Antworten({MsgBox::ANSWER_NO});
    meldungBeimStart(QStringLiteral("Frage VLM00131"));
    EXPECT_EQ(inhalt(sAus), "alt");

    // The input under another spelling, through a symbolic or a hard link: refused like two
    // equal paths, before any question, and nothing is set aside.
    ASSERT_TRUE(QFile::link(sEin, tmp.filePath(QStringLiteral("verweis.xlsx"))));
    ASSERT_EQ(::link(QFile::encodeName(sEin).constData(),
                     QFile::encodeName(tmp.filePath(QStringLiteral("hart.xlsx"))).constData()),
              0);
    for (const QString& sName : {QStringLiteral("./ERGEBNIS [1].XLSX"),
                                 QStringLiteral("verweis.xlsx"), QStringLiteral("hart.xlsx")}) {
        feld("txtErgebnisWorkfile")->setText(tmp.path() + QLatin1Char('/') + sName);
        meldungBeimStart(QStringLiteral("Fehler VLM00110"));
    }
    EXPECT_EQ(
        QDir(tmp.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"Aus[1].xlsx", "Ergebnis [1].xlsx", "hart.xlsx", "verweis.xlsx"}));

    // A run that fails after "Ja" (a start row past the 16-bit range overflows) leaves the old
    // output where it was.
    feld("txtErgebnisWorkfile")->setText(sAus);
    feld("txtZeile")->setText(QStringLiteral("99999"));
    recorder.Antworten({MsgBox::ANSWER_YES});
    recorder.meldungen.clear();
    start();
    ASSERT_EQ(recorder.meldungen.size(), 2u);
    EXPECT_TRUE(recorder.meldungen[1].sText.contains(QStringLiteral("Überlauf")));
    EXPECT_EQ(inhalt(sAus), "alt");
    EXPECT_EQ(
        QDir(tmp.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"Aus[1].xlsx", "Ergebnis [1].xlsx", "hart.xlsx", "verweis.xlsx"}));
    inRuhe();
}

TEST_F(StartTest, AbbruchUndFehlerpfadStellenZeigerUndStatusZurueck) {
    // An input that is no workbook: the reader's OpenFile reports it, the run stops quietly.
    const QString sKaputt = tmp.filePath(QStringLiteral("kaputt.xlsx"));
    schreibeDatei(sKaputt, QByteArray("PK\x03\x04 kein Arbeitsblatt", 22));
    feld("txtErgebnisdatei")->setText(sKaputt);
    EXPECT_TRUE(meldungBeimStart("Fehler VB01004").endsWith("Funktion: OpenFile/CXlsExtract"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Abgebrochen);
    // The arrow while the report waits for OK, the hourglass again after it.
    EXPECT_EQ(recorder.meldungen[0].iZeiger, Mauszeiger::STANDARD);
    ASSERT_GE(zeiger.werte.size(), 3u);
    EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
    const auto pfeil = std::find(zeiger.werte.begin(), zeiger.werte.end(), Mauszeiger::STANDARD);
    ASSERT_NE(pfeil, zeiger.werte.end());
    EXPECT_EQ(*std::next(pfeil), Mauszeiger::SANDUHR);
    EXPECT_TRUE(statustexte.contains(QStringLiteral("Öffne Ergebnisdatei von Berufsschule ...")));
    inRuhe();

    // Only the third worksheet is damaged: refused by OpenFile too, before anything is written.
    const QString sDritte = tmp.filePath(QStringLiteral("drittes Blatt kaputt.xlsx"));
    rastfang::test::gsPython(QStringLiteral(R"(
import io, sys, zipfile
from openpyxl import load_workbook
wb = load_workbook(sys.argv[1])
wb.create_sheet("Klasse 10c")["B1"] = "Name"
puffer = io.BytesIO()
wb.save(puffer)
with zipfile.ZipFile(puffer) as zq, zipfile.ZipFile(sys.argv[2], "w") as zz:
    for e in zq.infolist():
        d = zq.read(e.filename)
        zz.writestr(e, d[: len(d) // 2] if e.filename == "xl/worksheets/sheet3.xml" else d)
)"),
                             {gsTestdatei(QStringLiteral("app_ergebnisse.xlsx")), sDritte});
    feld("txtErgebnisdatei")->setText(sDritte);
    const QString sMeldung = meldungBeimStart("Fehler VB01004");
    EXPECT_TRUE(sMeldung.contains(sDritte) && sMeldung.endsWith("Funktion: OpenFile/CXlsExtract"))
        << sMeldung.toStdString();
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Abgebrochen);
    EXPECT_FALSE(QFile::exists(ausgabe()));
    inRuhe();

    // A start row beyond 16 bits: the Start handler's error path.
    fenster->setzeEingaben(gueltig());
    feld("txtZeile")->setText(QStringLiteral("32767.5"));
    EXPECT_EQ(meldungBeimStart("Fehler VB00006"),
              QStringLiteral("Überlauf\r\n\r\nFunktion: cmdStart/frmRasterfang"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
    inRuhe();

    // The output folder does not exist: saving fails in CloseFile, also the error path.
    fenster->setzeEingaben(gueltig());
    feld("txtErgebnisWorkfile")->setText(tmp.filePath(QStringLiteral("fehlt/velmora.xlsx")));
    EXPECT_TRUE(meldungBeimStart("Fehler VB01004").endsWith("Funktion: cmdStart/frmRasterfang"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
    EXPECT_TRUE(zusammenfassungen.empty());
    inRuhe();
}

TEST_F(StartTest, ZusammenfassungImErgebnisfenster) {
    // The window's own display: the modal result window, as tall as the main window.
    frmRasterfang hauptfenster;
    hauptfenster.setzeEingaben(gueltig());
    hauptfenster.show();
    QString sTitel, sGezeigt;
    int iHoehe = -1;
    QTimer::singleShot(0, &hauptfenster, [&] {
        auto* meldung = qobject_cast<frmMessage*>(QApplication::activeModalWidget());
        if (!meldung) {
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
            return;
        }
        sTitel = meldung->windowTitle();
        sGezeigt = meldung->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText();
        iHoehe = meldung->frameGeometry().height();
        meldung->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(sTitel, QStringLiteral("Ergebnisse"));
    EXPECT_EQ(sGezeigt, zusammenfassung("ohne", 4, 3).replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_EQ(iHoehe, hauptfenster.frameGeometry().height());
    EXPECT_EQ(hauptfenster.letztesErgebnis(), StartErgebnis::Fertig);
}

namespace {

/// A file dialog that answers from a list and keeps what it was asked.
struct DialogAntworten : DateiDialog {
    std::optional<QString> Zeige(const DateiDialogOptionen& o) override {
        gefragt.push_back(o);
        if (antworten.empty()) return std::nullopt;
        std::optional<QString> a = antworten.front();
        antworten.pop_front();
        return a;
    }
    std::deque<std::optional<QString>> antworten;
    std::vector<DateiDialogOptionen> gefragt;
};

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

// Without a printer "&Drucken" writes a one-page PDF where the user says; Cancel does nothing; a
// failure leaves the window to the handler of "&Start", which reports it. The output it replaced
// is gone all the same: the new one was already in place.
TEST_F(StartTest, DruckenOhneDruckerAlsPdf) {
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
    QTimer::singleShot(0, &hauptfenster, [&] {
        auto* meldung = qobject_cast<frmMessage*>(QApplication::activeModalWidget());
        if (!meldung) return;
        auto* drucken = meldung->findChild<QPushButton*>(QStringLiteral("cmdDrucken"));
        drucken->click();
        bNachAbbruchOffen = meldung->isVisible() && !QFile::exists(sPdf);
        bild = meldung->grab().toImage();
        drucken->click();
        bPdfDa = QFile::exists(sPdf);
        drucken->click();  // into a missing folder: fails
    });
    schreibeDatei(ausgabe(), "alte Ausgabe");
    recorder.Antworten({MsgBox::ANSWER_YES});
    recorder.meldungen.clear();
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();

    EXPECT_NE(inhalt(ausgabe()), QByteArray("alte Ausgabe"));
    EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral(".~*")}, QDir::Hidden | QDir::AllEntries),
              QStringList());
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
    const QImage ausschnitt = seite.copy(bereich);
    const QImage fenster =
        bild.convertToFormat(QImage::Format_RGB32)
            .scaled(bereich.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Mostly white and grey, so even a mirrored window would share over nine in ten pixels.
    EXPECT_GT(gleicheAnteil(ausschnitt, fenster), 0.98);
}
