// "&Start" in the window: every check fault with message and focus, the overwrite question on
// real files, full runs with the summary, pointer and status line after every ending.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdlib>

#include "FensterHilfen.h"
#include "frmMessage.h"

using namespace rastfang;
using rastfang::test::FensterTest;
using rastfang::test::gsTestdatei;

namespace {

QString zusammenfassung(const QString& sFilter, const QString& s10a, const QString& s10b) {
    return QStringLiteral("Extraktionsergebnisse\r\nDatenfilter: ") + sFilter +
           QStringLiteral(
               "\r\nTabelle             Anzahl Azubis\r\n"
               "---------------------------------\r\n"
               "Klasse 10a                ") +
           s10a + QStringLiteral("\r\nKlasse 10b                ") + s10b;
}

void schreibeDatei(const QString& sPfad, const QByteArray& inhalt) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

class StartTest : public FensterTest {
  protected:
    void SetUp() override {
        FensterTest::SetUp();
        ASSERT_TRUE(tmp.isValid());
        // No trash: an old output is deleted, never moved into the real home.
        setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("kein-datenordner")).toLocal8Bit(), 1);
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
    /// Starts with `e`, expects exactly one message box with that title and returns its text.
    QString starteMitMeldung(const Eingaben& e, const QString& sTitel) {
        recorder.meldungen.clear();
        fenster->setzeEingaben(e);
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
        return std::pair{QStringLiteral("Fehler VLM00125"),
                         QStringLiteral("Bitte angeben: %1     ").arg(QString::fromUtf8(was))};
    };
    const auto ungueltig = [](const char* was) {
        return std::pair{QStringLiteral("Fehler VLM00127"),
                         QStringLiteral("%1: Ungültiger Wert     ").arg(QString::fromUtf8(was))};
    };
    const auto fehltDatei = [](const QString& sPfad) {
        return std::pair{QStringLiteral("Fehler VLM00130"),
                         "Die Datei\r\n" + sPfad + "\r\nist nicht vorhanden."};
    };
    const QString sOrdner = tmp.path();
    const auto zeile = ungueltig("Zeilennummer für Startzeile");
    struct Fall {
        std::function<void(Eingaben&)> aendern;
        std::pair<QString, QString> meldung;
        QString sFokus;  // "cmdOK": the focus stays on the button that was clicked
    };
    const std::vector<Fall> faelle{
        {[](Eingaben& e) { e.sErgebnisdatei = "   "; }, fehlt("Ergebnisdatei"), "txtErgebnisdatei"},
        {[&](Eingaben& e) { e.sErgebnisdatei = sOrdner + u' '; }, fehltDatei(sOrdner),
         "txtErgebnisdatei"},
        {[&](Eingaben& e) { e.sErgebnisdatei = sOrdner + "/*.xlsx"; },
         fehltDatei(sOrdner + "/*.xlsx"), "txtErgebnisdatei"},
        {[](Eingaben& e) { e.sZeile = "0"; }, zeile, "cmdOK"},
        {[](Eingaben& e) { e.sZeile = "abc"; }, zeile, "cmdOK"},
        {[](Eingaben& e) { e.sZeile = "-3"; }, zeile, "cmdOK"},
        {[](Eingaben& e) { e.sZeile = "0,5"; }, zeile, "cmdOK"},
        {[](Eingaben& e) { e.sSpalte[0] = "ZZ"; }, ungueltig("Tabellenspalte Name"), "txtSpalte_0"},
        {[](Eingaben& e) { e.sSpalte[1] = " "; }, fehlt("Tabellenspalte Vorname"), "txtSpalte_1"},
        {[](Eingaben& e) { e.sSpalte[2] = "??"; }, ungueltig("Tabellenspalte Geburtsdatum"),
         "txtSpalte_2"},
        {[](Eingaben& e) { e.sSpalte[3].clear(); }, fehlt("Tabellenspalte Beruf"), "txtSpalte_3"},
        {[](Eingaben& e) { e.sSpalte[4].clear(); }, fehlt("Tabellenspalte Erstes Ergebnis"),
         "txtSpalte_4"},
        {[](Eingaben& e) { e.sSpalte[5] = "1"; }, ungueltig("Tabellenspalte Datenfilter"),
         "txtSpalte_5"},
        {[](Eingaben& e) { e.sErgebnisWorkfile = "  "; }, fehlt("Datei für extrahierte Daten"),
         "txtErgebnisWorkfile"},
        {[](Eingaben& e) { e.sErgebnisWorkfile = " " + e.sErgebnisdatei.toUpper(); },
         {"Fehler VLM00110",
          "Ergebnisdatei und Datei für extrahierte Daten     \r\nmüssen unterschiedliche Dateien "
          "sein."},
         "cmdOK"},
        // Several faults: only the first in the check's order is reported.
        {[](Eingaben& e) {
             e.sZeile = "0";
             e.sSpalte[0].clear();
             e.sErgebnisWorkfile.clear();
         },
         zeile, "cmdOK"},
    };
    for (size_t i = 0; i < faelle.size(); ++i) {
        SCOPED_TRACE(i);
        Eingaben e = gueltig();
        faelle[i].aendern(e);
        fokusAuf("txtFilterWert");
        EXPECT_EQ(starteMitMeldung(e, faelle[i].meldung.first), faelle[i].meldung.second);
        EXPECT_EQ(fokusName(), faelle[i].sFokus);
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
    EXPECT_EQ(zusammenfassungen[0], zusammenfassung("ohne", "   4", "   3"));
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
    for (const auto& [zeile, filter, s10a, s10b] :
         {std::tuple{"2.5", "", "   0", "   3"}, std::tuple{" 3", "", "   4", "   2"},
          std::tuple{"", "BK2", "   1", "   1"}}) {
        zusammenfassungen.clear();
        recorder.Antworten({MsgBox::ANSWER_YES});
        e = gueltig();
        e.sZeile = QString::fromLatin1(zeile);
        if (*filter) e.sSpalte[5] = QStringLiteral("a");
        e.sFilterWert = QString::fromLatin1(filter);
        fenster->setzeEingaben(e);
        start();
        ASSERT_EQ(zusammenfassungen.size(), 1u) << zeile;
        EXPECT_EQ(zusammenfassungen[0],
                  zusammenfassung(*filter ? QStringLiteral("'BK2'") : "ohne", s10a, s10b));
    }
}

TEST_F(StartTest, UeberschreibenNeinUndJa) {
    schreibeDatei(ausgabe(), "alte Ausgabe");
    fokusAuf("txtZeile");
    recorder.Antworten({MsgBox::ANSWER_NO});
    EXPECT_EQ(starteMitMeldung(gueltig(), "Frage VLM00131"),
              "Die Datei " + ausgabe() +
                  QStringLiteral("\r\nist schon vorhanden.\r\n\r\nSoll sie überschrieben werden?"));
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].iStil, MsgBox::YES_NO + MsgBox::QUESTION);
    EXPECT_EQ(fokusName(), QStringLiteral("txtErgebnisWorkfile"));
    EXPECT_TRUE(zusammenfassungen.empty());
    inRuhe();
    QFile alt(ausgabe());
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("alte Ausgabe"));
    alt.close();

    // Yes with a trash: the old output waits there, a new one takes its place. The name typed
    // in other letter case still finds the file.
    const QString sDaten = tmp.filePath(QStringLiteral("daten"));
    ASSERT_TRUE(QDir().mkpath(sDaten));
    setenv("XDG_DATA_HOME", sDaten.toLocal8Bit(), 1);
    Eingaben e = gueltig();
    e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("VELMORA.XLSX"));
    recorder.Antworten({MsgBox::ANSWER_YES});
    starteMitMeldung(e, "Frage VLM00131");
    ASSERT_EQ(zusammenfassungen.size(), 1u);
    QFile imKorb(sDaten + QStringLiteral("/Trash/files/velmora.xlsx"));
    ASSERT_TRUE(imKorb.open(QIODevice::ReadOnly));
    EXPECT_EQ(imKorb.readAll(), QByteArray("alte Ausgabe"));
    EXPECT_FALSE(QFile::exists(ausgabe()));
    EXPECT_TRUE(QFile::exists(e.sErgebnisWorkfile));
}

