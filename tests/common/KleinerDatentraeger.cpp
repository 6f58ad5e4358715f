#include "KleinerDatentraeger.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <vector>

namespace rastfang::test {

KleinerDatentraeger::KleinerDatentraeger(int iKiB, const QString& sOrt)
    : m_ordner(QStringLiteral(RASTFANG_BINARY_DIR "/.klein-XXXXXX")),
      m_sPfad(sOrt.isEmpty() ? m_ordner.path() : sOrt) {
    static const bool bNamensraum =
        ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!bNamensraum) return;
    const QByteArray groesse = "size=" + QByteArray::number(iKiB) + "k";
    m_bBereit = ::mount("rastfang-test", QFile::encodeName(m_sPfad).constData(), "tmpfs", 0,
                        groesse.constData()) == 0;
}

KleinerDatentraeger::~KleinerDatentraeger() {
    if (m_bBereit) ::umount2(QFile::encodeName(m_sPfad).constData(), MNT_DETACH);
}

void KleinerDatentraeger::Fuellen(int iFreiKiB, const QString& sName) const {
    const QByteArray pfad = QFile::encodeName(m_sPfad + QLatin1Char('/') + sName);
    const int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const std::vector<char> block(1024, 'x');
    struct statvfs st {};
    while (::statvfs(QFile::encodeName(m_sPfad).constData(), &st) == 0 &&
           st.f_bavail * st.f_frsize > iFreiKiB * 1024ULL &&
           ::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

}  // namespace rastfang::test
