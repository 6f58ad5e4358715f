#include "spreadsheet/lesen/CsvLeser.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <array>

#include "spreadsheet/lesen/Lesebudget.h"
#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/Seriell.h"

namespace rastfang::spreadsheet {

namespace {

/// Windows-1252 characters 0x80..0x9F (0 = undefined); the rest equals Latin-1.
constexpr std::array<char16_t, 32> CP1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

/// Checks UTF-8; an incomplete sequence at the very end counts as valid when `bAbgeschnitten`.
bool gbGueltigesUtf8(const QByteArray& b, bool bAbgeschnitten) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData());
    const qsizetype n = b.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int nFolge = c < 0x80             ? 0
                     : (c & 0xE0) == 0xC0 ? 1
                     : (c & 0xF0) == 0xE0 ? 2
                     : (c & 0xF8) == 0xF0 ? 3
                                          : -1;
        if (nFolge < 0 || c == 0xC0 || c == 0xC1) return false;
        if (i + nFolge >= n && nFolge > 0) return bAbgeschnitten;
        for (int k = 1; k <= nFolge; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
        }
        i += nFolge + 1;
    }
    return true;
}

QString gsAusCp1252(const QByteArray& b) {
    QString s(b.size(), Qt::Uninitialized);
    QChar* z = s.data();
    for (const char c : b) {
        const auto u = static_cast<unsigned char>(c);
        *z++ = (u >= 0x80 && u < 0xA0) ? QChar(CP1252[u - 0x80] ? CP1252[u - 0x80] : u) : QChar(u);
    }
    return s;
}

QString gsDekodiere(QByteArray b) {
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    if (gbGueltigesUtf8(b, false)) return QString::fromUtf8(b);
    return gsAusCp1252(b);
}

/// The separator of the first line: the most frequent of ";", tab and "," outside quotes.
QChar gcTrenner(const QString& s) {
    int nSemi = 0, nTab = 0, nKomma = 0;
    bool bQuote = false;
    for (const QChar c : s) {
        if (c == u'"') bQuote = !bQuote;
        if (bQuote) continue;
        if (c == u'\n' || c == u'\r') break;
        nSemi += c == u';';
        nTab += c == u'\t';
        nKomma += c == u',';
    }
    if (nSemi >= nTab && nSemi >= nKomma && nSemi > 0) return u';';
    if (nTab >= nKomma && nTab > 0) return u'\t';
    if (nKomma > 0) return u',';
    return u';';
}

