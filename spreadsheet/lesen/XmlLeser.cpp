#include "spreadsheet/lesen/XmlLeser.h"

#include <expat.h>

#include <charconv>
#include <cstring>
#include <new>

#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/ZipArchiv.h"

namespace rastfang::spreadsheet {

namespace {

/// The most of one unfinished token (a tag, a comment) the parser may hold. It holds such a
/// token whole, so a part of one enormous tag would take memory no budget sees; no real
/// workbook comes near this.
constexpr long long kLaengsterAbschnitt = 4 * 1024 * 1024;

/// The most handed to the parser at once. expat copies what it is given into a buffer of its
/// own: pieces of this size keep that buffer small and in the cache, and let the check above
/// see a long token however the document arrives.
constexpr size_t kStueck = 256 * 1024;

std::string_view gsLokal(const char* pName) {
    // One pass over the name: this runs for every tag and every attribute.
    const char* pLokal = pName;
    const char* p = pName;
    for (; *p != '\0'; ++p) {
        if (*p == ':') pLokal = p + 1;
    }
    return {pLokal, static_cast<size_t>(p - pLokal)};
}

}  // namespace

int giAttributZahl(const char* pszWert, int iStandard) {
    if (!pszWert) return iStandard;
    int v = iStandard;
    std::from_chars(pszWert, pszWert + std::strlen(pszWert), v);
    return v;
}

const char* gpAttribut(const char** attribute, std::string_view sName) {
    for (const char** a = attribute; a[0]; a += 2) {
        if (gsLokal(a[0]) == sName) return a[1];
    }
    return nullptr;
}

XmlLeser::XmlLeser(bool bPraefixe) : m_parser(XML_ParserCreate("UTF-8")), m_bPraefixe(bPraefixe) {
    if (!m_parser) throw std::bad_alloc();
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &XmlLeser::BeiAnfang, &XmlLeser::BeiEnde);
    XML_SetCharacterDataHandler(m_parser, &XmlLeser::BeiZeichen);
    XML_SetStartDoctypeDeclHandler(m_parser, &XmlLeser::BeiDoctype);
}

XmlLeser::~XmlLeser() {
    XML_ParserFree(m_parser);
}

void XmlLeser::LiesEintrag(const ZipArchiv& archiv, std::string_view sName) {
    archiv.Lies(sName, [this](const char* p, size_t n) { return Futter(p, n, false); });
    Futter(nullptr, 0, true);
}

void XmlLeser::LiesText(std::string_view sXml) {
    LiesTexte({sXml});
}

void XmlLeser::LiesTexte(std::initializer_list<std::string_view> stuecke) {
    for (const std::string_view stueck : stuecke) {
        if (!Futter(stueck.data(), stueck.size(), false)) return;
    }
    Futter(nullptr, 0, true);
}

bool XmlLeser::LiesStueck(std::string_view sStueck) {
    return Futter(sStueck.data(), sStueck.size(), false);
}

void XmlLeser::Anhalten() {
    m_bAngehalten = true;
    XML_StopParser(m_parser, XML_FALSE);
}

bool XmlLeser::Futter(const char* pDaten, size_t nLaenge, bool bEnde) {
    if (m_bAngehalten) return false;
    do {
        const size_t nStueck = std::min(nLaenge, kStueck);
        const bool bLetztes = bEnde && nStueck == nLaenge;
        const XML_Status st =
            XML_Parse(m_parser, pDaten, static_cast<int>(nStueck), bLetztes ? XML_TRUE : XML_FALSE);
        if (m_fehler) std::rethrow_exception(m_fehler);
        if (m_bDoctype) gLesefehler(Lesegrund::Format);
        if (m_bAngehalten) return false;
        m_lGefuettert += static_cast<long long>(nStueck);
        // Between calls expat stands at the start of the token it has not finished.
        const XML_Index iStand = XML_GetCurrentByteIndex(m_parser);
        if (iStand >= 0 && m_lGefuettert - iStand > kLaengsterAbschnitt) {
            gLesefehler(Lesegrund::ZuGross);
        }
        if (st != XML_STATUS_OK) {
            if (XML_GetErrorCode(m_parser) == XML_ERROR_NO_MEMORY) gLesefehler(Lesegrund::ZuGross);
            gLesefehler(Lesegrund::Format);
        }
        pDaten += nStueck;
        nLaenge -= nStueck;
    } while (nLaenge > 0);
    return true;
}

void XmlLeser::BeiAnfang(void* pDaten, const char* pName, const char** attribute) {
    auto* self = static_cast<XmlLeser*>(pDaten);
    try {
        self->Anfang(self->m_bPraefixe ? std::string_view(pName) : gsLokal(pName), attribute);
    } catch (...) {
        self->m_fehler = std::current_exception();
        XML_StopParser(self->m_parser, XML_FALSE);
    }
}

void XmlLeser::BeiEnde(void* pDaten, const char* pName) {
    auto* self = static_cast<XmlLeser*>(pDaten);
    try {
        self->Ende(self->m_bPraefixe ? std::string_view(pName) : gsLokal(pName));
    } catch (...) {
        self->m_fehler = std::current_exception();
        XML_StopParser(self->m_parser, XML_FALSE);
    }
}

void XmlLeser::BeiZeichen(void* pDaten, const char* pText, int nLaenge) {
    auto* self = static_cast<XmlLeser*>(pDaten);
    try {
        self->Zeichen(pText, nLaenge);
    } catch (...) {
        self->m_fehler = std::current_exception();
        XML_StopParser(self->m_parser, XML_FALSE);
    }
}

void XmlLeser::BeiDoctype(void* pDaten, const char*, const char*, const char*, int) {
    auto* self = static_cast<XmlLeser*>(pDaten);
    self->m_bDoctype = true;
    XML_StopParser(self->m_parser, XML_FALSE);
}

}  // namespace rastfang::spreadsheet
