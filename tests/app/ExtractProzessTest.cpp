// "rastfang extract" as a process without a display: stdout, stderr and exit code.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <clocale>
#include <optional>

#include "KleinerDatentraeger.h"
#include "TestHilfen.h"

using rastfang::test::gsPython;
using rastfang::test::gsTestdatei;

namespace {

struct Lauf {
    QString sAus;
    QString sFehler;
    int iExit = -1;
};

// Runs the program with no display at all, so that nothing can quietly need one.
Lauf starte(const QStringList& argumente, const QString& sDatenordner = {},
            const QProcessEnvironment& zusatz = {}) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const QString& sName : zusatz.keys()) umgebung.insert(sName, zusatz.value(sName));
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        umgebung.remove(QString::fromLatin1(name));
    }
    if (!sDatenordner.isEmpty()) umgebung.insert(QStringLiteral("XDG_DATA_HOME"), sDatenordner);
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(RASTFANG_BINARY_DIR "/rastfang"), argumente);
    EXPECT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return {QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError()), p.exitCode()};
}

Lauf extract(const QString& sEin, const QString& sAus, const QStringList& optionen = {},
             const QString& sDatenordner = {}) {
    return starte(QStringList{QStringLiteral("extract"), sEin, sAus} + optionen, sDatenordner);
}

QString zusammenfassung(const QString& sFilter, int i10a, int i10b) {
    return QStringLiteral(
               "Extraktionsergebnisse\nDatenfilter: %1\nTabelle             Anzahl Azubis\n"
               "---------------------------------\n"
               "Klasse 10a                   %2\nKlasse 10b                   %3\n")
        .arg(sFilter)
        .arg(i10a)
        .arg(i10b);
}

// The LOCPATH under which de_DE.UTF-8 exists: empty when the system has it, else a folder made
// with localedef in the build folder; nullopt when neither works.
std::optional<QString> deutscheLocale() {
    if (locale_t l = newlocale(LC_ALL_MASK, "de_DE.UTF-8", locale_t{})) {
        freelocale(l);
        return QString();
    }
    const QString sOrdner = QStringLiteral(RASTFANG_BINARY_DIR "/locale");
    const QString sLocale = sOrdner + QStringLiteral("/de_DE.UTF-8");
    if (!QFileInfo::exists(sLocale + QStringLiteral("/LC_NUMERIC"))) {
        QDir().mkpath(sOrdner);
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"), sLocale});
    }
    if (!QFileInfo::exists(sLocale + QStringLiteral("/LC_NUMERIC"))) return std::nullopt;
    return sOrdner;
}

const QString ERGEBNISSE = gsTestdatei(QStringLiteral("app_ergebnisse.xlsx"));

}  // namespace

