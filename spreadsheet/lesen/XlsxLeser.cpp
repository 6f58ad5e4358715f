#include "spreadsheet/lesen/XlsxLeser.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>

#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/Parallel.h"
#include "spreadsheet/lesen/XlsxTeile.h"
#include "spreadsheet/lesen/XlsxTeileLesen.h"
#include "spreadsheet/lesen/XmlLeser.h"
#include "spreadsheet/lesen/ZipArchiv.h"

namespace rastfang::spreadsheet {

namespace {

/// Below this size a worksheet part is parsed faster than a thread is started.
constexpr uint64_t HAELFTEN_AB = 4 * 1024 * 1024;

/// The workbook part: the package's officeDocument relationship, else the usual name.
std::string gsMappenTeil(const ZipArchiv& archiv) {
    for (const Beziehung& b : gBeziehungen(archiv, "")) {
        if (gbTyp(b, "officeDocument") && !b.bExtern && archiv.Finde(b.sZiel)) return b.sZiel;
    }
    if (auto s = archiv.Finde("xl/workbook.xml")) return *s;
    return {};
}

struct XlsxBlattVerweis {
    BlattKopf kopf;
    std::string sTeil;
};

class MappenTeilLeser : public XmlLeser {
  public:
    struct Eintrag {
        BlattKopf kopf;
        std::string sRid;
    };
    std::vector<Eintrag> blaetter;
    bool b1904 = false;

  protected:
    void Anfang(std::string_view s, const char** a) override {
        if (s == "sheet") {
            const char* name = gpAttribut(a, "name");
            const char* rid = gpAttribut(a, "id");
            const char* zustand = gpAttribut(a, "state");
            if (!name || !rid) gLesefehler(Lesegrund::Format);
            if (blaetter.size() >= 65535) gLesefehler(Lesegrund::ZuGross);
            Eintrag e;
            e.kopf.sName = QString::fromUtf8(name);
            e.kopf.bVersteckt = zustand && std::strcmp(zustand, "visible") != 0;
            e.sRid = rid;
            blaetter.push_back(std::move(e));
        } else if (s == "workbookPr") {
            const char* d = gpAttribut(a, "date1904");
            b1904 = d && (std::strcmp(d, "1") == 0 || std::strcmp(d, "true") == 0);
        }
    }
    void Ende(std::string_view) override {}
};

class XlsxLeser : public MappenLeser {
  public:
    XlsxLeser(const QString& sPfad, std::shared_ptr<const ZipArchiv> archiv, MappenDaten& mappe,
              Lesebudget& budget)
        : m_sPfad(sPfad), m_archiv(std::move(archiv)) {
        const ZipArchiv& z = *m_archiv;
        const std::string sMappe = gsMappenTeil(z);
        if (sMappe.empty()) gLesefehler(Lesegrund::Format);
        MappenTeilLeser wb;
        wb.LiesEintrag(z, sMappe);
        m_b1904 = wb.b1904;
        mappe.b1904 = wb.b1904;

        const std::vector<Beziehung> rels = gBeziehungen(z, sMappe);
        for (const Beziehung& b : rels) {
            if (b.bExtern) continue;
            if (gbTyp(b, "styles")) m_sStile = b.sZiel;
            if (gbTyp(b, "sharedStrings")) m_sTexte = b.sZiel;
        }
        for (const auto& e : wb.blaetter) {
            const Beziehung* ziel = nullptr;
            for (const Beziehung& b : rels) {
                if (b.sId == e.sRid) ziel = &b;
            }
            // Chart sheets and dialog sheets are no worksheets.
            if (ziel && !gbTyp(*ziel, "worksheet") && !gbTyp(*ziel, "xlMacrosheet")) continue;
            XlsxBlattVerweis v;
            v.kopf = e.kopf;
            if (ziel && !ziel->bExtern) v.sTeil = ziel->sZiel;
            m_blaetter.push_back(std::move(v));
        }
        if (m_blaetter.empty()) gLesefehler(Lesegrund::Format);
        // Every sheet has a part of its own: a file pointing many sheets at one part would
        // make a few bytes count many times over. No spreadsheet application writes that.
        std::vector<std::string> teile;
        for (const auto& v : m_blaetter) {
            if (v.sTeil.empty()) gLesefehler(Lesegrund::Format);
            const std::optional<std::string> name = z.Finde(v.sTeil);
            if (!name) gLesefehler(Lesegrund::Format);
            teile.push_back(*name);
        }
        std::sort(teile.begin(), teile.end());
        if (std::adjacent_find(teile.begin(), teile.end()) != teile.end()) {
            gLesefehler(Lesegrund::Format);
        }
        // Styles tell which numbers are dates; shared strings serve every sheet: both are read
        // before the sheets.
        if (!m_sStile.empty() && z.Finde(m_sStile)) {
            m_stile = gLiesXlsxStile(z, m_sStile, mappe, budget);
        }
        if (!m_sTexte.empty() && z.Finde(m_sTexte)) {
            m_texte = gLiesGeteilteTexte(z, m_sTexte, budget);
        }
        m_iHaelftenBlatt = groessesAlleinBlatt(z);
        // One handle for every thread that may read sheets; the first is the one open already.
        for (size_t i = 0; i < gnLeseThreads(); ++i) m_plaetze.push_back(std::make_unique<Platz>());
        m_plaetze.front()->archiv = m_archiv;
    }

