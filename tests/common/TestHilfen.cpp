#include "TestHilfen.h"

#include <gtest/gtest.h>

#include <QProcess>

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
