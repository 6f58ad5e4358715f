// Speed and memory of the spreadsheet engine on workbooks of a realistic size: a results
// workbook of 30,000 rows × 30 columns is generated, opened and read cell by cell (Text and
// Value), then a 30,000-row output is written and saved by the output writer.
// Prints cells per second for reading and writing and the peak resident memory.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "basis/Sprachumgebung.h"
#include "basis/VbFehler.h"
#include "spreadsheet/Excel.h"
#include "writer/CXLSwriteOLE.h"

using namespace rastfang;
using namespace rastfang::spreadsheet;

namespace {

constexpr int32_t kZeilen = 30000;
constexpr int32_t kEingabeSpalten = 30;

const char* const kNamen[] = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber",
                              "Meyer",  "Wagner",  "Becker",    "Schulz",  "Hoffmann"};
const char* const kVornamen[] = {"Anna", "Jörg", "Lena", "Paul", "Sophie", "Lukas", "Marie"};

/// A results-like workbook: a heading row, then per row name, first name, date of birth
/// (a date cell), occupation, class, a remark, and 24 grades as numbers.
void ErzeugeEingabe(const QString& sPfad) {
    Application app;
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->GetSheets()(1);
    blatt.SetName("Ergebnisse");
    blatt.Cells(1, 1).SetValue("Name");
    blatt.Cells(1, 2).SetValue("Vorname");
    blatt.Cells(1, 3).SetValue("GebDat");
    blatt.Cells(1, 4).SetValue("Beruf");
    blatt.Cells(1, 5).SetValue("Klasse");
    blatt.Cells(1, 6).SetValue("Bemerkung");
    for (int32_t s = 7; s <= kEingabeSpalten; ++s)
        blatt.Cells(1, s).SetValue(QStringLiteral("Fach %1").arg(s - 6));
    for (int32_t z = 2; z <= kZeilen; ++z) {
        blatt.Cells(z, 1).SetValue(QString::fromUtf8(kNamen[z % 10]));
        blatt.Cells(z, 2).SetValue(QString::fromUtf8(kVornamen[z % 7]));
        blatt.Cells(z, 3).SetValue(QString::number(32000 + z % 3000));
        blatt.Cells(z, 4).SetValue(z % 3 ? QStringLiteral("Koch") : QStringLiteral("Bäckerin"));
        blatt.Cells(z, 5).SetValue(QStringLiteral("K%1").arg(z % 12));
        blatt.Cells(z, 6).SetValue(z % 5 ? QString() : QStringLiteral("nachgeschrieben"));
        for (int32_t s = 7; s <= kEingabeSpalten; ++s) {
            const int n = (z * 7 + s * 13) % 50 + 10;  // 1,0 .. 5,9
            blatt.Cells(z, s).SetValue(QStringLiteral("%1,%2").arg(n / 10).arg(n % 10));
        }
    }
    blatt.GetRange(blatt.Cells(2, 3), blatt.Cells(kZeilen, 3)).SetNumberFormat("DD.MM.YYYY");
    mappe->SaveAs(sPfad);
    mappe->Close();
}

/// Opens the workbook and reads Text and Value of every cell; returns the cells read.
int64_t LiesAlles(const QString& sPfad, qint64& lZeichen) {
    Application app;
    auto mappe = app.GetWorkbooks().Open(sPfad);
    Worksheet blatt = mappe->GetSheets()(1);
    int64_t n = 0;
    for (int32_t z = 1; z <= kZeilen; ++z) {
        for (int32_t s = 1; s <= kEingabeSpalten; ++s) {
            const Range zelle = blatt.Cells(z, s);
            lZeichen += zelle.Text().size() + zelle.Value().size();
            ++n;
        }
    }
    mappe->Close();
    app.Quit();
    return n;
}

/// The grade texts 1,0 to 5,9 and the subject titles, made before the clock runs: the writer
/// receives its texts ready from the reader.
struct Texte {
    QStringList noten;
    QStringList faecher;
    Texte() {
        for (int g = 10; g < 60; ++g) noten << QStringLiteral("%1,%2").arg(g / 10).arg(g % 10);
        for (int s = 0; s <= excel::SPALTEN; ++s) faecher << QStringLiteral("Fach %1").arg(s);
    }
};

/// Builds and saves an output through the writer itself: header lines, apprentice lines with
/// their formats, then its closing (fitted widths, spare rows, protection, save); returns the
/// cells written.
struct Messung {
    int64_t lZellen = 0;
    double dWand = 0;  ///< seconds on the wall clock
    double dCpu = 0;   ///< CPU seconds
};

