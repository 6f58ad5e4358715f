#include "spreadsheet/schreiben/XlsxPruefung.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/XmlLeser.h"
#include "spreadsheet/lesen/ZipArchiv.h"
#include "spreadsheet/schreiben/Zieldatei.h"

namespace rastfang::spreadsheet {

namespace {

/// Parses a part to its end and nothing more: malformed or cut-off XML raises Lesefehler.
class Wohlgeformt final : public XmlLeser {
  protected:
    void Anfang(std::string_view, const char**) override {}
    void Ende(std::string_view) override {}
};

/// Less room than this on the target's file system means the disk ran full while saving.
constexpr unsigned long long kFastVoll = 256 * 1024;

bool fastVoll(const QString& sPfad) {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(sPfad).constData(), &st) != 0) return false;
    return static_cast<unsigned long long>(st.f_bavail) * st.f_frsize < kFastVoll;
}

const char* const kKleineTeile[] = {
    "[Content_Types].xml", "_rels/.rels",   "docProps/app.xml",          "docProps/core.xml",
    "xl/workbook.xml",     "xl/styles.xml", "xl/_rels/workbook.xml.rels"};

}  // namespace

void gPruefeXlsx(const Zieldatei& ziel, size_t nBlaetter) {
    try {
        const ZipArchiv archiv(ziel.TempPfad());
        // A missing part fails its read like a damaged one.
        for (const char* teil : kKleineTeile) Wohlgeformt().LiesEintrag(archiv, teil);
        for (const char* optional : {"xl/sharedStrings.xml", "xl/theme/theme1.xml"}) {
            if (archiv.Finde(optional)) Wohlgeformt().LiesEintrag(archiv, optional);
        }
        // The sheets are most of the file: inflating each to its end, where the archive compares
        // size and checksum with what the library compressed, proves them complete and unchanged
        // without parsing the XML the library produced a second time.
        for (size_t i = 1; i <= nBlaetter; ++i) {
            archiv.Lies("xl/worksheets/sheet" + std::to_string(i) + ".xml",
                        [](const char*, size_t) { return true; });
        }
    } catch (const Lesefehler&) {
        if (fastVoll(ziel.TempPfad())) ziel.SystemFehler(ENOSPC);
        ziel.Fehler(QStringLiteral("Die Datei konnte nicht vollständig geschrieben werden."));
    }
}

StderrStumm::StderrStumm() {
    std::fflush(stderr);
    const int iNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (iNull < 0) return;
    m_iAlt = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (m_iAlt >= 0) ::dup2(iNull, STDERR_FILENO);
    ::close(iNull);
}

StderrStumm::~StderrStumm() {
    if (m_iAlt < 0) return;
    std::fflush(stderr);
    ::dup2(m_iAlt, STDERR_FILENO);
    ::close(m_iAlt);
}

}  // namespace rastfang::spreadsheet
