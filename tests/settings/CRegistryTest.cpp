// The store itself: routing by the section lists, the INI reads with their cut and numeric
// conversion, GetAllSet's own reader, SaveSet's line length and the INI path.
#include <gtest/gtest.h>

#include <tuple>

#include <unistd.h>

#include <QCoreApplication>

#include "SettingsUmgebung.h"

namespace rastfang {
namespace {

using test::SettingsUmgebung;

/// GetAllSet's table as "key=value|…", or "-" when it found nothing.
QString alle(CRegistry& reg, const QString& datei, const QString& sektion) {
    Variant v;
    if (reg.GetAllSet(v, datei, sektion) != 1) return "-";
    const TextTabelle& t = v.tabelle();
    EXPECT_EQ(t.lSpalten(), 2);
    QStringList z;
    for (int32_t i = 0; i < t.lZeilen(); ++i) z << t.Zelle(i, 0) + "=" + t.Zelle(i, 1);
    return z.join('|');
}

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
    EXPECT_TRUE(SettingsUmgebung::lies(u.orte.sHkcuDatei)
                    .contains("[HKEY_CURRENT_USER\\Software\\Tesmarin\\Rastfang\\Fenster]\n"
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
    // A list entry is matched whole at the end of the section name only.
    EXPECT_EQ(reg.vLeseEinstellung("Vorbelx", "BSDatei", "nein"), Variant("nein"));
    EXPECT_EQ(reg.vLeseEinstellung("Vorb", "BSDatei", "nein"), Variant("nein"));

    // With empty lists only the empty section name goes to the INI file.
    reg.sGLOB_INI_Sektionen("");
    reg.sLOCAL_MACHINE_Sektionen("");
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "BSDatei", "reg"), Variant("reg"));
    EXPECT_TRUE(reg.bSchreibeEinstellung("", "k", "v"));
    EXPECT_TRUE(SettingsUmgebung::lies(u.iniDatei()).endsWith("[]\nk=v\n"));
    EXPECT_TRUE(u.bStumm());
}

TEST(CRegistry, Schnitt254UndPuffergroessen) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    QString lang;
    for (int i = 0; i < 300; ++i) lang += QChar(u'a' + i % 26);
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Lang", lang));
    const QString ini = reg.sIniDateiInGebrauch();
    auto lies2 = [&](const Variant& puffer) {
        return reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", puffer);
    };

    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Lang", ""), Variant(lang.left(254)));
    EXPECT_EQ(reg.GetSet(ini, "Vorbel", "Lang", ""), lang.left(254));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", ""), Variant(lang.left(254)));
    EXPECT_EQ(lies2(400), Variant(lang));
    EXPECT_EQ(lies2("400"), Variant(lang));
    EXPECT_EQ(lies2(int16_t{100}), Variant(lang.left(254)));
    EXPECT_EQ(lies2(256), Variant(lang.left(255)));
    // A buffer size that is no number: the empty text, no message.
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "x", Variant("groß")), Variant(""));
    // vLeseEinstellung2 ignores the section lists and reads the named file.
    reg.sGLOB_INI_Sektionen("");
    EXPECT_EQ(lies2(301), Variant(lang));
    EXPECT_EQ(reg.vLeseEinstellung2(u.pfad("andere.ini"), "Vorbel", "Lang", "d"), Variant("d"));
    EXPECT_TRUE(u.bStumm());
}

