#pragma once
// The picture of the browse buttons: three black dots on grey, 16 × 16 pixels.

#include <QPixmap>

namespace rastfang {

/// The 16 × 16 picture of the browse buttons.
QPixmap gPunktbild();

}  // namespace rastfang
