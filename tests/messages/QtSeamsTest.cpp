#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <tuple>
#include <utility>

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
    const std::pair<int16_t, QMessageBox::Icon> faelle[] = {{36, QMessageBox::Question},
                                                            {52, QMessageBox::Warning},
                                                            {64, QMessageBox::Information},
                                                            {0, QMessageBox::NoIcon}};
    for (const auto& [iStil, symbol] : faelle) EXPECT_EQ(gSymbolAusStil(iStil), symbol) << iStil;
    // A box closed without a button counts as Cancel.
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::NoButton), 2);
}

TEST(QtMeldungsBox, ReturnsTheAnswerOfTheButtonPressed) {
    QtMeldungsBox box;
    std::tuple<QString, QString, QMessageBox::Icon, qsizetype> gesehen;
    sobaldOffen([&](QMessageBox& b) {
        gesehen = {b.windowTitle(), b.text(), b.icon(), b.buttons().size()};
        b.button(QMessageBox::Retry)->click();
    });
    EXPECT_EQ(box.Zeige("Zugriff verweigert\r\n\r\nFunktion: x", 21, "Fehler VB00070"), 4);
    EXPECT_EQ(gesehen, std::tuple("Fehler VB00070", "Zugriff verweigert\n\nFunktion: x",
                                  QMessageBox::Critical, 2));

    QString jaText;
    sobaldOffen([&](QMessageBox& b) {
        jaText = b.button(QMessageBox::Yes)->text();
        b.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(box.Zeige("Soll sie überschrieben werden?", 36, "Frage VLM00131"), 7);
    EXPECT_EQ(jaText, "&Ja");

    // A short text leaves room for the whole title beside the frame's buttons.
    int iBreite = 0, iTitel = 0;
    sobaldOffen([&](QMessageBox& b) {
        QFont fett = b.font();
        fett.setBold(true);
        iTitel = QFontMetrics(fett).horizontalAdvance(b.windowTitle());
        iBreite = b.width();
        b.button(QMessageBox::Ok)->click();
    });
    box.Zeige("x", 16, "Fehler VLM00130");
    EXPECT_GE(iBreite, iTitel + 100);
}

TEST(QtMauszeiger, OverrideCursorFollowsTheValue) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
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
    // Going away with the hourglass set leaves no override behind.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
