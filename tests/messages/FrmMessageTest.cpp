#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <vector>

#include "CenterDlg.h"
#include "MessageLayout.h"
#include "TestHilfen.h"
#include "VbFehler.h"
#include "frmMessage.h"

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

}  // namespace

TEST(MessageLayout, NarrowWideAndTooSmall) {
    // Narrowest window: "&Drucken" would collide, so it goes 24 twips right of "&OK".
    MessageLayout l = gMessageLayout({3048, 1600, 120, 450});
    EXPECT_FLOAT_EQ(l.fAussenBreite, 3048);
    EXPECT_FLOAT_EQ(l.fAussenHoehe, 1600);
    EXPECT_FLOAT_EQ(l.fTextBreite, 2928);
    ASSERT_TRUE(l.fTextHoehe);
    EXPECT_FLOAT_EQ(*l.fTextHoehe, 550);
    EXPECT_FLOAT_EQ(l.fOkOben, 670);
    EXPECT_FLOAT_EQ(l.fOkLinks, 1086);
    EXPECT_FLOAT_EQ(l.fDruckenLinks, 1866);
    EXPECT_FLOAT_EQ(l.fDruckenOben, 670);

    // Wide window: 100 twips from the right edge.
    l = gMessageLayout({9000, 6000, 0, 0});
    EXPECT_FLOAT_EQ(l.fOkLinks, 4122);
    EXPECT_FLOAT_EQ(l.fDruckenLinks, 7844);
    EXPECT_FLOAT_EQ(*l.fTextHoehe, 5400);
    EXPECT_FLOAT_EQ(l.fOkOben, 5520);

    // Smaller than the minimum: snapped back, laid out at the minimum.
    l = gMessageLayout({1000, 500, 0, 0});
    EXPECT_FLOAT_EQ(l.fAussenBreite, 3048);
    EXPECT_FLOAT_EQ(l.fAussenHoehe, 1600);
    EXPECT_FLOAT_EQ(l.fOkLinks, 1146);
    EXPECT_FLOAT_EQ(l.fDruckenLinks, 1926);
    EXPECT_FLOAT_EQ(l.fOkOben, 1120);

    // A frame so high that the text box would get a negative height: that step is skipped.
    l = gMessageLayout({3048, 1600, 0, 1200});
    EXPECT_FALSE(l.fTextHoehe);
    EXPECT_FLOAT_EQ(l.fOkOben, -80);

    // Halves stay in single precision: odd widths centre on a half twip.
    l = gMessageLayout({5001, 3000, 0, 0});
    EXPECT_FLOAT_EQ(l.fOkLinks, 2122.5f);

    EXPECT_EQ(giTwipsZuPixel(1440, 96), 96);
    EXPECT_EQ(giTwipsZuPixel(756, 96), 50);
    EXPECT_EQ(giTwipsZuPixel(3048, 96), 203);
    EXPECT_EQ(giTwipsZuPixel(1440, 120), 120);
    EXPECT_FLOAT_EQ(gfPixelZuTwips(1, 96), 15);
}

