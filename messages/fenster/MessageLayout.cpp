#include "messages/fenster/MessageLayout.h"

#include <algorithm>
#include <cmath>

namespace rastfang {

using namespace MessageMasse;

MessageLayout gMessageLayout(const MessageFenstermasse& masse) {
    MessageLayout l{};
    l.fAussenHoehe = masse.fAussenHoehe < MIN_HOEHE ? MIN_HOEHE : masse.fAussenHoehe;
    // As designed, OK, the gap and twice "&Drucken" just fill the smallest window.
    const float fMinBreite =
        std::max(MIN_BREITE, masse.fOkBreite + 2.0f * (KNOPF_ABSTAND + masse.fDruckenBreite) +
                                 masse.fRahmenBreite);
    l.fAussenBreite = masse.fAussenBreite < fMinBreite ? fMinBreite : masse.fAussenBreite;
    const float fInnenBreite = l.fAussenBreite - masse.fRahmenBreite;
    const float fInnenHoehe = l.fAussenHoehe - masse.fRahmenHoehe;

    l.fTextBreite = fInnenBreite;
    const float fTextHoehe = fInnenHoehe - TEXT_ABSTAND_UNTEN;
    if (fTextHoehe >= 0.0f) l.fTextHoehe = fTextHoehe;

    l.fOkOben = fInnenHoehe - KNOPF_ABSTAND_UNTEN;
    l.fOkLinks = (fInnenBreite - masse.fOkBreite) / 2.0f;
    const float fR = fInnenBreite - masse.fDruckenBreite - RAND_RECHTS;
    l.fDruckenOben = l.fOkOben;
    const float fNebenOk = l.fOkLinks + masse.fOkBreite + KNOPF_ABSTAND;
    l.fDruckenLinks = fNebenOk <= fR ? fR : fNebenOk;
    return l;
}

int giTwipsZuPixel(float fTwips, double dDpi) {
    return static_cast<int>(std::lround(static_cast<double>(fTwips) * dDpi / 1440.0));
}

float gfPixelZuTwips(int iPixel, double dDpi) {
    return static_cast<float>(iPixel * 1440.0 / dDpi);
}

}  // namespace rastfang
