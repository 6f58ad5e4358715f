#include "IniProfil.h"

#include <QFileInfo>
#include <optional>

#include "TextDatei.h"

// SimpleIni would read these files, but it writes a file back from its own model: lines without
// "=" are dropped, blank lines and the blanks around "=" are rewritten. The profile functions
// change one line and leave every other byte of the file alone, so this small line-based layer
// does the job instead.

namespace rastfang {

namespace {

bool istLeerraum(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

/// Blanks and tabs removed at both ends, as the profile functions do.
QString ohneLeerraum(const QString& s) {
    qsizetype a = 0;
    qsizetype e = s.size();
    while (a < e && istLeerraum(s[a])) ++a;
    while (e > a && istLeerraum(s[e - 1])) --e;
    return s.mid(a, e - a);
}

bool gleicherName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

/// The section name of a header line "[name]" (blanks allowed around it), else nullopt.
std::optional<QString> sektionsKopf(const QString& zeile) {
    const QString t = ohneLeerraum(zeile);
    if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
    qsizetype ende = t.indexOf(QLatin1Char(']'));
    if (ende < 0) ende = t.size();
    return ohneLeerraum(t.mid(1, ende - 1));
}

/// A "key=value" line; comment lines (";") and lines without "=" are none.
struct Eintrag {
    QString sKey;
    QString sWert;
};

std::optional<Eintrag> eintrag(const QString& zeile) {
    const QString t = ohneLeerraum(zeile);
    if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) return std::nullopt;
    const qsizetype gleich = t.indexOf(QLatin1Char('='));
    if (gleich < 0) return std::nullopt;
    return Eintrag{ohneLeerraum(t.left(gleich)), ohneLeerraum(t.mid(gleich + 1))};
}

/// One pair of enclosing quotes (double or single) is not part of a value.
QString ohneAnfuehrung(const QString& s) {
    if (s.size() >= 2 && (s.front() == QLatin1Char('"') || s.front() == QLatin1Char('\'')) &&
        s.back() == s.front()) {
        return s.mid(1, s.size() - 2);
    }
    return s;
}

/// The value of the first key of that name in a section of that name (sections may repeat).
std::optional<QString> sucheWert(const QStringList& zeilen, const QString& sSektion,
                                 const QString& sKey) {
    bool bInSektion = false;
    for (const QString& zeile : zeilen) {
        if (const auto kopf = sektionsKopf(zeile)) {
            bInSektion = gleicherName(*kopf, sSektion);
            continue;
        }
        if (!bInSektion) continue;
        const auto e = eintrag(zeile);
        if (e && gleicherName(e->sKey, sKey)) return ohneAnfuehrung(e->sWert);
    }
    return std::nullopt;
}

QString zeilenende(const QString& text) {
    const qsizetype lf = text.indexOf(QLatin1Char('\n'));
    if (lf > 0 && text[lf - 1] == QLatin1Char('\r')) return QStringLiteral("\r\n");
    return QStringLiteral("\n");
}

}  // namespace

int32_t glProfilTextLesen(const QString& sSektion, const QString& sKey, const QString& sStandard,
                          QString& sErgebnis, int32_t lGroesse, const QString& sDatei) {
    std::optional<QString> wert;
    if (const auto text = gsTextDateiLesen(sDatei)) {
        wert = sucheWert(gZeilenVon(*text), sSektion, sKey);
    }
    if (!wert) {
        // The profile functions cut trailing blanks off the default.
        qsizetype e = sStandard.size();
        while (e > 0 && sStandard[e - 1] == QLatin1Char(' ')) --e;
        wert = sStandard.left(e);
    }
    const qsizetype platz = lGroesse > 1 ? lGroesse - 1 : 0;
    sErgebnis = wert->left(platz);
    return static_cast<int32_t>(sErgebnis.size());
}

bool gbProfilTextSchreiben(const QString& sSektion, const QString& sKey, const QString& sWert,
                           const QString& sDatei) {
    QString text;
    if (QFileInfo::exists(sDatei)) {
        const auto gelesen = gsTextDateiLesen(sDatei);
        if (!gelesen) return false;
        text = *gelesen;
    }
    const QString eol = zeilenende(text);
    QStringList zeilen = gZeilenVon(text);
    const QString neueZeile = sKey + QLatin1Char('=') + sWert;

    bool bInSektion = false;
    qsizetype einfuegenNach = -1;  // last entry of the first section of that name
    bool bErsteSektion = false;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (const auto kopf = sektionsKopf(zeilen[i])) {
            bInSektion = gleicherName(*kopf, sSektion);
            bErsteSektion = bInSektion && einfuegenNach < 0;
            if (bErsteSektion) einfuegenNach = i;
            continue;
        }
        if (!bInSektion) continue;
        const auto e = eintrag(zeilen[i]);
        if (e && gleicherName(e->sKey, sKey)) {
            zeilen[i] = e->sKey + QLatin1Char('=') + sWert;
            einfuegenNach = -2;
            break;
        }
        // Comments and blank lines at the end of a section usually introduce the next one;
        // a new key goes after the section's last real line.
        const QString t = ohneLeerraum(zeilen[i]);
        if (bErsteSektion && !t.isEmpty() && !t.startsWith(QLatin1Char(';'))) einfuegenNach = i;
    }
    if (einfuegenNach >= 0) {
        zeilen.insert(einfuegenNach + 1, neueZeile);
    } else if (einfuegenNach == -1) {
        zeilen.append(QLatin1Char('[') + sSektion + QLatin1Char(']'));
        zeilen.append(neueZeile);
    }
    return gbTextDateiSchreiben(sDatei, zeilen.join(eol) + eol);
}

}  // namespace rastfang
