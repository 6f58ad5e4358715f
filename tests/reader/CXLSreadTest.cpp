// The reader: its two pure rules (column letters, grade rounding) and reading fixture
// workbooks: headings, groups, gaps, grades, start row, filter and the per-worksheet summary.
#include <gtest/gtest.h>

#include <functional>

#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "reader/CXLSread.h"
#include "reader/Notenrundung.h"
#include "reader/Statuszeile.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

/// A reader with its field columns set (0 = not used), started, before OpenFile.
std::unique_ptr<CXLSread> gLeser(int16_t name, int16_t vorname, int16_t gebDat, int16_t beruf,
                                 int16_t erstesErgebnis, int16_t datenfilter = 0) {
    auto leser = std::make_unique<CXLSread>();
    const int16_t spalten[] = {name, vorname, gebDat, beruf, erstesErgebnis, datenfilter};
    for (int16_t i = CXLSread::SPALTE_Name; i <= CXLSread::SPALTE_Datenfilter; ++i)
        leser->iSpaltenPos(i, spalten[i]);
    EXPECT_TRUE(leser->Init());
    return leser;
}

/// One ReadLine as "name|first name|birth date|occupation|+ (group change) or -|subject=grade…",
/// or "ReadLine n" when it delivers nobody.
std::string gsNaechster(CXLSread& l) {
    if (const int16_t n = l.ReadLine(); n != 0) return "ReadLine " + std::to_string(n);
    QStringList t{l.sName, l.sVorname, l.sGebDatum, l.sBeruf, l.bGruppenwechsel() ? "+" : "-"};
    for (int16_t k = 1; k <= l.iBSFachMaxIndex(); ++k) t << l.sBSFaecher(k) + "=" + l.sNoten(k);
    return t.join('|').toStdString();
}

/// The worksheet records as "name=count, …"; indexes outside them are empty and "0".
std::string gsBlaetter(const CXLSread& l) {
    QStringList t;
    const int16_t n = l.iWorksheetMaxIndex();
    for (int16_t i = 1; i <= n; ++i) t << l.sWorksheetName(i) + "=" + l.iAnzahlAzubis(i);
    EXPECT_EQ(l.sWorksheetName(0) + l.sWorksheetName(n + 1), "");
    EXPECT_EQ(l.iAnzahlAzubis(-1) + l.iAnzahlAzubis(n + 1), "00");
    return t.join(", ").toStdString();
}

struct StatusRecorder : Statuszeile {
    void ZeigeText(const QString& sText) override { texte << sText; }
    QStringList texte;
};

}  // namespace

TEST(Spaltenbuchstaben, LettersToNumbersAndBack) {
    const CXLSread leser;
    // Every column below also survives the round trip, in any letter case.
    const std::pair<const char*, int16_t> faelle[] = {
        {" a ", 1}, {"AA", 27}, {"  IV  ", 256}, {"IW", 0}, {"JA", 0},
        {"A1", 0},  {"1", 0},   {"ABC", 0},      {"", 0},   {"   ", 0},
        {"\tA", 0}, {"Ä", 0},   {"A B", 0},      {"ß", 0},  // "ß" upper-cases to "SS"
    };
    for (const auto& [s, n] : faelle) EXPECT_EQ(leser.ErmittleSpaltenNr(s), n) << s;
    const std::pair<int16_t, const char*> buchstaben[] = {
        {27, "AA"}, {256, "IV"}, {0, ""}, {257, ""}, {-32768, ""}};
    for (const auto& [n, s] : buchstaben) EXPECT_EQ(leser.ErmittleSpaltenBuchstaben(n), s) << n;
    for (int16_t n = 1; n <= 256; ++n) {
        const QString s = leser.ErmittleSpaltenBuchstaben(n);
        EXPECT_EQ(s, s.toUpper());
        EXPECT_EQ(leser.ErmittleSpaltenNr(s.toLower()), n) << s.toStdString();
    }
}

TEST(Notenrundung, OneDecimalHalvesUpWithGermanComma) {
    // Whatever reads as zero comes back as it was; a leading comma is a decimal point too.
    const std::pair<const char*, const char*> faelle[] = {
        {"2,25", "2,3"},        {"1.04", "1,0"},       {"-1,25", "-1,2"},  {"2", "2,0"},
        {"0,04", "0,0"},        {"-0,04", "0,0"},      {"2,5 Pkt", "2,5"}, {" 3,14 ", "3,1"},
        {"1e1", "10,0"},        {"3276,74", "3276,7"}, {",5x", "0,5"},     {"", ""},
        {"-3276,8", "-3276,8"}, {"  ", "  "},          {"0,0", "0,0"},     {"-", "-"},
        {"gut", "gut"},         {"2,", "2,0"},         {"-2,96", "-3,0"},  {"3,-1", "3,0"},
    };
    for (const auto& [s, soll] : faelle) EXPECT_EQ(gsNoteRunden(s), soll) << s;
    // Every grade of one decimal comes back as it was, also the second time (texts are reused).
    for (int iDurchgang = 0; iDurchgang < 2; ++iDurchgang) {
        for (int n = -3000; n <= 3000; n += 7) {
            const QString s = QString::number(n / 10.0, 'f', 1).replace('.', ',');
            ASSERT_EQ(gsNoteRunden(s), s);
        }
    }
    for (const char* zuGross : {"3276,75", "5000", "-3276,9", "1e300"})
        EXPECT_EQ(giFehler([&] { (void)gsNoteRunden(zuGross); }), FEHLER_UEBERLAUF) << zuGross;
}

