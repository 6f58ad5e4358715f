#pragma once
// The fixture of the window tests: a shown, active main window with empty entries, a recording
// message box and mouse pointer, and the summary caught instead of shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "CRegistry.h"
#include "Plattform.h"
#include "TestHilfen.h"
#include "frmRasterfang.h"

namespace rastfang::test {

/// A mouse pointer that keeps every value it was set to.
class ProtokollZeiger : public Mauszeiger {
  public:
    int16_t Lesen() const override { return m_iZeiger; }
    void Setzen(int16_t iZeiger) override {
        m_iZeiger = iZeiger;
        werte.push_back(iZeiger);
    }
    std::vector<int16_t> werte;

  private:
    int16_t m_iZeiger = STANDARD;
};

class FensterTest : public ::testing::Test {
  protected:
    QTemporaryDir iniOrdner;
    void SetUp() override {
        // Each test process keeps its presets in a file of its own: tests running side by side
        // must not read each other's entries.
        ASSERT_TRUE(iniOrdner.isValid());
        {
            MeldungsRecorder registryMeldungen;
            const MeldungsBoxTausch box(registryMeldungen);
            goRegistry().sGlobIniDatei(iniOrdner.filePath(QStringLiteral("Rastfang.ini")));
        }
        fenster = std::make_unique<frmRasterfang>();
        fenster->setzeEingaben({});
        fenster->setzeZusammenfassungsAnzeige([this](const QString& sText) {
            zusammenfassungen.push_back(sText);
            zeigerBeiZusammenfassung = zeiger.Lesen();
            statusBeiZusammenfassung = feld("txtStatus")->text();
        });
        QObject::connect(feld("txtStatus"), &QLineEdit::textChanged,
                         [this](const QString& s) { statustexte << s; });
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        QTest::qWait(10);
    }

    /// The entry or button with that object name.
    QLineEdit* feld(const char* name) const {
        auto* w = fenster->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton* knopf(const char* name) const {
        auto* w = fenster->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    /// Object name of the widget holding the keyboard focus.
    static QString fokusName() {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    /// Moves the focus as a program would and lets the deferred selection happen.
    void fokusAuf(const char* name) {
        feld(name)->setFocus(Qt::OtherFocusReason);
        QTest::qWait(10);
    }
    /// Types `sText` key by key (umlauts as text events, which keyClicks cannot send).
    static void tippe(QWidget* w, const QString& sText) {
        for (const QChar c : sText) {
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    /// The six column entries' texts.
    QStringList spalten() const {
        QStringList l;
        for (int i = 0; i < 6; ++i) {
            l << feld(QByteArray("txtSpalte_") + QByteArray::number(i))->text();
        }
        return l;
    }
    /// Clicks "&Start" with the mouse, as the user would (the button takes the focus).
    void start() { QTest::mouseClick(knopf("cmdOK"), Qt::LeftButton); }

    MeldungsRecorder recorder;
    MeldungsBoxTausch boxTausch{recorder};
    ProtokollZeiger zeiger;
    MauszeigerTausch zeigerTausch{zeiger};
    std::vector<QString> zusammenfassungen;
    int16_t zeigerBeiZusammenfassung = -1;
    QString statusBeiZusammenfassung = QStringLiteral("nicht gezeigt");
    QStringList statustexte;
    std::unique_ptr<frmRasterfang> fenster;
};

}  // namespace rastfang::test
