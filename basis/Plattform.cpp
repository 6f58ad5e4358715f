#include "basis/Plattform.h"

#include <cstdio>

namespace rastfang {

namespace {
// The installed seams. These two pointers stand for the desktop itself, which is one per process.
MeldungsBox* g_box = nullptr;
Mauszeiger* g_zeiger = nullptr;

MeldungsBox& ersatzBox() {
    static StderrMeldungsBox box;
    return box;
}
Mauszeiger& ersatzZeiger() {
    static MerkenderMauszeiger zeiger;
    return zeiger;
}
}  // namespace

MeldungsBox& gMeldungsBox() {
    return g_box ? *g_box : ersatzBox();
}
Mauszeiger& gMauszeiger() {
    return g_zeiger ? *g_zeiger : ersatzZeiger();
}
template <>
MeldungsBox*& gNahtSitz<MeldungsBox>() {
    return g_box;
}
template <>
Mauszeiger*& gNahtSitz<Mauszeiger>() {
    return g_zeiger;
}

int16_t StderrMeldungsBox::Zeige(const QString& sText, int16_t iStil, const QString& sTitel) {
    ++m_iAnzahl;
    QString text = sText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    int16_t iAntwort = MsgBox::ANSWER_OK;
    QString sAntwort;  // a question's answer is shown, or the reader would not know it was given
    switch (iStil & 0x0F) {
        case MsgBox::YES_NO:
            iAntwort = m_bJa ? MsgBox::ANSWER_YES : MsgBox::ANSWER_NO;
            sAntwort = m_bJa ? QStringLiteral("Antwort: Ja\n") : QStringLiteral("Antwort: Nein\n");
            break;
        case MsgBox::RETRY_CANCEL:
            iAntwort = MsgBox::ANSWER_CANCEL;
            sAntwort = QStringLiteral("Antwort: Abbrechen\n");
            break;
        default:
            break;
    }
    const QByteArray ausgabe =
        (sTitel + QLatin1Char('\n') + text + QLatin1Char('\n') + sAntwort).toUtf8();
    std::fwrite(ausgabe.constData(), 1, static_cast<size_t>(ausgabe.size()), stderr);
    std::fflush(stderr);
    return iAntwort;
}

}  // namespace rastfang
