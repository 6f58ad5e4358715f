// The main window through its real widgets: layout, typing, focus, the column filling, Enter,
// Esc, the close box, files dropped from a file manager, line breaks pasted into an entry, SIGTERM.
#include <gtest/gtest.h>

#include <signal.h>
#include <QAccessible>
#include <QClipboard>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <map>
#include <tuple>

#include "FensterHilfen.h"
#include "app/Sitzungsende.h"
#include "app/Twips.h"
#include "messages/fenster/frmMessage.h"

using namespace rastfang;
using rastfang::test::FensterTest;

TEST_F(FensterTest, LayoutFollowsTheTwipsTable) {
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Berufsschulergebnisse extrahieren"));
    // The twips table, grown by one factor where the font needs more room than it gives.
    const double dDpiX = fenster->logicalDpiX();
    const double dDpiY = fenster->logicalDpiY();
    const double x = dDpiX * fenster->width() / giPixel(5712, dDpiX);
    const double y = dDpiY * fenster->height() / giPixel(5892, dDpiY);
    EXPECT_GE(x, fenster->logicalDpiX());
    EXPECT_GE(y, fenster->logicalDpiY());
    const auto nahe = [](QRect ist, QRect soll) {
        return (ist.topLeft() - soll.topLeft()).manhattanLength() <= 2 &&
               std::abs(ist.width() - soll.width()) <= 1 &&
               std::abs(ist.height() - soll.height()) <= 1;
    };
    EXPECT_PRED2(nahe, feld("txtErgebnisdatei")->geometry(),
                 gPixelRechteck(156, 384, 4872, 312, x, y));
    EXPECT_PRED2(nahe, feld("txtSpalte_3")->geometry(), gPixelRechteck(3744, 1344, 588, 312, x, y));
    EXPECT_PRED2(nahe, knopf("cmdOK")->geometry(), gPixelRechteck(1416, 4980, 1236, 360, x, y));

    auto* rahmen = feld<QGroupBox>("fraSpalten");
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(rahmen->title(), QStringLiteral("Spaltenpositionen der Felder (z.B. DN)"));
    EXPECT_EQ(feld("txtSpalte_0")->parentWidget(), rahmen);
    EXPECT_EQ(knopf("cmdOK")->text(), QStringLiteral("&Start"));
    EXPECT_EQ(knopf("cmdAbort")->text(), QStringLiteral("&Beenden"));
    EXPECT_TRUE(knopf("cmdOK")->isDefault());
    EXPECT_FALSE(knopf("cmdPfeil_0")->icon().isNull());
    EXPECT_EQ(feld<QLabel>("lblAnz_8")->text(), "(erste Zeile mit Fachüberschriften)");
    // The status line: along the whole bottom edge, read-only, outside the tab chain.
    QLineEdit* status = feld("txtStatus");
    EXPECT_PRED2(nahe, status->geometry(),
                 QRect(0, fenster->height() - giPixel(312, y), fenster->width(), giPixel(312, y)));
    EXPECT_TRUE(status->isReadOnly());
    EXPECT_FALSE(status->focusPolicy() & Qt::TabFocus);
}

TEST_F(FensterTest, TabOrderAndSelectionOnFocus) {
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

TEST_F(FensterTest, LeavingTheNameColumnFillsTheFourAfterIt) {
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
    QTest::mouseClick(feld("txtFilterWert"), Qt::LeftButton);
    EXPECT_EQ(spalten(), (QStringList{"AZ", "BA", "BB", "BC", "BD", ""}));
}

TEST_F(FensterTest, EscClosesAndKeepsTheEntriesForNextTime) {
    // Esc presses "&Beenden": the window closes, its entries come back at the next start.
    Eingaben e;
    e.sErgebnisdatei = QStringLiteral("/daten/ergebnisse.xlsx");
    e.sSpalte = {"B", "C", "D", "E", "F", ""};
    e.sFilterWert = QStringLiteral("BK1");
    e.sErgebnisWorkfile = QStringLiteral("/daten/velmora.xlsx");
    fenster->setzeEingaben(e);
    QTest::keyClick(feld("txtErgebnisdatei"), Qt::Key_Escape);
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_TRUE(recorder.meldungen.empty());
    const Eingaben wieder = frmRasterfang().eingaben();
    EXPECT_EQ(wieder.sErgebnisdatei, e.sErgebnisdatei);
    EXPECT_EQ(wieder.sSpalte, e.sSpalte);
    EXPECT_EQ(wieder.sFilterWert, e.sFilterWert);
}

TEST_F(FensterTest, CloseBoxEndsTheProgramAndKeepsTheEntries) {
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

TEST_F(FensterTest, DroppedFileFillsInputOrOutputEntry) {
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

TEST_F(FensterTest, PastedLineBreakCutsTheText) {
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
}

TEST_F(FensterTest, SigtermClosesTheWindowAndKeepsTheEntries) {
    // SIGTERM closes the window the ordinary way, which saves the presets.
    feld("txtFilterWert")->setText(QStringLiteral("BK1"));
    bool bBeendet = false;
    const Sitzungsende sitzungsende(*fenster, [&] { bBeendet = true; });
    ::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bBeendet; }, 5000));
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(frmRasterfang().eingaben().sFilterWert, QStringLiteral("BK1"));
}

