#pragma once
// OpenDocument number styles (<number:number-style>, <number:date-style>, …) turned into the
// format codes the display code understands ("#,##0.00", "DD.MM.YYYY", "0.0%", "@").

#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rastfang::spreadsheet {

/// Collects number styles and cell styles while a styles or content part is parsed; the owner
/// forwards the elements of <office:styles> and <office:automatic-styles> to it.
class OdsFormate {
  public:
    /// An element inside a style section begins (`sQName` with its prefix, as written).
    void Anfang(std::string_view sQName, const char** attribute);
    /// The element ends.
    void Ende(std::string_view sQName);
    /// Character data inside the current element.
    void Zeichen(const char* p, int n);

    /// The format code of cell style `sZellstil` (own data style or its parent's); "General"
    /// when it has none.
    QString Format(const std::string& sZellstil) const;

    /// True when table style `sTabellenstil` hides its sheet.
    bool IstVersteckt(const std::string& sTabellenstil) const;

  private:
    struct Zahlenstil {
        std::string sArt;  // number-style, date-style, percentage-style, …
        QString sCode;
        std::vector<std::pair<std::string, std::string>> bedingungen;  // condition → style
        bool bVerstrichen = false;  // its first time unit still to be written as elapsed
    };
    /// `sTeil` ("h", "mm") as elapsed time when it is the first unit of such a style.
    static QString Verstrichen(Zahlenstil& z, const QString& sTeil);
    struct Zellstil {
        std::string sDatenstil;
        std::string sEltern;
    };
    QString Code(const std::string& sDatenstil, int iTiefe) const;

    std::unordered_map<std::string, Zahlenstil> m_zahlen;
    std::unordered_map<std::string, Zellstil> m_zellen;
    std::unordered_map<std::string, bool> m_tabellen;
    std::string m_sAktuellerZahlenstil;
    std::string m_sAktuellerTabellenstil;
    bool m_bInText = false;
    QString m_sText;
};

}  // namespace rastfang::spreadsheet
