#include "settings/Wert.h"

#include <QRegularExpression>
#include <cmath>

#include "basis/VbFehler.h"

namespace rastfang {

namespace {

/// Blanks and tabs around a number are allowed by the conversion functions of the runtime.
QString ohneLeerraum(const QString& s) {
    qsizetype a = 0;
    qsizetype e = s.size();
    auto leer = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (a < e && leer(s[a])) ++a;
    while (e > a && leer(s[e - 1])) --e;
    return s.mid(a, e - a);
}

int32_t rundeLong(double d) {
    if (!std::isfinite(d)) throw VbFehler(FEHLER_UEBERLAUF);
    const double r = std::nearbyint(d);  // half to even, as the runtime rounds
    if (r < INT32_MIN || r > INT32_MAX) throw VbFehler(FEHLER_UEBERLAUF);
    return static_cast<int32_t>(r);
}

/// "&H…" and "&O…": the digits form the 32-bit pattern, so "&HFFFFFFFF" is -1.
int32_t basisZahl(const QString& ziffern, int basis) {
    if (ziffern.isEmpty()) throw VbFehler(FEHLER_TYPEN);
    bool ok = false;
    const qulonglong wert = ziffern.toULongLong(&ok, basis);
    if (!ok) throw VbFehler(FEHLER_TYPEN);
    if (wert > 0xFFFFFFFFull) throw VbFehler(FEHLER_UEBERLAUF);
    return static_cast<int32_t>(static_cast<uint32_t>(wert));
}

int32_t textAlsLong(const QString& s) {
    const QString t = ohneLeerraum(s);
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) return basisZahl(t.mid(2), 16);
    if (t.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) return basisZahl(t.mid(2), 8);
    static const QRegularExpression zahl(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?$"));
    if (!zahl.match(t).hasMatch()) throw VbFehler(FEHLER_TYPEN);
    QString c = t;
    c.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double d = c.toDouble(&ok);
    if (!ok) throw VbFehler(FEHLER_UEBERLAUF);  // beyond the double range
    return rundeLong(d);
}

}  // namespace

TextTabelle::TextTabelle(int32_t lZeilen, int32_t lSpalten)
    : m_lZeilen(lZeilen < 0 ? 0 : lZeilen),
      m_lSpalten(lSpalten < 0 ? 0 : lSpalten),
      m_zellen(static_cast<size_t>(m_lZeilen) * static_cast<size_t>(m_lSpalten)) {}

const QString& TextTabelle::Zelle(int32_t lZeile, int32_t lSpalte) const {
    if (lZeile < 0 || lZeile >= m_lZeilen || lSpalte < 0 || lSpalte >= m_lSpalten) {
        throw VbFehler(FEHLER_INDEX);
    }
    return m_zellen[static_cast<size_t>(lZeile) * static_cast<size_t>(m_lSpalten) +
                    static_cast<size_t>(lSpalte)];
}

QString& TextTabelle::Zelle(int32_t lZeile, int32_t lSpalte) {
    return const_cast<QString&>(std::as_const(*this).Zelle(lZeile, lSpalte));
}

Variant Variant::Double(double d) {
    Variant v;
    v.m_wert = DoubleWert{d};
    return v;
}

Variant Variant::Boolean(bool b) {
    Variant v;
    v.m_wert = BoolWert{b};
    return v;
}

Variant::Art Variant::art() const {
    switch (m_wert.index()) {
        case 1:
            return Art::Integer;
        case 2:
            return Art::Long;
        case 3:
            return Art::Double;
        case 4:
            return Art::Boolean;
        case 5:
            return Art::Text;
        case 6:
            return Art::Tabelle;
        default:
            return Art::Empty;
    }
}

int16_t Variant::iWert() const {
    if (const auto* p = std::get_if<int16_t>(&m_wert)) return *p;
    throw VbFehler(FEHLER_TYPEN);
}

int32_t Variant::lWert() const {
    if (const auto* p = std::get_if<int32_t>(&m_wert)) return *p;
    throw VbFehler(FEHLER_TYPEN);
}

double Variant::dWert() const {
    if (const auto* p = std::get_if<DoubleWert>(&m_wert)) return p->d;
    throw VbFehler(FEHLER_TYPEN);
}

bool Variant::bWert() const {
    if (const auto* p = std::get_if<BoolWert>(&m_wert)) return p->b;
    throw VbFehler(FEHLER_TYPEN);
}

const QString& Variant::sWert() const {
    if (const auto* p = std::get_if<QString>(&m_wert)) return *p;
    throw VbFehler(FEHLER_TYPEN);
}

const TextTabelle& Variant::tabelle() const {
    if (const auto* p = std::get_if<TextTabelle>(&m_wert)) return *p;
    throw VbFehler(FEHLER_TYPEN);
}

QString Variant::Text() const {
    switch (art()) {
        case Art::Empty:
            return {};
        case Art::Integer:
            return QString::number(iWert());
        case Art::Long:
            return QString::number(lWert());
        case Art::Double: {
            // The German runtime writes a decimal comma and an upper-case exponent.
            QString s = QString::number(dWert(), 'g', 15);
            return s.replace(QLatin1Char('.'), QLatin1Char(','))
                .replace(QLatin1Char('e'), QLatin1Char('E'));
        }
        case Art::Boolean:
            return bWert() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
        case Art::Text:
            return sWert();
        case Art::Tabelle:
            break;
    }
    throw VbFehler(FEHLER_TYPEN);
}

int32_t Variant::lAlsLong() const {
    switch (art()) {
        case Art::Empty:
            return 0;
        case Art::Integer:
            return iWert();
        case Art::Long:
            return lWert();
        case Art::Double:
            return rundeLong(dWert());
        case Art::Boolean:
            return bWert() ? -1 : 0;
        case Art::Text:
            return textAlsLong(sWert());
        case Art::Tabelle:
            break;
    }
    throw VbFehler(FEHLER_TYPEN);
}

}  // namespace rastfang
