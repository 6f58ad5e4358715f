#include "app/DateiAblage.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace rastfang {

QString gsAbgelegteDatei(const QMimeData& daten) {
    const QList<QUrl> adressen = daten.urls();
    if (adressen.size() != 1 || !adressen.first().isLocalFile()) return {};
    return adressen.first().toLocalFile();
}

DateiAblage::DateiAblage(QWidget& fenster,
                         std::function<void(QObject* ziel, const QString& sPfad)> ablegen)
    : QObject(&fenster), m_ablegen(std::move(ablegen)) {
    fenster.setAcceptDrops(true);
    fenster.installEventFilter(this);
    for (QLineEdit* eintrag : fenster.findChildren<QLineEdit*>()) eintrag->installEventFilter(this);
}

bool DateiAblage::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::DragEnter && art != QEvent::DragMove && art != QEvent::Drop) return false;
    // QDragEnterEvent and QDragMoveEvent derive from QDropEvent.
    auto* ablage = static_cast<QDropEvent*>(ereignis);
    const QString sPfad = gsAbgelegteDatei(*ablage->mimeData());
    if (sPfad.isEmpty()) return false;
    if (ablage->possibleActions() & Qt::CopyAction) {
        ablage->setDropAction(Qt::CopyAction);
    } else if (ablage->possibleActions() & Qt::LinkAction) {
        ablage->setDropAction(Qt::LinkAction);
    } else {
        ablage->ignore();
        return true;
    }
    ablage->accept();
    if (art == QEvent::Drop) m_ablegen(objekt, sPfad);
    return true;
}

}  // namespace rastfang
