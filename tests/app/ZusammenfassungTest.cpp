// The summary text: header lines, filter line, 26-column names and 4-column counts.
#include <gtest/gtest.h>

#include "app/Zusammenfassung.h"

using rastfang::gsZusammenfassung;

TEST(Zusammenfassung, KopfUndFilterzeile) {
    const QString sRest = QStringLiteral(
        "\r\nTabelle             Anzahl Azubis\r\n---------------------------------");
    // Without a filter column the value typed does not matter; with one it shows as typed,
    // blanks kept, in single quotes, an empty value as ''. No line break at the end.
    EXPECT_EQ(gsZusammenfassung(false, QStringLiteral("BK1"), {}),
              "Extraktionsergebnisse\r\nDatenfilter: ohne" + sRest);
    EXPECT_EQ(gsZusammenfassung(true, QStringLiteral(" bk1 "), {}),
              "Extraktionsergebnisse\r\nDatenfilter: ' bk1 '" + sRest);
    EXPECT_EQ(gsZusammenfassung(true, QString(), {}),
              "Extraktionsergebnisse\r\nDatenfilter: ''" + sRest);
}

TEST(Zusammenfassung, TabellenzeilenSpaltenbreiten) {
    const QStringList zeilen = gsZusammenfassung(false, QString(),
                                                 {{"Klasse 10a", "17"},
                                                  {"Leer", "0"},
                                                  {"Genau fünfundzwanzig Zeic", "1234"},
                                                  {"Ein Name mit dreißig Zeichen..", "5"},
                                                  {"Viele", "123456"}})
                                   .split(QStringLiteral("\r\n"));
    // Names filled to 26 (a longer one keeps one blank), counts right-aligned in 4, more than
    // four digits lose the leading ones.
    EXPECT_EQ(zeilen.mid(4),
              (QStringList{"Klasse 10a                  17", "Leer                         0",
                           "Genau fünfundzwanzig Zeic 1234", "Ein Name mit dreißig Zeichen..    5",
                           "Viele                     3456"}));
}
