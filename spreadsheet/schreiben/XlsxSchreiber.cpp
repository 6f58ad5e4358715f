#include "spreadsheet/schreiben/XlsxSchreiber.h"

#include <xlsxwriter.h>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>
#include <vector>

#include "spreadsheet/Anzeige.h"
#include "spreadsheet/Palette.h"
#include "spreadsheet/schreiben/Stellvertreter.h"
#include "spreadsheet/schreiben/XlsxPruefung.h"

namespace rastfang::spreadsheet {

namespace {

// The longest text a cell of the format can hold.
constexpr qsizetype kMaxTextlaenge = 32767;
// Days between the 1900 and the 1904 date systems; the library writes the 1900 system only.
constexpr double kTage1904 = 1462.0;

struct WorkbookLoescher {
    void operator()(lxw_workbook* wb) const { lxw_workbook_free(wb); }
};
using WorkbookPtr = std::unique_ptr<lxw_workbook, WorkbookLoescher>;

QString LibGrund(lxw_error fehler) {
    switch (fehler) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return QStringLiteral("Nicht genügend Arbeitsspeicher.");
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_PARAMETER_ERROR:
        case LXW_ERROR_ZIP_BAD_ZIP_FILE:
        case LXW_ERROR_ZIP_INTERNAL_ERROR:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return QStringLiteral("Die Datei konnte nicht vollständig geschrieben werden (%1).")
                .arg(QString::fromUtf8(lxw_strerror(fehler)));
        default:
            return QStringLiteral("Fehler beim Erzeugen der Arbeitsmappe (%1).")
                .arg(QString::fromUtf8(lxw_strerror(fehler)));
    }
}

/// One library format per format of the workbook, made on first use: formats are live objects
/// in the library, so each distinct style gets exactly one and keeps it.
class Formate {
  public:
    Formate(lxw_workbook* wb, const MappenDaten& mappe)
        : m_wb(wb),
          m_mappe(mappe),
          m_formate(mappe.stile.size(), nullptr),
          m_datum(mappe.stile.size(), -1) {}

    lxw_format* Format(uint32_t stil) {
        if (stil == 0 || stil >= m_formate.size()) return nullptr;
        if (!m_formate[stil]) m_formate[stil] = Erzeuge(m_mappe.stile[stil]);
        return m_formate[stil];
    }

    /// A styled cell without value needs a format even for the default style.
    lxw_format* FormatFuerLeer(uint32_t stil) {
        if (lxw_format* f = Format(stil)) return f;
        if (!m_standard) m_standard = workbook_add_format(m_wb);
        return m_standard;
    }

    bool IstDatum(uint32_t stil) {
        if (stil >= m_datum.size()) return false;
        if (m_datum[stil] < 0) m_datum[stil] = gbIstDatumsformat(m_mappe.stile[stil].sZahlenformat);
        return m_datum[stil] == 1;
    }

  private:
    lxw_format* Erzeuge(const Stil& s) {
        lxw_format* f = workbook_add_format(m_wb);
        if (s.sZahlenformat != QLatin1String("General")) {
            format_set_num_format(f, s.sZahlenformat.toUtf8().constData());
        }
        if (gbIstPalettenIndex(s.iFarbIndex)) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, glPalettenFarbe(s.iFarbIndex));
        }
        if (s.bFett) format_set_bold(f);
        switch (s.lAusrichtung) {
            case Ausrichtung::LINKS:
                format_set_align(f, LXW_ALIGN_LEFT);
                break;
            case Ausrichtung::ZENTRIERT:
                format_set_align(f, LXW_ALIGN_CENTER);
                break;
            case Ausrichtung::RECHTS:
                format_set_align(f, LXW_ALIGN_RIGHT);
                break;
            default:
                break;
        }
        if (!s.bGesperrt) format_set_unlocked(f);
        return f;
    }

    lxw_workbook* m_wb;
    const MappenDaten& m_mappe;
    std::vector<lxw_format*> m_formate;
    std::vector<int8_t> m_datum;
    lxw_format* m_standard = nullptr;
};

