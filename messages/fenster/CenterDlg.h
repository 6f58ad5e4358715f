#pragma once
// The centring of the file dialogs: the arithmetic and the one-shot watcher that moves the first
// dialog shown while a CCenterDialog lives.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

namespace rastfang {

/// Top-left corner that centres a window of outer size `dialog` on a screen of size `bildschirm`
/// (both in pixels), relative to the screen's corner: each half of the difference is rounded to
/// the nearest whole number, halves to the even neighbour (1024×768, 563×419 → (230, 174)).
QPoint gZentriertePosition(QSize bildschirm, QSize dialog);

/// Top-left corner of the outer frame that centres a window whose inner (client) size is
/// `innen` and whose window-manager frame has the margins `rahmen`, as gZentriertePosition of
/// the outer size.
QPoint gZentrierteRahmenPosition(QSize bildschirm, QSize innen, QMargins rahmen);

/// Centres the top-level window `fenster` on its screen, frame included: at once with the frame
/// as far as it is known, and once more when the window is first exposed, by which time the
/// window manager has put its frame around it (before that Qt knows only the inner size).
void gZentrieren(QWidget& fenster);

/// Application-wide event filter that waits for the first QDialog window to be shown, moves it
/// to the centre of its screen without changing its size, and then removes itself.
class DialogZentrierer : public QObject {
    Q_OBJECT
  public:
    /// Installs itself on the running application; without one it stays inactive.
    DialogZentrierer();
    /// Removes itself if no dialog came.
    ~DialogZentrierer() override;
    DialogZentrierer(const DialogZentrierer&) = delete;
    DialogZentrierer& operator=(const DialogZentrierer&) = delete;

    /// True while it still waits for a dialog.
    bool bWartet() const { return m_bWartet; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void entfernen();
    bool m_bWartet = false;
};

}  // namespace rastfang