TEST(ExtractProzess, ErfolgMitFilterUndAusgabedatei) {
    QTemporaryDir tmp;
    const QString sAus = tmp.filePath(QStringLiteral("velmora.xlsx"));
    Lauf lauf =
        extract(ERGEBNISSE, sAus, {"--name", "b", "--datenfilter", "A", "--filterwert", "BK1"});
    EXPECT_EQ(lauf.sFehler, QString());
    EXPECT_EQ(lauf.iExit, 0);
    EXPECT_EQ(lauf.sAus, zusammenfassung(QStringLiteral("'BK1'"), 3, 2));

    // Headings but nobody below them: every worksheet counted with 0, no header line written.
    const QString sLeer = tmp.filePath(QStringLiteral("leer.xlsx"));
    lauf = extract(gsTestdatei(QStringLiteral("app_ohne_azubis.xlsx")), sLeer, {"--name", "A"});
    EXPECT_EQ(lauf.iExit, 0);
    EXPECT_EQ(lauf.sFehler, QString());
    EXPECT_TRUE(lauf.sAus.endsWith(
        QStringLiteral("-\nLeer                         0\nAuch leer                    0\n")));

    // The independent reader sees one protected sheet with a header line per worksheet, and
    // not one value in the empty extract.
    const QString sBefund = gsPython(QStringLiteral(R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb["VELMORA"]
print(wb.sheetnames, ws.protection.sheet)
for r in range(1, 12):
    print(r, [ws.cell(row=r, column=c).value for c in range(2, 9)])
leer = openpyxl.load_workbook(sys.argv[2])["VELMORA"]
print(sum(v is not None for r in leer.iter_rows(values_only=True) for v in r))
)"),
                                     {sAus, sLeer});
    EXPECT_EQ(
        sBefund,
        QStringLiteral("['VELMORA'] True\n"
                       "1 [' ', ' ', ' ', ' ', ' ', ' ', ' ']\n"
                       "2 ['Name', 'Vorname', 'GebDat', 'Beruf', 'Deutsch', 'Mathematik', "
                       "'Englisch']\n"
                       "3 ['Müller', 'Anna', '15.03.2004', 'Kauffrau', 2.3, 1.8, '-']\n"
                       "4 ['Weiß', 'Lena', '30.01.2005', 'Kauffrau', 2, 4, 'befr.']\n"
                       "5 ['Öztürk', 'Emre', '07.07.2004', 'Mechatroniker', 3.5, 2.8, 1]\n"
                       "6 [None, None, None, None, None, None, None]\n"
                       "7 [' ', ' ', ' ', ' ', ' ', ' ', ' ']\n"
                       "8 ['Name', 'Vorname', 'GebDat', 'Beruf', 'Deutsch', 'Wirtschaft', "
                       "None]\n"
                       "9 ['Becker', 'Tim', '01.05.2004', 'Industriekaufmann', 1.5, 2.5, None]\n"
                       "10 ['Klein', 'Paul', '28.02.2005', 'Industriekaufmann', 4, 3.3, None]\n"
                       "11 [None, None, None, None, None, None, None]\n"
                       "0\n"));
}

TEST(ExtractProzess, AbgelehnteEingabenUndUeberschreiben) {
    QTemporaryDir tmp;
    const QString sAus = tmp.filePath(QStringLiteral("vorhanden.xlsx"));
    const QString sKeinKorb = tmp.filePath(QStringLiteral("kein-datenordner"));

    // A check fault: its message box on stderr, exit 1, nothing on stdout.
    Lauf lauf = extract(ERGEBNISSE, sAus);
    EXPECT_EQ(lauf.iExit, 1);
    EXPECT_EQ(lauf.sAus, QString());
    EXPECT_EQ(lauf.sFehler,
              QStringLiteral("Fehler VLM00125\nBitte angeben: Tabellenspalte Name     \n"));
    // An existing output is kept unless the question is answered yes.
    {
        QFile f(sAus);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("alt") == 3);
    }
    const QString sFrage = QStringLiteral(
                               "Frage VLM00131\nDie Datei %1\nist schon vorhanden.\n\n"
                               "Soll sie überschrieben werden?\n")
                               .arg(sAus);
    lauf = extract(ERGEBNISSE, sAus, {"--name", "B"}, sKeinKorb);
    EXPECT_EQ(lauf.iExit, 1);
    EXPECT_EQ(lauf.sFehler, sFrage + QStringLiteral("Antwort: Nein\n"));
    EXPECT_EQ(lauf.sAus, QString());
    EXPECT_EQ(QFileInfo(sAus).size(), 3);

    lauf = extract(ERGEBNISSE, sAus, {"--name", "B", "--ueberschreiben"}, sKeinKorb);
    EXPECT_EQ(lauf.iExit, 0);
    EXPECT_EQ(lauf.sFehler, sFrage + QStringLiteral("Antwort: Ja\n"));
    EXPECT_EQ(lauf.sAus, zusammenfassung(QStringLiteral("ohne"), 4, 3));
    EXPECT_GT(QFileInfo(sAus).size(), 3);
}

TEST(ExtractProzess, VolleZielplatteGibtDieAlteAusgabeZurueck) {
    // The target's file system runs full while the new output is written: the failure is
    // reported, and the old output, set aside after the "Ja", is back under its name.
    const rastfang::test::KleinerDatentraeger klein(128);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString sAus = klein.Pfad() + QStringLiteral("/Aus [1].xlsx");
    {
        QFile f(sAus);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("alt") == 3);
        ASSERT_TRUE(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    }
    klein.Fuellen(4);
    const Lauf lauf = extract(ERGEBNISSE, sAus, {"--name", "B", "--ueberschreiben"},
                              klein.Pfad() + QStringLiteral("/kein-datenordner"));
    EXPECT_EQ(lauf.iExit, 3);
    EXPECT_TRUE(lauf.sFehler.contains(QStringLiteral("nicht genug Platz")))
        << lauf.sFehler.toStdString();
    EXPECT_FALSE(lauf.sFehler.contains(QStringLiteral("[ERROR]")));
    QFile alt(sAus);
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), "alt");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(sAus).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(klein.Pfad()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"Aus [1].xlsx", "fuellung"}));
}

