// The summary text: header lines, filter line, 26-column names and 4-column counts.
#include <gtest/gtest.h>

#include "Zusammenfassung.h"

using rastfang::gsZusammenfassung;
using rastfang::TabellenAnzahl;

namespace {
const QString KOPF = QStringLiteral(
    "Extraktionsergebnisse\r\nDatenfilter: ohne\r\nTabelle             Anzahl Azubis\r\n"
    "---------------------------------");
}

TEST(Zusammenfassung, KopfUndFilterzeile) {
    EXPECT_EQ(gsZusammenfassung(false, QStringLiteral("BK1"), {}), KOPF);
    // Without a filter column the value typed does not matter.
    EXPECT_EQ(gsZusammenfassung(false, QString(), {}), KOPF);
    // With one, the value as typed, blanks kept, in single quotes; an empty value as ''.
    EXPECT_TRUE(
        gsZusammenfassung(true, QStringLiteral(" bk1 "), {})
            .startsWith(QStringLiteral("Extraktionsergebnisse\r\nDatenfilter: ' bk1 '\r\n")));
    EXPECT_TRUE(
        gsZusammenfassung(true, QString(), {}).contains(QStringLiteral("\r\nDatenfilter: ''\r\n")));
    // The heading is 33 characters and so is the rule below it; no line break at the end.
    const QStringList zeilen = KOPF.split(QStringLiteral("\r\n"));
    EXPECT_EQ(zeilen[2].size(), 33);
    EXPECT_EQ(zeilen[3], QString(33, QLatin1Char('-')));
}

TEST(Zusammenfassung, TabellenzeilenSpaltenbreiten) {
    const std::vector<TabellenAnzahl> tabellen{
        {QStringLiteral("Klasse 10a"), QStringLiteral("17")},
        {QStringLiteral("Leer"), QStringLiteral("0")},
        {QStringLiteral("Genau fünfundzwanzig Zeic"), QStringLiteral("1234")},
        {QStringLiteral("Ein Name mit dreißig Zeichen.."), QStringLiteral("5")},
        {QStringLiteral("Viele"), QStringLiteral("123456")},
    };
    const QStringList zeilen =
        gsZusammenfassung(false, QString(), tabellen).split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 4 + 5);
    // 10 characters, 16 blanks to fill 26, then the count right-aligned in 4.
    EXPECT_EQ(zeilen[4], QStringLiteral("Klasse 10a") + QString(16, u' ') + QStringLiteral("  17"));
    EXPECT_EQ(zeilen[5], QStringLiteral("Leer") + QString(22, u' ') + QStringLiteral("   0"));
    // 25 characters still get one blank; 4 digits fill the count column.
    EXPECT_EQ(zeilen[6], QStringLiteral("Genau fünfundzwanzig Zeic 1234"));
    // A longer name keeps exactly one blank before its count.
    EXPECT_EQ(zeilen[7], QStringLiteral("Ein Name mit dreißig Zeichen..    5"));
    // More than four digits lose the leading ones.
    EXPECT_EQ(zeilen[8], QStringLiteral("Viele") + QString(21, u' ') + QStringLiteral("3456"));
    EXPECT_EQ(zeilen[4].size(), 30);
}
