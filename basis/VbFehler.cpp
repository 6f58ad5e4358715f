#include "basis/VbFehler.h"

#include <new>
#include <stdexcept>

namespace rastfang {

QString gsStandardBeschreibung(int32_t lNummer) {
    switch (lNummer) {
        case 5:
            return QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument");
        case 6:
            return QStringLiteral("Überlauf");
        case 7:
            return QStringLiteral("Nicht genügend Speicher");
        case 9:
            return QStringLiteral("Index außerhalb des gültigen Bereichs");
        case 13:
            return QStringLiteral("Typen unverträglich");
        case 53:
            return QStringLiteral("Datei nicht gefunden");
        case 57:
            return QStringLiteral("Geräte-E/A-Fehler");
        case 61:
            return QStringLiteral("Datenträger voll");
        case 70:
            return QStringLiteral("Zugriff verweigert");
        case 71:
            return QStringLiteral("Datenträger nicht bereit");
        case 75:
            return QStringLiteral("Fehler beim Zugriff auf Pfad/Datei");
        case 76:
            return QStringLiteral("Pfad nicht gefunden");
        case 91:
            return QStringLiteral("Objektvariable oder With-Blockvariable nicht festgelegt");
        case 429:
            return QStringLiteral("Objekterstellung durch ActiveX-Komponente nicht möglich");
        case 482:
            return QStringLiteral("Druckerfehler");
        case 1004:
            return QStringLiteral("Anwendungs- oder objektdefinierter Fehler");
        default:
            return QStringLiteral("Anwendungs- oder objektdefinierter Fehler");
    }
}

QString gsVbCode(int32_t lNummer) {
    if (lNummer >= 0 && lNummer <= 65535) {
        return QStringLiteral("VB") + QStringLiteral("%1").arg(lNummer, 5, 10, QLatin1Char('0'));
    }
    return QStringLiteral("VB") + QString::number(static_cast<uint32_t>(lNummer), 16).toUpper() +
           QStringLiteral("H");
}

VbFehler::VbFehler(int32_t lNummer) : VbFehler(lNummer, gsStandardBeschreibung(lNummer)) {}

VbFehler::VbFehler(int32_t lNummer, QString sBeschreibung)
    : m_lNummer(lNummer),
      m_sBeschreibung(std::move(sBeschreibung)),
      m_utf8((gsVbCode(lNummer) + QStringLiteral(": ") + m_sBeschreibung).toUtf8()) {}

PendingError gAktuellerFehler(std::exception_ptr p) {
    try {
        if (p) std::rethrow_exception(p);
    } catch (const VbFehler& e) {
        return PendingError::Aus(e);
    } catch (const std::bad_alloc&) {
        return {7, gsStandardBeschreibung(7)};
    } catch (const std::out_of_range&) {
        return {FEHLER_INDEX, gsStandardBeschreibung(FEHLER_INDEX)};
    } catch (const std::exception& e) {
        return {FEHLER_ANWENDUNG, QString::fromUtf8(e.what())};
    } catch (...) {
        return {FEHLER_ANWENDUNG, gsStandardBeschreibung(FEHLER_ANWENDUNG)};
    }
    return {};
}

}  // namespace rastfang
