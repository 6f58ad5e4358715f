#pragma once
// A private world for one settings test: both registry hives, the program folder and the system
// configuration folder in a temporary folder, and a recorder in place of the message box.

#include <QDir>
#include <QTemporaryDir>

#include "TestHilfen.h"
#include "settings/CRegistry.h"

namespace rastfang::test {

class SettingsUmgebung {
    QTemporaryDir m_dir;  // first, for the paths of `orte` lie in it

  public:
    SettingsUmgebung() { QDir().mkpath(orte.sProgrammOrdner); }

    QString pfad(const QString& sName) const { return m_dir.path() + QLatin1Char('/') + sName; }
    /// The INI file the store uses when no path is registered.
    QString iniDatei() const { return orte.sProgrammOrdner + QStringLiteral("/Rastfang.ini"); }
    bool bStumm() const { return recorder.meldungen.empty(); }

    EingesetzterRecorder recorder;
    SettingsOrte orte{pfad("benutzer/Tesmarin/HKEY_CURRENT_USER.reg"),
                      pfad("system/Tesmarin/HKEY_LOCAL_MACHINE.reg"), pfad("programm"),
                      pfad("system")};
};

}  // namespace rastfang::test
