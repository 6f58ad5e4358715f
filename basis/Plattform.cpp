#include "Plattform.h"

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

MeldungsBox& gMeldungsBox() { return g_box ? *g_box : ersatzBox(); }
Mauszeiger& gMauszeiger() { return g_zeiger ? *g_zeiger : ersatzZeiger(); }
void gSetzeMeldungsBox(MeldungsBox* box) { g_box = box; }
void gSetzeMauszeiger(Mauszeiger* zeiger) { g_zeiger = zeiger; }

MeldungsBoxTausch::MeldungsBoxTausch(MeldungsBox& box) : m_vorher(g_box) { g_box = &box; }
MeldungsBoxTausch::~MeldungsBoxTausch() { g_box = m_vorher; }
MauszeigerTausch::MauszeigerTausch(Mauszeiger& zeiger) : m_vorher(g_zeiger) { g_zeiger = &zeiger; }
MauszeigerTausch::~MauszeigerTausch() { g_zeiger = m_vorher; }

int16_t StderrMeldungsBox::Zeige(const QString& sText, int16_t iStil, const QString& sTitel) {
    ++m_iAnzahl;
    QString text = sText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray ausgabe = (sTitel + QLatin1Char('\n') + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(ausgabe.constData(), 1, static_cast<size_t>(ausgabe.size()), stderr);
    std::fflush(stderr);
    switch (iStil & 0x0F) {
        case MsgBox::YES_NO: return m_bJa ? MsgBox::ANSWER_YES : MsgBox::ANSWER_NO;
        case MsgBox::RETRY_CANCEL: return MsgBox::ANSWER_CANCEL;
        default: return MsgBox::ANSWER_OK;
    }
}

}  // namespace rastfang
