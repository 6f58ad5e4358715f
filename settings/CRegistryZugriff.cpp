// The registry routines of the store: every one handles its own failures, reports them in the
// registry error box and returns a status instead of raising.
#include "settings/CRegistry.h"

#include <exception>

namespace rastfang {

namespace {

const QString GET_VALUE = QStringLiteral("RegistryGetValue");

/// The text a string query delivers: a buffer of `lGroesse` characters filled from the stored
/// text, of which the first `lGroesse` - 1 count (the last held the NUL). A size of 0 leaves
/// nothing to cut: error 5.
QString gepufferterText(const RegWert& wert, int32_t lGroesse) {
    if (lGroesse < 1) throw VbFehler(FEHLER_UNGUELTIGER_AUFRUF);
    QString puffer = wert.sText.left(lGroesse);
    puffer += QString(lGroesse - puffer.size(), QChar(u'\0'));
    return puffer.left(lGroesse - 1);
}

}  // namespace

int32_t CRegistry::gf_RegistryGetValue(int32_t pl_MainKey, const QString& ps_Key,
                                       const QString& ps_Entry, Variant& pv_Value,
                                       const Variant& pv_Standard) {
    return RegistryGetValue(pl_MainKey, ps_Key, ps_Entry, pv_Value, pv_Standard);
}

int32_t CRegistry::RegistryGetValue(int32_t pl_MainKey, const QString& ps_Key,
                                    const QString& ps_Entry, Variant& pv_Value,
                                    const Variant& pv_Standard) {
    const RegistryCallInfo info{pl_MainKey, ps_Key, ps_Entry, GET_VALUE};
    int32_t lStatus = 0;
    try {
        lStatus = m_speicher->lSchluesselOeffnen(pl_MainKey, ps_Key, RegZugriff::WERTE_LESEN);
        if (lStatus != 0) {
            if (lStatus == 5) lStatus = 4;
            gRegistryShowError(info, 1, lStatus);
        } else {
            RegWert art;  // first query: type and size only
            lStatus = m_speicher->lWertLesen(pl_MainKey, ps_Key, ps_Entry, art);
            if (lStatus != 0) {
                gRegistryShowError(info, 2, lStatus);
            } else if (art.lTyp == RegTyp::SZ) {
                RegWert daten;
                lStatus = m_speicher->lWertLesen(pl_MainKey, ps_Key, ps_Entry, daten);
                if (lStatus != 0) {
                    gRegistryShowError(info, 3, lStatus);
                } else {
                    pv_Value = Variant(gepufferterText(daten, art.lGroesse));
                }
            } else if (art.lTyp == RegTyp::DWORD) {
                RegWert daten;
                lStatus = m_speicher->lWertLesen(pl_MainKey, ps_Key, ps_Entry, daten);
                if (lStatus != 0) {
                    gRegistryShowError(info, 4, lStatus);
                } else {
                    pv_Value = Variant(static_cast<int32_t>(daten.lZahl));
                }
            } else {
                gRegistryShowError(info, 8, 0);
                lStatus = -1;
            }
        }
    } catch (...) {
        gRegistryShowError(info, 0, 0, gAktuellerFehler(std::current_exception()));
        lStatus = -1;
    }
    if (lStatus != 0) {
        pv_Value = pv_Standard;
    } else if (pv_Standard.bIstGanzzahl()) {
        try {
            pv_Value = Variant(pv_Value.lAlsLong());
        } catch (const VbFehler&) {
            pv_Value = Variant(int32_t{0});
        }
    }
    return lStatus;
}

int32_t CRegistry::RegistrySetValue(int32_t pl_MainKey, const QString& ps_Key,
                                    const QString& ps_Entry, const Variant& pv_Value) {
    const RegistryCallInfo info{pl_MainKey, ps_Key, ps_Entry, QStringLiteral("RegistrySetValue")};
    int32_t lStatus = 0;
    try {
        lStatus = RegistryCreateNewKey(pl_MainKey, ps_Key);
        if (lStatus == 0) {
            lStatus = m_speicher->lSchluesselOeffnen(pl_MainKey, ps_Key, RegZugriff::WERTE_SETZEN);
            if (lStatus != 0) {
                gRegistryShowError(info, 1, lStatus);
            } else {
                switch (pv_Value.art()) {
                    case Variant::Art::Integer:
                    case Variant::Art::Long:
                        lStatus = m_speicher->lWertSetzen(
                            pl_MainKey, ps_Key, ps_Entry,
                            RegWert::Zahl(static_cast<uint32_t>(pv_Value.lAlsLong())));
                        if (lStatus != 0) gRegistryShowError(info, 6, lStatus);
                        break;
                    case Variant::Art::Text:
                        lStatus = m_speicher->lWertSetzen(pl_MainKey, ps_Key, ps_Entry,
                                                          RegWert::Text(pv_Value.sWert()));
                        if (lStatus != 0) gRegistryShowError(info, 5, lStatus);
                        break;
                    default:  // empty, floating point, true/false, a table
                        gRegistryShowError(info, 9, 0);
                        lStatus = -1;
                        break;
                }
            }
        }
    } catch (...) {
        gRegistryShowError(info, 0, 0, gAktuellerFehler(std::current_exception()));
        lStatus = -1;
    }
    return lStatus;
}

int32_t CRegistry::RegistryCreateNewKey(int32_t pl_MainKey, const QString& ps_Key) {
    const RegistryCallInfo info{pl_MainKey, ps_Key, QString(),
                                QStringLiteral("RegistryCreateNewKey")};
    int32_t lStatus = 0;
    try {
        lStatus = m_speicher->lSchluesselErstellen(pl_MainKey, ps_Key);
        if (lStatus != 0) gRegistryShowError(info, 7, lStatus);
    } catch (...) {
        gRegistryShowError(info, 0, 0, gAktuellerFehler(std::current_exception()));
        lStatus = -1;
    }
    return lStatus;
}

}  // namespace rastfang
