#include "spreadsheet/lesen/Standardformate.h"
#include "spreadsheet/lesen/XlsxTeile.h"
#include "spreadsheet/lesen/XlsxTeileLesen.h"
#include "spreadsheet/lesen/XmlLeser.h"

#include <cstring>
#include <unordered_map>

#include "spreadsheet/lesen/Lesefehler.h"

namespace rastfang::spreadsheet {

namespace {

/// Caps the number of formats and cell formats so a hostile file cannot grow the table.
constexpr size_t MAX_FORMATE = 1u << 20;

bool gbWahr(const char* p, bool bStandard) {
    if (!p) return bStandard;
    return std::strcmp(p, "1") == 0 || std::strcmp(p, "true") == 0;
}

class StilLeser : public XmlLeser {
  public:
    StilLeser(MappenDaten& mappe, Lesebudget& budget) : m_mappe(mappe), m_budget(budget) {}

    std::vector<uint32_t> ergebnis;

  protected:
    void Anfang(std::string_view s, const char** a) override {
        if (s == "numFmt") {
            const char* code = gpAttribut(a, "formatCode");
            if (code && m_formate.size() < MAX_FORMATE) {
                m_budget.Belaste(Lesebudget::glTextBytes(std::strlen(code)) + EINTRAG_BYTES);
                m_formate[giAttributZahl(gpAttribut(a, "numFmtId"), -1)] = QString::fromUtf8(code);
            }
        } else if (s == "fonts") {
            m_bInFonts = true;
        } else if (s == "font" && m_bInFonts) {
            m_fett.push_back(false);
        } else if (s == "b" && m_bInFonts && !m_fett.empty()) {
            m_fett.back() = gbWahr(gpAttribut(a, "val"), true);
        } else if (s == "cellXfs") {
            m_bInXfs = true;
        } else if (s == "xf" && m_bInXfs) {
            if (ergebnis.size() >= MAX_FORMATE) gLesefehler(Lesegrund::ZuGross);
            // A format of its own in the workbook's table (and its index), at the most.
            m_budget.Belaste(static_cast<int64_t>(sizeof(Stil) + sizeof(uint32_t)) + EINTRAG_BYTES);
            Stil st;
            const int iFmt = giAttributZahl(gpAttribut(a, "numFmtId"), 0);
            const auto it = m_formate.find(iFmt);
            st.sZahlenformat = it != m_formate.end() ? it->second : gsStandardformat(iFmt);
            const int iFont = giAttributZahl(gpAttribut(a, "fontId"), 0);
            st.bFett = iFont >= 0 && static_cast<size_t>(iFont) < m_fett.size() &&
                       m_fett[static_cast<size_t>(iFont)];
            m_aktuell = st;
            m_bInXf = true;
        } else if (s == "protection" && m_bInXf) {
            m_aktuell.bGesperrt = gbWahr(gpAttribut(a, "locked"), true);
        }
    }
    void Ende(std::string_view s) override {
        if (s == "fonts") {
            m_bInFonts = false;
        } else if (s == "cellXfs") {
            m_bInXfs = false;
        } else if (s == "xf" && m_bInXf) {
            m_bInXf = false;
            ergebnis.push_back(m_mappe.StilIndex(m_aktuell));
        }
    }

  private:
    /// A table entry's share of hashing and allocation.
    static constexpr int64_t EINTRAG_BYTES = 64;

    MappenDaten& m_mappe;
    Lesebudget& m_budget;
    std::unordered_map<int, QString> m_formate;
    std::vector<bool> m_fett;
    Stil m_aktuell;
    bool m_bInFonts = false;
    bool m_bInXfs = false;
    bool m_bInXf = false;
};

}  // namespace

std::vector<uint32_t> gLiesXlsxStile(const ZipArchiv& archiv, std::string_view sTeil,
                                     MappenDaten& mappe, Lesebudget& budget) {
    StilLeser leser(mappe, budget);
    leser.LiesEintrag(archiv, sTeil);
    return std::move(leser.ergebnis);
}

}  // namespace rastfang::spreadsheet
