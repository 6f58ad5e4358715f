#pragma once
// Window lengths are designed in twips (1/1440 inch); on screen they become pixels at the
// screen's logical resolution (15 twips per pixel at 96 dpi).

#include <QRect>
#include <cmath>

namespace rastfang {

/// Twips → pixels at `dDpi` logical dots per inch, rounded.
inline int giPixel(double dTwips, double dDpi) {
    return static_cast<int>(std::lround(dTwips * dDpi / 1440.0));
}

/// A rectangle given as Left, Top, Width, Height in twips, in pixels at the given resolution.
inline QRect gPixelRechteck(double l, double t, double w, double h, double dDpiX, double dDpiY) {
    return {giPixel(l, dDpiX), giPixel(t, dDpiY), giPixel(w, dDpiX), giPixel(h, dDpiY)};
}

}  // namespace rastfang
