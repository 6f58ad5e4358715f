#include "spreadsheet/lesen/OdsFormate.h"

#include <cstring>

#include "spreadsheet/lesen/XmlLeser.h"

namespace rastfang::spreadsheet {

namespace {

/// The attribute with exactly this qualified name (OpenDocument writers use the standard
/// prefixes; "value-type" exists as office: and calcext: at once).
const char* gpQAttribut(const char** a, const char* sQName) {
    for (; a[0]; a += 2) {
        if (std::strcmp(a[0], sQName) == 0) return a[1];
    }
    return nullptr;
}

bool gbIst(const char* p, const char* wert) {
    return p && std::strcmp(p, wert) == 0;
}

int giZahl(const char* p, int iStandard) {
    if (!p) return iStandard;
    bool bOk = false;
    const int v = QByteArray(p).toInt(&bOk);
    return bOk ? std::clamp(v, 0, 30) : iStandard;
}

/// A literal for a format code: quoted unless it is harmless punctuation.
QString gsLiteral(const QString& s) {
    bool bEinfach = true;
    for (const QChar c : s) {
        if (!(c == u' ' || c == u'-' || c == u'/' || c == u':' || c == u'(' || c == u')' ||
              c == u'.' || c == u',')) {
            bEinfach = false;
        }
    }
    if (bEinfach) {
        QString t;
        for (const QChar c : s) {
            if (c == u'.' || c == u',') t += u'\\';
            t += c;
        }
        return t;
    }
    QString t = s;
    t.replace(u'"', QStringLiteral("\"\\\"\""));
    return u'"' + t + u'"';
}

}  // namespace

void OdsFormate::Anfang(std::string_view q, const char** a) {
    if (q.starts_with("number:") && q.ends_with("-style")) {
        const char* name = gpQAttribut(a, "style:name");
        m_sAktuellerZahlenstil = name ? name : "";
        Zahlenstil& z = m_zahlen[m_sAktuellerZahlenstil];
        z = Zahlenstil{};
        z.sArt = std::string(q.substr(7));
        // "[h]:mm": hours (or minutes) beyond a day instead of the time of day
        z.bVerstrichen = gbIst(gpQAttribut(a, "number:truncate-on-overflow"), "false");
        return;
    }
    if (q == "style:style") {
        const char* familie = gpQAttribut(a, "style:family");
        const char* name = gpQAttribut(a, "style:name");
        if (!name) return;
        if (gbIst(familie, "table-cell")) {
            const char* daten = gpQAttribut(a, "style:data-style-name");
            const char* eltern = gpQAttribut(a, "style:parent-style-name");
            m_zellen[name] = {daten ? daten : "", eltern ? eltern : ""};
        } else if (gbIst(familie, "table")) {
            m_sAktuellerTabellenstil = name;
        }
        return;
    }
    if (q == "style:table-properties" && !m_sAktuellerTabellenstil.empty()) {
        m_tabellen[m_sAktuellerTabellenstil] = gbIst(gpQAttribut(a, "table:display"), "false");
        return;
    }
    if (m_sAktuellerZahlenstil.empty()) return;
    Zahlenstil& z = m_zahlen[m_sAktuellerZahlenstil];
    const bool bLang = gbIst(gpQAttribut(a, "number:style"), "long");
    if (q == "number:number" || q == "number:scientific-number") {
        const int nNach = giZahl(gpQAttribut(a, "number:decimal-places"), 0);
        const int nMinNach = giZahl(gpQAttribut(a, "number:min-decimal-places"), nNach);
        const int nGanz = giZahl(gpQAttribut(a, "number:min-integer-digits"), 1);
        QString s;
        if (gbIst(gpQAttribut(a, "number:grouping"), "true")) {
            s = nGanz <= 1 ? QStringLiteral("#,##") + QString(nGanz, u'0')
                           : QStringLiteral("#,") + QString(nGanz, u'0');
            if (nGanz == 0) s = QStringLiteral("#,###");
        } else {
            s = nGanz == 0 ? QStringLiteral("#") : QString(nGanz, u'0');
        }
        if (nNach > 0) {
            s += u'.';
            s += QString(std::min(nMinNach, nNach), u'0');
            s += QString(nNach - std::min(nMinNach, nNach), u'#');
        }
        if (q == "number:scientific-number") {
            s += QStringLiteral("E+") +
                 QString(giZahl(gpQAttribut(a, "number:min-exponent-digits"), 2), u'0');
        }
        // a display factor of 1000 per trailing comma ("0.0,," shows millions)
        if (const char* f = gpQAttribut(a, "number:display-factor")) {
            for (long long n = QByteArray(f).toLongLong(); n >= 1000 && n % 1000 == 0; n /= 1000) {
                s += u',';
            }
        }
        z.sCode += s;
    } else if (q == "number:fraction") {
        // an integer part only when its digits are given ("# ?/?" against "?/?")
        if (const char* g = gpQAttribut(a, "number:min-integer-digits")) {
            const int n = giZahl(g, 0);
            z.sCode += (n == 0 ? QStringLiteral("#") : QString(n, u'0')) + u' ';
        }
        const int nZaehler = std::max(1, giZahl(gpQAttribut(a, "number:min-numerator-digits"), 1));
        z.sCode += QString(nZaehler, u'?') + u'/';
        if (const char* fest = gpQAttribut(a, "number:denominator-value")) {
            z.sCode += QString::number(giZahl(fest, 1));
        } else {
            const QByteArray max(gpQAttribut(a, "number:max-denominator-value")
                                     ? gpQAttribut(a, "number:max-denominator-value")
                                     : "");
            const int nNenner =
                max.isEmpty()
                    ? std::max(1, giZahl(gpQAttribut(a, "number:min-denominator-digits"), 1))
                    : static_cast<int>(max.size());
            z.sCode += QString(nNenner, u'?');
        }
    } else if (q == "number:day") {
        z.sCode += bLang ? QStringLiteral("DD") : QStringLiteral("D");
    } else if (q == "number:month") {
        const bool bText = gbIst(gpQAttribut(a, "number:textual"), "true");
        z.sCode += bText ? (bLang ? QStringLiteral("MMMM") : QStringLiteral("MMM"))
                         : (bLang ? QStringLiteral("MM") : QStringLiteral("M"));
    } else if (q == "number:year") {
        z.sCode += bLang ? QStringLiteral("YYYY") : QStringLiteral("YY");
    } else if (q == "number:day-of-week") {
        z.sCode += bLang ? QStringLiteral("DDDD") : QStringLiteral("DDD");
    } else if (q == "number:hours") {
        z.sCode += Verstrichen(z, bLang ? QStringLiteral("hh") : QStringLiteral("h"));
    } else if (q == "number:minutes") {
        z.sCode += Verstrichen(z, bLang ? QStringLiteral("mm") : QStringLiteral("m"));
    } else if (q == "number:seconds") {
        z.sCode += Verstrichen(z, bLang ? QStringLiteral("ss") : QStringLiteral("s"));
        const int nNach = giZahl(gpQAttribut(a, "number:decimal-places"), 0);
        if (nNach > 0) z.sCode += u'.' + QString(nNach, u'0');
    } else if (q == "number:am-pm") {
        z.sCode += QStringLiteral("AM/PM");
    } else if (q == "number:text-content") {
        z.sCode += u'@';
    } else if (q == "number:text" || q == "number:currency-symbol") {
        m_bInText = true;
        m_sText.clear();
    } else if (q == "style:map") {
        const char* bed = gpQAttribut(a, "style:condition");
        const char* ziel = gpQAttribut(a, "style:apply-style-name");
        if (bed && ziel) z.bedingungen.emplace_back(bed, ziel);
    }
}

void OdsFormate::Ende(std::string_view q) {
    if (q.starts_with("number:") && q.ends_with("-style")) {
        m_sAktuellerZahlenstil.clear();
    } else if (q == "style:style") {
        m_sAktuellerTabellenstil.clear();
    } else if ((q == "number:text" || q == "number:currency-symbol") && m_bInText) {
        m_bInText = false;
        if (m_sAktuellerZahlenstil.empty()) return;
        Zahlenstil& z = m_zahlen[m_sAktuellerZahlenstil];
        // In a percentage style the "%" is the percent sign that scales the value.
        const qsizetype iProzent = m_sText.indexOf(u'%');
        if (z.sArt == "percentage-style" && iProzent >= 0) {
            // " %" (no-break space before the sign, as German styles write it) scales as well
            if (iProzent > 0) z.sCode += gsLiteral(m_sText.left(iProzent));
            z.sCode += u'%';
            if (iProzent + 1 < m_sText.size()) z.sCode += gsLiteral(m_sText.mid(iProzent + 1));
        } else {
            z.sCode += gsLiteral(m_sText);
        }
    }
}

void OdsFormate::Zeichen(const char* p, int n) {
    if (m_bInText && m_sText.size() < 4096) m_sText += QString::fromUtf8(p, n);
}

QString OdsFormate::Code(const std::string& sDatenstil, int iTiefe) const {
    const auto it = m_zahlen.find(sDatenstil);
    if (it == m_zahlen.end() || iTiefe > 3) return QStringLiteral("General");
    const Zahlenstil& z = it->second;
    QString sEigen = z.sCode.isEmpty() ? QStringLiteral("General") : z.sCode;
    if (z.sArt == "boolean-style") return QStringLiteral("General");
    // Conditional sub-styles become sections: positive;negative;zero.
    QString sPositiv, sNegativ, sNull;
    bool bStrengPositiv = false;
    for (const auto& [bed, ziel] : z.bedingungen) {
        const QString c = Code(ziel, iTiefe + 1);
        if (bed == "value()>=0" || bed == "value()>0") {
            sPositiv = c;
            bStrengPositiv = bed == "value()>0";
        } else if (bed == "value()<0") {
            sNegativ = c;
        } else if (bed == "value()=0") {
            sNull = c;
        }
    }
    // Other conditions ("value()<1") become conditional sections: "[<1]0.00;0.0".
    QString sBedingt;
    for (const auto& [bed, ziel] : z.bedingungen) {
        if (bed == "value()>=0" || bed == "value()>0" || bed == "value()<0" || bed == "value()=0" ||
            !bed.starts_with("value()")) {
            continue;
        }
        QString op = QString::fromStdString(bed.substr(7));
        op.replace(QStringLiteral("!="), QStringLiteral("<>"));
        sBedingt += u'[' + op + u']' + Code(ziel, iTiefe + 1) + u';';
    }
    if (!sBedingt.isEmpty()) return sBedingt + sEigen;
    if (sPositiv.isEmpty() && sNegativ.isEmpty()) return sEigen;
    if (!sPositiv.isEmpty() && !sNegativ.isEmpty()) {
        // the style itself is what is left: zero (after ">0") or nothing
        if (sNull.isEmpty() && bStrengPositiv) sNull = sEigen;
    } else if (sPositiv.isEmpty()) {
        sPositiv = sEigen;
    } else {
        sNegativ = sEigen;
    }
    QString s = sPositiv + u';' + sNegativ;
    if (!sNull.isEmpty()) s += u';' + sNull;
    return s;
}

QString OdsFormate::Verstrichen(Zahlenstil& z, const QString& sTeil) {
    if (!z.bVerstrichen) return sTeil;
    z.bVerstrichen = false;  // only the first unit runs on
    return u'[' + sTeil + u']';
}

QString OdsFormate::Format(const std::string& sZellstil) const {
    std::string s = sZellstil;
    for (int i = 0; i < 8 && !s.empty(); ++i) {
        const auto it = m_zellen.find(s);
        if (it == m_zellen.end()) break;
        if (!it->second.sDatenstil.empty()) return Code(it->second.sDatenstil, 0);
        s = it->second.sEltern;
    }
    return QStringLiteral("General");
}

bool OdsFormate::IstVersteckt(const std::string& sTabellenstil) const {
    const auto it = m_tabellen.find(sTabellenstil);
    return it != m_tabellen.end() && it->second;
}

}  // namespace rastfang::spreadsheet
