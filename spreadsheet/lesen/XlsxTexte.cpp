#include <algorithm>

#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/XlsxTeile.h"
#include "spreadsheet/lesen/XlsxTeileLesen.h"
#include "spreadsheet/lesen/XmlLeser.h"

namespace rastfang::spreadsheet {

namespace {

/// One shared string: a cell holds at most 32767 characters; allow UTF-8 and escapes.
constexpr size_t MAX_TEXT_BYTES = 1u << 20;

class TextLeser : public XmlLeser {
  public:
    explicit TextLeser(Lesebudget& budget) : m_budget(budget) {}
    std::vector<QString> texte;

  protected:
    void Anfang(std::string_view s, const char** a) override {
        if (s == "sst") {
            // The declared count is a hint only: a lie costs no more than the budget allows.
            const int n = giAttributZahl(gpAttribut(a, "uniqueCount"), 0);
            Platz(static_cast<size_t>(std::clamp(n, 0, 1 << 20)));
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
            if (texte.size() == texte.capacity()) Platz(std::max<size_t>(1024, 2 * texte.size()));
            // Charged before the text is made: one UTF-16 unit at most per byte read.
            m_budget.BelasteText(static_cast<int64_t>(m_puffer.size()));
            texte.push_back(gsOoxmlText(m_puffer));
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
    /// Room for `n` texts, the table's growth charged first.
    void Platz(size_t n) {
        if (n <= texte.capacity()) return;
        m_budget.Belaste(static_cast<int64_t>((n - texte.capacity()) * sizeof(QString)) +
                         Lesebudget::BLOCK_VERWALTUNG);
        texte.reserve(n);
    }

    Lesebudget& m_budget;
    std::string m_puffer;
    bool m_bInSi = false;
    bool m_bInPhonetik = false;
    bool m_bInT = false;
};

}  // namespace

std::vector<QString> gLiesGeteilteTexte(const ZipArchiv& archiv, std::string_view sTeil,
                                        Lesebudget& budget) {
    TextLeser leser(budget);
    leser.LiesEintrag(archiv, sTeil);
    return std::move(leser.texte);
}

}  // namespace rastfang::spreadsheet
