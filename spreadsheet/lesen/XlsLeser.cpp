#include "spreadsheet/lesen/XlsLeser.h"

#include <QHash>
#include <cstring>
#include <optional>
#include <vector>

#include "spreadsheet/lesen/BiffSaetze.h"
#include "spreadsheet/lesen/Lesebudget.h"
#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/Standardformate.h"
#include "spreadsheet/lesen/Verbunddatei.h"

namespace rastfang::spreadsheet {

namespace {

constexpr uint16_t BIFF8 = 0x0600;
constexpr uint16_t BIFF5 = 0x0500;
constexpr uint16_t BOF_GLOBAL = 0x0005;
constexpr uint16_t BOF_BLATT = 0x0010;
/// BIFF sheets end at column 256 (IV).
constexpr uint16_t MAX_BIFF_SPALTEN = 256;
/// Sheet type in BOUNDSHEET: charts, Excel 4 macro sheets and VBA modules are no worksheets.
constexpr uint8_t TYP_ARBEITSBLATT = 0;

/// The error values of BOOLERR and FORMULA records as the spreadsheet shows them.
QString gsFehlerText(uint8_t iCode) {
    switch (iCode) {
        case 0x00:
            return QStringLiteral("#NULL!");
        case 0x07:
            return QStringLiteral("#DIV/0!");
        case 0x0F:
            return QStringLiteral("#VALUE!");
        case 0x17:
            return QStringLiteral("#REF!");
        case 0x1D:
            return QStringLiteral("#NAME?");
        case 0x24:
            return QStringLiteral("#NUM!");
        default:
            return QStringLiteral("#N/A");
    }
}

struct XfEintrag {
    uint16_t iFormat = 0;
    uint16_t iSchrift = 0;
    bool bGesperrt = true;
};

struct BlattEintrag {
    BlattKopf kopf;
    uint32_t lOffset = 0;
    QByteArray roherName;  // BIFF5: decoded once the code page is known
};

/// What the workbook globals say that the sheets need.
struct Globale {
    uint16_t iVersion = BIFF8;
    Codepage codepage;
    bool b1904 = false;
    QHash<uint16_t, QString> formate;
    std::vector<XfEintrag> xfs;
    std::vector<bool> fett;  // per FONT record
    std::vector<QString> texte;
    std::vector<BlattEintrag> blaetter;
};

/// The shared strings of an SST record (BIFF8).
std::vector<QString> gTexte(const BiffSatz& satz, Lesebudget& budget) {
    BiffLeser l(satz);
    l.U32();  // references in the workbook
    const uint32_t nEindeutig = l.U32();
    std::vector<QString> texte;
    // a string takes at least three bytes: a forged count reserves no more than the record has
    size_t nBytes = 0;
    for (const auto& t : satz.teile) nBytes += t.size();
    const size_t nPlatz = std::min<size_t>(nEindeutig, nBytes / 3);
    budget.Belaste(static_cast<int64_t>(nPlatz * sizeof(QString)));
    texte.reserve(nPlatz);
    // Empty strings take three bytes in the file but a whole string object in memory: the
    // table is charged as it grows.
    for (uint32_t i = 0; i < nEindeutig; ++i) {
        QString t = l.Text16();
        budget.BelasteText(t.size());
        if (texte.size() == texte.capacity()) {
            budget.Belaste(static_cast<int64_t>(texte.size() * sizeof(QString)));
        }
        texte.push_back(std::move(t));
    }
    return texte;
}

Globale gGlobale(std::span<const uint8_t> strom, Lesebudget& budget) {
    Globale g;
    BiffStrom s(strom, 0);
    BiffSatz satz;
    if (!s.Naechster(satz) || satz.iId != Biff::BOF) gLesefehler(Lesegrund::Format);
    {
        BiffLeser l(satz);
        g.iVersion = l.U16();
        if ((g.iVersion != BIFF8 && g.iVersion != BIFF5) || l.U16() != BOF_GLOBAL) {
            gLesefehler(Lesegrund::Format);
        }
    }
    const bool b8 = g.iVersion == BIFF8;
    int iCodepage = 1252;
    while (true) {
        if (!s.Naechster(satz)) gLesefehler(Lesegrund::Format);  // no EOF
        if (satz.iId == Biff::EOF_) break;
        BiffLeser l(satz);
        switch (satz.iId) {
            case Biff::KENNWORT:
                gLesefehler(Lesegrund::Verschluesselt);
            case Biff::ZEICHENSATZ:
                iCodepage = l.U16();
                break;
            case Biff::DATUMSSYSTEM:
                g.b1904 = l.U16() == 1;
                break;
            case Biff::FORMAT: {
                const uint16_t iId = l.U16();
                // BIFF5: bytes in the code page, recoded below once the code page is known
                g.formate[iId] = b8 ? l.Text16() : QString::fromLatin1(l.Bytes(l.U8()));
                break;
            }
            case Biff::XF: {
                XfEintrag xf;
                xf.iSchrift = l.U16();
                xf.iFormat = l.U16();
                xf.bGesperrt = l.U16() & 0x0001;
                g.xfs.push_back(xf);
                break;
            }
            case Biff::SCHRIFT: {
                l.Ueberspringe(6);
                g.fett.push_back(l.U16() >= 700);
                break;
            }
            case Biff::BLATT: {
                BlattEintrag b;
                b.lOffset = l.U32();
                const uint8_t iZustand = l.U8();
                const uint8_t iTyp = l.U8();
                if (iTyp != TYP_ARBEITSBLATT) break;
                b.kopf.bVersteckt = (iZustand & 0x03) != 0;
                if (b8) {
                    b.kopf.sName = l.Text8();
                } else {
                    b.roherName = l.Bytes(l.U8());
                }
                g.blaetter.push_back(std::move(b));
                break;
            }
            case Biff::SST:
                if (b8) g.texte = gTexte(satz, budget);
                break;
            default:
                break;
        }
    }
    g.codepage = Codepage(iCodepage);
    if (!b8) {
        for (BlattEintrag& b : g.blaetter) b.kopf.sName = g.codepage.Text(b.roherName);
        for (auto it = g.formate.begin(); it != g.formate.end(); ++it) {
            it.value() = g.codepage.Text(it.value().toLatin1());
        }
    }
    return g;
}

class XlsLeser : public MappenLeser {
  public:
    XlsLeser(std::vector<uint8_t> strom, MappenDaten& mappe, Lesebudget& budget)
        : m_strom(std::move(strom)), m_g(gGlobale(m_strom, budget)) {
        mappe.b1904 = m_g.b1904;
        m_stile.resize(m_g.xfs.size());
    }

