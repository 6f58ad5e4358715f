#pragma once
// The in-memory model of one cell and of one cell format, shared by the file readers (which
// fill it), the automation surface (which reads and writes it) and the file writers.

#include <QString>
#include <cstdint>

namespace rastfang::spreadsheet {

/// What a cell holds. A formula cell holds its cached result.
enum class ZellTyp : uint8_t { Leer, Zahl, Text, Wahrheitswert, Fehlerwert };

/// Horizontal alignment values of the automation surface.
namespace Ausrichtung {
inline constexpr int32_t STANDARD = 1;  // xlGeneral
inline constexpr int32_t LINKS = -4131;
inline constexpr int32_t ZENTRIERT = -4108;
inline constexpr int32_t RECHTS = -4152;
}  // namespace Ausrichtung

/// Fill colour index meaning "no fill" (xlNone).
inline constexpr int16_t KEINE_FARBE = -4142;

/// One cell format. Cells refer to formats by index into their workbook's table.
struct Stil {
    QString sZahlenformat = QStringLiteral("General");
    int16_t iFarbIndex = KEINE_FARBE;  ///< palette index 1..56, or KEINE_FARBE
    bool bFett = false;
    int32_t lAusrichtung = Ausrichtung::STANDARD;
    bool bGesperrt = true;  ///< the spreadsheet default: locked

    bool operator==(const Stil&) const = default;
};

/// One cell. `zahl` is the value of Zahl cells (dates are serial numbers) and 0/1 for
/// Wahrheitswert; `text` is the value of Text cells and the shown code of Fehlerwert cells
/// ("#DIV/0!"). Rows store only the cells they have, so each cell knows its column.
struct Zelle {
    ZellTyp typ = ZellTyp::Leer;
    uint16_t spalte = 0;  ///< 1-based column; set by the sheet that stores the cell
    uint32_t stil = 0;    ///< index into the workbook's format table; 0 is the default format
    double zahl = 0;
    QString text;
};
// The column fits into what would otherwise be padding: a stored cell costs no more for it.
static_assert(sizeof(Zelle) == 8 + sizeof(double) + sizeof(QString));

}  // namespace rastfang::spreadsheet
