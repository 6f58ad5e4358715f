#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>

namespace rastfang::test {

QString gsTestdatei(const QString& sName) {
    return QStringLiteral(RASTFANG_TESTDATA) + QLatin1Char('/') + sName;
}

QString gsPython(const QString& sSkript, const QStringList& argumente) {
    QProcess p;
    QStringList args{QStringLiteral("-c"), sSkript};
    args += argumente;
    p.start(QStringLiteral(RASTFANG_PYTHON), args);
    p.waitForFinished(120000);
    const QString aus = QString::fromUtf8(p.readAllStandardOutput());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "python failed: " << p.readAllStandardError().toStdString();
    }
    return aus;
}

QByteArray gInhalt(const QString& sPfad) {
    QFile f(sPfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void gSchreibe(const QString& sPfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(sPfad).absolutePath());
    QFile f(sPfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size()) {
        ADD_FAILURE() << "cannot write " << sPfad.toStdString();
    }
}

QStringList gEintraegeIn(const QString& sOrdner) {
    return QDir(sOrdner).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

GeleseneMappe::GeleseneMappe(const QString& sPfad) {
    QProcess p;
    p.start(QStringLiteral(RASTFANG_PYTHON),
            {QStringLiteral(RASTFANG_TESTDATA "/../common/mappe_als_json.py"), sPfad});
    p.waitForFinished(120000);
    QJsonParseError fehler{};
    json = QJsonDocument::fromJson(p.readAllStandardOutput(), &fehler).object();
    if (p.exitCode() != 0 || fehler.error != QJsonParseError::NoError) {
        ADD_FAILURE() << "the independent reader cannot read " << sPfad.toStdString() << ": "
                      << p.readAllStandardError().toStdString();
    }
}

QStringList GeleseneMappe::Blattnamen() const {
    QStringList namen;
    for (const auto& blatt : json[QStringLiteral("sheets")].toArray()) {
        namen << blatt[QStringLiteral("name")].toString();
    }
    return namen;
}

QJsonObject GeleseneMappe::Blatt(int iBlatt) const {
    return json[QStringLiteral("sheets")].toArray().at(iBlatt).toObject();
}

QString GeleseneMappe::Zelle(const QString& sAdresse, int iBlatt) const {
    return Blatt(iBlatt)[QStringLiteral("cells")][sAdresse].toString(QStringLiteral("None"));
}

QString GeleseneMappe::Wert(const QString& sAdresse, int iBlatt) const {
    return Blatt(iBlatt)[QStringLiteral("values")][sAdresse].toString(QStringLiteral("None"));
}

namespace {

QString spaltenbuchstaben(int iSpalte) {
    QString s;
    for (; iSpalte > 0; iSpalte = (iSpalte - 1) / 26) {
        s.prepend(QChar(u'A' + (iSpalte - 1) % 26));
    }
    return s;
}

}  // namespace

::testing::AssertionResult gRasterGleich(const GeleseneMappe& mappe, const QString& sLinksOben,
                                         const std::vector<QStringList>& zeilen, Raster art,
                                         int iBlatt) {
    const auto treffer = QRegularExpression(QStringLiteral("^([A-Z]+)([0-9]+)$")).match(sLinksOben);
    int iErsteSpalte = 0;
    for (const QChar c : treffer.captured(1))
        iErsteSpalte = iErsteSpalte * 26 + (c.unicode() - 'A' + 1);
    const int iErsteZeile = treffer.captured(2).toInt();
    QString sAbweichungen;
    for (size_t z = 0; z < zeilen.size(); ++z) {
        for (int s = 0; s < zeilen[z].size(); ++s) {
            const QString sAdresse =
                spaltenbuchstaben(iErsteSpalte + s) + QString::number(iErsteZeile + int(z));
            const QString sGelesen =
                art == Raster::Werte ? mappe.Wert(sAdresse, iBlatt) : mappe.Zelle(sAdresse, iBlatt);
            if (sGelesen != zeilen[z][s]) {
                sAbweichungen += QStringLiteral("\n  %1: expected \"%2\", read \"%3\"")
                                     .arg(sAdresse, zeilen[z][s], sGelesen);
            }
        }
    }
    if (sAbweichungen.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cells differ:" << sAbweichungen.toStdString();
}

int16_t MeldungsRecorder::Zeige(const QString& sText, int16_t iStil, const QString& sTitel) {
    meldungen.push_back({sText, iStil, sTitel, gMauszeiger().Lesen()});
    if (!m_antworten.empty()) {
        const int16_t a = m_antworten.front();
        m_antworten.pop_front();
        return a;
    }
    switch (iStil & 0x0F) {
        case MsgBox::YES_NO:
            return MsgBox::ANSWER_NO;
        case MsgBox::RETRY_CANCEL:
            return MsgBox::ANSWER_CANCEL;
        default:
            return MsgBox::ANSWER_OK;
    }
}

}  // namespace rastfang::test
