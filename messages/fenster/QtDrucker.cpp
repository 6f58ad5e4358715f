#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "Drucker.h"
#include "VbFehler.h"

namespace rastfang {

void QtDrucker::Drucken(const QImage& bild) {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    std::unique_ptr<QPrinter> drucker;
    QString sPdf;
    if (!standard.isNull()) {
        drucker = std::make_unique<QPrinter>(standard, QPrinter::HighResolution);
    } else {
        if (!m_pdfZiel) throw VbFehler(FEHLER_DRUCKER);
        const std::optional<QString> ziel = m_pdfZiel();
        if (!ziel || ziel->isEmpty()) return;
        sPdf = *ziel;
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drucker->setOutputFormat(QPrinter::PdfFormat);
        drucker->setOutputFileName(sPdf);
    }

    QPainter maler;
    if (!maler.begin(drucker.get())) throw VbFehler(FEHLER_DRUCKER);
    // Keep the window's size on paper: scale from the image's resolution to the printer's.
    const double dBildDpi = bild.dotsPerMeterX() > 0 ? bild.dotsPerMeterX() * 0.0254 : 96.0;
    const double dFaktor = drucker->resolution() / dBildDpi;
    maler.drawImage(QRectF(0, 0, bild.width() * dFaktor, bild.height() * dFaktor), bild);
    if (!maler.end()) throw VbFehler(FEHLER_DRUCKER);
    // The PDF engine does not report a failed write; an empty file is one.
    if (!sPdf.isEmpty() && QFileInfo(sPdf).size() <= 0) throw VbFehler(FEHLER_DRUCKER);
}

}  // namespace rastfang
