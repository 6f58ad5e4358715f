// The main window through its real widgets: layout, typing, focus, the column filling, Enter,
// Esc, the close box, files dropped from a file manager, line breaks pasted into an entry, SIGTERM.
#include <gtest/gtest.h>

#include <signal.h>
#include <QClipboard>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "FensterHilfen.h"
#include "Sitzungsende.h"
#include "Twips.h"

using namespace rastfang;
using rastfang::test::FensterTest;

TEST_F(FensterTest, AufbauNachTwipsTabelle) {
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Berufsschulergebnisse extrahieren"));
    const double x = fenster->logicalDpiX();
    const double y = fenster->logicalDpiY();
    EXPECT_EQ(fenster->size(), QSize(giPixel(5712, x), giPixel(5892, y)));
    EXPECT_EQ(feld("txtErgebnisdatei")->geometry(), gPixelRechteck(156, 384, 4872, 312, x, y));
    EXPECT_EQ(feld("txtSpalte_3")->geometry(), gPixelRechteck(3744, 1344, 588, 312, x, y));
    EXPECT_EQ(knopf("cmdOK")->geometry(), gPixelRechteck(1416, 4980, 1236, 360, x, y));

    auto* rahmen = feld<QGroupBox>("fraSpalten");
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(rahmen->title(), QStringLiteral("Spaltenpositionen der Felder (z.B. DN)"));
    EXPECT_EQ(feld("txtSpalte_0")->parentWidget(), rahmen);
    EXPECT_EQ(knopf("cmdOK")->text(), QStringLiteral("&Start"));
    EXPECT_EQ(knopf("cmdAbort")->text(), QStringLiteral("&Beenden"));
    EXPECT_TRUE(knopf("cmdOK")->isDefault());
    EXPECT_FALSE(knopf("cmdPfeil_0")->icon().isNull());
    for (const auto& [name, text] : std::vector<std::pair<const char*, const char*>>{
             {"lblErgebnisDatei_0", "Ergebnisdatei von Berufsschule"},
             {"lblAnz_0", "Datei für extrahierte Berufsschulergebnisse"},
             {"lblAnz_1", "Name (muss mit 'Name' bezeichnet sein)"},
             {"lblAnz_3", "Geburtsdatum (kann leer bleiben)"},
             {"lblAnz_6", "Datenfilter (kann leer bleiben)"},
             {"lblErgebnisDatei_1", "Wert"},
             {"lblAnz_7", "Zeilennummer für Startzeile (kann leer bleiben)"},
             {"lblAnz_8", "(erste Zeile mit Fachüberschriften)"}}) {
        auto* lbl = feld<QLabel>(name);
        ASSERT_NE(lbl, nullptr);
        EXPECT_EQ(lbl->text(), QString::fromUtf8(text));
    }
    // The status line: along the whole bottom edge, read-only, outside the tab chain.
    QLineEdit* status = feld("txtStatus");
    EXPECT_EQ(status->geometry(),
              QRect(0, fenster->height() - giPixel(312, y), fenster->width(), giPixel(312, y)));
    EXPECT_TRUE(status->isReadOnly());
    EXPECT_FALSE(status->focusPolicy() & Qt::TabFocus);
}

TEST_F(FensterTest, TabfolgeUndMarkieren) {
    EXPECT_EQ(fokusName(), QStringLiteral("txtErgebnisdatei"));
    const QStringList erwartet{
        "cmdPfeil_0",  "txtZeile",    "txtSpalte_0", "txtSpalte_1",     "txtSpalte_2",
        "txtSpalte_3", "txtSpalte_4", "txtSpalte_5", "txtFilterWert",   "txtErgebnisWorkfile",
        "cmdPfeil_1",  "cmdOK",       "cmdAbort",    "txtErgebnisdatei"};
    QStringList folge;
    for (qsizetype i = 0; i < erwartet.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        folge << fokusName();
    }
    EXPECT_EQ(folge, erwartet);

    // The whole text is selected on focus-in, by program and by mouse; typing replaces it.
    feld("txtFilterWert")->setText(QStringLiteral("BK 1"));
    feld("txtZeile")->setText(QStringLiteral("12"));
    fokusAuf("txtFilterWert");
    EXPECT_EQ(feld("txtFilterWert")->selectedText(), QStringLiteral("BK 1"));
    QTest::mouseClick(feld("txtZeile"), Qt::LeftButton, {}, QPoint(2, 5));
    QTest::qWait(20);
    EXPECT_EQ(feld("txtZeile")->selectedText(), QStringLiteral("12"));
    tippe(feld("txtZeile"), QStringLiteral("7"));
    EXPECT_EQ(feld("txtZeile")->text(), QStringLiteral("7"));
    fokusAuf("txtErgebnisdatei");
    tippe(feld("txtErgebnisdatei"), QStringLiteral("/tmp/Prüfung_ä.xlsx"));
    EXPECT_EQ(fenster->eingaben().sErgebnisdatei, QStringLiteral("/tmp/Prüfung_ä.xlsx"));
}