bool gbZiffern(QStringView s) {
    if (s.isEmpty()) return false;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

/// A number as a German spreadsheet reads it: optional sign, digits with optional "."
/// thousands groups, optional "," decimals, optional "%".
bool gbDeutscheZahl(QStringView s, double& d, int& nProzentStellen) {
    nProzentStellen = -1;
    if (s.endsWith(u'%')) {
        s.chop(1);
        nProzentStellen = 0;
    }
    QString t;
    qsizetype i = 0;
    if (!s.isEmpty() && (s[0] == u'-' || s[0] == u'+')) t += s[i++];
    const qsizetype iKomma = s.indexOf(u',');
    const QStringView ganz = s.mid(i, iKomma < 0 ? -1 : iKomma - i);
    const QStringView bruch = iKomma < 0 ? QStringView() : s.mid(iKomma + 1);
    if (iKomma >= 0 && !gbZiffern(bruch)) return false;
    if (ganz.contains(u'.')) {
        const auto gruppen = ganz.split(u'.');
        for (qsizetype g = 0; g < gruppen.size(); ++g) {
            const qsizetype n = gruppen[g].size();
            if (!gbZiffern(gruppen[g]) || (g == 0 ? n > 3 : n != 3)) return false;
            t += gruppen[g];
        }
    } else {
        if (!gbZiffern(ganz) && !(ganz.isEmpty() && iKomma >= 0)) return false;
        t += ganz;
    }
    if (iKomma >= 0) {
        t += u'.';
        t += bruch;
        if (nProzentStellen >= 0) nProzentStellen = static_cast<int>(bruch.size());
    }
    bool bOk = false;
    d = t.toDouble(&bOk);
    if (bOk && nProzentStellen >= 0) d /= 100;
    return bOk;
}

/// "d.m.yyyy" or "d.m.yy", optionally followed by " h:mm[:ss]".
bool gbDeutschesDatum(QStringView s, double& d, bool& bMitZeit) {
    const qsizetype iLeer = s.indexOf(u' ');
    const QStringView datum = iLeer < 0 ? s : s.left(iLeer);
    const auto teile = datum.split(u'.');
    if (teile.size() != 3 || teile[0].size() > 2 || teile[1].size() > 2 ||
        !(teile[2].size() == 2 || teile[2].size() == 4)) {
        return false;
    }
    for (const auto& t : teile) {
        if (!gbZiffern(t)) return false;
    }
    int j = teile[2].toInt();
    if (teile[2].size() == 2) j += j < 30 ? 2000 : 1900;
    int h = 0, m = 0, sek = 0;
    bMitZeit = iLeer >= 0;
    if (bMitZeit) {
        const auto zeit = s.mid(iLeer + 1).split(u':');
        if (zeit.size() < 2 || zeit.size() > 3) return false;
        for (const auto& t : zeit) {
            if (!gbZiffern(t) || t.size() > 2) return false;
        }
        h = zeit[0].toInt(), m = zeit[1].toInt(), sek = zeit.size() == 3 ? zeit[2].toInt() : 0;
        if (h > 23 || m > 59 || sek > 59) return false;
    }
    const auto serial = gdSeriell(j, teile[1].toInt(), teile[0].toInt(), h, m, sek);
    if (!serial) return false;
    d = *serial;
    return true;
}

class CsvLeser : public MappenLeser {
  public:
    CsvLeser(QString sPfad, MappenDaten& mappe) : m_sPfad(std::move(sPfad)) {
        QString sName = QFileInfo(m_sPfad).completeBaseName();
        m_kopf.sName = sName.left(31);
        Stil st;
        st.sZahlenformat = QStringLiteral("DD.MM.YYYY");
        m_iDatum = mappe.StilIndex(st);
        st.sZahlenformat = QStringLiteral("DD.MM.YYYY hh:mm");
        m_iDatumZeit = mappe.StilIndex(st);
    }

    std::vector<BlattKopf> Blaetter() const override { return {m_kopf}; }

    void LiesBlatt(size_t, Blatt& blatt, MappenDaten& mappe, Lesebudget& budget) override {
        QFile datei(m_sPfad);
        if (!datei.open(QIODevice::ReadOnly)) gLesefehler(Lesegrund::Zugriff);
        if (datei.size() > MAX_TEXTDATEI_BYTES) gLesefehler(Lesegrund::ZuGross);
        // The file's bytes and their decoded text are held while the cells are made.
        const int64_t lPuffer = 3 * datei.size();
        budget.Belaste(lPuffer);
        struct Rueckgabe {
            Lesebudget& b;
            int64_t l;
            ~Rueckgabe() { b.Entlaste(l); }
        } rueckgabe{budget, lPuffer};
        const QString s = gsDekodiere(datei.read(MAX_TEXTDATEI_BYTES + 1));
        const QChar cTrenner = gcTrenner(s);

        int32_t lZeile = 1, lSpalte = 1;
        QString feld;
        bool bQuote = false, bWarQuote = false;
        auto ablegen = [&] {
            if (lSpalte > MAX_SPALTE) gLesefehler(Lesegrund::Format);
            Ablegen(blatt, mappe, budget, lZeile, lSpalte, feld);
            feld.clear();
            bWarQuote = false;
        };
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = s[i];
            if (bQuote) {
                if (c == u'"') {
                    if (i + 1 < n && s[i + 1] == u'"') {
                        feld += u'"';
                        ++i;
                    } else {
                        bQuote = false;
                    }
                } else {
                    feld += c;
                }
            } else if (c == u'"' && feld.isEmpty() && !bWarQuote) {
                bQuote = bWarQuote = true;
            } else if (c == cTrenner) {
                ablegen();
                ++lSpalte;
            } else if (c == u'\r' || c == u'\n') {
                ablegen();
                if (c == u'\r' && i + 1 < n && s[i + 1] == u'\n') ++i;
                if (i + 1 < n) {
                    if (++lZeile > MAX_ZEILE) gLesefehler(Lesegrund::Format);
                }
                lSpalte = 1;
            } else {
                feld += c;
            }
        }
        if (!feld.isEmpty() || bWarQuote) ablegen();
    }

  private:
    void Ablegen(Blatt& blatt, MappenDaten& mappe, Lesebudget& budget, int32_t lZeile,
                 int32_t lSpalte, const QString& feld) {
        if (feld.isEmpty()) return;
        Zelle z;
        double d = 0;
        int nProzent = -1;
        bool bMitZeit = false;
        if (gbDeutscheZahl(feld, d, nProzent)) {
            z.typ = ZellTyp::Zahl;
            z.zahl = d;
            if (nProzent >= 0) {
                Stil st;
                st.sZahlenformat = nProzent == 0
                                       ? QStringLiteral("0%")
                                       : QStringLiteral("0.") + QString(nProzent, u'0') + u'%';
                z.stil = mappe.StilIndex(st);
            }
        } else if (gbDeutschesDatum(feld, d, bMitZeit)) {
            z.typ = ZellTyp::Zahl;
            z.zahl = d;
            z.stil = bMitZeit ? m_iDatumZeit : m_iDatum;
        } else if (feld.compare(QLatin1StringView("WAHR"), Qt::CaseInsensitive) == 0 ||
                   feld.compare(QLatin1StringView("FALSCH"), Qt::CaseInsensitive) == 0) {
            z.typ = ZellTyp::Wahrheitswert;
            z.zahl = feld.size() == 4 ? 1 : 0;
        } else {
            z.typ = ZellTyp::Text;
            z.text = feld;
        }
        budget.Setze(blatt, lZeile, lSpalte, std::move(z));
    }

    QString m_sPfad;
    BlattKopf m_kopf;
    uint32_t m_iDatum = 0;
    uint32_t m_iDatumZeit = 0;
};

}  // namespace

bool gbIstText(const QByteArray& kopf) {
    for (const char c : kopf) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7F) return false;
    }
    if (gbGueltigesUtf8(kopf, true)) return true;
    for (const char c : kopf) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 && u < 0xA0 && CP1252[u - 0x80] == 0) return false;
    }
    return true;
}

std::shared_ptr<MappenLeser> gCsvLeser(const QString& sPfad, MappenDaten& mappe) {
    if (QFileInfo(sPfad).size() > MAX_TEXTDATEI_BYTES) gLesefehler(Lesegrund::ZuGross);
    return std::make_shared<CsvLeser>(sPfad, mappe);
}

}  // namespace rastfang::spreadsheet
