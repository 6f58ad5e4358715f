#include "AlteAusgabe.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "VbFehler.h"

namespace rastfang {

bool gbPapierkorbVorhanden() {
    const QString sDaten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return !sDaten.isEmpty() && QDir(sDaten).exists();
}

void gAlteAusgabeEntfernen(const QString& sPfad) {
    if (gbPapierkorbVorhanden() && QFile::moveToTrash(sPfad) && !QFile::exists(sPfad)) return;

    std::error_code fehler;
    if (std::filesystem::remove(std::filesystem::path(sPfad.toStdU16String()), fehler)) return;
    const int iErrno = fehler.value();
    if (iErrno == EACCES || iErrno == EPERM || iErrno == EROFS) {
        throw VbFehler(FEHLER_ZUGRIFF_VERWEIGERT);
    }
    throw VbFehler(FEHLER_PFAD_ZUGRIFF);
}

}  // namespace rastfang
