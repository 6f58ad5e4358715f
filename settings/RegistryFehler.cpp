#include "settings/RegistryFehler.h"

#include "basis/Plattform.h"

namespace rastfang {

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString ersteZeile(int16_t iMeldung) {
    const QString api = QStringLiteral("API-Funktion: ");
    switch (iMeldung) {
        case 1:
            return api + QStringLiteral("RegOpenKeyEx");
        case 2:
            return api + QStringLiteral("RegQueryValueExNull");
        case 3:
            return api + QStringLiteral("RegQueryValueExString");
        case 4:
            return api + QStringLiteral("RegQueryValueExLong");
        case 5:
            return api + QStringLiteral("RegSetValueExString");
        case 6:
            return api + QStringLiteral("RegSetValueExLong");
        case 7:
            return api + QStringLiteral("RegCreateKeyEx");
        case 8:
            return QStringLiteral("Schlüssel weder String noch DWORD");
        case 9:
            return QStringLiteral("Schlüssel weder String noch Integer, Long");
        default:
            return {};
    }
}

/// The classic names of the registry error codes; any other code in decimal.
QString returnCodeName(int32_t lReturnCode) {
    switch (lReturnCode) {
        case 1:
            return QStringLiteral("BADDB");
        case 2:
            return QStringLiteral("BADKEY");
        case 3:
            return QStringLiteral("CANTOPEN");
        case 4:
            return QStringLiteral("CANTREAD");
        case 5:
            return QStringLiteral("CANTWRITE");
        case 6:
            return QStringLiteral("OUTOFMEMORY");
        case 7:
            return QStringLiteral("ARENA_TRASHED");
        case 8:
            return QStringLiteral("ACCESS_DENIED");
        case 87:
            return QStringLiteral("INVALID_PARAMETERS");
        case 259:
            return QStringLiteral("NO_MORE_ITEMS");
        default:
            return QString::number(lReturnCode);
    }
}

/// The lines naming root key, key and (when there is one) value.
QString schluesselZeilen(const RegistryCallInfo& info) {
    QString s = QStringLiteral("MainKey: ") + gsRootKeyName(info.lMainKey) + CRLF +
                QStringLiteral("Key: ") + info.sKey;
    if (!info.sEntry.isEmpty()) s += CRLF + QStringLiteral("Entry: ") + info.sEntry;
    return s;
}

}  // namespace

QString gsRootKeyName(int32_t lMainKey) {
    switch (static_cast<uint32_t>(lMainKey)) {
        case 0x80000000u:
            return QStringLiteral("HKEY_CLASSES_ROOT");
        case 0x80000001u:
            return QStringLiteral("HKEY_CURRENT_USER");
        case 0x80000002u:
            return QStringLiteral("HKEY_LOCAL_MACHINE");
        case 0x80000003u:
            return QStringLiteral("HKEY_USERS");
        default:
            return {};
    }
}

void gRegistryShowError(const RegistryCallInfo& info, int16_t iMeldung, int32_t lReturnCode,
                        const PendingError& fehler) {
    if (iMeldung == 0) {
        const QString text = fehler.sBeschreibung + CRLF + CRLF + schluesselZeilen(info) + CRLF +
                             CRLF + QStringLiteral("Funktion: ") + info.sFunktion +
                             QStringLiteral("/CRegistry");
        gMeldungsBox().Zeige(text, MsgBox::CRITICAL,
                             QStringLiteral("Fehler ") + gsVbCode(fehler.lNummer));
        return;
    }
    // A missing key or value is a normal event for a read: the caller takes its default.
    if (info.sFunktion == QLatin1String("RegistryGetValue") && lReturnCode == 2) return;
    QString text = ersteZeile(iMeldung);
    if (iMeldung >= 1 && iMeldung <= 7) {
        text += CRLF + QStringLiteral("Return-Code: ") + returnCodeName(lReturnCode);
    }
    text +=
        CRLF + schluesselZeilen(info) + CRLF + CRLF + QStringLiteral("Funktion: ") + info.sFunktion;
    gMeldungsBox().Zeige(text, MsgBox::CRITICAL, QStringLiteral("Registry API Fehler"));
}

}  // namespace rastfang