    std::vector<BlattKopf> Blaetter() const override {
        std::vector<BlattKopf> aus;
        aus.reserve(m_blaetter.size());
        for (const auto& v : m_blaetter) aus.push_back(v.kopf);
        return aus;
    }

    bool Nebenlaeufig() const override { return true; }

    void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten&, Lesebudget& budget) override {
        // A zip handle reads one entry at a time: each sheet read at the same time as another
        // takes a handle of its own from the slots, opened on first use.
        Platz* platz = nullptr;
        for (const auto& p : m_plaetze) {
            if (!p->bBelegt.exchange(true, std::memory_order_acquire)) {
                platz = p.get();
                break;
            }
        }
        struct Freigabe {
            Platz* p;
            ~Freigabe() {
                if (p) p->bBelegt.store(false, std::memory_order_release);
            }
        } freigabe{platz};
        std::unique_ptr<const ZipArchiv> eigenes;
        const ZipArchiv* archiv = nullptr;
        if (platz) {
            if (!platz->archiv) platz->archiv = std::make_shared<const ZipArchiv>(m_sPfad);
            archiv = platz->archiv.get();
        } else {
            eigenes = std::make_unique<const ZipArchiv>(m_sPfad);
            archiv = eigenes.get();
        }
        const XlsxKontext k{m_texte, m_stile, m_b1904};
        const uint64_t lHaelftenAb = iIndex == m_iHaelftenBlatt ? HAELFTEN_AB : 0;
        gLiesXlsxBlatt(*archiv, m_blaetter.at(iIndex).sTeil, k, blatt, budget, lHaelftenAb);
    }

  private:
    /// The sheet that may be parsed in halves: the one large sheet of a workbook whose other
    /// sheets together are small, so that the second core would otherwise wait, and what the
    /// others hold in memory stays small while the halves are read (XlsxTeileLesen.h);
    /// m_blaetter.size() when there is none.
    size_t groessesAlleinBlatt(const ZipArchiv& z) const {
        if (gnLeseThreads() < 2) return m_blaetter.size();
        size_t iGross = m_blaetter.size();
        uint64_t lAndere = 0;
        for (size_t i = 0; i < m_blaetter.size(); ++i) {
            const std::optional<uint64_t> lGroesse = z.Groesse(m_blaetter[i].sTeil);
            if (!lGroesse) return m_blaetter.size();
            if (*lGroesse >= HAELFTEN_AB && iGross == m_blaetter.size()) {
                iGross = i;
            } else {
                lAndere = std::min(lAndere + std::min(*lGroesse, HAELFTEN_AB), HAELFTEN_AB);
            }
        }
        return lAndere < HAELFTEN_AB ? iGross : m_blaetter.size();
    }

    /// A zip handle and whether a sheet reader holds it.
    struct Platz {
        std::atomic<bool> bBelegt{false};
        std::shared_ptr<const ZipArchiv> archiv;
    };

    QString m_sPfad;
    std::shared_ptr<const ZipArchiv> m_archiv;
    std::vector<std::unique_ptr<Platz>> m_plaetze;
    std::vector<XlsxBlattVerweis> m_blaetter;
    std::string m_sStile;
    std::string m_sTexte;
    std::vector<uint32_t> m_stile;
    std::vector<QString> m_texte;
    bool m_b1904 = false;
    size_t m_iHaelftenBlatt = 0;
};

}  // namespace

bool gbIstXlsx(const ZipArchiv& archiv) {
    return !gsMappenTeil(archiv).empty();
}

std::unique_ptr<MappenLeser> gXlsxLeser(const QString& sPfad,
                                        std::shared_ptr<const ZipArchiv> archiv, MappenDaten& mappe,
                                        Lesebudget& budget) {
    return std::make_unique<XlsxLeser>(sPfad, std::move(archiv), mappe, budget);
}

}  // namespace rastfang::spreadsheet
