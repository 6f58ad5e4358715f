#include "spreadsheet/Datum.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace rastfang::spreadsheet {

namespace {

/// A serial number split into calendar date and time of day (German calendar display).
struct Zeitpunkt {
    int iJahr = 1900, iMonat = 1, iTag = 0;
    int iWochentag = 0;  // 0 = Sunday
    int64_t lTage = 0;   // whole days of the serial
    int iStunde = 0, iMinute = 0, iSekunde = 0;
    int iMillis = 0;
};

constexpr double MAX_SERIELL = 2958466.0;  // 1 Jan 10000

/// Splits a 1900-based serial number. `nBruch` = decimals of seconds shown (0..3).
bool gZerlege(double dSeriell, int nBruch, Zeitpunkt& t) {
    if (!(dSeriell >= 0) || dSeriell >= MAX_SERIELL) return false;
    int64_t lTage = static_cast<int64_t>(std::floor(dSeriell));
    const double dBruch = dSeriell - static_cast<double>(lTage);
    int64_t lMs = std::llround(dBruch * 86400000.0);
    const int64_t lSchritt = nBruch >= 3 ? 1 : nBruch == 2 ? 10 : nBruch == 1 ? 100 : 1000;
    lMs = (lMs + lSchritt / 2) / lSchritt * lSchritt;
    if (lMs >= 86400000) {
        lMs -= 86400000;
        ++lTage;
    }
    t.lTage = lTage;
    t.iStunde = static_cast<int>(lMs / 3600000);
    t.iMinute = static_cast<int>(lMs / 60000 % 60);
    t.iSekunde = static_cast<int>(lMs / 1000 % 60);
    t.iMillis = static_cast<int>(lMs % 1000);
    // The spreadsheet counts a 29 Feb 1900 that never was, and shows day 0 as 00.01.1900.
    if (lTage == 0) {
        t.iJahr = 1900, t.iMonat = 1, t.iTag = 0, t.iWochentag = 6;
    } else if (lTage == 60) {
        t.iJahr = 1900, t.iMonat = 2, t.iTag = 29, t.iWochentag = 3;
    } else {
        const QDate d = QDate(1899, 12, lTage < 60 ? 31 : 30).addDays(lTage);
        d.getDate(&t.iJahr, &t.iMonat, &t.iTag);  // one calendar conversion, not three
        t.iWochentag = lTage < 60 ? static_cast<int>((lTage + 6) % 7) : d.dayOfWeek() % 7;
    }
    return true;
}

const std::array<const char*, 12> MONATE = {"Januar",    "Februar", "März",     "April",
                                            "Mai",       "Juni",    "Juli",     "August",
                                            "September", "Oktober", "November", "Dezember"};
const std::array<const char*, 12> MONATE_KURZ = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const std::array<const char*, 7> TAGE = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                         "Donnerstag", "Freitag", "Samstag"};
const std::array<const char*, 7> TAGE_KURZ = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

void gZweistellig(QString& aus, int i) {
    aus += QChar(u'0' + i / 10 % 10);
    aus += QChar(u'0' + i % 10);
}

}  // namespace

double gdSeriell1900(double d, bool b1904) {
    return b1904 ? d + 1462.0 : d;
}

