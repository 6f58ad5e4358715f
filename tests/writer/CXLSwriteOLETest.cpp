// The writer: lines of every type, saved in both output formats, as the independent reader sees
// them and as LibreOffice opens the XML Spreadsheet file when it is installed; its failures.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <tuple>
#include <vector>

#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "writer/CXLSwriteOLE.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

/// A row as read back: `anfang`, `sRest` up to column Y (the last the writer formats), Z empty.
QStringList zeile(QStringList anfang, const QString& sRest) {
    while (anfang.size() < 25) anfang << sRest;
    return anfang << QStringLiteral("None");
}

/// Writes a line of every type to `sPfad` (its extension picks the format) and saves; the ID
/// "0815" and the grade "=1+1" are texts, type 7 is unknown to the writer.
void schreibeBeispiel(const QString& sPfad) {
    CXLSwriteOLE w;
    ASSERT_TRUE(w.Init() && w.OpenFile(sPfad));
    const std::pair<int16_t, QStringList> zeilen[] = {
        {CXLSwriteOLE::ZEILE_KOPF2,
         {"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf", "Deutsch", "Mathematik"}},
        {CXLSwriteOLE::ZEILE_AZUBI,
         {"0815", "Schmidt-Großkopf", "Anna", "24.12.1989", "Bäckerin", "=1+1", "4,5"}},
        {CXLSwriteOLE::ZEILE_AZUBI2, {}},
        {CXLSwriteOLE::ZEILE_KOPF1, {"4711", "", "", "", "Beruf", "Titel"}},
        {7, {"", "Typ sieben"}},
    };
    for (const auto& [iTyp, felder] : zeilen) {
        w.Reset();
        for (int i = 0; i < felder.size(); ++i) w.Feld(i + 1) = felder[i];
        ASSERT_TRUE(w.WriteLine(iTyp));
    }
    EXPECT_EQ(w.iMaxSpalteBisher(), 7);
    EXPECT_FALSE(QFile::exists(sPfad));  // nothing goes to disk before the save
    w.CloseFile();
    w.CloseFile();  // the second does nothing
    EXPECT_FALSE(w.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    EXPECT_EQ(w.lZeileGeschrieben(), 5);
}

/// The example's rows 1 to 6 as either format reads them, the first spare row last.
const std::vector<QStringList> BEISPIEL = {
    zeile({"'Azubi-ID' FFFFFFCC fett", "'Name' FFFFFFCC fett", "'Vorname' FFFFFFCC fett",
           "'GebDat' FFFFFFCC fett", "'Beruf' FFFFFFCC fett", "'Deutsch' FFFFFFCC fett center",
           "'Mathematik' FFFFFFCC fett center"},
          "None FFFFFFCC fett center"),
    zeile({"'0815' FFFFFFCC [0]", "'Schmidt-Großkopf' FFFFFFCC offen", "'Anna' FFFFFFCC offen",
           "'24.12.1989' FFFFFFCC offen", "'Bäckerin' FFFFFFCC", "'=1+1' right [0.0] offen",
           "4.5 right [0.0] offen"},
          "None right [0.0] offen"),
    zeile({"None FFFFFFCC [0] offen", "None FFFFFFCC offen", "None FFFFFFCC offen",
           "None FFFFFFCC offen", "None FFFFFFCC offen"},
          "None right [0.0] offen"),
    zeile({"4711 FFFFFFCC fett", "None FFFFFFCC fett", "None FFFFFFCC fett", "None FFFFFFCC fett",
           "'Beruf' FFFFFFCC fett right", "'Titel' FFFFFFCC fett center"},
          "None FFFFFFCC fett center"),
    zeile({"None", "'Typ sieben'"}, "None"),
    zeile({}, "None offen"),
};

}  // namespace

