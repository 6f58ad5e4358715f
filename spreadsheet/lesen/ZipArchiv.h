#pragma once
// Read access to the entries of a zip container (.xlsx, .ods) with the limits that keep a
// hostile file from exhausting memory: every entry is inflated in chunks, and the bytes are
// counted while inflating, because the sizes in the directory can be forged.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace rastfang::spreadsheet {

/// No entry may inflate to more than this (a sheet of four million cells takes some 150 MB).
inline constexpr uint64_t MAX_EINTRAG_BYTES = 512ull * 1024 * 1024;
/// Beyond this many inflated bytes an entry may not grow more than MAX_VERHAELTNIS times its
/// compressed size (real sheets stay far below; zeros inflate about a thousandfold).
inline constexpr uint64_t VERHAELTNIS_AB_BYTES = 1024 * 1024;
inline constexpr uint64_t MAX_VERHAELTNIS = 400;

class ZipArchiv {
  public:
    /// Opens the zip file at `sPfad`; Lesefehler(Format) when it is no readable zip.
    explicit ZipArchiv(const QString& sPfad);
    ~ZipArchiv();
    ZipArchiv(const ZipArchiv&) = delete;
    ZipArchiv& operator=(const ZipArchiv&) = delete;

    /// The stored name of the entry `sName` (exact match first, then ignoring letter case),
    /// or nothing when the archive has no such entry.
    std::optional<std::string> Finde(std::string_view sName) const;

    /// Streams entry `sName` chunk by chunk into `senke`; the sink returns false to stop early.
    /// Lesefehler(Format) when the entry is missing or damaged or inflates beyond its declared
    /// size, (Verschluesselt) when it is encrypted, (ZuGross) when it passes the limits, which
    /// are checked on the declared sizes before inflating and on the bytes as they arrive.
    void Lies(std::string_view sName,
              const std::function<bool(const char* pDaten, size_t nLaenge)>& senke) const;

    /// The size entry `sName` declares for itself inflated (it may be forged: Lies checks it),
    /// or nothing when the entry is missing or declares none.
    std::optional<uint64_t> Groesse(std::string_view sName) const;

    /// The whole entry as bytes, at most `nMax` of them (Lesefehler(ZuGross) beyond).
    std::string LiesGanz(std::string_view sName, size_t nMax) const;

  private:
    zip* m_zip = nullptr;
    uint64_t m_lDateigroesse = 0;
};

}  // namespace rastfang::spreadsheet
