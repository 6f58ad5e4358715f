#include "excel/ExcelSitzung.h"

#include "basis/VbFehler.h"
#include "messages/Fehler.h"

namespace rastfang {

ExcelSitzung::~ExcelSitzung() {
    if (m_oExcel) m_oExcel->QuitOhneRueckfrage();
}

bool ExcelSitzung::Starten() {
    try {
        if (!m_oExcel) m_oExcel = std::make_unique<spreadsheet::Application>();
        return true;
    } catch (...) {
        ZeigeFehler(QStringLiteral("Init"));
        return false;
    }
}

spreadsheet::Application& ExcelSitzung::Anwendung() const {
    if (!m_oExcel) throw VbFehler(FEHLER_OBJEKT_NICHT_GESETZT);
    return *m_oExcel;
}

void ExcelSitzung::ZeigeFehler(const QString& sProzedur) const {
    gZeigeFehlerbericht(gAktuellerFehler(std::current_exception()), sProzedur, m_sFehlerquelle);
}

}  // namespace rastfang