TEST_F(FensterTest, NamensspalteFuelltDieVierFolgenden) {
    fokusAuf("txtSpalte_0");
    tippe(feld("txtSpalte_0"), QStringLiteral("d"));
    QTest::keyClick(feld("txtSpalte_0"), Qt::Key_Tab);
    EXPECT_EQ(fokusName(), QStringLiteral("txtSpalte_1"));
    EXPECT_EQ(spalten(), (QStringList{"d", "E", "F", "G", "H", ""}));

    // One of the four holding text: nothing is filled; once it is empty, leaving fills again.
    fenster->setzeEingaben({});
    feld("txtSpalte_3")->setText(QStringLiteral("K"));
    fokusAuf("txtSpalte_0");
    tippe(feld("txtSpalte_0"), QStringLiteral("AZ"));
    fokusAuf("txtZeile");
    EXPECT_EQ(spalten(), (QStringList{"AZ", "", "", "K", "", ""}));
    feld("txtSpalte_3")->clear();
    fokusAuf("txtSpalte_0");
    fokusAuf("txtErgebnisWorkfile");
    EXPECT_EQ(spalten(), (QStringList{"AZ", "BA", "BB", "BC", "BD", ""}));

    // Past IV there is no column, the rest stays empty.
    fenster->setzeEingaben({});
    fokusAuf("txtSpalte_0");
    tippe(feld("txtSpalte_0"), QStringLiteral("IU"));
    QTest::mouseClick(feld("txtFilterWert"), Qt::LeftButton);
    EXPECT_EQ(spalten(), (QStringList{"IU", "IV", "", "", "", ""}));
}

TEST_F(FensterTest, EnterStartetEscBeendetUndSpeichert) {
    // Enter in any entry presses "&Start": the empty input path is the first fault.
    fokusAuf("txtZeile");
    QTest::keyClick(feld("txtZeile"), Qt::Key_Return);
    ASSERT_EQ(recorder.meldungen.size(), 1u);
    EXPECT_EQ(recorder.meldungen[0].sTitel, QStringLiteral("Fehler VLM00125"));
    EXPECT_EQ(recorder.meldungen[0].sText, QStringLiteral("Bitte angeben: Ergebnisdatei     "));
    EXPECT_EQ(fokusName(), QStringLiteral("txtErgebnisdatei"));
    EXPECT_TRUE(fenster->isVisible());

    // Esc presses "&Beenden": the window closes, its entries come back at the next start.
    Eingaben e;
    e.sErgebnisdatei = QStringLiteral("/daten/ergebnisse.xlsx");
    e.sSpalte = {"B", "C", "D", "E", "F", ""};
    e.sFilterWert = QStringLiteral("BK1");
    e.sErgebnisWorkfile = QStringLiteral("/daten/velmora.xlsx");
    fenster->setzeEingaben(e);
    QTest::keyClick(feld("txtErgebnisdatei"), Qt::Key_Escape);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(recorder.meldungen.size(), 1u);
    const Eingaben wieder = frmRasterfang().eingaben();
    EXPECT_EQ(wieder.sErgebnisdatei, e.sErgebnisdatei);
    EXPECT_EQ(wieder.sSpalte, e.sSpalte);
    EXPECT_EQ(wieder.sFilterWert, e.sFilterWert);
}

