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

/// Columns F to Y read alike in width: one common width for all subjects.
void pruefeGemeinsameBreite(const GeleseneMappe& m, char cVon, char cBis) {
    const QJsonObject breiten = m.Blatt()["widths"].toObject();
    for (char c = cVon; c <= cBis; ++c)
        EXPECT_EQ(breiten[QString(QChar(c))], breiten[QString(QChar(cVon))]) << c;
}

}  // namespace

TEST(CXLSwriteOLE, LinesOfEveryTypeAsReadBackFromTheSavedFile) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("ausgabe.xlsx");

    CXLSwriteOLE schreiber;
    EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));  // nothing open yet
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
    EXPECT_TRUE(schreiber.Init());
    EXPECT_TRUE(schreiber.Init());
    ASSERT_TRUE(schreiber.OpenFile(sDatei));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 6);
    EXPECT_FALSE(QFile::exists(sDatei));  // nothing goes to disk before the save

    // Row 1: a group header with 12 subjects.
    schreiber.Reset();
    const QStringList titel{"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf"};
    QStringList kopf;
    for (int c = 1; c <= 17; ++c) {
        schreiber.Feld(c) = c <= 5 ? titel[c - 1] : QStringLiteral("Fach %1").arg(c - 5);
        kopf << QStringLiteral("'%1' FFFFFFCC fett").arg(schreiber.Feld(c)) +
                    (c >= 6 ? " center" : "");
    }
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 1);
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 17);

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
    EXPECT_EQ(schreiber.sBSFach20, " ");
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

    schreiber.CloseFile();
    schreiber.CloseFile();  // the second does nothing
    EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 6);
    EXPECT_TRUE(meldungen.meldungen.empty());
    ASSERT_TRUE(QFile::exists(sDatei));

    const GeleseneMappe m(sDatei);
    EXPECT_EQ(m.Blattnamen(), QStringList{"VELMORA"});
    // Regional numbers become numbers; a blank is kept; unknown types get no look.
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
    // 100 spare rows below the last line are editable, the row after them is not.
    EXPECT_TRUE(
        gRasterGleich(m, "A106", {gRasterzeile({}, "None offen"), gRasterzeile({}, "None")}));
    pruefeGemeinsameBreite(m, 'F', 'Y');
}

TEST(CXLSwriteOLE, SpareRowsBelowLine57AndOneWidthForTheSubjects) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("lang.xlsx");
    {
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sDatei));
        schreiber.Reset();
        schreiber.sName = "Name";
        schreiber.sBSFach2 = "Wirtschafts- und Sozialkunde";
        schreiber.sBSFach3 = "Mathe";
        schreiber.sBSFach4 = "Sport";
        ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
        for (int i = 2; i <= 57; ++i) {
            schreiber.Reset();
            schreiber.sAzubi_ID = QString::number(i);
            schreiber.sName = QStringLiteral("Azubi %1").arg(i);
            schreiber.sBSFach2 = "2,0";
            schreiber.sBSFach4 = "1,0";
            ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
        }
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 57);
        EXPECT_EQ(schreiber.iMaxSpalteBisher(), 9);
        schreiber.CloseFile();
    }
    const GeleseneMappe m(sDatei);
    // "2,0" is stored as the number 2; the spare rows follow the last line.
    EXPECT_TRUE(gRasterGleich(
        m, "A57",
        {gRasterzeile({"57 FFFFFFCC [0]", "'Azubi 57' FFFFFFCC offen", "None FFFFFFCC offen",
                       "None FFFFFFCC offen", "None FFFFFFCC", AZUBI_FACH, "2 right [0.0] offen",
                       AZUBI_FACH, "1 right [0.0] offen"},
                      AZUBI_FACH),
         gRasterzeile({}, "None offen")}));
    EXPECT_TRUE(
        gRasterGleich(m, "A157", {gRasterzeile({}, "None offen"), gRasterzeile({}, "None")}));

    // Columns F to I take the width of the long subject name; column J keeps its own.
    pruefeGemeinsameBreite(m, 'F', 'I');
    const QJsonObject breiten = m.Blatt()["widths"].toObject();
    EXPECT_GT(breiten["G"].toDouble(), 20.0);
    EXPECT_LT(breiten["J"].toDouble(), 12.0);
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSwriteOLE, FailedSaveRaisesAndLeavesNoFile) {
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
    const QFileInfo ziel(ordner.filePath("ziel.xlsx"));
    EXPECT_TRUE(ziel.isDir() && QDir(ziel.filePath()).isEmpty());
    EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{"ziel.xlsx"});
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSwriteOLE, TrappedFailuresAndTheUnsavedEnd) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("nie.xlsx");
    {
        // Without Init there is no application: one report, and lines are refused silently.
        CXLSwriteOLE schreiber;
        EXPECT_FALSE(schreiber.OpenFile(sDatei));
        ASSERT_EQ(meldungen.meldungen.size(), 1u);
        EXPECT_EQ(meldungen.meldungen[0].sTitel, "Fehler VB00091");
        EXPECT_TRUE(meldungen.meldungen[0].sText.endsWith("\r\n\r\nFunktion: OpenFile/CXlsWrite"))
            << meldungen.meldungen[0].sText.toStdString();
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
        schreiber.CloseFile();
        EXPECT_EQ(meldungen.meldungen.size(), 1u);
        EXPECT_THROW(schreiber.Feld(0), VbFehler);
        EXPECT_THROW(schreiber.Feld(26), VbFehler);
    }
    {
        // A line below the last row of the sheet fails, is reported, and still uses up its row.
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sDatei));
        schreiber.Reset();
        for (int32_t i = 1; i <= 1048576; ++i) schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER);
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048576);
        EXPECT_EQ(meldungen.meldungen.size(), 1u);
        schreiber.sName = "zu tief";
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048577);
        ASSERT_EQ(meldungen.meldungen.size(), 2u);
        EXPECT_EQ(meldungen.meldungen[1].sTitel, "Fehler VB01004");
        EXPECT_TRUE(meldungen.meldungen[1].sText.endsWith("Funktion: WriteLine/CXlsWrite"));
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048578);
        // Released without CloseFile: the workbook is dropped, nothing is saved.
    }
    EXPECT_FALSE(QFile::exists(sDatei));
    EXPECT_EQ(meldungen.meldungen.size(), 3u);
}
