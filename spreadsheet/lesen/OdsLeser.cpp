#include "spreadsheet/lesen/OdsLeser.h"

#include <charconv>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "spreadsheet/lesen/Lesebudget.h"
#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/OdsFormate.h"
#include "spreadsheet/lesen/Seriell.h"
#include "spreadsheet/lesen/XmlLeser.h"
#include "spreadsheet/lesen/ZipArchiv.h"

namespace rastfang::spreadsheet {

namespace {

constexpr char ODS_MIMETYP[] = "application/vnd.oasis.opendocument.spreadsheet";
/// Repeated rows and cells are spelled out; a hostile file could ask for billions. The budget
/// stops them long before this; the count also bounds the time spent.
constexpr int64_t MAX_WIEDERHOLTE_ZELLEN = 8'000'000;
constexpr size_t MAX_ZELLTEXT = 1u << 20;

const char* gpQ(const char** a, const char* sQName) {
    for (; a[0]; a += 2) {
        if (std::strcmp(a[0], sQName) == 0) return a[1];
    }
    return nullptr;
}

int64_t glWiederholung(const char* p) {
    if (!p) return 1;
    int64_t n = 1;
    const auto e = std::from_chars(p, p + std::strlen(p), n);
    if (e.ec != std::errc() || n < 1) gLesefehler(Lesegrund::Format);
    return n;
}

/// The number and cell styles of a part (styles.xml, and the automatic ones of content.xml).
class StilLeser : public XmlLeser {
  public:
    explicit StilLeser(OdsFormate& formate) : XmlLeser(true), m_formate(formate) {}

  protected:
    void Anfang(std::string_view q, const char** a) override { StilAnfang(q, a); }
    void Ende(std::string_view q) override { StilEnde(q); }
    void Zeichen(const char* p, int n) override { StilZeichen(p, n); }

    /// Each takes an event that belongs to the style sections; false for any other.
    bool StilAnfang(std::string_view q, const char** a) {
        if (q == "office:styles" || q == "office:automatic-styles") {
            m_bInStilen = true;
        } else if (m_bInStilen) {
            m_formate.Anfang(q, a);
        }
        return m_bInStilen;
    }
    bool StilEnde(std::string_view q) {
        if (q == "office:styles" || q == "office:automatic-styles") {
            m_bInStilen = false;
            return true;
        }
        if (m_bInStilen) m_formate.Ende(q);
        return m_bInStilen;
    }
    bool StilZeichen(const char* p, int n) {
        if (m_bInStilen) m_formate.Zeichen(p, n);
        return m_bInStilen;
    }

    OdsFormate& m_formate;

  private:
    bool m_bInStilen = false;
};

/// The one pass over content.xml: its automatic styles, which come before the body, then
/// every table into a sheet of its own, in order.
class InhaltLeser : public StilLeser {
  public:
    InhaltLeser(MappenDaten& mappe, OdsFormate& formate, Lesebudget& budget)
        : StilLeser(formate), m_mappe(mappe), m_budget(budget) {}

    std::vector<std::pair<QString, std::string>> tabellen;  // name, table style
    std::vector<std::unique_ptr<Blatt>> blaetter;           // the cells of each table

  protected:
    void Anfang(std::string_view q, const char** a) override {
        if (StilAnfang(q, a)) return;
        if (q == "table:table") {
            if (tabellen.size() >= 65535) gLesefehler(Lesegrund::ZuGross);
            const char* name = gpQ(a, "table:name");
            const char* stil = gpQ(a, "table:style-name");
            tabellen.emplace_back(QString::fromUtf8(name ? name : ""), stil ? stil : "");
            blaetter.push_back(std::make_unique<Blatt>(QString()));
            m_pBlatt = blaetter.back().get();
            m_bDrin = true;
            m_lZeile = 0;
            m_spaltenStile.clear();
            return;
        }
        if (!m_bDrin) return;
        if (q == "table:table-column") {
            const int64_t n = glWiederholung(gpQ(a, "table:number-columns-repeated"));
            const char* stil = gpQ(a, "table:default-cell-style-name");
            for (int64_t i = 0; i < n && m_spaltenStile.size() < MAX_SPALTE; ++i) {
                m_spaltenStile.emplace_back(stil ? stil : "");
            }
        } else if (q == "table:table-row") {
            m_lZeilenWdh = glWiederholung(gpQ(a, "table:number-rows-repeated"));
            m_lSpalte = 0;
            m_zeile.clear();
        } else if (q == "table:table-cell" || q == "table:covered-table-cell") {
            BeginneZelle(a);
        } else if (q == "office:annotation") {
            ++m_iNotiz;
        } else if (m_bInZelle && m_iNotiz == 0) {
            if (q == "text:p") {
                if (m_bErsterAbsatz) {
                    m_bErsterAbsatz = false;
                } else {
                    m_text += '\n';
                }
            } else if (q == "text:s") {
                const int64_t n = glWiederholung(gpQ(a, "text:c"));
                if (m_text.size() + static_cast<size_t>(n) > MAX_ZELLTEXT) {
                    gLesefehler(Lesegrund::ZuGross);
                }
                m_text.append(static_cast<size_t>(n), ' ');
            } else if (q == "text:tab") {
                m_text += '\t';
            } else if (q == "text:line-break") {
                m_text += '\n';
            }
        }
    }