TEST(ExtractProzess, FehlerberichteUndAufruf) {
    QTemporaryDir tmp;
    // The start row does not fit 16 bits: the Start handler's error path, exit 3.
    const QString sA = tmp.filePath(QStringLiteral("a.xlsx"));
    Lauf lauf = extract(ERGEBNISSE, sA, {"--name", "B", "--startzeile", "40000"});
    EXPECT_EQ(lauf.iExit, 3);
    EXPECT_EQ(lauf.sAus, QString());
    EXPECT_EQ(lauf.sFehler,
              QStringLiteral("Fehler VB00006\nÜberlauf\n\nFunktion: cmdStart/frmRasterfang\n"));
    EXPECT_FALSE(QFile::exists(sA));

    // An input that is no workbook: the reader's own report, exit 3, no summary.
    const QString sKaputt = tmp.filePath(QStringLiteral("kaputt.xlsx"));
    {
        QFile f(sKaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("PK\x03\x04 kein Arbeitsblatt", 22));
    }
    lauf = extract(sKaputt, tmp.filePath(QStringLiteral("b.xlsx")), {"--name", "B"});
    EXPECT_EQ(lauf.iExit, 3);
    EXPECT_EQ(lauf.sAus, QString());
    EXPECT_TRUE(lauf.sFehler.startsWith(QStringLiteral("Fehler VB01004\n")));
    EXPECT_TRUE(lauf.sFehler.endsWith(QStringLiteral("Funktion: OpenFile/CXlsExtract\n")))
        << lauf.sFehler.toStdString();

    // Usage errors: exit 2 with the German usage text; --help on stdout with exit 0.
    lauf = starte({QStringLiteral("extract"), QStringLiteral("nur-eine.xlsx")});
    EXPECT_EQ(lauf.iExit, 2);
    EXPECT_TRUE(lauf.sFehler.startsWith(
        QStringLiteral("extract braucht genau zwei Dateien: EINGABE und AUSGABE.\n\nAufruf:\n")));
    lauf = starte({QStringLiteral("--help")});
    EXPECT_EQ(lauf.iExit, 0);
    EXPECT_TRUE(lauf.sAus.startsWith(QStringLiteral("Aufruf:\n")));
    EXPECT_EQ(lauf.sFehler, QString());
    lauf = starte({QStringLiteral("--version")});
    EXPECT_EQ(lauf.iExit, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^rastfang \\d+\\.\\d+(\\.\\d+)?\n$"))
                    .match(lauf.sAus)
                    .hasMatch())
        << lauf.sAus.toStdString();

    // The window without a display: a German hint at the extract form.
    lauf = starte({});
    EXPECT_EQ(lauf.iExit, 2);
    EXPECT_TRUE(lauf.sFehler.contains(QStringLiteral("keine Anzeige")));
    EXPECT_TRUE(lauf.sFehler.contains(QStringLiteral("rastfang extract EINGABE AUSGABE")));
}

