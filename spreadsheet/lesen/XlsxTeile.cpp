#include "spreadsheet/lesen/XlsxTeile.h"

#include <cstring>

#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/XmlLeser.h"
#include "spreadsheet/lesen/ZipArchiv.h"

namespace rastfang::spreadsheet {

namespace {

constexpr size_t MAX_RELS_BYTES = 16 * 1024 * 1024;

class RelsLeser : public XmlLeser {
  public:
    RelsLeser(std::string_view sTeil, std::vector<Beziehung>& aus) : m_sTeil(sTeil), m_aus(aus) {}

  protected:
    void Anfang(std::string_view sName, const char** attribute) override {
        if (sName != "Relationship") return;
        const char* id = gpAttribut(attribute, "Id");
        const char* typ = gpAttribut(attribute, "Type");
        const char* ziel = gpAttribut(attribute, "Target");
        const char* modus = gpAttribut(attribute, "TargetMode");
        if (!id || !ziel) return;
        Beziehung b;
        b.sId = id;
        b.sTyp = typ ? typ : "";
        b.bExtern = modus && std::strcmp(modus, "External") == 0;
        b.sZiel = b.bExtern ? std::string(ziel) : gsZielPfad(m_sTeil, ziel);
        m_aus.push_back(std::move(b));
    }
    void Ende(std::string_view) override {}

  private:
    std::string_view m_sTeil;
    std::vector<Beziehung>& m_aus;
};

}  // namespace

std::string gsZielPfad(std::string_view sTeil, std::string_view sZiel) {
    std::vector<std::string> teile;
    auto zerlege = [&teile](std::string_view s) {
        size_t i = 0;
        while (i <= s.size()) {
            size_t j = s.find_first_of("/\\", i);
            if (j == std::string_view::npos) j = s.size();
            const std::string_view t = s.substr(i, j - i);
            if (t == "..") {
                if (!teile.empty()) teile.pop_back();
            } else if (!t.empty() && t != ".") {
                teile.emplace_back(t);
            }
            i = j + 1;
        }
    };
    if (sZiel.empty() || (sZiel[0] != '/' && sZiel[0] != '\\')) {
        const size_t k = sTeil.find_last_of('/');
        if (k != std::string_view::npos) zerlege(sTeil.substr(0, k));
    }
    zerlege(sZiel);
    std::string aus;
    for (const std::string& t : teile) {
        if (!aus.empty()) aus.push_back('/');
        aus += t;
    }
    return aus;
}

std::vector<Beziehung> gBeziehungen(const ZipArchiv& archiv, std::string_view sTeil) {
    std::string sRels;
    const size_t k = sTeil.find_last_of('/');
    if (k == std::string_view::npos) {
        sRels = "_rels/" + std::string(sTeil) + ".rels";
    } else {
        sRels = std::string(sTeil.substr(0, k)) + "/_rels/" + std::string(sTeil.substr(k + 1)) +
                ".rels";
    }
    std::vector<Beziehung> aus;
    if (!archiv.Finde(sRels)) return aus;
    const std::string sXml = archiv.LiesGanz(sRels, MAX_RELS_BYTES);
    RelsLeser leser(sTeil, aus);
    leser.LiesText(sXml);
    return aus;
}

bool gbTyp(const Beziehung& b, std::string_view sArt) {
    return b.sTyp.size() > sArt.size() && b.sTyp.ends_with(sArt) &&
           b.sTyp[b.sTyp.size() - sArt.size() - 1] == '/';
}

QString gsOoxmlText(std::string_view s) {
    QString t = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    if (s.find("_x") == std::string_view::npos) return t;
    QString aus;
    aus.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'_' && i + 6 < t.size() && (t[i + 1] == u'x') && t[i + 6] == u'_') {
            bool bOk = false;
            const uint v = QStringView(t).mid(i + 2, 4).toUInt(&bOk, 16);
            if (bOk) {
                aus += QChar(static_cast<char16_t>(v));
                i += 6;
                continue;
            }
        }
        aus += t[i];
    }
    return aus;
}

}  // namespace rastfang::spreadsheet
