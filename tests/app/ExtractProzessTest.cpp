// "rastfang extract" as a process without a display: stdout, stderr, exit code and the files it
// leaves behind, read back by the independent reader.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include "AppHilfen.h"
#include "KleinerDatentraeger.h"
#include "TestHilfen.h"
#include "app/Kommandozeile.h"

using namespace rastfang::test;

namespace {

struct Lauf {
    QString sAus;
    QString sFehler;
    int iExit = -1;
    bool operator==(const Lauf&) const = default;
};
void PrintTo(const Lauf& l, std::ostream* os) {
    *os << "exit " << l.iExit << " | " << l.sAus.toStdString() << " | " << l.sFehler.toStdString();
}

// Runs the program with no display at all, so that nothing can quietly need one.
Lauf starte(const QStringList& argumente, const QString& sDatenordner = {},
            const QProcessEnvironment& zusatz = {}) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(zusatz);
    for (const char* psz : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) umgebung.remove(psz);
    if (!sDatenordner.isEmpty()) umgebung.insert(QStringLiteral("XDG_DATA_HOME"), sDatenordner);
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(RASTFANG_BINARY_DIR "/rastfang"), argumente);
    EXPECT_TRUE(p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit);
    return {QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError()), p.exitCode()};
}

QString zusammenfassung(const QString& sFilter, int i10a, int i10b) {
    return gsErwarteteZusammenfassung(sFilter, i10a, i10b).replace("\r\n", "\n") + u'\n';
}

const QString ERGEBNISSE = gsTestdatei(QStringLiteral("app_ergebnisse.xlsx"));

}  // namespace

TEST(ExtractProzess, FullRunPrintsTheSummaryAndWritesTheFilteredApprentices) {
    QTemporaryDir tmp;
    const QString sAus = tmp.filePath(QStringLiteral("velmora.xlsx"));
    EXPECT_EQ(starte({"extract", ERGEBNISSE, sAus, "--name", "b", "--datenfilter", "A",
                      "--filterwert", "BK1"}),
              (Lauf{zusammenfassung(QStringLiteral("'BK1'"), 3, 2), {}, 0}));

    const QStringList LEER(7, QStringLiteral("' '"));
    const QStringList NICHTS(7, QStringLiteral("None"));
    EXPECT_TRUE(gRasterGleich(
        GeleseneMappe(sAus), "B1",
        {LEER,
         {"'Name'", "'Vorname'", "'GebDat'", "'Beruf'", "'Deutsch'", "'Mathematik'", "'Englisch'"},
         {"'Müller'", "'Anna'", "'15.03.2004'", "'Kauffrau'", "2.3", "1.8", "'-'"},
         {"'Weiß'", "'Lena'", "'30.01.2005'", "'Kauffrau'", "2", "4", "'befr.'"},
         {"'Öztürk'", "'Emre'", "'07.07.2004'", "'Mechatroniker'", "3.5", "2.8", "1"},
         NICHTS,
         LEER,
         {"'Name'", "'Vorname'", "'GebDat'", "'Beruf'", "'Deutsch'", "'Wirtschaft'", "None"},
         {"'Becker'", "'Tim'", "'01.05.2004'", "'Industriekaufmann'", "1.5", "2.5", "None"},
         {"'Klein'", "'Paul'", "'28.02.2005'", "'Industriekaufmann'", "4", "3.3", "None"},
         NICHTS},
        Raster::Werte));

    // Start row 2.5 rounds half to even, to 2: only the second worksheet's headings are found.
    EXPECT_EQ(starte({"extract", ERGEBNISSE, tmp.filePath("ab2.xlsx"), "--name", "B",
                      "--startzeile", "2.5"}),
              (Lauf{zusammenfassung(QStringLiteral("ohne"), 0, 3), {}, 0}));

    // Headings but nobody below them: every worksheet counted with 0, not one value written.
    const QString sLeer = tmp.filePath(QStringLiteral("leer.xlsx"));
    EXPECT_TRUE(
        starte({"extract", gsTestdatei("app_ohne_azubis.xlsx"), sLeer, "--name", "A"})
            .sAus.endsWith("-\nLeer                         0\nAuch leer                    0\n"));
    EXPECT_TRUE(GeleseneMappe(sLeer).Blatt()[QStringLiteral("values")].toObject().isEmpty());
}

TEST(ExtractProzess, ExistingOutputIsReplacedOnlyAfterYes) {
    QTemporaryDir tmp;
    const QString sAus = tmp.filePath(QStringLiteral("vorhanden.xlsx"));
    const QString sDaten = tmp.filePath(QStringLiteral("daten"));

    gSchreibe(sAus, "alt");
    const auto frage = [](const QString& sPfad) {
        return "Frage VLM00131\nDie Datei " + sPfad +
               "\nist schon vorhanden.\n\nSoll sie überschrieben werden?\n";
    };
    EXPECT_EQ(starte({"extract", ERGEBNISSE, sAus, "--name", "B"}, tmp.filePath("fehlt")),
              (Lauf{{}, frage(sAus) + "Antwort: Nein\n", 1}));
    EXPECT_EQ(gInhalt(sAus), "alt");

    // "Ja", the name in other letter case: the old output to the trash, the new one in its place.
    ASSERT_TRUE(QDir().mkpath(sDaten));
    const QString sGross = tmp.filePath(QStringLiteral("VORHANDEN.XLSX"));
    EXPECT_EQ(
        starte({"extract", ERGEBNISSE, sGross, "--name", "B", "--ueberschreiben"}, sDaten),
        (Lauf{zusammenfassung(QStringLiteral("ohne"), 4, 3), frage(sGross) + "Antwort: Ja\n", 0}));
    EXPECT_EQ(gInhalt(sDaten + QStringLiteral("/Trash/files/vorhanden.xlsx")), "alt");
    EXPECT_EQ(gEintraegeIn(tmp.path()), (QStringList{"VORHANDEN.XLSX", "daten"}));
    EXPECT_EQ(GeleseneMappe(sGross).Blattnamen(), QStringList{"VELMORA"});
}