TEST(CXLSwriteOLE, LinesOfEveryTypeInBothFormatsAsReadBack) {
    // Widths: "Schmidt-Großkopf" fits 16.7 characters, 122 pixels; the standard is 64 pixels.
    // .xlsx states them in characters (1/256 steps), XML Spreadsheet in points.
    const std::tuple<const char*, double, double> formate[] = {
        {"Ausgabe.xlsx", 4461 / 256.0, 2340 / 256.0}, {"Ausgabe.XML", 91.5, 48.0}};
    for (const auto& [sName, dName, dStandard] : formate) {
        SCOPED_TRACE(sName);
        QTemporaryDir ordner;
        schreibeBeispiel(ordner.filePath(sName));
        EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{sName});  // no temporary file left

        const GeleseneMappe m(ordner.filePath(sName));
        EXPECT_EQ(m.Blattnamen(), QStringList{"VELMORA"});
        EXPECT_EQ(m.Aktiv(), "VELMORA");
        const QJsonObject schutz = m.Blatt()["protection"].toObject();
        EXPECT_TRUE(schutz["sheet"].toBool());
        EXPECT_FALSE(schutz["objects"].toBool() || schutz["scenarios"].toBool());
        EXPECT_TRUE(gRasterGleich(m, "A1", BEISPIEL));
        // 100 editable spare rows below the last line, then nothing.
        EXPECT_TRUE(gRasterGleich(m, "A105", {zeile({}, "None offen"), zeile({}, "None")}));

        // The subjects share the width of the widest heading, wider than the standard.
        const QJsonObject breiten = m.Blatt()["widths"].toObject();
        EXPECT_EQ(breiten.size(), 25);
        EXPECT_DOUBLE_EQ(breiten["B"].toDouble(), dName);
        EXPECT_DOUBLE_EQ(breiten["F"].toDouble(), breiten["G"].toDouble());
        EXPECT_GT(breiten["F"].toDouble(), dStandard);
        EXPECT_DOUBLE_EQ(breiten["H"].toDouble(), dStandard);
    }
}

TEST(CXLSwriteOLE, LibreOfficeReadsTheXmlOutputAsWritten) {
    const QString sSoffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (sSoffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir ordner;
    schreibeBeispiel(ordner.filePath("Ausgabe.xml"));
    // Through LibreOffice's "MS Excel 2003 XML" import, which reads protection too (the one it
    // picks by itself in 7.4 drops it).
    QProcess soffice;
    soffice.start(sSoffice, {"-env:UserInstallation=file://" + ordner.filePath("profil"),
                             "--headless", "--infilter=MS Excel 2003 XML", "--convert-to", "xlsx",
                             "--outdir", ordner.filePath("aus"), ordner.filePath("Ausgabe.xml")});
    ASSERT_TRUE(soffice.waitForFinished(180000));
    const GeleseneMappe m(ordner.filePath("aus/Ausgabe.xlsx"));
    EXPECT_EQ(m.Blattnamen(), QStringList{"VELMORA"});
    EXPECT_TRUE(m.Blatt()["protection"].toObject()["sheet"].toBool());
    EXPECT_TRUE(gRasterGleich(m, "A1", BEISPIEL));
}

TEST(CXLSwriteOLE, AFailedSaveRaisesAndOtherFailuresAreReportedWithoutAFile) {
    EingesetzterRecorder meldungen;
    QTemporaryDir ordner;
    {
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init() && schreiber.OpenFile(ordner.filePath("fehlt/ausgabe.xlsx")));
        schreiber.sName = "x";
        ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
        EXPECT_THROW(schreiber.CloseFile(), VbFehler);
        // Still open: the run's caller reports, the end of the object discards the workbook.
        EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    }

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
        ASSERT_TRUE(schreiber.Init() && schreiber.OpenFile(sDatei));
        // A blank counts as content for the widest column.
        schreiber.AllesLeerzeichen();
        schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER);
        EXPECT_EQ(schreiber.iMaxSpalteBisher(), 25);
        schreiber.Reset();
        for (int32_t i = 2; i <= 1048576; ++i) schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER);
        schreiber.sName = "zu tief";
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048578);
        // Released without CloseFile: the workbook is dropped, nothing is saved.
    }
    ASSERT_EQ(meldungen.meldungen.size(), 3u);
    EXPECT_EQ(meldungen.meldungen[1].sTitel, "Fehler VB01004");
    EXPECT_TRUE(meldungen.meldungen[1].sText.endsWith("Funktion: WriteLine/CXlsWrite"));
    EXPECT_TRUE(gEintraegeIn(ordner.path()).isEmpty());
}
