// A small output written by the writer and saved in both file formats, as the independent reader
// sees it, and as LibreOffice opens the XML Spreadsheet file when it is installed.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vector>

#include "Rasterzeile.h"
#include "TestHilfen.h"
#include "writer/CXLSwriteOLE.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

/// Writes the example output to `sPfad` (the extension picks the format): a header line with
/// two subjects, two apprentice lines (one without ID, one with the text "0815" as ID and a
/// formula text as grade) and the closing spare line.
void schreibeBeispiel(const QString& sPfad) {
    CXLSwriteOLE w;
    ASSERT_TRUE(w.Init());
    ASSERT_TRUE(w.OpenFile(sPfad));
    const std::pair<int16_t, QStringList> zeilen[] = {
        {CXLSwriteOLE::ZEILE_KOPF2,
         {"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf", "Deutsch", "Mathematik"}},
        {CXLSwriteOLE::ZEILE_AZUBI, {"", "Müller", "Jörg", "01.02.1990", "Koch", "2,3", "1"}},
        {CXLSwriteOLE::ZEILE_AZUBI,
         {"0815", "Schmidt-Großkopf", "Anna", "24.12.1989", "Bäckerin", "=1+1", "4,5"}},
        {CXLSwriteOLE::ZEILE_AZUBI2, {}},
    };
    for (const auto& [iTyp, felder] : zeilen) {
        w.Reset();
        for (int i = 0; i < felder.size(); ++i) w.Feld(i + 1) = felder[i];
        ASSERT_TRUE(w.WriteLine(iTyp));
    }
    w.CloseFile();
}

/// The example's rows 1 to 5 as either format reads: numbers stay numbers, everything else
/// text; fills, bold, alignments, number formats and locks by the kind of line; the spare area.
const std::vector<QStringList> BEISPIEL = {
    gRasterzeile({"'Azubi-ID' FFFFFFCC fett", "'Name' FFFFFFCC fett", "'Vorname' FFFFFFCC fett",
                  "'GebDat' FFFFFFCC fett", "'Beruf' FFFFFFCC fett",
                  "'Deutsch' FFFFFFCC fett center", "'Mathematik' FFFFFFCC fett center"},
                 "None FFFFFFCC fett center"),
    gRasterzeile({"None FFFFFFCC [0]", "'Müller' FFFFFFCC offen", "'Jörg' FFFFFFCC offen",
                  "'01.02.1990' FFFFFFCC offen", "'Koch' FFFFFFCC", "2.3 right [0.0] offen",
                  "1 right [0.0] offen"},
                 "None right [0.0] offen"),
    gRasterzeile({"'0815' FFFFFFCC [0]", "'Schmidt-Großkopf' FFFFFFCC offen",
                  "'Anna' FFFFFFCC offen", "'24.12.1989' FFFFFFCC offen", "'Bäckerin' FFFFFFCC",
                  "'=1+1' right [0.0] offen", "4.5 right [0.0] offen"},
                 "None right [0.0] offen"),
    gRasterzeile({"None FFFFFFCC [0] offen", "None FFFFFFCC offen", "None FFFFFFCC offen",
                  "None FFFFFFCC offen", "None FFFFFFCC offen"},
                 "None right [0.0] offen"),
    gRasterzeile({}, "None offen"),
};

}  // namespace

