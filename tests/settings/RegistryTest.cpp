// The registry layer of the store: reads and writes through the .reg files, the statuses, and
// every layout of the registry error box.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <new>

#include "RegFormat.h"
#include "RegistryDatei.h"
#include "SettingsUmgebung.h"

namespace rastfang {
namespace {

using test::SettingsUmgebung;

const QString CRLF = QStringLiteral("\r\n");
const QString VORBEL_KEY = QStringLiteral("Software\\Tesmarin\\Rastfang\\Vorbel");

/// A registry whose calls can be made to fail with chosen statuses or to throw; otherwise it
/// passes every call to a .reg file registry.
class FalleSpeicher : public RegistrySpeicher {
  public:
    FalleSpeicher(const SettingsOrte& orte) : m_echt(orte.sHkcuDatei, orte.sHklmDatei) {}

    /// Statuses the next calls of one operation return ("oeffnen", "lesen", "setzen",
    /// "erstellen"); 0 lets the call through, -99 makes it throw std::bad_alloc.
    std::map<QString, std::deque<int32_t>> fallen;
    std::vector<int32_t> zugriffe;  ///< access rights asked for by lSchluesselOeffnen

    int32_t lSchluesselOeffnen(int32_t r, const QString& k, int32_t z) override {
        zugriffe.push_back(z);
        if (auto f = falle("oeffnen")) return *f;
        return m_echt.lSchluesselOeffnen(r, k, z);
    }
    int32_t lWertLesen(int32_t r, const QString& k, const QString& n, RegWert& w) override {
        if (auto f = falle("lesen")) return *f;
        return m_echt.lWertLesen(r, k, n, w);
    }
    int32_t lWertSetzen(int32_t r, const QString& k, const QString& n, const RegWert& w) override {
        if (auto f = falle("setzen")) return *f;
        return m_echt.lWertSetzen(r, k, n, w);
    }
    int32_t lSchluesselErstellen(int32_t r, const QString& k) override {
        if (auto f = falle("erstellen")) return *f;
        return m_echt.lSchluesselErstellen(r, k);
    }

  private:
    std::optional<int32_t> falle(const char* op) {
        auto& q = fallen[QString::fromLatin1(op)];
        if (q.empty()) return std::nullopt;
        const int32_t s = q.front();
        q.pop_front();
        if (s == -99) throw std::bad_alloc();
        if (s == 0) return std::nullopt;  // this call goes through
        return s;
    }
    RegistryDatei m_echt;
};

QString box(const QString& ersteZeile, const QString& returnCode, const QString& mainKey,
            const QString& key, const QString& entry, const QString& funktion) {
    QString s = ersteZeile;
    if (!returnCode.isNull()) s += CRLF + "Return-Code: " + returnCode;
    s += CRLF + "MainKey: " + mainKey + CRLF + "Key: " + key;
    if (!entry.isEmpty()) s += CRLF + "Entry: " + entry;
    return s + CRLF + CRLF + "Funktion: " + funktion;
}

void erwarteBox(SettingsUmgebung& u, const QString& text, const QString& titel) {
    ASSERT_EQ(u.recorder.meldungen.size(), 1u);
    EXPECT_EQ(u.recorder.meldungen[0].sText, text);
    EXPECT_EQ(u.recorder.meldungen[0].iStil, 16);
    EXPECT_EQ(u.recorder.meldungen[0].sTitel, titel);
    u.recorder.meldungen.clear();
}

TEST(Registry, LesenVonStringDwordUndAnderenTypen) {
    SettingsUmgebung u;
    SettingsUmgebung::schreibe(
        u.orte.sHkcuDatei,
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang\\Vorbel]\r\n"
        "\"BSDatei\"=\"C:\\\\Daten\\\\Ergebnis \\\"neu\\\".xls\"\r\n"
        "\"Zahl\"=\"42\"\r\n\"Buchstabe\"=\"x\"\r\n\"StZeile\"=dword:0000002a\r\n"
        "\"Minus\"=dword:ffffffff\r\n"
        "\"Pfad\"=hex(2):25,00,54,00,45,00,4d,00,\\\r\n  50,00,25,00,00,00\r\n"
        "\"Nichts\"=hex(1):\r\n");
    CRegistry reg(u.orte);
    Variant v;
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "BSDatei", v, ""), 0);
    EXPECT_EQ(v, Variant("C:\\Daten\\Ergebnis \"neu\".xls"));
    // Key and value names without regard to case.
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY.toUpper(), "bsdatei", v, ""),
              0);
    EXPECT_EQ(v.art(), Variant::Art::Text);
    // A numeric default turns the text into a 32-bit integer, 0 when it is no number.
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Zahl", v, int16_t{1}), 0);
    EXPECT_EQ(v, Variant(int32_t{42}));
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Buchstabe", v, 7), 0);
    EXPECT_EQ(v, Variant(int32_t{0}));
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "StZeile", v, ""), 0);
    EXPECT_EQ(v, Variant(int32_t{42}));
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Minus", v, ""), 0);
    EXPECT_EQ(v, Variant(int32_t{-1}));
    EXPECT_TRUE(u.recorder.meldungen.empty());

    // An expandable string is refused: no Return-Code line, the default is delivered.
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Pfad", v, "std"), -1);
    EXPECT_EQ(v, Variant("std"));
    erwarteBox(u,
               box("Schlüssel weder String noch DWORD", QString(), "HKEY_CURRENT_USER", VORBEL_KEY,
                   "Pfad", "RegistryGetValue"),
               "Registry API Fehler");

    // A string of size 0 cannot be cut: the unexpected-failure report.
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Nichts", v, 5), -1);
    EXPECT_EQ(v, Variant(5));
    erwarteBox(u,
               "Unzulässiger Prozeduraufruf oder ungültiges Argument" + CRLF + CRLF +
                   "MainKey: HKEY_CURRENT_USER" + CRLF + "Key: " + VORBEL_KEY + CRLF +
                   "Entry: Nichts" + CRLF + CRLF + "Funktion: RegistryGetValue/CRegistry",
               "Fehler VB00005");

    // Missing value, missing key, missing hive: status 2 without a word.
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Fehlt", v, "a"), 2);
    EXPECT_EQ(v, Variant("a"));
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, "Software\\Fehlt", "BSDatei", v, 3), 2);
    EXPECT_EQ(v, Variant(3));
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_LOCAL_MACHINE, VORBEL_KEY, "BSDatei", v, ""), 2);
    EXPECT_TRUE(u.recorder.meldungen.empty());
}

