#pragma once
// The text form of one registry hive, in the style of a Windows registry export:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Tesmarin\Rastfang\Vorbel]
//   "BSDatei"="C:\\Daten\\Ergebnis.xls"
//   "StZeile"=dword:0000002a
//   "Pfad"=hex(2):25,00,54,00,45,00,4d,00,50,00,25,00,00,00
//
// Strings with a line break in them, and string values whose stored size does not match their
// text, are written as hex(1) so that every value fits on its line.

#include <QString>
#include <vector>

#include "settings/RegistrySpeicher.h"

namespace rastfang {

/// One named value of a key.
struct RegEintrag {
    QString sName;  ///< empty for the default value ("@")
    RegWert wert;
};

/// One key of a hive: its path below the root (spelled as created) and its values in order.
struct RegSchluessel {
    QString sPfad;
    std::vector<RegEintrag> eintraege;
};

/// One hive: its root name ("HKEY_CURRENT_USER") and its keys in file order.
struct RegHive {
    QString sRoot;
    std::vector<RegSchluessel> schluessel;

    /// The key of path `sPfad` (compared without regard to case and to surrounding "\"), or
    /// nullptr.
    RegSchluessel* Finde(const QString& sPfad);
    /// Adds key `sPfad` and every missing parent key; returns the key (existing or new).
    RegSchluessel& Erstelle(const QString& sPfad);
};

/// `sPfad` without leading and trailing "\" and with "\\" runs collapsed to one.
QString gsRegPfadNormal(const QString& sPfad);

/// Reads the text of a hive file of root `sRoot`. Sections of other roots, deletion entries
/// and lines that are no value are passed over.
RegHive gLeseRegText(const QString& sText, const QString& sRoot);

/// The text of the hive (lines ended by "\n").
QString gsSchreibeRegText(const RegHive& hive);

}  // namespace rastfang
