#include "Notenrundung.h"

#include "Int16.h"
#include "VbText.h"

namespace rastfang {

QString gsNoteRunden(const QString& sNote) {
    QString t = gsTrim(sNote);
    if (t.isEmpty()) return sNote;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const double d = gdVal(t);
    if (d == 0) return sNote;

    // The tenths are kept as an Integer, which is what limits the grades to below 3276.75.
    const int16_t n = giFloorInt16(d * 10 + 0.5);
    const int betrag = n < 0 ? -static_cast<int>(n) : n;
    QString s = n < 0 ? QStringLiteral("-") : QString();
    s += QString::number(betrag / 10) + QLatin1Char(',') + QString::number(betrag % 10);
    return s;
}

}  // namespace rastfang