TEST(Registry, VerweigerterZugriffBeimLesen) {
    SettingsUmgebung u;
    const QString key = QStringLiteral("Software\\Tesmarin\\Rastfang\\IniPfade");
    SettingsUmgebung::schreibe(u.orte.sHklmDatei,
                               "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_LOCAL_MACHINE\\Software\\Tesmarin\\Rastfang\\IniPfade]\n"
                               "\"Rastfang\"=\"/etc/rastfang.ini\"\n");
    QFile::setPermissions(u.orte.sHklmDatei, QFile::WriteOwner);  // nobody may read it
    const QString gesperrt = box("API-Funktion: RegOpenKeyEx", "CANTREAD", "HKEY_LOCAL_MACHINE",
                                 key, "Rastfang", "RegistryGetValue");
    CRegistry reg(u.orte);  // reads the INI path on creation
    erwarteBox(u, gesperrt, "Registry API Fehler");
    EXPECT_EQ(reg.sIniDateiInGebrauch(), u.iniDatei());
    Variant v;
    EXPECT_EQ(reg.gf_RegistryGetValue(reg.HKLM(), key, "Rastfang", v, "std"), 4);
    EXPECT_EQ(v, Variant("std"));
    erwarteBox(u, gesperrt, "Registry API Fehler");

    // A folder in place of the hive file is just as unreadable.
    QDir().mkpath(u.orte.sHkcuDatei);
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "BSDatei", v, ""), 4);
    EXPECT_EQ(u.recorder.meldungen.size(), 1u);
}

