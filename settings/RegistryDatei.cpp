#include "settings/RegistryDatei.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "settings/RegistryFehler.h"
#include "settings/TextDatei.h"

namespace rastfang {

namespace {

bool lesbar(const QFileInfo& info) {
    constexpr QFile::Permissions lesen = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    return (info.permissions() & lesen) != 0;
}

}  // namespace

RegistryDatei::RegistryDatei(QString sHkcuDatei, QString sHklmDatei)
    : m_sHkcuDatei(std::move(sHkcuDatei)), m_sHklmDatei(std::move(sHklmDatei)) {}

std::optional<QString> RegistryDatei::hiveDatei(int32_t lRoot) const {
    if (lRoot == HKEY_CURRENT_USER) return m_sHkcuDatei;
    if (lRoot == HKEY_LOCAL_MACHINE) return m_sHklmDatei;
    return std::nullopt;
}

int32_t RegistryDatei::lLaden(int32_t lRoot, RegHive& hive, QString& sDatei) const {
    const auto datei = hiveDatei(lRoot);
    if (!datei) return RegStatus::UNGUELTIGES_HANDLE;
    sDatei = *datei;
    hive = RegHive{gsRootKeyName(lRoot), {}};
    const QFileInfo info(sDatei);
    if (!info.exists()) return RegStatus::OK;
    // Permission bits count for everyone here, the administrator included: a hive nobody may
    // read stands for a key whose access rights refuse the caller.
    if (info.isDir() || !lesbar(info)) return RegStatus::ZUGRIFF_VERWEIGERT;
    const auto text = gsTextDateiLesen(sDatei);
    if (!text) return RegStatus::ZUGRIFF_VERWEIGERT;
    hive = gLeseRegText(*text, hive.sRoot);
    return RegStatus::OK;
}

int32_t RegistryDatei::lSpeichern(const RegHive& hive, const QString& sDatei) {
    if (gbSchreibgeschuetzt(sDatei)) return RegStatus::ZUGRIFF_VERWEIGERT;
    if (!QDir().mkpath(QFileInfo(sDatei).absolutePath())) return RegStatus::ZUGRIFF_VERWEIGERT;
    if (!gbTextDateiSchreiben(sDatei, gsSchreibeRegText(hive))) {
        return RegStatus::ZUGRIFF_VERWEIGERT;
    }
    return RegStatus::OK;
}

int32_t RegistryDatei::lSchluesselOeffnen(int32_t lRoot, const QString& sKey, int32_t lZugriff) {
    RegHive hive;
    QString sDatei;
    const int32_t status = lLaden(lRoot, hive, sDatei);
    if (status != RegStatus::OK) return status;
    // The root key itself always exists.
    if (!gsRegPfadNormal(sKey).isEmpty() && !hive.Finde(sKey)) return RegStatus::NICHT_GEFUNDEN;
    if ((lZugriff & (RegZugriff::WERTE_SETZEN | RegZugriff::UNTERSCHLUESSEL)) != 0 &&
        gbSchreibgeschuetzt(sDatei)) {
        return RegStatus::ZUGRIFF_VERWEIGERT;
    }
    return RegStatus::OK;
}

int32_t RegistryDatei::lWertLesen(int32_t lRoot, const QString& sKey, const QString& sName,
                                  RegWert& wert) {
    RegHive hive;
    QString sDatei;
    const int32_t status = lLaden(lRoot, hive, sDatei);
    if (status != RegStatus::OK) return status;
    const RegSchluessel* schluessel = hive.Finde(sKey);
    if (!schluessel) return RegStatus::NICHT_GEFUNDEN;
    for (const RegEintrag& e : schluessel->eintraege) {
        if (QString::compare(e.sName, sName, Qt::CaseInsensitive) == 0) {
            wert = e.wert;
            return RegStatus::OK;
        }
    }
    return RegStatus::NICHT_GEFUNDEN;
}

int32_t RegistryDatei::lWertSetzen(int32_t lRoot, const QString& sKey, const QString& sName,
                                   const RegWert& wert) {
    RegHive hive;
    QString sDatei;
    const int32_t status = lLaden(lRoot, hive, sDatei);
    if (status != RegStatus::OK) return status;
    RegSchluessel* schluessel = hive.Finde(sKey);
    if (!schluessel) {
        if (!gsRegPfadNormal(sKey).isEmpty()) return RegStatus::NICHT_GEFUNDEN;
        schluessel = &hive.Erstelle(sKey);
    }
    auto& liste = schluessel->eintraege;
    const auto vorhanden = std::find_if(liste.begin(), liste.end(), [&](const RegEintrag& e) {
        return QString::compare(e.sName, sName, Qt::CaseInsensitive) == 0;
    });
    if (vorhanden != liste.end()) {
        vorhanden->wert = wert;  // the value keeps the spelling of its name
    } else {
        liste.push_back({sName, wert});
    }
    return lSpeichern(hive, sDatei);
}

int32_t RegistryDatei::lSchluesselErstellen(int32_t lRoot, const QString& sKey) {
    RegHive hive;
    QString sDatei;
    const int32_t status = lLaden(lRoot, hive, sDatei);
    if (status != RegStatus::OK) return status;
    if (gbSchreibgeschuetzt(sDatei)) return RegStatus::ZUGRIFF_VERWEIGERT;
    if (hive.Finde(sKey) || gsRegPfadNormal(sKey).isEmpty()) return RegStatus::OK;
    hive.Erstelle(sKey);
    return lSpeichern(hive, sDatei);
}

}  // namespace rastfang
