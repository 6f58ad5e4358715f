// The INI profile layer: what the store reads back, and what a write leaves in the file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "SettingsUmgebung.h"
#include "settings/IniProfil.h"

namespace rastfang {
namespace {

using test::SettingsUmgebung;

QString lies(const QString& sSektion, const QString& sKey, const QString& sStandard,
             const QString& sDatei, int32_t lGroesse = 255) {
    QString s;
    const int32_t n = glProfilTextLesen(sSektion, sKey, sStandard, s, lGroesse, sDatei);
    EXPECT_EQ(n, s.size());
    return s;
}

TEST(IniProfil, FirstWriteCreatesTheFileWithExactlyTheEntries) {
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    EXPECT_EQ(lies("Vorbel", "BSDatei", "", ini), "");
    ASSERT_FALSE(QFile::exists(ini));
    for (const QString w : {"BSDatei=/daten/Ergebnis 2026.xlsx", "SpPos6=", "Filterwert=Koch "}) {
        EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", w.section('=', 0, 0), w.section('=', 1), ini));
    }
    EXPECT_EQ(SettingsUmgebung::lies(ini),
              "[Vorbel]\nBSDatei=/daten/Ergebnis 2026.xlsx\nSpPos6=\nFilterwert=Koch \n");
}

TEST(IniProfil, ReplacesAnExistingKeyInPlace) {
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    SettingsUmgebung::schreibe(
        ini,
        "; Voreinstellungen\n[Vorbel]\nBSDatei=a.xls\n  extraktdatei = alt.xlsx\n"
        "StZeile=2\n\n; Fenster\n[Fenster]\nLinks=10\n");
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "ExtraktDatei", "neu.xlsx", ini));
    EXPECT_EQ(SettingsUmgebung::lies(ini),
              "; Voreinstellungen\n[Vorbel]\nBSDatei=a.xls\nextraktdatei=neu.xlsx\n"
              "StZeile=2\n\n; Fenster\n[Fenster]\nLinks=10\n");
    EXPECT_EQ(lies("Vorbel", "ExtraktDatei", "", ini), "neu.xlsx");

    // A missing key goes after the last entry of its section, not behind the next section's
    // comment; a missing section goes to the end.
    EXPECT_TRUE(gbProfilTextSchreiben("vorbel", "SpPos1", "A", ini));
    EXPECT_TRUE(gbProfilTextSchreiben("Neu", "x", "1", ini));
    EXPECT_EQ(SettingsUmgebung::lies(ini),
              "; Voreinstellungen\n[Vorbel]\nBSDatei=a.xls\nextraktdatei=neu.xlsx\n"
              "StZeile=2\nSpPos1=A\n\n; Fenster\n[Fenster]\nLinks=10\n[Neu]\nx=1\n");
}

TEST(IniProfil, KeepsTheBytesOfUntouchedLines) {
    // Windows line ends and unknown lines stay; one Windows-1252 comment neither garbles the
    // UTF-8 lines nor is re-encoded; changed and new lines are UTF-8.
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    SettingsUmgebung::schreibe(
        ini,
        "; Gr\xfc\xdf"
        "e\r\n[Vorbel]\r\nirgendwas ohne Gleich\r\nBSDatei=M\xfcller \x80\r\n"
        "ExtraktDatei=/daten/M\xc3\xbcller.xlsx\r\nStZeile=1");
    EXPECT_EQ(lies("Vorbel", "BSDatei", "", ini), QStringLiteral("Müller €"));
    EXPECT_EQ(lies("Vorbel", "ExtraktDatei", "", ini), QStringLiteral("/daten/Müller.xlsx"));
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "StZeile", "Straße", ini));
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "Filterwert", "ä", ini));
    EXPECT_EQ(SettingsUmgebung::lies(ini),
              QByteArray("; Gr\xfc\xdf"
                         "e\r\n[Vorbel]\r\nirgendwas ohne Gleich\r\nBSDatei=M\xfcller \x80\r\n"
                         "ExtraktDatei=/daten/M\xc3\xbcller.xlsx\r\nStZeile=Stra\xc3\x9f"
                         "e\r\nFilterwert=\xc3\xa4\r\n"));
    SettingsUmgebung::schreibe(ini,
                               "\xef\xbb\xbf[Vorbel]\nBSDatei=Gr\xc3\xbc\xc3\x9f"
                               "e\n");
    EXPECT_EQ(lies("Vorbel", "BSDatei", "", ini), QStringLiteral("Grüße"));  // UTF-8 with BOM
}

TEST(IniProfil, ReadsWithoutRegardToCaseOrSurroundingBlanks) {
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    SettingsUmgebung::schreibe(
        ini,
        "[Andere]\nBSDatei=falsch\n  [ VORBEL ]  \n  bsdatei  =  /a b/c.xls  \n"
        "Zitat=\"  mit Blanks  \"\n;StZeile=9\nLeer=\n[Vorbel]\nSpPos1=Z\n");
    EXPECT_EQ(lies("vorbel", "BSDATEI", "std", ini), "/a b/c.xls");
    EXPECT_EQ(lies("Vorbel", "Zitat", "", ini), "  mit Blanks  ");
    EXPECT_EQ(lies("Vorbel", "Leer", "std", ini), "");
    // A commented-out key is no key; a repeated section is searched too.
    EXPECT_EQ(lies("Vorbel", "StZeile", "7  ", ini), "7");
    EXPECT_EQ(lies("Vorbel", "SpPos1", "", ini), "Z");
    // Missing file, section, key: the default without its trailing blanks.
    EXPECT_EQ(lies("Vorbel", "Fehlt", "  std  ", ini), "  std");
    EXPECT_EQ(lies("Fehlt", "BSDatei", "std", ini), "std");
    EXPECT_EQ(lies("Vorbel", "BSDatei", "std", u.pfad("gibtsnicht.ini")), "std");
    // At most size - 1 characters, the default included.
    EXPECT_EQ(lies("Vorbel", "BSDatei", "", ini, 5), "/a b");
    EXPECT_EQ(lies("Vorbel", "Fehlt", "abcdefgh", ini, 4), "abc");
}

TEST(IniProfil, UnwritableFileGivesFalseWithoutAMessage) {
    SettingsUmgebung u;
    // A folder that does not exist, and a "folder" that is a file.
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "x", u.pfad("fehlt/Rastfang.ini")));
    SettingsUmgebung::schreibe(u.pfad("datei"), "kein Ordner");
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "x", u.pfad("datei/Rastfang.ini")));
    EXPECT_FALSE(QFile::exists(u.pfad("fehlt")));

    // A read-only file is left alone.
    const QString ini = u.iniDatei();
    SettingsUmgebung::schreibe(ini, "[Vorbel]\nBSDatei=alt\n");
    QFile::setPermissions(ini, QFile::ReadOwner);
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "neu", ini));
    EXPECT_EQ(SettingsUmgebung::lies(ini), "[Vorbel]\nBSDatei=alt\n");

    // A folder without write permission (the administrator may write there anyway).
    if (geteuid() != 0) {
        const QString ordner = u.pfad("gesperrt");
        QDir().mkpath(ordner);
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "x", ordner + "/Rastfang.ini"));
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_TRUE(u.bStumm());
}

}  // namespace
}  // namespace rastfang
