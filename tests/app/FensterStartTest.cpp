// "&Start" in the window: every fault of the check with its message and focus, the overwrite
// question on real files, full runs with the summary, and pointer and status line after every
// ending.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

#include "FensterHilfen.h"
#include "frmMessage.h"

using namespace rastfang;
using rastfang::test::FensterTest;
using rastfang::test::gsTestdatei;

namespace {

const QString CRLF = QStringLiteral("\r\n");

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
        // No trash during these tests: an old output is deleted, never moved into the home.
        setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("kein-datenordner")).toLocal8Bit(), 1);
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    /// Entries that pass the check: the fixture workbook, names in B, output in the temp dir.
    Eingaben gueltig() const {
        Eingaben e;
        e.sErgebnisdatei = gsTestdatei(QStringLiteral("app_ergebnisse.xlsx"));
        e.sSpalte = {"B", "C", "D", "E", "F", ""};
        e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("velmora.xlsx"));
        return e;
    }
    QString ausgabe() const { return tmp.filePath(QStringLiteral("velmora.xlsx")); }

    QTemporaryDir tmp;
};

}  // namespace

TEST_F(StartTest, JederPruefungsfehlerMitMeldungUndFokus) {
    struct Fall {
        const char* pszWas;
        std::function<void(Eingaben&)> aendern;
        QString sTitel;
        QString sText;
        QString sFokus;  // "cmdOK": the focus stays on the button that was clicked
    };
    const QString sOrdner = tmp.path();
    schreibeDatei(tmp.filePath(QStringLiteral("liste.xlsx")), "x");
    const std::vector<Fall> faelle{
        {"Eingabe leer", [](Eingaben& e) { e.sErgebnisdatei = QStringLiteral("   "); },
         "Fehler VLM00125", "Bitte angeben: Ergebnisdatei     ", "txtErgebnisdatei"},
        {"Eingabe ist ein Ordner", [&](Eingaben& e) { e.sErgebnisdatei = sOrdner + u' '; },
         "Fehler VLM00130", "Die Datei\r\n" + sOrdner + "\r\nist nicht vorhanden.",
         "txtErgebnisdatei"},
        {"Eingabe mit Platzhalter",
         [&](Eingaben& e) { e.sErgebnisdatei = sOrdner + QStringLiteral("/*.xlsx"); },
         "Fehler VLM00130", "Die Datei\r\n" + sOrdner + "/*.xlsx\r\nist nicht vorhanden.",
         "txtErgebnisdatei"},
        {"Startzeile 0", [](Eingaben& e) { e.sZeile = QStringLiteral("0"); }, "Fehler VLM00127",
         "Zeilennummer für Startzeile: Ungültiger Wert     ", "cmdOK"},
        {"Startzeile abc", [](Eingaben& e) { e.sZeile = QStringLiteral("abc"); }, "Fehler VLM00127",
         "Zeilennummer für Startzeile: Ungültiger Wert     ", "cmdOK"},
        {"Startzeile -3", [](Eingaben& e) { e.sZeile = QStringLiteral("-3"); }, "Fehler VLM00127",
         "Zeilennummer für Startzeile: Ungültiger Wert     ", "cmdOK"},
        {"Startzeile 0,5", [](Eingaben& e) { e.sZeile = QStringLiteral("0,5"); }, "Fehler VLM00127",
         "Zeilennummer für Startzeile: Ungültiger Wert     ", "cmdOK"},
        {"Name ZZ", [](Eingaben& e) { e.sSpalte[0] = QStringLiteral("ZZ"); }, "Fehler VLM00127",
         "Tabellenspalte Name: Ungültiger Wert     ", "txtSpalte_0"},
        {"Vorname leer", [](Eingaben& e) { e.sSpalte[1] = QStringLiteral(" "); }, "Fehler VLM00125",
         "Bitte angeben: Tabellenspalte Vorname     ", "txtSpalte_1"},
        {"Geburtsdatum ??", [](Eingaben& e) { e.sSpalte[2] = QStringLiteral("??"); },
         "Fehler VLM00127", "Tabellenspalte Geburtsdatum: Ungültiger Wert     ", "txtSpalte_2"},
        {"Beruf leer", [](Eingaben& e) { e.sSpalte[3].clear(); }, "Fehler VLM00125",
         "Bitte angeben: Tabellenspalte Beruf     ", "txtSpalte_3"},
        {"Erstes Ergebnis leer", [](Eingaben& e) { e.sSpalte[4].clear(); }, "Fehler VLM00125",
         "Bitte angeben: Tabellenspalte Erstes Ergebnis     ", "txtSpalte_4"},
        {"Datenfilter 1", [](Eingaben& e) { e.sSpalte[5] = QStringLiteral("1"); },
         "Fehler VLM00127", "Tabellenspalte Datenfilter: Ungültiger Wert     ", "txtSpalte_5"},
        {"Ausgabe leer", [](Eingaben& e) { e.sErgebnisWorkfile = QStringLiteral("  "); },
         "Fehler VLM00125", "Bitte angeben: Datei für extrahierte Daten     ",
         "txtErgebnisWorkfile"},
        {"Ausgabe gleich Eingabe",
         [](Eingaben& e) {
             e.sErgebnisWorkfile = QStringLiteral(" ") + e.sErgebnisdatei.toUpper();
         },
         "Fehler VLM00110",
         "Ergebnisdatei und Datei für extrahierte Daten     \r\nmüssen unterschiedliche Dateien "
         "sein.",
         "cmdOK"},
        {"mehrere Fehler: nur der erste",
         [](Eingaben& e) {
             e.sZeile = QStringLiteral("0");
             e.sSpalte[0].clear();
             e.sErgebnisWorkfile.clear();
         },
         "Fehler VLM00127", "Zeilennummer für Startzeile: Ungültiger Wert     ", "cmdOK"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.pszWas);
        recorder.meldungen.clear();
        Eingaben e = gueltig();
        fall.aendern(e);
        fenster->setzeEingaben(e);
        fokusAuf("txtFilterWert");
        start();
        ASSERT_EQ(recorder.meldungen.size(), 1u);
        EXPECT_EQ(recorder.meldungen[0].sTitel, fall.sTitel);
        EXPECT_EQ(recorder.meldungen[0].sText, fall.sText);
        EXPECT_EQ(fokusName(), fall.sFokus);
        EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::PruefungNichtBestanden);
    }
    // No fault started anything: no hourglass, no status text, no summary, no output.
    EXPECT_TRUE(zeiger.werte.empty() || std::find(zeiger.werte.begin(), zeiger.werte.end(),
                                                  Mauszeiger::SANDUHR) == zeiger.werte.end());
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
    EXPECT_EQ(spalten(), (QStringList{"b", "C", "D", "E", "F", ""}));
    QTest::keyClick(feld("txtErgebnisWorkfile"), Qt::Key_Return);

    EXPECT_TRUE(recorder.meldungen.empty());
    ASSERT_EQ(zusammenfassungen.size(), 1u);
    EXPECT_EQ(zusammenfassungen[0], zusammenfassung(QStringLiteral("ohne"), "   4", "   3"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fertig);
    EXPECT_TRUE(QFile::exists(ausgabe()));

    // The summary appears with the default pointer and an empty status line; the texts ran in
    // order, the reader's worksheet texts among them; everything is back to rest at the end.
    EXPECT_EQ(zeigerBeiZusammenfassung, Mauszeiger::STANDARD);
    EXPECT_EQ(statusBeiZusammenfassung, QString());
    ASSERT_FALSE(zeiger.werte.empty());
    EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
    EXPECT_EQ(zeiger.werte.back(), Mauszeiger::STANDARD);
    EXPECT_EQ(statustexte,
              (QStringList{"Initialisiere Excel ...", "Öffne Ergebnisdatei von Berufsschule ...",
                           "Tabelle: Klasse 10a ...", "Öffne Datei für extrahierte Daten ...", "",
                           "Tabelle: Klasse 10b ...", ""}))
        << statustexte.join(u'|').toStdString();
    EXPECT_EQ(feld("txtStatus")->text(), QString());

    // Start row 2.5 rounds half to even, to row 2: empty on the first worksheet, the headings
    // of the second. Start row 3 takes the headings of the first and Becker's row on the second.
    // The filter value shows as typed.
    for (const auto& [zeile, s10a, s10b] :
         {std::tuple{"2.5", "   0", "   3"}, std::tuple{" 3", "   4", "   2"}}) {
        zusammenfassungen.clear();
        recorder.Antworten({MsgBox::ANSWER_YES});
        e = gueltig();
        e.sZeile = QString::fromLatin1(zeile);
        fenster->setzeEingaben(e);
        start();
        ASSERT_EQ(zusammenfassungen.size(), 1u) << zeile;
        EXPECT_EQ(zusammenfassungen[0], zusammenfassung(QStringLiteral("ohne"), s10a, s10b));
    }
    zusammenfassungen.clear();
    recorder.Antworten({MsgBox::ANSWER_YES});
    e = gueltig();
    e.sSpalte[5] = QStringLiteral("a");
    e.sFilterWert = QStringLiteral("BK2");
    fenster->setzeEingaben(e);
    start();
    ASSERT_EQ(zusammenfassungen.size(), 1u);
    EXPECT_EQ(zusammenfassungen[0], zusammenfassung(QStringLiteral("'BK2'"), "   1", "   1"));
}

