#include "spreadsheet/Zahlformat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "spreadsheet/Datum.h"
#include "spreadsheet/Dezimal.h"
#include "spreadsheet/Formatcode.h"

namespace rastfang::spreadsheet {

namespace {

/// Digits of `n` into the placeholders `platz` ("0", "#", "?"): right-aligned for an integer or a
/// numerator, left-aligned for a denominator.
QString gsPlatzhalter(const std::vector<QChar>& platz, int64_t n, bool bLinks, bool bNullLeer) {
    QString ziffern = bNullLeer && n == 0 ? QString() : QString::number(n);
    const qsizetype nFrei = static_cast<qsizetype>(platz.size()) - ziffern.size();
    QString aus;
    for (qsizetype k = 0; k < nFrei; ++k) {
        const QChar c =
            bLinks ? platz[static_cast<size_t>(ziffern.size() + k)] : platz[static_cast<size_t>(k)];
        aus += c == u'0' ? QStringLiteral("0") : c == u'?' ? QStringLiteral(" ") : QString();
    }
    return bLinks ? ziffern + aus : aus + ziffern;
}

/// Formats the absolute value `d` with a fraction section ("# ?/?", "?/8"): the closest
/// fraction whose denominator has no more digits than its placeholders.
QString gsBruch(const Abschnitt& a, double d) {
    const auto& t = a.teile;
    const Bruchbild& b = a.bruch;
    const size_t iStrich = b.iStrich, iZaehler = b.iZaehler, iNennerEnde = b.iNennerEnde;
    const int64_t lFest = b.lFest;
    const bool bGanz = !b.ganzPlatz.empty();
    int64_t lGanz = bGanz ? static_cast<int64_t>(std::floor(d)) : 0;
    const double dRest = d - static_cast<double>(lGanz);
    int64_t lZaehler = 0, lNenner = 1;
    if (lFest > 0) {
        lNenner = lFest;
        lZaehler = std::llround(dRest * static_cast<double>(lNenner));
    } else {
        const int nStellen = std::clamp(static_cast<int>(b.nennerPlatz.size()), 1, 4);
        const int64_t lMax = static_cast<int64_t>(std::pow(10, nStellen)) - 1;
        double dBester = 2;
        for (int64_t n = 1; n <= lMax; ++n) {
            const int64_t z = std::llround(dRest * static_cast<double>(n));
            const double dAbw = std::fabs(dRest - static_cast<double>(z) / static_cast<double>(n));
            if (dAbw < dBester - 1e-12) dBester = dAbw, lZaehler = z, lNenner = n;
        }
    }
    if (bGanz && lZaehler == lNenner && lFest == 0) ++lGanz, lZaehler = 0;
    const bool bOhneBruch = bGanz && lZaehler == 0;
    QString aus, bruch;
    bool bGanzGeschrieben = false;
    for (size_t k = 0; k < t.size(); ++k) {
        QString& ziel = k < iZaehler ? aus : bruch;
        if (k < iZaehler && t[k].art == Art::Ziffer) {
            if (!bGanzGeschrieben) ziel += gsPlatzhalter(b.ganzPlatz, lGanz, false, !bOhneBruch);
            bGanzGeschrieben = true;
        } else if (k == iZaehler && iZaehler < iStrich) {
            ziel += gsPlatzhalter(b.zaehlerPlatz, lZaehler, false, false);
        } else if (k == iStrich) {
            ziel += u'/';
        } else if (k == iStrich + 1 && iNennerEnde > iStrich + 1) {
            ziel += gsPlatzhalter(b.nennerPlatz, lNenner, true, false);
        } else if (t[k].art == Art::Literal) {
            ziel += t[k].sText;
        }
    }
    // a whole number shows no fraction: blanks keep the column aligned
    if (bOhneBruch) bruch.fill(u' ');
    return aus + bruch;
}

/// Formats the absolute value `d` with a number section (digit placeholders, percent,
/// grouping, scaling, exponent, General inside literals).
QString gsZahl(const Abschnitt& a, double d) {
    const Zahlbild& b = a.zahl;
    const int iPunkt = b.iPunkt, iExp = b.iExp;
    const std::vector<size_t>& ganz = b.ganz;
    const std::vector<size_t>& bruch = b.bruch;
    double v = d;
    for (int i = 0; i < b.nProzent; ++i) v *= 100;
    for (int i = 0; i < b.nSkalierung; ++i) v /= 1000;

    int iExponent = 0;
    if (iExp >= 0 && v != 0) {
        const int nGanz = std::max<int>(1, static_cast<int>(ganz.size()));
        Dezimal z = gDezimal15(v);
        iExponent = z.iExp - nGanz;
        if (b.bIngenieur) {
            iExponent =
                static_cast<int>(std::floor((z.iExp - 1) / static_cast<double>(nGanz))) * nGanz;
        }
        v = v / std::pow(10.0, iExponent);
    }
    Dezimal z = gDezimal15(v);
    gRundeNachkomma(z, static_cast<int>(bruch.size()));
    if (iExp >= 0 && !z.ziffern.empty() &&
        z.iExp > std::max<int>(1, static_cast<int>(ganz.size()))) {
        // rounding carried into a new digit (9.99E+00 → 1.00E+01)
        v /= 10;
        ++iExponent;
        z = gDezimal15(v);
        gRundeNachkomma(z, static_cast<int>(bruch.size()));
    }
    const std::string sGanz = gGanzzahlTeil(z);
    const std::string sBruch = gNachkommaTeil(z, static_cast<int>(bruch.size()));

    // Integer digits to the integer placeholders, right to left.
    std::vector<QString> ausGanz(ganz.size());
    if (!ganz.empty()) {
        int iZiffer = static_cast<int>(sGanz.size()) - 1;
        for (size_t p = ganz.size(); p-- > 0;) {
            const QChar c = a.teile[ganz[p]].c;
            QString& s = ausGanz[p];
            if (iZiffer >= 0) {
                s = QChar(QLatin1Char(sGanz[static_cast<size_t>(iZiffer--)]));
            } else if (c == u'0') {
                s = QStringLiteral("0");
            } else if (c == u'?') {
                s = QStringLiteral(" ");
            }
            if (p == 0 && iZiffer >= 0) {
                s.prepend(QString::fromLatin1(sGanz.data(), iZiffer + 1));
            }
        }
        if (b.bGruppen) {
            QString alle;
            for (const QString& s : ausGanz) alle += s;
            QString mit;
            int nZiffern = 0;
            for (qsizetype i = alle.size(); i-- > 0;) {
                if (alle[i].isDigit()) {
                    if (nZiffern > 0 && nZiffern % 3 == 0) mit.prepend(u'.');
                    ++nZiffern;
                }
                mit.prepend(alle[i]);
            }
            for (QString& s : ausGanz) s.clear();
            ausGanz[0] = mit;
        }
    }
    // Decimals left to right; trailing "#" zeros vanish, trailing "?" zeros become blanks.
    std::vector<QChar> ausBruch(bruch.size());  // QChar() where a "#" shows nothing
    {
        bool bEnde = true;
        for (size_t p = bruch.size(); p-- > 0;) {
            const char ziffer = sBruch[p];
            const QChar c = a.teile[bruch[p]].c;
            if (bEnde && ziffer == '0' && c != u'0') {
                ausBruch[p] = c == u'?' ? QChar(u' ') : QChar();
            } else {
                bEnde = false;
                ausBruch[p] = QLatin1Char(ziffer);
            }
        }
    }
    QString sExpo;
    if (iExp >= 0) {
        sExpo = QString::number(std::abs(iExponent));
        while (sExpo.size() < b.nExpoMindest) sExpo.prepend(u'0');
    }

    QString aus;
    size_t iG = 0, iB = 0;
    bool bExpoGeschrieben = false;
    for (size_t k = 0; k < a.teile.size(); ++k) {
        const Teil& t = a.teile[k];
        switch (t.art) {
            case Art::Literal:
                aus += t.sText;
                break;
            case Art::Ziffer:
                if (iG < ganz.size() && ganz[iG] == k) {
                    aus += ausGanz[iG++];
                } else if (iB < bruch.size() && bruch[iB] == k) {
                    if (!ausBruch[iB].isNull()) aus += ausBruch[iB];
                    ++iB;
                } else if (!bExpoGeschrieben) {
                    aus += sExpo;
                    bExpoGeschrieben = true;
                }
                break;
            case Art::Punkt:
                if (static_cast<int>(k) == iPunkt) {
                    aus += u',';
                } else {
                    aus += u'.';
                }
                break;
            case Art::Prozent:
                aus += u'%';
                break;
            case Art::Exponent:
                aus += u'E';
                if (iExponent < 0) {
                    aus += u'-';
                } else if (t.c == u'+') {
                    aus += u'+';
                }
                break;
            case Art::Allgemein:
                aus += gsStandard(v);
                break;
            case Art::Komma:
                break;
            default:
                break;
        }
    }
    return aus;
}

/// Applies a text section ("@" replaced by the text).
QString gsTextAbschnitt(const Abschnitt& a, const QString& sText) {
    QString aus;
    for (const Teil& t : a.teile) {
        if (t.art == Art::Text) {
            aus += sText;
        } else if (t.art == Art::Literal) {
            aus += t.sText;
        }
    }
    return aus;
}

/// True when `d` meets the section condition (`sOp` one of < > = <= >= <>).
bool gbErfuellt(const std::pair<QString, double>& b, double d) {
    const QString& op = b.first;
    if (op == u"<") return d < b.second;
    if (op == u">") return d > b.second;
    if (op == u"<=") return d <= b.second;
    if (op == u">=") return d >= b.second;
    if (op == u"<>") return d != b.second;
    return d == b.second;
}

}  // namespace

QString gsFormatiereZahl(const QString& sFormat, double d) {
    if (gbIstAllgemein(sFormat)) return gsStandard(d);
    const std::vector<Abschnitt>& abschnitte = gZahlAbschnitte(sFormat);
    const size_t nZahl = abschnitte.size();
    const Abschnitt* a = &abschnitte[0];
    bool bMinus = false;
    const bool bBedingt = std::any_of(abschnitte.begin(), abschnitte.end(),
                                      [](const Abschnitt& x) { return x.bedingung.has_value(); });
    if (bBedingt) {
        // "[<1]0.00;0.0": the first section whose condition holds, else the first without one
        a = nullptr;
        for (const Abschnitt& x : abschnitte) {
            if (x.bedingung && gbErfuellt(*x.bedingung, d)) {
                a = &x;
                break;
            }
        }
        if (!a) {
            for (const Abschnitt& x : abschnitte) {
                if (!x.bedingung) {
                    a = &x;
                    break;
                }
            }
        }
        if (!a) return QStringLiteral("########");
        // a section for negative values ("[<0]") writes its own sign
        const bool bNegativAbschnitt = a->bedingung && a->bedingung->first.startsWith(u'<') &&
                                       a->bedingung->first != u"<>" && a->bedingung->second == 0;
        bMinus = d < 0 && !bNegativAbschnitt;
    } else if (d < 0) {
        if (nZahl >= 2) {
            a = &abschnitte[1];
        } else {
            bMinus = true;
        }
    } else if (d == 0 && nZahl >= 3) {
        a = &abschnitte[2];
    }
    if (a->bText && !a->bZahl && !a->bDatum) return gsStandard(d);
    QString s;
    if (a->bDatum) {
        if (bMinus) return QStringLiteral("########");
        s = gsDatum(*a, std::fabs(d));
    } else if (a->bBruch) {
        s = gsBruch(*a, std::fabs(d));
    } else if (a->bZahl) {
        s = gsZahl(*a, std::fabs(d));
    } else {
        s = gsTextAbschnitt(*a, QString());
    }
    if (bMinus) s.prepend(u'-');
    return s;
}

QString gsFormatiereText(const QString& sFormat, const QString& sText) {
    const Abschnitt* a = gpTextAbschnitt(sFormat);
    return a ? gsTextAbschnitt(*a, sText) : sText;
}

}  // namespace rastfang::spreadsheet
