#include "spreadsheet/lesen/Lesefehler.h"

#include <new>

namespace rastfang::spreadsheet {

void gLesefehler(Lesegrund grund) {
    throw Lesefehler{grund};
}

VbFehler gDateifehler(const QString& sPfad, Lesegrund grund) {
    QString s;
    switch (grund) {
        case Lesegrund::NichtGefunden:
            s = QStringLiteral("Die Datei »%1« wurde nicht gefunden.");
            break;
        case Lesegrund::Zugriff:
            s = QStringLiteral("Zugriff auf die Datei »%1« verweigert.");
            break;
        case Lesegrund::Format:
            s = QStringLiteral("Die Datei »%1« hat kein unterstütztes Format oder ist beschädigt.");
            break;
        case Lesegrund::Verschluesselt:
            s = QStringLiteral("Die Datei »%1« ist verschlüsselt und kann nicht gelesen werden.");
            break;
        case Lesegrund::ZuGross:
            s = QStringLiteral("Die Datei »%1« ist zu groß.");
            break;
    }
    return VbFehler(FEHLER_ANWENDUNG, s.arg(sPfad));
}

void gWirfDateifehler(const QString& sPfad, std::exception_ptr p) {
    try {
        std::rethrow_exception(p);
    } catch (const VbFehler&) {
        throw;
    } catch (const Lesefehler& e) {
        throw gDateifehler(sPfad, e.grund);
    } catch (const std::bad_alloc&) {
        throw gDateifehler(sPfad, Lesegrund::ZuGross);
    } catch (...) {
        throw gDateifehler(sPfad, Lesegrund::Format);
    }
}

}  // namespace rastfang::spreadsheet
