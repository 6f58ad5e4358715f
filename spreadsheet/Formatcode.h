#pragma once
// Number format codes split into sections and parts, with the layout each section needs to
// format a value worked out once, so that formatting a cell only fills it in.

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace rastfang::spreadsheet {

/// What a part of a format section stands for.
enum class Art : uint8_t {
    Literal,
    Ziffer,  // 0 # ?
    Punkt,   // decimal point
    Komma,   // thousands separator or scaling
    Prozent,
    Exponent,   // E+ / E-
    Text,       // @
    Allgemein,  // General
    Jahr,
    Monat,
    Tag,
    Stunde,
    Minute,
    Sekunde,
    Sekundenbruch,
    AmPm,
    Verstrichen,  // [h] [mm] [ss]
    Strich,       // "/": date separator in dates, fraction bar in numbers
};

/// One part of a section: a literal text, a run of date letters or a placeholder.
struct Teil {
    Art art;
    QChar c;    // placeholder character, elapsed unit, exponent sign, AM/PM style
    int n = 1;  // run length
    QString sText;
};

/// Where the digits of a number section go: found once per section, used for every value.
struct Zahlbild {
    int iPunkt = -1;  // part index of the decimal point, -1 without
    int iExp = -1;    // part index of the exponent, -1 without
    int nProzent = 0;
    int nSkalierung = 0;                    // thousands divided out by trailing commas ("0.0,,")
    int nExpoMindest = 0;                   // exponent digits always shown ("0" placeholders)
    bool bGruppen = false;                  // thousands separator between integer placeholders
    bool bIngenieur = false;                // "##0.0E+0": exponent a multiple of the integer places
    std::vector<size_t> ganz, bruch, expo;  // part indices of integer/decimal/exponent digits
};

/// Where the whole number, numerator and denominator of a fraction section go.
struct Bruchbild {
    size_t iStrich = 0, iZaehler = 0, iNennerEnde = 0;  // part indices
    int64_t lFest = 0;  // "?/8": a fixed denominator written as literal digits
    std::vector<QChar> ganzPlatz, zaehlerPlatz, nennerPlatz;
};

/// One section of a format code ("0.00", "DD.MM.YYYY", "\"[\"@\"]\"").
struct Abschnitt {
    std::vector<Teil> teile;
    bool bDatum = false;
    bool bZahl = false;   // has digit placeholders or General
    bool bText = false;   // has @
    bool bBruch = false;  // a number section with a fraction bar
    /// "[<1]": the section applies to the values that meet it
    std::optional<std::pair<QString, double>> bedingung;
    Zahlbild zahl;           // filled for a number section
    Bruchbild bruch;         // filled for a fraction section
    int nSekundenbruch = 0;  // decimals of seconds shown by a date section (0..3)
    bool bAmPm = false;      // a date section with a 12-hour clock
};

/// Splits a format code into its sections at ";" outside quotes, escapes and brackets.
std::vector<QString> gAbschnitte(const QString& sFormat);

/// Splits one section of a format code into its parts and works out its layout.
Abschnitt gZerlegeAbschnitt(const QString& sAbschnitt);

/// True for the General format ("General" in any letter case, or empty).
bool gbIstAllgemein(const QString& sFormat);

/// The sections of `sFormat` that apply to numbers (at least one): positive;negative;zero,
/// "[$-F800]" and "[$-F400]" replaced by the German long date and time. A column of dates or
/// grades asks for the same code tens of thousands of times in a row, so the last code split
/// is kept per thread; the reference stays valid until the thread asks for another code.
const std::vector<Abschnitt>& gZahlAbschnitte(const QString& sFormat);

/// The section of `sFormat` that shows a text cell: the fourth, else the first with "@";
/// nullptr when the text is shown as it is. Kept per thread like the number sections; the
/// pointer stays valid until the thread asks for another code.
const Abschnitt* gpTextAbschnitt(const QString& sFormat);

}  // namespace rastfang::spreadsheet
