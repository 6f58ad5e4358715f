#pragma once
// The message box of the registry layer: one text that names the failed call, its return code,
// the root key, key and value, and the routine of the store that made the call.

#include <QString>
#include <cstdint>

#include "basis/VbFehler.h"

namespace rastfang {

/// Information on the registry call in progress, handed to the registry error report.
struct RegistryCallInfo {
    int32_t lMainKey = 0;
    QString sKey;
    QString sEntry;
    QString sFunktion;
};

/// The name of a root key handle ("HKEY_LOCAL_MACHINE"); empty for another handle value.
QString gsRootKeyName(int32_t lMainKey);

/// Reports a failed registry call in a message box (style 16). Message codes 1..7 name the
/// platform call and the return code, 8 and 9 a refused value type ("Registry API Fehler");
/// code 0 is the unexpected failure `fehler`, titled "Fehler " + its VB code. A return code 2
/// of "RegistryGetValue" (missing key or value) shows nothing.
void gRegistryShowError(const RegistryCallInfo& info, int16_t iMeldung, int32_t lReturnCode,
                        const PendingError& fehler = {});

}  // namespace rastfang