    std::vector<BlattKopf> Blaetter() const override {
        std::vector<BlattKopf> k;
        for (const BlattEintrag& b : m_g.blaetter) k.push_back(b.kopf);
        return k;
    }

    void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten& mappe, Lesebudget& budget) override {
        BlattLauf(*this, blatt, mappe, budget).Lies(m_g.blaetter.at(iIndex).lOffset);
    }

  private:
    /// The format index of XF `iXf` in the workbook's table, made on first use.
    uint32_t Stil(uint16_t iXf, MappenDaten& mappe) {
        if (iXf >= m_stile.size()) return 0;  // an unknown format shows the cell unformatted
        if (!m_stile[iXf]) {
            const XfEintrag& xf = m_g.xfs[iXf];
            spreadsheet::Stil st;
            const auto it = m_g.formate.constFind(xf.iFormat);
            st.sZahlenformat = it != m_g.formate.cend() ? *it : gsStandardformat(xf.iFormat);
            // font 4 does not exist in BIFF: the indexes above it are one too high
            const size_t iSchrift = xf.iSchrift >= 4 ? xf.iSchrift - 1u : xf.iSchrift;
            st.bFett = iSchrift < m_g.fett.size() && m_g.fett[iSchrift];
            st.bGesperrt = xf.bGesperrt;
            m_stile[iXf] = mappe.StilIndex(st);
        }
        return *m_stile[iXf];
    }

