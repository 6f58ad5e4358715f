// One workbook saved by LibreOffice (and Gnumeric for Excel 95) in every workbook format: each
// cell's displayed text equals the text LibreOffice itself exports "as shown" under German
// settings, and the formats agree with each other cell for cell.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "LesenHilfen.h"

using rastfang::test::gsTestdatei;

namespace rastfang::spreadsheet::test {

namespace {

using Tabelle = std::vector<QStringList>;

/// The rows of a ";"-separated, '"'-quoted UTF-8 file as LibreOffice writes it.
Tabelle gCsv(const QString& sPfad) {
    QFile f(sPfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << sPfad.toStdString();
    const QString s = QString::fromUtf8(f.readAll());
    Tabelle zeilen(1);
    QString feld;
    bool bQuote = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (bQuote) {
            if (c == u'"' && i + 1 < s.size() && s[i + 1] == u'"') {
                feld += c;
                ++i;
            } else if (c == u'"') {
                bQuote = false;
            } else {
                feld += c;
            }
        } else if (c == u'"') {
            bQuote = true;
        } else if (c == u';') {
            zeilen.back() << feld;
            feld.clear();
        } else if (c == u'\n') {
            zeilen.back() << feld;
            feld.clear();
            zeilen.emplace_back();
        } else if (c != u'\r') {
            feld += c;
        }
    }
    if (!feld.isEmpty() || !zeilen.back().isEmpty()) zeilen.back() << feld;
    if (zeilen.back().isEmpty()) zeilen.pop_back();
    return zeilen;
}

/// Cells where a German spreadsheet application shows something else than LibreOffice.
struct Ausnahme {
    const char* sDatei;  // "" for every file
    const char* sBlatt;
    int32_t z, s;
    const char* sGrund;
};
const Ausnahme AUSNAHMEN[] = {
    // General shows as many digits as the column is wide: LibreOffice's export has no
    // column and writes 15, the standard column shows 10 (as the automation surface does).
    {"", "Formate", 2, 2, "General with more than ten significant digits"},
    {"", "Formate", 3, 2, "General integer of twelve digits: 1,23457E+11 in a standard column"},
    // German Excel abbreviates März "Mrz", LibreOffice "Mär".
    {"", "Formate", 27, 2, "MMM in March"},
    // LibreOffice loads the booleans of its own .xls as the number 1 with a format it cannot
    // save; the file holds a boolean, which a spreadsheet shows as WAHR.
    {".xls", "Formate", 36, 2, "boolean in .xls"},
    {".xls", "Formate", 37, 2, "boolean formula result in .xls"},
};

const Ausnahme* gAusnahme(const QString& sDatei, const QString& sBlatt, int32_t z, int32_t s) {
    for (const Ausnahme& a : AUSNAHMEN) {
        if (sDatei.endsWith(QString::fromLatin1(a.sDatei)) &&
            sBlatt == QString::fromUtf8(a.sBlatt) && z == a.z && s == a.s) {
            return &a;
        }
    }
    return nullptr;
}

const char* const DATEIEN[] = {"anzeige.xls",       "anzeige_95.xls",   "anzeige.xlsx",
                               "anzeige.ods",       "anzeige_1904.xls", "anzeige_1904_95.xls",
                               "anzeige_1904.xlsx", "anzeige_1904.ods"};

QString gsFixture(const QString& sName) {
    return gsTestdatei(QStringLiteral("anzeige/") + sName);
}

}  // namespace

TEST(WieLibreOffice, JedeZelleZeigtDenTextDerCsvAusgabe) {
    for (const char* pszDatei : DATEIEN) {
        const QString sDatei = QString::fromLatin1(pszDatei);
        SCOPED_TRACE(pszDatei);
        Geoeffnet g(gsFixture(sDatei));
        ASSERT_FALSE(g.Namen().isEmpty());
        for (size_t b = 0; b < g.mappe->blaetter.size(); ++b) {
            const QString sBlatt = g.B(b).Name();
            const Tabelle soll = gCsv(gsFixture(sDatei + u'.' + sBlatt + QStringLiteral(".csv")));
            ASSERT_FALSE(soll.empty()) << sBlatt.toStdString();
            for (int32_t z = 1; z <= std::max<int32_t>(g.B(b).AnzahlZeilen(), soll.size()); ++z) {
                const QStringList leer;
                const QStringList& zeile =
                    z <= static_cast<int32_t>(soll.size()) ? soll[z - 1] : leer;
                const auto nSpalten = std::max<int32_t>(g.B(b).Zeile(z).size(), zeile.size());
                for (int32_t s = 1; s <= nSpalten; ++s) {
                    const QString sSoll = s <= zeile.size() ? zeile[s - 1] : QString();
                    const QString sIst = g.Text(b, z, s);
                    const Ausnahme* a = gAusnahme(sDatei, sBlatt, z, s);
                    if (a) {
                        EXPECT_NE(sIst, sSoll) << "exception no longer needed: " << a->sGrund;
                    } else {
                        EXPECT_EQ(sIst, sSoll) << sBlatt.toStdString() << " R" << z << "C" << s;
                    }
                }
            }
        }
    }
}

TEST(WieLibreOffice, XlsXlsxUndOdsGebenDieselbenZellen) {
    const Geoeffnet xlsx(gsFixture(QStringLiteral("anzeige.xlsx")));
    for (const char* pszDatei : {"anzeige.xls", "anzeige.ods", "anzeige_95.xls"}) {
        SCOPED_TRACE(pszDatei);
        const Geoeffnet g(gsFixture(QString::fromLatin1(pszDatei)));
        ASSERT_EQ(g.Namen(), xlsx.Namen());
        // Excel 95 keeps texts in one code page: the sheet of Greek texts cannot survive it
        const bool b95 = QByteArray(pszDatei).contains("_95");
        for (size_t b = 0; b < xlsx.mappe->blaetter.size(); ++b) {
            EXPECT_EQ(g.B(b).Versteckt(), xlsx.B(b).Versteckt());
            if (b95 && xlsx.B(b).Name() == QStringLiteral("Texte")) continue;
            ASSERT_EQ(g.B(b).AnzahlZeilen(), xlsx.B(b).AnzahlZeilen()) << b;
            for (int32_t z = 1; z <= xlsx.B(b).AnzahlZeilen(); ++z) {
                const auto n = std::max(g.B(b).Zeile(z).size(), xlsx.B(b).Zeile(z).size());
                for (int32_t s = 1; s <= static_cast<int32_t>(n); ++s) {
                    EXPECT_EQ(g.Text(b, z, s), xlsx.Text(b, z, s)) << b << " R" << z << "C" << s;
                    EXPECT_EQ(g.Wert(b, z, s), xlsx.Wert(b, z, s)) << b << " R" << z << "C" << s;
                }
            }
        }
    }
}

}  // namespace rastfang::spreadsheet::test
