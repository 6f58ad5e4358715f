#include "settings/CRegistry.h"

#include "basis/VbText.h"
#include "settings/IniProfil.h"
#include "settings/RegistryDatei.h"

namespace rastfang {

namespace {

/// The read buffer of the profile functions, in characters (values up to 254 come back).
constexpr int32_t PUFFER = 255;

/// With an integer default the setting is wanted as a number: a 32-bit integer, 0 when the
/// text is none.
Variant alsZahlWennVerlangt(const Variant& wert, const Variant& standard) {
    if (!standard.bIstGanzzahl()) return wert;
    try {
        return Variant(wert.lAlsLong());
    } catch (const VbFehler&) {
        return Variant(int32_t{0});
    }
}

/// The loose list test: "VORBEL;" occurs in "FOO;VORBEL;", but so does "BEL;" and ";".
bool bInListe(const QString& sListe, const QString& sSektion) {
    return (sListe.toUpper() + QLatin1Char(';')).contains(sSektion.toUpper() + QLatin1Char(';'));
}

}  // namespace

CRegistry::CRegistry() : CRegistry(SettingsOrte::Plattform()) {}

CRegistry::CRegistry(const SettingsOrte& orte)
    : CRegistry(orte, std::make_unique<RegistryDatei>(orte.sHkcuDatei, orte.sHklmDatei)) {}

CRegistry::CRegistry(const SettingsOrte& orte, std::unique_ptr<RegistrySpeicher> speicher)
    : m_orte(orte),
      m_speicher(std::move(speicher)),
      m_sRegKey(QStringLiteral("Software\\Tesmarin\\Rastfang\\")),
      m_sIniPfadeKey(QStringLiteral("IniPfade")),
      m_sAppName(QStringLiteral("Rastfang")),
      m_sIniName(QStringLiteral("Rastfang.ini")) {
    m_sIniDatei = sGlobIniDatei();
}

CRegistry::~CRegistry() = default;

void CRegistry::sGlobIniDatei(const QString& vNewValue) {
    RegistrySetValue(HKEY_LOCAL_MACHINE, m_sRegKey + m_sIniPfadeKey, m_sAppName,
                     Variant(vNewValue));
    m_sIniDatei = vNewValue;
}

QString CRegistry::sGlobIniDatei() {
    Variant wert;
    RegistryGetValue(HKEY_LOCAL_MACHINE, m_sRegKey + m_sIniPfadeKey, m_sAppName, wert,
                     Variant(QString()));
    const QString sPfad = wert.Text();
    if (!sPfad.isEmpty()) return sPfad;
    return sVerzeichnisMitBackslash(m_orte.sProgrammOrdner) + m_sIniName;
}

QString CRegistry::GetSet(const QString& ps_Datei, const QString& ps_Abschnitt,
                          const QString& ps_Eintrag, const QString& ps_Standard) {
    QString sWert;
    glProfilTextLesen(ps_Abschnitt, ps_Eintrag, ps_Standard, sWert, PUFFER, ps_Datei);
    return sWert;
}

void CRegistry::SaveSet(const QString& ps_Datei, const QString& ps_Abschnitt,
                        const QString& ps_Eintrag, const QString& ps_Wert) {
    gbProfilTextSchreiben(ps_Abschnitt, ps_Eintrag, ps_Wert, ps_Datei);
    const int64_t lLaenge = static_cast<int64_t>(ps_Wert.size()) + 5;
    if (lLaenge > m_lMaxLen) m_lMaxLen = static_cast<int32_t>(lLaenge);
}

bool CRegistry::bSchreibeEinstellung(const QString& ps_Key, const QString& ps_Entry,
                                     const Variant& pv_Value) {
    try {
        if (bInGlobIniSektionen(ps_Key)) {
            return gbProfilTextSchreiben(ps_Key, ps_Entry, pv_Value.Text(), m_sIniDatei);
        }
        const int32_t lRoot =
            bInLocalMachineSektionen(ps_Key) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        return RegistrySetValue(lRoot, m_sRegKey + ps_Key, ps_Entry, pv_Value) == 0;
    } catch (...) {
        return false;
    }
}

Variant CRegistry::vLeseEinstellung(const QString& ps_Key, const QString& ps_Entry,
                                    const Variant& pv_Standard) {
    try {
        if (bInGlobIniSektionen(ps_Key)) {
            QString sWert;
            glProfilTextLesen(ps_Key, ps_Entry, pv_Standard.Text(), sWert, PUFFER, m_sIniDatei);
            return alsZahlWennVerlangt(Variant(sWert), pv_Standard);
        }
        const int32_t lRoot =
            bInLocalMachineSektionen(ps_Key) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        Variant wert;
        RegistryGetValue(lRoot, m_sRegKey + ps_Key, ps_Entry, wert, pv_Standard);
        return wert;
    } catch (...) {
        return Variant(QString());
    }
}

Variant CRegistry::vLeseEinstellung2(const QString& ps_IniDatei, const QString& ps_Key,
                                     const QString& ps_Entry, const Variant& pv_Standard,
                                     const std::optional<Variant>& pv_BufSize) {
    try {
        int32_t lGroesse = pv_BufSize ? pv_BufSize->lAlsLong() : PUFFER;
        if (lGroesse < PUFFER) lGroesse = PUFFER;
        QString sWert;
        glProfilTextLesen(ps_Key, ps_Entry, pv_Standard.Text(), sWert, lGroesse, ps_IniDatei);
        return alsZahlWennVerlangt(Variant(sWert), pv_Standard);
    } catch (...) {
        return Variant(QString());
    }
}

void CRegistry::sLOCAL_MACHINE_Sektionen(const QString& vNewValue) {
    m_sLocalMachineListe = vNewValue;
}

void CRegistry::sGLOB_INI_Sektionen(const QString& vNewValue) {
    m_sGlobIniListe = vNewValue;
}

bool CRegistry::bInGlobIniSektionen(const QString& ps_Key) const {
    return bInListe(m_sGlobIniListe, ps_Key);
}

bool CRegistry::bInLocalMachineSektionen(const QString& ps_Key) const {
    return bInListe(m_sLocalMachineListe, ps_Key);
}

QString CRegistry::sVerzeichnisMitBackslash(const QString& ps_Verzeichnis) const {
    if (gsTrim(ps_Verzeichnis).isEmpty()) return {};
    return gsMitBackslash(ps_Verzeichnis);
}

}  // namespace rastfang
