#include <QCoreApplication>
#include <QStandardPaths>

#include "CRegistry.h"

namespace rastfang {

namespace {

/// The first folder of XDG_CONFIG_DIRS, /etc/xdg when it names none.
QString systemKonfigOrdner() {
    const QStringList ordner =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return ordner.isEmpty() ? QStringLiteral("/etc/xdg") : ordner.first();
}

}  // namespace

QString gsMitBackslash(const QString& sText) {
    if (sText.endsWith(QLatin1Char('/')) || sText.endsWith(QLatin1Char('\\'))) return sText;
    return sText + QLatin1Char('/');
}

SettingsOrte SettingsOrte::Plattform() {
    const QString sBenutzer =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString sSystem = systemKonfigOrdner();
    return {sBenutzer + QStringLiteral("/Tesmarin/HKEY_CURRENT_USER.reg"),
            sSystem + QStringLiteral("/Tesmarin/HKEY_LOCAL_MACHINE.reg"),
            QCoreApplication::applicationDirPath(), sSystem};
}

CRegistry& goRegistry() {
    static CRegistry registry;
    return registry;
}

}  // namespace rastfang
