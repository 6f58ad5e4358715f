#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>

#include "settings/CRegistry.h"

namespace rastfang {

namespace {

/// The first folder of XDG_CONFIG_DIRS, /etc/xdg when it names none.
QString systemKonfigOrdner() {
    const QStringList ordner =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return ordner.isEmpty() ? QStringLiteral("/etc/xdg") : ordner.first();
}

/// The folders a package or "make install" puts programs into.
constexpr std::array<const char*, 8> SYSTEM_PROGRAMMORDNER{"/usr/bin",   "/usr/local/bin",  "/bin",
                                                           "/usr/sbin",  "/usr/local/sbin", "/sbin",
                                                           "/usr/games", "/usr/local/games"};

}  // namespace

QString gsIniOrdner(const QString& sProgrammOrdner, bool bIniDaneben,
                    const QString& sBenutzerKonfig) {
    if (bIniDaneben) return sProgrammOrdner;
    const QString sOrdner = QDir::cleanPath(sProgrammOrdner);
    for (const char* pszSystem : SYSTEM_PROGRAMMORDNER) {
        if (sOrdner == QLatin1String(pszSystem)) {
            return sBenutzerKonfig + QStringLiteral("/Tesmarin");
        }
    }
    return sProgrammOrdner;
}

QString gsMitBackslash(const QString& sText) {
    if (sText.endsWith(QLatin1Char('/')) || sText.endsWith(QLatin1Char('\\'))) return sText;
    return sText + QLatin1Char('/');
}

SettingsOrte SettingsOrte::Plattform() {
    const QString sBenutzer =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString sSystem = systemKonfigOrdner();
    const QString sProgramm = QCoreApplication::applicationDirPath();
    const QString sIniOrdner = gsIniOrdner(
        sProgramm, QFileInfo::exists(sProgramm + QStringLiteral("/Rastfang.ini")), sBenutzer);
    // The INI layer writes into an existing folder only, as the profile functions do.
    if (sIniOrdner != sProgramm) QDir().mkpath(sIniOrdner);
    return {sBenutzer + QStringLiteral("/Tesmarin/HKEY_CURRENT_USER.reg"),
            sSystem + QStringLiteral("/Tesmarin/HKEY_LOCAL_MACHINE.reg"), sIniOrdner, sSystem};
}

CRegistry& goRegistry() {
    static CRegistry registry;
    return registry;
}

}  // namespace rastfang
