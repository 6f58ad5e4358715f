#pragma once
// The settings store: named settings grouped in sections, kept either in one INI file or in the
// registry as the two section lists decide, and the INI file found through the registry.

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "settings/RegistryFehler.h"
#include "settings/RegistrySpeicher.h"
#include "settings/Wert.h"

namespace rastfang {

/// Returns `sText` unchanged when it ends with "/" or "\", else `sText` followed by "/" (an
/// empty text gives "/").
QString gsMitBackslash(const QString& sText);

/// Where the store keeps its things.
struct SettingsOrte {
    /// File of the HKEY_CURRENT_USER hive.
    QString sHkcuDatei;
    /// File of the HKEY_LOCAL_MACHINE hive.
    QString sHklmDatei;
    /// The folder of "Rastfang.ini" when no path is registered: the program's own folder, or
    /// for an installed program the user's own folder (see gsIniOrdner).
    QString sProgrammOrdner;
    /// The system's configuration folder, where GetAllSet looks for a bare file name.
    QString sSystemOrdner;

    /// The platform locations: the user's configuration folder (XDG_CONFIG_HOME, default
    /// ~/.config) + "/Tesmarin/HKEY_CURRENT_USER.reg", the first folder of XDG_CONFIG_DIRS
    /// (default /etc/xdg) + "/Tesmarin/HKEY_LOCAL_MACHINE.reg", gsIniOrdner for the folder of
    /// the executable (creating the user's folder when it is chosen) and that first
    /// XDG_CONFIG_DIRS folder.
    static SettingsOrte Plattform();
};

/// The folder of "Rastfang.ini" when no path is registered. A program installed in a system
/// folder (/usr/bin, /usr/local/bin, /bin, the sbin and games folders) cannot write beside
/// itself and would lose every preset, so unless `bIniDaneben` says that a "Rastfang.ini" is
/// already there, each user keeps an own file in `sBenutzerKonfig` + "/Tesmarin". A program
/// run from anywhere else (a build tree, an unpacked copy) keeps it in `sProgrammOrdner`.
QString gsIniOrdner(const QString& sProgrammOrdner, bool bIniDaneben,
                    const QString& sBenutzerKonfig);

/// The settings store.
class CRegistry {
  public:
    /// A store on the platform locations with the .reg-file registry.
    CRegistry();
    /// A store on the given locations with the .reg-file registry (the hive files of `orte`).
    explicit CRegistry(const SettingsOrte& orte);
    /// A store on the given locations with its own registry implementation.
    CRegistry(const SettingsOrte& orte, std::unique_ptr<RegistrySpeicher> speicher);
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    /// Registers `vNewValue` as the INI path (HKEY_LOCAL_MACHINE, key
    /// "Software\Tesmarin\Rastfang\IniPfade", value "Rastfang") and uses it from now on, even
    /// when the registry write failed (the failure is reported in the registry error box).
    void sGlobIniDatei(const QString& vNewValue);

    /// Reads registry value `ps_Entry` of key `ps_Key` below root `pl_MainKey` into
    /// `pv_Value`: text for a string value, 32-bit integer for a double-word value; the default
    /// `pv_Standard` on any failure; with an integer default the value is converted to a 32-bit
    /// integer (0 when that fails). Returns 0, 2 (missing, silent), 4 (access denied), another
    /// platform code, or -1 (wrong type, unexpected failure); failures other than 2 are shown
    /// in the registry error box. Never raises.
    int32_t gf_RegistryGetValue(int32_t pl_MainKey, const QString& ps_Key, const QString& ps_Entry,
                                Variant& pv_Value, const Variant& pv_Standard);

    /// The INI path as registered, read anew on every call; when none is registered the
    /// program folder + "Rastfang.ini".
    QString sGlobIniDatei();

    /// Reads all entries of section `ps_Abschnitt` of INI file `ps_AppName` (".INI" added
    /// without a point; the system configuration folder put in front without a separator)
    /// into a table of rows 0..n, columns 0 (key) and 1 (value), file order. Returns 1 when
    /// entries were found, else 0 and leaves `pv_Settings` unchanged. Raises when the file
    /// exists but cannot be read, and error 6 past 32,767 entries.
    int16_t GetAllSet(Variant& pv_Settings, const QString& ps_AppName, const QString& ps_Abschnitt);

