#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "Drucker.h"
#include "VbFehler.h"

namespace rastfang {

void QtDrucker::Drucken(const QImage& bild) {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull()) throw VbFehler(FEHLER_DRUCKER);

    QPrinter drucker(standard, QPrinter::HighResolution);
    QPainter maler;
    if (!maler.begin(&drucker)) throw VbFehler(FEHLER_DRUCKER);
    // Keep the window's size on paper: scale from the image's resolution to the printer's.
    const double dBildDpi = bild.dotsPerMeterX() > 0 ? bild.dotsPerMeterX() * 0.0254 : 96.0;
    const double dFaktor = drucker.resolution() / dBildDpi;
    maler.drawImage(QRectF(0, 0, bild.width() * dFaktor, bild.height() * dFaktor), bild);
    if (!maler.end()) throw VbFehler(FEHLER_DRUCKER);
}

}  // namespace rastfang
