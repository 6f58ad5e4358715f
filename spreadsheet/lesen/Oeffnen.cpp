#include "spreadsheet/lesen/Oeffnen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>

#include "spreadsheet/lesen/Formaterkennung.h"
#include "spreadsheet/lesen/Lesebudget.h"
#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/MappenLeser.h"
#include "spreadsheet/lesen/Parallel.h"

namespace rastfang::spreadsheet {

namespace {

/// The file the user meant: the path itself, or else a file in its folder whose name matches
/// ignoring letter case (names typed in another case found their file on Windows).
QString gsGefundenerPfad(const QString& sPfad) {
    const QFileInfo info(sPfad);
    if (info.exists()) return sPfad;
    const QDir ordner = info.absoluteDir();
    if (!ordner.exists()) gLesefehler(Lesegrund::NichtGefunden);
    const QString sName = info.fileName();
    const QStringList namen = ordner.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : namen) {
        if (n.compare(sName, Qt::CaseInsensitive) == 0) return ordner.filePath(n);
    }
    gLesefehler(Lesegrund::NichtGefunden);
}

}  // namespace

QString gsLesbarerBlattname(QString sName) {
    for (QChar& c : sName) {
        if (c.category() == QChar::Other_Control) c = u' ';
    }
    return sName;
}

std::shared_ptr<MappenDaten> gLiesArbeitsmappe(const QString& sPfad) {
    Lesebudget budget;
    return gLiesArbeitsmappe(sPfad, budget);
}

std::shared_ptr<MappenDaten> gLiesArbeitsmappe(const QString& sPfad, Lesebudget& budget) {
    return gMitDateifehler(sPfad, [&sPfad, &budget] {
        if (sPfad.isEmpty()) gLesefehler(Lesegrund::NichtGefunden);
        const QString sDatei = gsGefundenerPfad(sPfad);
        const QFileInfo info(sDatei);
        if (info.isDir()) gLesefehler(Lesegrund::Format);
        if (!info.isReadable()) gLesefehler(Lesegrund::Zugriff);

        auto mappe = std::make_shared<MappenDaten>();
        mappe->sPfad = sDatei;
        const std::shared_ptr<MappenLeser> leser = gOeffneLeser(sDatei, *mappe, budget);
        const std::vector<BlattKopf> koepfe = leser->Blaetter();
        if (koepfe.empty()) gLesefehler(Lesegrund::Format);
        mappe->blaetter.reserve(koepfe.size());
        std::vector<Blatt*> ziele;
        ziele.reserve(koepfe.size());
        for (const BlattKopf& kopf : koepfe) {
            budget.Belaste(static_cast<int64_t>(sizeof(Blatt)) + Lesebudget::BLOCK_VERWALTUNG +
                           Lesebudget::glTextBytes(kopf.sName.size()));
            auto blatt = std::make_shared<Blatt>(gsLesbarerBlattname(kopf.sName));
            blatt->SetzeVersteckt(kopf.bVersteckt);
            ziele.push_back(blatt.get());
            mappe->blaetter.push_back(std::move(blatt));
        }
        // Every sheet is read now, so that a damaged one refuses the whole workbook here and
        // not halfway through its use. Each task fills its own sheet: the order stays.
        if (leser->Nebenlaeufig()) {
            gParallel(ziele.size(), gnLeseThreads(),
                      [&](size_t i) { leser->LiesBlatt(i, *ziele[i], *mappe, budget); });
        } else {
            leser->LiesAlle(ziele, *mappe, budget);
        }
        return mappe;
    });
}

}  // namespace rastfang::spreadsheet
