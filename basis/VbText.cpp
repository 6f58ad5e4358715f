#include "basis/VbText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "basis/VbFehler.h"

namespace rastfang {

QString gsLTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

QString gsRTrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
    return s.left(n);
}

QString gsTrim(const QString& s) {
    return gsLTrim(gsRTrim(s));
}

namespace {
bool istLeer(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

double radixWert(const std::string& ziffern, int basis) {
    if (ziffern.empty()) return 0;
    unsigned long long u = 0;
    std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), u, basis);
    // VB reads up to 32 bits here; larger values wrap like its Long conversion.
    if (basis == 16 && ziffern.size() <= 4) return static_cast<int16_t>(static_cast<uint16_t>(u));
    return static_cast<int32_t>(static_cast<uint32_t>(u));
}
}  // namespace

double gdVal(const QString& s) {
    std::string k;  // the text without blanks, as plain ASCII as far as it matters
    k.reserve(static_cast<size_t>(s.size()));
    for (QChar c : s) {
        if (istLeer(c)) continue;
        k.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x01');
    }
    if (k.size() >= 2 && k[0] == '&') {
        const char art = static_cast<char>(std::toupper(static_cast<unsigned char>(k[1])));
        std::string ziffern;
        if (art == 'H') {
            for (size_t i = 2; i < k.size() && std::isxdigit(static_cast<unsigned char>(k[i])); ++i)
                ziffern.push_back(k[i]);
            return radixWert(ziffern, 16);
        }
        if (art == 'O' || std::isdigit(static_cast<unsigned char>(art))) {
            for (size_t i = art == 'O' ? 2 : 1; i < k.size() && k[i] >= '0' && k[i] <= '7'; ++i)
                ziffern.push_back(k[i]);
            return radixWert(ziffern, 8);
        }
        return 0;
    }
    size_t i = 0;
    bool negativ = false;
    if (i < k.size() && (k[i] == '+' || k[i] == '-')) negativ = k[i++] == '-';
    std::string zahl;          // digits, point and exponent in the form std::from_chars reads
    int iStellenVorKomma = 0;  // significant digits before the point
    int iNullenNachKomma = 0;  // zeros after the point before the first significant digit
    bool ziffer = false;
    while (i < k.size() && std::isdigit(static_cast<unsigned char>(k[i]))) {
        if (iStellenVorKomma > 0 || k[i] != '0') ++iStellenVorKomma;
        zahl.push_back(k[i++]);
        ziffer = true;
    }
    if (i < k.size() && k[i] == '.') {
        zahl.push_back(k[i++]);
        bool signifikant = iStellenVorKomma > 0;
        while (i < k.size() && std::isdigit(static_cast<unsigned char>(k[i]))) {
            if (!signifikant && k[i] == '0') ++iNullenNachKomma;
            signifikant = signifikant || k[i] != '0';
            zahl.push_back(k[i++]);
            ziffer = true;
        }
    }
    if (!ziffer) return 0;
    long long iExponent = 0;
    if (i < k.size() && (k[i] == 'e' || k[i] == 'E' || k[i] == 'd' || k[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < k.size() && (k[j] == '+' || k[j] == '-')) exponent.push_back(k[j++]);
        bool expZiffer = false;
        while (j < k.size() && std::isdigit(static_cast<unsigned char>(k[j]))) {
            exponent.push_back(k[j++]);
            expZiffer = true;
        }
        if (expZiffer) {
            zahl += exponent;
            const char* pAnfang = exponent.data() + (exponent[1] == '+' ? 2 : 1);
            if (std::from_chars(pAnfang, exponent.data() + exponent.size(), iExponent).ec !=
                std::errc())
                iExponent = exponent[1] == '-' ? -100000 : 100000;  // too long to matter
        }
    }
    // from_chars never looks at the process locale, which may want a decimal comma.
    double d = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), d);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        // Out of range either way: beyond the largest double, or below the smallest (which is 0).
        const long long iGroessenordnung =
            iExponent + (iStellenVorKomma > 0 ? iStellenVorKomma - 1 : -iNullenNachKomma - 1);
        if (iGroessenordnung >= 0) throw VbFehler(FEHLER_UEBERLAUF);
        d = 0;
    }
    if (!std::isfinite(d)) throw VbFehler(FEHLER_UEBERLAUF);
    return negativ ? -d : d;
}

}  // namespace rastfang