TEST(CRegistry, ZahlenAlsStandardwert) {
    SettingsUmgebung u;
    SettingsUmgebung::schreibe(u.iniDatei(),
                               "[Vorbel]\nStZeile=12\nBuchstaben=abc\nGross=2147483648\n"
                               "Minus= -7 \nHex=&H10\nVoll=&hFFFFFFFF\nOkt=&O17\nHalb=2.5\n"
                               "Halb2=3.5\nExp=1e3\nTab=\t+12\t\nKlein=-2147483648\n");
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    // An integer default gives a 32-bit integer (0 when the text is no number, or too large;
    // halves to even); any other default the text; a default without a text form "".
    const std::vector<std::tuple<const char*, Variant, Variant>> faelle{
        {"StZeile", 0, 12},
        {"StZeile", int16_t{0}, 12},
        {"StZeile", "", "12"},
        {"StZeile", {}, "12"},
        {"Buchstaben", 0, 0},
        {"Gross", 5, 0},
        {"Minus", 0, -7},
        {"Hex", 0, 16},
        {"Voll", 0, -1},
        {"Okt", 0, 15},
        {"Halb", 0, 2},
        {"Halb2", 0, 4},
        {"Exp", 0, 1000},
        {"Tab", 0, 12},
        {"Klein", 0, INT32_MIN},
        {"Fehlt", int16_t{5}, 5},
        {"StZeile", Variant(TextTabelle(1, 1)), ""}};
    for (const auto& [key, standard, erwartet] : faelle) {
        EXPECT_EQ(reg.vLeseEinstellung("Vorbel", key, standard), erwartet) << key;
    }
    EXPECT_EQ(reg.vLeseEinstellung2(u.iniDatei(), "Vorbel", "StZeile", int16_t{1}), Variant(12));
    // Values are written in their text form; one without a text form is not written.
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Faktor", Variant::Double(1.5)));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Ja", Variant::Boolean(true)));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Faktor", ""), Variant("1,5"));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Ja", ""), Variant("Wahr"));
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "StZeile", Variant(TextTabelle(1, 1))));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", ""), Variant("12"));
    EXPECT_TRUE(u.bStumm());
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
    // Nothing found leaves the value unchanged.
    Variant v("unverändert");
    EXPECT_EQ(reg.GetAllSet(v, datei, "Fehlt"), 0);
    EXPECT_EQ(v, Variant("unverändert"));
    EXPECT_EQ(alle(reg, datei, "Eingerueckt"), "-");  // a blank before "[" hides the header
    EXPECT_EQ(alle(reg, u.pfad("fehlt.ini"), "Vorbel"), "-");
    // Blank and key-less lines skipped, blanks trimmed, "[" anywhere ends the section.
    EXPECT_EQ(alle(reg, datei, "  Vorbel "), "BSDatei=a.xls|Leer=|a=b = c");
    // A header line that only begins with the header text counts.
    SettingsUmgebung::schreibe(datei, "[VORBELX]\n[Vorbel]Rest\nk=[v]\nj=1\n");
    EXPECT_EQ(alle(reg, datei, "vorbel"), "-");
    SettingsUmgebung::schreibe(datei, "[Vorbel]\nk=v\n[Andere]\nj=1\n");
    EXPECT_EQ(alle(reg, datei, "Vorbel"), "k=v");

    // A bare name gets ".INI" and the system folder, its case ignored; a name with a point but
    // no folder only the system folder; a path is taken as it is, ".INI" added without a point.
    SettingsUmgebung::schreibe(u.orte.sSystemOrdner + "/myapp.ini", "[S]\nk=1\n");
    EXPECT_EQ(alle(reg, "MYAPP", "s"), "k=1");
    SettingsUmgebung::schreibe(u.orte.sSystemOrdner + "/andere.cfg", "[S]\nk=2\n");
    EXPECT_EQ(alle(reg, "andere.cfg", "S"), "k=2");
    SettingsUmgebung::schreibe(u.pfad("ordner/rastfang.INI"), "[S]\nk=3\n");
    EXPECT_EQ(alle(reg, u.pfad("ordner/rastfang"), "S"), "k=3");
    SettingsUmgebung::schreibe(u.pfad("alt.ini"), "[S]\r\nName=J\xf6rg\r\n");  // Windows-1252
    EXPECT_EQ(alle(reg, u.pfad("alt.ini"), "S"), QStringLiteral("Name=Jörg"));
    QDir().mkpath(u.pfad("ordner2.ini"));
    EXPECT_EQ(alle(reg, u.pfad("ordner2.ini"), "S"), "-");
    // A file that exists but cannot be read raises (the administrator reads every file).
    if (geteuid() != 0) {
        QFile::setPermissions(u.pfad("alt.ini"), QFile::WriteOwner);
        EXPECT_THROW(reg.GetAllSet(v, u.pfad("alt.ini"), "S"), VbFehler);
    }
    // Error 6 past index 32767; lines are read into a 16-bit length.
    QByteArray inhalt = "[S]\n";
    for (int i = 0; i < 32768; ++i) inhalt += "k=v\n";
    SettingsUmgebung::schreibe(u.pfad("voll.ini"), inhalt);  // indexes 0..32767 fit
    SettingsUmgebung::schreibe(u.pfad("viel.ini"), inhalt + "k=v\n");
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
    reg.lMaxLineLen(100);
    reg.SaveSet(datei, "S", "k", "0123456789");
    EXPECT_EQ(reg.lMaxLineLen(), 100);
    reg.lMaxLineLen(-3);
    reg.SaveSet(datei, "S", "k", "");
    EXPECT_EQ(reg.lMaxLineLen(), 5);
    // A failed write is not examined, the length still counts.
    reg.SaveSet(u.pfad("fehlt/x.ini"), "S", "k", QString(20, QChar(u'x')));
    EXPECT_EQ(reg.lMaxLineLen(), 25);
    EXPECT_EQ(static_cast<uint32_t>(reg.HKLM()), 0x80000002u);
}