TEST(CXLSread, HeadingsGroupsGapsAndGradesOverThreeWorksheets) {
    EingesetzterRecorder meldungen;
    StatusRecorder status;
    auto leser = gLeser(1, 2, 3, 4, 5);
    EXPECT_TRUE(leser->Init());  // a second start uses the running instance
    leser->oTextbox(&status);
    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_gruppen.xlsx")));
    EXPECT_EQ(status.texte, QStringList{"Tabelle: Klasse A ..."});
    EXPECT_EQ(gsBlaetter(*leser), "Klasse A=0");

    // A title above the first heading is an apprentice without grades; "  nAmE  " in row 3 is
    // the heading; grades come from the value, not the shown text.
    EXPECT_EQ(gsNaechster(*leser), "Ergebnisliste Sommer||||-");
    EXPECT_EQ(gsNaechster(*leser),
              "Müller|Anna|05.03.2005|Kauffrau|+|Deutsch=2,3|Mathe=1,8|Englisch=gut");
    EXPECT_EQ(gsNaechster(*leser), "Schmidt|Ben|24.12.2004|Koch|-|Deutsch=|Mathe=0|Englisch=0,0");
    EXPECT_TRUE(meldungen.meldungen.empty());

    // Five empty rows are bridged; 3276.75 does not fit and comes back with one report.
    EXPECT_EQ(gsNaechster(*leser), "Weber|Carla||Maler|-|Deutsch=-1,2|Mathe=2,0|Englisch=3276,75");
    ASSERT_EQ(meldungen.meldungen.size(), 1u);
    const GezeigteMeldung& m = meldungen.meldungen[0];
    EXPECT_EQ(m.sTitel + m.sText, "Fehler VB00006Überlauf\r\n\r\nFunktion: wf_Runden/CXlsExtract");

    // Second group after two empty rows; entries above the new subject count stay. "Name"
    // directly below apprentices is an apprentice of that name.
    EXPECT_EQ(gsNaechster(*leser), "Yilmaz|Deniz||Koch|+|Sport=1,0|Religion=1,5");
    EXPECT_EQ(leser->sBSFaecher(3) + leser->sNoten(3) + leser->sBSFaecher(20), "Englisch3276,75");
    EXPECT_EQ(gsNaechster(*leser), "Name|Nina||Koch|-|Sport=3,0|Religion=4,0");
    EXPECT_EQ(gsNaechster(*leser), "Zorn|Zoe||Koch|-|Sport=2,0|Religion=6,0");

    // 21 empty rows end "Klasse A" ("Verloren" is never read); "Klasse B" begins a group
    // with 23 headings of which 20 are taken.
    QString sAlt = "Alt|Anke||Tischler|+", sBerg = "Berg|Bodo||Tischler|-";
    for (int k = 1; k <= 20; ++k) {
        sAlt += QStringLiteral("|Fach%1=%2,1").arg(k, 2, 10, QChar('0')).arg(k);
        sBerg += QStringLiteral("|Fach%1=1,0").arg(k, 2, 10, QChar('0'));
    }
    EXPECT_EQ(gsNaechster(*leser), sAlt.toStdString());
    EXPECT_EQ(gsBlaetter(*leser), "Klasse A=7, Klasse B=1");
    EXPECT_EQ(gsNaechster(*leser), sBerg.toStdString());

    // "Klasse C" has a heading and nobody below it; past the end there is no worksheet.
    EXPECT_EQ(gsNaechster(*leser), "ReadLine -1");
    EXPECT_EQ(gsBlaetter(*leser), "Klasse A=7, Klasse B=2, Klasse C=0");
    EXPECT_EQ(status.texte, (QStringList{"Tabelle: Klasse A ...", "Tabelle: Klasse B ...",
                                         "Tabelle: Klasse C ..."}));
    EXPECT_EQ(giFehler([&] { leser->ReadLine(); }), 91);
    leser->CloseFile();
    leser->CloseFile();
    EXPECT_EQ(gsBlaetter(*leser), "Klasse A=7, Klasse B=2, Klasse C=0");

    // Opening again starts over at worksheet 1 with fresh records.
    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_startzeile.xlsx")));
    EXPECT_EQ(gsBlaetter(*leser), "Start=0");
    EXPECT_EQ(meldungen.meldungen.size(), 1u);
}

