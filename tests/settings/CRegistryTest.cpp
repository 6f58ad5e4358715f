// The store itself: routing by the section lists, the INI reads with their cut and numeric
// conversion, GetAllSet's own reader, SaveSet's line length and the INI path.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QCoreApplication>

#include "SettingsUmgebung.h"

namespace rastfang {
namespace {

using test::SettingsUmgebung;

TEST(CRegistry, LeitwegNachSektionslisten) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    EXPECT_EQ(reg.sIniDateiInGebrauch(), u.iniDatei());
    reg.sGLOB_INI_Sektionen("Vorbel");
    reg.sLOCAL_MACHINE_Sektionen("Maschine;Vorbel");

    EXPECT_TRUE(reg.bSchreibeEinstellung("VORBEL", "BSDatei", "a.xls"));  // in both: INI
    EXPECT_TRUE(reg.bSchreibeEinstellung("bel", "StZeile", int16_t{3}));  // a tail matches
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Links", 10));        // in neither
    EXPECT_TRUE(reg.bSchreibeEinstellung("maschine", "Pfad", "/opt"));    // second list
    EXPECT_EQ(SettingsUmgebung::lies(u.iniDatei()), "[VORBEL]\nBSDatei=a.xls\n[bel]\nStZeile=3\n");
    const QByteArray hkcu = SettingsUmgebung::lies(u.orte.sHkcuDatei);
    EXPECT_TRUE(
        hkcu.contains("[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang\\Fenster]\n"
                      "\"Links\"=dword:0000000a\n"));
    const QByteArray hklm = SettingsUmgebung::lies(u.orte.sHklmDatei);
    EXPECT_TRUE(
        hklm.contains("[HKEY_LOCAL_MACHINE\\Software\\Tesmarin\\Rastfang\\maschine]\n"
                      "\"Pfad\"=\"/opt\"\n"));
    EXPECT_FALSE(hklm.contains("Vorbel"));

    EXPECT_EQ(reg.vLeseEinstellung("vorbel", "bsdatei", ""), Variant("a.xls"));
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Links", 0), Variant(10));
    EXPECT_EQ(reg.vLeseEinstellung("Maschine", "Pfad", ""), Variant("/opt"));
    EXPECT_EQ(reg.vLeseEinstellung("Fenster", "Fehlt", "std"), Variant("std"));
    // "Vorbelx" is not "Vorbel"; a list entry is matched whole at its end only.
    EXPECT_EQ(reg.vLeseEinstellung("Vorbelx", "BSDatei", "nein"), Variant("nein"));
    EXPECT_EQ(reg.vLeseEinstellung("Vorb", "BSDatei", "nein"), Variant("nein"));

    // With empty lists only the empty section name goes to the INI file.
    reg.sGLOB_INI_Sektionen("");
    reg.sLOCAL_MACHINE_Sektionen("");
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "BSDatei", "reg"), Variant("reg"));
    EXPECT_TRUE(reg.bSchreibeEinstellung("", "k", "v"));
    EXPECT_TRUE(SettingsUmgebung::lies(u.iniDatei()).endsWith("[]\nk=v\n"));
    EXPECT_TRUE(u.recorder.meldungen.empty());
}

TEST(CRegistry, Schnitt254UndPuffergroessen) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    QString lang;
    for (int i = 0; i < 300; ++i) lang += QChar(u'a' + i % 26);
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Lang", lang));
    const QString ini = reg.sIniDateiInGebrauch();

    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Lang", ""), Variant(lang.left(254)));
    EXPECT_EQ(reg.GetSet(ini, "Vorbel", "Lang", ""), lang.left(254));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", ""), Variant(lang.left(254)));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", Variant(400)), Variant(lang));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", Variant("400")), Variant(lang));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", Variant(int16_t{100})),
              Variant(lang.left(254)));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", Variant(256)),
              Variant(lang.left(255)));
    // A buffer size that is no number: the empty text, no message.
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "x", Variant("groß")), Variant(""));
    // vLeseEinstellung2 ignores the section lists and reads the named file.
    reg.sGLOB_INI_Sektionen("");
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", Variant(301)), Variant(lang));
    EXPECT_EQ(reg.vLeseEinstellung2(u.pfad("andere.ini"), "Vorbel", "Lang", "d"), Variant("d"));
    EXPECT_TRUE(u.recorder.meldungen.empty());
}

