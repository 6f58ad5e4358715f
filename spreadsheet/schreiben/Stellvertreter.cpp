#include "spreadsheet/schreiben/Stellvertreter.h"

#include <dlfcn.h>
#include <xlsxwriter/utility.h>
#include <xlsxwriter/worksheet.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace rastfang::spreadsheet {

namespace {

thread_local bool tl_bEigenesSpeichern = false;

constexpr int SCHNELLE_STUFE = 1;

// libxlsxwriter 1.1.4's number cells, without and with a style (worksheet.c).
constexpr const char* NUMMERZELLE = "<c r=\"%s\"><v>%.16G</v></c>";
constexpr const char* NUMMERZELLE_MIT_STIL = "<c r=\"%s\" s=\"%d\"><v>%.16G</v></c>";

/// The printed texts of the numbers seen last, by their bits. Even to_chars takes about a
/// thousand instructions for one number.
class Zahlgedaechtnis {
  public:
    std::string_view Text(double dZahl) {
        const auto bits = std::bit_cast<uint64_t>(dZahl);
        Eintrag& eintrag = m_eintraege[(bits ^ (bits >> 29) ^ (bits >> 47)) % m_eintraege.size()];
        if (eintrag.nLaenge == 0 || eintrag.bits != bits) {
            eintrag.bits = bits;
            eintrag.nLaenge = static_cast<uint8_t>(gZahlDrucken(dZahl, eintrag.text.data()) -
                                                   eintrag.text.data());
        }
        return {eintrag.text.data(), eintrag.nLaenge};
    }

  private:
    struct Eintrag {
        uint64_t bits = 0;
        uint8_t nLaenge = 0;
        std::array<char, ZAHLDRUCK_LAENGE> text{};
    };
    std::array<Eintrag, 1021> m_eintraege{};
};

thread_local Zahlgedaechtnis tl_gedaechtnis;

char* haenge(char* pZiel, std::string_view sText) {
    std::memcpy(pZiel, sText.data(), sText.size());
    return pZiel + sText.size();
}

/// The text of one of the library's number cells in `pZiel`; nullptr when `sFormat` is not one
/// of theirs or the values are not the plain ones covered here.
char* nummerzelle(const char* sFormat, va_list argumente, char* pZiel, size_t nPlatz) {
    const bool bMitStil = std::strcmp(sFormat, NUMMERZELLE_MIT_STIL) == 0;
    if (!bMitStil && std::strcmp(sFormat, NUMMERZELLE) != 0) return nullptr;
    va_list kopie;
    va_copy(kopie, argumente);
    const char* sZelle = va_arg(kopie, const char*);
    const int iStil = bMitStil ? va_arg(kopie, int) : 0;
    const double dZahl = va_arg(kopie, double);
    va_end(kopie);
    if (sZelle == nullptr || !std::isfinite(dZahl)) return nullptr;
    const std::string_view zelle(sZelle);
    if (zelle.size() + 64 + ZAHLDRUCK_LAENGE > nPlatz) return nullptr;
    char* p = haenge(pZiel, "<c r=\"");
    p = haenge(p, zelle);
    if (bMitStil) {
        p = haenge(p, "\" s=\"");
        p = std::to_chars(p, p + 12, iStil).ptr;
    }
    p = haenge(p, "\"><v>");
    p = haenge(p, tl_gedaechtnis.Text(dZahl));
    return haenge(p, "</v></c>");
}

}  // namespace

char* gZahlDrucken(double dZahl, char* pZiel) {
    char* const pEnde =
        std::to_chars(pZiel, pZiel + ZAHLDRUCK_LAENGE, dZahl, std::chars_format::general, 16).ptr;
    for (char* p = pZiel; p != pEnde; ++p) {
        if (*p == 'e') *p = 'E';
    }
    return pEnde;
}

EigenesSpeichern::EigenesSpeichern() : m_bVorher(tl_bEigenesSpeichern) {
    tl_bEigenesSpeichern = true;
}

EigenesSpeichern::~EigenesSpeichern() {
    tl_bEigenesSpeichern = m_bVorher;
}

}  // namespace rastfang::spreadsheet

extern "C" int deflateInit2_(z_streamp strm, int iStufe, int iMethode, int iFenster, int iSpeicher,
                             int iStrategie, const char* sVersion, int iGroesse) {
    using Echt = int (*)(z_streamp, int, int, int, int, int, const char*, int);
    static const auto echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "deflateInit2_"));
    if (echt == nullptr) return Z_VERSION_ERROR;
    if (rastfang::spreadsheet::tl_bEigenesSpeichern && iStufe == Z_DEFAULT_COMPRESSION) {
        iStufe = rastfang::spreadsheet::SCHNELLE_STUFE;
    }
    return echt(strm, iStufe, iMethode, iFenster, iSpeicher, iStrategie, sVersion, iGroesse);
}

// glibc's checked vfprintf, which the stand-in hands every other call to.
extern "C" int __vfprintf_chk(FILE* datei, int iPruefung, const char* sFormat, va_list argumente);

extern "C" int __fprintf_chk(FILE* datei, int iPruefung, const char* sFormat, ...) {
    va_list argumente;
    va_start(argumente, sFormat);
    std::array<char, 128> zeile{};
    const char* pEnde =
        rastfang::spreadsheet::tl_bEigenesSpeichern
            ? rastfang::spreadsheet::nummerzelle(sFormat, argumente, zeile.data(), zeile.size())
            : nullptr;
    int iErgebnis = 0;
    if (pEnde != nullptr) {
        const auto nLaenge = static_cast<size_t>(pEnde - zeile.data());
        iErgebnis = std::fwrite(zeile.data(), 1, nLaenge, datei) == nLaenge
                        ? static_cast<int>(nLaenge)
                        : -1;
    } else {
        iErgebnis = __vfprintf_chk(datei, iPruefung, sFormat, argumente);
    }
    va_end(argumente);
    return iErgebnis;
}

extern "C" void lxw_rowcol_to_cell(char* sName, lxw_row_t iZeile, lxw_col_t iSpalte) {
    if (iZeile >= LXW_ROW_MAX || iSpalte >= LXW_COL_MAX) {
        // Never asked for by the library's writing; its own answer, whatever it is.
        using Echt = void (*)(char*, lxw_row_t, lxw_col_t);
        static const auto echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, "lxw_rowcol_to_cell"));
        if (echt != nullptr) echt(sName, iZeile, iSpalte);
        return;
    }
    // Bijective base 26: A–Z, AA–ZZ, AAA–XFD; written from the last letter backwards.
    std::array<char, 3> buchstaben{};
    auto pAnfang = buchstaben.end();
    for (unsigned n = iSpalte + 1U; n > 0; n = (n - 1) / 26) {
        *--pAnfang = static_cast<char>('A' + (n - 1) % 26);
    }
    char* p = std::copy(pAnfang, buchstaben.end(), sName);
    p = std::to_chars(p, p + 10, static_cast<int>(iZeile + 1)).ptr;
    *p = '\0';
}