QString gsDatum(const Abschnitt& a, double dSeriell) {
    const bool bAmPm = a.bAmPm;
    Zeitpunkt z;
    if (!gZerlege(dSeriell, a.nSekundenbruch, z)) return QStringLiteral("########");
    QString aus;
    aus.reserve(32);  // a date of every part fits, so the text is not grown part by part
    for (const Teil& t : a.teile) {
        switch (t.art) {
            case Art::Jahr:
                if (t.n <= 2) {
                    gZweistellig(aus, z.iJahr % 100);
                } else {
                    aus += QString::number(z.iJahr);
                }
                break;
            case Art::Monat:
                if (t.n == 1) {
                    aus += QString::number(z.iMonat);
                } else if (t.n == 2) {
                    gZweistellig(aus, z.iMonat);
                } else if (t.n == 3) {
                    aus += QString::fromUtf8(MONATE_KURZ[static_cast<size_t>(z.iMonat - 1)]);
                } else if (t.n == 5) {
                    aus += QString::fromUtf8(MONATE[static_cast<size_t>(z.iMonat - 1)]).left(1);
                } else {
                    aus += QString::fromUtf8(MONATE[static_cast<size_t>(z.iMonat - 1)]);
                }
                break;
            case Art::Tag:
                if (t.n == 1) {
                    aus += QString::number(z.iTag);
                } else if (t.n == 2) {
                    gZweistellig(aus, z.iTag);
                } else if (t.n == 3) {
                    aus += QString::fromUtf8(TAGE_KURZ[static_cast<size_t>(z.iWochentag)]);
                } else {
                    aus += QString::fromUtf8(TAGE[static_cast<size_t>(z.iWochentag)]);
                }
                break;
            case Art::Stunde: {
                int h = z.iStunde;
                if (bAmPm) h = h % 12 == 0 ? 12 : h % 12;
                if (t.n >= 2) {
                    gZweistellig(aus, h);
                } else {
                    aus += QString::number(h);
                }
                break;
            }
            case Art::Minute:
                if (t.n >= 2) {
                    gZweistellig(aus, z.iMinute);
                } else {
                    aus += QString::number(z.iMinute);
                }
                break;
            case Art::Sekunde:
                if (t.n >= 2) {
                    gZweistellig(aus, z.iSekunde);
                } else {
                    aus += QString::number(z.iSekunde);
                }
                break;
            case Art::Sekundenbruch: {
                aus += u',';
                const QString ms = QStringLiteral("%1").arg(z.iMillis, 3, 10, QChar(u'0'));
                aus += ms.left(std::min(3, t.n));
                break;
            }
            case Art::AmPm: {
                const bool bPm = z.iStunde >= 12;
                aus += t.c == u'a' ? (bPm ? QStringLiteral("PM") : QStringLiteral("AM"))
                                   : (bPm ? QStringLiteral("P") : QStringLiteral("A"));
                break;
            }
            case Art::Verstrichen: {
                const int64_t lSek =
                    z.lTage * 86400 + z.iStunde * 3600 + z.iMinute * 60 + z.iSekunde;
                const int64_t v = t.c == u'h' ? lSek / 3600 : t.c == u'm' ? lSek / 60 : lSek;
                QString s = QString::number(v);
                while (s.size() < t.n) s.prepend(u'0');
                aus += s;
                break;
            }
            case Art::Literal:
                aus += t.sText;
                break;
            case Art::Punkt:
            case Art::Komma:
            case Art::Prozent:
            case Art::Ziffer:
                aus += t.c;  // no meaning in a date: shown as written
                break;
            default:
                break;
        }
    }
    return aus;
}

std::optional<QString> gsDatumWert(double d) {
    if (!(d >= 0 && d < MAX_SERIELL)) return std::nullopt;
    int64_t lTage = static_cast<int64_t>(std::floor(d));
    int64_t lSek = std::llround((d - static_cast<double>(lTage)) * 86400.0);
    if (lSek >= 86400) lSek -= 86400, ++lTage;
    QString aus;
    aus.reserve(19);  // "31.12.9999 23:59:59"
    const auto zeit = [&aus, lSek] {
        gZweistellig(aus, static_cast<int>(lSek / 3600));
        aus += u':';
        gZweistellig(aus, static_cast<int>(lSek / 60 % 60));
        aus += u':';
        gZweistellig(aus, static_cast<int>(lSek % 60));
    };
    if (lTage == 0) {
        zeit();
        return aus;
    }
    int iJahr = 0, iMonat = 0, iTag = 0;
    QDate(1899, 12, 30).addDays(lTage).getDate(&iJahr, &iMonat, &iTag);
    gZweistellig(aus, iTag);
    aus += u'.';
    gZweistellig(aus, iMonat);
    aus += u'.';
    aus += QString::number(iJahr);
    if (lSek != 0) {
        aus += u' ';
        zeit();
    }
    return aus;
}

}  // namespace rastfang::spreadsheet