    void Ende(std::string_view q) override {
        if (StilEnde(q)) return;
        if (q == "table:table") {
            m_bDrin = false;
            return;
        }
        if (!m_bDrin) return;
        if (q == "table:table-cell" || q == "table:covered-table-cell") {
            BeendeZelle();
        } else if (q == "table:table-row") {
            BeendeZeile();
        } else if (q == "office:annotation") {
            --m_iNotiz;
        }
    }

    void Zeichen(const char* p, int n) override {
        if (StilZeichen(p, n)) return;
        if (m_bInZelle && m_iNotiz == 0) {
            if (m_text.size() + static_cast<size_t>(n) > MAX_ZELLTEXT) {
                gLesefehler(Lesegrund::ZuGross);
            }
            m_text.append(p, static_cast<size_t>(n));
        }
    }

  private:
    struct ZellEintrag {
        int32_t lSpalte;
        int64_t lWdh;
        Zelle zelle;
    };

    uint32_t StilIndex(const std::string& sZellstil) {
        const auto it = m_stilIndex.find(sZellstil);
        if (it != m_stilIndex.end()) return it->second;
        Stil st;
        st.sZahlenformat = m_formate.Format(sZellstil);
        const uint32_t i = m_mappe.StilIndex(st);
        m_stilIndex.emplace(sZellstil, i);
        return i;
    }

    void BeginneZelle(const char** a) {
        m_bInZelle = true;
        m_bErsterAbsatz = true;
        m_text.clear();
        m_lZellWdh = glWiederholung(gpQ(a, "table:number-columns-repeated"));
        m_zelle = Zelle{};
        const char* typ = gpQ(a, "office:value-type");
        const char* calcTyp = gpQ(a, "calcext:value-type");
        m_bTextAusAbsatz = false;
        m_bVielleichtWahrheit = false;
        if (!typ) return;
        const char* stil = gpQ(a, "table:style-name");
        std::string sStil = stil ? stil : "";
        if (!stil && static_cast<size_t>(m_lSpalte) < m_spaltenStile.size()) {
            sStil = m_spaltenStile[static_cast<size_t>(m_lSpalte)];
        }
        const std::string_view t(typ);
        if (calcTyp && std::strcmp(calcTyp, "error") == 0) {
            m_zelle.typ = ZellTyp::Fehlerwert;
            m_bTextAusAbsatz = true;
        } else if (t == "float" || t == "percentage" || t == "currency") {
            const char* v = gpQ(a, "office:value");
            if (!v || std::from_chars(v, v + std::strlen(v), m_zelle.zahl).ec != std::errc()) {
                gLesefehler(Lesegrund::Format);
            }
            m_zelle.typ = ZellTyp::Zahl;
            // LibreOffice stores logical results as numbers and tells them by the shown text.
            m_bVielleichtWahrheit =
                gpQ(a, "table:formula") && (m_zelle.zahl == 0 || m_zelle.zahl == 1);
        } else if (t == "date") {
            const char* v = gpQ(a, "office:date-value");
            const auto d = gdIsoSeriell(v ? v : "");
            if (!d) gLesefehler(Lesegrund::Format);
            m_zelle.typ = ZellTyp::Zahl;
            m_zelle.zahl = *d;
        } else if (t == "time") {
            const char* v = gpQ(a, "office:time-value");
            const auto d = gdIsoDauer(v ? v : "");
            if (!d) gLesefehler(Lesegrund::Format);
            m_zelle.typ = ZellTyp::Zahl;
            m_zelle.zahl = *d;
        } else if (t == "boolean") {
            const char* v = gpQ(a, "office:boolean-value");
            m_zelle.typ = ZellTyp::Wahrheitswert;
            m_zelle.zahl = v && std::strcmp(v, "true") == 0 ? 1 : 0;
        } else if (t == "string") {
            m_zelle.typ = ZellTyp::Text;
            const char* v = gpQ(a, "office:string-value");
            if (v) {
                m_zelle.text = QString::fromUtf8(v);
            } else {
                m_bTextAusAbsatz = true;
            }
        }
        if (m_zelle.typ == ZellTyp::Zahl) {
            m_zelle.stil = StilIndex(sStil);
            // A date without a date style still shows as a date.
            if ((t == "date" || t == "time") &&
                m_mappe.stile[m_zelle.stil].sZahlenformat == QStringLiteral("General")) {
                Stil st;
                st.sZahlenformat =
                    t == "date" ? QStringLiteral("DD.MM.YYYY") : QStringLiteral("hh:mm:ss");
                m_zelle.stil = m_mappe.StilIndex(st);
            }
        } else if (m_zelle.typ == ZellTyp::Text) {
            m_zelle.stil = StilIndex(sStil);
        }
    }

