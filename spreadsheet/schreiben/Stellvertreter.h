#pragma once
// The engine's stand-ins for calls libxlsxwriter makes through the dynamic linker. The library
// has no setting for what they change, and together they were most of a results workbook's
// save. Each is exported from the program (spreadsheet/CMakeLists.txt), so the dynamic linker
// finds it before the definition it replaces, which is the next one in that order.
// - zlib's deflateInit2_: the library compresses every part at zlib's default level 6; level 1
//   compresses the sheets about four times faster for files about 30% larger. Only during the
//   engine's own saves on the calling thread; every other zlib stream keeps its level.
// - glibc's __fprintf_chk: the library prints every number cell with "%.16G", glibc's exact
//   float printing, a third of the save. std::to_chars gives the same characters (the standard
//   defines it as printf in the C locale) several times faster, and a sheet of grades holds few
//   distinct numbers. Only the library's two number-cell formats during the engine's own saves
//   on the calling thread; every other format and caller reaches glibc.
// - the library's own lxw_rowcol_to_cell, which names every cell ("F12") through snprintf. It
//   gives the same names (a test compares it with the library's), so it always acts.

namespace rastfang::spreadsheet {

/// The longest text gZahlDrucken writes: sign, 16 digits, point and a four-character exponent.
inline constexpr int ZAHLDRUCK_LAENGE = 24;

/// Writes the finite `dZahl` as printf's "%.16G" writes it in the C locale to `pZiel`, which
/// holds at least ZAHLDRUCK_LAENGE characters; returns the end of the text (not terminated).
char* gZahlDrucken(double dZahl, char* pZiel);

/// While it lives, one of the engine's own saves runs on this thread, and the stand-ins for
/// the compression level and the number cells act on it.
class EigenesSpeichern {
  public:
    EigenesSpeichern();
    ~EigenesSpeichern();
    EigenesSpeichern(const EigenesSpeichern&) = delete;
    EigenesSpeichern& operator=(const EigenesSpeichern&) = delete;

  private:
    bool m_bVorher;
};

}  // namespace rastfang::spreadsheet
