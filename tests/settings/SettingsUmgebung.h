#pragma once
// A private world for one settings test: both registry hives, the program folder and the system
// configuration folder in a temporary folder, and a recorder in place of the message box.

#include <QDir>
#include <QTemporaryDir>

#include "TestHilfen.h"
#include "settings/CRegistry.h"

namespace rastfang::test {

class SettingsUmgebung {
  public:
    SettingsUmgebung() : m_tausch(recorder) {
        orte.sHkcuDatei = pfad("benutzer/Tesmarin/HKEY_CURRENT_USER.reg");
        orte.sHklmDatei = pfad("system/Tesmarin/HKEY_LOCAL_MACHINE.reg");
        orte.sProgrammOrdner = pfad("programm");
        orte.sSystemOrdner = pfad("system");
        QDir().mkpath(orte.sProgrammOrdner);
        QDir().mkpath(orte.sSystemOrdner);
    }

    QString pfad(const QString& sName) const { return m_dir.path() + QLatin1Char('/') + sName; }
    /// The INI file the store uses when no path is registered.
    QString iniDatei() const { return orte.sProgrammOrdner + QStringLiteral("/Rastfang.ini"); }
    bool bStumm() const { return recorder.meldungen.empty(); }

    MeldungsRecorder recorder;
    SettingsOrte orte;

  private:
    QTemporaryDir m_dir;
    MeldungsBoxTausch m_tausch;
};

}  // namespace rastfang::test
