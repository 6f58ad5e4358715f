#include "spreadsheet/schreiben/Zieldatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "basis/Abbruchschutz.h"
#include "basis/VbFehler.h"
#include "basis/Zufallsname.h"

namespace rastfang::spreadsheet {

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

namespace {

/// Temporary files of our own saves begin with this; the set-aside old output uses another
/// prefix, so the clean-up below never touches it.
constexpr char kTempPraefix[] = ".~rfT";
/// A temporary file this old is left over from a save that was killed.
constexpr qint64 kVerwaistNachSekunden = 60 * 60;

/// Removes temporary files of our prefix that a killed save left in `ordner` over an hour ago.
void verwaisteEntfernen(const QDir& ordner) {
    const QDateTime grenze = QDateTime::currentDateTimeUtc().addSecs(-kVerwaistNachSekunden);
    const QFileInfoList alte =
        ordner.entryInfoList({QLatin1String(kTempPraefix) + QLatin1Char('*')},
                             QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& info : alte) {
        if (info.lastModified().toUTC() < grenze) ::unlink(QFile::encodeName(info.filePath()));
    }
}

}  // namespace

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
    verwaisteEntfernen(info.absoluteDir());

    // A short hidden name next to the target, so that any legal target name still leaves room.
    for (int iVersuch = 0; m_fd < 0; ++iVersuch) {
        const QString sTemp =
            info.absolutePath() + QLatin1Char('/') + QLatin1String(kTempPraefix) + gsZufallsteil();
        m_tempName = QFile::encodeName(sTemp);
        m_fd = ::open(m_tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && (errno != EEXIST || iVersuch > 20)) {
            const int iFehler = errno;
            m_tempName.clear();
            SystemFehler(iFehler);
        }
    }
    gTempDateiAnmelden(m_tempName);
    // The umask's choice is what a new output gets; until then only the owner may read.
    struct stat st {};
    if (::fstat(m_fd, &st) == 0) m_iNeuModus = st.st_mode & 07777;
    ::fchmod(m_fd, 0600);
}

Zieldatei::~Zieldatei() {
    SchliesseHandle();
    if (!m_bUebernommen && !m_tempName.isEmpty()) ::unlink(m_tempName.constData());
    gTempDateiAnmelden({});
}

void Zieldatei::SchliesseHandle() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

mode_t Zieldatei::Zielmodus() const {
    // A replaced output keeps its mode: it may hold personal data its owner kept private.
    struct stat st {};
    if (::stat(QFile::encodeName(m_sPfad).constData(), &st) == 0) return st.st_mode & 07777;
    const QString sBeiseite = gsBeiseiteFuer(m_sPfad);
    if (!sBeiseite.isEmpty() && ::stat(QFile::encodeName(sBeiseite).constData(), &st) == 0) {
        return st.st_mode & 07777;
    }
    return m_iNeuModus;
}

void Zieldatei::Uebernehmen() {
    // The data must be on the disk before the name points at it, or a crash could leave an
    // empty target where an old one stood.
    if (m_fd < 0) {
        m_fd = ::open(m_tempName.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) SystemFehler(errno);
    }
    if (::fchmod(m_fd, Zielmodus()) != 0) SystemFehler(errno);
    if (::fsync(m_fd) != 0) SystemFehler(errno);
    if (::close(m_fd) != 0) {
        m_fd = -1;
        SystemFehler(errno);
    }
    m_fd = -1;
    // A terminating signal removed the temporary file; the program is about to end.
    if (gbAbbruchSignalErhalten()) SystemFehler(EINTR);
    if (::rename(m_tempName.constData(), QFile::encodeName(m_sPfad).constData()) != 0) {
        SystemFehler(errno);
    }
    m_bUebernommen = true;
    gTempDateiAnmelden({});
}

void Zieldatei::Fehler(const QString& sGrund) const {
    throw VbFehler(
        FEHLER_ANWENDUNG,
        QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden. %2").arg(m_sPfad, sGrund));
}

void Zieldatei::SystemFehler(int iErrno) const {
    Fehler(gsSchreibgrund(iErrno, m_sOrdner));
}

}  // namespace rastfang::spreadsheet
