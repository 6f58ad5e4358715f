#include "basis/Abbruchschutz.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>
#include <QFile>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace rastfang {

namespace {

constexpr size_t kPfadPlatz = 4096 + 1;
constexpr std::array<int, 3> kSignale{SIGTERM, SIGHUP, SIGINT};

/// A path the handler may read: `bGueltig` is cleared before the text changes and set after.
struct SignalPfad {
    std::atomic<bool> bGueltig{false};
    std::array<char, kPfadPlatz> text{};

    void Setzen(const QByteArray& wert) {
        bGueltig.store(false);
        if (wert.isEmpty() || static_cast<size_t>(wert.size()) >= text.size()) return;
        std::memcpy(text.data(), wert.constData(), static_cast<size_t>(wert.size()));
        text[static_cast<size_t>(wert.size())] = '\0';
        bGueltig.store(true);
    }
};

SignalPfad g_temp;
SignalPfad g_beiseite;
SignalPfad g_original;
std::atomic<int> g_weckFd{-1};
volatile sig_atomic_t g_bSignal = 0;

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void behandle(int iSignal) {
    const int iErrno = errno;
    g_bSignal = 1;
    if (g_temp.bGueltig.load()) ::unlink(g_temp.text.data());
    const int fd = g_weckFd.load();
    if (fd >= 0) {
        const char c = static_cast<char>(iSignal);
        [[maybe_unused]] const ssize_t n = ::write(fd, &c, 1);
        errno = iErrno;
        return;
    }
    if (g_beiseite.bGueltig.load() && g_original.bGueltig.load() &&
        gbNameZurueckgeben(g_beiseite.text.data(), g_original.text.data())) {
        // The hidden folder that held it is empty now.
        std::array<char, kPfadPlatz> ordner = g_beiseite.text;
        char* pSchraeg = std::strrchr(ordner.data(), '/');
        if (pSchraeg) {
            *pSchraeg = '\0';
            ::rmdir(ordner.data());
        }
    }
    ::signal(iSignal, SIG_DFL);
    ::raise(iSignal);
}

}  // namespace

void gAbbruchSignaleEinrichten(int iWeckFd) {
    g_weckFd.store(iWeckFd);
    g_bSignal = 0;
    struct sigaction sa {};
    sa.sa_handler = behandle;
    sigemptyset(&sa.sa_mask);
    for (const int s : kSignale) sigaddset(&sa.sa_mask, s);
    sa.sa_flags = SA_RESTART;
    for (const int s : kSignale) ::sigaction(s, &sa, nullptr);
    ::signal(SIGXFSZ, SIG_IGN);
}

void gAbbruchSignaleZuruecksetzen() {
    for (const int s : kSignale) ::signal(s, SIG_DFL);
    ::signal(SIGXFSZ, SIG_DFL);
    g_weckFd.store(-1);
}

bool gbAbbruchSignalErhalten() {
    return g_bSignal != 0;
}

void gTempDateiAnmelden(const QByteArray& name) {
    g_temp.Setzen(name);
}

void gBeiseiteAnmelden(const QString& sBeiseite, const QString& sOriginal) {
    g_beiseite.Setzen({});
    g_original.Setzen(QFile::encodeName(sOriginal));
    g_beiseite.Setzen(QFile::encodeName(sBeiseite));
}

QString gsBeiseiteFuer(const QString& sOriginal) {
    if (!g_beiseite.bGueltig.load() || !g_original.bGueltig.load()) return {};
    // The writer may spell the name in other letter case than the file on disk.
    const QString sAngemeldet = QFile::decodeName(QByteArray(g_original.text.data()));
    if (QString::compare(sAngemeldet, sOriginal, Qt::CaseInsensitive) != 0) return {};
    return QFile::decodeName(QByteArray(g_beiseite.text.data()));
}

bool gbNameZurueckgeben(const char* beiseite, const char* original) {
    if (::renameat2(AT_FDCWD, beiseite, AT_FDCWD, original, RENAME_NOREPLACE) == 0) return true;
    if (errno == EEXIST) return false;
    // File systems without the refusing rename: a hard link also never replaces a file.
    if (::link(beiseite, original) != 0) return false;
    ::unlink(beiseite);
    return true;
}

}  // namespace rastfang