double CpuSekunden();

Messung SchreibeAusgabe(const QString& sPfad, const Texte& texte) {
    QElapsedTimer gesamt;
    gesamt.start();
    const double dCpuAnfang = CpuSekunden();
    // The writer has reported a failure on stderr already; the measurement stops there.
    const auto pruefe = [](bool bOk) {
        if (!bOk)
            throw VbFehler(FEHLER_UNGUELTIGER_AUFRUF, QStringLiteral("Schreiben gescheitert"));
    };
    CXLSwriteOLE schreiber;
    pruefe(schreiber.Init() && schreiber.OpenFile(sPfad));
    int64_t n = 0;
    QElapsedTimer uhr;
    uhr.start();
    for (int32_t z = 1; z <= kZeilen; ++z) {
        schreiber.Reset();
        if (z % 30 == 1) {  // a group header every 30 rows
            schreiber.sName = QStringLiteral("Name");
            schreiber.sVorname = QStringLiteral("Vorname");
            for (int16_t s = excel::ERSTES_FACH; s <= excel::SPALTEN; ++s)
                schreiber.Feld(s) = texte.faecher[s];
            pruefe(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
        } else {
            schreiber.sName = QString::fromUtf8(kNamen[z % 10]);
            schreiber.sVorname = QString::fromUtf8(kVornamen[z % 7]);
            schreiber.sGebDatum = QStringLiteral("01.02.1990");
            schreiber.sBerufBez = QStringLiteral("Koch");
            for (int16_t s = excel::ERSTES_FACH; s <= excel::SPALTEN; ++s)
                schreiber.Feld(s) = texte.noten[(z + s) % 50];
            pruefe(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
        }
        n += excel::SPALTEN;
    }
    const double dZeilen = uhr.restart() / 1000.0;
    schreiber.CloseFile();
    const Messung messung{n, gesamt.nsecsElapsed() / 1e9, CpuSekunden() - dCpuAnfang};
    std::printf(
        "  Zeilen schreiben und formatieren %.2f s, Abschluss (AutoFit, Schutz, SaveAs) "
        "%.2f s\n",
        dZeilen, uhr.elapsed() / 1000.0);
    return messung;
}

/// CPU seconds (user and system) the process has used so far; on a shared machine this is the
/// fairer measure than the wall clock.
double CpuSekunden() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double SpitzeMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication qapp(argc, argv);
    gbSprachumgebungEinrichten(qapp);
    QTemporaryDir ordner;
    if (!ordner.isValid()) return 1;
    try {
        const QString sEingabe = ordner.filePath("ergebnisse.xlsx");
        QElapsedTimer uhr;
        uhr.start();
        ErzeugeEingabe(sEingabe);
        std::printf("Erzeugen  %d x %d Zellen: %.2f s\n", kZeilen, kEingabeSpalten,
                    uhr.elapsed() / 1000.0);

        qint64 lZeichen = 0;
        uhr.restart();
        double dCpu = CpuSekunden();
        const int64_t nGelesen = LiesAlles(sEingabe, lZeichen);
        const double dLesen = uhr.nsecsElapsed() / 1e9;
        const double dLesenCpu = CpuSekunden() - dCpu;
        std::printf(
            "Lesen     %lld Zellen (Text+Value): %.2f s, %.0f Zellen/s; CPU %.2f s, %.0f "
            "Zellen/s\n",
            static_cast<long long>(nGelesen), dLesen, nGelesen / dLesen, dLesenCpu,
            nGelesen / dLesenCpu);

        const Texte texte;
        const Messung schreiben = SchreibeAusgabe(ordner.filePath("ausgabe.xlsx"), texte);
        const auto nGeschrieben = schreiben.lZellen;
        const double dSchreiben = schreiben.dWand;
        const double dSchreibenCpu = schreiben.dCpu;
        std::printf(
            "Schreiben %lld Zellen (formatiert, geschützt, gespeichert): %.2f s, %.0f Zellen/s; "
            "CPU %.2f s, %.0f Zellen/s\n",
            static_cast<long long>(nGeschrieben), dSchreiben, nGeschrieben / dSchreiben,
            dSchreibenCpu, nGeschrieben / dSchreibenCpu);
        std::printf("Spitze RSS: %.1f MB\n", SpitzeMB());
        return lZeichen > 0 ? 0 : 1;
    } catch (const VbFehler& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}
