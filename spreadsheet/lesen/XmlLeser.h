#pragma once
// A streaming XML parser over expat for the parts of workbook files. It refuses any document
// type declaration (no entity expansion, no external entities) and reports element names
// without their namespace prefix, since writers differ in the prefixes they use.

#include <cstddef>
#include <exception>
#include <initializer_list>
#include <string_view>

struct XML_ParserStruct;

namespace rastfang::spreadsheet {

class ZipArchiv;

/// The value of attribute `sName` (local name, prefix ignored) in expat's attribute list, or
/// nullptr when absent.
const char* gpAttribut(const char** attribute, std::string_view sName);

/// The leading decimal integer of attribute value `pszWert`; `iStandard` when the attribute is
/// absent (nullptr) or does not start with a number.
int giAttributZahl(const char* pszWert, int iStandard);

/// Base of the part readers: override the three events, then feed the document.
class XmlLeser {
  public:
    /// `bPraefixe`: element names as written ("table:table-cell") instead of local names.
    explicit XmlLeser(bool bPraefixe = false);
    virtual ~XmlLeser();
    XmlLeser(const XmlLeser&) = delete;
    XmlLeser& operator=(const XmlLeser&) = delete;

    /// Parses the zip entry `sName` of `archiv` (streamed). Lesefehler(Format) on malformed
    /// XML or a DOCTYPE; exceptions thrown by the event handlers pass through.
    void LiesEintrag(const ZipArchiv& archiv, std::string_view sName);
    /// Parses a document held in memory.
    void LiesText(std::string_view sXml);
    /// Parses a document held in memory in pieces, one after the other.
    void LiesTexte(std::initializer_list<std::string_view> stuecke);
    /// Parses the next piece of a document whose end LiesTexte will give; false once parsing
    /// has been halted.
    bool LiesStueck(std::string_view sStueck);

  protected:
    /// An element begins; `sName` without prefix (unless prefixes were asked for),
    /// `attribute` as expat gives them.
    virtual void Anfang(std::string_view sName, const char** attribute) = 0;
    /// An element ends.
    virtual void Ende(std::string_view sName) = 0;
    /// Character data (UTF-8), possibly in several pieces.
    virtual void Zeichen(const char* pText, int nLaenge) {
        (void)pText;
        (void)nLaenge;
    }
    /// Ends parsing early without an error (the rest of the document is not read).
    void Anhalten();

  private:
    /// Feeds one chunk; returns false once parsing has been halted.
    bool Futter(const char* pDaten, size_t nLaenge, bool bEnde);
    static void BeiAnfang(void* pDaten, const char* pName, const char** attribute);
    static void BeiEnde(void* pDaten, const char* pName);
    static void BeiZeichen(void* pDaten, const char* pText, int nLaenge);
    static void BeiDoctype(void* pDaten, const char*, const char*, const char*, int);

    XML_ParserStruct* m_parser;
    std::exception_ptr m_fehler;
    bool m_bDoctype = false;
    bool m_bAngehalten = false;
    bool m_bPraefixe = false;
    long long m_lGefuettert = 0;  ///< bytes handed to the parser so far
};

}  // namespace rastfang::spreadsheet