    /// Value of key `ps_Eintrag` in section `ps_Abschnitt` of INI file `ps_Datei`, at most 254
    /// characters; `ps_Standard` when file, section or key is missing.
    QString GetSet(const QString& ps_Datei, const QString& ps_Abschnitt, const QString& ps_Eintrag,
                   const QString& ps_Standard);

    /// Writes key `ps_Eintrag` = `ps_Wert` into section `ps_Abschnitt` of INI file `ps_Datei`
    /// (the outcome is not examined) and raises lMaxLineLen to the value's length + 5.
    void SaveSet(const QString& ps_Datei, const QString& ps_Abschnitt, const QString& ps_Eintrag,
                 const QString& ps_Wert);

    /// Writes setting `ps_Entry` of section `ps_Key`: into the INI file when the section is in
    /// sGLOB_INI_Sektionen, else into the registry (HKEY_LOCAL_MACHINE when listed in
    /// sLOCAL_MACHINE_Sektionen, else HKEY_CURRENT_USER). True on success; false, without a
    /// message, when the INI file cannot be written. Never raises.
    bool bSchreibeEinstellung(const QString& ps_Key, const QString& ps_Entry,
                              const Variant& pv_Value);

    /// Reads setting `ps_Entry` of section `ps_Key` from where the section lists route it;
    /// `pv_Standard` when it is missing. From the INI file at most 254 characters; with an
    /// integer default the result is a 32-bit integer (0 when the text is no number). Never
    /// raises: an unexpected failure gives the empty text.
    Variant vLeseEinstellung(const QString& ps_Key, const QString& ps_Entry,
                             const Variant& pv_Standard);

    /// Reads key `ps_Entry` of section `ps_Key` from INI file `ps_IniDatei` with a buffer of
    /// `pv_BufSize` characters (255 when absent or smaller), so at most buffer size - 1
    /// characters; numeric conversion as in vLeseEinstellung. Never raises: an unexpected
    /// failure (a buffer size that is no number) gives the empty text.
    Variant vLeseEinstellung2(const QString& ps_IniDatei, const QString& ps_Key,
                              const QString& ps_Entry, const Variant& pv_Standard,
                              const std::optional<Variant>& pv_BufSize = std::nullopt);

    /// Sets the ";"-separated list of sections kept under HKEY_LOCAL_MACHINE.
    void sLOCAL_MACHINE_Sektionen(const QString& vNewValue);
    /// Sets the ";"-separated list of sections kept in the INI file (tested first).
    void sGLOB_INI_Sektionen(const QString& vNewValue);

    /// The longest line written by SaveSet so far (value length + 5), or what was set.
    int32_t lMaxLineLen() const { return m_lMaxLen; }
    void lMaxLineLen(int32_t vNewValue) { m_lMaxLen = vNewValue; }

    /// The root key HKEY_LOCAL_MACHINE, 0x80000002.
    int32_t HKLM() const { return HKEY_LOCAL_MACHINE; }

    /// The INI path in use by vLeseEinstellung and bSchreibeEinstellung.
    const QString& sIniDateiInGebrauch() const { return m_sIniDatei; }

  private:
    bool bInGlobIniSektionen(const QString& ps_Key) const;
    bool bInLocalMachineSektionen(const QString& ps_Key) const;
    QString sVerzeichnisMitBackslash(const QString& ps_Verzeichnis) const;

    int32_t RegistrySetValue(int32_t pl_MainKey, const QString& ps_Key, const QString& ps_Entry,
                             const Variant& pv_Value);
    int32_t RegistryGetValue(int32_t pl_MainKey, const QString& ps_Key, const QString& ps_Entry,
                             Variant& pv_Value, const Variant& pv_Standard);
    int32_t RegistryCreateNewKey(int32_t pl_MainKey, const QString& ps_Key);

    SettingsOrte m_orte;
    std::unique_ptr<RegistrySpeicher> m_speicher;

    QString m_sRegKey;
    QString m_sIniPfadeKey;
    QString m_sAppName;
    QString m_sIniName;
    QString m_sIniDatei;
    QString m_sGlobIniListe;
    QString m_sLocalMachineListe;
    int32_t m_lWinDirLen = 0;
    int32_t m_lMaxLen = 0;
};

/// The program-wide settings store, created on first use on the platform locations.
CRegistry& goRegistry();

}  // namespace rastfang
