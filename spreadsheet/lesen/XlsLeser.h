#pragma once
// The reader of legacy Excel workbooks (.xls, BIFF in an OLE2 compound file), through freexl.

#include <QString>
#include <memory>

#include "MappenLeser.h"

namespace rastfang::tabelle {

/// True when the compound file at `sPfad` holds an encrypted Office document (a stream
/// "EncryptedPackage", as password-protected .xlsx files are stored).
bool gbIstVerschluesseltesPaket(const QString& sPfad);

/// The reader for the compound file `sPfad`. Lesefehler(Verschluesselt) for encrypted or
/// password-protected files, (Format) for anything freexl cannot read.
std::shared_ptr<MappenLeser> gXlsLeser(const QString& sPfad, MappenDaten& mappe);

}  // namespace rastfang::tabelle