    /// Reads one worksheet substream into a sheet.
    class BlattLauf {
      public:
        BlattLauf(XlsLeser& x, Blatt& blatt, MappenDaten& mappe, Lesebudget& budget)
            : m_x(x),
              m_blatt(blatt),
              m_mappe(mappe),
              m_budget(budget),
              m_b8(x.m_g.iVersion == BIFF8) {}

        void Lies(uint32_t lOffset) {
            BiffStrom s(m_x.m_strom, lOffset);
            BiffSatz satz;
            if (!s.Naechster(satz) || satz.iId != Biff::BOF) gLesefehler(Lesegrund::Format);
            {
                BiffLeser l(satz);
                l.U16();
                if (l.U16() != BOF_BLATT) gLesefehler(Lesegrund::Format);
            }
            int iTiefe = 0;  // embedded charts bring their own BOF ... EOF
            while (true) {
                if (!s.Naechster(satz)) gLesefehler(Lesegrund::Format);
                if (satz.iId == Biff::BOF) {
                    ++iTiefe;
                } else if (satz.iId == Biff::EOF_) {
                    if (iTiefe == 0) break;
                    --iTiefe;
                } else if (iTiefe == 0) {
                    Satz(satz);
                }
            }
        }

      private:
        void Satz(const BiffSatz& satz) {
            BiffLeser l(satz);
            if (satz.iId != Biff::STRING && !IstZwischensatz(satz.iId)) m_formelText.reset();
            switch (satz.iId) {
                case Biff::NUMBER: {
                    const auto [z, s, xf] = Ort(l);
                    Zahl(z, s, xf, l.F64());
                    break;
                }
                case Biff::RK: {
                    const auto [z, s, xf] = Ort(l);
                    Zahl(z, s, xf, gdRk(l.U32()));
                    break;
                }
                case Biff::MULRK: {
                    const uint16_t z = l.U16();
                    uint16_t s = l.U16();
                    if (l.RestImTeil() < 2 || (l.RestImTeil() - 2) % 6 != 0) {
                        gLesefehler(Lesegrund::Format);
                    }
                    for (size_t n = (l.RestImTeil() - 2) / 6; n > 0; --n, ++s) {
                        const uint16_t xf = l.U16();
                        Zahl(z, s, xf, gdRk(l.U32()));
                    }
                    break;
                }
                case Biff::LABELSST: {
                    const auto [z, s, xf] = Ort(l);
                    const uint32_t i = l.U32();
                    if (i >= m_x.m_g.texte.size()) gLesefehler(Lesegrund::Format);
                    Text(z, s, xf, m_x.m_g.texte[i]);
                    break;
                }
                case Biff::LABEL:
                case Biff::RSTRING: {
                    const auto [z, s, xf] = Ort(l);
                    Text(z, s, xf, LiesText(l));
                    break;
                }
                case Biff::BOOLERR: {
                    const auto [z, s, xf] = Ort(l);
                    const uint8_t iWert = l.U8();
                    Wahr(z, s, xf, l.U8() != 0, iWert);
                    break;
                }
                case Biff::FORMEL:
                    Formel(l);
                    break;
                case Biff::STRING:
                    if (m_formelText) {
                        const Ziel ziel = *m_formelText;
                        m_formelText.reset();
                        const QString t = LiesText(l);
                        // an empty result shows nothing, as an empty formula string in .xlsx
                        if (!t.isEmpty()) Text(ziel.z, ziel.s, ziel.xf, t);
                    }
                    break;
                default:
                    break;  // BLANK, MULBLANK (formatted empty cells) and the rest show nothing
            }
        }

        /// Records that may stand between a FORMULA and the STRING with its text result.
        static bool IstZwischensatz(uint16_t iId) {
            return iId == 0x04BC /* SHRFMLA */ || iId == 0x0221 /* ARRAY */ ||
                   iId == 0x0236 /* TABLE */ || iId == Biff::FORMEL;
        }

