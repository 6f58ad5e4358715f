#include "OdsLeser.h"

#include "Lesefehler.h"
#include "ZipArchiv.h"

namespace rastfang::tabelle {

bool gbIstOds(const ZipArchiv& archiv) {
    return archiv.Finde("content.xml").has_value();
}

std::shared_ptr<MappenLeser> gOdsLeser(std::shared_ptr<const ZipArchiv>, MappenDaten&) {
    gLesefehler(Lesegrund::Format);
}

}  // namespace rastfang::tabelle
