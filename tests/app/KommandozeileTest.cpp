// Reading the command line: the extract form, its options, the derived columns, usage errors.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "TestHilfen.h"
#include "app/Kommandozeile.h"

using rastfang::Befehlszeile;
using rastfang::gBefehlszeileLesen;
using Spalten = std::array<QString, 6>;

TEST(Kommandozeile, ExtractTakesItsOptionsAndDerivesTheColumns) {
    EXPECT_EQ(gBefehlszeileLesen({}).art, Befehlszeile::Art::Fenster);

    const Befehlszeile b =
        gBefehlszeileLesen({"extract", "ein.xlsx", "--name", "d", "--datenfilter=A", "--filterwert",
                            " BK1 ", "aus.xlsx", "--startzeile", "3", "--ueberschreiben"});
    ASSERT_EQ(b.art, Befehlszeile::Art::Extract);
    EXPECT_EQ(b.eingaben.sErgebnisdatei, QStringLiteral("ein.xlsx"));
    EXPECT_EQ(b.eingaben.sErgebnisWorkfile, QStringLiteral("aus.xlsx"));
    EXPECT_EQ(b.eingaben.sZeile, QStringLiteral("3"));
    // The filter value is taken exactly as given; the columns follow the name as in the window.
    EXPECT_EQ(b.eingaben.sFilterWert, QStringLiteral(" BK1 "));
    EXPECT_EQ(b.eingaben.sSpalte, (Spalten{"d", "E", "F", "G", "H", "A"}));
    EXPECT_TRUE(b.bUeberschreiben);

    // One of the four given: nothing is derived, the others stay empty for the check to catch.
    // An option's value may look like an option.
    const Befehlszeile c = gBefehlszeileLesen(
        {"extract", "e", "a", "--name", "D", "--beruf", "X", "--filterwert", "--help"});
    ASSERT_EQ(c.art, Befehlszeile::Art::Extract);
    EXPECT_EQ(c.eingaben.sSpalte, (Spalten{"D", "", "", "X", "", ""}));
    EXPECT_EQ(c.eingaben.sFilterWert, QStringLiteral("--help"));
    EXPECT_FALSE(c.bUeberschreiben);
}

TEST(Kommandozeile, DoubleDashMakesEverythingAfterItAFile) {
    const std::vector<std::pair<QStringList, QString>> faelle{
        {{"Ergebnisse 2024 [alt].xlsx"}, "Ergebnisse 2024 [alt].xlsx"},
        {{"--", "-x.xlsx"}, "-x.xlsx"},
        {{"--", "--help"}, "--help"},
        {{"--", "extract"}, "extract"},
        {{"-"}, "-"},
    };
    for (const auto& [argumente, sDatei] : faelle) {
        const Befehlszeile b = gBefehlszeileLesen(argumente);
        EXPECT_EQ(b.art, Befehlszeile::Art::Fenster) << argumente.join(u' ').toStdString();
        EXPECT_EQ(b.sDatei, sDatei);
    }
    // After "--" only files follow, in extract as well.
    const Befehlszeile e =
        gBefehlszeileLesen({"extract", "--name", "D", "--", "-ein.xlsx", "--ueberschreiben"});
    ASSERT_EQ(e.art, Befehlszeile::Art::Extract);
    EXPECT_EQ(e.eingaben.sErgebnisdatei, QStringLiteral("-ein.xlsx"));
    EXPECT_EQ(e.eingaben.sErgebnisWorkfile, QStringLiteral("--ueberschreiben"));
    EXPECT_FALSE(e.bUeberschreiben);
}

TEST(Kommandozeile, UsageErrorsNameWhatIsWrong) {
    EXPECT_EQ(gBefehlszeileLesen({"--help"}).art, Befehlszeile::Art::Hilfe);
    EXPECT_EQ(gBefehlszeileLesen({"extract", "a", "--help"}).art, Befehlszeile::Art::Hilfe);
    EXPECT_EQ(gBefehlszeileLesen({"a.xlsx", "--version"}).art, Befehlszeile::Art::Version);
    EXPECT_EQ(gBefehlszeileLesen({"extract", "--version"}).art, Befehlszeile::Art::Version);
    const QString ZWEI = QStringLiteral("extract braucht genau zwei Dateien: EINGABE und AUSGABE.");
    const std::vector<std::pair<QStringList, QString>> faelle{
        {{"extrakt", "a", "b"}, "Das Fenster öffnet nur eine DATEI; zu viel: a"},
        {{"-x.xlsx"}, "Unbekannte Option: -x.xlsx"},
        {{"--name", "D"}, "Unbekannte Option: --name"},
        {{"extract", "a", "-b.xlsx"}, "Unbekannte Option: -b.xlsx"},
        {{"extract", "a", "b", "--spalte", "D"}, "Unbekannte Option: --spalte"},
        {{"extract", "a", "b", "--name"}, "Der Option --name fehlt ihr Wert."},
        {{"extract"}, ZWEI},
        {{"extract", "a"}, ZWEI},
        {{"extract", "a", "b", "c"}, ZWEI},
    };
    for (const auto& [argumente, sFehler] : faelle) {
        const Befehlszeile b = gBefehlszeileLesen(argumente);
        EXPECT_EQ(b.art, Befehlszeile::Art::Fehler) << argumente.join(u' ').toStdString();
        EXPECT_EQ(b.sFehler, sFehler);
    }
}

// Every option the usage text names is in the manual page, and the page names no other.
TEST(Kommandozeile, ManualPageNamesTheSameOptionsAsTheUsageText) {
    const auto optionen = [](QString sText) {
        sText.remove(QLatin1Char('\\'));  // groff writes "\-\-name"
        QSet<QString> menge;
        const QRegularExpression OPTION(QStringLiteral("(?<![\\w-])--[a-z-]*"));
        for (const QRegularExpressionMatch& m : OPTION.globalMatch(sText)) menge << m.captured();
        QStringList liste(menge.begin(), menge.end());
        liste.sort();
        return liste.join(u' ').toStdString();
    };
    const std::string inDerHilfe = optionen(rastfang::gsAufrufhilfe());
    EXPECT_EQ(optionen(QString::fromUtf8(rastfang::test::gInhalt(RASTFANG_HANDBUCHSEITE))),
              inDerHilfe);
    EXPECT_NE(inDerHilfe.find("-- --beruf"), std::string::npos);
    EXPECT_NE(inDerHilfe.find("--version"), std::string::npos);
}
