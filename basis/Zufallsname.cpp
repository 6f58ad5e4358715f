#include "basis/Zufallsname.h"

#include <QRandomGenerator>

namespace rastfang {

QString gsZufallsteil() {
    static constexpr char kZeichen[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString s;
    for (int i = 0; i < 6; ++i) {
        s += QLatin1Char(kZeichen[QRandomGenerator::system()->bounded(int(sizeof kZeichen) - 1)]);
    }
    return s;
}

}  // namespace rastfang
