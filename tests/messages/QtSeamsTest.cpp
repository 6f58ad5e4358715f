#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <tuple>
#include <vector>

#include "messages/fenster/QtMauszeiger.h"
#include "messages/fenster/QtMeldungsBox.h"

using namespace rastfang;

namespace {

/// Runs `aktion` on the message box as soon as it is open.
void sobaldOffen(std::function<void(QMessageBox&)> aktion) {
    QTimer::singleShot(10, [aktion] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return sobaldOffen(aktion);
        aktion(*box);
    });
}

}  // namespace

TEST(QtMeldungsBox, TakesTheIconFromTheStyleNumber) {
    EXPECT_EQ((std::vector{gSymbolAusStil(36), gSymbolAusStil(52), gSymbolAusStil(64),
                           gSymbolAusStil(0)}),
              (std::vector{QMessageBox::Question, QMessageBox::Warning, QMessageBox::Information,
                           QMessageBox::NoIcon}));
    // A box closed without a button counts as Cancel.
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::NoButton), 2);
}

TEST(QtMeldungsBox, ReturnsTheAnswerOfTheButtonPressed) {
    QtMeldungsBox box;
    sobaldOffen([](QMessageBox& b) {
        EXPECT_EQ(std::tuple(b.windowTitle(), b.text(), b.icon(), b.buttons().size()),
                  std::tuple("Fehler VB00070", "Zugriff verweigert\n\nFunktion: x",
                             QMessageBox::Critical, 2));
        b.button(QMessageBox::Retry)->click();
    });
    EXPECT_EQ(box.Zeige("Zugriff verweigert\r\n\r\nFunktion: x", 21, "Fehler VB00070"), 4);
    sobaldOffen([](QMessageBox& b) {
        EXPECT_EQ(b.button(QMessageBox::Yes)->text(), "&Ja");
        b.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(box.Zeige("Soll sie überschrieben werden?", 36, "Frage VLM00131"), 7);

    // A short text leaves room for the whole title beside the frame's buttons.
    sobaldOffen([](QMessageBox& b) {
        QFont fett = b.font();
        fett.setBold(true);
        EXPECT_GE(b.width(), QFontMetrics(fett).horizontalAdvance(b.windowTitle()) + 100);
        b.button(QMessageBox::Ok)->click();
    });
    box.Zeige("x", 16, "Fehler VLM00130");
}

TEST(QtMauszeiger, OverrideCursorFollowsTheValue) {
    {
        QtMauszeiger zeiger;
        EXPECT_EQ(zeiger.Lesen(), 0);
        zeiger.Setzen(11);
        EXPECT_EQ(zeiger.Lesen(), 11);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        zeiger.Setzen(11);  // no second override on the stack
        zeiger.Setzen(0);
        EXPECT_EQ(zeiger.Lesen(), 0);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        zeiger.Setzen(11);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