namespace {

// Every caption of `fenster` shows in full, measured with the font metrics of the font the widget
// really got, and no control sticks out of its parent or overlaps a sibling. Entries must show
// the text that `muster` gives for their name.
void PruefeBeschriftungen(const QWidget& fenster, const std::map<QString, QString>& muster) {
    const auto ohneKuerzel = [](QString s) { return s.remove(QLatin1Char('&')); };
    // A line edit keeps its frame and two pixels free on each side, plus one for the cursor.
    constexpr int EINTRAG_RAND = 2 * (2 + 2) + 1;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        const QFontMetrics fm = w->fontMetrics();
        const std::string name = w->objectName().toStdString();
        if (const auto* lbl = qobject_cast<const QLabel*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(lbl->text()), lbl->contentsRect().width()) << name;
            EXPECT_LE(fm.height(), lbl->contentsRect().height()) << name;
        } else if (const auto* knopf = qobject_cast<const QPushButton*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(ohneKuerzel(knopf->text())) + 8, knopf->width()) << name;
            EXPECT_LE(fm.height() + 4, knopf->height()) << name;
        } else if (const auto* rahmen = qobject_cast<const QGroupBox*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(rahmen->title()) + 16, rahmen->width()) << name;
        } else if (const auto* txt = qobject_cast<const QLineEdit*>(w)) {
            const auto it = muster.find(txt->objectName());
            const QString sMuster = it == muster.end() ? QString() : it->second;
            EXPECT_LE(fm.horizontalAdvance(sMuster) + EINTRAG_RAND, txt->width()) << name;
            EXPECT_LE(fm.height() + 4, txt->height()) << name;
        } else {
            continue;  // the parts of composite widgets (scroll bars, viewports)
        }
        const QWidget* eltern = w->parentWidget();
        EXPECT_TRUE(eltern->rect().contains(w->geometry())) << name;
        for (const QWidget* nachbar : eltern->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (nachbar != w && nachbar->isVisible() && !nachbar->objectName().isEmpty()) {
                EXPECT_FALSE(w->geometry().intersects(nachbar->geometry()))
                    << name << " / " << nachbar->objectName().toStdString();
            }
        }
    }
}

}  // namespace

// With whatever fonts the desktop has (the suite runs it once more with only DejaVu and
// QT_SCALE_FACTOR=1.5): whole captions, two column letters and a five-digit start row.
TEST_F(FensterTest, AllTextsFit) {
    std::map<QString, QString> muster{{QStringLiteral("txtZeile"), QStringLiteral("00000")}};
    for (int i = 0; i < 6; ++i) muster[QStringLiteral("txtSpalte_%1").arg(i)] = "WW";
    PruefeBeschriftungen(*fenster, muster);

    // The result window at its smallest, where "&Drucken" is closest to "&OK".
    frmMessage ergebnis(fenster.get());
    ergebnis.sMessage(QStringLiteral("Extraktionsergebnisse"));
    ergebnis.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ergebnis));
    ergebnis.resize(1, 1);
    QTest::qWait(20);
    PruefeBeschriftungen(ergebnis, {});
}

// Each entry is named by the label beside it, for the keyboard and for assistive technology.
TEST_F(FensterTest, EntriesCarryTheirLabels) {
    for (const auto& [pszEintrag, pszLabel, pszText] :
         std::vector<std::tuple<const char*, const char*, const char*>>{
             {"txtErgebnisdatei", "lblErgebnisDatei_0", "Ergebnisdatei von Berufsschule"},
             {"txtZeile", "lblAnz_7", "Zeilennummer für Startzeile (kann leer bleiben)"},
             {"txtSpalte_0", "lblAnz_1", "Name (muss mit 'Name' bezeichnet sein)"},
             {"txtSpalte_1", "lblAnz_2", "Vorname"},
             {"txtSpalte_2", "lblAnz_3", "Geburtsdatum (kann leer bleiben)"},
             {"txtSpalte_3", "lblAnz_4", "Beruf"},
             {"txtSpalte_4", "lblAnz_5", "Erste Ergebnisspalte"},
             {"txtSpalte_5", "lblAnz_6", "Datenfilter (kann leer bleiben)"},
             {"txtFilterWert", "lblErgebnisDatei_1", "Wert"},
             {"txtErgebnisWorkfile", "lblAnz_0", "Datei für extrahierte Berufsschulergebnisse"}}) {
        QLineEdit* txt = feld(pszEintrag);
        const auto* lbl = feld<QLabel>(pszLabel);
        EXPECT_EQ(lbl->text(), QString::fromUtf8(pszText));
        EXPECT_EQ(lbl->buddy(), txt) << pszEintrag;
        // What assistive technology is told, not just the property.
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(txt);
        ASSERT_NE(zugang, nullptr);
        EXPECT_EQ(zugang->text(QAccessible::Name), QString::fromUtf8(pszText)) << pszEintrag;
    }
}
