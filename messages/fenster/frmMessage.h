#pragma once
// The result window: shows a longer text (the summary of an extraction run) in a fixed-pitch
// font, lets the user scroll it, print an image of the window, and close it.

#include <QDialog>
#include <QString>
#include <exception>
#include <memory>

#include "messages/fenster/Drucker.h"
#include "messages/fenster/MessageLayout.h"

class QEventLoop;
class QPlainTextEdit;
class QPushButton;

namespace rastfang {

/// Modal result window "Ergebnisse". Set the text with `sMessage`, then `exec()`. Each showing
/// (the first, and any after a close) fills the text in, takes the outer height of the main
/// window and opens centred on the screen. Esc presses "&Drucken"; there is no default button,
/// but Enter presses the button that has the focus, and Tab leaves the text box.
/// The controls are named "txtMessage", "cmdOK" and "cmdDrucken".
class frmMessage : public QDialog {
    Q_OBJECT
  public:
    /// `hauptfenster` (may be null) is the parent and gives the height; `drucker` (not owned,
    /// may be null for the default printer) prints the window.
    explicit frmMessage(QWidget* hauptfenster = nullptr, Drucker* drucker = nullptr);
    ~frmMessage() override;

    /// The text to show. Takes effect when the window is shown, as it is filled in then.
    void sMessage(const QString& sText);

    /// Closes the window; the next showing fills it afresh, as a newly loaded window.
    void done(int iErgebnis) override;

    /// Shows the window modally and waits until it is closed, as QDialog::exec. A failure of a
    /// button (printing) has no handling of its own: it ends the wait, leaving the window open,
    /// and is thrown from here to the caller's handler.
    int exec() override;

  protected:
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

  private:
    void Form_Load();
    void Form_Resize();
    void cmdDrucken_Click();

    QString m_sMessage;
    QEventLoop* m_schleife = nullptr;             ///< the wait of exec(), while it runs
    std::exception_ptr m_fehler;                  ///< a failure of a button, for exec() to throw
    float m_fOkBreite = MessageMasse::OK_BREITE;  ///< twips, or what the font needs
    float m_fDruckenBreite = MessageMasse::DRUCKEN_BREITE;  ///< twips, or what the font needs
    bool m_bGeladen = false;
    std::unique_ptr<Drucker> m_eigenerDrucker;
    Drucker* m_drucker;
    QPlainTextEdit* m_txtMessage;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdDrucken;
};

}  // namespace rastfang
