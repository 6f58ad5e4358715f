#include "CenterDlg.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace rastfang {

QPoint gZentriertePosition(QSize bildschirm, QSize dialog) {
    // nearbyint rounds in the default mode, halves to the even neighbour.
    const double x = std::nearbyint((bildschirm.width() - dialog.width()) / 2.0);
    const double y = std::nearbyint((bildschirm.height() - dialog.height()) / 2.0);
    return {static_cast<int>(x), static_cast<int>(y)};
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
            const QScreen* schirm =
                dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
            if (schirm) {
                const QRect flaeche = schirm->geometry();
                const QPoint pos =
                    gZentriertePosition(flaeche.size(), dialog->frameGeometry().size());
                dialog->move(flaeche.topLeft() + pos);
            }
            entfernen();
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

}  // namespace rastfang
