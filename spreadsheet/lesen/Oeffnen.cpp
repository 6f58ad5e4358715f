#include "Oeffnen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>

#include "Formaterkennung.h"
#include "Lesefehler.h"
#include "MappenLeser.h"

namespace rastfang::tabelle {

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

std::shared_ptr<MappenDaten> gLiesArbeitsmappe(const QString& sPfad) {
    return gMitDateifehler(sPfad, [&sPfad] {
        if (sPfad.isEmpty()) gLesefehler(Lesegrund::NichtGefunden);
        const QString sDatei = gsGefundenerPfad(sPfad);
        const QFileInfo info(sDatei);
        if (info.isDir()) gLesefehler(Lesegrund::Format);
        if (!info.isReadable()) gLesefehler(Lesegrund::Zugriff);

        auto mappe = std::make_shared<MappenDaten>();
        mappe->sPfad = sDatei;
        const std::shared_ptr<MappenLeser> leser = gOeffneLeser(sDatei, *mappe);
        const std::vector<BlattKopf> koepfe = leser->Blaetter();
        if (koepfe.empty()) gLesefehler(Lesegrund::Format);
        const std::weak_ptr<MappenDaten> schwach = mappe;
        mappe->blaetter.reserve(koepfe.size());
        for (size_t i = 0; i < koepfe.size(); ++i) {
            // The sheet is read when its cells are first needed; errors then name the file too.
            Blatt::Lader lader = [leser, i, schwach, sDatei](Blatt& blatt) {
                try {
                    gMitDateifehler(sDatei, [&] {
                        const std::shared_ptr<MappenDaten> m = schwach.lock();
                        if (!m) gLesefehler(Lesegrund::Format);
                        leser->LiesBlatt(i, blatt, *m);
                    });
                } catch (...) {
                    // no half-read sheet stays behind: it is empty after the error
                    Blatt leer(blatt.Name());
                    leer.SetzeVersteckt(blatt.Versteckt());
                    blatt = std::move(leer);
                    throw;
                }
            };
            auto blatt = std::make_shared<Blatt>(koepfe[i].sName, std::move(lader));
            blatt->SetzeVersteckt(koepfe[i].bVersteckt);
            mappe->blaetter.push_back(std::move(blatt));
        }
        return mappe;
    });
}

}  // namespace rastfang::tabelle
