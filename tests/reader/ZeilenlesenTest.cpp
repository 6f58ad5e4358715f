// The reader over fixture workbooks: headings, groups, gaps, grades, start row, filter and the
// per-worksheet summary.
#include <gtest/gtest.h>

#include "LeserHilfen.h"
#include "Plattform.h"
#include "TestHilfen.h"
#include "VbFehler.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {
void erwarteFehler(int32_t lNummer, const std::function<void()>& f) {
    try {
        f();
        ADD_FAILURE() << "no error " << lNummer;
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), lNummer);
    }
}
}  // namespace

TEST(CXLSread, HeadingsGroupsGapsAndGradesOverThreeWorksheets) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    StatusRecorder status;
    auto leser = gLeser(1, 2, 3, 4, 5);
    EXPECT_TRUE(leser->Init());  // a second start uses the running instance
    leser->oTextbox(&status);

    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_gruppen.xlsx")));
    EXPECT_EQ(status.texte, QStringList{"Tabelle: Klasse A ..."});
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 1);
    EXPECT_EQ(leser->sWorksheetName(1), "Klasse A");
    EXPECT_EQ(leser->sWorksheetName(2), "");
    EXPECT_EQ(leser->sWorksheetName(0), "");
    EXPECT_EQ(leser->iAnzahlAzubis(1), "0");
    EXPECT_EQ(leser->iAnzahlAzubis(2), "0");
    EXPECT_EQ(leser->iAnzahlAzubis(-1), "0");

    // A title above the first heading is an apprentice without grades.
    Azubi a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Ergebnisliste Sommer");
    EXPECT_EQ(a.sVorname, "");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.iFaecher, 0);

    // "  nAmE  " in row 3 is the heading; grades come from the value, not the shown text.
    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Müller");
    EXPECT_EQ(a.sVorname, "Anna");
    EXPECT_EQ(a.sGebDatum, "05.03.2005");
    EXPECT_EQ(a.sBeruf, "Kauffrau");
    EXPECT_TRUE(a.bGruppenwechsel);
    EXPECT_EQ(a.iFaecher, 3);
    EXPECT_EQ(a.faecher, (QStringList{"Deutsch", "Mathe", "Englisch"}));
    EXPECT_EQ(a.noten, (QStringList{"2,3", "1,8", "gut"}));

    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Schmidt");
    EXPECT_EQ(a.sGebDatum, "24.12.2004");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, (QStringList{"", "0", "0,0"}));
    EXPECT_TRUE(meldungen.meldungen.empty());

    // Five empty rows are bridged; 3276.75 does not fit and comes back with one report.
    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Weber");
    EXPECT_EQ(a.sGebDatum, "");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, (QStringList{"-1,2", "2,0", "3276,75"}));
    ASSERT_EQ(meldungen.meldungen.size(), 1u);
    EXPECT_EQ(meldungen.meldungen[0].sTitel, "Fehler VB00006");
    EXPECT_TRUE(meldungen.meldungen[0].sText.startsWith("Überlauf"));
    EXPECT_TRUE(meldungen.meldungen[0].sText.endsWith("Funktion: wf_Runden/CXlsExtract"))
        << meldungen.meldungen[0].sText.toStdString();
    EXPECT_EQ(meldungen.meldungen[0].iStil, MsgBox::CRITICAL);

    // Second group after two empty rows; entries above the new subject count stay.
    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Yilmaz");
    EXPECT_TRUE(a.bGruppenwechsel);
    EXPECT_EQ(a.iFaecher, 2);
    EXPECT_EQ(a.faecher, (QStringList{"Sport", "Religion"}));
    EXPECT_EQ(a.noten, (QStringList{"1,0", "1,5"}));
    EXPECT_EQ(leser->sBSFaecher(3), "Englisch");
    EXPECT_EQ(leser->sNoten(3), "3276,75");
    EXPECT_EQ(leser->sBSFaecher(20), "");

    // "Name" directly below apprentices is an apprentice of that name.
    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Name");
    EXPECT_EQ(a.sVorname, "Nina");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, (QStringList{"3,0", "4,0"}));

    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Zorn");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, (QStringList{"2,0", "6,0"}));

    // 21 empty rows end "Klasse A" ("Verloren" is never read); "Klasse B" begins a group
    // with 23 headings of which 20 are taken.
    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Alt");
    EXPECT_TRUE(a.bGruppenwechsel);
    EXPECT_EQ(a.iFaecher, 20);
    EXPECT_EQ(a.faecher.front(), "Fach01");
    EXPECT_EQ(a.faecher.back(), "Fach20");
    EXPECT_EQ(a.noten.front(), "1,1");
    EXPECT_EQ(a.noten.back(), "20,1");
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 2);
    EXPECT_EQ(leser->sWorksheetName(2), "Klasse B");
    EXPECT_EQ(leser->iAnzahlAzubis(1), "7");
    EXPECT_EQ(leser->iAnzahlAzubis(2), "1");

    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Berg");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, QStringList(20, "1,0"));

    // "Klasse C" has a heading and nobody below it.
    EXPECT_EQ(leser->ReadLine(), -1);
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 3);
    EXPECT_EQ(leser->sWorksheetName(1), "Klasse A");
    EXPECT_EQ(leser->sWorksheetName(2), "Klasse B");
    EXPECT_EQ(leser->sWorksheetName(3), "Klasse C");
    EXPECT_EQ(leser->sWorksheetName(4), "");
    EXPECT_EQ(leser->iAnzahlAzubis(1), "7");
    EXPECT_EQ(leser->iAnzahlAzubis(2), "2");
    EXPECT_EQ(leser->iAnzahlAzubis(3), "0");
    EXPECT_EQ(status.texte, (QStringList{"Tabelle: Klasse A ...", "Tabelle: Klasse B ...",
                                         "Tabelle: Klasse C ..."}));
    EXPECT_EQ(meldungen.meldungen.size(), 1u);

    // Past the end there is no worksheet to read from.
    erwarteFehler(91, [&] { leser->ReadLine(); });

    leser->CloseFile();
    leser->CloseFile();
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 3);
    EXPECT_EQ(leser->sWorksheetName(3), "Klasse C");
    EXPECT_EQ(leser->iAnzahlAzubis(1), "7");

    // Opening again starts over at worksheet 1 with fresh records.
    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_startzeile.xlsx")));
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 1);
    EXPECT_EQ(leser->sWorksheetName(1), "Start");
    EXPECT_EQ(leser->sWorksheetName(2), "");
    EXPECT_EQ(leser->iAnzahlAzubis(1), "0");
    EXPECT_EQ(meldungen.meldungen.size(), 1u);
}

