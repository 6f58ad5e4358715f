#pragma once
// One row of the output as the writer's tests expect to read it back, columns A to Z.

#include <QStringList>

/// `anfang`, then `sRest` up to column Y (the last the writer formats), and Z without anything.
inline QStringList gRasterzeile(QStringList anfang, const QString& sRest) {
    while (anfang.size() < 25) anfang << sRest;
    return anfang << QStringLiteral("None");
}
