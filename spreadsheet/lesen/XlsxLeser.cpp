#include "XlsxLeser.h"

#include <cstring>

#include "Lesefehler.h"
#include "XlsxTeile.h"
#include "XlsxTeileLesen.h"
#include "XmlLeser.h"
#include "ZipArchiv.h"

namespace rastfang::tabelle {

namespace {

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
    XlsxLeser(std::shared_ptr<const ZipArchiv> archiv, MappenDaten& mappe)
        : m_archiv(std::move(archiv)) {
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
        // Styles are needed to know which numbers are dates: read them now, they are small.
        if (!m_sStile.empty() && z.Finde(m_sStile)) m_stile = gLiesXlsxStile(z, m_sStile, mappe);
    }

    std::vector<BlattKopf> Blaetter() const override {
        std::vector<BlattKopf> aus;
        aus.reserve(m_blaetter.size());
        for (const auto& v : m_blaetter) aus.push_back(v.kopf);
        return aus;
    }

    void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten&) override {
        const ZipArchiv& z = *m_archiv;
        if (!m_bTexteGelesen) {
            m_bTexteGelesen = true;
            if (!m_sTexte.empty() && z.Finde(m_sTexte)) m_texte = gLiesGeteilteTexte(z, m_sTexte);
        }
        const std::string& sTeil = m_blaetter.at(iIndex).sTeil;
        if (sTeil.empty() || !z.Finde(sTeil)) gLesefehler(Lesegrund::Format);
        const XlsxKontext k{m_texte, m_stile, m_b1904};
        gLiesXlsxBlatt(z, sTeil, k, blatt);
    }

  private:
    std::shared_ptr<const ZipArchiv> m_archiv;
    std::vector<XlsxBlattVerweis> m_blaetter;
    std::string m_sStile;
    std::string m_sTexte;
    std::vector<uint32_t> m_stile;
    std::vector<QString> m_texte;
    bool m_bTexteGelesen = false;
    bool m_b1904 = false;
};

}  // namespace

bool gbIstXlsx(const ZipArchiv& archiv) {
    return !gsMappenTeil(archiv).empty();
}

std::unique_ptr<MappenLeser> gXlsxLeser(std::shared_ptr<const ZipArchiv> archiv,
                                        MappenDaten& mappe) {
    return std::make_unique<XlsxLeser>(std::move(archiv), mappe);
}

}  // namespace rastfang::tabelle
