#include "spreadsheet/lesen/Formaterkennung.h"

#include <QFile>
#include <cstring>

#include "spreadsheet/lesen/CsvLeser.h"
#include "spreadsheet/lesen/Lesefehler.h"
#include "spreadsheet/lesen/OdsLeser.h"
#include "spreadsheet/lesen/XlsLeser.h"
#include "spreadsheet/lesen/XlsxLeser.h"
#include "spreadsheet/lesen/ZipArchiv.h"

namespace rastfang::spreadsheet {

namespace {

constexpr char ZIP_KENNUNG[] = "PK\x03\x04";
constexpr char ZIP_LEER_KENNUNG[] = "PK\x05\x06";
constexpr unsigned char OLE2_KENNUNG[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

}  // namespace

std::shared_ptr<MappenLeser> gOeffneLeser(const QString& sPfad, MappenDaten& mappe,
                                          Lesebudget& budget) {
    QFile datei(sPfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        gLesefehler(datei.error() == QFileDevice::PermissionsError ? Lesegrund::Zugriff
                                                                   : Lesegrund::NichtGefunden);
    }
    const QByteArray kopf = datei.read(64 * 1024);
    if (kopf.isEmpty()) gLesefehler(Lesegrund::Format);

    if (kopf.startsWith(ZIP_KENNUNG) || kopf.startsWith(ZIP_LEER_KENNUNG)) {
        datei.close();
        auto archiv = std::make_shared<const ZipArchiv>(sPfad);
        if (gbIstXlsx(*archiv)) return gXlsxLeser(sPfad, archiv, mappe, budget);
        if (gbIstOds(*archiv)) return gOdsLeser(*archiv, mappe, budget);
        gLesefehler(Lesegrund::Format);
    }
    if (kopf.size() >= 8 && std::memcmp(kopf.constData(), OLE2_KENNUNG, 8) == 0) {
        datei.close();
        return gXlsLeser(sPfad, mappe, budget);
    }
    if (gbIstText(kopf)) {
        datei.close();
        return gCsvLeser(sPfad, mappe);
    }
    gLesefehler(Lesegrund::Format);
}

}  // namespace rastfang::spreadsheet
