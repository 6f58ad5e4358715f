#include "messages/fenster/QtMauszeiger.h"

#include <QCursor>
#include <QGuiApplication>

namespace rastfang {

namespace {

// The VB pointer numbers this program can meet; the rest show the arrow.
Qt::CursorShape zeigerForm(int16_t iZeiger) {
    switch (iZeiger) {
        case 3:
            return Qt::IBeamCursor;
        case Mauszeiger::SANDUHR:
            return Qt::WaitCursor;
        case 13:
            return Qt::BusyCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

QtMauszeiger::~QtMauszeiger() {
    if (m_iZeiger != STANDARD) QGuiApplication::restoreOverrideCursor();
}

void QtMauszeiger::Setzen(int16_t iZeiger) {
    if (iZeiger == m_iZeiger) return;
    // Exactly one override cursor belongs to this pointer, so a stack never builds up.
    if (m_iZeiger != STANDARD) QGuiApplication::restoreOverrideCursor();
    if (iZeiger != STANDARD) QGuiApplication::setOverrideCursor(QCursor(zeigerForm(iZeiger)));
    m_iZeiger = iZeiger;
}

}  // namespace rastfang