TEST(Registry, SchreibenLegtSchluesselAnUndSpeichertTextUndDword) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Titel", "abc"));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Breite", int16_t{7}));
    EXPECT_TRUE(reg.bSchreibeEinstellung("fenster", "Hoehe", int32_t{-2}));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Pfad", "C:\\a \"b\""));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "titel", "neu"));
    EXPECT_TRUE(u.recorder.meldungen.empty());
    EXPECT_EQ(SettingsUmgebung::lies(u.orte.sHkcuDatei),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang\\Fenster]\n"
              "\"Titel\"=\"neu\"\n\"Breite\"=dword:00000007\n\"Hoehe\"=dword:fffffffe\n"
              "\"Pfad\"=\"C:\\\\a \\\"b\\\"\"\n\n");
    EXPECT_FALSE(QFile::exists(u.orte.sHklmDatei));

    // Three letters are stored with their NUL: 4 characters.
    RegistryDatei datei(u.orte.sHkcuDatei, u.orte.sHklmDatei);
    RegWert w;
    ASSERT_EQ(
        datei.lWertLesen(HKEY_CURRENT_USER, "SOFTWARE\\Tesmarin\\Rastfang\\Fenster\\", "TITEL", w),
        0);
    EXPECT_EQ(w.lTyp, RegTyp::SZ);
    EXPECT_EQ(w.lGroesse, 4);
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Pfad", ""), Variant("C:\\a \"b\""));
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Breite", ""), Variant(int32_t{7}));

    // A text with a line break survives the line-based file.
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Notiz", "Zeile 1\r\nZeile 2"));
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Notiz", ""), Variant("Zeile 1\r\nZeile 2"));

    // Floating point, true/false and empty values are refused.
    const QString key = QStringLiteral("Software\\Tesmarin\\Rastfang\\Fenster");
    const QByteArray vorher = SettingsUmgebung::lies(u.orte.sHkcuDatei);
    EXPECT_FALSE(reg.bSchreibeEinstellung("Fenster", "Faktor", Variant::Double(1.5)));
    erwarteBox(u,
               box("Schlüssel weder String noch Integer, Long", QString(), "HKEY_CURRENT_USER", key,
                   "Faktor", "RegistrySetValue"),
               "Registry API Fehler");
    EXPECT_FALSE(reg.bSchreibeEinstellung("Fenster", "Ja", Variant::Boolean(true)));
    EXPECT_FALSE(reg.bSchreibeEinstellung("Fenster", "Leer", Variant()));
    EXPECT_EQ(u.recorder.meldungen.size(), 2u);
    EXPECT_EQ(SettingsUmgebung::lies(u.orte.sHkcuDatei), vorher);
}

TEST(Registry, VerweigertesSchreiben) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    ASSERT_TRUE(reg.bSchreibeEinstellung("Fenster", "Titel", "abc"));
    const QByteArray vorher = SettingsUmgebung::lies(u.orte.sHkcuDatei);
    QFile::setPermissions(u.orte.sHkcuDatei, QFile::ReadOwner | QFile::ReadOther);
    EXPECT_FALSE(reg.bSchreibeEinstellung("Fenster", "Titel", "neu"));
    // The key creation is what fails first: its report names no value.
    erwarteBox(u,
               box("API-Funktion: RegCreateKeyEx", "CANTWRITE", "HKEY_CURRENT_USER",
                   "Software\\Tesmarin\\Rastfang\\Fenster", "", "RegistryCreateNewKey"),
               "Registry API Fehler");
    EXPECT_EQ(SettingsUmgebung::lies(u.orte.sHkcuDatei), vorher);
    // Reading a read-only hive is fine.
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Titel", ""), Variant("abc"));

    // A root this registry does not keep.
    Variant v;
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_USERS, "x", "y", v, "d"), 6);
    erwarteBox(u,
               box("API-Funktion: RegOpenKeyEx", "OUTOFMEMORY", "HKEY_USERS", "x", "y",
                   "RegistryGetValue"),
               "Registry API Fehler");
}

