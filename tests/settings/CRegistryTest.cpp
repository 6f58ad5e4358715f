// The store itself: routing by the section lists, the INI reads with their cut and numeric
// conversion, GetAllSet's own reader, SaveSet's line length and the INI folder.
#include <gtest/gtest.h>

#include <tuple>

#include <unistd.h>

#include <QCoreApplication>

#include "SettingsUmgebung.h"

namespace rastfang {
namespace {

using namespace test;

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

TEST(CRegistry, RoutesEachSectionByTheSectionLists) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    reg.sLOCAL_MACHINE_Sektionen("Maschine;Vorbel");
    // A list entry matches a section name's tail, whole and in any case; the INI list comes first.
    for (const char* sSektion : {"VORBEL", "bel", "Vorb", "Vorbelx", "Fenster", "maschine"}) {
        EXPECT_TRUE(reg.bSchreibeEinstellung(sSektion, "Wert", "x")) << sSektion;
        EXPECT_EQ(reg.vLeseEinstellung(QString(sSektion).toLower(), "wert", "?"), Variant("x"));
    }
    EXPECT_EQ(gInhalt(u.iniDatei()), "[VORBEL]\nWert=x\n[bel]\nWert=x\n");
    // With an empty INI list only the empty section name goes to the INI file.
    reg.sGLOB_INI_Sektionen("");
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Wert", "reg"), Variant("reg"));
    EXPECT_TRUE(reg.bSchreibeEinstellung("", "k", "v"));
    EXPECT_TRUE(gInhalt(u.iniDatei()).endsWith("[]\nk=v\n"));
    EXPECT_TRUE(u.bStumm());
}

TEST(CRegistry, CutsIniValuesToTheBufferAndConvertsThemToTheTypeOfTheDefault) {
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    const QString lang = QString("abcdefghij").repeated(30);
    const QByteArray inhalt =
        "[Vorbel]\nStZeile=12\nBuchstaben=abc\nGross=2147483648\nVoll=&hFFFFFFFF\nHalb=2.5\n"
        "Halb2=3.5\nLang=" +
        lang.toUtf8() + "\nTab=\t+12\t\nKlein=-2147483648\n";
    gSchreibe(ini, inhalt);
    CRegistry reg(u.orte);
    reg.sGLOB_INI_Sektionen("Vorbel");
    // An integer default gives a 32-bit integer (0 when the text is no number, or too large;
    // halves to even); any other default the text; a default without a text form "".
    const std::tuple<const char*, Variant, Variant> faelle[] = {
        {"StZeile", 0, 12}, {"StZeile", "", "12"},   {"StZeile", {}, "12"},    {"Buchstaben", 0, 0},
        {"Gross", 5, 0},    {"Voll", 0, -1},         {"Halb", 0, 2},           {"Halb2", 0, 4},
        {"Tab", 0, 12},     {"Klein", 0, INT32_MIN}, {"Fehlt", int16_t{5}, 5},
    };
    for (const auto& [key, standard, erwartet] : faelle)
        EXPECT_EQ(reg.vLeseEinstellung("Vorbel", key, standard), erwartet) << key;
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "StZeile", TextTabelle(1, 1)), Variant(""));
    EXPECT_EQ(reg.vLeseEinstellung("Vorbel", "Lang", ""), Variant(lang.left(254)));
    EXPECT_EQ(reg.GetSet(ini, "Vorbel", "Lang", ""), lang.left(254));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Faktor", Variant::Double(1.5)));
    EXPECT_TRUE(reg.bSchreibeEinstellung("Vorbel", "Ja", Variant::Boolean(true)));
    EXPECT_FALSE(reg.bSchreibeEinstellung("Vorbel", "StZeile", Variant(TextTabelle(1, 1))));
    EXPECT_EQ(gInhalt(ini), inhalt + "Faktor=1,5\nJa=Wahr\n");
    // vLeseEinstellung2 reads the named file whatever the lists say, with the buffer given.
    reg.sGLOB_INI_Sektionen("");
    const std::pair<Variant, int> puffer[] = {{"400", 300}, {int16_t{100}, 254}, {256, 255}};
    for (const auto& [groesse, iLaenge] : puffer) {
        EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "", groesse),
                  Variant(lang.left(iLaenge)))
            << iLaenge;
    }
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "Lang", "x", Variant("groß")), Variant(""));
    EXPECT_EQ(reg.vLeseEinstellung2(ini, "Vorbel", "StZeile", int16_t{1}), Variant(12));
    EXPECT_EQ(reg.vLeseEinstellung2(u.pfad("andere.ini"), "Vorbel", "Lang", "d"), Variant("d"));
    EXPECT_TRUE(u.bStumm());
}