void SchreibeBlatt(lxw_worksheet* ws, Blatt& blatt, Formate& formate, bool b1904,
                   const Zieldatei& ziel) {
    for (int32_t s = 1; s <= MAX_SPALTE; ++s) {
        if (blatt.HatSpaltenbreite(s)) {
            const auto spalte = static_cast<lxw_col_t>(s - 1);
            const lxw_error fehler =
                worksheet_set_column(ws, spalte, spalte, blatt.Spaltenbreite(s), nullptr);
            if (fehler != LXW_NO_ERROR) ziel.Fehler(LibGrund(fehler));
        }
    }

    // Rows go out in ascending order: the library streams them (constant memory mode).
    const int32_t lZeilen = blatt.AnzahlZeilen();
    for (int32_t z = 1; z <= lZeilen; ++z) {
        const auto& zeile = blatt.Zeile(z);
        const auto r = static_cast<lxw_row_t>(z - 1);
        for (const Zelle& zelle : zeile) {
            const auto c = static_cast<lxw_col_t>(zelle.spalte - 1);
            lxw_error fehler = LXW_NO_ERROR;
            switch (zelle.typ) {
                case ZellTyp::Leer:
                    if (zelle.stil != 0)
                        fehler =
                            worksheet_write_blank(ws, r, c, formate.FormatFuerLeer(zelle.stil));
                    break;
                case ZellTyp::Zahl: {
                    double d = zelle.zahl;
                    if (b1904 && formate.IstDatum(zelle.stil)) d += kTage1904;
                    fehler = worksheet_write_number(ws, r, c, d, formate.Format(zelle.stil));
                    break;
                }
                case ZellTyp::Wahrheitswert:
                    fehler = worksheet_write_boolean(ws, r, c, zelle.zahl != 0,
                                                     formate.Format(zelle.stil));
                    break;
                case ZellTyp::Text:
                case ZellTyp::Fehlerwert: {
                    // Error values travel as their shown text; the engine writes no formulas.
                    if (zelle.text.isEmpty()) {
                        if (zelle.stil != 0)
                            fehler =
                                worksheet_write_blank(ws, r, c, formate.FormatFuerLeer(zelle.stil));
                        break;
                    }
                    const QByteArray utf8 = zelle.text.left(kMaxTextlaenge).toUtf8();
                    fehler = worksheet_write_string(ws, r, c, utf8.constData(),
                                                    formate.Format(zelle.stil));
                    break;
                }
            }
            if (fehler != LXW_NO_ERROR) ziel.Fehler(LibGrund(fehler));
        }
    }

    const Blattschutz& schutz = blatt.Schutz();
    if (schutz.bAktiv) {
        // The library's flags name what stays allowed: objects = 1 leaves drawing objects
        // editable, scenarios = 1 likewise. Contents are always protected by the sheet
        // protection the library writes.
        lxw_protection prot{};
        prot.objects = schutz.bZeichnungsobjekte ? 0 : 1;
        prot.scenarios = schutz.bSzenarien ? 0 : 1;
        worksheet_protect(ws, nullptr, &prot);
    }
}

}  // namespace

void gSchreibeXlsx(MappenDaten& mappe, Zieldatei& ziel) {
    ziel.SchliesseHandle();
    // The library reports its failures on stderr in English; ours come as a message.
    const StderrStumm stumm;
    // The library prints a row's cells when the next row begins, in the constant-memory mode.
    const EigenesSpeichern eigenesSpeichern;
    // The library's streamed parts go beside the target, not to a possibly full /tmp: the
    // space the workbook needs is then checked where it will be stored.
    QByteArray ordner = QFile::encodeName(QFileInfo(ziel.Pfad()).absolutePath());
    lxw_workbook_options optionen{};
    optionen.constant_memory = LXW_TRUE;
    optionen.tmpdir = ordner.data();
    WorkbookPtr wb(workbook_new_opt(ziel.TempName().constData(), &optionen));
    if (!wb) ziel.Fehler(QStringLiteral("Nicht genügend Arbeitsspeicher."));

    Formate formate(wb.get(), mappe);
    std::vector<lxw_worksheet*> blaetter;
    for (const auto& blatt : mappe.blaetter) {
        lxw_worksheet* ws = workbook_add_worksheet(wb.get(), blatt->Name().toUtf8().constData());
        if (!ws) {
            ziel.Fehler(
                QStringLiteral("Der Blattname \"%1\" ist in diesem Dateiformat nicht zulässig.")
                    .arg(blatt->Name()));
        }
        blaetter.push_back(ws);
    }
    const int iAktiv = mappe.iAktivesBlatt;
    for (size_t i = 0; i < blaetter.size(); ++i) {
        auto& blatt = *mappe.blaetter[i];
        SchreibeBlatt(blaetter[i], blatt, formate, mappe.b1904, ziel);
        if (static_cast<int>(i) == iAktiv) {
            worksheet_activate(blaetter[i]);
        } else if (blatt.Versteckt()) {
            worksheet_hide(blaetter[i]);
        }
    }

    errno = 0;
    const lxw_error fehler = workbook_close(wb.release());  // frees the workbook in any case
    if (fehler != LXW_NO_ERROR) {
        const int iErrno = errno;
        if (iErrno == ENOSPC || iErrno == EDQUOT || iErrno == EIO || iErrno == EROFS) {
            ziel.SystemFehler(iErrno);
        }
        ziel.Fehler(LibGrund(fehler));
    }
    gPruefeXlsx(ziel, blaetter.size());
}

}  // namespace rastfang::spreadsheet