TEST(CRegistry, IniPfad) {
    SettingsUmgebung u;
    const QString key = "Software\\Tesmarin\\Rastfang\\IniPfade";
    const QString neu = u.pfad("neu.ini");
    {
        CRegistry reg(u.orte);
        EXPECT_EQ(reg.sGlobIniDatei(), u.iniDatei());
        reg.sGLOB_INI_Sektionen("Vorbel");
        reg.sGlobIniDatei(neu);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), neu);
        EXPECT_EQ(reg.sGlobIniDatei(), neu);
        EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "BSDatei", "x"));
        EXPECT_EQ(SettingsUmgebung::lies(neu), "[Vorbel]\nBSDatei=x\n");
        // An INI file in a folder that cannot be written: the presets are lost silently.
        SettingsUmgebung::schreibe(u.pfad("datei"), "kein Ordner");
        reg.sGlobIniDatei(u.pfad("datei/Rastfang.ini"));
        EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "BSDatei", "x"));
        EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "BSDatei", "std"), Variant("std"));
        EXPECT_TRUE(u.bStumm());
        reg.sGlobIniDatei(" /x/y.ini ");
    }
    // A new store finds the registered path (HKEY_LOCAL_MACHINE), taken unchanged.
    EXPECT_EQ(CRegistry(u.orte).sIniDateiInGebrauch(), " /x/y.ini ");

    // A path registered as another type: the report, then the program folder.
    SettingsUmgebung::schreibe(
        u.orte.sHklmDatei,
        ("[HKEY_LOCAL_MACHINE\\" + key + "]\n\"Rastfang\"=hex(2):41,00,00,00\n").toUtf8());
    {
        CRegistry reg(u.orte);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), u.iniDatei());
        ASSERT_EQ(u.recorder.meldungen.size(), 1u);
        EXPECT_TRUE(u.recorder.meldungen[0].sText.startsWith("Schlüssel weder String noch DWORD"));
        // When the registry cannot be written, the new path is reported and used anyway.
        QFile::remove(u.orte.sHklmDatei);
        QDir().mkpath(u.orte.sHklmDatei);
        reg.sGlobIniDatei(neu);
        EXPECT_EQ(u.recorder.meldungen.size(), 2u);
        EXPECT_EQ(reg.sIniDateiInGebrauch(), neu);
    }
    // The program folder: a trailing separator is not doubled, a blank folder is none.
    SettingsOrte orte = u.orte;
    orte.sHklmDatei = u.pfad("leer.reg");
    orte.sProgrammOrdner = "/opt/rastfang/";
    EXPECT_EQ(CRegistry(orte).sIniDateiInGebrauch(), "/opt/rastfang/Rastfang.ini");
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

TEST(CRegistry, InstalliertesProgrammHatSeineIniImBenutzerordner) {
    const QString BENUTZER = QStringLiteral("/home/a/.config");
    const QString EIGEN = BENUTZER + QStringLiteral("/Tesmarin");
    // Program folder, whether a Rastfang.ini lies beside it, folder of the INI file.
    const std::vector<std::tuple<QString, bool, QString>> faelle{
        {"/usr/bin", false, EIGEN},
        {"/usr/local/bin/", false, EIGEN},
        {"/usr/games", false, EIGEN},
        {"/usr/bin", true, "/usr/bin"},
        {"/usr/local/bin", true, "/usr/local/bin"},
        // Not a system folder: a build tree, a copy, a look-alike name.
        {"/home/a/rastfang/build", false, "/home/a/rastfang/build"},
        {"/usr/bin2", false, "/usr/bin2"},
        {"/usr/lib/rastfang", false, "/usr/lib/rastfang"},
        {"/opt/rastfang", false, "/opt/rastfang"},
    };
    for (const auto& [sProgramm, bDaneben, sErwartet] : faelle) {
        EXPECT_EQ(gsIniOrdner(sProgramm, bDaneben, BENUTZER), sErwartet) << sProgramm.toStdString();
    }
}

}  // namespace
}  // namespace rastfang
