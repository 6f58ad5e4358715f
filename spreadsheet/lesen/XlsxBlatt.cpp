#include <array>
#include <charconv>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/Parallel.h"
#include "spreadsheet/lesen/Seriell.h"
#include "spreadsheet/lesen/XlsxTeile.h"
#include "spreadsheet/lesen/XlsxTeileLesen.h"
#include "spreadsheet/lesen/XlsxTeilung.h"
#include "spreadsheet/lesen/XmlLeser.h"
#include "spreadsheet/lesen/ZipArchiv.h"
#include "spreadsheet/lesen/Zufluss.h"

namespace rastfang::spreadsheet {

namespace {

/// Splits a cell reference "AB12" into column 28 and row 12; parts missing stay 0.
/// False when it is malformed or beyond the sheet's limits.
bool gbZellbezug(const char* p, int32_t& lSpalte, int32_t& lZeile) {
    int64_t s = 0, z = 0;
    lSpalte = lZeile = 0;
    for (; *p == '$'; ++p) {
    }
    for (; (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z'); ++p) {
        s = s * 26 + ((*p | 0x20) - 'a' + 1);
        if (s > MAX_SPALTE) return false;
    }
    for (; *p == '$'; ++p) {
    }
    for (; *p >= '0' && *p <= '9'; ++p) {
        z = z * 10 + (*p - '0');
        if (z > MAX_ZEILE) return false;
    }
    if (*p != '\0' && *p != ':') return false;
    lSpalte = static_cast<int32_t>(s);
    lZeile = static_cast<int32_t>(z);
    return true;
}

/// Reads a plain decimal "-12.5" exactly as std::from_chars would, without its general
/// machinery: up to 15 digits make an exact integer and an exact power of ten, whose quotient
/// is the correctly rounded value. False for anything else (the caller then
/// asks from_chars).
bool schlichteZahl(const char* p, const char* ende, double& d) {
    static constexpr std::array<double, 16> ZEHNER = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool bMinus = p < ende && *p == '-';
    if (bMinus) ++p;
    int64_t lZiffern = 0;
    int nZiffern = 0, nNachkomma = 0;
    bool bKomma = false;
    for (; p < ende; ++p) {
        if (*p >= '0' && *p <= '9') {
            lZiffern = lZiffern * 10 + (*p - '0');
            if (++nZiffern > 15) return false;
            if (bKomma) ++nNachkomma;
        } else if (*p == '.' && !bKomma) {
            bKomma = true;
        } else {
            return false;
        }
    }
    if (nZiffern == 0 || (bKomma && nNachkomma == 0)) return false;
    const double dBetrag = static_cast<double>(lZiffern) / ZEHNER[static_cast<size_t>(nNachkomma)];
    d = bMinus ? -dBetrag : dBetrag;
    return true;
}

bool gbWahr(const char* p) {
    return p && (std::strcmp(p, "1") == 0 || std::strcmp(p, "true") == 0);
}

class BlattLeser : public XmlLeser {
  public:
    BlattLeser(const XlsxKontext& k, Blatt& blatt, Lesebudget& budget)
        : m_k(k), m_blatt(blatt), m_budget(budget) {}

  protected:
    void Anfang(std::string_view s, const char** a) override {
        if (s == "c") {
            BeginneZelle(a);
        } else if (s == "v") {
            if (m_bInZelle) {
                m_bSammeln = true;
                m_wert.clear();
            }
        } else if (s == "is") {
            if (m_bInZelle) {
                m_bInInline = true;
                m_wert.clear();
            }
        } else if (s == "t") {
            if (m_bInInline && !m_bInPhonetik) m_bSammeln = true;
        } else if (s == "rPh") {
            m_bInPhonetik = true;
        } else if (s == "row") {
            const char* r = gpAttribut(a, "r");
            int32_t z = m_lZeile + 1;
            if (r) {
                z = 0;
                const auto e = std::from_chars(r, r + std::strlen(r), z);
                if (e.ec != std::errc()) gLesefehler(Lesegrund::Format);
            }
            if (z < 1 || z > MAX_ZEILE) gLesefehler(Lesegrund::Format);
            m_lZeile = z;
            m_lSpalte = 0;
        } else if (s == "col") {
            Spalten(a);
        } else if (s == "sheetProtection") {
            Blattschutz schutz;
            schutz.bAktiv = gbWahr(gpAttribut(a, "sheet"));
            schutz.bInhalte = schutz.bAktiv;
            schutz.bZeichnungsobjekte = gbWahr(gpAttribut(a, "objects"));
            schutz.bSzenarien = gbWahr(gpAttribut(a, "scenarios"));
            m_blatt.SetzeSchutz(schutz);
            m_bSchutzGelesen = true;
        }
    }

    void Ende(std::string_view s) override {
        if (s == "c") {
            BeendeZelle();
        } else if (s == "row") {
            Leeren();
        } else if (s == "v" || s == "t") {
            m_bSammeln = false;
        } else if (s == "is") {
            m_bInInline = false;
        } else if (s == "rPh") {
            m_bInPhonetik = false;
        }
    }

    void Zeichen(const char* p, int n) override {
        if (m_bSammeln) {
            if (m_wert.size() + static_cast<size_t>(n) > MAX_ZELLTEXT) {
                gLesefehler(Lesegrund::ZuGross);
            }
            m_wert.append(p, static_cast<size_t>(n));
        }
    }

  private:
    /// A cell holds at most 32767 characters; allow UTF-8 and escapes generously.
    static constexpr size_t MAX_ZELLTEXT = 1u << 20;

    void BeginneZelle(const char** a) {
        m_bInZelle = true;
        m_wert.clear();
        m_cTyp = 'n';
        m_lStil = 0;
        int32_t lSpalte = m_lSpalte + 1;
        int32_t lZeile = m_lZeile < 1 ? 1 : m_lZeile;
        for (const char** p = a; p[0]; p += 2) {
            const char* n = p[0];
            if (n[0] == 'r' && n[1] == '\0') {
                int32_t sp = 0, z = 0;
                if (!gbZellbezug(p[1], sp, z)) gLesefehler(Lesegrund::Format);
                if (sp > 0) lSpalte = sp;
                if (z > 0) lZeile = z;
            } else if (n[0] == 's' && n[1] == '\0') {
                uint64_t xf = 0;
                for (const char* c = p[1]; *c >= '0' && *c <= '9' && xf < (1u << 30); ++c) {
                    xf = xf * 10 + static_cast<uint64_t>(*c - '0');
                }
                m_lStil = xf < m_k.stile.size() ? m_k.stile[xf] : 0;
            } else if (n[0] == 't' && n[1] == '\0') {
                const std::string_view t(p[1]);
                m_cTyp = t == "s"           ? 's'
                         : t == "str"       ? 'f'
                         : t == "inlineStr" ? 'i'
                         : t == "b"         ? 'b'
                         : t == "e"         ? 'e'
                         : t == "d"         ? 'd'
                                            : 'n';
            }
        }
        if (lSpalte > MAX_SPALTE) gLesefehler(Lesegrund::Format);
        m_lSpalte = lSpalte;
        m_lZeile = lZeile;
    }

    void BeendeZelle() {
        m_bInZelle = false;
        m_bSammeln = false;
        if (m_wert.empty() && m_cTyp != 'i' && m_cTyp != 'f') return;  // formatted, no value
        Zelle z;
        z.stil = m_lStil;
        switch (m_cTyp) {
            case 's': {
                size_t i = 0;
                const auto e = std::from_chars(m_wert.data(), m_wert.data() + m_wert.size(), i);
                if (e.ec != std::errc() || i >= m_k.texte.size()) gLesefehler(Lesegrund::Format);
                z.typ = ZellTyp::Text;
                z.text = m_k.texte[i];
                break;
            }
            case 'f':
            case 'i':
                if (m_wert.empty()) return;
                z.typ = ZellTyp::Text;
                z.text = gsOoxmlText(m_wert);
                m_budget.BelasteText(z.text.size());
                break;
            case 'b':
                z.typ = ZellTyp::Wahrheitswert;
                z.zahl = (m_wert == "1" || m_wert == "true") ? 1 : 0;
                break;
            case 'e':
                z.typ = ZellTyp::Fehlerwert;
                z.text = QString::fromUtf8(m_wert.data(), static_cast<qsizetype>(m_wert.size()));
                m_budget.BelasteText(z.text.size());
                break;
            case 'd': {
                const auto d = gdIsoSeriell(m_wert);
                if (!d) gLesefehler(Lesegrund::Format);
                z.typ = ZellTyp::Zahl;
                z.zahl = m_k.b1904 ? *d - 1462 : *d;
                break;
            }
            default: {
                const char* anfang = m_wert.data();
                const char* ende = anfang + m_wert.size();
                while (anfang < ende && *anfang == ' ') ++anfang;
                if (anfang < ende && *anfang == '+') ++anfang;
                if (!schlichteZahl(anfang, ende, z.zahl)) {
                    const auto e = std::from_chars(anfang, ende, z.zahl);
                    if (e.ec != std::errc()) gLesefehler(Lesegrund::Format);
                }
                z.typ = ZellTyp::Zahl;
                break;
            }
        }
        // A row holds each column once; more cells than columns repeat some: store what
        // there is (later cells replace earlier ones) so the buffer stays bounded.
        if (m_lZeile != m_lPufferZeile || m_puffer.size() >= MAX_SPALTE) Leeren();
        m_lPufferZeile = m_lZeile;
        z.spalte = static_cast<uint16_t>(m_lSpalte);
        m_puffer.push_back(std::move(z));
    }

  public:
    /// Stores the buffered cells of the current row: the row is sized once, not cell by cell.
    void Leeren() {
        if (m_puffer.empty()) return;
        Zellzeile zeile(std::make_move_iterator(m_puffer.begin()),
                        std::make_move_iterator(m_puffer.end()));
        m_puffer.clear();
        m_budget.SetzeZeile(m_blatt, m_lPufferZeile, std::move(zeile));
    }

    /// Whether the document set the sheet's protection.
    bool SchutzGelesen() const { return m_bSchutzGelesen; }

  private:
    void Spalten(const char** a) {
        const char* pMin = gpAttribut(a, "min");
        const char* pMax = gpAttribut(a, "max");
        const char* pBreite = gpAttribut(a, "width");
        if (!pMin || !pBreite) return;
        int32_t lMin = 0, lMax = 0;
        std::from_chars(pMin, pMin + std::strlen(pMin), lMin);
        lMax = lMin;
        if (pMax) std::from_chars(pMax, pMax + std::strlen(pMax), lMax);
        double dBreite = 0;
        std::from_chars(pBreite, pBreite + std::strlen(pBreite), dBreite);
        if (lMin < 1 || lMax < lMin || !(dBreite >= 0 && dBreite <= 255)) return;
        lMax = std::min(lMax, MAX_SPALTE);
        // A <col> spanning to the last column only sets a default: keep widths of real columns.
        if (lMax - lMin > 1024) lMax = lMin;
        if (lMax > m_lBreitenBis) {
            m_budget.Belaste(static_cast<int64_t>(lMax - m_lBreitenBis) * sizeof(double));
            m_lBreitenBis = lMax;
        }
        for (int32_t s = lMin; s <= lMax; ++s) m_blatt.SetzeSpaltenbreite(s, dBreite);
    }

    const XlsxKontext& m_k;
    Blatt& m_blatt;
    std::string m_wert;
    Lesebudget& m_budget;
    Zellzeile m_puffer;
    int32_t m_lPufferZeile = 0;
    int32_t m_lBreitenBis = 0;  // columns whose widths are charged
    int32_t m_lZeile = 0;
    int32_t m_lSpalte = 0;
    uint32_t m_lStil = 0;
    char m_cTyp = 'n';
    bool m_bInZelle = false;
    bool m_bSammeln = false;
    bool m_bInInline = false;
    bool m_bInPhonetik = false;
    bool m_bSchutzGelesen = false;
};

/// Inflates worksheet `sTeil` of `nGroesse` declared bytes and parses it into `blatt` as two
/// halves at the same time, charging `teil`. The first half's parser begins while the document
/// is still being inflated; it gets the larger share for that. False when it cannot be read so
/// (no safe point, rows of one number in both halves, a half its parser refuses, or `teil`
/// exhausted); `blatt` then holds no rows. An archive that cannot be inflated throws.
bool gbInHaelften(const ZipArchiv& archiv, std::string_view sTeil, size_t nGroesse,
                  const XlsxKontext& k, Blatt& blatt, Lesebudget& teil) {
    // Inflating takes about a sixth of the time parsing does, so the halves end together
    // when the first has 58% (measured on the engine benchmark's sheet).
    const size_t nErsteBis = nGroesse / 50 * 29;
    Zufluss zufluss(nGroesse);
    std::exception_ptr inflatefehler;
    std::optional<Blatthaelften> haelften;  // set before the Zufluss is closed
    Blatt zweites(blatt.Name());
    BlattLeser erster(k, blatt, teil);
    BlattLeser zweiter(k, zweites, teil);
    try {
        gParallel(2, 2, [&](size_t iHaelfte) {
            if (iHaelfte == 0) {
                size_t nGelesen = 0;
                while (nGelesen < nErsteBis) {
                    const size_t nDa = std::min(zufluss.Warte(nGelesen), nErsteBis);
                    if (nDa == nGelesen) break;  // the inflating ended early
                    const std::string_view sXml = zufluss.Anfang(nDa);
                    if (!erster.LiesStueck(sXml.substr(nGelesen))) return;
                    nGelesen = nDa;
                }
                const std::string_view sXml = zufluss.Ganz();
                if (!haelften) return;
                erster.LiesTexte(
                    {sXml.substr(nGelesen, haelften->nZweiteAb - nGelesen), haelften->sSchluss});
                erster.Leeren();
            } else {
                {
                    const ZuflussSchliesser schliesser{zufluss};
                    try {
                        archiv.Lies(sTeil, [&zufluss](const char* p, size_t n) {
                            if (!zufluss.Anhaengen(p, n)) gLesefehler(Lesegrund::Format);
                            return true;
                        });
                    } catch (...) {
                        inflatefehler = std::current_exception();
                        return;
                    }
                    haelften = gBlatthaelften(zufluss.Gefuellt(), nErsteBis);
                }
                if (!haelften) return;
                zweiter.LiesTexte(
                    {haelften->sVorspann, zufluss.Ganz().substr(haelften->nZweiteAb)});
                zweiter.Leeren();
            }
        });
        if (haelften && blatt.UebernimmNeueZeilen(zweites)) {
            // What follows the sheet data comes after what precedes it, as in one pass.
            for (int32_t s = 1; s <= MAX_SPALTE; ++s) {
                if (zweites.HatSpaltenbreite(s)) {
                    blatt.SetzeSpaltenbreite(s, zweites.Spaltenbreite(s));
                }
            }
            if (zweiter.SchutzGelesen()) blatt.SetzeSchutz(zweites.Schutz());
            return true;
        }
    } catch (const Lesefehler&) {
        // Read as one below: its error, if any, is the one to report.
    }
    if (inflatefehler) std::rethrow_exception(inflatefehler);
    blatt.GibZeilenFrei();
    return false;
}

/// Gives back a charge when it goes out of scope.
struct Rueckgabe {
    Lesebudget& budget;
    int64_t lBytes;
    ~Rueckgabe() { budget.Entlaste(lBytes); }
};

}  // namespace

void gLiesXlsxBlatt(const ZipArchiv& archiv, std::string_view sTeil, const XlsxKontext& k,
                    Blatt& blatt, Lesebudget& budget, uint64_t lHaelftenAb) {
    const std::optional<uint64_t> lGroesse =
        lHaelftenAb > 0 ? archiv.Groesse(sTeil) : std::optional<uint64_t>();
    if (lGroesse && *lGroesse >= lHaelftenAb && *lGroesse <= MAX_HAELFTEN_BLATT &&
        budget.BelasteWennFrei(static_cast<int64_t>(*lGroesse))) {
        // The halves charge a budget of their own, so that a sheet they cannot hold beside its
        // document can still be streamed; only the whole result is charged, once the document
        // is given back.
        Lesebudget teil(budget.Grenze() - budget.Belegt());
        bool bGelesen = false;
        {
            const Rueckgabe rueckgabe{budget, static_cast<int64_t>(*lGroesse)};
            bGelesen = gbInHaelften(archiv, sTeil, static_cast<size_t>(*lGroesse), k, blatt, teil);
        }
        if (bGelesen) {
            budget.Belaste(teil.Belegt());
            return;
        }
    }
    BlattLeser leser(k, blatt, budget);
    leser.LiesEintrag(archiv, sTeil);
    leser.Leeren();
}

}  // namespace rastfang::spreadsheet
