#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "QtMauszeiger.h"
#include "QtMeldungsBox.h"

using namespace rastfang;

namespace {

/// Runs `aktion` on the message box as soon as it is open.
void sobaldOffen(std::function<void(QMessageBox&)> aktion) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, aktion] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            aktion(*box);
        }
    });
    timer->start(10);
}

}  // namespace

TEST(QtMeldungsBox, StyleNumbersAndAnswers) {
    EXPECT_EQ(gSymbolAusStil(16), QMessageBox::Critical);
    EXPECT_EQ(gSymbolAusStil(36), QMessageBox::Question);
    EXPECT_EQ(gSymbolAusStil(52), QMessageBox::Warning);
    EXPECT_EQ(gSymbolAusStil(64), QMessageBox::Information);
    EXPECT_EQ(gSymbolAusStil(0), QMessageBox::NoIcon);
    EXPECT_EQ(gKnoepfeAusStil(16), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(gKnoepfeAusStil(36), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(gKnoepfeAusStil(21), QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::Ok), 1);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::Cancel), 2);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::Abort), 3);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::Retry), 4);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::Ignore), 5);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::Yes), 6);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::No), 7);
    EXPECT_EQ(giAntwortAusKnopf(QMessageBox::NoButton), 2);
}

TEST(QtMeldungsBox, ShowsTheBoxAndReturnsTheButtonPressed) {
    QtMeldungsBox box;
    QString titel, text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    int anzahlKnoepfe = 0;
    sobaldOffen([&](QMessageBox& b) {
        titel = b.windowTitle();
        text = b.text();
        symbol = b.icon();
        anzahlKnoepfe = static_cast<int>(b.buttons().size());
        b.button(QMessageBox::Retry)->click();
    });
    EXPECT_EQ(box.Zeige("Zugriff verweigert\r\n\r\nFunktion: x", 21, "Fehler VB00070"), 4);
    EXPECT_EQ(titel, "Fehler VB00070");
    EXPECT_EQ(text, "Zugriff verweigert\n\nFunktion: x");
    EXPECT_EQ(symbol, QMessageBox::Critical);
    EXPECT_EQ(anzahlKnoepfe, 2);

    QString jaText;
    sobaldOffen([&](QMessageBox& b) {
        jaText = b.button(QMessageBox::Yes)->text();
        b.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(box.Zeige("Soll sie überschrieben werden?", 36, "Frage VLM00131"), 7);
    EXPECT_EQ(jaText, "&Ja");

    sobaldOffen([](QMessageBox& b) { b.button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(box.Zeige("x", 64, "Information VLM00212"), 1);
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
