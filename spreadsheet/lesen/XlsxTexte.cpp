#include <algorithm>
#include <charconv>
#include <cstring>

#include "Lesefehler.h"
#include "XlsxTeile.h"
#include "XlsxTeileLesen.h"
#include "XmlLeser.h"

namespace rastfang::tabelle {

namespace {

/// All shared strings together may hold this many UTF-16 characters (256 MB).
constexpr int64_t MAX_GETEILTE_ZEICHEN = 128ll * 1024 * 1024;
/// One shared string: a cell holds at most 32767 characters; allow UTF-8 and escapes.
constexpr size_t MAX_TEXT_BYTES = 1u << 20;

int giZahl(const char* p, int iStandard) {
    if (!p) return iStandard;
    int v = iStandard;
    std::from_chars(p, p + std::strlen(p), v);
    return v;
}

class TextLeser : public XmlLeser {
  public:
    std::vector<QString> texte;

  protected:
    void Anfang(std::string_view s, const char** a) override {
        if (s == "sst") {
            const int n = giZahl(gpAttribut(a, "uniqueCount"), 0);
            texte.reserve(static_cast<size_t>(std::clamp(n, 0, 1 << 20)));
        } else if (s == "si") {
            m_puffer.clear();
            m_bInSi = true;
        } else if (s == "rPh") {
            m_bInPhonetik = true;
        } else if (s == "t" && m_bInSi && !m_bInPhonetik) {
            m_bInT = true;
        }
    }
    void Ende(std::string_view s) override {
        if (s == "si") {
            if (texte.size() >= MAX_GETEILTE_TEXTE) gLesefehler(Lesegrund::ZuGross);
            texte.push_back(gsOoxmlText(m_puffer));
            m_lZeichen += texte.back().size();
            if (m_lZeichen > MAX_GETEILTE_ZEICHEN) gLesefehler(Lesegrund::ZuGross);
            m_bInSi = false;
        } else if (s == "rPh") {
            m_bInPhonetik = false;
        } else if (s == "t") {
            m_bInT = false;
        }
    }
    void Zeichen(const char* p, int n) override {
        if (!m_bInT) return;
        if (m_puffer.size() + static_cast<size_t>(n) > MAX_TEXT_BYTES)
            gLesefehler(Lesegrund::ZuGross);
        m_puffer.append(p, static_cast<size_t>(n));
    }

  private:
    std::string m_puffer;
    int64_t m_lZeichen = 0;
    bool m_bInSi = false;
    bool m_bInPhonetik = false;
    bool m_bInT = false;
};

}  // namespace

std::vector<QString> gLiesGeteilteTexte(const ZipArchiv& archiv, std::string_view sTeil) {
    TextLeser leser;
    leser.LiesEintrag(archiv, sTeil);
    return std::move(leser.texte);
}

}  // namespace rastfang::tabelle