TEST_F(StartTest, UeberschreibenNeinUndJa) {
    schreibeDatei(ausgabe(), "alte Ausgabe");
    fenster->setzeEingaben(gueltig());
    fokusAuf("txtZeile");
    recorder.Antworten({MsgBox::ANSWER_NO});
    start();
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, QStringLiteral("Frage VLM00131"));
    EXPECT_EQ(recorder.meldungen[0].sText,
              QStringLiteral("Die Datei ") + ausgabe() +
                  QStringLiteral("\r\nist schon vorhanden.\r\n\r\nSoll sie überschrieben werden?"));
    EXPECT_EQ(recorder.meldungen[0].iStil, MsgBox::YES_NO + MsgBox::QUESTION);
    EXPECT_EQ(fokusName(), QStringLiteral("txtErgebnisWorkfile"));
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_TRUE(zeiger.werte.empty() || zeiger.werte.back() == Mauszeiger::STANDARD);
    QFile alt(ausgabe());
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("alte Ausgabe"));
    alt.close();

    // Yes with a trash: the old output waits there, a new one takes its place. The name is
    // typed in other letter case, which still finds the file.
    const QString sDaten = tmp.filePath(QStringLiteral("daten"));
    ASSERT_TRUE(QDir().mkpath(sDaten));
    setenv("XDG_DATA_HOME", sDaten.toLocal8Bit(), 1);
    Eingaben e = gueltig();
    e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("VELMORA.XLSX"));
    fenster->setzeEingaben(e);
    recorder.meldungen.clear();
    recorder.Antworten({MsgBox::ANSWER_YES});
    start();
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, QStringLiteral("Frage VLM00131"));
    ASSERT_EQ(zusammenfassungen.size(), 1u);
    QFile imKorb(sDaten + QStringLiteral("/Trash/files/velmora.xlsx"));
    ASSERT_TRUE(imKorb.open(QIODevice::ReadOnly));
    EXPECT_EQ(imKorb.readAll(), QByteArray("alte Ausgabe"));
    EXPECT_FALSE(QFile::exists(ausgabe()));
    EXPECT_TRUE(QFile::exists(e.sErgebnisWorkfile));
}

