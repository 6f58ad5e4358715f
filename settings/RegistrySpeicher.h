#pragma once
// The registry as the settings store sees it: root keys, keys below them, named values of a
// type. On Windows this was advapi32; here it is an interface so that the store runs on files
// (RegistryDatei) and tests can make any call fail with any status.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace rastfang {

/// Root key handle values, as the registry numbers them.
inline constexpr int32_t HKEY_CLASSES_ROOT = static_cast<int32_t>(0x80000000u);
inline constexpr int32_t HKEY_CURRENT_USER = static_cast<int32_t>(0x80000001u);
inline constexpr int32_t HKEY_LOCAL_MACHINE = static_cast<int32_t>(0x80000002u);
inline constexpr int32_t HKEY_USERS = static_cast<int32_t>(0x80000003u);

/// Statuses of the registry calls (the platform's error codes).
namespace RegStatus {
inline constexpr int32_t OK = 0;
inline constexpr int32_t NICHT_GEFUNDEN = 2;      ///< key or value missing
inline constexpr int32_t ZUGRIFF_VERWEIGERT = 5;  ///< access denied
inline constexpr int32_t UNGUELTIGES_HANDLE = 6;  ///< a root key this store does not keep
}  // namespace RegStatus

/// Registry value types.
namespace RegTyp {
inline constexpr uint32_t SZ = 1;         ///< string
inline constexpr uint32_t EXPAND_SZ = 2;  ///< expandable string
inline constexpr uint32_t BINARY = 3;
inline constexpr uint32_t DWORD = 4;  ///< 32-bit number
}  // namespace RegTyp

/// Access rights asked for when a key is opened.
namespace RegZugriff {
inline constexpr int32_t WERTE_LESEN = 1;      ///< query values
inline constexpr int32_t WERTE_SETZEN = 2;     ///< set values
inline constexpr int32_t UNTERSCHLUESSEL = 4;  ///< create subkeys
}  // namespace RegZugriff

/// One stored registry value.
struct RegWert {
    uint32_t lTyp = RegTyp::SZ;
    /// The text of a string value (type 1), without terminating NUL.
    QString sText;
    /// The number of a double-word value (type 4).
    uint32_t lZahl = 0;
    /// The raw bytes of any other type, and of a string value given as bytes.
    QByteArray daten;
    /// True when the value is given by `daten` (as stored in hex form), not by sText/lZahl.
    bool bRoh = false;
    /// The size the platform reports: for a string value the characters including the NUL
    /// (text length + 1, or what the raw bytes hold), 4 for a double-word, else the byte count.
    int32_t lGroesse = 0;

    /// A string value of `s` with its NUL (size = length + 1).
    static RegWert Text(const QString& s);
    /// A double-word value.
    static RegWert Zahl(uint32_t l);
};

/// The registry operations the store needs. Every call is self-contained (no handles are kept
/// between calls) and returns a status of RegStatus (or any other platform code).
class RegistrySpeicher {
  public:
    virtual ~RegistrySpeicher() = default;

    /// Whether key `sKey` below root `lRoot` can be opened with access `lZugriff`
    /// (RegZugriff): 0, 2 when it does not exist, 5 when access is denied.
    virtual int32_t lSchluesselOeffnen(int32_t lRoot, const QString& sKey, int32_t lZugriff) = 0;

    /// Reads value `sName` of key `sKey` into `wert`: 0, 2 when key or value is missing, 5.
    virtual int32_t lWertLesen(int32_t lRoot, const QString& sKey, const QString& sName,
                               RegWert& wert) = 0;

    /// Stores `wert` as value `sName` of the existing key `sKey`, replacing a value of that
    /// name (any case): 0, 2 when the key is missing, 5 when the store cannot be written.
    virtual int32_t lWertSetzen(int32_t lRoot, const QString& sKey, const QString& sName,
                                const RegWert& wert) = 0;

    /// Creates key `sKey` and any missing parent keys, or finds it when it exists: 0, 5.
    virtual int32_t lSchluesselErstellen(int32_t lRoot, const QString& sKey) = 0;
};

}  // namespace rastfang
