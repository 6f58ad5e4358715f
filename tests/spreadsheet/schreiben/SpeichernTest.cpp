// Saved workbooks as the independent reader sees them; saving that cannot succeed: 1004 naming
// the file and the reason, the target untouched, no temporary file left behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "KleinerDatentraeger.h"
#include "TestHilfen.h"
#include "basis/VbFehler.h"
#include "spreadsheet/Excel.h"
#include "spreadsheet/schreiben/Zieldatei.h"

using namespace rastfang;
using namespace rastfang::spreadsheet;
using namespace rastfang::test;

namespace {

/// A new workbook with one value to save.
class Speichern : public ::testing::Test {
  protected:
    void SetUp() override { mappe->GetSheets()(1).Cells(1, 1).SetValue("x"); }
    /// SaveAs to `sPfad` raises 1004 whose description names the file and contains `sGrund`.
    void ErwarteFehler(const QString& sPfad, const char* sGrund = "") {
        const auto [iNummer, sText] = gFehler([&] { mappe->SaveAs(sPfad); });
        EXPECT_TRUE(iNummer == FEHLER_ANWENDUNG && sText.contains(sPfad) && sText.contains(sGrund))
            << iNummer << " " << sText.toStdString();
    }
    QTemporaryDir ordner;
    Application app;
    std::shared_ptr<Workbook> mappe = app.GetWorkbooks().Add();
};

}  // namespace

TEST_F(Speichern, ReplacesAnExistingFileWithEverySheetAsItIs) {
    const QString sPfad = ordner.filePath("Ziel.XLSX");
    gSchreibe(sPfad, "alter Inhalt");
    mappe->Daten()->b1904 = true;  // as a workbook from an old Mac would come in
    mappe->GetSheets()(2).SetName("Übersicht");
    Worksheet eins = mappe->GetSheets()(1);
    eins.Cells(1, 1).SetValue("eins");
    eins.Cells(2, 1).SetValue("0");
    eins.Cells(2, 1).SetNumberFormat("DD.MM.YYYY");  // day 0 of 1904
    eins.Cells(3, 1).SetValue("0");                  // a plain number is no date and stays 0
    mappe->GetSheets()(3).Cells(2, 2).SetValue("-0,125");
    mappe->GetSheets()(3).Daten()->SetzeVersteckt(true);
    // Many rows with few formats: streamed in row order.
    Worksheet blatt = mappe->GetSheets()(2);
    for (int32_t z = 1; z <= 2000; ++z) blatt.Cells(z, 3).SetValue(QString::number(z));
    blatt.GetRange(blatt.Cells(1000, 1), blatt.Cells(2000, 3)).Font().SetBold(true);
    mappe->SaveAs(sPfad);

    const GeleseneMappe m(sPfad);
    EXPECT_EQ(m.Blattnamen(), (QStringList{"Tabelle1", "Übersicht", "Tabelle3"}));
    EXPECT_EQ(m.Blatt(1)["state"].toString() + m.Blatt(2)["state"].toString(), "visiblehidden");
    EXPECT_TRUE(
        gRasterGleich(m, "A1", {{"'eins'"}, {"1904-01-01 00:00:00"}, {"0"}}, Raster::Werte));
    EXPECT_EQ(m.Wert("B2", 2), "-0.125");
    EXPECT_TRUE(gRasterGleich(m, "A2000", {{"None fett", "None fett", "2000 fett"}}, {}, 1));
    EXPECT_FALSE(m.Blatt()["protection"].toObject()["sheet"].toBool());
    EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{"Ziel.XLSX"});
    EXPECT_EQ(mappe->Daten()->sPfad, sPfad);
}