TEST(CXLSread, StartRowOnEveryWorksheetWithoutStatusLine) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    auto leser = gLeser(1, 2, 0, 4, 5);
    leser->iStartzeile(3);
    ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_startzeile.xlsx")));

    // Rows 1 and 2 are never looked at; row 3 holds two headings, then a gap.
    Azubi a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Adam");
    EXPECT_EQ(a.sVorname, "Axel");
    EXPECT_EQ(a.sGebDatum, "");
    EXPECT_TRUE(a.bGruppenwechsel);
    EXPECT_EQ(a.faecher, (QStringList{"Deutsch", "Mathe"}));
    EXPECT_EQ(a.noten, (QStringList{"1,3", "2,0"}));

    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Bauer");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, (QStringList{"3,0", "4,0"}));

    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Conrad");
    EXPECT_FALSE(a.bGruppenwechsel);
    EXPECT_EQ(a.noten, (QStringList{"5,0", "6,0"}));

    // "Ohne" has an empty first result cell in row 3: nothing of it is read.
    a = gNaechster(*leser);
    EXPECT_EQ(a.sName, "Emil");
    EXPECT_TRUE(a.bGruppenwechsel);
    EXPECT_EQ(a.faecher, QStringList{"Chemie"});
    EXPECT_EQ(a.noten, QStringList{"2,5"});

    EXPECT_EQ(leser->ReadLine(), -1);
    leser->CloseFile();
    EXPECT_EQ(leser->iWorksheetMaxIndex(), 3);
    EXPECT_EQ(leser->sWorksheetName(2), "Ohne");
    EXPECT_EQ(leser->iAnzahlAzubis(1), "3");
    EXPECT_EQ(leser->iAnzahlAzubis(2), "0");
    EXPECT_EQ(leser->iAnzahlAzubis(3), "1");
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSread, FilterTakesOnlyTheExactShownText) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    struct Fall {
        QString sFilter;
        QStringList namen;
        QStringList noten;
    };
    const Fall faelle[] = {
        {"BK1", {"Anton", "Dana"}, {"1,0", "1,8"}},
        {"BK1 ", {"Carl"}, {"1,5"}},
        {"bk1", {"Berta"}, {"1,3"}},
        {"", {"Egon"}, {"2,0"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.sFilter.toStdString());
        // Fields in columns B to G; the date column exists but is not configured.
        auto leser = gLeser(2, 3, 0, 4, 7, 5);
        leser->sFilterWert(fall.sFilter);
        ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_filter.xlsx")));
        for (qsizetype i = 0; i < fall.namen.size(); ++i) {
            const Azubi a = gNaechster(*leser);
            EXPECT_EQ(a.sName, fall.namen[i]);
            EXPECT_EQ(a.sVorname, fall.namen[i] + "a");
            EXPECT_EQ(a.sBeruf, "Koch");
            EXPECT_EQ(a.sGebDatum, "");
            EXPECT_EQ(a.bGruppenwechsel, i == 0);
            EXPECT_EQ(a.faecher, QStringList{"Deutsch"});
            EXPECT_EQ(a.noten, QStringList{fall.noten[i]});
        }
        EXPECT_EQ(leser->ReadLine(), -1);
        EXPECT_EQ(leser->iAnzahlAzubis(1), QString::number(fall.namen.size()));
    }
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSread, FailuresToOpenAreReportedOnceAndWrongIndexesRaise) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    {
        auto leser = gLeser(1, 2, 3, 4, 5);
        EXPECT_FALSE(leser->OpenFile(gsTestdatei("reader_kaputt.xlsx")));
        ASSERT_EQ(meldungen.meldungen.size(), 1u);
        EXPECT_TRUE(meldungen.meldungen[0].sTitel.startsWith("Fehler VB"));
        EXPECT_TRUE(meldungen.meldungen[0].sText.endsWith("\r\n\r\nFunktion: OpenFile/CXlsExtract"))
            << meldungen.meldungen[0].sText.toStdString();
        EXPECT_EQ(leser->iWorksheetMaxIndex(), 0);
        leser->CloseFile();  // nothing is open: nothing happens

        EXPECT_FALSE(leser->OpenFile(gsTestdatei("reader_gibt_es_nicht.xlsx")));
        ASSERT_EQ(meldungen.meldungen.size(), 2u);
        EXPECT_TRUE(meldungen.meldungen[1].sText.endsWith("Funktion: OpenFile/CXlsExtract"));
    }
    {
        // Without Init there is no application to open with.
        CXLSread leser;
        EXPECT_FALSE(leser.OpenFile(gsTestdatei("reader_filter.xlsx")));
        ASSERT_EQ(meldungen.meldungen.size(), 3u);
        EXPECT_EQ(meldungen.meldungen[2].sTitel, "Fehler VB00091");

        erwarteFehler(FEHLER_INDEX, [&] { leser.iSpaltenPos(6, 1); });
        erwarteFehler(FEHLER_INDEX, [&] { leser.iSpaltenPos(-1, 1); });
        erwarteFehler(FEHLER_INDEX, [&] { leser.sNoten(0); });
        erwarteFehler(FEHLER_INDEX, [&] { leser.sNoten(21); });
        erwarteFehler(FEHLER_INDEX, [&] { leser.sBSFaecher(21); });
        EXPECT_EQ(leser.sNoten(20), "");
        EXPECT_EQ(CXLSread::SPALTE_Datenfilter, 5);
    }
    {
        // A status line that fails does not stop the reading.
        struct KaputteStatuszeile : Statuszeile {
            void ZeigeText(const QString&) override { throw VbFehler(FEHLER_ANWENDUNG); }
        } kaputt;
        auto leser = gLeser(1, 2, 0, 4, 5);
        leser->oTextbox(&kaputt);
        leser->iStartzeile(3);
        ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_startzeile.xlsx")));
        int n = 0;
        while (leser->ReadLine() == 0) ++n;
        EXPECT_EQ(n, 4);
        EXPECT_EQ(leser->iWorksheetMaxIndex(), 3);
    }
    {
        // A mandatory column left at 0 fails on reading, to the caller.
        auto leser = gLeser(0, 2, 3, 4, 5);
        ASSERT_TRUE(leser->OpenFile(gsTestdatei("reader_gruppen.xlsx")));
        EXPECT_THROW(leser->ReadLine(), VbFehler);
    }
    EXPECT_EQ(meldungen.meldungen.size(), 3u);
}
