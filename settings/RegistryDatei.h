#pragma once
// The registry on a platform without one: each root key is a text file in the style of a
// Windows registry export, read anew for every call and replaced atomically on every change.

#include <QString>
#include <optional>

#include "settings/RegFormat.h"
#include "settings/RegistrySpeicher.h"

namespace rastfang {

/// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE kept in two .reg files; other roots give status 6.
/// A hive file that cannot be read (a folder in its place, or no read permission for anyone)
/// denies every access with 5; one that nobody may write (the read-only attribute), or whose
/// replacement cannot be written, denies changes with 5. A missing file is an empty hive.
class RegistryDatei : public RegistrySpeicher {
  public:
    /// A registry on the hive files `sHkcuDatei` and `sHklmDatei`; their folders are created
    /// on the first change.
    RegistryDatei(QString sHkcuDatei, QString sHklmDatei);

    int32_t lSchluesselOeffnen(int32_t lRoot, const QString& sKey, int32_t lZugriff) override;
    int32_t lWertLesen(int32_t lRoot, const QString& sKey, const QString& sName,
                       RegWert& wert) override;
    int32_t lWertSetzen(int32_t lRoot, const QString& sKey, const QString& sName,
                        const RegWert& wert) override;
    int32_t lSchluesselErstellen(int32_t lRoot, const QString& sKey) override;

  private:
    /// The hive file of a root, or nullopt for a root this registry does not keep.
    std::optional<QString> hiveDatei(int32_t lRoot) const;
    /// Loads the hive of `lRoot` into `hive`: 0, 5 (unreadable) or 6 (unknown root).
    int32_t lLaden(int32_t lRoot, RegHive& hive, QString& sDatei) const;
    /// Writes `hive` to `sDatei`: 0 or 5.
    static int32_t lSpeichern(const RegHive& hive, const QString& sDatei);

    QString m_sHkcuDatei;
    QString m_sHklmDatei;
};

}  // namespace rastfang
