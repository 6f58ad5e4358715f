#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "messages/fenster/CenterDlg.h"
#include "messages/fenster/MessageLayout.h"
#include "messages/fenster/frmMessage.h"

using namespace rastfang;
using rastfang::test::gFehler;

namespace {

/// A printer that keeps the images it is given, or fails with a chosen error.
class DruckRecorder : public Drucker {
  public:
    void Drucken(const QImage& bild) override {
        if (fehler) std::rethrow_exception(fehler);
        bilder.push_back(bild);
    }
    std::exception_ptr fehler;
    std::vector<QImage> bilder;
};

/// A layout as "outer WxH, text WxH, ok x,y, drucken x,y" in twips ("-": height step skipped).
QString lage(const MessageLayout& l) {
    auto n = [](float f) { return QString::number(f); };
    return n(l.fAussenBreite) + "x" + n(l.fAussenHoehe) + ", text " + n(l.fTextBreite) + "x" +
           (l.fTextHoehe ? n(*l.fTextHoehe) : "-") + ", ok " + n(l.fOkLinks) + "," + n(l.fOkOben) +
           ", drucken " + n(l.fDruckenLinks) + "," + n(l.fDruckenOben);
}

class FrmMessage : public ::testing::Test {
  protected:
    QWidget haupt;
    DruckRecorder drucker;
    frmMessage f{&haupt, &drucker};
    QPlainTextEdit* const text = f.findChild<QPlainTextEdit*>("txtMessage");
    QPushButton* const ok = f.findChild<QPushButton*>("cmdOK");
    QPushButton* const drucken = f.findChild<QPushButton*>("cmdDrucken");
};

}  // namespace

TEST(MessageLayout, PlacesTextAndButtonsForEveryWindowSize) {
    // Narrow: "&Drucken" 24 twips right of "&OK"; wide: 100 twips from the right edge. Too small
    // or with wider buttons: snapped back. No room for the text box: its height stays.
    const std::pair<MessageFenstermasse, const char*> faelle[] = {
        {{3048, 1600, 120, 450}, "3048x1600, text 2928x550, ok 1086,670, drucken 1866,670"},
        {{5001, 3000, 0, 0}, "5001x3000, text 5001x2400, ok 2122.5,2520, drucken 3845,2520"},
        {{1000, 500, 120, 450, 900, 1200},
         "3468x1600, text 3348x550, ok 1224,670, drucken 2148,670"},
        {{3048, 1600, 0, 1200}, "3048x1600, text 3048x-, ok 1146,-80, drucken 1926,-80"}};
    for (const auto& [masse, sErwartet] : faelle) EXPECT_EQ(lage(gMessageLayout(masse)), sErwartet);
    // 760 twips are 50.67 pixels at 96 dpi: rounded, not cut off.
    EXPECT_EQ(std::pair(giTwipsZuPixel(760, 96), giTwipsZuPixel(1440, 120)), std::pair(51, 120));
    EXPECT_FLOAT_EQ(gfPixelZuTwips(1, 96), 15);
}

TEST_F(FrmMessage, ShowsTheTextAsTallAsTheMainWindowCentred) {
    haupt.resize(500, 555);
    haupt.show();
    f.sMessage("Tabelle1     12\r\nTabelle2      3");
    f.show();
    ASSERT_TRUE(text && ok && drucken);
    EXPECT_EQ((QStringList{f.windowTitle(), text->toPlainText(), text->font().family(), ok->text(),
                           drucken->text()}),
              (QStringList{"Ergebnisse", "Tabelle1     12\nTabelle2      3", "Courier New", "&OK",
                           "&Drucken"}));
    EXPECT_FALSE(ok->isDefault() || ok->autoDefault());
    EXPECT_FALSE(drucken->isDefault() || drucken->autoDefault());
    EXPECT_EQ(f.frameGeometry().height(), haupt.frameGeometry().height());
    const QRect schirm = f.screen()->geometry();
    EXPECT_EQ(f.pos() - schirm.topLeft(),
              gZentriertePosition(schirm.size(), f.frameGeometry().size()));
    // Text set after loading waits for the next showing, which takes the height afresh.
    f.sMessage("neu");
    EXPECT_EQ(text->toPlainText(), "Tabelle1     12\nTabelle2      3");
    ok->click();
    haupt.resize(500, 480);
    f.show();
    EXPECT_EQ(text->toPlainText(), "neu");
    EXPECT_EQ(f.frameGeometry().height(), haupt.frameGeometry().height());
}

TEST_F(FrmMessage, LaysOutTheControlsWhenResized) {
    f.show();
    const double dpiX = f.logicalDpiX();
    const double dpiY = f.logicalDpiY();
    f.resize(20, 20);
    QApplication::processEvents();
    EXPECT_EQ(f.frameGeometry().size(),
              QSize(giTwipsZuPixel(3048, dpiX), giTwipsZuPixel(1600, dpiY)));
    f.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(f.size(), QSize(900, 700));
    EXPECT_EQ(text->geometry(), QRect(0, 0, 900, 700 - giTwipsZuPixel(600, dpiY)));
    EXPECT_NEAR(drucken->x() + drucken->width(), 900 - 100 * dpiX / 1440, 1.0);
    EXPECT_NEAR(ok->x() + ok->width() / 2.0, 450, 1.0);
}

TEST_F(FrmMessage, KeyboardWorksWithoutADefaultButton) {
    f.show();
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Escape);
    ASSERT_EQ(drucker.bilder.size(), 1u);
    EXPECT_EQ(drucker.bilder[0].size(), f.size() * f.devicePixelRatio());
    EXPECT_NEAR(drucker.bilder[0].dotsPerMeterX() * 0.0254, f.logicalDpiX(), 1.0);
    QTest::keyClick(text, Qt::Key_Return);  // Enter is no default button either
    QTest::mouseClick(drucken, Qt::LeftButton);
    EXPECT_EQ(drucker.bilder.size(), 2u);
    // Tab goes from the text box to "&OK" and on; Enter presses the focused button.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), drucken);
    QTest::keyClick(drucken, Qt::Key_Return);
    EXPECT_EQ(drucker.bilder.size(), 3u);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Enter);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FrmMessage, PrinterFailureEndsTheModalWaitForTheCaller) {
    // A printer failure has no handling of its own: it ends the wait with the window still open
    // and goes to the caller, as does any other failure. "&OK" ends it.
    test::EingesetzterRecorder box;
    drucker.fehler = std::make_exception_ptr(VbFehler(FEHLER_DRUCKER));
    QTimer::singleShot(0, &f, [this] { drucken->click(); });
    EXPECT_THROW(f.exec(), VbFehler);
    EXPECT_TRUE(f.isVisible());
    drucker.fehler = std::make_exception_ptr(std::runtime_error("Spooler weg"));
    QTimer::singleShot(0, &f, [this] { QTest::keyClick(&f, Qt::Key_Escape); });
    EXPECT_THROW(f.exec(), std::runtime_error);
    EXPECT_TRUE(box.meldungen.empty());
    QTimer::singleShot(0, &f, [this] { ok->click(); });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_FALSE(f.isVisible());
}

TEST(QtDrucker, RaisesPrinterErrorWithoutADefaultPrinter) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
    EXPECT_EQ(gFehler([] { QtDrucker().Drucken(QImage(10, 10, QImage::Format_RGB32)); }),
              std::pair(482, QStringLiteral("Druckerfehler")));
}