TEST(CRegistry, ZahlenAlsStandardwert) {
    SettingsUmgebung u;
    SettingsUmgebung::schreibe(u.iniDatei(),
                               "[Vorbel]\nStZeile=12\nBuchstaben=abc\nGross=99999999999\n"
                               "Minus= -7 \nHex=&H10\n");
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", 0), Variant(int32_t{12}));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", int16_t{0}), Variant(int32_t{12}));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", ""), Variant("12"));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", Variant()), Variant("12"));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Buchstaben", 0), Variant(int32_t{0}));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Gross", 5), Variant(int32_t{0}));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Minus", 0), Variant(int32_t{-7}));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Hex", 0), Variant(int32_t{16}));
    // A missing key with an integer default: the default, as a 32-bit integer.
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Fehlt", int16_t{5}), Variant(int32_t{5}));
    EXPECT_EQ(reg.vLeseEinstellung2(u.iniDatei(), "Vorbel", "StZeile", int16_t{1}),
              Variant(int32_t{12}));
    // A default without a text form: the empty text; a value without one: false. No message.
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", Variant(TextTabelle(1, 1))), Variant(""));
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "StZeile", Variant(TextTabelle(1, 1))));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", ""), Variant("12"));
    EXPECT_TRUE(u.recorder.meldungen.empty());
}

TEST(CRegistry, GetAllSetLeseregeln) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    const QString datei = u.pfad("liste.ini");
    SettingsUmgebung::schreibe(datei,
                               "[Anfang]\nx=1\n"
                               " [Eingerueckt]\nk=v\n"
                               "[vorbel] ; die Voreinstellungen\n"
                               "BSDatei = a.xls \n\n   \n=nur Wert\nohne Gleichheitszeichen\n"
                               "Leer=\n a = b = c\n  = \nletzte=x[y]\nnie=erreicht\n");
    Variant v("unverändert");
    // A blank before "[" hides the header.
    EXPECT_EQ(reg.GetAllSet(v, datei, "Eingerueckt"), 0);
    EXPECT_EQ(v, Variant("unverändert"));
    EXPECT_EQ(reg.GetAllSet(v, datei, "Fehlt"), 0);
    EXPECT_EQ(reg.GetAllSet(v, u.pfad("fehlt.ini"), "Vorbel"), 0);
    EXPECT_EQ(v, Variant("unverändert"));

    ASSERT_EQ(reg.GetAllSet(v, datei, "  Vorbel "), 1);
    ASSERT_EQ(v.art(), Variant::Art::Tabelle);
    const TextTabelle& t = v.tabelle();
    ASSERT_EQ(t.lZeilen(), 3);
    ASSERT_EQ(t.lSpalten(), 2);
    EXPECT_EQ(t.Zelle(0, 0), "BSDatei");
    EXPECT_EQ(t.Zelle(0, 1), "a.xls");
    EXPECT_EQ(t.Zelle(1, 0), "Leer");
    EXPECT_EQ(t.Zelle(1, 1), "");
    EXPECT_EQ(t.Zelle(2, 0), "a");
    EXPECT_EQ(t.Zelle(2, 1), "b = c");

    // A header line that only begins with the header text counts, "[" anywhere ends.
    SettingsUmgebung::schreibe(datei, "[VORBELX]\n[Vorbel]Rest\nk=[v]\nj=1\n");
    EXPECT_EQ(reg.GetAllSet(v, datei, "vorbel"), 0);
    SettingsUmgebung::schreibe(datei, "[Vorbel]\nk=v\n[Andere]\nj=1\n");
    ASSERT_EQ(reg.GetAllSet(v, datei, "Vorbel"), 1);
    EXPECT_EQ(v.tabelle().lZeilen(), 1);
}

TEST(CRegistry, GetAllSetDateinamen) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    Variant v;
    // A bare name: ".INI" added, looked for in the system folder, the name's case ignored.
    SettingsUmgebung::schreibe(u.orte.sSystemOrdner + "/myapp.ini", "[S]\nk=1\n");
    ASSERT_EQ(reg.GetAllSet(v, "MYAPP", "s"), 1);
    EXPECT_EQ(v.tabelle().Zelle(0, 1), "1");
    // A name with a point but no folder: no ".INI", still the system folder.
    SettingsUmgebung::schreibe(u.orte.sSystemOrdner + "/andere.cfg", "[S]\nk=2\n");
    ASSERT_EQ(reg.GetAllSet(v, "andere.cfg", "S"), 1);
    EXPECT_EQ(v.tabelle().Zelle(0, 1), "2");
    // A path with a folder is taken as it is, ".INI" added when there is no point at all.
    SettingsUmgebung::schreibe(u.pfad("ordner/rastfang.INI"), "[S]\nk=3\n");
    ASSERT_EQ(reg.GetAllSet(v, u.pfad("ordner/rastfang"), "S"), 1);
    EXPECT_EQ(v.tabelle().Zelle(0, 1), "3");
    // Cp1252 text.
    SettingsUmgebung::schreibe(u.pfad("alt.ini"), "[S]\r\nName=J\xf6rg\r\n");
    ASSERT_EQ(reg.GetAllSet(v, u.pfad("alt.ini"), "S"), 1);
    EXPECT_EQ(v.tabelle().Zelle(0, 1), QStringLiteral("Jörg"));
    // A folder is no file.
    QDir().mkpath(u.pfad("ordner2.ini"));
    EXPECT_EQ(reg.GetAllSet(v, u.pfad("ordner2.ini"), "S"), 0);
    // A file that exists but cannot be read reaches the caller as an error (the administrator
    // reads every file, so only others can see this).
    if (geteuid() != 0) {
        QFile::setPermissions(u.pfad("alt.ini"), QFile::WriteOwner);
        EXPECT_THROW(reg.GetAllSet(v, u.pfad("alt.ini"), "S"), VbFehler);
    }
}

