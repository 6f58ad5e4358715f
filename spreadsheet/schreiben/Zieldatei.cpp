#include "Zieldatei.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

#include "VbFehler.h"

namespace rastfang::tabelle {

QString gsSchreibgrund(int iErrno, const QString& sOrdner) {
    switch (iErrno) {
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("Der Ordner \"%1\" existiert nicht.").arg(sOrdner);
        case EACCES:
        case EPERM:
            return QStringLiteral("Im Ordner \"%1\" fehlt die Berechtigung zum Schreiben.")
                .arg(sOrdner);
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
        case EISDIR:
            return QStringLiteral("Unter diesem Namen besteht bereits ein Ordner.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Dateiname ist zu lang.");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("Die Datei wird von einem anderen Programm verwendet.");
        case EIO:
            return QStringLiteral("Beim Schreiben auf den Datenträger trat ein E/A-Fehler auf.");
        default:
            return QStringLiteral("Systemfehler %1 (%2).")
                .arg(iErrno)
                .arg(QString::fromLocal8Bit(std::strerror(iErrno)));
    }
}

Zieldatei::Zieldatei(const QString& sPfad) {
    if (sPfad.isEmpty()) {
        throw VbFehler(FEHLER_ANWENDUNG,
                       QStringLiteral("Die Arbeitsmappe kann nicht gespeichert werden: Es wurde "
                                      "kein Dateiname angegeben."));
    }
    const QFileInfo info(sPfad);
    m_sPfad = QDir::toNativeSeparators(info.absoluteFilePath());
    m_sOrdner = QDir::toNativeSeparators(info.absolutePath());
    if (info.isDir()) SystemFehler(EISDIR);

    // A hidden name next to the target; the random part keeps two saves from colliding.
    for (int iVersuch = 0; m_fd < 0; ++iVersuch) {
        const QString sTemp =
            QStringLiteral("%1/.~%2.%3.tmp")
                .arg(info.absolutePath(), info.fileName())
                .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        m_tempName = QFile::encodeName(sTemp);
        m_fd = ::open(m_tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && (errno != EEXIST || iVersuch > 20)) {
            const int iFehler = errno;
            m_tempName.clear();
            SystemFehler(iFehler);
        }
    }
}

Zieldatei::~Zieldatei() {
    SchliesseHandle();
    if (!m_bUebernommen && !m_tempName.isEmpty()) ::unlink(m_tempName.constData());
}

void Zieldatei::SchliesseHandle() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void Zieldatei::Uebernehmen() {
    // The data must be on the disk before the name points at it, or a crash could leave an
    // empty target where an old one stood.
    if (m_fd < 0) {
        m_fd = ::open(m_tempName.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) SystemFehler(errno);
    }
    if (::fsync(m_fd) != 0) SystemFehler(errno);
    if (::close(m_fd) != 0) {
        m_fd = -1;
        SystemFehler(errno);
    }
    m_fd = -1;
    if (::rename(m_tempName.constData(), QFile::encodeName(m_sPfad).constData()) != 0) {
        SystemFehler(errno);
    }
    m_bUebernommen = true;
}

void Zieldatei::Fehler(const QString& sGrund) const {
    throw VbFehler(
        FEHLER_ANWENDUNG,
        QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden. %2").arg(m_sPfad, sGrund));
}

void Zieldatei::SystemFehler(int iErrno) const {
    Fehler(gsSchreibgrund(iErrno, m_sOrdner));
}

}  // namespace rastfang::tabelle
