#include "MessageLayout.h"

#include <cmath>

namespace rastfang {

using namespace MessageMasse;

MessageLayout gMessageLayout(const MessageFenstermasse& masse) {
    MessageLayout l{};
    l.fAussenHoehe = masse.fAussenHoehe < MIN_HOEHE ? MIN_HOEHE : masse.fAussenHoehe;
    l.fAussenBreite = masse.fAussenBreite < MIN_BREITE ? MIN_BREITE : masse.fAussenBreite;
    const float fInnenBreite = l.fAussenBreite - masse.fRahmenBreite;
    const float fInnenHoehe = l.fAussenHoehe - masse.fRahmenHoehe;

    l.fTextBreite = fInnenBreite;
    const float fTextHoehe = fInnenHoehe - TEXT_ABSTAND_UNTEN;
    if (fTextHoehe >= 0.0f) l.fTextHoehe = fTextHoehe;

    l.fOkOben = fInnenHoehe - KNOPF_ABSTAND_UNTEN;
    l.fOkLinks = (fInnenBreite - OK_BREITE) / 2.0f;
    const float fR = fInnenBreite - DRUCKEN_BREITE - RAND_RECHTS;
    l.fDruckenOben = l.fOkOben;
    const float fNebenOk = l.fOkLinks + OK_BREITE + KNOPF_ABSTAND;
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
