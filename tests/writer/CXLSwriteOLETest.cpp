// The writer's lines as the independent reader sees them in the saved workbook, its finishing
// (widths, spare rows, protection, save) and its failures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "TestHilfen.h"
#include "basis/Plattform.h"
#include "basis/VbFehler.h"
#include "writer/CXLSwriteOLE.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

/// What openpyxl sees in the saved workbook: sheet names, protection flags and password,
/// column widths, and the rows `sZeilen` ("1,2,57") as 26 cells each, written
/// "<value repr> [gelb] [fett] [alignment] [<number format>] [offen]" (defaults left out).
QJsonObject gAusgabe(const QString& sPfad, const QString& sZeilen) {
    const QString aus = gsPython(QStringLiteral(R"PY(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
p = ws.protection
def zelle(z):
    f = z.fill.fgColor.rgb if z.fill.fill_type == "solid" else ""
    t = [repr(z.value), "gelb" if str(f).endswith("FFFFCC") else str(f), "fett" if z.font.b else "",
         z.alignment.horizontal or "", "" if z.number_format == "General" else "[%s]" % z.number_format,
         "" if z.protection.locked else "offen"]
    return " ".join(x for x in t if x)
aus = {"blaetter": wb.sheetnames, "schutz": [p.sheet, p.objects, p.scenarios, p.password],
       "breiten": {}, "zeilen": {}}
for d in list(ws.column_dimensions.values()):
    for c in range(d.min or 1, (d.max or 0) + 1):
        aus["breiten"][str(c)] = d.width
for r in sys.argv[2].split(","):
    aus["zeilen"][r] = [zelle(ws.cell(int(r), c)) for c in range(1, 27)]
print(json.dumps(aus))
)PY"),
                                 {sPfad, sZeilen});
    return QJsonDocument::fromJson(aus.toUtf8()).object();
}

/// Row `r` reads as `zellen` in the first columns, as `sRest` in the others up to 25, and
/// column 26 is empty.
void pruefeZeile(const QJsonObject& datei, int r, QStringList zellen, const QString& sRest) {
    while (zellen.size() < 25) zellen << sRest;
    zellen << "None";
    const QJsonArray ist = datei["zeilen"].toObject()[QString::number(r)].toArray();
    ASSERT_EQ(ist.size(), 26) << r;
    for (int c = 0; c < 26; ++c) {
        EXPECT_EQ(ist[c].toString().toStdString(), zellen[c].toStdString())
            << "Zeile " << r << ", Spalte " << c + 1;
    }
}

const QString AZUBI_FACH = QStringLiteral("None right [0.0] offen");

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
        kopf << QStringLiteral("'%1' gelb fett").arg(schreiber.Feld(c)) + (c >= 6 ? " center" : "");
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

    const QJsonObject datei = gAusgabe(sDatei, "1,2,3,4,5,6,7,106,107");
    EXPECT_EQ(datei["blaetter"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_EQ(datei["schutz"].toArray(), (QJsonArray{true, false, false, QJsonValue()}));
    pruefeZeile(datei, 1, kopf, "None gelb fett center");
    // Regional numbers become numbers.
    pruefeZeile(datei, 2,
                {"None gelb [0]", "'Müller' gelb offen", "'Anna' gelb offen",
                 "'05.03.2005' gelb offen", "'Koch' gelb", "2.3 right [0.0] offen",
                 "1.8 right [0.0] offen", "'gut' right [0.0] offen"},
                AZUBI_FACH);
    pruefeZeile(datei, 3,
                {"None gelb [0] offen", "None gelb offen", "None gelb offen", "None gelb offen",
                 "None gelb offen"},
                AZUBI_FACH);
    pruefeZeile(datei, 4, {}, "' '");
    pruefeZeile(datei, 5,
                {"4711 gelb fett", "None gelb fett", "None gelb fett", "None gelb fett",
                 "'Beruf' gelb fett right", "'Titel' gelb fett center"},
                "None gelb fett center");
    pruefeZeile(datei, 6, {"None", "'Typ sieben'"}, "None");
    // 100 spare rows below the last line are editable, the row after them is not.
    pruefeZeile(datei, 7, {}, "None offen");
    pruefeZeile(datei, 106, {}, "None offen");
    pruefeZeile(datei, 107, {}, "None");

    // Columns 6 to 25 share the width of the widest of them.
    const QJsonObject breiten = datei["breiten"].toObject();
    for (int c = 7; c <= 25; ++c) EXPECT_EQ(breiten[QString::number(c)], breiten["6"]) << c;
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
    const QJsonObject datei = gAusgabe(sDatei, "57,58,157,158");
    // "2,0" is stored as the number 2.
    pruefeZeile(datei, 57,
                {"57 gelb [0]", "'Azubi 57' gelb offen", "None gelb offen", "None gelb offen",
                 "None gelb", AZUBI_FACH, "2 right [0.0] offen", AZUBI_FACH, "1 right [0.0] offen"},
                AZUBI_FACH);
    pruefeZeile(datei, 58, {}, "None offen");
    pruefeZeile(datei, 157, {}, "None offen");
    pruefeZeile(datei, 158, {}, "None");

    // Columns 6 to 9 take the width of the long subject name; column 10 keeps its own.
    const QJsonObject breiten = datei["breiten"].toObject();
    for (int c = 6; c <= 9; ++c) EXPECT_EQ(breiten[QString::number(c)], breiten["7"]) << c;
    EXPECT_GT(breiten["7"].toDouble(), 20.0);
    EXPECT_LT(breiten["10"].toDouble(), 12.0);
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
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"ziel.xlsx"});
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
