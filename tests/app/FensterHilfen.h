#pragma once
// The window tests' fixture: a shown main window with empty entries, presets in a private INI
// file, recording message box and pointer, the summary caught, a file dialog answering a script.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "TestHilfen.h"
#include "app/DateiDialog.h"
#include "app/frmRasterfang.h"
#include "basis/Plattform.h"
#include "settings/CRegistry.h"

namespace rastfang::test {

/// A file dialog that keeps its questions and gives the n-th answer of `antworten` (or Cancel).
struct DialogAntworten : DateiDialog {
    std::optional<QString> Zeige(const DateiDialogOptionen& o) override {
        gefragt.push_back(o);
        return gefragt.size() <= antworten.size() ? antworten[gefragt.size() - 1] : std::nullopt;
    }
    std::vector<std::optional<QString>> antworten;
    std::vector<DateiDialogOptionen> gefragt;
};

class FensterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(iniOrdner.isValid());
        goRegistry().sGlobIniDatei(iniOrdner.filePath(QStringLiteral("Rastfang.ini")));
        fenster = std::make_unique<frmRasterfang>();
        fenster->setzeZusammenfassungsAnzeige([this](const QString& sText) {
            zusammenfassungen.push_back(sText);
            beiZusammenfassung = {zeiger.Lesen(), feld("txtStatus")->text()};
        });
        QObject::connect(feld("txtStatus"), &QLineEdit::textChanged,
                         [this](const QString& s) { statustexte << s; });
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        QTest::qWait(10);
    }

    template <typename T = QLineEdit>
    T* feld(const char* name) const {
        auto* w = fenster->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* knopf(const char* name) const { return feld<QPushButton>(name); }
    static QString fokusName() {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    /// Moves the focus as a program would and lets the deferred selection happen.
    void fokusAuf(const char* name) {
        feld(name)->setFocus(Qt::OtherFocusReason);
        QTest::qWait(10);
    }
    /// Types key by key (umlauts as text events, which keyClicks cannot send).
    static void tippe(QWidget* w, const QString& sText) {
        for (const QChar c : sText) {
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    QTemporaryDir iniOrdner;
    EingesetzterRecorder recorder;
    ProtokollZeiger zeiger;
    MauszeigerTausch zeigerTausch{zeiger};
    DialogAntworten dateiDialog;  ///< a stray picker must not wait for a user
    DateiDialogTausch dateiDialogTausch{dateiDialog};
    std::vector<QString> zusammenfassungen;
    std::pair<int16_t, QString> beiZusammenfassung{-1, "nicht gezeigt"};  ///< pointer, status
    QStringList statustexte;
    std::unique_ptr<frmRasterfang> fenster;
};

}  // namespace rastfang::test
