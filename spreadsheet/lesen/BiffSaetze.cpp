#include "spreadsheet/lesen/BiffSaetze.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "spreadsheet/lesen/Lesefehler.h"

namespace rastfang::spreadsheet {

namespace {

uint16_t gU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

BiffStrom::BiffStrom(std::span<const uint8_t> strom, size_t iStart)
    : m_strom(strom), m_iPos(iStart) {
    if (iStart > strom.size()) gLesefehler(Lesegrund::Format);
}

bool BiffStrom::Kopf(uint16_t& iId, std::span<const uint8_t>& daten) const {
    if (m_strom.size() - m_iPos < 4) {
        // a stream ends on whole records; a few padding zero bytes are allowed
        for (size_t i = m_iPos; i < m_strom.size(); ++i) {
            if (m_strom[i] != 0) gLesefehler(Lesegrund::Format);
        }
        return false;
    }
    iId = gU16(&m_strom[m_iPos]);
    const size_t n = gU16(&m_strom[m_iPos + 2]);
    if (m_strom.size() - m_iPos - 4 < n) gLesefehler(Lesegrund::Format);
    daten = m_strom.subspan(m_iPos + 4, n);
    return true;
}

bool BiffStrom::Naechster(BiffSatz& satz) {
    satz.teile.clear();
    std::span<const uint8_t> daten;
    if (!Kopf(satz.iId, daten)) return false;
    satz.teile.push_back(daten);
    m_iPos += 4 + daten.size();
    uint16_t iNaechste = 0;
    while (Kopf(iNaechste, daten) && iNaechste == Biff::FORTSETZUNG) {
        satz.teile.push_back(daten);
        m_iPos += 4 + daten.size();
    }
    return true;
}

BiffLeser::BiffLeser(const BiffSatz& satz) : m_satz(satz) {}

bool BiffLeser::Weiter() {
    while (m_iPos >= m_satz.teile[m_iTeil].size()) {
        if (m_iTeil + 1 >= m_satz.teile.size()) return false;
        ++m_iTeil;
        m_iPos = 0;
    }
    return true;
}

const uint8_t* BiffLeser::Nimm(size_t n) {
    if (n == 0) return nullptr;
    if (!Weiter()) gLesefehler(Lesegrund::Format);
    const auto teil = m_satz.teile[m_iTeil];
    if (teil.size() - m_iPos < n) gLesefehler(Lesegrund::Format);
    const uint8_t* p = teil.data() + m_iPos;
    m_iPos += n;
    return p;
}

uint8_t BiffLeser::U8() {
    return *Nimm(1);
}

uint16_t BiffLeser::U16() {
    return gU16(Nimm(2));
}

uint32_t BiffLeser::U32() {
    const uint8_t* p = Nimm(4);
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

double BiffLeser::F64() {
    double d;
    std::memcpy(&d, Nimm(8), 8);
    return d;
}

void BiffLeser::Ueberspringe(size_t n) {
    // skipped data (rich-text runs, phonetic blocks) may run on into the CONTINUE parts
    while (n > 0) {
        if (!Weiter()) gLesefehler(Lesegrund::Format);
        const size_t k = std::min(n, m_satz.teile[m_iTeil].size() - m_iPos);
        m_iPos += k;
        n -= k;
    }
}

QByteArray BiffLeser::Bytes(size_t n) {
    if (n == 0) return {};
    return QByteArray(reinterpret_cast<const char*>(Nimm(n)), static_cast<qsizetype>(n));
}

size_t BiffLeser::RestImTeil() const {
    return m_satz.teile[m_iTeil].size() - m_iPos;
}

QString BiffLeser::Zeichen(size_t nZeichen, uint8_t iFlags) {
    QString s;
    s.reserve(static_cast<qsizetype>(std::min<size_t>(nZeichen, 65535)));
    bool bBreit = iFlags & 1;
    while (nZeichen > 0) {
        if (m_iPos >= m_satz.teile[m_iTeil].size()) {
            // the characters go on in the next CONTINUE, which starts with their width anew
            if (m_iTeil + 1 >= m_satz.teile.size()) gLesefehler(Lesegrund::Format);
            ++m_iTeil;
            m_iPos = 0;
            bBreit = U8() & 1;
            continue;
        }
        const size_t nBreite = bBreit ? 2 : 1;
        const size_t k = std::min(nZeichen, RestImTeil() / nBreite);
        if (k == 0) gLesefehler(Lesegrund::Format);  // half a character before a part ends
        const uint8_t* p = m_satz.teile[m_iTeil].data() + m_iPos;
        for (size_t i = 0; i < k; ++i) {
            s += QChar(bBreit ? gU16(p + 2 * i) : p[i]);
        }
        m_iPos += k * nBreite;
        nZeichen -= k;
    }
    return s;
}

QString BiffLeser::Text16() {
    const size_t n = U16();
    const uint8_t iFlags = U8();
    const size_t nLaeufe = (iFlags & 0x08) ? U16() : 0;
    const size_t nPhonetik = (iFlags & 0x04) ? U32() : 0;
    QString s = Zeichen(n, iFlags);
    Ueberspringe(4 * nLaeufe);
    Ueberspringe(nPhonetik);
    return s;
}

QString BiffLeser::Text8() {
    const size_t n = U8();
    const uint8_t iFlags = U8();
    return Zeichen(n, iFlags);
}

double gdRk(uint32_t rk) {
    double d;
    if (rk & 0x02) {
        d = static_cast<double>(static_cast<int32_t>(rk) >> 2);
    } else {
        const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&d, &bits, 8);
    }
    return (rk & 0x01) ? d / 100 : d;
}

Codepage::Codepage(int iCodepage) : m_iCodepage(iCodepage) {}

QString Codepage::Text(const QByteArray& roh) const {
    bool bAscii = true;
    for (const char c : roh) bAscii = bAscii && static_cast<unsigned char>(c) < 0x80;
    if (bAscii) return QString::fromLatin1(roh);
    // Windows code page numbers as iconv names them; the Mac ones are Excel for Macintosh
    const std::string sName = m_iCodepage == 10000 || m_iCodepage == 32768 ? "MACINTOSH"
                              : m_iCodepage == 32769                       ? "CP1252"
                              : m_iCodepage == 1200                        ? "UTF-16LE"
                                                    : "CP" + std::to_string(m_iCodepage);
    iconv_t cd = iconv_open("UTF-16LE", sName.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-16LE", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return QString::fromLatin1(roh);
    QString aus(roh.size(), Qt::Uninitialized);  // no code page makes more characters than bytes
    char* pEin = const_cast<char*>(roh.constData());
    size_t nEin = static_cast<size_t>(roh.size());
    char* pAus = reinterpret_cast<char*>(aus.data());
    size_t nAus = static_cast<size_t>(aus.size()) * 2;
    while (nEin > 0 && iconv(cd, &pEin, &nEin, &pAus, &nAus) == static_cast<size_t>(-1)) {
        if (errno != EILSEQ && errno != EINVAL) break;
        // a byte the code page does not define: shown as "?", as LibreOffice does
        if (nAus < 2) break;
        *pAus++ = '?';
        *pAus++ = 0;
        nAus -= 2;
        ++pEin;
        --nEin;
    }
    iconv_close(cd);
    aus.truncate(static_cast<qsizetype>(aus.size() - static_cast<qsizetype>(nAus / 2)));
    return aus;
}

}  // namespace rastfang::spreadsheet
