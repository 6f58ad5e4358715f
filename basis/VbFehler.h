#pragma once
// The pending error: every failure in Rastfang travels as a VbFehler carrying a VB-style error
// number and a German description. Handlers catch it, report it and decide how to go on.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>

namespace rastfang {

/// The error numbers this system raises, in the classic VB numbering.
enum VbFehlerNummer : int32_t {
    FEHLER_UNGUELTIGER_AUFRUF = 5,      ///< invalid procedure call or argument
    FEHLER_UEBERLAUF = 6,               ///< 16-bit overflow
    FEHLER_INDEX = 9,                   ///< subscript out of range
    FEHLER_TYPEN = 13,                  ///< type mismatch
    FEHLER_DATEI_NICHT_GEFUNDEN = 53,   ///< file not found
    FEHLER_ZUGRIFF_VERWEIGERT = 70,     ///< permission denied
    FEHLER_LAUFWERK_NICHT_BEREIT = 71,  ///< disk not ready
    FEHLER_PFAD_ZUGRIFF = 75,           ///< path/file access error
    FEHLER_PFAD_NICHT_GEFUNDEN = 76,    ///< path not found
    FEHLER_OBJEKT_NICHT_GESETZT = 91,   ///< object variable not set (used before Init/OpenFile)
    FEHLER_OBJEKT_ERSTELLEN = 429,      ///< component cannot create object
    FEHLER_DRUCKER = 482,               ///< printer error
    FEHLER_ANWENDUNG = 1004,            ///< spreadsheet application error
};

/// The German standard description of a VB error number ("Überlauf" for 6 and so on);
/// an unknown number gives "Anwendungs- oder objektdefinierter Fehler".
QString gsStandardBeschreibung(int32_t lNummer);

/// The error code of a number: "VB" and five digits for 0..65535 (70 → "VB00070"), else "VB",
/// the upper-case hex digits of the 32-bit two's complement and "H" (-1 → "VBFFFFFFFFH").
QString gsVbCode(int32_t lNummer);

/// A raised error, the C++ form of VB's pending Err object.
class VbFehler : public std::exception {
  public:
    /// An error with its number and the standard description of that number.
    explicit VbFehler(int32_t lNummer);
    /// An error with its number and its own German description.
    VbFehler(int32_t lNummer, QString sBeschreibung);

    int32_t Number() const noexcept { return m_lNummer; }
    const QString& Description() const noexcept { return m_sBeschreibung; }
    const char* what() const noexcept override { return m_utf8.constData(); }

  private:
    int32_t m_lNummer;
    QString m_sBeschreibung;
    QByteArray m_utf8;
};

/// The pending error as a handler sees it: number 0 means "no error".
struct PendingError {
    int32_t lNummer = 0;
    QString sBeschreibung;

    static PendingError Aus(const VbFehler& e) { return {e.Number(), e.Description()}; }
};

/// Turns whatever a handler caught into the pending error it reports. Foreign exceptions
/// (std::bad_alloc, …) become the VB errors they correspond to.
PendingError gAktuellerFehler(std::exception_ptr p);

}  // namespace rastfang