    void BeendeZelle() {
        m_bInZelle = false;
        if (m_bVielleichtWahrheit &&
            (m_text == "TRUE" || m_text == "FALSE" || m_text == "WAHR" || m_text == "FALSCH")) {
            m_zelle.typ = ZellTyp::Wahrheitswert;
            m_zelle.stil = 0;
        }
        if (m_bTextAusAbsatz) {
            m_zelle.text = QString::fromUtf8(m_text.data(), static_cast<qsizetype>(m_text.size()));
        }
        const bool bLeer = m_zelle.typ == ZellTyp::Leer ||
                           (m_zelle.typ == ZellTyp::Text && m_zelle.text.isEmpty());
        if (!bLeer && m_lSpalte < MAX_SPALTE) {
            m_zeile.push_back({m_lSpalte + 1, m_lZellWdh, std::move(m_zelle)});
        }
        m_lSpalte = static_cast<int32_t>(std::min<int64_t>(m_lSpalte + m_lZellWdh, MAX_SPALTE));
    }

    void BeendeZeile() {
        if (!m_zeile.empty()) {
            for (int64_t r = 0; r < m_lZeilenWdh && m_lZeile + r < MAX_ZEILE; ++r) {
                for (const ZellEintrag& e : m_zeile) {
                    const int64_t bis = std::min<int64_t>(e.lSpalte + e.lWdh - 1, MAX_SPALTE);
                    for (int64_t s = e.lSpalte; s <= bis; ++s) {
                        if (++m_lZellen > MAX_WIEDERHOLTE_ZELLEN) gLesefehler(Lesegrund::ZuGross);
                        m_budget.Setze(*m_pBlatt, static_cast<int32_t>(m_lZeile + r + 1),
                                       static_cast<int32_t>(s), e.zelle);
                    }
                }
            }
        }
        m_lZeile = std::min<int64_t>(m_lZeile + m_lZeilenWdh, MAX_ZEILE);
    }

    MappenDaten& m_mappe;
    Lesebudget& m_budget;
    Blatt* m_pBlatt = nullptr;
    std::unordered_map<std::string, uint32_t> m_stilIndex;
    std::vector<std::string> m_spaltenStile;
    std::vector<ZellEintrag> m_zeile;
    std::string m_text;
    Zelle m_zelle;
    int64_t m_lZeile = 0;
    int64_t m_lZeilenWdh = 1;
    int64_t m_lZellWdh = 1;
    int64_t m_lZellen = 0;
    int32_t m_lSpalte = 0;
    int m_iNotiz = 0;
    bool m_bDrin = false;
    bool m_bInZelle = false;
    bool m_bErsterAbsatz = true;
    bool m_bTextAusAbsatz = false;
    bool m_bVielleichtWahrheit = false;
};

/// Reads the whole workbook when it is made: all tables live in content.xml, which is parsed
/// once, and its sheets are handed over when the engine asks for them.
class OdsLeser : public MappenLeser {
  public:
    OdsLeser(const ZipArchiv& z, MappenDaten& mappe, Lesebudget& budget) {
        if (auto manifest = z.Finde("META-INF/manifest.xml")) {
            const std::string s = z.LiesGanz(*manifest, 16 * 1024 * 1024);
            if (s.find("encryption-data") != std::string::npos) {
                gLesefehler(Lesegrund::Verschluesselt);
            }
        }
        if (z.Finde("styles.xml")) {
            StilLeser stile(m_formate);
            stile.LiesEintrag(z, "styles.xml");
        }
        InhaltLeser inhalt(mappe, m_formate, budget);
        inhalt.LiesEintrag(z, "content.xml");
        for (const auto& [name, stil] : inhalt.tabellen) {
            m_koepfe.push_back({name, m_formate.IstVersteckt(stil)});
        }
        m_gelesen = std::move(inhalt.blaetter);
    }

    std::vector<BlattKopf> Blaetter() const override { return m_koepfe; }

    void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten&, Lesebudget&) override {
        blatt.UebernimmZeilen(*m_gelesen.at(iIndex));
    }

  private:
    OdsFormate m_formate;
    std::vector<BlattKopf> m_koepfe;
    std::vector<std::unique_ptr<Blatt>> m_gelesen;
};

}  // namespace

bool gbIstOds(const ZipArchiv& archiv) {
    if (!archiv.Finde("content.xml")) return false;
    const auto mimetyp = archiv.Finde("mimetype");
    if (!mimetyp) return true;
    const std::string s = archiv.LiesGanz(*mimetyp, 4096);
    return s.starts_with(ODS_MIMETYP);
}

std::shared_ptr<MappenLeser> gOdsLeser(const ZipArchiv& archiv, MappenDaten& mappe,
                                       Lesebudget& budget) {
    return std::make_shared<OdsLeser>(archiv, mappe, budget);
}

}  // namespace rastfang::spreadsheet
