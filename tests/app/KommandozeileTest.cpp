// Reading the command line: the extract form, its options, the derived columns, usage errors.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <tuple>

#include "TestHilfen.h"
#include "app/Kommandozeile.h"

using rastfang::Befehlszeile;
using rastfang::gBefehlszeileLesen;
using Spalten = std::array<QString, 6>;

TEST(Kommandozeile, ExtractTakesItsOptionsAndDerivesTheColumnsOnlyFromTheName) {
    EXPECT_EQ(gBefehlszeileLesen({}).art, Befehlszeile::Art::Fenster);

    // Options may follow the files, with "=" too; the filter value is taken exactly as given.
    const Befehlszeile b = gBefehlszeileLesen(
        {"extract", "ein.xlsx", "aus.xlsx", "--datenfilter=A", "--filterwert", " BK1 "});
    EXPECT_EQ(std::pair(b.eingaben.sSpalte, b.eingaben.sFilterWert),
              std::pair(Spalten{"", "", "", "", "", "A"}, QString(" BK1 ")));

    // One of the four given: nothing is derived. An option's value may look like an option.
    const Befehlszeile c = gBefehlszeileLesen(
        {"extract", "e", "a", "--name", "D", "--beruf", "X", "--filterwert", "--help"});
    EXPECT_EQ(std::pair(c.eingaben.sSpalte, c.eingaben.sFilterWert),
              std::pair(Spalten{"D", "", "", "X", "", ""}, QString("--help")));
}

// Help and version win over everything else, a wrong call too.
TEST(Kommandozeile, EveryCallFindsItsForm) {
    using Art = Befehlszeile::Art;
    const QString ZWEI = QStringLiteral("extract braucht genau zwei Dateien: EINGABE und AUSGABE.");
    const std::vector<std::tuple<QStringList, Art, QString>> faelle{
        {{"Ergebnisse 2024 [alt].xlsx"}, Art::Fenster, "Ergebnisse 2024 [alt].xlsx"},
        {{"--", "-x.xlsx"}, Art::Fenster, "-x.xlsx"},
        {{"--", "--help"}, Art::Fenster, "--help"},
        {{"--", "extract"}, Art::Fenster, "extract"},
        {{"-"}, Art::Fenster, "-"},
        {{"--help"}, Art::Hilfe, ""},
        {{"extract", "a", "--help"}, Art::Hilfe, ""},
        {{"a.xlsx", "--version"}, Art::Version, ""},
        {{"extract", "--version"}, Art::Version, ""},
        {{"extrakt", "a", "b"}, Art::Fehler, "Das Fenster öffnet nur eine DATEI; zu viel: a"},
        {{"-x.xlsx"}, Art::Fehler, "Unbekannte Option: -x.xlsx"},
        {{"--name", "D"}, Art::Fehler, "Unbekannte Option: --name"},
        {{"extract", "a", "b", "--spalte", "D"}, Art::Fehler, "Unbekannte Option: --spalte"},
        {{"extract", "a", "b", "--name"}, Art::Fehler, "Der Option --name fehlt ihr Wert."},
        {{"extract"}, Art::Fehler, ZWEI},
        {{"extract", "a", "b", "c"}, Art::Fehler, ZWEI},
    };
    for (const auto& [argumente, art, sText] : faelle) {
        SCOPED_TRACE(argumente.join(u' ').toStdString());
        const Befehlszeile b = gBefehlszeileLesen(argumente);
        EXPECT_EQ(b.art, art);
        EXPECT_EQ(art == Art::Fehler ? b.sFehler : b.sDatei, sText);
    }
}

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
    EXPECT_TRUE(inDerHilfe.starts_with("-- --beruf --datenfilter")) << inDerHilfe;
}
