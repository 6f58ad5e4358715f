#include "VbText.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "VbFehler.h"

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

QString gsTrim(const QString& s) { return gsLTrim(gsRTrim(s)); }

namespace {
bool istLeer(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

double radixWert(const std::string& ziffern, int basis) {
    if (ziffern.empty()) return 0;
    const unsigned long long u = std::strtoull(ziffern.c_str(), nullptr, basis);
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
    std::string zahl;
    if (i < k.size() && (k[i] == '+' || k[i] == '-')) zahl.push_back(k[i++]);
    bool ziffer = false;
    while (i < k.size() && std::isdigit(static_cast<unsigned char>(k[i]))) {
        zahl.push_back(k[i++]);
        ziffer = true;
    }
    if (i < k.size() && k[i] == '.') {
        zahl.push_back(k[i++]);
        while (i < k.size() && std::isdigit(static_cast<unsigned char>(k[i]))) {
            zahl.push_back(k[i++]);
            ziffer = true;
        }
    }
    if (!ziffer) return 0;
    if (i < k.size() && (k[i] == 'e' || k[i] == 'E' || k[i] == 'd' || k[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < k.size() && (k[j] == '+' || k[j] == '-')) exponent.push_back(k[j++]);
        bool expZiffer = false;
        while (j < k.size() && std::isdigit(static_cast<unsigned char>(k[j]))) {
            exponent.push_back(k[j++]);
            expZiffer = true;
        }
        if (expZiffer) zahl += exponent;
    }
    const double d = std::strtod(zahl.c_str(), nullptr);
    if (!std::isfinite(d)) throw VbFehler(FEHLER_UEBERLAUF);
    return d;
}

}  // namespace rastfang