TEST_F(StartTest, AbbruchUndFehlerpfadStellenZeigerUndStatusZurueck) {
    // An input that is no workbook: the reader's OpenFile reports it, the run stops quietly.
    const QString sKaputt = tmp.filePath(QStringLiteral("kaputt.xlsx"));
    schreibeDatei(sKaputt, QByteArray("PK\x03\x04 kein Arbeitsblatt", 22));
    Eingaben e = gueltig();
    e.sErgebnisdatei = sKaputt;
    EXPECT_TRUE(starteMitMeldung(e, "Fehler VB01004").endsWith("Funktion: OpenFile/CXlsExtract"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Abgebrochen);
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
    EXPECT_TRUE(statustexte.contains(QStringLiteral("Öffne Ergebnisdatei von Berufsschule ...")));
    inRuhe();

    // A start row beyond 16 bits: the Start handler's error path.
    e = gueltig();
    e.sZeile = QStringLiteral("32767.5");
    EXPECT_EQ(starteMitMeldung(e, "Fehler VB00006"),
              QStringLiteral("Überlauf\r\n\r\nFunktion: cmdStart/frmRasterfang"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
    inRuhe();

    // The output folder does not exist: saving fails in CloseFile, also the error path.
    e = gueltig();
    e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("fehlt/velmora.xlsx"));
    EXPECT_TRUE(starteMitMeldung(e, "Fehler VB01004").endsWith("Funktion: cmdStart/frmRasterfang"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
    EXPECT_TRUE(zusammenfassungen.empty());
    inRuhe();
}

TEST_F(FensterTest, ZusammenfassungImErgebnisfenster) {
    // The window's own display: the modal result window, as tall as the main window.
    frmRasterfang hauptfenster;
    QTemporaryDir tmp;
    Eingaben e;
    e.sErgebnisdatei = gsTestdatei(QStringLiteral("app_ohne_azubis.xlsx"));
    e.sSpalte = {"A", "B", "C", "D", "E", ""};
    e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("leer.xlsx"));
    hauptfenster.setzeEingaben(e);
    hauptfenster.show();
    QString sTitel, sGezeigt;
    int iHoehe = -1;
    QTimer::singleShot(0, &hauptfenster, [&] {
        auto* meldung = qobject_cast<frmMessage*>(QApplication::activeModalWidget());
        if (!meldung) {
            ADD_FAILURE() << "no result window";
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
    EXPECT_EQ(sGezeigt, QStringLiteral("Extraktionsergebnisse\nDatenfilter: ohne\n"
                                       "Tabelle             Anzahl Azubis\n"
                                       "---------------------------------\n"
                                       "Leer                         0\n"
                                       "Auch leer                    0"));
    EXPECT_EQ(iHoehe, hauptfenster.frameGeometry().height());
    EXPECT_EQ(hauptfenster.letztesErgebnis(), StartErgebnis::Fertig);
}
