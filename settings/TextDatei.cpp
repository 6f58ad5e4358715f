#include "TextDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace rastfang {

QString gsDekodiere(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);  // drops a leading byte-order mark
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    // Windows-1252 differs from Latin-1 in 0x80..0x9F (the euro sign, typographic quotes);
    // Qt reaches it through ICU.
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid()) return cp1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

std::optional<QString> gsTextDateiLesen(const QString& sPfad) {
    QFile datei(sPfad);
    if (QFileInfo(sPfad).isDir() || !datei.open(QIODevice::ReadOnly)) return std::nullopt;
    return gsDekodiere(datei.readAll());
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

bool gbTextDateiSchreiben(const QString& sPfad, const QString& sText) {
    if (gbSchreibgeschuetzt(sPfad)) return false;
    QSaveFile datei(sPfad);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = sText.toUtf8();
    if (datei.write(bytes) != bytes.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

bool gbSchreibgeschuetzt(const QString& sPfad) {
    const QFileInfo info(sPfad);
    if (!info.isFile()) return false;
    constexpr QFile::Permissions schreiben =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return (info.permissions() & schreiben) == 0;
}

}  // namespace rastfang