TEST_F(StartTest, AbbruchUndFehlerpfadStellenZeigerUndStatusZurueck) {
    // An input that is no workbook: the reader reports it, the run stops quietly.
    const QString sKaputt = tmp.filePath(QStringLiteral("kaputt.xlsx"));
    schreibeDatei(sKaputt, QByteArray("PK\x03\x04 kein Arbeitsblatt", 22));
    Eingaben e = gueltig();
    e.sErgebnisdatei = sKaputt;
    fenster->setzeEingaben(e);
    start();
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, QStringLiteral("Fehler VB01004"));
    EXPECT_TRUE(
        recorder.meldungen[0].sText.endsWith(QStringLiteral("Funktion: OpenFile/CXlsExtract")));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Abgebrochen);
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_EQ(zeiger.werte.front(), Mauszeiger::SANDUHR);
    EXPECT_EQ(zeiger.Lesen(), Mauszeiger::STANDARD);
    EXPECT_EQ(feld("txtStatus")->text(), QString());
    EXPECT_TRUE(statustexte.contains(QStringLiteral("Öffne Ergebnisdatei von Berufsschule ...")));

    // A start row beyond 16 bits: the Start handler's error path.
    recorder.meldungen.clear();
    zeiger.werte.clear();
    e = gueltig();
    e.sZeile = QStringLiteral("32767.5");
    fenster->setzeEingaben(e);
    start();
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, QStringLiteral("Fehler VB00006"));
    EXPECT_EQ(recorder.meldungen[0].sText,
              QStringLiteral("Überlauf\r\n\r\nFunktion: cmdStart/frmRasterfang"));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
    EXPECT_EQ(zeiger.Lesen(), Mauszeiger::STANDARD);
    EXPECT_EQ(feld("txtStatus")->text(), QString());

    // The output folder does not exist: saving fails in CloseFile, also the error path.
    recorder.meldungen.clear();
    e = gueltig();
    e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("fehlt/velmora.xlsx"));
    fenster->setzeEingaben(e);
    start();
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, QStringLiteral("Fehler VB01004"));
    EXPECT_TRUE(
        recorder.meldungen[0].sText.endsWith(QStringLiteral("Funktion: cmdStart/frmRasterfang")));
    EXPECT_EQ(fenster->letztesErgebnis(), StartErgebnis::Fehler);
    EXPECT_TRUE(zusammenfassungen.empty());
    EXPECT_EQ(zeiger.Lesen(), Mauszeiger::STANDARD);
    EXPECT_EQ(feld("txtStatus")->text(), QString());
}

