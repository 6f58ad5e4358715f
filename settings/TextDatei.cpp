#include "settings/TextDatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>

#include "basis/Zufallsname.h"

namespace rastfang {

namespace {

QString dekodiereZeile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    // Windows-1252 differs from Latin-1 in 0x80..0x9F (the euro sign, typographic quotes);
    // Qt reaches it through ICU.
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid()) return cp1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

bool allesSchreiben(int fd, const QByteArray& bytes, off_t ab) {
    qsizetype geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + geschrieben,
                                   static_cast<size_t>(bytes.size() - geschrieben),
                                   ab + static_cast<off_t>(geschrieben));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        geschrieben += n;
    }
    return true;
}

/// Rewrites the existing file in place. The space is reserved first, so a full disk fails
/// before the first old byte is overwritten.
bool imPlatzSchreiben(const QByteArray& ziel, const QByteArray& bytes) {
    const int fd = ::open(ziel.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat vorher {};
    bool ok = ::fstat(fd, &vorher) == 0;
    if (ok && !bytes.isEmpty() && ::posix_fallocate(fd, 0, bytes.size()) != 0) {
        // A partly successful reservation may have lengthened the file.
        struct stat jetzt {};
        if (::fstat(fd, &jetzt) == 0 && jetzt.st_size != vorher.st_size) {
            [[maybe_unused]] const int r = ::ftruncate(fd, vorher.st_size);
        }
        ok = false;
    }
    ok = ok && allesSchreiben(fd, bytes, 0) && ::ftruncate(fd, bytes.size()) == 0 &&
         ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

/// Gives the new file the old one's owner, group and mode, as far as the writer may.
void eigentumUebernehmen(int fd, const struct stat& alt) {
    if (::fchown(fd, alt.st_uid, alt.st_gid) != 0) {
        [[maybe_unused]] const int r = ::fchown(fd, static_cast<uid_t>(-1), alt.st_gid);
    }
    ::fchmod(fd, alt.st_mode & 07777);
}

}  // namespace

TextZeilen gTextZeilenVon(const QByteArray& bytes) {
    TextZeilen text;
    qsizetype anfang = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text.bom = bytes.left(3);
        anfang = 3;
    }
    bool bUmbruchGefunden = false;
    const qsizetype n = bytes.size();
    for (qsizetype i = anfang; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        const qsizetype laenge = (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        TextZeile zeile;
        zeile.roh = bytes.mid(anfang, i - anfang);
        zeile.sText = dekodiereZeile(zeile.roh);
        zeile.umbruch = bytes.mid(i, laenge);
        if (!bUmbruchGefunden) text.umbruch = zeile.umbruch;
        bUmbruchGefunden = true;
        text.zeilen.append(zeile);
        i += laenge - 1;
        anfang = i + 1;
    }
    if (anfang < n) {
        TextZeile zeile;
        zeile.roh = bytes.mid(anfang);
        zeile.sText = dekodiereZeile(zeile.roh);
        text.zeilen.append(zeile);
    }
    return text;
}

QByteArray gBytesVon(const TextZeilen& text) {
    QByteArray bytes = text.bom;
    for (qsizetype i = 0; i < text.zeilen.size(); ++i) {
        const TextZeile& zeile = text.zeilen[i];
        const bool bUnberuehrt = !zeile.roh.isNull() && dekodiereZeile(zeile.roh) == zeile.sText;
        bytes += bUnberuehrt ? zeile.roh : zeile.sText.toUtf8();
        const bool bLetzte = i + 1 == text.zeilen.size();
        if (!zeile.umbruch.isEmpty()) {
            bytes += zeile.umbruch;
        } else if (!bLetzte || !bUnberuehrt) {
            bytes += text.umbruch;
        }
    }
    return bytes;
}

QString gsDekodiere(const QByteArray& bytes) {
    QString s;
    for (const TextZeile& zeile : gTextZeilenVon(bytes).zeilen) {
        s += zeile.sText + QString::fromLatin1(zeile.umbruch);
    }
    return s;
}

std::optional<QByteArray> gDateiBytesLesen(const QString& sPfad) {
    QFile datei(sPfad);
    if (QFileInfo(sPfad).isDir() || !datei.open(QIODevice::ReadOnly)) return std::nullopt;
    return datei.readAll();
}

std::optional<QString> gsTextDateiLesen(const QString& sPfad) {
    const auto bytes = gDateiBytesLesen(sPfad);
    if (!bytes) return std::nullopt;
    return gsDekodiere(*bytes);
}

QStringList gZeilenVon(const QString& sText) {
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = sText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sText[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        zeilen.append(sText.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < n && sText[i + 1] == QLatin1Char('\n')) ++i;
        anfang = i + 1;
    }
    if (anfang < n) zeilen.append(sText.mid(anfang));
    return zeilen;
}

bool gbDateiSicherSchreiben(const QString& sPfad, const QByteArray& bytes) {
    if (gbSchreibgeschuetzt(sPfad)) return false;
    const QByteArray ziel = QFile::encodeName(sPfad);
    struct stat alt {};
    const bool bAlt = ::stat(ziel.constData(), &alt) == 0;
    if (bAlt && !S_ISREG(alt.st_mode)) return false;
    // A shared file that belongs to a colleague stays theirs: replacing it would make it ours.
    if (bAlt && ::geteuid() != 0 && alt.st_uid != ::geteuid() &&
        ::access(ziel.constData(), W_OK) == 0) {
        return imPlatzSchreiben(ziel, bytes);
    }

    const QByteArray ordner = QFile::encodeName(QFileInfo(sPfad).absolutePath());
    QByteArray temp;
    int fd = -1;
    for (int iVersuch = 0; fd < 0 && iVersuch < 20; ++iVersuch) {
        temp = ordner + "/.~rfI" + gsZufallsteil().toLatin1();
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const bool bOrdnerGesperrt = errno == EACCES || errno == EPERM || errno == EROFS;
        return bAlt && bOrdnerGesperrt && ::access(ziel.constData(), W_OK) == 0 &&
               imPlatzSchreiben(ziel, bytes);
    }
    if (bAlt) eigentumUebernehmen(fd, alt);
    bool ok = allesSchreiben(fd, bytes, 0) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), ziel.constData()) == 0;
    if (!ok) ::unlink(temp.constData());
    return ok;
}

bool gbTextDateiSchreiben(const QString& sPfad, const QString& sText) {
    return gbDateiSicherSchreiben(sPfad, sText.toUtf8());
}

bool gbSchreibgeschuetzt(const QString& sPfad) {
    const QFileInfo info(sPfad);
    if (!info.isFile()) return false;
    constexpr QFile::Permissions schreiben =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return (info.permissions() & schreiben) == 0;
}

}  // namespace rastfang