TEST(FrmMessage, LoadsTextHeightAndLooks) {
    QWidget haupt;
    haupt.resize(500, 555);
    haupt.show();
    DruckRecorder drucker;
    frmMessage f(&haupt, &drucker);
    f.sMessage("Tabelle1     12\r\nTabelle2      3");
    f.show();
    const Teile t = teile(f);
    ASSERT_TRUE(t.text && t.ok && t.drucken);

    EXPECT_EQ(f.windowTitle(), "Ergebnisse");
    EXPECT_EQ(t.text->toPlainText(), "Tabelle1     12\nTabelle2      3");
    EXPECT_FALSE(t.text->isReadOnly());
    EXPECT_EQ(t.text->font().family(), "Courier New");
    EXPECT_EQ(t.text->font().pointSize(), 9);
    EXPECT_EQ(t.text->font().styleHint(), QFont::Monospace);
    EXPECT_EQ(t.text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(t.text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(t.text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(t.ok->text(), "&OK");
    EXPECT_EQ(t.drucken->text(), "&Drucken");
    EXPECT_TRUE(t.ok->font().bold());
    EXPECT_FALSE(t.ok->isDefault() || t.ok->autoDefault());
    EXPECT_FALSE(t.drucken->isDefault() || t.drucken->autoDefault());

    // As tall as the main window, centred on the screen.
    EXPECT_EQ(f.frameGeometry().height(), haupt.frameGeometry().height());
    const QRect schirm = f.screen()->geometry();
    EXPECT_EQ(f.pos(),
              schirm.topLeft() + gZentriertePosition(schirm.size(), f.frameGeometry().size()));

    // Setting the text after loading changes nothing.
    f.sMessage("neu");
    EXPECT_EQ(t.text->toPlainText(), "Tabelle1     12\nTabelle2      3");

    // Closed and shown again, it is filled afresh and takes the main window's height again.
    t.ok->click();
    EXPECT_FALSE(f.isVisible());
    haupt.resize(500, 480);
    f.show();
    EXPECT_EQ(t.text->toPlainText(), "neu");
    EXPECT_EQ(f.frameGeometry().height(), haupt.frameGeometry().height());
}

TEST(FrmMessage, ResizedSmallAndWide) {
    DruckRecorder drucker;
    frmMessage f(nullptr, &drucker);
    f.show();
    const Teile t = teile(f);
    const double dpiX = f.logicalDpiX();
    const double dpiY = f.logicalDpiY();
    const QSize rahmen = f.frameGeometry().size() - f.size();
    auto px = [](float twips, double dpi) { return giTwipsZuPixel(twips, dpi); };

    // Too small: snaps to the minimum outer size.
    f.resize(20, 20);
    QApplication::processEvents();
    EXPECT_EQ(f.frameGeometry().width(), px(3048, dpiX));
    EXPECT_EQ(f.frameGeometry().height(), px(1600, dpiY));
    EXPECT_EQ(t.text->geometry(), QRect(0, 0, f.width(), f.height() - px(600, dpiY)));
    EXPECT_EQ(t.ok->y(), f.height() - px(480, dpiY));
    EXPECT_NEAR(t.ok->x() + t.ok->width() / 2.0, f.width() / 2.0, 1.0);
    EXPECT_EQ(t.drucken->y(), t.ok->y());
    // Narrow: next to "&OK" rather than at the right edge.
    EXPECT_NEAR(t.drucken->x(), t.ok->x() + t.ok->width() + 24 * dpiX / 1440, 1.0);
    EXPECT_GT(t.drucken->x() + t.drucken->width(), f.width() - px(100, dpiX));

    // Wide: 100 twips from the right edge.
    f.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(f.size(), QSize(900, 700));
    EXPECT_EQ(t.text->geometry(), QRect(0, 0, 900, 700 - px(600, dpiY)));
    EXPECT_NEAR(t.drucken->x() + t.drucken->width(), 900 - 100 * dpiX / 1440, 1.0);
    EXPECT_EQ(t.ok->y(), 700 - px(480, dpiY));
    EXPECT_NEAR(t.ok->x() + t.ok->width() / 2.0, 450, 1.0);
    EXPECT_EQ(rahmen, f.frameGeometry().size() - f.size());
}

TEST(FrmMessage, EscPrintsAndStaysOpen) {
    DruckRecorder drucker;
    frmMessage f(nullptr, &drucker);
    f.sMessage("Zeile");
    f.show();
    const Teile t = teile(f);
    t.text->setFocus();
    QTest::keyClick(t.text, Qt::Key_Escape);
    ASSERT_EQ(drucker.bilder.size(), 1u);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(drucker.bilder[0].size(), f.size() * f.devicePixelRatio());
    EXPECT_NEAR(drucker.bilder[0].dotsPerMeterX() * 0.0254, f.logicalDpiX(), 1.0);

    // Enter is no default button either: it goes into the text.
    QTest::keyClick(t.text, Qt::Key_Return);
    EXPECT_TRUE(f.isVisible());

    QTest::mouseClick(t.drucken, Qt::LeftButton);
    EXPECT_EQ(drucker.bilder.size(), 2u);
    QTest::mouseClick(t.ok, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

TEST(FrmMessage, PrintFailureReportedWindowStaysOpen) {
    MeldungsRecorder box;
    MeldungsBoxTausch tausch(box);
    DruckRecorder drucker;
    drucker.bFehler = true;
    frmMessage f(nullptr, &drucker);
    f.show();
    teile(f).drucken->click();
    ASSERT_EQ(box.meldungen.size(), 1u);
    EXPECT_EQ(box.meldungen[0].sTitel, "Fehler VB00482");
    EXPECT_EQ(box.meldungen[0].sText, "Druckerfehler\r\n\r\nFunktion: cmdDrucken_Click/frmMessage");
    EXPECT_EQ(box.meldungen[0].iStil, 16);
    EXPECT_TRUE(f.isVisible());

    drucker.bFehler = false;
    drucker.bFremdfehler = true;
    QTest::keyClick(&f, Qt::Key_Escape);
    ASSERT_EQ(box.meldungen.size(), 2u);
    EXPECT_EQ(box.meldungen[1].sTitel, "Fehler VB01004");
    EXPECT_EQ(box.meldungen[1].sText, "Spooler weg\r\n\r\nFunktion: cmdDrucken_Click/frmMessage");
    EXPECT_TRUE(f.isVisible());
}

TEST(FrmMessage, ModalShowEndsWithOk) {
    DruckRecorder drucker;
    frmMessage f(nullptr, &drucker);
    f.sMessage("x");
    QTimer::singleShot(0, &f, [&f] { teile(f).ok->click(); });
    EXPECT_EQ(f.exec(), QDialog::Accepted);
    EXPECT_TRUE(drucker.bilder.empty());
}

TEST(QtDrucker, NoDefaultPrinterIsPrinterError) {
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
