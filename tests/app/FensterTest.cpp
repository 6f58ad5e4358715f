// The main window through its real widgets: captions, typing, focus, Esc, the close box,
// SIGTERM, files dropped from a file manager, line breaks pasted into an entry.
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
#include <tuple>

#include "FensterHilfen.h"
#include "app/Sitzungsende.h"
#include "messages/fenster/frmMessage.h"

using namespace rastfang;
using rastfang::test::FensterTest;

TEST_F(FensterTest, TabOrderAndSelectionOnFocus) {
    const QStringList erwartet{
        "txtErgebnisdatei",    "cmdPfeil_0",  "txtZeile",    "txtSpalte_0", "txtSpalte_1",
        "txtSpalte_2",         "txtSpalte_3", "txtSpalte_4", "txtSpalte_5", "txtFilterWert",
        "txtErgebnisWorkfile", "cmdPfeil_1",  "cmdOK",       "cmdAbort",    "txtErgebnisdatei"};
    QStringList folge{fokusName()};
    for (qsizetype i = 1; i < erwartet.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        folge << fokusName();
    }
    EXPECT_EQ(folge, erwartet);
    // The status line: along the whole bottom edge, read-only, outside the tab chain.
    QLineEdit* status = feld("txtStatus");
    EXPECT_EQ(status->geometry(),
              QRect(0, fenster->height() - status->height(), fenster->width(), status->height()));
    EXPECT_TRUE(status->isReadOnly());

    feld("txtZeile")->setText(QStringLiteral("12"));
    QTest::mouseClick(feld("txtZeile"), Qt::LeftButton, {}, QPoint(2, 5));
    QTest::qWait(20);
    tippe(feld("txtZeile"), QStringLiteral("7"));
    EXPECT_EQ(feld("txtZeile")->text(), QStringLiteral("7"));
    fokusAuf("txtErgebnisdatei");
    tippe(feld("txtErgebnisdatei"), QStringLiteral("/tmp/Prüfung_ä.xlsx"));
    EXPECT_EQ(fenster->eingaben().sErgebnisdatei, QStringLiteral("/tmp/Prüfung_ä.xlsx"));
}

