#include "spreadsheet/Formatcode.h"

#include <QLatin1StringView>
#include <QStringView>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

namespace rastfang::spreadsheet {

namespace {

bool gbBeginntMit(const QString& s, qsizetype i, QLatin1StringView w) {
    return s.size() - i >= w.size() &&
           QStringView(s).mid(i, w.size()).compare(w, Qt::CaseInsensitive) == 0;
}

/// The layout of a number section: where the decimal point and the exponent stand, which
/// placeholders take integer, decimal and exponent digits, and what the commas do.
Zahlbild gZahlbild(const std::vector<Teil>& teile) {
    Zahlbild b;
    for (size_t k = 0; k < teile.size(); ++k) {
        const Art x = teile[k].art;
        if (x == Art::Punkt && b.iPunkt < 0 && b.iExp < 0) b.iPunkt = static_cast<int>(k);
        if (x == Art::Exponent && b.iExp < 0) b.iExp = static_cast<int>(k);
        if (x == Art::Prozent) ++b.nProzent;
    }
    const int iGanzEnde = b.iPunkt >= 0 ? b.iPunkt
                          : b.iExp >= 0 ? b.iExp
                                        : static_cast<int>(teile.size());
    const int iBruchEnde = b.iExp >= 0 ? b.iExp : static_cast<int>(teile.size());
    for (size_t k = 0; k < teile.size(); ++k) {
        const Teil& t = teile[k];
        const int ik = static_cast<int>(k);
        if (t.art == Art::Ziffer) {
            if (ik < iGanzEnde) {
                b.ganz.push_back(k);
            } else if (ik < iBruchEnde) {
                b.bruch.push_back(k);
            } else {
                b.expo.push_back(k);
                if (t.c == u'0') ++b.nExpoMindest;
            }
        } else if (t.art == Art::Komma && ik >= iGanzEnde && ik < iBruchEnde) {
            // "0.0,,": commas behind the last decimal scale by thousands as well
            bool bDanach = false;
            for (int j = ik + 1; j < iBruchEnde; ++j) {
                if (teile[static_cast<size_t>(j)].art == Art::Ziffer) bDanach = true;
            }
            if (!bDanach) ++b.nSkalierung;
        } else if (t.art == Art::Komma && ik < iGanzEnde) {
            bool bDavor = !b.ganz.empty(), bDanach = false;
            for (int j = ik + 1; j < iGanzEnde; ++j) {
                if (teile[static_cast<size_t>(j)].art == Art::Ziffer) bDanach = true;
            }
            if (bDavor && bDanach) {
                b.bGruppen = true;
            } else if (bDavor) {
                ++b.nSkalierung;
            }
        }
    }
    b.bIngenieur = b.ganz.size() > 1 && teile[b.ganz.front()].c == u'#';
    return b;
}

/// The layout of a fraction section ("# ?/?", "?/8"); `teile` holds a fraction bar.
Bruchbild gBruchbild(const std::vector<Teil>& t) {
    Bruchbild b;
    while (t[b.iStrich].art != Art::Strich) ++b.iStrich;
    b.iZaehler = b.iStrich;
    while (b.iZaehler > 0 && t[b.iZaehler - 1].art == Art::Ziffer) --b.iZaehler;
    b.iNennerEnde = b.iStrich + 1;
    while (b.iNennerEnde < t.size() && t[b.iNennerEnde].art == Art::Ziffer) ++b.iNennerEnde;
    if (b.iNennerEnde == b.iStrich + 1 && b.iNennerEnde < t.size() &&
        t[b.iNennerEnde].art == Art::Literal) {
        for (const QChar c : t[b.iNennerEnde].sText) {
            if (!c.isDigit() || b.lFest > 100000) break;
            b.lFest = b.lFest * 10 + c.digitValue();
        }
    }
    for (size_t k = 0; k < t.size(); ++k) {
        if (t[k].art != Art::Ziffer) continue;
        (k < b.iZaehler  ? b.ganzPlatz
         : k < b.iStrich ? b.zaehlerPlatz
                         : b.nennerPlatz)
            .push_back(t[k].c);
    }
    return b;
}

/// "[$-F800]" and "[$-F400]" stand for the system's long date and long time: German ones.
QString gsSystemformat(const QString& sAbschnitt) {
    if (sAbschnitt.contains(QLatin1StringView("[$-F800]"), Qt::CaseInsensitive)) {
        return QStringLiteral("DDDD, D. MMMM YYYY");
    }
    if (sAbschnitt.contains(QLatin1StringView("[$-F400]"), Qt::CaseInsensitive)) {
        return QStringLiteral("hh:mm:ss");
    }
    return sAbschnitt;
}

}  // namespace

Abschnitt gZerlegeAbschnitt(const QString& s) {
    Abschnitt a;
    auto literal = [&a](const QString& t) {
        if (!a.teile.empty() && a.teile.back().art == Art::Literal) {
            a.teile.back().sText += t;
        } else {
            a.teile.push_back({Art::Literal, QChar(), 1, t});
        }
    };
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = s[i];
        const char16_t u = c.toLower().unicode();
        auto lauf = [&](char16_t z) {
            int k = 0;
            while (i < n && s[i].toLower().unicode() == z) ++i, ++k;
            return k;
        };
        if (c == u'"') {
            const qsizetype e = s.indexOf(u'"', i + 1);
            const qsizetype ende = e < 0 ? n : e;
            literal(s.mid(i + 1, ende - i - 1));
            i = ende + 1;
        } else if (c == u'\\') {
            if (i + 1 < n) literal(QString(s[i + 1]));
            i += 2;
        } else if (c == u'_') {
            literal(QStringLiteral(" "));
            i += 2;
        } else if (c == u'*') {
            i += 2;
        } else if (c == u'[') {
            const qsizetype e = s.indexOf(u']', i + 1);
            const qsizetype ende = e < 0 ? n : e;
            const QString inhalt = s.mid(i + 1, ende - i - 1);
            i = ende + 1;
            const QString klein = inhalt.toLower();
            if (!klein.isEmpty() && (klein.count(klein[0]) == klein.size()) &&
                (klein[0] == u'h' || klein[0] == u'm' || klein[0] == u's')) {
                a.teile.push_back({Art::Verstrichen, klein[0], static_cast<int>(klein.size()), {}});
                a.bDatum = true;
            } else if (inhalt.startsWith(u'$')) {
                // [$€-407]: currency symbol before the locale code
                const qsizetype strich = inhalt.indexOf(u'-');
                literal(inhalt.mid(1, strich < 0 ? -1 : strich - 1));
            } else if (!inhalt.isEmpty() &&
                       (inhalt[0] == u'<' || inhalt[0] == u'>' || inhalt[0] == u'=')) {
                const qsizetype nOp =
                    inhalt.size() > 1 && (inhalt[1] == u'=' || inhalt[1] == u'>') ? 2 : 1;
                const std::string zahl = inhalt.mid(nOp).trimmed().toStdString();
                double dWert = 0;
                const auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), dWert);
                if (r.ec == std::errc()) a.bedingung.emplace(inhalt.left(nOp), dWert);
            }
            // colours and locale tags do not change the text
        } else if (gbBeginntMit(s, i, QLatin1StringView("general"))) {
            a.teile.push_back({Art::Allgemein, c, 1, {}});
            a.bZahl = true;
            i += 7;
        } else if (gbBeginntMit(s, i, QLatin1StringView("am/pm"))) {
            a.teile.push_back({Art::AmPm, u'a', 1, {}});
            a.bDatum = true;
            i += 5;
        } else if (gbBeginntMit(s, i, QLatin1StringView("a/p"))) {
            a.teile.push_back({Art::AmPm, u'p', 1, {}});
            a.bDatum = true;
            i += 3;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            if (!a.teile.empty() && a.teile.back().art == Art::Sekundenbruch && c == u'0') {
                ++a.teile.back().n;
            } else {
                a.teile.push_back({Art::Ziffer, c, 1, {}});
                a.bZahl = true;
            }
            ++i;
        } else if (c == u'.') {
            // "ss.00": fractions of a second
            bool bSek = false;
            for (auto it = a.teile.rbegin(); it != a.teile.rend(); ++it) {
                if (it->art == Art::Literal) continue;
                bSek = it->art == Art::Sekunde || (it->art == Art::Verstrichen && it->c == u's');
                break;
            }
            if (bSek && i + 1 < n && s[i + 1] == u'0') {
                a.teile.push_back({Art::Sekundenbruch, c, 0, {}});
            } else {
                a.teile.push_back({Art::Punkt, c, 1, {}});
            }
            ++i;
        } else if (c == u'/') {
            a.teile.push_back({Art::Strich, c, 1, {}});
            ++i;
        } else if (c == u',') {
            a.teile.push_back({Art::Komma, c, 1, {}});
            ++i;
        } else if (c == u'%') {
            a.teile.push_back({Art::Prozent, c, 1, {}});
            ++i;
        } else if (u == u'e' && i + 1 < n && (s[i + 1] == u'+' || s[i + 1] == u'-') && a.bZahl) {
            a.teile.push_back({Art::Exponent, s[i + 1], 1, {}});
            i += 2;
        } else if (c == u'@') {
            a.teile.push_back({Art::Text, c, 1, {}});
            a.bText = true;
            ++i;
        } else if (u == u'y') {
            a.teile.push_back({Art::Jahr, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u'm') {
            a.teile.push_back({Art::Monat, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u'd') {
            a.teile.push_back({Art::Tag, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u'h') {
            a.teile.push_back({Art::Stunde, c, lauf(u), {}});
            a.bDatum = true;
        } else if (u == u's') {
            a.teile.push_back({Art::Sekunde, c, lauf(u), {}});
            a.bDatum = true;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    // "m" right after hours or right before seconds means minutes.
    const Teil* vorher = nullptr;
    for (size_t k = 0; k < a.teile.size(); ++k) {
        Teil& t = a.teile[k];
        if (t.art == Art::Literal) continue;
        if (t.art == Art::Monat && t.n <= 2) {
            bool bMinute = vorher && (vorher->art == Art::Stunde ||
                                      (vorher->art == Art::Verstrichen && vorher->c == u'h'));
            for (size_t j = k + 1; !bMinute && j < a.teile.size(); ++j) {
                const Art x = a.teile[j].art;
                if (x == Art::Literal) continue;
                bMinute = x == Art::Sekunde || (x == Art::Verstrichen && a.teile[j].c == u's');
                break;
            }
            if (bMinute) t.art = Art::Minute;
        }
        vorher = &t;
    }
    if (a.bDatum) a.bZahl = false;
    // In a date "/" stands for the regional date separator, the German ".".
    for (Teil& t : a.teile) {
        if (t.art != Art::Strich) continue;
        if (a.bDatum) {
            t = {Art::Literal, QChar(), 1, QStringLiteral(".")};
        } else if (a.bZahl) {
            a.bBruch = true;
        } else {
            t = {Art::Literal, QChar(), 1, QStringLiteral("/")};
        }
    }
    if (a.bBruch) {
        a.bruch = gBruchbild(a.teile);
    } else if (a.bZahl) {
        a.zahl = gZahlbild(a.teile);
    }
    for (const Teil& t : a.teile) {
        if (t.art == Art::Sekundenbruch) a.nSekundenbruch = std::min(3, t.n);
        if (t.art == Art::AmPm) a.bAmPm = true;
    }
    return a;
}

std::vector<QString> gAbschnitte(const QString& s) {
    std::vector<QString> teile;
    QString akt;
    bool bQuote = false;
    int iKlammer = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (bQuote) {
            bQuote = c != u'"';
        } else if (c == u'"') {
            bQuote = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            akt += c;
            if (i + 1 < s.size()) akt += s[++i];
            continue;
        } else if (c == u'[') {
            ++iKlammer;
        } else if (c == u']') {
            iKlammer = std::max(0, iKlammer - 1);
        } else if (c == u';' && iKlammer == 0) {
            teile.push_back(akt);
            akt.clear();
            continue;
        }
        akt += c;
    }
    teile.push_back(akt);
    return teile;
}

bool gbIstAllgemein(const QString& s) {
    // asked for every cell: the exact spelling first, letter case only when the length fits
    if (s.size() != 7) return s.isEmpty();
    static constexpr char16_t ALLGEMEIN[] = u"General";
    return std::memcmp(s.constData(), ALLGEMEIN, sizeof ALLGEMEIN - sizeof(char16_t)) == 0 ||
           s.compare(QLatin1StringView("General"), Qt::CaseInsensitive) == 0;
}

const std::vector<Abschnitt>& gZahlAbschnitte(const QString& sFormat) {
    struct Zwischenspeicher {
        QString sFormat;
        std::vector<Abschnitt> abschnitte;
        bool bGueltig = false;
    };
    thread_local Zwischenspeicher letzter;
    if (letzter.bGueltig && letzter.sFormat == sFormat) return letzter.abschnitte;
    const std::vector<QString> roh = gAbschnitte(sFormat);
    // Sections: positive;negative;zero;text. A lone "@" section does not apply to numbers.
    const size_t nZahl = roh.size() >= 4 ? 3 : roh.size();
    std::vector<Abschnitt> abschnitte;
    abschnitte.reserve(nZahl);
    for (size_t i = 0; i < nZahl; ++i)
        abschnitte.push_back(gZerlegeAbschnitt(gsSystemformat(roh[i])));
    if (nZahl == 2 || nZahl == 3) {
        // a trailing text section is not one for numbers
        if (abschnitte.back().bText && !abschnitte.back().bZahl && !abschnitte.back().bDatum) {
            abschnitte.pop_back();
        }
    }
    letzter.bGueltig = false;  // stays invalid should an assignment throw
    letzter.sFormat = sFormat;
    letzter.abschnitte = std::move(abschnitte);
    letzter.bGueltig = true;
    return letzter.abschnitte;
}

const Abschnitt* gpTextAbschnitt(const QString& sFormat) {
    struct Zwischenspeicher {
        QString sFormat;
        std::optional<Abschnitt> abschnitt;
        bool bGueltig = false;
    };
    thread_local Zwischenspeicher letzter;
    if (!letzter.bGueltig || letzter.sFormat != sFormat) {
        std::optional<Abschnitt> abschnitt;
        const std::vector<QString> roh = gAbschnitte(sFormat);
        if (roh.size() >= 4) {
            abschnitt = gZerlegeAbschnitt(roh[3]);
        } else if (sFormat.contains(u'@')) {
            for (const QString& r : roh) {
                Abschnitt a = gZerlegeAbschnitt(r);
                if (a.bText) {
                    abschnitt = std::move(a);
                    break;
                }
            }
        }
        letzter.bGueltig = false;  // stays invalid should an assignment throw
        letzter.sFormat = sFormat;
        letzter.abschnitt = std::move(abschnitt);
        letzter.bGueltig = true;
    }
    return letzter.abschnitt ? &*letzter.abschnitt : nullptr;
}

}  // namespace rastfang::spreadsheet
