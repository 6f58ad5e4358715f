#include "spreadsheet/lesen/Verbunddatei.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-input.h>

#include <QFile>
#include <mutex>

#include "spreadsheet/lesen/Lesebudget.h"
#include "spreadsheet/lesen/Lesefehler.h"

namespace rastfang::spreadsheet {

namespace {

/// Drops a GObject reference when it goes out of scope.
struct GObjektFrei {
    void operator()(void* p) const {
        if (p) g_object_unref(p);
    }
};
template <typename T>
using GObjekt = std::unique_ptr<T, GObjektFrei>;

/// Frees a GError when it goes out of scope.
struct GFehler {
    GError* p = nullptr;
    ~GFehler() {
        if (p) g_error_free(p);
    }
};

/// libgsf reports a damaged container on stderr as GLib warnings and criticals; the reader
/// answers it with its own German message, so these stay quiet.
void gGsfMeldungenStumm() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        const auto stumm = [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {};
        for (const char* bereich : {"libgsf", "libgsf:msole"}) {
            g_log_set_handler(bereich,
                              static_cast<GLogLevelFlags>(
                                  G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_MESSAGE),
                              stumm, nullptr);
        }
    });
}

}  // namespace

struct Verbunddatei::Gsf {
    GObjekt<GsfInput> eingabe;
    GObjekt<GsfInfile> ordner;
};

Verbunddatei::Verbunddatei(const QString& sPfad) : m_gsf(std::make_unique<Gsf>()) {
    gGsfMeldungenStumm();
    GFehler fehler;
    m_gsf->eingabe.reset(gsf_input_stdio_new(QFile::encodeName(sPfad).constData(), &fehler.p));
    if (!m_gsf->eingabe) gLesefehler(Lesegrund::NichtGefunden);
    GFehler fehler2;
    m_gsf->ordner.reset(gsf_infile_msole_new(m_gsf->eingabe.get(), &fehler2.p));
    if (!m_gsf->ordner) gLesefehler(Lesegrund::Format);
}

Verbunddatei::~Verbunddatei() = default;

int Verbunddatei::Index(const QString& sName) const {
    GsfInfile* ordner = m_gsf->ordner.get();
    const int n = gsf_infile_num_children(ordner);
    for (int i = 0; i < n; ++i) {
        const char* p = gsf_infile_name_by_index(ordner, i);
        if (p && QString::fromUtf8(p).compare(sName, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

bool Verbunddatei::HatStrom(const QString& sName) const {
    return Index(sName) >= 0;
}

std::vector<uint8_t> Verbunddatei::LiesStrom(const QString& sName, Lesebudget& budget) const {
    const int i = Index(sName);
    if (i < 0) gLesefehler(Lesegrund::Format);
    const GObjekt<GsfInput> strom(gsf_infile_child_by_index(m_gsf->ordner.get(), i));
    if (!strom) gLesefehler(Lesegrund::Format);
    const gsf_off_t n = gsf_input_size(strom.get());
    if (n < 0) gLesefehler(Lesegrund::Format);
    budget.Belaste(n);
    std::vector<uint8_t> daten(static_cast<size_t>(n));
    // in steps, so a stream whose chain breaks off is noticed where it ends
    constexpr size_t SCHRITT = 1 << 20;
    for (size_t pos = 0; pos < daten.size(); pos += SCHRITT) {
        const size_t k = std::min(SCHRITT, daten.size() - pos);
        if (!gsf_input_read(strom.get(), k, daten.data() + pos)) gLesefehler(Lesegrund::Format);
    }
    return daten;
}

}  // namespace rastfang::spreadsheet
