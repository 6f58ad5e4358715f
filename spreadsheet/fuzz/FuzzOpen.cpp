// libFuzzer target for opening workbooks: the fuzzer's bytes are written to a file and opened
// like a user's pick, then every stored cell of every sheet is shown. Any crash, hang or
// unbounded allocation is a finding; the application error 1004 is the expected outcome. A small
// budget keeps each run quick; the count of budgeted bytes must never pass it.
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "basis/VbFehler.h"
#include "spreadsheet/Anzeige.h"
#include "spreadsheet/lesen/Lesebudget.h"
#include "spreadsheet/lesen/Oeffnen.h"

namespace {

/// A private file per fuzzing process, removed at exit.
class FuzzDatei {
  public:
    FuzzDatei()
        : m_sPfad(QStringLiteral("/tmp/fuzz_open_%1.bin").arg(static_cast<qint64>(getpid()))) {}
    ~FuzzDatei() { QFile::remove(m_sPfad); }
    const QString& Pfad() const { return m_sPfad; }

  private:
    QString m_sPfad;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pDaten, size_t nLaenge) {
    static const FuzzDatei datei;
    {
        QFile f(datei.Pfad());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(pDaten), static_cast<qint64>(nLaenge));
    }
    using namespace rastfang::spreadsheet;
    Lesebudget budget(16 << 20);
    try {
        const auto mappe = gLiesArbeitsmappe(datei.Pfad(), budget);
        for (const auto& blatt : mappe->blaetter) {
            for (int32_t z = 1; z <= blatt->AnzahlZeilen(); ++z) {
                const auto& zeile = blatt->Zeile(z);
                for (const Zelle& zelle : zeile) {
                    const Stil& stil = mappe->stile.at(zelle.stil);
                    (void)gsAnzeigeText(zelle, stil, mappe->b1904);
                    (void)gsWertText(zelle, stil, mappe->b1904);
                }
            }
        }
    } catch (const rastfang::VbFehler& e) {
        if (e.Number() != rastfang::FEHLER_ANWENDUNG) __builtin_trap();
    }
    if (budget.Belegt() > budget.Grenze()) __builtin_trap();
    return 0;
}
