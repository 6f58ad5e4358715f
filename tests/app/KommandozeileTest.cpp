// Reading the command line: the extract form, its options, the derived columns, usage errors.
#include <gtest/gtest.h>

#include "Kommandozeile.h"

using rastfang::Befehlszeile;
using rastfang::gBefehlszeileLesen;

namespace {
QStringList args(std::initializer_list<const char*> liste) {
    QStringList l;
    for (const char* a : liste) l << QString::fromUtf8(a);
    return l;
}
}  // namespace

TEST(Kommandozeile, ExtractMitOptionen) {
    EXPECT_EQ(gBefehlszeileLesen({}).art, Befehlszeile::Art::Fenster);

    const Befehlszeile b = gBefehlszeileLesen(
        args({"extract", "ein.xlsx", "--name", "d", "--datenfilter=A", "--filterwert", " BK1 ",
              "aus.xlsx", "--startzeile", "3", "--ueberschreiben"}));
    ASSERT_EQ(b.art, Befehlszeile::Art::Extract);
    EXPECT_EQ(b.eingaben.sErgebnisdatei, QStringLiteral("ein.xlsx"));
    EXPECT_EQ(b.eingaben.sErgebnisWorkfile, QStringLiteral("aus.xlsx"));
    EXPECT_EQ(b.eingaben.sZeile, QStringLiteral("3"));
    // The filter value is taken exactly as given; the columns follow the name as in the window.
    EXPECT_EQ(b.eingaben.sFilterWert, QStringLiteral(" BK1 "));
    EXPECT_EQ(b.eingaben.sSpalte, (std::array<QString, 6>{"d", "E", "F", "G", "H", "A"}));
    EXPECT_TRUE(b.bUeberschreiben);

    // One of the four given: nothing is derived, the others stay empty for the check to catch.
    const Befehlszeile c = gBefehlszeileLesen(
        args({"extract", "e", "a", "--name", "D", "--beruf", "X", "--filterwert", "--help"}));
    ASSERT_EQ(c.art, Befehlszeile::Art::Extract);
    EXPECT_EQ(c.eingaben.sSpalte, (std::array<QString, 6>{"D", "", "", "X", "", ""}));
    EXPECT_EQ(c.eingaben.sFilterWert, QStringLiteral("--help"));
    EXPECT_FALSE(c.bUeberschreiben);
}

TEST(Kommandozeile, Aufruffehler) {
    EXPECT_EQ(gBefehlszeileLesen(args({"--help"})).art, Befehlszeile::Art::Hilfe);
    EXPECT_EQ(gBefehlszeileLesen(args({"extract", "a", "--help"})).art, Befehlszeile::Art::Hilfe);

    const Befehlszeile unbekannt = gBefehlszeileLesen(args({"extrakt", "a", "b"}));
    EXPECT_EQ(unbekannt.art, Befehlszeile::Art::Fehler);
    EXPECT_EQ(unbekannt.sFehler, QStringLiteral("Unbekannter Befehl: extrakt"));

    const Befehlszeile option = gBefehlszeileLesen(args({"extract", "a", "b", "--spalte", "D"}));
    EXPECT_EQ(option.art, Befehlszeile::Art::Fehler);
    EXPECT_EQ(option.sFehler, QStringLiteral("Unbekannte Option: --spalte"));

    const Befehlszeile ohneWert = gBefehlszeileLesen(args({"extract", "a", "b", "--name"}));
    EXPECT_EQ(ohneWert.art, Befehlszeile::Art::Fehler);
    EXPECT_EQ(ohneWert.sFehler, QStringLiteral("Der Option --name fehlt ihr Wert."));

    for (const QStringList& l :
         {args({"extract"}), args({"extract", "a"}), args({"extract", "a", "b", "c"})}) {
        const Befehlszeile b = gBefehlszeileLesen(l);
        EXPECT_EQ(b.art, Befehlszeile::Art::Fehler) << l.join(u' ').toStdString();
        EXPECT_TRUE(b.sFehler.contains(QStringLiteral("zwei Dateien")));
    }
    EXPECT_TRUE(
        rastfang::gsAufrufhilfe().contains(QStringLiteral("rastfang extract EINGABE AUSGABE")));
    EXPECT_TRUE(rastfang::gsAufrufhilfe().endsWith(QLatin1Char('\n')));
}
