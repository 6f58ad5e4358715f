#include "messages/fenster/CenterDlg.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace rastfang {

QPoint gZentriertePosition(QSize bildschirm, QSize dialog) {
    // nearbyint rounds in the default mode, halves to the even neighbour.
    const double x = std::nearbyint((bildschirm.width() - dialog.width()) / 2.0);
    const double y = std::nearbyint((bildschirm.height() - dialog.height()) / 2.0);
    return {static_cast<int>(x), static_cast<int>(y)};
}

QPoint gZentrierteRahmenPosition(QSize bildschirm, QSize innen, QMargins rahmen) {
    return gZentriertePosition(bildschirm, innen.grownBy(rahmen));
}

namespace {

void zentriereJetzt(QWidget& fenster) {
    const QScreen* schirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    const QRect flaeche = schirm->geometry();
    const QRect aussen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                          aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    // move() places the outer frame of a top-level window.
    fenster.move(flaeche.topLeft() +
                 gZentrierteRahmenPosition(flaeche.size(), innen.size(), rahmen));
}

// Waits for the first exposure of a window, centres it then with its frame, and goes away.
class NachRahmenZentrierer : public QObject {
  public:
    NachRahmenZentrierer(QWidget& fenster, QWindow& plattformFenster)
        : QObject(&fenster), m_fenster(fenster) {
        plattformFenster.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Expose && static_cast<QWindow*>(objekt)->isExposed()) {
            objekt->removeEventFilter(this);
            zentriereJetzt(m_fenster);
            deleteLater();
        }
        return QObject::eventFilter(objekt, ereignis);
    }

  private:
    QWidget& m_fenster;
};

}  // namespace

void gZentrieren(QWidget& fenster) {
    zentriereJetzt(fenster);
    if (fenster.isVisible() && fenster.windowHandle() && fenster.windowHandle()->isExposed())
        return;       // already on screen with its frame
    fenster.winId();  // the platform window, to be watched for its exposure
    if (QWindow* plattformFenster = fenster.windowHandle())
        new NachRahmenZentrierer(fenster, *plattformFenster);  // owned by the window
}

DialogZentrierer::DialogZentrierer() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
        m_bWartet = true;
    }
}

DialogZentrierer::~DialogZentrierer() {
    entfernen();
}

void DialogZentrierer::entfernen() {
    if (!m_bWartet) return;
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    m_bWartet = false;
}

bool DialogZentrierer::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (m_bWartet && ereignis->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(objekt);
        if (dialog && dialog->isWindow()) {
            // The dialog's own show handling runs after this filter; a moved dialog is left
            // where it was put instead of being placed over its parent.
            gZentrieren(*dialog);
            entfernen();
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

}  // namespace rastfang