TEST(CRegistry, GetAllSetUeberlauf) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    QByteArray inhalt = "[S]\n";
    for (int i = 0; i < 32768; ++i) inhalt += "k=v\n";
    SettingsUmgebung::schreibe(u.pfad("voll.ini"), inhalt);  // indexes 0..32767 fit
    inhalt += "k=v\n";
    SettingsUmgebung::schreibe(u.pfad("viel.ini"), inhalt);
    Variant v;
    ASSERT_EQ(reg.GetAllSet(v, u.pfad("voll.ini"), "S"), 1);
    EXPECT_EQ(v.tabelle().lZeilen(), 32768);
    try {
        reg.GetAllSet(v, u.pfad("viel.ini"), "S");
        ADD_FAILURE() << "no overflow";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), FEHLER_UEBERLAUF);
    }
    SettingsUmgebung::schreibe(u.pfad("lang.ini"), "[S]\n" + QByteArray(32767, 'k') + "=v\n" +
                                                       QByteArray(32766, 'k') + "=w\n");
    EXPECT_THROW(reg.GetAllSet(v, u.pfad("lang.ini"), "S"), VbFehler);
    SettingsUmgebung::schreibe(u.pfad("lang.ini"), "[S]\n" + QByteArray(32766, 'k') + "=w\n");
    EXPECT_EQ(reg.GetAllSet(v, u.pfad("lang.ini"), "S"), 1);
}

TEST(CRegistry, SaveSetUndMaxLineLen) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    const QString datei = u.pfad("save.ini");
    EXPECT_EQ(reg.lMaxLineLen(), 0);
    reg.SaveSet(datei, "S", "k", "0123456789");
    EXPECT_EQ(reg.lMaxLineLen(), 15);
    reg.SaveSet(datei, "S", "k", "abc");
    EXPECT_EQ(reg.lMaxLineLen(), 15);
    EXPECT_EQ(reg.GetSet(datei, "s", "K", "std"), "abc");
    EXPECT_EQ(reg.GetSet(datei, "s", "fehlt", "std"), "std");
    reg.lMaxLineLen(100);
    reg.SaveSet(datei, "S", "k", "0123456789");
    EXPECT_EQ(reg.lMaxLineLen(), 100);
    reg.lMaxLineLen(-3);
    reg.SaveSet(datei, "S", "k", "");
    EXPECT_EQ(reg.lMaxLineLen(), 5);
    // A failed write is not examined, the length still counts.
    reg.SaveSet(u.pfad("fehlt/x.ini"), "S", "k", QString(20, QChar(u'x')));
    EXPECT_EQ(reg.lMaxLineLen(), 25);
    EXPECT_EQ(reg.HKLM(), -2147483646);
    EXPECT_EQ(static_cast<uint32_t>(reg.HKLM()), 2147483650u);
}