TEST_F(FensterTest, SchliessfeldBeendetDasProgrammUndSpeichert) {
    // With only this window open, the close box ends the event loop as it ends the program.
    fenster->hide();
    frmRasterfang hauptfenster;
    Eingaben e;
    e.sErgebnisWorkfile = QStringLiteral("/daten/zweite.xlsx");
    hauptfenster.setzeEingaben(e);
    hauptfenster.show();
    bool bZeitUm = false;
    QTimer::singleShot(0, &hauptfenster, [&] { hauptfenster.close(); });
    QTimer::singleShot(10000, &hauptfenster, [&] {
        bZeitUm = true;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(bZeitUm);
    EXPECT_FALSE(hauptfenster.isVisible());
    EXPECT_EQ(frmRasterfang().eingaben().sErgebnisWorkfile, e.sErgebnisWorkfile);
}

TEST_F(FensterTest, AbgelegteDateiFuelltEingabeOderAusgabe) {
    // As a file manager drags: file addresses, copy or move offered.
    const auto ablegen = [](QWidget* ziel, const QList<QUrl>& adressen) {
        QMimeData daten;
        daten.setUrls(adressen);
        const Qt::DropActions angebot = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent hinein(QPoint(5, 5), angebot, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &hinein);
        if (!hinein.isAccepted()) return false;
        // Never a move: the file manager would take the workbook away.
        EXPECT_EQ(hinein.dropAction(), Qt::CopyAction);
        QDropEvent ablage(QPointF(5, 5), angebot, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &ablage);
        EXPECT_EQ(ablage.dropAction(), Qt::CopyAction);
        return ablage.isAccepted();
    };
    const QString sPfad = QStringLiteral("/daten/Ergebnisse [2024] Müller.xlsx");
    const QUrl datei = QUrl::fromLocalFile(sPfad);

    // Onto a column entry: the path goes to the input entry, the column entry keeps its text.
    feld("txtSpalte_0")->setText(QStringLiteral("C"));
    EXPECT_TRUE(ablegen(feld("txtSpalte_0"), {datei}));
    EXPECT_EQ(feld("txtErgebnisdatei")->text(), sPfad);
    EXPECT_EQ(feld("txtSpalte_0")->text(), QStringLiteral("C"));

    // Onto the output entry: there. Onto the window between the entries: the input entry.
    EXPECT_TRUE(ablegen(feld("txtErgebnisWorkfile"), {datei}));
    EXPECT_EQ(feld("txtErgebnisWorkfile")->text(), sPfad);
    const QUrl zweite = QUrl::fromLocalFile(QStringLiteral("/daten/zweite.ods"));
    EXPECT_TRUE(ablegen(fenster.get(), {zweite}));
    EXPECT_EQ(feld("txtErgebnisdatei")->text(), QStringLiteral("/daten/zweite.ods"));

    // Two files, or one that is not local, are refused and change nothing.
    EXPECT_FALSE(ablegen(fenster.get(), {datei, zweite}));
    EXPECT_FALSE(ablegen(feld("txtErgebnisWorkfile"), {QUrl("https://schule.example/e.xlsx")}));
    EXPECT_EQ(feld("txtErgebnisdatei")->text(), QStringLiteral("/daten/zweite.ods"));
    EXPECT_EQ(feld("txtErgebnisWorkfile")->text(), sPfad);
}

TEST_F(FensterTest, UmbruchAbgeschnittenUndSigtermSpeichert) {
    // Pasted text is cut at its first line break; the text after the insertion point stays.
    QLineEdit* txt = feld("txtErgebnisWorkfile");
    txt->setText(QStringLiteral("/daten/.xlsx"));
    txt->setCursorPosition(7);
    QGuiApplication::clipboard()->setText(QStringLiteral("aus\n[Vorbel]\nBSDatei=x\n"));
    txt->paste();
    EXPECT_EQ(txt->text(), QStringLiteral("/daten/aus.xlsx"));
    // So are texts that come from presets or the command line.
    Eingaben e = fenster->eingaben();
    e.sFilterWert = QStringLiteral("BK1\r\nBK2");
    fenster->setzeEingaben(e);
    EXPECT_EQ(feld("txtFilterWert")->text(), QStringLiteral("BK1"));

    // SIGTERM closes the window the ordinary way, which saves the presets.
    bool bBeendet = false;
    const Sitzungsende sitzungsende(*fenster, [&] { bBeendet = true; });
    ::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bBeendet; }, 5000));
    EXPECT_FALSE(fenster->isVisible());
    QFile ini(iniOrdner.filePath(QStringLiteral("Rastfang.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(),
              "[Vorbel]\nBSDatei=\nExtraktDatei=/daten/aus.xlsx\nStZeile=\nSpPos1=\nSpPos2=\n"
              "SpPos3=\nSpPos4=\nSpPos5=\nSpPos6=\nFilterwert=BK1\n");
}
