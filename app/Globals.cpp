#include "Globals.h"

#include <QDir>
#include <QFileInfo>

#include "VbText.h"

namespace rastfang {

namespace {
bool istTrenner(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); }

/// The first plain, non-hidden file the folder listing yields for the path (its name part may
/// hold wildcards, matched without regard to case); empty when there is none.
QString ersteDatei(const QString& sPfad) {
    qsizetype p = sPfad.size();
    while (p > 0 && !istTrenner(sPfad[p - 1])) --p;
    const QString ordner = p > 0 ? sPfad.left(p) : QStringLiteral(".");
    const QString muster = sPfad.mid(p);
    if (muster.isEmpty()) return {};
    QDir dir(QString(ordner).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (!dir.exists()) return {};
    const QStringList namen =
        dir.entryList({muster}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : namen) {
        const QFileInfo info(dir.filePath(name));
        if (info.isFile() && !info.isHidden()) return name;
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
