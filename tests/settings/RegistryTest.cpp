// The registry layer of the store: reads and writes through the .reg files, the INI path kept
// there, the statuses, and every layout of the registry error box.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <new>
#include <tuple>

#include "SettingsUmgebung.h"
#include "settings/RegistryDatei.h"

namespace rastfang {
namespace {

using namespace test;

const QString CRLF = QStringLiteral("\r\n");
const QString VORBEL_KEY = QStringLiteral("Software\\Tesmarin\\Rastfang\\Vorbel");

/// A .reg file registry whose next calls of an operation ('o'pen, 'l'ese, 's'etze, 'e'rstelle)
/// return the statuses queued for it: 0 lets a call through, -99 throws std::bad_alloc.
class FalleSpeicher : public RegistryDatei {
  public:
    using RegistryDatei::RegistryDatei;
    std::map<char, std::deque<int32_t>> fallen;
    int32_t lZugriff = 0;  ///< access right asked for on the last opening

    int32_t lSchluesselOeffnen(int32_t r, const QString& k, int32_t z) override {
        lZugriff = z;
        return falle('o', [&] { return RegistryDatei::lSchluesselOeffnen(r, k, z); });
    }
    int32_t lWertLesen(int32_t r, const QString& k, const QString& n, RegWert& w) override {
        return falle('l', [&] { return RegistryDatei::lWertLesen(r, k, n, w); });
    }
    int32_t lWertSetzen(int32_t r, const QString& k, const QString& n, const RegWert& w) override {
        return falle('s', [&] { return RegistryDatei::lWertSetzen(r, k, n, w); });
    }
    int32_t lSchluesselErstellen(int32_t r, const QString& k) override {
        return falle('e', [&] { return RegistryDatei::lSchluesselErstellen(r, k); });
    }

  private:
    int32_t falle(char c, const std::function<int32_t()>& weiter) {
        std::deque<int32_t>& f = fallen[c];
        if (f.empty()) return weiter();
        const int32_t s = f.front();
        f.pop_front();
        if (s == -99) throw std::bad_alloc();
        return s != 0 ? s : weiter();
    }
};

/// The expected box text: failing API function `zeile` and return code `rc`, or for a null `rc`
/// the first line `zeile` alone; no Entry line for an empty `entry`.
QString box(const QString& zeile, const QString& rc, const QString& mainKey, const QString& key,
            const QString& entry, const QString& funktion) {
    QString s = rc.isNull() ? zeile : "API-Funktion: " + zeile + CRLF + "Return-Code: " + rc;
    s += CRLF + "MainKey: " + mainKey + CRLF + "Key: " + key;
    if (!entry.isEmpty()) s += CRLF + "Entry: " + entry;
    return s + CRLF + CRLF + "Funktion: " + funktion;
}

void erwarteBox(SettingsUmgebung& u, const QString& text,
                const QString& titel = QStringLiteral("Registry API Fehler")) {
    ASSERT_EQ(u.recorder.meldungen.size(), 1u);
    const GezeigteMeldung& m = u.recorder.meldungen[0];
    EXPECT_EQ(std::tuple(m.sTitel, m.iStil, m.sText), std::tuple(titel, int16_t{16}, text));
    u.recorder.meldungen.clear();
}

TEST(Registry, ReadsOnlyStringsAndDwords) {
    SettingsUmgebung u;
    gSchreibe(u.orte.sHkcuDatei,
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang\\Vorbel]\r\n"
              "\"BSDatei\"=\"C:\\\\Daten\\\\Ergebnis \\\"neu\\\".xls\"\r\n"
              "\"Zahl\"=\"42\"\r\n\"Buchstabe\"=\"x\"\r\n\"StZeile\"=dword:0000002a\r\n"
              "\"Minus\"=dword:ffffffff\r\n"
              "\"Pfad\"=hex(2):25,00,54,00,45,00,4d,00,\\\r\n  50,00,25,00,00,00\r\n"
              "\"Nichts\"=hex(1):\r\n\"Kaputt\"=dword:zz\r\n; Kommentar\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Fremd]\r\n\"a\"=\"b\"\r\n");
    CRegistry reg(u.orte);
    Variant v;
    auto lies = [&](const QString& name, const Variant& standard) {
        return reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, name, v, standard);
    };
    // A numeric default turns text into a 32-bit integer; dwords are integers. A missing value is
    // silent (every store reads its INI path from one); an expandable string is refused.
    const std::tuple<QString, Variant, int32_t, Variant> faelle[] = {
        {"Zahl", int16_t{1}, 0, 42}, {"BSDatei", "", 0, "C:\\Daten\\Ergebnis \"neu\".xls"},
        {"Buchstabe", 7, 0, 0},      {"StZeile", "", 0, 42},
        {"Minus", "", 0, -1},        {"Fehlt", 3, 2, 3},
        {"Pfad", "std", -1, "std"}};
    for (const auto& [name, standard, lStatus, erwartet] : faelle) {
        EXPECT_EQ(lies(name, standard), lStatus) << name.toStdString();
        EXPECT_EQ(v, erwartet) << name.toStdString();
    }
    erwarteBox(u, box("Schlüssel weder String noch DWORD", QString(), "HKEY_CURRENT_USER",
                      VORBEL_KEY, "Pfad", "RegistryGetValue"));
    // A string of size 0 cannot be cut: the unexpected-failure report.
    EXPECT_EQ(lies("Nichts", 5), -1);
    erwarteBox(u,
               box("Unzulässiger Prozeduraufruf oder ungültiges Argument" + CRLF, QString(),
                   "HKEY_CURRENT_USER", VORBEL_KEY, "Nichts", "RegistryGetValue/CRegistry"),
               "Fehler VB00005");
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Neu", 1));
    const QByteArray datei = gInhalt(u.orte.sHkcuDatei);
    EXPECT_TRUE(datei.contains("\"Nichts\"=hex(1):\n\"Neu\"=dword:00000001\n")) << datei.data();
    EXPECT_FALSE(datei.contains("Kaputt") || datei.contains("Fremd"));
}

