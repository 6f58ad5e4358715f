#include "XlsLeser.h"

#include <freexl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>
#include <QFileInfo>
#include <string_view>

#include "Lesebudget.h"
#include "Lesefehler.h"
#include "Seriell.h"

namespace rastfang::tabelle {

namespace {

/// freexl reads the whole file into memory: larger files are refused.
constexpr qint64 MAX_XLS_BYTES = 256ll * 1024 * 1024;
/// BIFF8 sheets end at row 65536 and column 256; a file claiming more is damaged.
constexpr unsigned MAX_BIFF_ZEILEN = 65536;
constexpr unsigned MAX_BIFF_SPALTEN = 256;

/// Owns a freexl handle (freexl_close is due even when freexl_open failed).
class FreexlHandle {
  public:
    explicit FreexlHandle(const QString& sPfad) {
        m_iStatus = freexl_open(QFile::encodeName(sPfad).constData(), &m_handle);
    }
    ~FreexlHandle() {
        if (m_handle) freexl_close(m_handle);
    }
    FreexlHandle(const FreexlHandle&) = delete;
    FreexlHandle& operator=(const FreexlHandle&) = delete;

    int Status() const { return m_iStatus; }
    const void* Get() const { return m_handle; }

  private:
    const void* m_handle = nullptr;
    int m_iStatus = FREEXL_OK;
};

class XlsLeser : public MappenLeser {
  public:
    explicit XlsLeser(const QString& sPfad) : m_handle(sPfad) {
        const int st = m_handle.Status();
        if (st == FREEXL_INSUFFICIENT_MEMORY) gLesefehler(Lesegrund::ZuGross);
        if (st == FREEXL_FILE_NOT_FOUND) gLesefehler(Lesegrund::NichtGefunden);
        if (st != FREEXL_OK) gLesefehler(Lesegrund::Format);
        const void* h = m_handle.Get();
        unsigned int iInfo = 0;
        if (freexl_get_info(h, FREEXL_BIFF_PASSWORD, &iInfo) == FREEXL_OK &&
            iInfo != FREEXL_BIFF_PLAIN && iInfo != FREEXL_UNKNOWN) {
            gLesefehler(Lesegrund::Verschluesselt);
        }
        unsigned int nBlaetter = 0;
        if (freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &nBlaetter) != FREEXL_OK) {
            gLesefehler(Lesegrund::Format);
        }
        for (unsigned int i = 0; i < nBlaetter && i < 65535; ++i) {
            const char* pName = nullptr;
            if (freexl_get_worksheet_name(h, static_cast<unsigned short>(i), &pName) != FREEXL_OK) {
                gLesefehler(Lesegrund::Format);
            }
            m_koepfe.push_back({QString::fromUtf8(pName ? pName : ""), false});
        }
    }

    std::vector<BlattKopf> Blaetter() const override { return m_koepfe; }

    void LiesBlatt(size_t iIndex, Blatt& blatt, MappenDaten& mappe, Lesebudget& budget) override {
        const void* h = m_handle.Get();
        if (freexl_select_active_worksheet(h, static_cast<unsigned short>(iIndex)) != FREEXL_OK) {
            gLesefehler(Lesegrund::Format);
        }
        unsigned int nZeilen = 0;
        unsigned short nSpalten = 0;
        if (freexl_worksheet_dimensions(h, &nZeilen, &nSpalten) != FREEXL_OK ||
            nZeilen > MAX_BIFF_ZEILEN || nSpalten > MAX_BIFF_SPALTEN) {
            gLesefehler(Lesegrund::Format);
        }
        Stil datum, datumZeit, zeit;
        datum.sZahlenformat = QStringLiteral("DD.MM.YYYY");
        datumZeit.sZahlenformat = QStringLiteral("DD.MM.YYYY hh:mm:ss");
        zeit.sZahlenformat = QStringLiteral("hh:mm:ss");
        const uint32_t iDatum = mappe.StilIndex(datum);
        const uint32_t iDatumZeit = mappe.StilIndex(datumZeit);
        const uint32_t iZeit = mappe.StilIndex(zeit);
        for (unsigned int z = 0; z < nZeilen; ++z) {
            for (unsigned short s = 0; s < nSpalten; ++s) {
                FreeXL_CellValue v;
                if (freexl_get_cell_value(h, z, s, &v) != FREEXL_OK) {
                    gLesefehler(Lesegrund::Format);
                }
                Zelle zelle;
                switch (v.type) {
                    case FREEXL_CELL_INT:
                        zelle.typ = ZellTyp::Zahl;
                        zelle.zahl = v.value.int_value;
                        break;
                    case FREEXL_CELL_DOUBLE:
                        zelle.typ = ZellTyp::Zahl;
                        zelle.zahl = v.value.double_value;
                        break;
                    case FREEXL_CELL_TEXT:
                    case FREEXL_CELL_SST_TEXT:
                        if (!v.value.text_value || !*v.value.text_value) continue;
                        zelle.typ = ZellTyp::Text;
                        zelle.text = QString::fromUtf8(v.value.text_value);
                        break;
                    case FREEXL_CELL_DATE:
                    case FREEXL_CELL_DATETIME:
                    case FREEXL_CELL_TIME: {
                        const auto d = gdIsoSeriell(v.value.text_value ? v.value.text_value : "");
                        if (!d) gLesefehler(Lesegrund::Format);
                        zelle.typ = ZellTyp::Zahl;
                        zelle.zahl = *d;
                        zelle.stil = v.type == FREEXL_CELL_DATE       ? iDatum
                                     : v.type == FREEXL_CELL_DATETIME ? iDatumZeit
                                                                      : iZeit;
                        break;
                    }
                    default:
                        continue;
                }
                budget.Setze(blatt, static_cast<int32_t>(z) + 1, s + 1, std::move(zelle));
            }
        }
    }

