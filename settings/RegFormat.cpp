#include "settings/RegFormat.h"

#include <QStringList>
#include <optional>

#include "settings/TextDatei.h"

namespace rastfang {

namespace {

const QString KOPF = QStringLiteral("Windows Registry Editor Version 5.00");

bool gleich(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString maskiere(const QString& s) {
    QString r = s;
    return r.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
}

/// Reads a quoted text starting at `pos` (on the opening quote); `pos` ends after the closing
/// quote. nullopt when there is no closing quote.
std::optional<QString> leseZitat(const QString& z, qsizetype& pos) {
    QString r;
    for (qsizetype i = pos + 1; i < z.size(); ++i) {
        const QChar c = z[i];
        if (c == QLatin1Char('\\') && i + 1 < z.size()) {
            r += z[++i];
        } else if (c == QLatin1Char('"')) {
            pos = i + 1;
            return r;
        } else {
            r += c;
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> leseHex(const QString& s) {
    QByteArray bytes;
    for (const QString& teil : s.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint b = teil.trimmed().toUInt(&ok, 16);
        if (!ok || b > 0xFF) return std::nullopt;
        bytes.append(static_cast<char>(b));
    }
    return bytes;
}

QString schreibeHex(const QByteArray& bytes) {
    QStringList teile;
    for (const char b : bytes) {
        teile << QStringLiteral("%1").arg(static_cast<uchar>(b), 2, 16, QLatin1Char('0'));
    }
    return teile.join(QLatin1Char(','));
}

QByteArray utf16le(const QString& s) {
    QByteArray r;
    for (const QChar c : s) {
        r.append(static_cast<char>(c.unicode() & 0xFF));
        r.append(static_cast<char>(c.unicode() >> 8));
    }
    return r;
}

/// The text of UTF-16LE bytes up to the first NUL character.
QString ausUtf16le(const QByteArray& bytes) {
    QString r;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(static_cast<uchar>(bytes[i]) |
                                                 (static_cast<uchar>(bytes[i + 1]) << 8));
        if (c == 0) break;
        r += QChar(c);
    }
    return r;
}

/// The value part after "=": a quoted string, dword:…, hex:… or hex(N):….
std::optional<RegWert> leseWert(const QString& s) {
    if (s.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const auto text = leseZitat(s, pos);
        if (!text) return std::nullopt;
        return RegWert::Text(*text);
    }
    if (s.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        bool ok = false;
        const uint zahl = s.mid(6).trimmed().toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        return RegWert::Zahl(zahl);
    }
    uint32_t typ = RegTyp::BINARY;
    qsizetype doppelpunkt = -1;
    if (s.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        doppelpunkt = 3;
    } else if (s.startsWith(QLatin1String("hex("), Qt::CaseInsensitive)) {
        const qsizetype zu = s.indexOf(QLatin1String("):"));
        if (zu < 0) return std::nullopt;
        bool ok = false;
        typ = s.mid(4, zu - 4).toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        doppelpunkt = zu + 1;
    } else {
        return std::nullopt;
    }
    const auto bytes = leseHex(s.mid(doppelpunkt + 1));
    if (!bytes) return std::nullopt;
    RegWert w;
    w.lTyp = typ;
    w.daten = *bytes;
    w.bRoh = true;
    w.lGroesse = static_cast<int32_t>(bytes->size());
    if (typ == RegTyp::SZ || typ == RegTyp::EXPAND_SZ) {
        // Strings in hex form are UTF-16LE as in an export; the size counts characters.
        w.sText = ausUtf16le(*bytes);
        w.lGroesse = static_cast<int32_t>(bytes->size() / 2);
    } else if (typ == RegTyp::DWORD && bytes->size() == 4) {
        w.lZahl = static_cast<uchar>((*bytes)[0]) | static_cast<uchar>((*bytes)[1]) << 8 |
                  static_cast<uchar>((*bytes)[2]) << 16 |
                  static_cast<uint32_t>(static_cast<uchar>((*bytes)[3])) << 24;
    }
    return w;
}

QString schreibeWert(const RegWert& w) {
    const bool bUmbruch =
        w.sText.contains(QLatin1Char('\n')) || w.sText.contains(QLatin1Char('\r'));
    if (w.lTyp == RegTyp::SZ && !w.bRoh && !bUmbruch) {
        return QLatin1Char('"') + maskiere(w.sText) + QLatin1Char('"');
    }
    if (w.lTyp == RegTyp::DWORD && !w.bRoh) {
        return QStringLiteral("dword:%1").arg(w.lZahl, 8, 16, QLatin1Char('0'));
    }
    const QByteArray daten =
        (w.lTyp == RegTyp::SZ && !w.bRoh) ? utf16le(w.sText + QChar(u'\0')) : w.daten;
    const QString art = w.lTyp == RegTyp::BINARY ? QStringLiteral("hex")
                                                 : QStringLiteral("hex(%1)").arg(w.lTyp, 0, 16);
    return art + QLatin1Char(':') + schreibeHex(daten);
}

/// Joins hex values continued on the next line with a trailing "\".
QStringList logischeZeilen(const QString& sText) {
    QStringList r;
    const QStringList roh = gZeilenVon(sText);
    for (qsizetype i = 0; i < roh.size(); ++i) {
        QString z = roh[i];
        while (z.endsWith(QLatin1Char('\\')) && z.contains(QLatin1String("=hex")) &&
               i + 1 < roh.size()) {
            z.chop(1);
            z += roh[++i].trimmed();
        }
        r << z;
    }
    return r;
}

}  // namespace

RegWert RegWert::Text(const QString& s) {
    RegWert w;
    w.lTyp = RegTyp::SZ;
    w.sText = s;
    w.lGroesse = static_cast<int32_t>(s.size() + 1);
    return w;
}

RegWert RegWert::Zahl(uint32_t l) {
    RegWert w;
    w.lTyp = RegTyp::DWORD;
    w.lZahl = l;
    w.lGroesse = 4;
    return w;
}

QString gsRegPfadNormal(const QString& sPfad) {
    const QStringList teile = sPfad.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return teile.join(QLatin1Char('\\'));
}

RegSchluessel* RegHive::Finde(const QString& sPfad) {
    const QString gesucht = gsRegPfadNormal(sPfad);
    for (RegSchluessel& s : schluessel) {
        if (gleich(gsRegPfadNormal(s.sPfad), gesucht)) return &s;
    }
    return nullptr;
}

RegSchluessel& RegHive::Erstelle(const QString& sPfad) {
    const QStringList teile = gsRegPfadNormal(sPfad).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (teile.isEmpty() && !Finde(QString())) schluessel.push_back({QString(), {}});
    for (qsizetype n = 1; n <= teile.size(); ++n) {
        const QString pfad = teile.mid(0, n).join(QLatin1Char('\\'));
        if (!Finde(pfad)) schluessel.push_back({pfad, {}});
    }
    return *Finde(sPfad);
}

RegHive gLeseRegText(const QString& sText, const QString& sRoot) {
    RegHive hive{sRoot, {}};
    RegSchluessel* aktuell = nullptr;
    for (const QString& roh : logischeZeilen(sText)) {
        const QString z = roh.trimmed();
        if (z.startsWith(QLatin1Char('['))) {
            aktuell = nullptr;
            if (!z.endsWith(QLatin1Char(']')) || z.startsWith(QLatin1String("[-"))) continue;
            const QString innen = z.mid(1, z.size() - 2);
            const qsizetype trenner = innen.indexOf(QLatin1Char('\\'));
            const QString root = trenner < 0 ? innen : innen.left(trenner);
            if (!gleich(root, sRoot)) continue;
            const QString pfad = trenner < 0 ? QString() : innen.mid(trenner + 1);
            aktuell = hive.Finde(pfad);
            if (!aktuell) {
                hive.schluessel.push_back({pfad, {}});
                aktuell = &hive.schluessel.back();
            }
            continue;
        }
        if (!aktuell) continue;
        QString name;
        qsizetype pos = 0;
        if (z.startsWith(QLatin1Char('@'))) {
            pos = 1;
        } else if (z.startsWith(QLatin1Char('"'))) {
            const auto n = leseZitat(z, pos);
            if (!n) continue;
            name = *n;
        } else {
            continue;  // comments, the header line, anything else
        }
        if (pos >= z.size() || z[pos] != QLatin1Char('=')) continue;
        const auto wert = leseWert(z.mid(pos + 1).trimmed());
        if (!wert) continue;
        auto& liste = aktuell->eintraege;
        auto vorhanden = std::find_if(liste.begin(), liste.end(),
                                      [&](const RegEintrag& e) { return gleich(e.sName, name); });
        if (vorhanden != liste.end()) {
            vorhanden->wert = *wert;
        } else {
            liste.push_back({name, *wert});
        }
    }
    return hive;
}

QString gsSchreibeRegText(const RegHive& hive) {
    QString r = KOPF + QStringLiteral("\n\n");
    for (const RegSchluessel& s : hive.schluessel) {
        r += QLatin1Char('[') + hive.sRoot;
        if (!s.sPfad.isEmpty()) r += QLatin1Char('\\') + s.sPfad;
        r += QStringLiteral("]\n");
        for (const RegEintrag& e : s.eintraege) {
            r += e.sName.isEmpty() ? QStringLiteral("@")
                                   : QLatin1Char('"') + maskiere(e.sName) + QLatin1Char('"');
            r += QLatin1Char('=') + schreibeWert(e.wert) + QLatin1Char('\n');
        }
        r += QLatin1Char('\n');
    }
    return r;
}

}  // namespace rastfang