TEST(Registry, KeepsTheIniPathInTheMachineHiveAndReportsRefusedAccess) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    reg.sGlobIniDatei(u.pfad("fehlt/Rastfang.ini"));
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "BSDatei", "x"));
    EXPECT_TRUE(u.bStumm());
    reg.sGlobIniDatei(" /x/y.ini ");
    EXPECT_EQ(CRegistry(u.orte).sIniDateiInGebrauch(), " /x/y.ini ");  // taken unchanged

    const QString key = QStringLiteral("Software\\Tesmarin\\Rastfang\\IniPfade");
    QFile::setPermissions(u.orte.sHklmDatei, QFile::WriteOwner);  // nobody may read it
    EXPECT_EQ(CRegistry(u.orte).sIniDateiInGebrauch(), u.iniDatei());
    erwarteBox(u, box("RegOpenKeyEx", "CANTREAD", "HKEY_LOCAL_MACHINE", key, "Rastfang",
                      "RegistryGetValue"));
    // A read-only hive is left alone; the key creation fails first. The new path is used anyway.
    QFile::setPermissions(u.orte.sHklmDatei, QFile::ReadOwner);
    const QByteArray vorher = gInhalt(u.orte.sHklmDatei);
    reg.sGlobIniDatei(u.pfad("neu.ini"));
    erwarteBox(u, box("RegCreateKeyEx", "CANTWRITE", "HKEY_LOCAL_MACHINE", key, "",
                      "RegistryCreateNewKey"));
    EXPECT_EQ(gInhalt(u.orte.sHklmDatei), vorher);
    EXPECT_EQ(reg.sIniDateiInGebrauch(), u.pfad("neu.ini"));

    Variant v;
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_USERS, "x", "y", v, "d"), 6);
    erwarteBox(u, box("RegOpenKeyEx", "OUTOFMEMORY", "HKEY_USERS", "x", "y", "RegistryGetValue"));
}

TEST(Registry, WritesOnlyStringsAndDwords) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Titel", "abc"));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Breite", int16_t{7}));
    EXPECT_TRUE(reg.bSchreibeEinstellung("fenster", "Hoehe", int32_t{-2}));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Pfad", "C:\\a \"b\""));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "titel", "neu"));
    EXPECT_TRUE(u.bStumm());
    EXPECT_EQ(gInhalt(u.orte.sHkcuDatei),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang\\Fenster]\n"
              "\"Titel\"=\"neu\"\n\"Breite\"=dword:00000007\n\"Hoehe\"=dword:fffffffe\n"
              "\"Pfad\"=\"C:\\\\a \\\"b\\\"\"\n\n");
    EXPECT_FALSE(QFile::exists(u.orte.sHklmDatei));
    // A text with a line break survives the line-based file.
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Notiz", "Zeile 1\r\nZeile 2"));
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Notiz", ""), Variant("Zeile 1\r\nZeile 2"));

    const QByteArray vorher = gInhalt(u.orte.sHkcuDatei);
    for (const Variant& wert : {Variant::Double(1.5), Variant::Boolean(true), Variant()}) {
        EXPECT_FALSE(reg.bSchreibeEinstellung("Fenster", "Faktor", wert));
        erwarteBox(u,
                   box("Schlüssel weder String noch Integer, Long", QString(), "HKEY_CURRENT_USER",
                       "Software\\Tesmarin\\Rastfang\\Fenster", "Faktor", "RegistrySetValue"));
    }
    EXPECT_EQ(gInhalt(u.orte.sHkcuDatei), vorher);
}

