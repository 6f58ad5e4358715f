#pragma once
// The shared routines of the window that touch widgets: the status line and the select-all
// behaviour of the entries.

#include <QString>

#include "reader/Statuszeile.h"

class QLineEdit;

namespace rastfang {

/// Shows `sText` in the status line `txtStatus` (appended to its current text when
/// `bAnhaengen`) and repaints it at once, so that the text is visible while a long step keeps
/// the event loop busy.
void gStatusAnzeigen(QLineEdit& txtStatus, const QString& sText, bool bAnhaengen = false);

/// Puts the caret at the start of the entry's text and selects the whole text, so that typing
/// replaces it. Always true (callers ignore it).
bool gbTextMarkieren(QLineEdit& txtEintrag);

/// Makes `txtEintrag` select its whole text whenever it receives the focus. The selection is
/// made once the focus change is complete, as the mouse click that brought the focus would
/// otherwise put the caret back under the pointer.
void gMarkierenBeiFokus(QLineEdit& txtEintrag);

/// A status line entry as the place the run and the reader write their progress texts into.
class Statusfeld : public Statuszeile {
  public:
    explicit Statusfeld(QLineEdit& txtStatus) : m_txtStatus(txtStatus) {}
    /// `gStatusAnzeigen` with `sText`.
    void ZeigeText(const QString& sText) override;

  private:
    QLineEdit& m_txtStatus;
};

}  // namespace rastfang
