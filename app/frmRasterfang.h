#pragma once
// The main window: the two workbooks, the start row, the six column positions with the filter
// value, and the commands "&Start" and "&Beenden".

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/Eingaben.h"
#include "app/FormRoutinen.h"
#include "app/StartBefehl.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rastfang {

/// The main window "Berufsschulergebnisse extrahieren". Loading fills the entries from the
/// presets; every way of closing ("&Beenden", Esc, the close box) writes them back. Enter
/// presses "&Start" (the default button), Esc presses "&Beenden". The controls carry their
/// names as object names ("txtErgebnisdatei", "txtSpalte_0" .. "txtSpalte_5", "cmdPfeil_0", …).
class frmRasterfang : public QDialog {
    Q_OBJECT
  public:
    /// Builds and loads the window (presets read, status line laid along the bottom edge).
    explicit frmRasterfang(QWidget* parent = nullptr);
    ~frmRasterfang() override;

    /// The entries' texts as they stand.
    Eingaben eingaben() const;
    /// Puts the texts of `eingaben` into the entries, each cut at its first line break.
    void setzeEingaben(const Eingaben& eingaben);

    /// Puts the file path `sPfad` into the entry of `feld` (Ergebnisdatei or ErgebnisWorkfile):
    /// the one way in for a path from outside the entries, the command line's or a dropped one.
    void setzeDateipfad(Eingabefeld feld, const QString& sPfad);

    /// Replaces how the summary of a run is shown (by default the modal result window).
    void setzeZusammenfassungsAnzeige(std::function<void(const QString&)> anzeige);

    /// The unload: writes the entries to the presets. Closing the window runs it; so does the
    /// end of the desktop session, which may not close the window.
    void Form_Unload();

    /// How the last "&Start" ended (Fertig before the first one).
    StartErgebnis letztesErgebnis() const { return m_letztesErgebnis; }

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void ErzeugeSteuerelemente();
    void LegeTabfolgeFest();
    void Form_Load();
    void cmdOK_Click();
    void cmdPfeil_Click(int iIndex);
    void txtSpalte_LostFocus(int iIndex);
    void ZeigeZusammenfassung(const QString& sText);
    QLineEdit* Fokusziel(Eingabefeld feld, int iIndex) const;
    QRect Pixel(int l, int t, int w, int h) const;
    /// Places `w` at the twips rectangle given, remembering it for Einpassen().
    void Platziere(QWidget* w, int l, int t, int iBreite, int iHoehe);
    void Platziere(QWidget* w, QRect twips) {
        Platziere(w, twips.x(), twips.y(), twips.width(), twips.height());
    }
    /// Grows the layout where the font needs more room than the twips give.
    void Einpassen();

    QLineEdit* txtErgebnisdatei = nullptr;
    std::array<QPushButton*, 2> cmdPfeil{};
    QLineEdit* txtZeile = nullptr;
    std::array<QLineEdit*, 6> txtSpalte{};
    QLineEdit* txtFilterWert = nullptr;
    QLineEdit* txtErgebnisWorkfile = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbort = nullptr;
    std::array<QLabel*, 9> lblAnz{};
    std::array<QLabel*, 2> lblErgebnisDatei{};
    QLineEdit* txtStatus = nullptr;
    QGroupBox* fraSpalten = nullptr;

    std::vector<std::pair<QWidget*, QRect>> m_entwurf;  ///< every control with its twips
    double m_dSkalaX = 1.0;
    double m_dSkalaY = 1.0;
    std::unique_ptr<Statusfeld> m_status;
    std::function<void(const QString&)> m_zusammenfassungsAnzeige;
    StartErgebnis m_letztesErgebnis = StartErgebnis::Fertig;
};

}  // namespace rastfang
