#include "basis/Sprachumgebung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <memory>

namespace rastfang {

bool gbSprachumgebungEinrichten(QCoreApplication& app) {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    auto uebersetzung = std::make_unique<QTranslator>();
    if (!uebersetzung->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    if (!QCoreApplication::installTranslator(uebersetzung.get())) return false;
    uebersetzung.release()->setParent(&app);  // lives as long as the application
    return true;
}

}  // namespace rastfang
