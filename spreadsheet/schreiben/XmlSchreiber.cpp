#include "spreadsheet/schreiben/XmlSchreiber.h"

#include <unistd.h>
#include <QIODevice>
#include <QLocale>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "spreadsheet/Palette.h"

namespace rastfang::spreadsheet {

namespace {

const QString kSs = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");
const QString kX = QStringLiteral("urn:schemas-microsoft-com:office:excel");
const QString kO = QStringLiteral("urn:schemas-microsoft-com:office:office");

QString StilId(uint32_t stil) {
    return stil == 0 ? QStringLiteral("Default") : QStringLiteral("s%1").arg(stil);
}

// LibreOffice's import of this format drops a run of two or more empty cells with the same
// StyleID at the end of a row, so a spare line would lose its unlocked cells. Every style has
// an identical twin, and empty cells in even columns use the twin: neighbours never share an ID.
QString ZwillingsId(uint32_t stil) {
    return QStringLiteral("s%1b").arg(stil);
}

/// `s` with every character that XML 1.0 cannot carry (control characters, lone surrogates,
/// U+FFFE/U+FFFF) replaced by U+FFFD; the format has no escape for them.
QString XmlTauglich(const QString& s) {
    auto gueltig = [&s](qsizetype i) {
        const char16_t c = s[i].unicode();
        if (c < 0x20) return c == u'\t' || c == u'\n' || c == u'\r';
        if (c == 0xFFFE || c == 0xFFFF) return false;
        if (QChar::isHighSurrogate(c)) return i + 1 < s.size() && s[i + 1].isLowSurrogate();
        if (QChar::isLowSurrogate(c)) return i > 0 && s[i - 1].isHighSurrogate();
        return true;
    };
    qsizetype i = 0;
    while (i < s.size() && gueltig(i)) ++i;
    if (i == s.size()) return s;
    QString sNeu = s;
    for (; i < s.size(); ++i) {
        if (!gueltig(i)) sNeu[i] = QChar::ReplacementCharacter;
    }
    return sNeu;
}

QString Wahr(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

void SchreibeStil(QXmlStreamWriter& x, uint32_t index, const Stil& s, const QString& sId) {
    x.writeStartElement(kSs, QStringLiteral("Style"));
    x.writeAttribute(kSs, QStringLiteral("ID"), sId);
    if (index == 0) x.writeAttribute(kSs, QStringLiteral("Name"), QStringLiteral("Normal"));
    QString sHorizontal;
    switch (s.lAusrichtung) {
        case Ausrichtung::LINKS:
            sHorizontal = QStringLiteral("Left");
            break;
        case Ausrichtung::ZENTRIERT:
            sHorizontal = QStringLiteral("Center");
            break;
        case Ausrichtung::RECHTS:
            sHorizontal = QStringLiteral("Right");
            break;
        default:
            break;
    }
    x.writeEmptyElement(kSs, QStringLiteral("Alignment"));
    if (!sHorizontal.isEmpty()) x.writeAttribute(kSs, QStringLiteral("Horizontal"), sHorizontal);
    x.writeAttribute(kSs, QStringLiteral("Vertical"), QStringLiteral("Bottom"));
    if (s.bFett) {
        x.writeEmptyElement(kSs, QStringLiteral("Font"));
        x.writeAttribute(kSs, QStringLiteral("Bold"), QStringLiteral("1"));
    }
    if (gbIstPalettenIndex(s.iFarbIndex)) {
        x.writeEmptyElement(kSs, QStringLiteral("Interior"));
        x.writeAttribute(kSs, QStringLiteral("Color"),
                         QStringLiteral("#%1")
                             .arg(glPalettenFarbe(s.iFarbIndex), 6, 16, QLatin1Char('0'))
                             .toUpper());
        x.writeAttribute(kSs, QStringLiteral("Pattern"), QStringLiteral("Solid"));
    }
    if (s.sZahlenformat != QLatin1String("General")) {
        x.writeEmptyElement(kSs, QStringLiteral("NumberFormat"));
        x.writeAttribute(kSs, QStringLiteral("Format"), XmlTauglich(s.sZahlenformat));
    }
    // Locked is the default; only unlocked cells say so. (LibreOffice's import reads an explicit
    // ss:Protected="1" as unprotected, one more reason to leave it out.)
    if (!s.bGesperrt) {
        x.writeEmptyElement(kSs, QStringLiteral("Protection"));
        x.writeAttribute(kSs, QStringLiteral("Protected"), QStringLiteral("0"));
    }
    x.writeEndElement();
}

QString Zahl(double d) {
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

void SchreibeZelle(QXmlStreamWriter& x, const Zelle& zelle, int32_t lSpalte, bool& bLuecke) {
    const bool bOhneWert =
        zelle.typ == ZellTyp::Leer || (zelle.typ == ZellTyp::Text && zelle.text.isEmpty());
    if (bOhneWert && zelle.stil == 0) {
        bLuecke = true;
        return;
    }
    x.writeStartElement(kSs, QStringLiteral("Cell"));
    if (bLuecke) x.writeAttribute(kSs, QStringLiteral("Index"), QString::number(lSpalte));
    bLuecke = false;
    if (zelle.stil != 0) {
        const bool bZwilling = bOhneWert && lSpalte % 2 == 0;
        x.writeAttribute(kSs, QStringLiteral("StyleID"),
                         bZwilling ? ZwillingsId(zelle.stil) : StilId(zelle.stil));
    }
    if (!bOhneWert) {
        x.writeStartElement(kSs, QStringLiteral("Data"));
        switch (zelle.typ) {
            case ZellTyp::Zahl:
                x.writeAttribute(kSs, QStringLiteral("Type"), QStringLiteral("Number"));
                x.writeCharacters(Zahl(zelle.zahl));
                break;
            case ZellTyp::Wahrheitswert:
                x.writeAttribute(kSs, QStringLiteral("Type"), QStringLiteral("Boolean"));
                x.writeCharacters(zelle.zahl != 0 ? QStringLiteral("1") : QStringLiteral("0"));
                break;
            case ZellTyp::Fehlerwert:
                x.writeAttribute(kSs, QStringLiteral("Type"), QStringLiteral("Error"));
                x.writeCharacters(XmlTauglich(zelle.text));
                break;
            default:
                x.writeAttribute(kSs, QStringLiteral("Type"), QStringLiteral("String"));
                x.writeCharacters(XmlTauglich(zelle.text));
                break;
        }
        x.writeEndElement();
    }
    x.writeEndElement();
}

void SchreibeBlatt(QXmlStreamWriter& x, Blatt& blatt, bool bAktiv) {
    const Blattschutz& schutz = blatt.Schutz();
    x.writeStartElement(kSs, QStringLiteral("Worksheet"));
    x.writeAttribute(kSs, QStringLiteral("Name"), XmlTauglich(blatt.Name()));
    if (schutz.bAktiv && schutz.bInhalte)
        x.writeAttribute(kSs, QStringLiteral("Protected"), QStringLiteral("1"));

    x.writeStartElement(kSs, QStringLiteral("Table"));
    int32_t lVorige = 0;
    for (int32_t s = 1; s <= MAX_SPALTE; ++s) {
        if (!blatt.HatSpaltenbreite(s)) continue;
        x.writeEmptyElement(kSs, QStringLiteral("Column"));
        if (s != lVorige + 1) x.writeAttribute(kSs, QStringLiteral("Index"), QString::number(s));
        x.writeAttribute(kSs, QStringLiteral("AutoFitWidth"), QStringLiteral("0"));
        x.writeAttribute(kSs, QStringLiteral("Width"),
                         Zahl(gdBreiteInPunkten(blatt.Spaltenbreite(s))));
        lVorige = s;
    }
    const int32_t lZeilen = blatt.AnzahlZeilen();
    bool bZeilenLuecke = false;
    for (int32_t z = 1; z <= lZeilen; ++z) {
        const auto& zeile = blatt.Zeile(z);
        const bool bLeer = std::all_of(zeile.begin(), zeile.end(), [](const Zelle& c) {
            return c.stil == 0 &&
                   (c.typ == ZellTyp::Leer || (c.typ == ZellTyp::Text && c.text.isEmpty()));
        });
        if (bLeer) {
            bZeilenLuecke = true;
            continue;
        }
        x.writeStartElement(kSs, QStringLiteral("Row"));
        if (bZeilenLuecke) x.writeAttribute(kSs, QStringLiteral("Index"), QString::number(z));
        bZeilenLuecke = false;
        bool bLuecke = false;
        int32_t lVorigeSpalte = 0;
        for (const Zelle& zelle : zeile) {
            // columns without a stored cell leave a gap too
            if (zelle.spalte != lVorigeSpalte + 1) bLuecke = true;
            SchreibeZelle(x, zelle, zelle.spalte, bLuecke);
            lVorigeSpalte = zelle.spalte;
        }
        x.writeEndElement();
    }
    x.writeEndElement();  // Table

    x.writeStartElement(kX, QStringLiteral("WorksheetOptions"));
    if (bAktiv) x.writeEmptyElement(kX, QStringLiteral("Selected"));
    if (blatt.Versteckt())
        x.writeTextElement(kX, QStringLiteral("Visible"), QStringLiteral("SheetHidden"));
    if (schutz.bAktiv) {
        x.writeTextElement(kX, QStringLiteral("ProtectContents"), Wahr(schutz.bInhalte));
        x.writeTextElement(kX, QStringLiteral("ProtectObjects"), Wahr(schutz.bZeichnungsobjekte));
        x.writeTextElement(kX, QStringLiteral("ProtectScenarios"), Wahr(schutz.bSzenarien));
    } else {
        x.writeTextElement(kX, QStringLiteral("ProtectObjects"), Wahr(false));
        x.writeTextElement(kX, QStringLiteral("ProtectScenarios"), Wahr(false));
    }
    x.writeEndElement();  // WorksheetOptions
    x.writeEndElement();  // Worksheet
}

/// Writes straight to a file descriptor through a buffer and keeps the system error of a failed
/// write, which QFile does not tell (a full disk must be named as such).
class FdGeraet : public QIODevice {
  public:
    explicit FdGeraet(int fd) : m_fd(fd) { open(QIODevice::WriteOnly); }
    int Systemfehler() const { return m_iErrno; }
    /// Writes what is buffered; false after any failed write.
    bool Leeren() {
        const char* p = m_puffer.constData();
        qsizetype n = m_puffer.size();
        while (n > 0 && m_iErrno == 0) {
            const ssize_t w = ::write(m_fd, p, static_cast<size_t>(n));
            if (w < 0) {
                if (errno != EINTR) m_iErrno = errno;
                continue;
            }
            p += w;
            n -= w;
        }
        m_puffer.clear();
        return m_iErrno == 0;
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 n) override {
        if (m_iErrno != 0) return -1;
        m_puffer.append(daten, n);
        if (m_puffer.size() >= kPuffer && !Leeren()) return -1;
        return n;
    }

  private:
    static constexpr qsizetype kPuffer = 1 << 16;
    int m_fd;
    int m_iErrno = 0;
    QByteArray m_puffer;
};

}  // namespace

double gdBreiteInPunkten(double dZeichen) {
    const double dPixel = dZeichen < 1 ? std::round(dZeichen * 12) : std::round(dZeichen * 7) + 5;
    return dPixel * 0.75;
}

void gSchreibeXml(MappenDaten& mappe, Zieldatei& ziel) {
    FdGeraet datei(ziel.Handle());
    QXmlStreamWriter x(&datei);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeNamespace(kSs, QStringLiteral("ss"));
    x.writeNamespace(kX, QStringLiteral("x"));
    x.writeNamespace(kO, QStringLiteral("o"));
    x.writeDefaultNamespace(kSs);
    x.writeStartDocument();
    x.writeProcessingInstruction(QStringLiteral("mso-application"),
                                 QStringLiteral("progid=\"Excel.Sheet\""));
    x.writeStartElement(kSs, QStringLiteral("Workbook"));

    x.writeStartElement(kX, QStringLiteral("ExcelWorkbook"));
    x.writeTextElement(kX, QStringLiteral("ActiveSheet"), QString::number(mappe.iAktivesBlatt));
    if (mappe.b1904) x.writeEmptyElement(kX, QStringLiteral("Date1904"));
    x.writeTextElement(kX, QStringLiteral("ProtectStructure"), QStringLiteral("False"));
    x.writeTextElement(kX, QStringLiteral("ProtectWindows"), QStringLiteral("False"));
    x.writeEndElement();

    x.writeStartElement(kSs, QStringLiteral("Styles"));
    for (uint32_t i = 0; i < mappe.stile.size(); ++i) {
        SchreibeStil(x, i, mappe.stile[i], StilId(i));
        if (i != 0) SchreibeStil(x, i, mappe.stile[i], ZwillingsId(i));
    }
    x.writeEndElement();

    for (size_t i = 0; i < mappe.blaetter.size(); ++i) {
        SchreibeBlatt(x, *mappe.blaetter[i], static_cast<int>(i) == mappe.iAktivesBlatt);
        if (x.hasError()) break;
    }
    x.writeEndElement();  // Workbook
    x.writeEndDocument();

    const bool bOk = datei.Leeren() && !x.hasError();
    if (datei.Systemfehler() != 0) ziel.SystemFehler(datei.Systemfehler());
    if (!bOk) ziel.Fehler(QStringLiteral("Die Daten konnten nicht geschrieben werden."));
}

}  // namespace rastfang::spreadsheet
