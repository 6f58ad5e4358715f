#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <vector>

#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "messages/fenster/CenterDlg.h"
#include "messages/fenster/MessageLayout.h"
#include "messages/fenster/frmMessage.h"

using namespace rastfang;
using rastfang::test::MeldungsRecorder;

namespace {

/// A printer that keeps the images it is given, or fails with a chosen error.
class DruckRecorder : public Drucker {
  public:
    void Drucken(const QImage& bild) override {
        if (bFehler) throw VbFehler(FEHLER_DRUCKER);
        if (bFremdfehler) throw std::runtime_error("Spooler weg");
        bilder.push_back(bild);
    }
    bool bFehler = false;
    bool bFremdfehler = false;
    std::vector<QImage> bilder;
};

struct Teile {
    QPlainTextEdit* text;
    QPushButton* ok;
    QPushButton* drucken;
};

Teile teile(frmMessage& f) {
    return {f.findChild<QPlainTextEdit*>("txtMessage"), f.findChild<QPushButton*>("cmdOK"),
            f.findChild<QPushButton*>("cmdDrucken")};
}

/// A layout as "outer WxH, text WxH, ok x,y, drucken x,y" in twips ("-": height step skipped).
QString lage(const MessageLayout& l) {
    auto n = [](float f) { return QString::number(f); };
    return n(l.fAussenBreite) + "x" + n(l.fAussenHoehe) + ", text " + n(l.fTextBreite) + "x" +
           (l.fTextHoehe ? n(*l.fTextHoehe) : "-") + ", ok " + n(l.fOkLinks) + "," + n(l.fOkOben) +
           ", drucken " + n(l.fDruckenLinks) + "," + n(l.fDruckenOben);
}

}  // namespace

TEST(MessageLayout, PlacesTextAndButtonsForEveryWindowSize) {
    // Narrow: "&Drucken" would collide, so it goes 24 twips right of "&OK". Wide: 100 twips from
    // the right edge; odd widths centre on a half twip. Smaller than the minimum: snapped back.
    // Buttons widened for a wide font: the smallest window still holds "&Drucken" beside the
    // centred "&OK". A frame so high that the text box would get a negative height: that step
    // is skipped.
    const std::pair<MessageFenstermasse, const char*> faelle[] = {
        {{3048, 1600, 120, 450}, "3048x1600, text 2928x550, ok 1086,670, drucken 1866,670"},
        {{5001, 3000, 0, 0}, "5001x3000, text 5001x2400, ok 2122.5,2520, drucken 3845,2520"},
        {{1000, 500, 120, 450, 900, 1200},
         "3468x1600, text 3348x550, ok 1224,670, drucken 2148,670"},
        {{3048, 1600, 0, 1200}, "3048x1600, text 3048x-, ok 1146,-80, drucken 1926,-80"}};
    for (const auto& [masse, sErwartet] : faelle) EXPECT_EQ(lage(gMessageLayout(masse)), sErwartet);
    // 760 twips are 50.67 pixels at 96 dpi: rounded, not cut off.
    EXPECT_EQ(giTwipsZuPixel(760, 96), 51);
    EXPECT_EQ(giTwipsZuPixel(1440, 120), 120);
    EXPECT_FLOAT_EQ(gfPixelZuTwips(1, 96), 15);
}

TEST(FrmMessage, ShowsTheTextAsTallAsTheMainWindowCentred) {
    QWidget haupt;
    haupt.resize(500, 555);
    haupt.show();
    DruckRecorder drucker;
    frmMessage f(&haupt, &drucker);
    f.sMessage("Tabelle1     12\r\nTabelle2      3");
    f.show();
    const Teile t = teile(f);
    ASSERT_TRUE(t.text && t.ok && t.drucken);
    EXPECT_EQ((QStringList{f.windowTitle(), t.text->toPlainText(), t.text->font().family(),
                           t.ok->text(), t.drucken->text()}),
              (QStringList{"Ergebnisse", "Tabelle1     12\nTabelle2      3", "Courier New", "&OK",
                           "&Drucken"}));
    EXPECT_FALSE(t.ok->isDefault() || t.ok->autoDefault());
    EXPECT_FALSE(t.drucken->isDefault() || t.drucken->autoDefault());
    // As tall as the main window, centred on the screen.
    EXPECT_EQ(f.frameGeometry().height(), haupt.frameGeometry().height());
    const QRect schirm = f.screen()->geometry();
    EXPECT_EQ(f.pos(),
              schirm.topLeft() + gZentriertePosition(schirm.size(), f.frameGeometry().size()));
    // Text set after loading waits for the next showing, which takes the height afresh.
    f.sMessage("neu");
    EXPECT_EQ(t.text->toPlainText(), "Tabelle1     12\nTabelle2      3");
    t.ok->click();
    haupt.resize(500, 480);
    f.show();
    EXPECT_EQ(t.text->toPlainText(), "neu");
    EXPECT_EQ(f.frameGeometry().height(), haupt.frameGeometry().height());
}