TEST(Registry, EveryFailingCallNamesItsApiFunctionInTheReport) {
    SettingsUmgebung u;
    auto speicher = std::make_unique<FalleSpeicher>(u.orte.sHkcuDatei, u.orte.sHklmDatei);
    FalleSpeicher& f = *speicher;
    CRegistry reg(u.orte, std::move(speicher));
    ASSERT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Text", "abc"));
    ASSERT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Zahl", 5));
    EXPECT_EQ(f.lZugriff, RegZugriff::WERTE_SETZEN);
    reg.sLOCAL_MACHINE_Sektionen("Vorbel");  // writes from here on go to HKEY_LOCAL_MACHINE
    // Reads (HKEY_CURRENT_USER); status 2 of a value read is silent.
    const std::tuple<std::deque<int32_t>, const char*, const char*, const char*> lesen[] = {
        {{87}, "Text", "RegQueryValueExNull", "INVALID_PARAMETERS"},
        {{0, 1}, "Text", "RegQueryValueExString", "BADDB"},
        {{0, 259}, "Zahl", "RegQueryValueExLong", "NO_MORE_ITEMS"},
        {{8}, "Zahl", "RegQueryValueExNull", "ACCESS_DENIED"},
        {{0, 1018}, "Text", "RegQueryValueExString", "1018"},
        {{0, 2}, "Text", nullptr, nullptr}};
    for (const auto& [fallen, sEntry, sApi, sRc] : lesen) {
        f.fallen['l'] = fallen;
        Variant v;
        EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, sEntry, v, "d"),
                  fallen.back());
        EXPECT_EQ(f.lZugriff, RegZugriff::WERTE_LESEN);
        if (sApi) {
            erwarteBox(u,
                       box(sApi, sRc, "HKEY_CURRENT_USER", VORBEL_KEY, sEntry, "RegistryGetValue"));
        }
    }
    const std::tuple<char, int32_t, const char*, Variant, const char*, const char*> schreiben[] = {
        {'o', 2, "Text", "x", "RegOpenKeyEx", "BADKEY"},
        {'s', 3, "Text", "x", "RegSetValueExString", "CANTOPEN"},
        {'s', 7, "Zahl", int16_t{1}, "RegSetValueExLong", "ARENA_TRASHED"}};
    for (const auto& [op, lStatus, sEntry, wert, sApi, sRc] : schreiben) {
        f.fallen[op] = {lStatus};
        EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", sEntry, wert));
        erwarteBox(u, box(sApi, sRc, "HKEY_LOCAL_MACHINE", VORBEL_KEY, sEntry, "RegistrySetValue"));
    }

    // An unexpected failure is reported by the routine it happens in, with "/CRegistry".
    for (const auto& [op, sEntry, sFunktion] :
         {std::tuple{'e', "", "RegistryCreateNewKey"}, {'s', "Zahl", "RegistrySetValue"}}) {
        f.fallen[op] = {-99};
        EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Zahl", 1));
        erwarteBox(u,
                   box("Nicht genügend Speicher" + CRLF, QString(), "HKEY_LOCAL_MACHINE",
                       VORBEL_KEY, sEntry, sFunktion + QString("/CRegistry")),
                   "Fehler VB00007");
    }
}

TEST(RegistryShowError, NamesOnlyTheKnownRootsAndReportsEveryUnexpectedFailure) {
    SettingsUmgebung u;
    // The silence of reads with return code 2 is not for unexpected failures.
    gRegistryShowError({12345, "k", "", "RegistryGetValue"}, 0, 2, {2, "Nicht da"});
    erwarteBox(u, box("Nicht da" + CRLF, QString(), "", "k", "", "RegistryGetValue/CRegistry"),
               "Fehler VB00002");
    EXPECT_EQ(gsRootKeyName(HKEY_CLASSES_ROOT), "HKEY_CLASSES_ROOT");
}

}  // namespace
}  // namespace rastfang
