#include "settings/IniProfil.h"

#include <QFileInfo>
#include <optional>

#include "settings/TextDatei.h"

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
    TextZeilen text;
    if (QFileInfo::exists(sDatei)) {
        const auto gelesen = gDateiBytesLesen(sDatei);
        if (!gelesen) return false;
        text = gTextZeilenVon(*gelesen);
    }
    QList<TextZeile>& zeilen = text.zeilen;
    const auto neu = [](const QString& s) { return TextZeile{s, QByteArray(), QByteArray()}; };

    bool bInSektion = false;
    qsizetype einfuegenNach = -1;  // last entry of the first section of that name
    bool bErsteSektion = false;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen[i].sText;
        if (const auto kopf = sektionsKopf(zeile)) {
            bInSektion = gleicherName(*kopf, sSektion);
            bErsteSektion = bInSektion && einfuegenNach < 0;
            if (bErsteSektion) einfuegenNach = i;
            continue;
        }
        if (!bInSektion) continue;
        const auto e = eintrag(zeile);
        if (e && gleicherName(e->sKey, sKey)) {
            zeilen[i].sText = e->sKey + QLatin1Char('=') + sWert;
            einfuegenNach = -2;
            break;
        }
        // Comments and blank lines at the end of a section usually introduce the next one;
        // a new key goes after the section's last real line.
        const QString t = ohneLeerraum(zeile);
        if (bErsteSektion && !t.isEmpty() && !t.startsWith(QLatin1Char(';'))) einfuegenNach = i;
    }
    const QString neueZeile = sKey + QLatin1Char('=') + sWert;
    if (einfuegenNach >= 0) {
        zeilen.insert(einfuegenNach + 1, neu(neueZeile));
    } else if (einfuegenNach == -1) {
        zeilen.append(neu(QLatin1Char('[') + sSektion + QLatin1Char(']')));
        zeilen.append(neu(neueZeile));
    }
    return gbDateiSicherSchreiben(sDatei, gBytesVon(text));
}

}  // namespace rastfang
