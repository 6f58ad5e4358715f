#include "app/FormRoutinen.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace rastfang {

namespace {

// Owned by its entry (Qt parent), so it lives exactly as long as the entry it watches.
class MarkierenFilter : public QObject {
  public:
    explicit MarkierenFilter(QLineEdit& txtEintrag) : QObject(&txtEintrag) {}

    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::FocusIn) {
            QPointer<QLineEdit> txtEintrag = qobject_cast<QLineEdit*>(objekt);
            QTimer::singleShot(0, this, [txtEintrag] {
                if (txtEintrag && txtEintrag->hasFocus()) gbTextMarkieren(*txtEintrag);
            });
        }
        return false;
    }
};

}  // namespace

void gStatusAnzeigen(QLineEdit& txtStatus, const QString& sText, bool bAnhaengen) {
    txtStatus.setText(bAnhaengen ? txtStatus.text() + sText : sText);
    txtStatus.repaint();
}

bool gbTextMarkieren(QLineEdit& txtEintrag) {
    txtEintrag.setCursorPosition(0);
    txtEintrag.setSelection(0, static_cast<int>(txtEintrag.text().size()));
    return true;
}

void gMarkierenBeiFokus(QLineEdit& txtEintrag) {
    txtEintrag.installEventFilter(new MarkierenFilter(txtEintrag));
}

void Statusfeld::ZeigeText(const QString& sText) {
    gStatusAnzeigen(m_txtStatus, sText);
}

}  // namespace rastfang