TEST(Registry, JedesLayoutDerFehlermeldung) {
    SettingsUmgebung u;
    auto speicher = std::make_unique<FalleSpeicher>(u.orte);
    FalleSpeicher& falle = *speicher;
    CRegistry reg(u.orte, std::move(speicher));
    ASSERT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Text", "abc"));
    ASSERT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Zahl", 5));
    EXPECT_EQ(falle.zugriffe.back(), RegZugriff::WERTE_SETZEN);
    const QString titel = QStringLiteral("Registry API Fehler");
    Variant v;

    // Open: a code without a name is shown in decimal; reads ask for access 1.
    falle.fallen["oeffnen"] = {1018};
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Text", v, "d"), 1018);
    EXPECT_EQ(falle.zugriffe.back(), RegZugriff::WERTE_LESEN);
    EXPECT_EQ(v, Variant("d"));
    erwarteBox(u,
               box("API-Funktion: RegOpenKeyEx", "1018", "HKEY_CURRENT_USER", VORBEL_KEY, "Text",
                   "RegistryGetValue"),
               titel);
    // Query without buffer, query of a string, query of a double-word.
    falle.fallen["lesen"] = {87};
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Text", v, "d"), 87);
    erwarteBox(u,
               box("API-Funktion: RegQueryValueExNull", "INVALID_PARAMETERS", "HKEY_CURRENT_USER",
                   VORBEL_KEY, "Text", "RegistryGetValue"),
               titel);
    falle.fallen["lesen"] = {0, 1};
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Text", v, "d"), 1);
    erwarteBox(u,
               box("API-Funktion: RegQueryValueExString", "BADDB", "HKEY_CURRENT_USER", VORBEL_KEY,
                   "Text", "RegistryGetValue"),
               titel);
    falle.fallen["lesen"] = {0, 259};
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Zahl", v, 0), 259);
    EXPECT_EQ(v, Variant(0));
    erwarteBox(u,
               box("API-Funktion: RegQueryValueExLong", "NO_MORE_ITEMS", "HKEY_CURRENT_USER",
                   VORBEL_KEY, "Zahl", "RegistryGetValue"),
               titel);
    // Status 2 of a read is silent, wherever it comes from.
    falle.fallen["lesen"] = {0, 2};
    EXPECT_EQ(reg.gf_RegistryGetValue(HKEY_CURRENT_USER, VORBEL_KEY, "Text", v, "d"), 2);
    EXPECT_TRUE(u.recorder.meldungen.empty());

    // Writing: open for setting, string, double-word, key creation.
    falle.fallen["oeffnen"] = {2};
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Text", "x"));
    erwarteBox(u,
               box("API-Funktion: RegOpenKeyEx", "BADKEY", "HKEY_CURRENT_USER", VORBEL_KEY, "Text",
                   "RegistrySetValue"),
               titel);
    falle.fallen["setzen"] = {3};
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Text", "x"));
    erwarteBox(u,
               box("API-Funktion: RegSetValueExString", "CANTOPEN", "HKEY_CURRENT_USER", VORBEL_KEY,
                   "Text", "RegistrySetValue"),
               titel);
    reg.sLOCAL_MACHINE_Sektionen("Vorbel");
    falle.fallen["setzen"] = {7};
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Zahl", int16_t{1}));
    erwarteBox(u,
               box("API-Funktion: RegSetValueExLong", "ARENA_TRASHED", "HKEY_LOCAL_MACHINE",
                   VORBEL_KEY, "Zahl", "RegistrySetValue"),
               titel);
    falle.fallen["erstellen"] = {8};
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Zahl", 1));
    erwarteBox(u,
               box("API-Funktion: RegCreateKeyEx", "ACCESS_DENIED", "HKEY_LOCAL_MACHINE",
                   VORBEL_KEY, "", "RegistryCreateNewKey"),
               titel);

    // Unexpected failures: the error's own number and description, "/CRegistry".
    falle.fallen["erstellen"] = {-99};
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Zahl", 1));
    const PendingError kein_speicher = gAktuellerFehler(std::make_exception_ptr(std::bad_alloc()));
    erwarteBox(u,
               kein_speicher.sBeschreibung + CRLF + CRLF + "MainKey: HKEY_LOCAL_MACHINE" + CRLF +
                   "Key: " + VORBEL_KEY + CRLF + CRLF + "Funktion: RegistryCreateNewKey/CRegistry",
               "Fehler " + gsVbCode(kein_speicher.lNummer));
    falle.fallen["setzen"] = {-99};
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "Zahl", 1));
    ASSERT_EQ(u.recorder.meldungen.size(), 1u);
    EXPECT_TRUE(u.recorder.meldungen[0].sText.endsWith("Entry: Zahl" + CRLF + CRLF +
                                                       "Funktion: RegistrySetValue/CRegistry"));
    u.recorder.meldungen.clear();
}