TEST_F(FensterTest, EscCloseBoxAndSigtermEndTheProgramKeepingTheEntries) {
    fenster->hide();
    for (const QString sWeg : {"Esc", "Schließfeld", "SIGTERM"}) {
        SCOPED_TRACE(sWeg.toStdString());
        frmRasterfang hauptfenster;
        const Eingaben e{{}, {}, {"B", "C", "D", "E", "F", ""}, sWeg, {}};
        hauptfenster.setzeEingaben(e);
        hauptfenster.show();
        const Sitzungsende sitzungsende(hauptfenster, [] { QCoreApplication::quit(); });
        QTimer::singleShot(0, &hauptfenster, [&] {
            if (sWeg == "Esc") {
                QTest::keyClick(hauptfenster.findChild<QLineEdit*>("txtZeile"), Qt::Key_Escape);
            } else if (sWeg == "SIGTERM") {
                ::raise(SIGTERM);
            } else {
                hauptfenster.close();
            }
        });
        QTimer::singleShot(10000, &hauptfenster, [] {
            ADD_FAILURE() << "the program did not end";
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        EXPECT_FALSE(hauptfenster.isVisible());
        const Eingaben wieder = frmRasterfang().eingaben();
        EXPECT_EQ(std::pair(wieder.sSpalte, wieder.sFilterWert), std::pair(e.sSpalte, sWeg));
    }
    EXPECT_TRUE(recorder.meldungen.empty());
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
        QDropEvent ablage(QPointF(5, 5), angebot, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &ablage);
        // Never a move: the file manager would take the workbook away.
        EXPECT_EQ(ablage.dropAction(), Qt::CopyAction);
        return ablage.isAccepted();
    };
    const auto texte = [this] {
        return QStringList{feld("txtErgebnisdatei")->text(), feld("txtSpalte_0")->text(),
                           feld("txtErgebnisWorkfile")->text()};
    };
    const QString sPfad = QStringLiteral("/daten/Ergebnisse [2024] Müller.xlsx");
    const QUrl datei = QUrl::fromLocalFile(sPfad);

    // Onto a column entry: the path goes to the input entry, the column entry keeps its text.
    feld("txtSpalte_0")->setText(QStringLiteral("C"));
    EXPECT_TRUE(ablegen(feld("txtSpalte_0"), {datei}));
    EXPECT_EQ(texte(), (QStringList{sPfad, "C", ""}));

    // Onto the output entry: there. Onto the window between the entries: the input entry.
    EXPECT_TRUE(ablegen(feld("txtErgebnisWorkfile"), {datei}));
    EXPECT_TRUE(ablegen(fenster.get(), {QUrl::fromLocalFile(QStringLiteral("/daten/zweite.ods"))}));
    EXPECT_EQ(texte(), (QStringList{"/daten/zweite.ods", "C", sPfad}));

    EXPECT_FALSE(ablegen(fenster.get(), {datei, datei}));
    EXPECT_FALSE(ablegen(feld("txtErgebnisWorkfile"), {QUrl("https://schule.example/e.xlsx")}));
    EXPECT_EQ(texte(), (QStringList{"/daten/zweite.ods", "C", sPfad}));
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
    fenster->setzeEingaben({{}, {}, {}, QStringLiteral("BK1\r\nBK2"), {}});
    EXPECT_EQ(feld("txtFilterWert")->text(), QStringLiteral("BK1"));
}

namespace {

// Every caption of `fenster` shows in full in the font the widget really got, the start row five
// digits, a column two letters; no control sticks out of its parent or overlaps a sibling.
void PruefeBeschriftungen(const QWidget& fenster) {
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
            EXPECT_LE(fm.horizontalAdvance(knopf->text().remove(u'&')) + 8, knopf->width()) << name;
            EXPECT_LE(fm.height() + 4, knopf->height()) << name;
        } else if (const auto* rahmen = qobject_cast<const QGroupBox*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(rahmen->title()) + 16, rahmen->width()) << name;
        } else if (const auto* txt = qobject_cast<const QLineEdit*>(w)) {
            const QString sMuster = txt->objectName() == "txtZeile"              ? "00000"
                                    : txt->objectName().startsWith("txtSpalte_") ? "WW"
                                                                                 : "";
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

// Whatever fonts the desktop has; CTest runs it again with only DejaVu at QT_SCALE_FACTOR=1.5.
TEST_F(FensterTest, AllTextsFit) {
    PruefeBeschriftungen(*fenster);

    // The result window at its smallest, where "&Drucken" is closest to "&OK".
    frmMessage ergebnis(fenster.get());
    ergebnis.sMessage(QStringLiteral("Extraktionsergebnisse"));
    ergebnis.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ergebnis));
    ergebnis.resize(1, 1);
    QTest::qWait(20);
    PruefeBeschriftungen(ergebnis);
}

// The German captions; each entry is named by its label, for keyboard and assistive technology.
TEST_F(FensterTest, CaptionsAndTheLabelOfEveryEntry) {
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Berufsschulergebnisse extrahieren"));
    EXPECT_EQ(feld<QGroupBox>("fraSpalten")->title(), "Spaltenpositionen der Felder (z.B. DN)");
    EXPECT_EQ(knopf("cmdOK")->text(), QStringLiteral("&Start"));
    EXPECT_EQ(knopf("cmdAbort")->text(), QStringLiteral("&Beenden"));
    EXPECT_TRUE(knopf("cmdOK")->isDefault());
    EXPECT_EQ(feld<QLabel>("lblAnz_8")->text(), "(erste Zeile mit Fachüberschriften)");
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
        EXPECT_EQ(feld<QLabel>(pszLabel)->buddy(), txt) << pszEintrag;
        // What assistive technology is told, not just the property.
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(txt);
        ASSERT_NE(zugang, nullptr);
        EXPECT_EQ(feld<QLabel>(pszLabel)->text() + " | " + zugang->text(QAccessible::Name),
                  QStringLiteral("%1 | %1").arg(QString::fromUtf8(pszText)));
    }
}
