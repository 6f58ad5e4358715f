#include "spreadsheet/schreiben/Packstufe.h"

#include <dlfcn.h>
#include <zlib.h>

namespace rastfang::spreadsheet {

namespace {

thread_local bool tl_bSchnell = false;

constexpr int kSchnelleStufe = 1;

}  // namespace

SchnellePackung::SchnellePackung() : m_bVorher(tl_bSchnell) {
    tl_bSchnell = true;
}

SchnellePackung::~SchnellePackung() {
    tl_bSchnell = m_bVorher;
}

}  // namespace rastfang::spreadsheet

// The program's own definition comes first in the dynamic linker's search, so libminizip's call
// from inside libxlsxwriter lands here; zlib's definition is the next one in that order.
extern "C" int deflateInit2_(z_streamp strm, int iStufe, int iMethode, int iFenster, int iSpeicher,
                             int iStrategie, const char* sVersion, int iGroesse) {
    using Echt = int (*)(z_streamp, int, int, int, int, int, const char*, int);
    static const auto echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "deflateInit2_"));
    if (echt == nullptr) return Z_VERSION_ERROR;
    if (rastfang::spreadsheet::tl_bSchnell && iStufe == Z_DEFAULT_COMPRESSION) {
        iStufe = rastfang::spreadsheet::kSchnelleStufe;
    }
    return echt(strm, iStufe, iMethode, iFenster, iSpeicher, iStrategie, sVersion, iGroesse);
}
