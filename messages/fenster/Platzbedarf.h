#pragma once
// How much room a control needs to show its whole caption in the font it really gets. The window
// geometry was drawn in twips for a narrow 8-point face; a desktop that has only DejaVu fonts
// renders the same captions much wider, so the windows measure before they place.

#include <QSize>
#include <QString>

class QWidget;

namespace rastfang {

/// The smallest size in pixels at which `w` shows all of its caption: a label its text, a push
/// button its text (and icon), a group box its title, a line edit `sMuster` (the longest text
/// it must show in full, e.g. two column letters). Other widgets need nothing (0 × 0).
QSize gPlatzbedarf(const QWidget& w, const QString& sMuster = {});

/// The factor by which a size must grow so that it holds `bedarf`, for width and height apart;
/// at least 1 each (nothing shrinks).
QSizeF gWachstum(QSize bedarf, QSize vorhanden);

}  // namespace rastfang
