#include "spreadsheet/lesen/ZipArchiv.h"

#include <zip.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <vector>

#include "spreadsheet/lesen/Lesefehler.h"

namespace rastfang::spreadsheet {

namespace {

struct ZipDateiSchliesser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

}  // namespace

ZipArchiv::ZipArchiv(const QString& sPfad) {
    int iFehler = 0;
    m_zip = zip_open(QFile::encodeName(sPfad).constData(), ZIP_RDONLY, &iFehler);
    if (!m_zip) {
        if (iFehler == ZIP_ER_OPEN || iFehler == ZIP_ER_READ) {
            if (!QFileInfo(sPfad).isReadable()) gLesefehler(Lesegrund::Zugriff);
        }
        if (iFehler == ZIP_ER_MEMORY) gLesefehler(Lesegrund::ZuGross);
        gLesefehler(Lesegrund::Format);
    }
    m_lDateigroesse = static_cast<uint64_t>(std::max<qint64>(0, QFileInfo(sPfad).size()));
}

ZipArchiv::~ZipArchiv() {
    if (m_zip) zip_discard(m_zip);
}

std::optional<std::string> ZipArchiv::Finde(std::string_view sName) const {
    const std::string s(sName);
    zip_int64_t i = zip_name_locate(m_zip, s.c_str(), 0);
    if (i < 0) i = zip_name_locate(m_zip, s.c_str(), ZIP_FL_NOCASE);
    if (i < 0) return std::nullopt;
    const char* pName = zip_get_name(m_zip, static_cast<zip_uint64_t>(i), 0);
    if (!pName) return std::nullopt;
    return std::string(pName);
}

void ZipArchiv::Lies(std::string_view sName,
                     const std::function<bool(const char*, size_t)>& senke) const {
    const std::optional<std::string> name = Finde(sName);
    if (!name) gLesefehler(Lesegrund::Format);
    const zip_int64_t iIndex = zip_name_locate(m_zip, name->c_str(), 0);
    if (iIndex < 0) gLesefehler(Lesegrund::Format);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(iIndex), 0, &st) != 0) {
        gLesefehler(Lesegrund::Format);
    }
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) {
        gLesefehler(Lesegrund::Verschluesselt);
    }
    // The compressed size can be forged; it can never exceed the file itself.
    uint64_t lGepackt = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : m_lDateigroesse;
    lGepackt = std::max<uint64_t>(1, std::min(lGepackt, m_lDateigroesse));
    const auto bZuGross = [lGepackt](uint64_t lBytes) {
        return lBytes > MAX_EINTRAG_BYTES ||
               (lBytes > VERHAELTNIS_AB_BYTES && lBytes / lGepackt > MAX_VERHAELTNIS);
    };
    // An honest bomb says what it is: refused before a byte is inflated.
    const bool bGroesseBekannt = (st.valid & ZIP_STAT_SIZE) != 0;
    if (bGroesseBekannt && bZuGross(st.size)) gLesefehler(Lesegrund::ZuGross);

    std::unique_ptr<zip_file_t, ZipDateiSchliesser> datei(
        zip_fopen_index(m_zip, static_cast<zip_uint64_t>(iIndex), 0));
    if (!datei) {
        const int iFehler = zip_error_code_zip(zip_get_error(m_zip));
        if (iFehler == ZIP_ER_NOPASSWD || iFehler == ZIP_ER_WRONGPASSWD ||
            iFehler == ZIP_ER_ENCRNOTSUPP) {
            gLesefehler(Lesegrund::Verschluesselt);
        }
        gLesefehler(Lesegrund::Format);
    }
    std::vector<char> puffer(256 * 1024);
    uint64_t lGelesen = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(datei.get(), puffer.data(), puffer.size());
        if (n < 0) gLesefehler(Lesegrund::Format);
        if (n == 0) break;
        lGelesen += static_cast<uint64_t>(n);
        if (bZuGross(lGelesen)) gLesefehler(Lesegrund::ZuGross);
        // A forged directory: the entry holds more than it declares.
        if (bGroesseBekannt && lGelesen > st.size) gLesefehler(Lesegrund::Format);
        if (!senke(puffer.data(), static_cast<size_t>(n))) return;
    }
}

std::optional<uint64_t> ZipArchiv::Groesse(std::string_view sName) const {
    const std::optional<std::string> name = Finde(sName);
    zip_stat_t st;
    zip_stat_init(&st);
    if (!name || zip_stat(m_zip, name->c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
        return std::nullopt;
    }
    return st.size;
}

std::string ZipArchiv::LiesGanz(std::string_view sName, size_t nMax) const {
    std::string s;
    Lies(sName, [&s, nMax](const char* p, size_t n) {
        if (s.size() + n > nMax) gLesefehler(Lesegrund::ZuGross);
        s.append(p, n);
        return true;
    });
    return s;
}

}  // namespace rastfang::spreadsheet
