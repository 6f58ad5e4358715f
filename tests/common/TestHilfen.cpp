#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace rastfang::test {

namespace {

/// The stdout of python3 run with `args`; a failed run fails the test with `sWas` and its stderr.
QByteArray python(const QStringList& args, const std::string& sWas) {
    QProcess p;
    p.start(QStringLiteral(RASTFANG_PYTHON), args);
    p.waitForFinished(120000);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        ADD_FAILURE() << sWas << ": " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

/// "A" for column 1, "AA" for 27.
QString spaltenbuchstaben(int iSpalte) {
    if (iSpalte <= 0) return {};
    return spaltenbuchstaben((iSpalte - 1) / 26) + QChar(u'A' + (iSpalte - 1) % 26);
}

}  // namespace

QString gsTestdatei(const QString& sName) {
    return QStringLiteral(RASTFANG_TESTDATA) + QLatin1Char('/') + sName;
}

QString gsPython(const QString& sSkript, const QStringList& argumente) {
    return QString::fromUtf8(
        python(QStringList{QStringLiteral("-c"), sSkript} + argumente, "python failed"));
}

QByteArray gInhalt(const QString& sPfad) {
    QFile f(sPfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void gSchreibe(const QString& sPfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(sPfad).absolutePath());
    QFile f(sPfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
        ADD_FAILURE() << "cannot write " << sPfad.toStdString();
}

QStringList gEintraegeIn(const QString& sOrdner) {
    return QDir(sOrdner).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

GeleseneMappe::GeleseneMappe(const QString& sPfad) {
    const std::string sWas = "the independent reader cannot read " + sPfad.toStdString();
    const QByteArray aus =
        python({QStringLiteral(RASTFANG_TESTDATA "/../common/mappe_als_json.py"), sPfad}, sWas);
    QJsonParseError fehler{};
    json = QJsonDocument::fromJson(aus, &fehler).object();
    if (fehler.error != QJsonParseError::NoError) ADD_FAILURE() << sWas << ": no JSON";
}

QStringList GeleseneMappe::Blattnamen() const {
    QStringList namen;
    for (const auto& blatt : json[QStringLiteral("sheets")].toArray())
        namen << blatt[QStringLiteral("name")].toString();
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

::testing::AssertionResult gRasterGleich(const GeleseneMappe& mappe, const QString& sLinksOben,
                                         const std::vector<QStringList>& zeilen, Raster art,
                                         int iBlatt) {
    int iErsteSpalte = 0, i = 0;
    for (; sLinksOben[i].isLetter(); ++i)
        iErsteSpalte = iErsteSpalte * 26 + sLinksOben[i].unicode() - 'A' + 1;
    const int iErsteZeile = sLinksOben.mid(i).toInt();
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
    if (m_antworten.empty()) {
        const int iKnoepfe = iStil & 0x0F;
        return iKnoepfe == MsgBox::YES_NO         ? MsgBox::ANSWER_NO
               : iKnoepfe == MsgBox::RETRY_CANCEL ? MsgBox::ANSWER_CANCEL
                                                  : MsgBox::ANSWER_OK;
    }
    const int16_t iAntwort = m_antworten.front();
    m_antworten.pop_front();
    return iAntwort;
}

}  // namespace rastfang::test
