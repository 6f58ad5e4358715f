#pragma once
// The compression level of saved .xlsx files. libxlsxwriter compresses every part at zlib's
// default level 6 and offers no setting; level 1 compresses the sheets of a results workbook
// about four times faster for files about 30% larger, and the save is most of a run's time. So
// the engine stands in for zlib's deflateInit2_ (exported from the program, found before
// libz by the dynamic linker) and lowers the default level while one of its own saves runs on
// the calling thread; every other caller gets zlib unchanged.

namespace rastfang::spreadsheet {

/// While it lives, zlib streams opened on this thread with the default level compress at
/// level 1.
class SchnellePackung {
  public:
    SchnellePackung();
    ~SchnellePackung();
    SchnellePackung(const SchnellePackung&) = delete;
    SchnellePackung& operator=(const SchnellePackung&) = delete;

  private:
    bool m_bVorher;
};

}  // namespace rastfang::spreadsheet