  private:
    FreexlHandle m_handle;
    std::vector<BlattKopf> m_koepfe;
};

/// freexl 1.0.6 reads past its buffers on some damaged files. It therefore first reads the
/// whole file in a child process: when that child crashes or hangs, the file is damaged and
/// the program itself never runs freexl on it.
bool gbFreexlUebersteht(const QString& sPfad) {
    const QByteArray pfad = QFile::encodeName(sPfad);
    const pid_t pid = fork();
    if (pid < 0) return true;  // no child possible: trust the library
    if (pid == 0) {
        alarm(5);  // a hang ends the child
        const void* h = nullptr;
        if (freexl_open(pfad.constData(), &h) == FREEXL_OK) {
            unsigned int nBlaetter = 0;
            freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &nBlaetter);
            for (unsigned int i = 0; i < nBlaetter && i < 65535; ++i) {
                const char* pName = nullptr;
                freexl_get_worksheet_name(h, static_cast<unsigned short>(i), &pName);
                if (freexl_select_active_worksheet(h, static_cast<unsigned short>(i)) !=
                    FREEXL_OK) {
                    continue;
                }
                unsigned int nZeilen = 0;
                unsigned short nSpalten = 0;
                if (freexl_worksheet_dimensions(h, &nZeilen, &nSpalten) != FREEXL_OK ||
                    nZeilen > MAX_BIFF_ZEILEN || nSpalten > MAX_BIFF_SPALTEN) {
                    continue;
                }
                for (unsigned int z = 0; z < nZeilen; ++z) {
                    for (unsigned short sp = 0; sp < nSpalten; ++sp) {
                        FreeXL_CellValue v;
                        freexl_get_cell_value(h, z, sp, &v);
                    }
                }
            }
        }
        if (h) freexl_close(h);
        _exit(0);
    }
    int iStatus = 0;
    while (waitpid(pid, &iStatus, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 0;
}

}  // namespace

bool gbIstVerschluesseltesPaket(const QString& sPfad) {
    // The directory of a compound file names its streams in UTF-16; encrypted Office packages
    // keep their content in a stream "EncryptedPackage".
    static constexpr char16_t NAME[] = u"EncryptedPackage";
    const QByteArray muster(reinterpret_cast<const char*>(NAME), sizeof(NAME) - 2);
    QFile datei(sPfad);
    if (!datei.open(QIODevice::ReadOnly)) return false;
    QByteArray rest;
    while (!datei.atEnd()) {
        const QByteArray stueck = rest + datei.read(1024 * 1024);
        if (stueck.contains(muster)) return true;
        rest = stueck.right(muster.size());
    }
    return false;
}

std::shared_ptr<MappenLeser> gXlsLeser(const QString& sPfad, MappenDaten&) {
    if (gbIstVerschluesseltesPaket(sPfad)) gLesefehler(Lesegrund::Verschluesselt);
    if (QFileInfo(sPfad).size() > MAX_XLS_BYTES) gLesefehler(Lesegrund::ZuGross);
    if (!gbFreexlUebersteht(sPfad)) gLesefehler(Lesegrund::Format);
    return std::make_shared<XlsLeser>(sPfad);
}

}  // namespace rastfang::tabelle