TEST(CRegistry, IniPfad) {
    SettingsUmgebung u;
    const QString key = "Software\\Tesmarin\\Rastfang\\IniPfade";
    {
        CRegistry reg(u.orte);
        EXPECT_EQ(reg.sGlobIniDatei(), u.orte.sProgrammOrdner + "/Rastfang.ini");
        reg.sGLOB_INI_Sektionen("Vorbel");
        const QString neu = u.pfad("neu.ini");
        reg.sGlobIniDatei(neu);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), neu);
        EXPECT_EQ(reg.sGlobIniDatei(), neu);
        EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "BSDatei", "x"));
        EXPECT_EQ(SettingsUmgebung::lies(neu), "[Vorbel]\nBSDatei=x\n");
        EXPECT_TRUE(
            SettingsUmgebung::lies(u.orte.sHklmDatei)
                .contains(("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"Rastfang\"=\"" + neu + "\"\n")
                              .toUtf8()));
        EXPECT_TRUE(u.recorder.meldungen.empty());
        // An INI file in a folder that cannot be written: the presets are lost silently.
        SettingsUmgebung::schreibe(u.pfad("datei"), "kein Ordner");
        reg.sGlobIniDatei(u.pfad("datei/Rastfang.ini"));
        EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "BSDatei", "x"));
        EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "BSDatei", "std"), Variant("std"));
        EXPECT_TRUE(u.recorder.meldungen.empty());
        reg.sGlobIniDatei(neu);
    }
    // A new store finds the registered path, taken unchanged.
    {
        CRegistry reg(u.orte);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), u.pfad("neu.ini"));
        reg.sGlobIniDatei(" /x/y.ini ");
    }
    {
        CRegistry reg(u.orte);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), " /x/y.ini ");
    }
    // A path registered as another type: the report, then the program folder.
    SettingsUmgebung::schreibe(
        u.orte.sHklmDatei,
        ("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"Rastfang\"=hex(2):41,00,00,00\n").toUtf8());
    {
        CRegistry reg(u.orte);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), u.iniDatei());
        ASSERT_EQ(u.recorder.meldungen.size(), 1u);
        EXPECT_TRUE(u.recorder.meldungen[0].sText.startsWith("Schlüssel weder String noch DWORD"));
        u.recorder.meldungen.clear();
        // When the registry cannot be written, the new path is used anyway.
        QFile::remove(u.orte.sHklmDatei);
        QDir().mkpath(u.orte.sHklmDatei);
        const QString neu = u.pfad("trotzdem.ini");
        reg.sGlobIniDatei(neu);
        EXPECT_EQ(u.recorder.meldungen.size(), 1u);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), neu);
        reg.sGLOB_INI_Sektionen("Vorbel");
        EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "k", "v"));
        EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "k", ""), Variant("v"));
        EXPECT_TRUE(QFile::exists(neu));
    }
    // The program folder: a trailing separator is not doubled, a blank folder is none.
    SettingsOrte orte = u.orte;
    orte.sHklmDatei = u.pfad("leer.reg");
    orte.sProgrammOrdner = "/opt/rastfang/";
    EXPECT_EQ(CRegistry(orte).sIniDateiInGebrauch(), "/opt/rastfang/Rastfang.ini");
    orte.sProgrammOrdner = "C:\\Programme\\Rastfang\\";
    EXPECT_EQ(CRegistry(orte).sIniDateiInGebrauch(), "C:\\Programme\\Rastfang\\Rastfang.ini");
    orte.sProgrammOrdner = "   ";
    EXPECT_EQ(CRegistry(orte).sIniDateiInGebrauch(), "Rastfang.ini");
    EXPECT_EQ(gsMitBackslash(""), "/");
    EXPECT_EQ(gsMitBackslash("a"), "a/");
    EXPECT_EQ(gsMitBackslash("a\\"), "a\\");
    EXPECT_EQ(gsMitBackslash("a/"), "a/");
}

TEST(CRegistry, ProgrammweiterSpeicherAufDenPlattformorten) {
    SettingsUmgebung u;
    qputenv("XDG_CONFIG_HOME", u.pfad("home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (":" + u.pfad("sys1") + ":" + u.pfad("sys2")).toUtf8());
    const SettingsOrte orte = SettingsOrte::Plattform();
    EXPECT_EQ(orte.sHkcuDatei, u.pfad("home/Tesmarin/HKEY_CURRENT_USER.reg"));
    EXPECT_EQ(orte.sHklmDatei, u.pfad("sys1/Tesmarin/HKEY_LOCAL_MACHINE.reg"));
    EXPECT_EQ(orte.sSystemOrdner, u.pfad("sys1"));
    EXPECT_EQ(orte.sProgrammOrdner, QCoreApplication::applicationDirPath());

    CRegistry& reg = goRegistry();
    EXPECT_EQ(&reg, &goRegistry());
    EXPECT_EQ(reg.sIniDateiInGebrauch(), QCoreApplication::applicationDirPath() + "/Rastfang.ini");
    EXPECT_TRUE(reg.bSchreibeEinstellung("Fenster", "Test", 1));
    EXPECT_TRUE(QFile::exists(orte.sHkcuDatei));
    qunsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(SettingsOrte::Plattform().sSystemOrdner, "/etc/xdg");
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace rastfang
