#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "basis/VbFehler.h"
#include "messages/fenster/Drucker.h"

namespace rastfang {

namespace {

// One page with the picture in its top left corner, at the size the picture has on screen.
void male(QPaintDevice& seite, int iAufloesung, const QImage& bild) {
    QPainter maler;
    if (!maler.begin(&seite)) throw VbFehler(FEHLER_DRUCKER);
    const double dBildDpi = bild.dotsPerMeterX() > 0 ? bild.dotsPerMeterX() * 0.0254 : 96.0;
    const double dFaktor = iAufloesung / dBildDpi;
    maler.drawImage(QRectF(0, 0, bild.width() * dFaktor, bild.height() * dFaktor), bild);
    if (!maler.end()) throw VbFehler(FEHLER_DRUCKER);
}

}  // namespace

void QtDrucker::Drucken(const QImage& bild) {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull()) {
        QPrinter drucker(standard, QPrinter::HighResolution);
        male(drucker, drucker.resolution(), bild);
        return;
    }
    if (!m_pdfZiel) throw VbFehler(FEHLER_DRUCKER);
    const std::optional<QString> ziel = m_pdfZiel();
    if (!ziel || ziel->isEmpty()) return;

    // Made in memory first (a page is small), so that every byte is known to have reached
    // the disk: the file layer reports a short write on a full disk as success. Written
    // beside the target and renamed over it only when complete, so a full disk or a vanished
    // folder leaves any older file of that name as it was.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("Rastfang"));
        male(pdf, pdf.resolution(), bild);
    }
    QSaveFile datei(*ziel);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(puffer.data()) != puffer.size() ||
        !datei.flush() || datei.error() != QFileDevice::NoError || !datei.commit())
        throw VbFehler(FEHLER_DRUCKER);
}

}  // namespace rastfang
