#include "basis/Globals.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "basis/VbText.h"

namespace rastfang {

namespace {
bool istTrenner(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

/// The name of the plain, non-hidden file in the path's folder whose name equals the path's name
/// part without regard to case (the exact spelling first); empty when there is none. The name
/// is taken literally: "*", "?", "[", "]", "{" and "}" are plain characters here.
QString ersteDatei(const QString& sPfad) {
    qsizetype p = sPfad.size();
    while (p > 0 && !istTrenner(sPfad[p - 1])) --p;
    const QString ordner = p > 0 ? sPfad.left(p) : QStringLiteral(".");
    const QString name = sPfad.mid(p);
    if (name.isEmpty()) return {};
    const QDir dir(QString(ordner).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (!dir.exists()) return {};
    const auto sichtbareDatei = [&dir](const QString& n) {
        const QFileInfo info(dir.filePath(n));
        return info.isFile() && !info.isHidden();
    };
    if (sichtbareDatei(name)) return name;
    const QStringList namen = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& n : namen) {
        if (QString::compare(n, name, Qt::CaseInsensitive) == 0 && sichtbareDatei(n)) return n;
    }
    return {};
}
}  // namespace

bool gbDateiVorhanden(const QString& sPfad) {
    const QString gefunden = ersteDatei(sPfad);
    if (gefunden.isEmpty()) return false;
    return gefunden.toUpper() == gsDateiName(sPfad).toUpper();
}

QString gsDateiAufDisk(const QString& sPfad) {
    if (QFileInfo(sPfad).isFile()) return sPfad;
    if (!gbDateiVorhanden(sPfad)) return sPfad;
    qsizetype p = sPfad.size();
    while (p > 0 && !istTrenner(sPfad[p - 1])) --p;
    return sPfad.left(p) + ersteDatei(sPfad);
}

bool gbSelbeDatei(const QString& sPfad1, const QString& sPfad2) {
    const auto kennung = [](const QString& sPfad, struct stat& st) {
        const QString sDatei =
            QString(gsDateiAufDisk(sPfad)).replace(QLatin1Char('\\'), QLatin1Char('/'));
        return ::stat(QFile::encodeName(sDatei).constData(), &st) == 0;
    };
    struct stat st1 {};
    struct stat st2 {};
    if (!kennung(sPfad1, st1) || !kennung(sPfad2, st2)) return false;
    return st1.st_dev == st2.st_dev && st1.st_ino == st2.st_ino;
}

QString gsVerzeichnisTeil(const QString& sPfad) {
    for (qsizetype p = sPfad.size(); p > 0; --p) {
        if (istTrenner(sPfad[p - 1])) return sPfad.left(p);
    }
    const qsizetype doppelpunkt = sPfad.indexOf(QLatin1Char(':'));
    if (doppelpunkt >= 0) return sPfad.left(doppelpunkt + 1);
    return {};
}

QString gsDateiName(const QString& sPfad) {
    const QString t = gsTrim(sPfad);
    if (t.isEmpty()) return {};
    for (qsizetype p = t.size(); p > 0; --p) {
        const QChar c = t[p - 1];
        if (c == QLatin1Char(':') || istTrenner(c)) return t.mid(p);
    }
    return t;
}

void gTrennerAnhaengen(QString& sText, const QString& sTrenner) {
    if (!sText.isEmpty()) sText += sTrenner;
}

}  // namespace rastfang
