#include "app/Punktbild.h"

#include <QPainter>

namespace rastfang {

QPixmap gPunktbild() {
    constexpr int GROESSE = 16;
    constexpr int PUNKT = 2;
    QPixmap bild(GROESSE, GROESSE);
    bild.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter maler(&bild);
    // Three dots on the lower middle line, like the ellipsis of a "..." caption.
    for (const int x : {3, 7, 11}) maler.fillRect(x, 10, PUNKT, PUNKT, Qt::black);
    return bild;
}

}  // namespace rastfang