TEST(CRegistry, GetAllSetReadsASectionByItsOwnRules) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    const QString datei = u.pfad("liste.ini");
    gSchreibe(datei,
              "[Anfang]\nx=1\n"
              " [Eingerueckt]\nk=v\n"
              "[vorbel] ; die Voreinstellungen\n"
              "BSDatei = a.xls \n\n   \n=nur Wert\nohne Gleichheitszeichen\n"
              "Leer=\n a = b = c\n  = \nletzte=x[y]\nnie=erreicht\n");
    Variant v("unverändert");
    EXPECT_EQ(reg.GetAllSet(v, datei, "Fehlt"), 0);
    EXPECT_EQ(v, Variant("unverändert"));
    EXPECT_EQ(alle(reg, datei, "Eingerueckt"), "-");  // a blank before "[" hides the header
    // Blank and key-less lines skipped, blanks trimmed, "[" anywhere ends the section; a header
    // line need only begin with the header.
    EXPECT_EQ(alle(reg, datei, "  Vorbel "), "BSDatei=a.xls|Leer=|a=b = c");
    gSchreibe(datei, "[VORBELX]\n[Vorbel]Rest\nk=[v]\nj=1\n");
    EXPECT_EQ(alle(reg, datei, "vorbel"), "-");
    // A bare name gets ".INI" and the system folder, its case ignored; a name with a point but
    // no folder only the system folder; a path is taken as it is, ".INI" added without a point.
    const std::tuple<QString, QString, QByteArray, QString> orte[] = {
        {u.orte.sSystemOrdner + "/myapp.ini", "MYAPP", "[S]\nk=1\n", "k=1"},
        {u.orte.sSystemOrdner + "/andere.cfg", "andere.cfg", "[S]\nk=2\n", "k=2"},
        {u.pfad("ordner/rastfang.INI"), u.pfad("ordner/rastfang"), "[S]\nk=3\n", "k=3"},
        {u.pfad("alt.ini"), u.pfad("alt.ini"), "[S]\r\nk=J\xf6rg\r\n", "k=Jörg"}};  // Windows-1252
    for (const auto& [sDatei, sName, inhalt, sErwartet] : orte) {
        gSchreibe(sDatei, inhalt);
        EXPECT_EQ(alle(reg, sName, "s"), sErwartet) << sName.toStdString();
    }
    QDir().mkpath(u.pfad("ordner2.ini"));
    EXPECT_EQ(alle(reg, u.pfad("ordner2.ini"), "S"), "-");
    // A file that exists but cannot be read raises (the administrator reads every file).
    if (geteuid() != 0) {
        QFile::setPermissions(u.pfad("alt.ini"), QFile::WriteOwner);
        EXPECT_THROW(reg.GetAllSet(v, u.pfad("alt.ini"), "S"), VbFehler);
    }
    // The entries are counted, and the position of "=" is taken, in 16-bit numbers.
    const QByteArray voll =  // just fits: indexes 0..32767, "=" at 32767
        "[S]\n" + QByteArray(32766, 'k') + "=w\n" + QByteArray("k=v\n").repeated(32767);
    gSchreibe(datei, voll);
    EXPECT_EQ(reg.GetAllSet(v, datei, "S"), 1);
    gSchreibe(datei, voll + "k=v\n");
    EXPECT_THROW(reg.GetAllSet(v, datei, "S"), VbFehler);
    gSchreibe(datei, "[S]\n" + QByteArray(32767, 'k') + "=v\n");
    EXPECT_THROW(reg.GetAllSet(v, datei, "S"), VbFehler);
}

