#include <gtest/gtest.h>

#include <QDialog>
#include <QScreen>
#include <tuple>

#include "messages/fenster/CCenterDialog.h"
#include "messages/fenster/CenterDlg.h"

using namespace rastfang;

TEST(CenterDlg, RoundsHalvesToEven) {
    // Larger than the screen: the corner goes off-screen, still rounded to even.
    const std::tuple<QSize, QSize, QPoint> faelle[] = {{{1024, 768}, {563, 419}, {230, 174}},
                                                       {{800, 600}, {301, 201}, {250, 200}},
                                                       {{800, 600}, {1001, 703}, {-100, -52}}};
    for (const auto& [schirm, dialog, erwartet] : faelle)
        EXPECT_EQ(gZentriertePosition(schirm, dialog), erwartet) << dialog.width();
    // With a window manager's frame: the outer frame is centred, not the client area.
    EXPECT_EQ(gZentrierteRahmenPosition({1024, 768}, {563, 419}, QMargins(1, 24, 1, 1)),
              QPoint(230, 162));
}

TEST(CCenterDialog, CentresOnlyTheFirstDialogShown) {
    QDialog erster, zweiter, spaeter;
    QWidget keinDialog;
    erster.resize(301, 201);
    zweiter.move(20, 20);
    keinDialog.move(30, 30);
    {
        CCenterDialog zentrieren;
        keinDialog.show();
        EXPECT_EQ(keinDialog.pos(), QPoint(30, 30));
        EXPECT_TRUE(zentrieren.bWartet());
        erster.show();
        EXPECT_FALSE(zentrieren.bWartet());
        EXPECT_EQ(erster.size(), QSize(301, 201));
        const QRect schirm = erster.screen()->geometry();
        EXPECT_EQ(erster.pos() - schirm.topLeft(),
                  gZentriertePosition(schirm.size(), erster.frameGeometry().size()));
        zweiter.show();
        EXPECT_EQ(zweiter.pos(), QPoint(20, 20));
    }
    // A watch that never saw a dialog leaves nothing behind either.
    { CCenterDialog zentrieren; }
    spaeter.move(15, 25);
    spaeter.show();
    EXPECT_EQ(spaeter.pos(), QPoint(15, 25));
}
