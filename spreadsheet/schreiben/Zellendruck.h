#pragma once
// How the cells of saved .xlsx sheets are printed. libxlsxwriter prints every number cell with
// fprintf("%.16G"), glibc's exact float printing, which was a third of a results workbook's
// save, and names every cell ("F12") through snprintf, another twentieth. std::to_chars gives
// the same characters (the standard defines it as printf in the C locale) several times faster,
// and a sheet of grades holds few distinct numbers. So the engine stands in, as for
// deflateInit2_ (Packstufe.h):
// - for glibc's __fprintf_chk, printing the library's two number-cell formats itself while one
//   of its own saves runs on the calling thread; every other format and caller reach glibc;
// - for the library's lxw_rowcol_to_cell, which the library calls through the dynamic linker
//   too; it gives the same names (a test compares it with the library's own), so it needs no
//   guard.

namespace rastfang::spreadsheet {

/// The longest text gZahlDrucken writes: sign, 16 digits, point and a four-character exponent.
inline constexpr int ZAHLDRUCK_LAENGE = 24;

/// Writes the finite `dZahl` as printf's "%.16G" writes it in the C locale to `pZiel`, which
/// holds at least ZAHLDRUCK_LAENGE characters; returns the end of the text (not terminated).
char* gZahlDrucken(double dZahl, char* pZiel);

/// While it lives, libxlsxwriter's number cells printed on this thread go through
/// gZahlDrucken.
class SchnellerZahldruck {
  public:
    SchnellerZahldruck();
    ~SchnellerZahldruck();
    SchnellerZahldruck(const SchnellerZahldruck&) = delete;
    SchnellerZahldruck& operator=(const SchnellerZahldruck&) = delete;

  private:
    bool m_bVorher;
};

}  // namespace rastfang::spreadsheet
