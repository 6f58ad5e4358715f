#include "app/AlteAusgabe.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "basis/Abbruchschutz.h"
#include "basis/VbFehler.h"
#include "basis/Zufallsname.h"

namespace rastfang {

namespace {

/// The hidden folders of set-aside files begin with this (the temporary files of a save use
/// another prefix, so their clean-up never touches these).
constexpr char kBeiseitePraefix[] = ".~rfA";

[[noreturn]] void wirf(int iErrno) {
    if (iErrno == EACCES || iErrno == EPERM || iErrno == EROFS) {
        throw VbFehler(FEHLER_ZUGRIFF_VERWEIGERT);
    }
    throw VbFehler(FEHLER_PFAD_ZUGRIFF);
}

}  // namespace

bool gbPapierkorbVorhanden() {
    const QString sDaten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return !sDaten.isEmpty() && QDir(sDaten).exists();
}

void gAlteAusgabeEntfernen(const QString& sPfad) {
    // The trash keeps "NAME.trashinfo" beside the file, and Qt tries numbered variants of the
    // name without end when that name is too long for the file system; such a file is deleted.
    constexpr qsizetype kNameMax = 255;
    constexpr qsizetype kInfoZusatz = sizeof(".trashinfo") - 1 + 12;
    const bool bPasstInKorb =
        QFile::encodeName(QFileInfo(sPfad).fileName()).size() + kInfoZusatz <= kNameMax;
    if (bPasstInKorb && gbPapierkorbVorhanden() && QFile::moveToTrash(sPfad) &&
        !QFile::exists(sPfad)) {
        return;
    }

    std::error_code fehler;
    if (std::filesystem::remove(std::filesystem::path(sPfad.toStdU16String()), fehler)) return;
    wirf(fehler.value() != 0 ? fehler.value() : ENOENT);
}

AlteAusgabe::AlteAusgabe(const QString& sPfad) {
    const QFileInfo info(sPfad);
    m_sOriginal = info.absoluteFilePath();
    if (!info.isFile()) wirf(info.exists() ? EISDIR : ENOENT);
    const QString sEltern = info.absolutePath();
    int iErrno = 0;
    for (int iVersuch = 0; iVersuch < 20; ++iVersuch) {
        const QString sOrdner =
            sEltern + QLatin1Char('/') + QLatin1String(kBeiseitePraefix) + gsZufallsteil();
        if (::mkdir(QFile::encodeName(sOrdner).constData(), 0700) == 0) {
            m_sOrdner = sOrdner;
            break;
        }
        iErrno = errno;
        if (iErrno != EEXIST) wirf(iErrno);
    }
    if (m_sOrdner.isEmpty()) wirf(iErrno);
    m_sBeiseite = m_sOrdner + QLatin1Char('/') + info.fileName();
    if (::rename(QFile::encodeName(m_sOriginal).constData(),
                 QFile::encodeName(m_sBeiseite).constData()) != 0) {
        iErrno = errno;
        ::rmdir(QFile::encodeName(m_sOrdner).constData());
        wirf(iErrno);
    }
    gBeiseiteAnmelden(m_sBeiseite, m_sOriginal);
}

AlteAusgabe::~AlteAusgabe() {
    if (!m_bErledigt) Zurueckgeben();
}

void AlteAusgabe::Verwerfen() {
    m_bErledigt = true;
    gBeiseiteAnmelden({}, {});
    try {
        gAlteAusgabeEntfernen(m_sBeiseite);
    } catch (const VbFehler&) {
        return;  // the new output stands; the old one stays where it lies
    }
    ::rmdir(QFile::encodeName(m_sOrdner).constData());
}

bool AlteAusgabe::Zurueckgeben() {
    m_bErledigt = true;
    gBeiseiteAnmelden({}, {});
    if (!gbNameZurueckgeben(QFile::encodeName(m_sBeiseite).constData(),
                            QFile::encodeName(m_sOriginal).constData())) {
        return false;
    }
    ::rmdir(QFile::encodeName(m_sOrdner).constData());
    return true;
}

}  // namespace rastfang