TEST_F(FensterTest, ZusammenfassungImErgebnisfenster) {
    // The window's own display: the modal result window, as tall as the main window.
    frmRasterfang hauptfenster;
    Eingaben e;
    e.sErgebnisdatei = gsTestdatei(QStringLiteral("app_ohne_azubis.xlsx"));
    e.sSpalte = {"A", "B", "C", "D", "E", ""};
    QTemporaryDir tmp;
    e.sErgebnisWorkfile = tmp.filePath(QStringLiteral("leer.xlsx"));
    hauptfenster.setzeEingaben(e);
    hauptfenster.show();
    QString sGezeigt;
    int iHoehe = -1;
    QString sFenstername;
    QTimer::singleShot(0, [&] {
        auto* meldung = qobject_cast<frmMessage*>(QApplication::activeModalWidget());
        if (!meldung) {
            ADD_FAILURE() << "no result window";
            if (QWidget* w = QApplication::activeModalWidget()) w->close();
            return;
        }
        sFenstername = meldung->windowTitle();
        sGezeigt = meldung->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText();
        iHoehe = meldung->frameGeometry().height();
        meldung->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    hauptfenster.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(sFenstername, QStringLiteral("Ergebnisse"));
    EXPECT_EQ(sGezeigt, QStringLiteral("Extraktionsergebnisse\nDatenfilter: ohne\n"
                                       "Tabelle             Anzahl Azubis\n"
                                       "---------------------------------\n"
                                       "Leer                         0\n"
                                       "Auch leer                    0"));
    EXPECT_EQ(iHoehe, hauptfenster.frameGeometry().height());
    EXPECT_EQ(hauptfenster.letztesErgebnis(), StartErgebnis::Fertig);
    hauptfenster.setzeEingaben({});
}