TEST(CXLSread, StartRowOnEveryWorksheetDespiteAFailingStatusLine) {
    EingesetzterRecorder meldungen;
    struct KaputteStatuszeile : Statuszeile {
        void ZeigeText(const QString&) override { throw VbFehler(FEHLER_ANWENDUNG); }
    } kaputt;
    auto leser = gLeser(1, 2, 0, 4, 5);
    leser->oTextbox(&kaputt);
    leser->iStartzeile(3);
    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_startzeile.xlsx")));
    // Rows 1 and 2 are never looked at; row 3 holds two headings, then a gap. "Ohne" has an
    // empty first result cell in row 3: nothing of it is read.
    for (const char* sAzubi :
         {"Adam|Axel||Koch|+|Deutsch=1,3|Mathe=2,0", "Bauer|Bea||Koch|-|Deutsch=3,0|Mathe=4,0",
          "Conrad|Cem||Koch|-|Deutsch=5,0|Mathe=6,0", "Emil|Eva||Koch|+|Chemie=2,5",
          "ReadLine -1"}) {
        EXPECT_EQ(gsNaechster(*leser), sAzubi);
    }
    leser->CloseFile();
    EXPECT_EQ(gsBlaetter(*leser), "Start=3, Ohne=0, Weiter=1");
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSread, FilterTakesOnlyTheExactShownText) {
    EingesetzterRecorder meldungen;
    const std::pair<QString, QStringList> faelle[] = {
        {"BK1", {"Anton|Antona||Koch|+|Deutsch=1,0", "Dana|Danaa||Koch|-|Deutsch=1,8"}},
        {"BK1 ", {"Carl|Carla||Koch|+|Deutsch=1,5"}},
        {"bk1", {"Berta|Bertaa||Koch|+|Deutsch=1,3"}},
        {"", {"Egon|Egona||Koch|+|Deutsch=2,0"}},
    };
    for (const auto& [sFilter, azubis] : faelle) {
        SCOPED_TRACE(sFilter.toStdString());
        // Fields in columns B to G; the date column exists but is not configured.
        auto leser = gLeser(2, 3, 0, 4, 7, 5);
        leser->sFilterWert(sFilter);
        ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_filter.xlsx")));
        for (const QString& sAzubi : azubis) EXPECT_EQ(gsNaechster(*leser), sAzubi.toStdString());
        EXPECT_EQ(gsNaechster(*leser), "ReadLine -1");
        EXPECT_EQ(gsBlaetter(*leser), "Filter=" + std::to_string(azubis.size()));
    }
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSread, FailuresToOpenAreReportedOnceAndWrongIndexesRaise) {
    EingesetzterRecorder meldungen;
    auto leser = gLeser(1, 2, 3, 4, 5);
    EXPECT_FALSE(leser->OpenFile(gsTestdatei("reader_kaputt.xlsx")));
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 0);
    leser->CloseFile();  // nothing is open: nothing happens
    // Without Init there is no application to open with.
    CXLSread ohneInit;
    EXPECT_FALSE(ohneInit.OpenFile(gsTestdatei("reader_filter.xlsx")));
    ASSERT_EQ(meldungen.meldungen.size(), 2u);
    for (const GezeigteMeldung& m : meldungen.meldungen)
        EXPECT_TRUE(m.sText.endsWith("\r\n\r\nFunktion: OpenFile/CXlsExtract"))
            << m.sText.toStdString();
    EXPECT_EQ(meldungen.meldungen[1].sTitel, "Fehler VB00091");
    for (const auto& f : std::initializer_list<std::function<void()>>{
             [&] { ohneInit.iSpaltenPos(6, 1); }, [&] { ohneInit.iSpaltenPos(-1, 1); },
             [&] { (void)ohneInit.sNoten(0); }, [&] { (void)ohneInit.sNoten(21); },
             [&] { (void)ohneInit.sBSFaecher(21); }}) {
        EXPECT_EQ(giFehler(f), FEHLER_INDEX);
    }
    EXPECT_EQ(ohneInit.sNoten(20), "");

    // A mandatory column left at 0 fails on reading, to the caller.
    leser = gLeser(0, 2, 3, 4, 5);
    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_gruppen.xlsx")));
    EXPECT_NE(giFehler([&] { leser->ReadLine(); }), 0);
    EXPECT_EQ(meldungen.meldungen.size(), 2u);
}