TEST(Registry, FehlermeldungDirekt) {
    SettingsUmgebung u;
    const RegistryCallInfo info{HKEY_CLASSES_ROOT, "a\\b", "c", "RegistrySetValue"};
    const std::vector<std::pair<int32_t, QString>> namen{{1, "BADDB"},
                                                         {2, "BADKEY"},
                                                         {3, "CANTOPEN"},
                                                         {4, "CANTREAD"},
                                                         {5, "CANTWRITE"},
                                                         {6, "OUTOFMEMORY"},
                                                         {7, "ARENA_TRASHED"},
                                                         {8, "ACCESS_DENIED"},
                                                         {87, "INVALID_PARAMETERS"},
                                                         {259, "NO_MORE_ITEMS"},
                                                         {0, "0"},
                                                         {-1, "-1"},
                                                         {1018, "1018"}};
    for (const auto& [code, name] : namen) {
        gRegistryShowError(info, 5, code);
        erwarteBox(u,
                   box("API-Funktion: RegSetValueExString", name, "HKEY_CLASSES_ROOT", "a\\b", "c",
                       "RegistrySetValue"),
                   "Registry API Fehler");
    }
    // Another handle value shows no name; a negative error number is shown in hexadecimal.
    gRegistryShowError({12345, "k", "", "RegistryGetValue"}, 0, 0, {-2147221504, "Kaputt"});
    erwarteBox(u,
               "Kaputt" + CRLF + CRLF + "MainKey: " + CRLF + "Key: k" + CRLF + CRLF +
                   "Funktion: RegistryGetValue/CRegistry",
               "Fehler VB80040000H");
    // The silence of step 1 is for reads and return code 2 only.
    gRegistryShowError({HKEY_USERS, "k", "e", "RegistryGetValue"}, 1, 2);
    EXPECT_TRUE(u.recorder.meldungen.empty());
    gRegistryShowError({HKEY_USERS, "k", "e", "RegistryGetValue"}, 0, 2, {2, "Nicht da"});
    EXPECT_EQ(u.recorder.meldungen.size(), 1u);
    u.recorder.meldungen.clear();
    gRegistryShowError({HKEY_USERS, "k", "e", "RegistrySetValue"}, 1, 2);
    erwarteBox(
        u, box("API-Funktion: RegOpenKeyEx", "BADKEY", "HKEY_USERS", "k", "e", "RegistrySetValue"),
        "Registry API Fehler");
}

TEST(Registry, DateiformatLesenUndSchreiben) {
    const QString text = QStringLiteral(
        "Windows Registry Editor Version 5.00\n\n; Kommentar\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Fremd]\n\"a\"=\"fremd\"\n\n"
        "[HKEY_CURRENT_USER\\Software\\A]\n@=\"Standard\"\n\"Bin\"=hex:01,ff\n"
        "\"Leer\"=\"\"\n\"Kaputt\"=dword:zz\nunverständlich\n"
        "[-HKEY_CURRENT_USER\\Software\\Weg]\n\"weg\"=\"x\"\n");
    RegHive hive = gLeseRegText(text, "HKEY_CURRENT_USER");
    ASSERT_EQ(hive.schluessel.size(), 1u);
    const RegSchluessel* a = hive.Finde("\\software\\a\\");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->eintraege.size(), 3u);
    EXPECT_EQ(a->eintraege[0].sName, "");
    EXPECT_EQ(a->eintraege[0].wert.sText, "Standard");
    EXPECT_EQ(a->eintraege[1].wert.lTyp, RegTyp::BINARY);
    EXPECT_EQ(a->eintraege[1].wert.daten, QByteArray("\x01\xff", 2));
    EXPECT_EQ(a->eintraege[2].wert.lGroesse, 1);
    hive.Erstelle("Software\\A\\B\\C");
    EXPECT_EQ(gsSchreibeRegText(hive),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\A]\n@=\"Standard\"\n\"Bin\"=hex:01,ff\n"
              "\"Leer\"=\"\"\n\n"
              "[HKEY_CURRENT_USER\\Software]\n\n"
              "[HKEY_CURRENT_USER\\Software\\A\\B]\n\n"
              "[HKEY_CURRENT_USER\\Software\\A\\B\\C]\n\n");
    // Written and read again, the values are the same.
    const RegHive wieder = gLeseRegText(gsSchreibeRegText(hive), "HKEY_CURRENT_USER");
    ASSERT_EQ(wieder.schluessel.size(), 4u);
    EXPECT_EQ(wieder.schluessel[0].eintraege[1].wert.daten, QByteArray("\x01\xff", 2));
}

}  // namespace
}  // namespace rastfang
