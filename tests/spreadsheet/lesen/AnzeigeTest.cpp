// The displayed text and the value text of single cells under German regional settings.
#include <gtest/gtest.h>

#include "LesenHilfen.h"

namespace rastfang::tabelle::test {

namespace {

Zelle gZahl(double d) {
    Zelle z;
    z.typ = ZellTyp::Zahl;
    z.zahl = d;
    return z;
}

QString gsText(double d, const char* sFormat, bool b1904 = false) {
    Stil st;
    st.sZahlenformat = QString::fromUtf8(sFormat);
    return gsAnzeigeText(gZahl(d), st, b1904);
}

QString gsWert(double d, const char* sFormat = "General", bool b1904 = false) {
    Stil st;
    st.sZahlenformat = QString::fromUtf8(sFormat);
    return gsWertText(gZahl(d), st, b1904);
}

}  // namespace

TEST(Anzeige, StandardformatKuerzesteFormMitZehnStellen) {
    EXPECT_EQ(gsText(2.25, "General"), QStringLiteral("2,25"));
    EXPECT_EQ(gsText(1.0 / 3, "General"), QStringLiteral("0,3333333333"));
    EXPECT_EQ(gsText(2.0 / 3, "General"), QStringLiteral("0,6666666667"));
    EXPECT_EQ(gsText(-2.5, "General"), QStringLiteral("-2,5"));
    EXPECT_EQ(gsText(0, "General"), QStringLiteral("0"));
    EXPECT_EQ(gsText(12345678901, "General"), QStringLiteral("12345678901"));
    EXPECT_EQ(gsText(123456789012, "General"), QStringLiteral("1,23457E+11"));
    EXPECT_EQ(gsText(-123456789012, "General"), QStringLiteral("-1,23457E+11"));
    EXPECT_EQ(gsText(1e20, "General"), QStringLiteral("1E+20"));
    EXPECT_EQ(gsText(0.0001, "General"), QStringLiteral("0,0001"));
    EXPECT_EQ(gsText(1.5e-12, "General"), QStringLiteral("1,5E-12"));
    EXPECT_EQ(gsText(0.1 + 0.2, "General"), QStringLiteral("0,3"));
    EXPECT_EQ(gsText(1234.5678, "General"), QStringLiteral("1234,5678"));
}

TEST(Anzeige, WertWieCStrMitFuenfzehnStellen) {
    EXPECT_EQ(gsWert(2.25), QStringLiteral("2,25"));
    EXPECT_EQ(gsWert(3276.75), QStringLiteral("3276,75"));
    EXPECT_EQ(gsWert(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(gsWert(1.0 / 3), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(gsWert(-7), QStringLiteral("-7"));
    EXPECT_EQ(gsWert(123456789012345), QStringLiteral("123456789012345"));
    EXPECT_EQ(gsWert(1e15), QStringLiteral("1E+15"));
    EXPECT_EQ(gsWert(0.0001), QStringLiteral("0,0001"));
    EXPECT_EQ(gsWert(0.00001), QStringLiteral("1E-05"));
    EXPECT_EQ(gsWert(2.5, "0"), QStringLiteral("2,5"));  // the format does not touch Value
    EXPECT_EQ(gsWert(0.125, "0%"), QStringLiteral("0,125"));
}

TEST(Anzeige, Zahlenformate) {
    EXPECT_EQ(gsText(2.5, "0"), QStringLiteral("3"));
    EXPECT_EQ(gsText(-2.5, "0"), QStringLiteral("-3"));
    EXPECT_EQ(gsText(2.25, "0.0"), QStringLiteral("2,3"));
    EXPECT_EQ(gsText(2.675, "0.00"), QStringLiteral("2,68"));
    EXPECT_EQ(gsText(0.5, "#.##"), QStringLiteral(",5"));
    EXPECT_EQ(gsText(7, "000"), QStringLiteral("007"));
    EXPECT_EQ(gsText(1234567.891, "#,##0"), QStringLiteral("1.234.568"));
    EXPECT_EQ(gsText(999.999, "#,##0.00"), QStringLiteral("1.000,00"));
    EXPECT_EQ(gsText(12, "#,##0.00"), QStringLiteral("12,00"));
    EXPECT_EQ(gsText(1234567, "#,##0,"), QStringLiteral("1.235"));
    EXPECT_EQ(gsText(0.125, "0%"), QStringLiteral("13%"));
    EXPECT_EQ(gsText(0.125, "0.0%"), QStringLiteral("12,5%"));
    EXPECT_EQ(gsText(12345, "0.00E+00"), QStringLiteral("1,23E+04"));
    EXPECT_EQ(gsText(0.00012, "0.0E+00"), QStringLiteral("1,2E-04"));
    EXPECT_EQ(gsText(2.5, "\"Note \"0.0"), QStringLiteral("Note 2,5"));
    EXPECT_EQ(gsText(2.5, "0.0\\ \\k\\g"), QStringLiteral("2,5 kg"));
    EXPECT_EQ(gsText(2.5, "[Red]0.0"), QStringLiteral("2,5"));
    EXPECT_EQ(gsText(2.5, "[$-407]0.0"), QStringLiteral("2,5"));
    EXPECT_EQ(gsText(1234.5, "#,##0.00 [$€-407]"), QStringLiteral("1.234,50 €"));
    EXPECT_EQ(gsText(1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\""), QStringLiteral("1.234,50 €"));
    EXPECT_EQ(gsText(-1234.5, "#,##0.00 \"€\";-#,##0.00 \"€\""), QStringLiteral("-1.234,50 €"));
    EXPECT_EQ(gsText(-5, "0;(0)"), QStringLiteral("(5)"));
    EXPECT_EQ(gsText(0, "0;-0;\"null\""), QStringLiteral("null"));
    EXPECT_EQ(gsText(3, "0;-0;\"null\";@"), QStringLiteral("3"));
    EXPECT_EQ(gsText(3, "_-* #,##0.00_-"), QStringLiteral(" 3,00 "));
    EXPECT_EQ(gsText(5, "@"), QStringLiteral("5"));
    EXPECT_EQ(gsText(5, "General;-General"), QStringLiteral("5"));
    EXPECT_EQ(gsText(-5, "General;(General)"), QStringLiteral("(5)"));
}

TEST(Anzeige, DatumUndZeitDeutsch) {
    const double d = 45355;  // Monday, 4 March 2024
    EXPECT_EQ(gsText(d, "DD.MM.YYYY"), QStringLiteral("04.03.2024"));
    EXPECT_EQ(gsText(d, "d.m.yy"), QStringLiteral("4.3.24"));
    EXPECT_EQ(gsText(d, "DDDD, D. MMMM YYYY"), QStringLiteral("Montag, 4. März 2024"));
    EXPECT_EQ(gsText(d, "DDD DD. MMM"), QStringLiteral("Mo 04. Mrz"));
    EXPECT_EQ(gsText(d + 2, "DDDD"), QStringLiteral("Mittwoch"));
    EXPECT_EQ(gsText(d + 280, "MMMM"), QStringLiteral("Dezember"));
    EXPECT_EQ(gsText(d + 0.5, "DD.MM.YYYY hh:mm"), QStringLiteral("04.03.2024 12:00"));
    EXPECT_EQ(gsText(0.5729166667, "hh:mm:ss"), QStringLiteral("13:45:00"));
    EXPECT_EQ(gsText(0.5729166667, "h:mm AM/PM"), QStringLiteral("1:45 PM"));
    EXPECT_EQ(gsText(1.5, "[h]:mm"), QStringLiteral("36:00"));
    EXPECT_EQ(gsText(0.0000578704, "mm:ss.0"), QStringLiteral("00:05,0"));
    EXPECT_EQ(gsText(0.99999999, "hh:mm:ss"), QStringLiteral("00:00:00"));
    EXPECT_EQ(gsText(60, "DD.MM.YYYY"), QStringLiteral("29.02.1900"));
    EXPECT_EQ(gsText(1, "DD.MM.YYYY"), QStringLiteral("01.01.1900"));
    EXPECT_EQ(gsText(-1, "DD.MM.YYYY"), QStringLiteral("########"));
    // The 1904 system counts from 1 Jan 1904.
    EXPECT_EQ(gsText(0, "DD.MM.YYYY", true), QStringLiteral("01.01.1904"));
    EXPECT_EQ(gsWert(43893, "DD.MM.YYYY", true), QStringLiteral("04.03.2024"));
    EXPECT_EQ(gsText(43893, "0", true), QStringLiteral("43893"));

    EXPECT_EQ(gsWert(d, "DD.MM.YYYY"), QStringLiteral("04.03.2024"));
    EXPECT_EQ(gsWert(d, "MMMM YYYY"), QStringLiteral("04.03.2024"));
    EXPECT_EQ(gsWert(d + 0.75, "DD.MM.YYYY"), QStringLiteral("04.03.2024 18:00:00"));
    EXPECT_EQ(gsWert(0.75, "hh:mm"), QStringLiteral("18:00:00"));
    EXPECT_EQ(gsWert(d, "#,##0"), QStringLiteral("45355"));

    EXPECT_TRUE(gbIstDatumsformat(QStringLiteral("DD.MM.YYYY")));
    EXPECT_TRUE(gbIstDatumsformat(QStringLiteral("[h]:mm")));
    EXPECT_TRUE(gbIstDatumsformat(QStringLiteral("[$-407]MMMM YY")));
    EXPECT_FALSE(gbIstDatumsformat(QStringLiteral("General")));
    EXPECT_FALSE(gbIstDatumsformat(QStringLiteral("0.00")));
    EXPECT_FALSE(gbIstDatumsformat(QStringLiteral("\"Tage: \"0")));
    EXPECT_FALSE(gbIstDatumsformat(QStringLiteral("[Red]0.0")));
    EXPECT_FALSE(gbIstDatumsformat(QStringLiteral("@")));
}

TEST(Anzeige, TexteWahrheitswerteFehlerUndLeer) {
    Stil standard;
    Zelle leer;
    EXPECT_EQ(gsAnzeigeText(leer, standard, false), QString());
    EXPECT_EQ(gsWertText(leer, standard, false), QString());

    Zelle text;
    text.typ = ZellTyp::Text;
    text.text = QStringLiteral("0815");
    Stil st;
    st.sZahlenformat = QStringLiteral("@");
    EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("0815"));
    st.sZahlenformat = QStringLiteral("0.00");
    EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("0815"));
    st.sZahlenformat = QStringLiteral("0;-0;0;\"[\"@\"]\"");
    EXPECT_EQ(gsAnzeigeText(text, st, false), QStringLiteral("[0815]"));
    EXPECT_EQ(gsWertText(text, st, false), QStringLiteral("0815"));

    Zelle wahr;
    wahr.typ = ZellTyp::Wahrheitswert;
    wahr.zahl = 1;
    EXPECT_EQ(gsAnzeigeText(wahr, standard, false), QStringLiteral("WAHR"));
    EXPECT_EQ(gsWertText(wahr, standard, false), QStringLiteral("Wahr"));
    wahr.zahl = 0;
    EXPECT_EQ(gsAnzeigeText(wahr, standard, false), QStringLiteral("FALSCH"));
    EXPECT_EQ(gsWertText(wahr, standard, false), QStringLiteral("Falsch"));

    Zelle fehler;
    fehler.typ = ZellTyp::Fehlerwert;
    fehler.text = QStringLiteral("#DIV/0!");
    EXPECT_EQ(gsAnzeigeText(fehler, standard, false), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(gsWertText(fehler, standard, false), QStringLiteral("#DIV/0!"));
}

}  // namespace rastfang::tabelle::test
