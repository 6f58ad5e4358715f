#include "Speichern.h"

#include "XlsxSchreiber.h"
#include "XmlSchreiber.h"
#include "Zieldatei.h"

namespace rastfang::tabelle {

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

}  // namespace rastfang::tabelle
