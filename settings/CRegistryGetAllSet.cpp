// GetAllSet reads the INI file itself, line by line, with rules of its own that differ from the
// profile functions (the header must start the line, any "[" ends the section).
#include "basis/Globals.h"
#include "basis/Int16.h"
#include "basis/VbText.h"
#include "settings/CRegistry.h"
#include "settings/TextDatei.h"

#include <utility>
#include <vector>

namespace rastfang {

int16_t CRegistry::GetAllSet(Variant& pv_Settings, const QString& ps_AppName,
                             const QString& ps_Abschnitt) {
    QString sDatei = ps_AppName;
    if (!sDatei.contains(QLatin1Char('.'))) sDatei += QStringLiteral(".INI");
    if (!sDatei.contains(QLatin1Char('\\')) && !sDatei.contains(QLatin1Char('/'))) {
        // A bare name lives in the system's configuration folder, the stand-in for the Windows
        // directory. Its name is not upper-cased: Windows could, its file names ignore case,
        // but here "/ETC/XDG" is no folder at all.
        const QString sOrdner = m_orte.sSystemOrdner;
        m_lWinDirLen = static_cast<int32_t>(sOrdner.size());
        sDatei = gsMitBackslash(sOrdner) + sDatei;
    }
    if (!gbDateiVorhanden(sDatei)) return 0;

    const QString sKopf = QLatin1Char('[') + gsTrim(ps_Abschnitt).toUpper() + QLatin1Char(']');
    const auto text = gsTextDateiLesen(gsDateiAufDisk(sDatei));
    if (!text) throw VbFehler(FEHLER_ZUGRIFF_VERWEIGERT);

    std::vector<std::pair<QString, QString>> eintraege;
    int16_t n = -1;
    bool bInSektion = false;
    for (const QString& zeile : gZeilenVon(*text)) {
        if (!bInSektion) {
            bInSektion = zeile.toUpper().startsWith(sKopf);
            continue;
        }
        if (gsTrim(zeile).isEmpty()) continue;
        if (zeile.contains(QLatin1Char('['))) break;
        // "=" is looked for from the second character on; its position is a 16-bit number.
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='), 1);
        if (gleich < 0) continue;
        giInt16(gleich + 1);
        const QString sKey = gsTrim(zeile.left(gleich));
        if (sKey.isEmpty()) continue;
        giErhoehe(n);
        eintraege.emplace_back(sKey, gsTrim(zeile.mid(gleich + 1)));
    }
    if (n == -1) return 0;

    TextTabelle tabelle(static_cast<int32_t>(n) + 1, 2);
    for (int32_t j = 0; j <= n; ++j) {
        tabelle.Zelle(j, 0) = eintraege[static_cast<size_t>(j)].first;
        tabelle.Zelle(j, 1) = eintraege[static_cast<size_t>(j)].second;
    }
    pv_Settings = Variant(std::move(tabelle));
    return 1;
}

}  // namespace rastfang