TEST(FrmMessage, LaysOutTheControlsWhenResized) {
    DruckRecorder drucker;
    frmMessage f(nullptr, &drucker);
    f.show();
    const Teile t = teile(f);
    const double dpiX = f.logicalDpiX();
    const double dpiY = f.logicalDpiY();
    auto px = [](float twips, double dpi) { return giTwipsZuPixel(twips, dpi); };

    // Too small: snaps to the minimum outer size.
    f.resize(20, 20);
    QApplication::processEvents();
    EXPECT_EQ(f.frameGeometry().size(), QSize(px(3048, dpiX), px(1600, dpiY)));

    // Wide: 100 twips from the right edge.
    f.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(f.size(), QSize(900, 700));
    EXPECT_EQ(t.text->geometry(), QRect(0, 0, 900, 700 - px(600, dpiY)));
    EXPECT_NEAR(t.drucken->x() + t.drucken->width(), 900 - 100 * dpiX / 1440, 1.0);
    EXPECT_NEAR(t.ok->x() + t.ok->width() / 2.0, 450, 1.0);
}

TEST(FrmMessage, KeyboardWorksWithoutADefaultButton) {
    DruckRecorder drucker;
    frmMessage f(nullptr, &drucker);
    f.sMessage("Zeile");
    f.show();
    const Teile t = teile(f);
    t.text->setFocus();
    QTest::keyClick(t.text, Qt::Key_Escape);
    ASSERT_EQ(drucker.bilder.size(), 1u);
    EXPECT_EQ(drucker.bilder[0].size(), f.size() * f.devicePixelRatio());
    EXPECT_NEAR(drucker.bilder[0].dotsPerMeterX() * 0.0254, f.logicalDpiX(), 1.0);
    QTest::keyClick(t.text, Qt::Key_Return);  // Enter is no default button either
    QTest::mouseClick(t.drucken, Qt::LeftButton);
    EXPECT_EQ(drucker.bilder.size(), 2u);

    // Tab leaves the text box for "&OK" and goes on to "&Drucken"; Enter presses the focused
    // button.
    t.text->setFocus();
    QTest::keyClick(t.text, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), t.ok);
    QTest::keyClick(t.ok, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), t.drucken);
    QTest::keyClick(t.drucken, Qt::Key_Return);
    EXPECT_EQ(drucker.bilder.size(), 3u);
    t.ok->setFocus();
    QTest::keyClick(t.ok, Qt::Key_Enter);
    EXPECT_FALSE(f.isVisible());
}

TEST(FrmMessage, PrinterFailureEndsTheModalWaitForTheCaller) {
    // A printer failure has no handling of its own: it ends the wait with the window still open
    // and goes to the caller, as does any other failure. "&OK" ends it.
    MeldungsRecorder box;
    MeldungsBoxTausch tausch(box);
    DruckRecorder drucker;
    frmMessage f(nullptr, &drucker);
    const Teile t = teile(f);
    drucker.bFehler = true;
    QTimer::singleShot(0, &f, [&t] { t.drucken->click(); });
    EXPECT_THROW(f.exec(), VbFehler);
    EXPECT_TRUE(f.isVisible());
    drucker.bFehler = false;
    drucker.bFremdfehler = true;
    QTimer::singleShot(0, &f, [&f] { QTest::keyClick(&f, Qt::Key_Escape); });
    EXPECT_THROW(f.exec(), std::runtime_error);
    EXPECT_TRUE(box.meldungen.empty());
    QTimer::singleShot(0, &f, [&t] { t.ok->click(); });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_FALSE(f.isVisible());
}

TEST(QtDrucker, RaisesPrinterErrorWithoutADefaultPrinter) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    QtDrucker drucker;
    QImage bild(10, 10, QImage::Format_RGB32);
    try {
        drucker.Drucken(bild);
        FAIL() << "no error";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), 482);
        EXPECT_EQ(e.Description(), "Druckerfehler");
    }
}
