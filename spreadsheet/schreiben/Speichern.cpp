#include "spreadsheet/schreiben/Speichern.h"

#include "spreadsheet/schreiben/XlsxSchreiber.h"
#include "spreadsheet/schreiben/XmlSchreiber.h"
#include "spreadsheet/schreiben/Zieldatei.h"

namespace rastfang::spreadsheet {

void gSpeichereArbeitsmappe(MappenDaten& mappe, const QString& sPfad) {
    Zieldatei ziel(sPfad);
    // The name decides the format, as in a save dialog: ".xml" is XML Spreadsheet 2003, every
    // other name gets the default workbook format.
    if (sPfad.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive)) {
        gSchreibeXml(mappe, ziel);
    } else {
        gSchreibeXlsx(mappe, ziel);
    }
    ziel.Uebernehmen();
}

}  // namespace rastfang::spreadsheet