TEST(Ausgabeformate, BothFormatsCarryTheWholeOutput) {
    // Widths: "Schmidt-Großkopf" fits 16.7 characters, 122 pixels; the standard is 64 pixels.
    // .xlsx states them in characters (1/256 steps), XML Spreadsheet in points.
    const struct {
        const char* sName;
        double dName, dStandard;
    } formate[] = {{"Ausgabe.xlsx", 4461 / 256.0, 2340 / 256.0}, {"Ausgabe.XML", 91.5, 48.0}};
    for (const auto& f : formate) {
        SCOPED_TRACE(f.sName);
        QTemporaryDir ordner;
        schreibeBeispiel(ordner.filePath(f.sName));
        EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{f.sName});  // no temporary file left

        const GeleseneMappe m(ordner.filePath(f.sName));
        EXPECT_EQ(m.Blattnamen(), QStringList{"VELMORA"});
        EXPECT_EQ(m.Aktiv(), "VELMORA");
        const QJsonObject schutz = m.Blatt()["protection"].toObject();
        EXPECT_TRUE(schutz["sheet"].toBool());
        EXPECT_FALSE(schutz["objects"].toBool());
        EXPECT_FALSE(schutz["scenarios"].toBool());
        EXPECT_TRUE(gRasterGleich(m, "A1", BEISPIEL));
        // 100 editable spare rows below the last line, then nothing.
        EXPECT_TRUE(
            gRasterGleich(m, "A104", {gRasterzeile({}, "None offen"), gRasterzeile({}, "None")}));

        // The subjects share the width of the widest heading, wider than the standard.
        const QJsonObject breiten = m.Blatt()["widths"].toObject();
        EXPECT_EQ(breiten.size(), 25);
        EXPECT_DOUBLE_EQ(breiten["B"].toDouble(), f.dName);
        EXPECT_DOUBLE_EQ(breiten["F"].toDouble(), breiten["G"].toDouble());
        EXPECT_GT(breiten["F"].toDouble(), f.dStandard);
        EXPECT_DOUBLE_EQ(breiten["H"].toDouble(), f.dStandard);
    }
}

namespace {

/// Converts `sXml` to .xlsx with LibreOffice headless, through import filter `sFilter` (empty:
/// LibreOffice's own choice), into folder `sArbeit`/aus; returns the converted file's path.
QString konvertiert(const QString& sSoffice, const QString& sXml, const QString& sFilter,
                    const QString& sArbeit) {
    const QString sAus = sArbeit + "/aus" + (sFilter.isEmpty() ? "1" : "2");
    QStringList args{"-env:UserInstallation=file://" + sArbeit + "/profil", "--headless"};
    if (!sFilter.isEmpty()) args << "--infilter=" + sFilter;
    args += QStringList{"--convert-to", "xlsx", "--outdir", sAus, sXml};
    QProcess soffice;
    soffice.start(sSoffice, args);
    EXPECT_TRUE(soffice.waitForFinished(180000));
    const QString sXlsx = sAus + "/" + QFileInfo(sXml).completeBaseName() + ".xlsx";
    EXPECT_TRUE(QFile::exists(sXlsx)) << soffice.readAllStandardError().toStdString();
    return sXlsx;
}

}  // namespace

TEST(Ausgabeformate, LibreOfficeReadsTheXmlOutputAsWritten) {
    const QString sSoffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (sSoffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    QTemporaryDir ordner;
    const QString sPfad = ordner.filePath("Ausgabe.xml");
    schreibeBeispiel(sPfad);

    // LibreOffice's "MS Excel 2003 XML" import reads everything, protection included.
    const GeleseneMappe m(konvertiert(sSoffice, sPfad, "MS Excel 2003 XML", ordner.path()));
    EXPECT_EQ(m.Blattnamen(), QStringList{"VELMORA"});
    EXPECT_TRUE(m.Blatt()["protection"].toObject()["sheet"].toBool());
    EXPECT_TRUE(gRasterGleich(m, "A1", BEISPIEL));

    // The import LibreOffice picks by itself (liborcus in 7.4) drops protection, but keeps
    // content, number formats and colours.
    const GeleseneMappe standard(konvertiert(sSoffice, sPfad, {}, ordner.path()));
    EXPECT_EQ(standard.Blattnamen(), QStringList{"VELMORA"});
    EXPECT_TRUE(standard.Zelle("A1").contains("FFFFFFCC fett"));
    EXPECT_TRUE(standard.Zelle("A4").contains("FFFFFFCC"));
    EXPECT_EQ(standard.Wert("B2"), "'Müller'");
    EXPECT_TRUE(standard.Zelle("F2").startsWith("2.3 ") && standard.Zelle("F2").contains("0.0]"));
}