TEST(ExtractProzess, FullTargetDiskGivesTheOldOutputBack) {
    const KleinerDatentraeger klein(128);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString sAus = klein.Pfad() + QStringLiteral("/Aus [1].xlsx");
    gSchreibe(sAus, "alt");
    ASSERT_TRUE(QFile::setPermissions(sAus, QFile::ReadOwner | QFile::WriteOwner));
    klein.Fuellen(4);
    const Lauf lauf = starte({"extract", ERGEBNISSE, sAus, "--name", "B", "--ueberschreiben"},
                             klein.Pfad() + QStringLiteral("/kein-datenordner"));
    EXPECT_EQ(lauf.iExit, 3);
    EXPECT_TRUE(lauf.sFehler.contains(QStringLiteral("nicht genug Platz")) &&
                !lauf.sFehler.contains(QStringLiteral("[ERROR]")))
        << lauf.sFehler.toStdString();
    EXPECT_EQ(gInhalt(sAus), "alt");
    EXPECT_EQ(QFile::permissions(sAus),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(gEintraegeIn(klein.Pfad()), (QStringList{"Aus [1].xlsx", "fuellung"}));
}

TEST(ExtractProzess, FailuresAndUsageErrorsHaveTheirExitCodes) {
    QTemporaryDir tmp;
    const QString sKaputt = tmp.filePath(QStringLiteral("kaputt.xlsx"));
    gSchreibe(sKaputt, QByteArray("PK\x03\x04 kein Arbeitsblatt", 22));
    Lauf lauf = starte({"extract", sKaputt, tmp.filePath("b.xlsx"), "--name", "B"});
    EXPECT_EQ(std::pair(lauf.iExit, lauf.sAus), std::pair(3, QString()));
    EXPECT_TRUE(lauf.sFehler.startsWith(QStringLiteral("Fehler VB01004\n")));
    EXPECT_TRUE(lauf.sFehler.endsWith(QStringLiteral("Funktion: OpenFile/CXlsExtract\n")))
        << lauf.sFehler.toStdString();

    // Without a display the window form points at the extract form.
    for (const auto& [argumente, iExit, sAnfang] :
         std::vector<std::tuple<QStringList, int, QString>>{
             {{"extract", "nur-eine.xlsx"},
              2,
              "extract braucht genau zwei Dateien: EINGABE und AUSGABE.\n\nAufruf:\n"},
             {{"--help"}, 0, "Aufruf:\n"},
             {{"--version"}, 0, rastfang::gsVersion()},
             {{}, 2, "Rastfang findet keine Anzeige"}}) {
        lauf = starte(argumente);
        EXPECT_EQ(lauf.iExit, iExit) << sAnfang.toStdString();
        EXPECT_TRUE((iExit ? lauf.sFehler : lauf.sAus).startsWith(sAnfang))
            << lauf.sAus.toStdString() << lauf.sFehler.toStdString();
    }
    EXPECT_TRUE(lauf.sFehler.contains(QStringLiteral("  rastfang extract EINGABE AUSGABE")));
}

// A decimal comma anywhere in the file would make openpyxl refuse it or turn 1,5 into 1.
TEST(ExtractProzess, ExampleGivesTheSameWorkbookUnderCAndGermanLocale) {
    // de_DE.UTF-8 made once with localedef where scripts/test.sh makes it: the system need not
    // have it.
    const QString sLocpath = QStringLiteral(RASTFANG_BINARY_DIR "/locale");
    if (!QFileInfo::exists(sLocpath + "/de_DE.UTF-8/LC_NUMERIC") && QDir().mkpath(sLocpath))
        QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", sLocpath + "/de_DE.UTF-8"});
    if (!QFileInfo::exists(sLocpath + "/de_DE.UTF-8/LC_NUMERIC"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale (package locales)";
    QTemporaryDir tmp;
    const QString sBeispiel =
        QStringLiteral(RASTFANG_TESTDATA "/../../examples/berufsschule_ergebnisse.xlsx");
    const QStringList optionen{"--name", "C", "--datenfilter", "B", "--filterwert", "IHK"};
    const auto laufMit = [&](const QString& sLocale) {
        QProcessEnvironment umgebung;
        umgebung.insert(QStringLiteral("LC_ALL"), sLocale);
        if (sLocale.startsWith(u'd')) umgebung.insert(QStringLiteral("LOCPATH"), sLocpath);
        return starte(QStringList{"extract", sBeispiel, tmp.filePath(sLocale + ".xlsx")} + optionen,
                      tmp.path(), umgebung);
    };
    EXPECT_EQ(laufMit(QStringLiteral("de_DE.UTF-8")), laufMit(QStringLiteral("C.UTF-8")));

    const QJsonObject blattC = GeleseneMappe(tmp.filePath("C.UTF-8.xlsx")).Blatt();
    const QJsonObject blattDe = GeleseneMappe(tmp.filePath("de_DE.UTF-8.xlsx")).Blatt();
    EXPECT_FALSE(blattC[QStringLiteral("cells")].toObject().isEmpty());
    EXPECT_EQ(QJsonDocument(blattDe).toJson(), QJsonDocument(blattC).toJson());
}