TEST(CRegistry, SaveSetRaisesMaxLineLenToTheLongestValuePlusFive) {
    SettingsUmgebung u;
    CRegistry reg(u.orte);
    const QString datei = u.pfad("save.ini");
    EXPECT_EQ(reg.lMaxLineLen(), 0);
    reg.SaveSet(datei, "S", "k", "0123456789");
    reg.SaveSet(datei, "S", "k", "abc");
    EXPECT_EQ(reg.lMaxLineLen(), 15);
    EXPECT_EQ(reg.GetSet(datei, "s", "K", "std"), "abc");
    reg.lMaxLineLen(-3);
    reg.SaveSet(datei, "S", "k", "");
    EXPECT_EQ(reg.lMaxLineLen(), 5);
    // A failed write is not examined, the length still counts.
    reg.SaveSet(u.pfad("fehlt/x.ini"), "S", "k", QString(20, QChar(u'x')));
    EXPECT_EQ(reg.lMaxLineLen(), 25);
}

TEST(CRegistry, ChoosesTheIniFolderByHowTheProgramIsInstalled) {
    SettingsUmgebung u;
    u.orte.sProgrammOrdner = "/opt/rastfang/";
    EXPECT_EQ(CRegistry(u.orte).sIniDateiInGebrauch(), "/opt/rastfang/Rastfang.ini");
    u.orte.sProgrammOrdner = "   ";
    EXPECT_EQ(CRegistry(u.orte).sIniDateiInGebrauch(), "Rastfang.ini");
    EXPECT_EQ((QStringList{gsMitBackslash(""), gsMitBackslash("a"), gsMitBackslash("a\\")}),
              (QStringList{"/", "a/", "a\\"}));

    // An installed program keeps its INI file in the user's folder unless one lies beside it;
    // a build tree, a copy or a look-alike folder name is no installation.
    const QString EIGEN = "/home/a/.config/Tesmarin";
    const std::tuple<QString, bool, QString> faelle[] = {
        {"/usr/bin", false, EIGEN},
        {"/usr/local/bin/", false, EIGEN},
        {"/usr/bin", true, "/usr/bin"},
        {"/home/a/rastfang/build", false, "/home/a/rastfang/build"},
        {"/usr/bin2", false, "/usr/bin2"}};
    for (const auto& [sProgramm, bDaneben, sErwartet] : faelle) {
        EXPECT_EQ(gsIniOrdner(sProgramm, bDaneben, "/home/a/.config"), sErwartet)
            << sProgramm.toStdString();
    }
}

TEST(SettingsOrte, FollowsTheXdgConfigFolders) {
    SettingsUmgebung u;
    qputenv("XDG_CONFIG_HOME", u.pfad("home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (":" + u.pfad("sys1") + ":" + u.pfad("sys2")).toUtf8());
    const SettingsOrte orte = SettingsOrte::Plattform();
    EXPECT_EQ(orte.sHkcuDatei, u.pfad("home/Tesmarin/HKEY_CURRENT_USER.reg"));
    EXPECT_EQ(orte.sHklmDatei, u.pfad("sys1/Tesmarin/HKEY_LOCAL_MACHINE.reg"));
    EXPECT_EQ(goRegistry().sIniDateiInGebrauch(),
              QCoreApplication::applicationDirPath() + "/Rastfang.ini");
    EXPECT_TRUE(goRegistry().bSchreibeEinstellung("Fenster", "Test", 1));
    EXPECT_TRUE(QFile::exists(orte.sHkcuDatei));
    qunsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(SettingsOrte::Plattform().sSystemOrdner, "/etc/xdg");
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace rastfang