TEST_F(Speichern, SpecialCharactersSurviveInBothFormats) {
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.Cells(1, 1).SetValue("<a & b>\"'");
    blatt.Cells(2, 1).SetValue("Zeile 1\nZeile 2");
    blatt.Cells(3, 1).SetValue(QString("a") + QChar(1) + "b");
    blatt.Cells(4, 1).SetValue("€ 😀");
    for (const char* sName : {"Zeichen.xlsx", "Zeichen.xml"}) {
        SCOPED_TRACE(sName);
        mappe->SaveAs(ordner.filePath(sName));
        const GeleseneMappe m(ordner.filePath(sName));
        EXPECT_TRUE(gRasterGleich(m, "A1", {{R"('<a & b>"\'')"}, {R"('Zeile 1\nZeile 2')"}},
                                  Raster::Werte));
        // The control character cannot be carried as it is; the text around it stays.
        EXPECT_TRUE(m.Wert("A3").startsWith("'a") && m.Wert("A3").endsWith("b'"))
            << m.Wert("A3").toStdString();
        EXPECT_EQ(m.Wert("A4"), "'€ 😀'");
    }
}

TEST_F(Speichern, UnwritableTargetsGive1004NamingFileAndReason) {
    for (const char* sEndung : {"xlsx", "xml"}) {
        const QString sFehlt = ordner.filePath(QStringLiteral("gibtsnicht/Ausgabe.") + sEndung);
        ErwarteFehler(sFehlt, "existiert nicht");

        const QString sOrdnerZiel = ordner.filePath(QStringLiteral("Ordner.") + sEndung);
        ASSERT_TRUE(QDir().mkpath(sOrdnerZiel));
        ErwarteFehler(sOrdnerZiel, "Ordner");
        EXPECT_TRUE(gEintraegeIn(sOrdnerZiel).isEmpty());

        // Not even root may create files in /proc.
        const QString sProc = QStringLiteral("/proc/rastfang-test.") + sEndung;
        ErwarteFehler(sProc);
        EXPECT_FALSE(QFile::exists(sProc));
    }
    ErwarteFehler(QString());
    EXPECT_EQ(gEintraegeIn(ordner.path()), (QStringList{"Ordner.xlsx", "Ordner.xml"}));
    EXPECT_TRUE(mappe->Daten()->sPfad.isEmpty());  // a failed save names no file
}

TEST_F(Speichern, AFailureHalfwayLeavesOnlyTheOldFile) {
    const QString sZiel = ordner.filePath("Ausgabe.xlsx");
    gSchreibe(sZiel, "alter Inhalt");
    // A name that only a file could have brought in; the .xlsx library refuses it after the
    // temporary file exists.
    mappe->GetSheets()(3).Daten()->SetzeName(QString(40, QLatin1Char('y')));
    ErwarteFehler(sZiel);
    EXPECT_EQ(gInhalt(sZiel), "alter Inhalt");
    EXPECT_EQ(gEintraegeIn(ordner.path()), QStringList{"Ausgabe.xlsx"});
}

TEST_F(Speichern, AFullDiskIsNamedAsReasonAndTheOldFileKept) {
    const KleinerDatentraeger klein(64);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    // Text that does not compress: far more than 64 KiB even zipped.
    QRandomGenerator gen(4711);
    for (int32_t z = 1; z <= 12000; ++z)
        mappe->GetSheets()(1).Cells(z, 1).SetValue(QString::number(gen.generate64(), 36));
    for (const char* sName : {"Ausgabe.xlsx", "Ausgabe.xml"}) {
        const QString sZiel = klein.Pfad() + "/" + sName;
        gSchreibe(sZiel, "alter Inhalt");
        ErwarteFehler(sZiel, "nicht genug Platz");
        EXPECT_EQ(gInhalt(sZiel), "alter Inhalt");
        EXPECT_EQ(gEintraegeIn(klein.Pfad()), QStringList{sName});
        QFile::remove(sZiel);
    }
}

TEST_F(Speichern, StaleTemporaryFilesGoAndReplacedFilesKeepTheirMode) {
    // Left by killed saves: our temporary files older than an hour go at the next save; a
    // fresh one may belong to a save in progress, and a set-aside old output is never touched.
    for (const auto& [sName, iStunden] : {std::pair{".~rfTabc123", 2},
                                          {".~rfTdef456", 0},
                                          {".~rfAghi789/Ausgabe.xlsx", 2},
                                          {".~rfAalt.xlsx", 2}}) {
        gSchreibe(ordner.filePath(sName), "x");
        QFile f(ordner.filePath(sName));
        ASSERT_TRUE(f.open(QIODevice::Append) &&
                    f.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * iStunden),
                                  QFileDevice::FileModificationTime));
    }

    // A replaced file keeps its mode, a new one gets the umask's; a name of 250 bytes saves.
    const QString sZiel = ordner.filePath("Ausgabe.xlsx");
    gSchreibe(sZiel, "alter Inhalt");
    ASSERT_TRUE(QFile::setPermissions(sZiel, QFile::ReadOwner | QFile::WriteOwner));
    mappe->SaveAs(sZiel);
    const QString sLang = ordner.filePath(QString(245, QChar(u'n')) + ".xlsx");
    mappe->SaveAs(sLang);
    const mode_t umask = ::umask(022);
    ::umask(umask);
    const auto modus = [](const QString& sPfad) {
        struct stat st {};
        return ::stat(QFile::encodeName(sPfad).constData(), &st) == 0 ? st.st_mode & 0777 : 0u;
    };
    EXPECT_EQ(std::pair(modus(sZiel), modus(sLang)), std::pair(0600u, 0666u & ~umask));
    EXPECT_EQ(gEintraegeIn(ordner.path()),
              (QStringList{".~rfAalt.xlsx", ".~rfAghi789", ".~rfTdef456", "Ausgabe.xlsx",
                           QFileInfo(sLang).fileName()}));
}

TEST_F(Speichern, AFullTmpDoesNotMatter) {
    // The library's streamed parts go beside the target, not to /tmp. The target lies on /mnt
    // (in the test's own mount namespace): a checkout under /tmp is not covered.
    if (!QFileInfo(QStringLiteral("/mnt")).isDir()) GTEST_SKIP() << "no folder /mnt to mount on";
    const KleinerDatentraeger ziel(4096, QStringLiteral("/mnt"));
    const QString sZiel = ziel.Pfad() + "/Ausgabe.xlsx";
    {
        const KleinerDatentraeger tmp(64, QStringLiteral("/tmp"));
        if (!ziel.bBereit() || !tmp.bBereit())
            GTEST_SKIP() << "mounting a tmpfs is not allowed here";
        tmp.Fuellen();
        Worksheet blatt = mappe->GetSheets()(1);
        for (int32_t z = 1; z <= 3000; ++z) {
            blatt.Cells(z, 1).SetValue(QStringLiteral("Zeile %1").arg(z));
            blatt.Cells(z, 2).SetValue(QString::number(z / 2));
        }
        mappe->SaveAs(sZiel);
    }
    // Read back with /tmp uncovered again: the checkout and its reader may live there.
    EXPECT_TRUE(gRasterGleich(GeleseneMappe(sZiel), "A3000", {{"'Zeile 3000'", "1500"}, {"None"}},
                              Raster::Werte));
}

TEST_F(Speichern, ReasonsWithoutATestableCauseAreGerman) {
    EXPECT_EQ(gsSchreibgrund(EACCES, "/a"),
              "Im Ordner \"/a\" fehlt die Berechtigung zum Schreiben.");
    EXPECT_EQ(gsSchreibgrund(EROFS, "/a"), "Der Datenträger ist schreibgeschützt.");
}