        struct Ziel {
            uint16_t z, s, xf;
        };

        static Ziel Ort(BiffLeser& l) {
            const uint16_t z = l.U16();
            const uint16_t s = l.U16();
            return {z, s, l.U16()};
        }

        QString LiesText(BiffLeser& l) {
            if (m_b8) return l.Text16();
            // Excel 95 cells hold at most 255 characters; longer ones written by other
            // programs are cut where their record ends, as LibreOffice reads them
            const size_t n = l.U16();
            return m_x.m_g.codepage.Text(l.Bytes(std::min(n, l.RestImTeil())));
        }

        void Formel(BiffLeser& l) {
            const auto [z, s, xf] = Ort(l);
            uint8_t e[8];
            for (uint8_t& b : e) b = l.U8();
            if (e[6] != 0xFF || e[7] != 0xFF) {
                double d;
                std::memcpy(&d, e, 8);
                Zahl(z, s, xf, d);
                return;
            }
            switch (e[0]) {
                case 0:  // text: in the STRING record that follows
                    m_formelText = Ziel{z, s, xf};
                    break;
                case 1:
                    Wahr(z, s, xf, false, e[2]);
                    break;
                case 2:
                    Wahr(z, s, xf, true, e[2]);
                    break;
                default:
                    break;  // empty text
            }
        }

        void Zahl(uint16_t z, uint16_t s, uint16_t xf, double d) {
            Zelle c;
            c.typ = ZellTyp::Zahl;
            c.zahl = d;
            Setze(z, s, xf, std::move(c));
        }
        void Text(uint16_t z, uint16_t s, uint16_t xf, const QString& t) {
            Zelle c;
            c.typ = ZellTyp::Text;
            c.text = t;
            Setze(z, s, xf, std::move(c));
        }
        void Wahr(uint16_t z, uint16_t s, uint16_t xf, bool bFehler, uint8_t iWert) {
            Zelle c;
            if (bFehler) {
                c.typ = ZellTyp::Fehlerwert;
                c.text = gsFehlerText(iWert);
            } else {
                c.typ = ZellTyp::Wahrheitswert;
                c.zahl = iWert != 0 ? 1 : 0;
            }
            Setze(z, s, xf, std::move(c));
        }

        void Setze(uint16_t z, uint16_t s, uint16_t xf, Zelle c) {
            if (s >= MAX_BIFF_SPALTEN) gLesefehler(Lesegrund::Format);
            c.stil = m_x.Stil(xf, m_mappe);
            m_budget.Setze(m_blatt, int32_t{z} + 1, int32_t{s} + 1, std::move(c));
        }

        XlsLeser& m_x;
        Blatt& m_blatt;
        MappenDaten& m_mappe;
        Lesebudget& m_budget;
        const bool m_b8;
        std::optional<Ziel> m_formelText;
    };

    std::vector<uint8_t> m_strom;
    Globale m_g;
    std::vector<std::optional<uint32_t>> m_stile;  // per XF: index in the workbook's table
};

}  // namespace

std::shared_ptr<MappenLeser> gXlsLeser(const QString& sPfad, MappenDaten& mappe,
                                       Lesebudget& budget) {
    const Verbunddatei datei(sPfad);
    // password-protected .xlsx files are compound files with an encrypted package inside
    if (datei.HatStrom(QStringLiteral("EncryptedPackage"))) {
        gLesefehler(Lesegrund::Verschluesselt);
    }
    const bool b8 = datei.HatStrom(QStringLiteral("Workbook"));
    if (!b8 && !datei.HatStrom(QStringLiteral("Book"))) gLesefehler(Lesegrund::Format);
    // The workbook stream stays in memory while the sheets are read: charged before it is read.
    return std::make_shared<XlsLeser>(
        datei.LiesStrom(b8 ? QStringLiteral("Workbook") : QStringLiteral("Book"), budget), mappe,
        budget);
}

}  // namespace rastfang::spreadsheet