TEST(ExtractProzess, DieselbeMappeAlsXlsXlsxUndOdsGibtDieselbeExtraktion) {
    // One workbook saved by LibreOffice in three formats: names, dates of birth, grades (one
    // computed by a formula) and the filter column give the same extract cell for cell.
    QTemporaryDir tmp;
    QString sErste;
    for (const char* pszEndung : {"xlsx", "xls", "ods"}) {
        SCOPED_TRACE(pszEndung);
        const QString sEndung = QString::fromLatin1(pszEndung);
        const QString sAus = tmp.filePath(sEndung + QStringLiteral(".xlsx"));
        const Lauf lauf =
            extract(gsTestdatei(QStringLiteral("anzeige/anzeige.") + sEndung), sAus,
                    {"--name", "B", "--vorname", "A", "--geburtsdatum", "C", "--beruf", "A",
                     "--erstes-ergebnis", "D", "--datenfilter", "A", "--filterwert", "BK1"});
        EXPECT_EQ(lauf.iExit, 0) << lauf.sFehler.toStdString();
        const QString sBefund = lauf.sAus + gsPython(QStringLiteral(R"(
import sys, openpyxl
for r in openpyxl.load_workbook(sys.argv[1])["VELMORA"].iter_rows(min_row=3, values_only=True):
    if any(v is not None for v in r):
        print([v for v in r if v is not None])
)"),
                                                     {sAus});
        if (sErste.isEmpty()) {
            sErste = sBefund;
            EXPECT_TRUE(sBefund.contains(
                QStringLiteral("['Bäcker, Jörg', 'BK1', '11.02.2004', 'BK1', 1.8, 2.5, 2.1]")))
                << sBefund.toStdString();
        } else {
            EXPECT_EQ(sBefund, sErste);
        }
    }
}

// The example run must give the same workbook on a German desktop as in the C locale: a decimal
// comma anywhere in the file would make openpyxl refuse it or turn 1,5 into 1.
TEST(ExtractProzess, BeispielGleichUnterCUndDeutsch) {
    const std::optional<QString> sLocpath = deutscheLocale();
    if (!sLocpath) GTEST_SKIP() << "no de_DE.UTF-8 locale (package locales) on this system";
    QTemporaryDir tmp;
    const QString sBeispiel =
        QStringLiteral(RASTFANG_TESTDATA "/../../examples/berufsschule_ergebnisse.xlsx");
    const QStringList optionen{"--name", "C", "--datenfilter", "B", "--filterwert", "IHK"};

    QProcessEnvironment c;
    c.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    QProcessEnvironment deutsch;
    deutsch.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    deutsch.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    if (!sLocpath->isEmpty()) deutsch.insert(QStringLiteral("LOCPATH"), *sLocpath);

    const QString sC = tmp.filePath(QStringLiteral("c.xlsx"));
    const QString sDe = tmp.filePath(QStringLiteral("de.xlsx"));
    const Lauf laufC = starte(QStringList{"extract", sBeispiel, sC} + optionen, tmp.path(), c);
    const Lauf laufDe =
        starte(QStringList{"extract", sBeispiel, sDe} + optionen, tmp.path(), deutsch);
    EXPECT_EQ(laufC.iExit, 0) << laufC.sFehler.toStdString();
    EXPECT_EQ(laufDe.iExit, 0) << laufDe.sFehler.toStdString();
    EXPECT_EQ(laufDe.sAus, laufC.sAus);

    const QString sBefund = gsPython(QStringLiteral(R"(
import sys, openpyxl
def mappe(pfad):
    ws = openpyxl.load_workbook(pfad)["VELMORA"]
    zellen = [(z.coordinate, z.value, z.number_format, z.font.b, z.fill.fgColor.rgb,
               z.protection.locked) for zeile in ws.iter_rows() for z in zeile]
    breiten = sorted((k, d.width) for k, d in ws.column_dimensions.items())
    r = ws.page_margins
    return zellen, breiten, (r.left, r.right, r.top, r.bottom, r.header, r.footer)
c, de = mappe(sys.argv[1]), mappe(sys.argv[2])
print(len(c[0]), [(x, y) for x, y in zip(c[0], de[0]) if x != y][:3], c[1:] == de[1:])
print(sorted({z[1] for z in de[0] if isinstance(z[1], float) and z[1] != int(z[1])}))
)"),
                                     {sC, sDe});
    const QStringList zeilen = sBefund.split(QLatin1Char('\n'));
    ASSERT_GE(zeilen.size(), 2) << sBefund.toStdString();
    EXPECT_TRUE(zeilen[0].endsWith(QStringLiteral(" [] True"))) << sBefund.toStdString();
    EXPECT_FALSE(zeilen[0].startsWith(QStringLiteral("0 "))) << sBefund.toStdString();
    // Grades keep their decimal (2.25 would become 2 with a comma-reading strtod).
    EXPECT_NE(zeilen[1], QStringLiteral("[]")) << sBefund.toStdString();
}
