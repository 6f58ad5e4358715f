#pragma once
// The message box of the desktop program: a modal QMessageBox with the icon and buttons that the
// style number names, answering with the classic answer numbers.

#include <QMessageBox>
#include <cstdint>

#include "basis/Plattform.h"

namespace rastfang {

/// The QMessageBox icon of a style number (16 Critical, 32 Question, 48 Warning,
/// 64 Information, anything else none).
QMessageBox::Icon gSymbolAusStil(int16_t iStil);

/// The buttons of a style number's button set (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
/// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel; other sets give OK).
QMessageBox::StandardButtons gKnoepfeAusStil(int16_t iStil);

/// The answer number of a pressed button (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes,
/// 7 No); a box closed without a button counts as Cancel.
int16_t giAntwortAusKnopf(QMessageBox::StandardButton knopf);

/// The Qt implementation of the message-box seam. Install it with `MeldungsBoxTausch` once a
/// QApplication exists.
class QtMeldungsBox : public MeldungsBox {
  public:
    /// Shows the box modally (no parent, placed by the platform) and returns the answer.
    int16_t Zeige(const QString& sText, int16_t iStil, const QString& sTitel) override;
};

}  // namespace rastfang
