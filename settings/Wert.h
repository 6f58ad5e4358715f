#pragma once
// The tagged value the settings store passes around: empty, a 16-bit or 32-bit integer, a text,
// or (from GetAllSet) a two-dimensional table of texts. Floating point and true/false exist only
// because callers may hand them in; the store refuses them.

#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace rastfang {

/// A rectangular table of texts addressed by row and column, both counted from 0.
class TextTabelle {
  public:
    /// A table of `lZeilen` rows and `lSpalten` columns, every cell empty.
    TextTabelle(int32_t lZeilen, int32_t lSpalten);

    /// Number of rows and columns.
    int32_t lZeilen() const { return m_lZeilen; }
    int32_t lSpalten() const { return m_lSpalten; }

    /// The cell at row `lZeile`, column `lSpalte`; error 9 outside the table.
    const QString& Zelle(int32_t lZeile, int32_t lSpalte) const;
    /// The cell for writing; error 9 outside the table.
    QString& Zelle(int32_t lZeile, int32_t lSpalte);

    bool operator==(const TextTabelle&) const = default;

  private:
    int32_t m_lZeilen;
    int32_t m_lSpalten;
    std::vector<QString> m_zellen;
};

/// A tagged value. Construction from an integer type chooses the kind: int16_t gives Integer,
/// int32_t (and a plain int literal) gives Long.
class Variant {
  public:
    /// The kinds of value.
    enum class Art { Empty, Integer, Long, Double, Boolean, Text, Tabelle };

    /// An empty value.
    Variant() = default;
    /// A 16-bit integer.
    Variant(int16_t i) : m_wert(i) {}
    /// A 32-bit integer.
    Variant(int32_t l) : m_wert(l) {}
    /// A text.
    Variant(const QString& s) : m_wert(s) {}
    /// A text from a literal.
    Variant(const char* s) : m_wert(QString::fromUtf8(s)) {}
    /// A table of texts.
    Variant(TextTabelle t) : m_wert(std::move(t)) {}
    /// No silent true → 1: a Boolean is made with Variant::Boolean.
    Variant(bool) = delete;

    /// A floating-point value (refused by the store; exists so that refusals can happen).
    static Variant Double(double d);
    /// A true/false value (refused by the store as well).
    static Variant Boolean(bool b);

    /// The kind of value held.
    Art art() const;
    bool bIstLeer() const { return art() == Art::Empty; }
    /// True for the 16-bit and the 32-bit integer.
    bool bIstGanzzahl() const { return art() == Art::Integer || art() == Art::Long; }

    /// The value of an Integer, Long, Double, Boolean, Text or Tabelle; error 13 for another
    /// kind.
    int16_t iWert() const;
    int32_t lWert() const;
    double dWert() const;
    bool bWert() const;
    const QString& sWert() const;
    const TextTabelle& tabelle() const;

    /// The text form: empty → "", integers → their decimal digits with a leading "-" when
    /// negative, text → itself; a Double in German notation ("1,5"), a Boolean "Wahr"/"Falsch".
    /// A table has no text form: error 13.
    QString Text() const;

    /// The value converted to a 32-bit signed integer the way CLng does it: integers as they
    /// are; a text of blanks around a number ("." as decimal point, "&H" hexadecimal, an
    /// exponent) rounded half to even. A text that is no number raises error 13, a number
    /// outside the 32-bit range error 6; an empty value gives 0.
    int32_t lAlsLong() const;

    bool operator==(const Variant&) const = default;

  private:
    struct DoubleWert {
        double d;
        bool operator==(const DoubleWert&) const = default;
    };
    struct BoolWert {
        bool b;
        bool operator==(const BoolWert&) const = default;
    };
    std::variant<std::monostate, int16_t, int32_t, DoubleWert, BoolWert, QString, TextTabelle>
        m_wert;
};

}  // namespace rastfang
