#pragma once
// The layout of the result window, as arithmetic on twips (1/1440 inch): sizes in, positions out,
// so that small and wide windows can be checked without a screen.

#include <optional>

namespace rastfang {

/// Fixed sizes of the result window, in twips.
namespace MessageMasse {
inline constexpr float MIN_BREITE = 3048.0f;          ///< smallest outer width
inline constexpr float MIN_HOEHE = 1600.0f;           ///< smallest outer height
inline constexpr float OK_BREITE = 756.0f;            ///< "&OK"
inline constexpr float DRUCKEN_BREITE = 1056.0f;      ///< "&Drucken"
inline constexpr float KNOPF_HOEHE = 360.0f;          ///< both buttons
inline constexpr float TEXT_ABSTAND_UNTEN = 600.0f;   ///< inner height − text box height
inline constexpr float KNOPF_ABSTAND_UNTEN = 480.0f;  ///< inner height − button top
inline constexpr float RAND_RECHTS = 100.0f;          ///< "&Drucken" to the right edge
inline constexpr float KNOPF_ABSTAND = 24.0f;         ///< "&Drucken" right of "&OK" when narrow
inline constexpr float ENTWURF_BREITE = 4668.0f;      ///< inner width as designed
inline constexpr float ENTWURF_HOEHE = 5016.0f;       ///< inner height as designed
}  // namespace MessageMasse

/// The window's size as it is now, in twips.
struct MessageFenstermasse {
    float fAussenBreite = 0;  ///< outer width (with frame)
    float fAussenHoehe = 0;   ///< outer height (with frame and caption)
    float fRahmenBreite = 0;  ///< outer width − inner width
    float fRahmenHoehe = 0;   ///< outer height − inner height
    /// The buttons' widths: as designed, or wider where the font needs more room.
    float fOkBreite = MessageMasse::OK_BREITE;
    float fDruckenBreite = MessageMasse::DRUCKEN_BREITE;
};

/// Where everything goes, in twips. The text box sits at (0, 0).
struct MessageLayout {
    float fAussenBreite;  ///< outer width, at least MIN_BREITE
    float fAussenHoehe;   ///< outer height, at least MIN_HOEHE
    float fTextBreite;    ///< text box width = inner width
    /// Text box height = inner height − 600; none when that would be negative (the step is
    /// skipped and the box keeps its height).
    std::optional<float> fTextHoehe;
    float fOkLinks;       ///< "&OK" centred
    float fOkOben;        ///< inner height − 480
    float fDruckenLinks;  ///< 100 from the right edge, or 24 right of "&OK" when that collides
    float fDruckenOben;   ///< the top of "&OK"
};

/// Lays the window out: the outer size is raised to the minimum first, the controls follow the
/// inner size that results. The minimum width grows with wider buttons, so that "&Drucken" still
/// fits beside the centred "&OK". All values single precision.
MessageLayout gMessageLayout(const MessageFenstermasse& masse);

/// Twips to whole pixels at `dDpi` dots per inch (15 twips a pixel at 96), rounded.
int giTwipsZuPixel(float fTwips, double dDpi);
/// Pixels to twips at `dDpi` dots per inch.
float gfPixelZuTwips(int iPixel, double dDpi);

}  // namespace rastfang
