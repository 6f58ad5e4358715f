#pragma once
// The record layer of BIFF5/BIFF8 workbook streams: records with their CONTINUE parts, every
// field read against the bytes its record really has, and the string encodings of both versions.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace rastfang::spreadsheet {

/// Record ids this reader knows.
namespace Biff {
inline constexpr uint16_t FORMEL = 0x0006;
inline constexpr uint16_t EOF_ = 0x000A;
inline constexpr uint16_t DATUMSSYSTEM = 0x0022;
inline constexpr uint16_t KENNWORT = 0x002F;  // FILEPASS
inline constexpr uint16_t SCHRIFT = 0x0031;
inline constexpr uint16_t FORTSETZUNG = 0x003C;
inline constexpr uint16_t ZEICHENSATZ = 0x0042;
inline constexpr uint16_t BLATT = 0x0085;  // BOUNDSHEET
inline constexpr uint16_t MULRK = 0x00BD;
inline constexpr uint16_t MULBLANK = 0x00BE;
inline constexpr uint16_t RSTRING = 0x00D6;
inline constexpr uint16_t XF = 0x00E0;
inline constexpr uint16_t SST = 0x00FC;
inline constexpr uint16_t LABELSST = 0x00FD;
inline constexpr uint16_t BLANK = 0x0201;
inline constexpr uint16_t NUMBER = 0x0203;
inline constexpr uint16_t LABEL = 0x0204;
inline constexpr uint16_t BOOLERR = 0x0205;
inline constexpr uint16_t STRING = 0x0207;
inline constexpr uint16_t RK = 0x027E;
inline constexpr uint16_t FORMAT = 0x041E;
inline constexpr uint16_t BOF = 0x0809;
}  // namespace Biff

/// One record: its id and its data, with the data of the CONTINUE records right behind it.
struct BiffSatz {
    uint16_t iId = 0;
    std::vector<std::span<const uint8_t>> teile;  ///< the record's data, then each CONTINUE's
};

/// Walks the records of a workbook stream from a given offset.
class BiffStrom {
  public:
    BiffStrom(std::span<const uint8_t> strom, size_t iStart);

    /// The next record with its CONTINUE parts; false at the end of the stream.
    /// Lesefehler(Format) for a record that reaches past the end of the stream.
    bool Naechster(BiffSatz& satz);

  private:
    /// Reads the header at m_iPos; false at the end.
    bool Kopf(uint16_t& iId, std::span<const uint8_t>& daten) const;

    std::span<const uint8_t> m_strom;
    size_t m_iPos;
};

/// Reads the fields of one record (across its CONTINUE parts); Lesefehler(Format) for a field
/// beyond the record's last byte.
class BiffLeser {
  public:
    explicit BiffLeser(const BiffSatz& satz);

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    double F64();
    void Ueberspringe(size_t n);
    /// `n` raw bytes (a BIFF5 string in the workbook's code page).
    QByteArray Bytes(size_t n);
    /// Bytes left in the record's own data (without CONTINUE parts).
    size_t RestImTeil() const;

    /// A BIFF8 string of `nZeichen` characters, one or two bytes each as `iFlags` bit 0 says;
    /// where the characters cross into a CONTINUE part, that part begins with new flags.
    QString Zeichen(size_t nZeichen, uint8_t iFlags);
    /// A BIFF8 string with a 16-bit length, its flags, rich-text runs and phonetic data
    /// (shared strings, LABEL, STRING, FORMAT).
    QString Text16();
    /// A BIFF8 string with an 8-bit length (sheet names).
    QString Text8();

  private:
    /// Moves to the next part when the current one is used up; false when none is left.
    bool Weiter();
    const uint8_t* Nimm(size_t n);

    const BiffSatz& m_satz;
    size_t m_iTeil = 0;
    size_t m_iPos = 0;
};

/// A value stored as RK (30 bits of a double or an integer, optionally divided by 100).
double gdRk(uint32_t rk);

/// Decodes BIFF5 strings from the workbook's code page (CODEPAGE record; 1252 when absent).
class Codepage {
  public:
    explicit Codepage(int iCodepage = 1252);
    QString Text(const QByteArray& roh) const;

  private:
    int m_iCodepage;
};

}  // namespace rastfang::spreadsheet
