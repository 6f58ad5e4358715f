// The writer's lines as the independent reader sees them in the saved workbook, its finishing
// (widths, spare rows, protection, save) and its failures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>

#include "Rasterzeile.h"
#include "TestHilfen.h"
#include "basis/Plattform.h"
#include "basis/VbFehler.h"
#include "writer/CXLSwriteOLE.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

const QString AZUBI_FACH = QStringLiteral("None right [0.0] offen");

}  // namespace

TEST(CXLSwriteOLE, LinesOfEveryTypeAsReadBackFromTheSavedFile) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("ausgabe.xlsx");
    CXLSwriteOLE schreiber;
    EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));  // nothing open yet
    EXPECT_TRUE(schreiber.Init());
    EXPECT_TRUE(schreiber.Init());
    ASSERT_TRUE(schreiber.OpenFile(sDatei));
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 6);

    // Row 1: a group header with 12 subjects.
    QStringList kopf;
    schreiber.Reset();
    for (int c = 1; c <= 17; ++c) {
        schreiber.Feld(c) =
            c <= 5 ? QStringList{"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf"}[c - 1]
                   : QStringLiteral("Fach %1").arg(c - 5);
        kopf << "'" + schreiber.Feld(c) + "' FFFFFFCC fett" + (c >= 6 ? " center" : "");
    }
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
    // Row 2: an apprentice with three grades and no id.
    schreiber.Reset();
    schreiber.sName = "Müller";
    schreiber.sVorname = "Anna";
    schreiber.sGebDatum = "05.03.2005";
    schreiber.sBerufBez = "Koch";
    schreiber.sBSFach1 = "2,3";
    schreiber.sBSFach2 = "1,8";
    schreiber.sBSFach3 = "gut";
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 17);
    // Row 3: the empty spare line closing the group.
    schreiber.Reset();
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI2));
    // Row 4: the blank separator; a blank counts as content for the widest column.
    schreiber.AllesLeerzeichen();
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 25);
    // Row 5: a title line; row 6: a type the writer does not know, written without a look.
    schreiber.Reset();
    schreiber.sAzubi_ID = "4711";
    schreiber.sBerufBez = "Beruf";
    schreiber.sBSFach1 = "Titel";
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF1));
    schreiber.Reset();
    schreiber.sName = "Typ sieben";
    EXPECT_TRUE(schreiber.WriteLine(7));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 6);
    EXPECT_FALSE(QFile::exists(sDatei));  // nothing goes to disk before the save

    schreiber.CloseFile();
    schreiber.CloseFile();  // the second does nothing
    EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 6);
    EXPECT_TRUE(meldungen.meldungen.empty());

    // Regional numbers become numbers; 100 spare rows below the last line are editable.
    const GeleseneMappe m(sDatei);
    EXPECT_TRUE(gRasterGleich(
        m, "A1",
        {gRasterzeile(kopf, "None FFFFFFCC fett center"),
         gRasterzeile({"None FFFFFFCC [0]", "'Müller' FFFFFFCC offen", "'Anna' FFFFFFCC offen",
                       "'05.03.2005' FFFFFFCC offen", "'Koch' FFFFFFCC", "2.3 right [0.0] offen",
                       "1.8 right [0.0] offen", "'gut' right [0.0] offen"},
                      AZUBI_FACH),
         gRasterzeile({"None FFFFFFCC [0] offen", "None FFFFFFCC offen", "None FFFFFFCC offen",
                       "None FFFFFFCC offen", "None FFFFFFCC offen"},
                      AZUBI_FACH),
         gRasterzeile({}, "' '"),
         gRasterzeile(
             {"4711 FFFFFFCC fett", "None FFFFFFCC fett", "None FFFFFFCC fett",
              "None FFFFFFCC fett", "'Beruf' FFFFFFCC fett right", "'Titel' FFFFFFCC fett center"},
             "None FFFFFFCC fett center"),
         gRasterzeile({"None", "'Typ sieben'"}, "None"), gRasterzeile({}, "None offen")}));
    EXPECT_TRUE(
        gRasterGleich(m, "A106", {gRasterzeile({}, "None offen"), gRasterzeile({}, "None")}));
    // Columns F to Y share the width of the widest of them.
    const QJsonObject breiten = m.Blatt()["widths"].toObject();
    for (char c = 'G'; c <= 'Y'; ++c) EXPECT_EQ(breiten[QString(QChar(c))], breiten["F"]) << c;
}

TEST(CXLSwriteOLE, AFailedSaveRaisesWithoutLeavingAFile) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir("ziel.xlsx");
    for (const QString& sZiel :
         {ordner.filePath("fehlt/ausgabe.xlsx"), ordner.filePath("ziel.xlsx")}) {
        SCOPED_TRACE(sZiel.toStdString());
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sZiel));
        schreiber.sName = "x";
        ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
        EXPECT_THROW(schreiber.CloseFile(), VbFehler);
        // Still open: the run's caller reports, the end of the object discards the workbook.
        EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    }
    EXPECT_TRUE(gEintraegeIn(ordner.filePath("ziel.xlsx")).isEmpty());
    EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{"ziel.xlsx"});
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSwriteOLE, TrappedFailuresShowAMessageAndNothingIsSaved) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("nie.xlsx");
    {
        // Without Init there is no application: one report, and lines are refused silently.
        CXLSwriteOLE schreiber;
        EXPECT_FALSE(schreiber.OpenFile(sDatei));
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
        schreiber.CloseFile();
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
        EXPECT_THROW(schreiber.Feld(0), VbFehler);
        EXPECT_THROW(schreiber.Feld(26), VbFehler);
    }
    ASSERT_EQ(meldungen.meldungen.size(), 1u);
    EXPECT_EQ(meldungen.meldungen[0].sTitel, "Fehler VB00091");
    EXPECT_TRUE(meldungen.meldungen[0].sText.endsWith("\r\n\r\nFunktion: OpenFile/CXlsWrite"));
    {
        // A line below the last row of the sheet fails, is reported, and still uses up its row.
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sDatei));
        schreiber.Reset();
        for (int32_t i = 1; i <= 1048576; ++i) schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER);
        EXPECT_EQ(meldungen.meldungen.size(), 1u);
        schreiber.sName = "zu tief";
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048578);
        // Released without CloseFile: the workbook is dropped, nothing is saved.
    }
    ASSERT_EQ(meldungen.meldungen.size(), 3u);
    EXPECT_EQ(meldungen.meldungen[1].sTitel, "Fehler VB01004");
    EXPECT_TRUE(meldungen.meldungen[1].sText.endsWith("Funktion: WriteLine/CXlsWrite"));
    EXPECT_FALSE(QFile::exists(sDatei));
}
