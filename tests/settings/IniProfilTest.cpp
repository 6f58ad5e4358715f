// The INI profile layer: what the store reads back, and what a write leaves in the file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "SettingsUmgebung.h"
#include "settings/IniProfil.h"

namespace rastfang {
namespace {

using namespace test;

QString lies(const QString& sSektion, const QString& sKey, const QString& sStandard,
             const QString& sDatei, int32_t lGroesse = 255) {
    QString s;
    const int32_t n = glProfilTextLesen(sSektion, sKey, sStandard, s, lGroesse, sDatei);
    EXPECT_EQ(n, s.size());
    return s;
}

TEST(IniProfil, AWriteChangesOnlyTheLineOfItsKey) {
    // A missing key goes after the last entry of its section, not behind the next section's
    // comment. A Windows-1252 line is neither re-encoded nor garbles the new UTF-8 lines.
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    const QByteArray kopf =
        "; f\xfcr alle\r\n[Vorbel]\r\nirgendwas ohne Gleich\r\nBSDatei=M\xfcller \x80\r\n";
    gSchreibe(ini, kopf + "  extraktdatei = alt.xlsx\r\n\r\n; Fenster\r\n[Fenster]\r\nLinks=10");
    EXPECT_EQ(lies("Vorbel", "BSDatei", "", ini), QStringLiteral("Müller €"));
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "ExtraktDatei", "Straße", ini));
    EXPECT_TRUE(gbProfilTextSchreiben("vorbel", "Filterwert", "ä ", ini));
    EXPECT_TRUE(gbProfilTextSchreiben("Neu", "x", "1", ini));
    EXPECT_EQ(gInhalt(ini), kopf +
                                "extraktdatei=Straße\r\nFilterwert=ä \r\n\r\n; Fenster\r\n"
                                "[Fenster]\r\nLinks=10\r\n[Neu]\r\nx=1\r\n");
    EXPECT_EQ(lies("Vorbel", "ExtraktDatei", "", ini), QStringLiteral("Straße"));
    gSchreibe(ini, "\xef\xbb\xbf[Vorbel]\nBSDatei=Grüße\n");
    EXPECT_EQ(lies("Vorbel", "BSDatei", "", ini), QStringLiteral("Grüße"));  // UTF-8 with BOM
}

TEST(IniProfil, ReadsWithoutRegardToCaseOrSurroundingBlanks) {
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    gSchreibe(ini,
              "[Andere]\nBSDatei=falsch\n  [ VORBEL ]  \n  bsdatei  =  /a b/c.xls  \n"
              "Zitat=\"  mit Blanks  \"\n;StZeile=9\nLeer=\n[Vorbel]\nSpPos1=Z\n");
    EXPECT_EQ(lies("vorbel", "BSDATEI", "std", ini), "/a b/c.xls");
    EXPECT_EQ(lies("Vorbel", "Zitat", "", ini), "  mit Blanks  ");
    EXPECT_EQ(lies("Vorbel", "Leer", "std", ini), "");
    // A commented-out key is no key; a repeated section is searched too; a missing key gives
    // the default without its trailing blanks.
    EXPECT_EQ(lies("Vorbel", "StZeile", "7  ", ini), "7");
    EXPECT_EQ(lies("Vorbel", "SpPos1", "", ini), "Z");
    EXPECT_EQ(lies("Vorbel", "Fehlt", "  std  ", ini), "  std");
    // At most size - 1 characters, the default included.
    EXPECT_EQ(lies("Vorbel", "Fehlt", "abcdefgh", ini, 4), "abc");
}

TEST(IniProfil, UnwritableFileGivesFalseWithoutAMessage) {
    SettingsUmgebung u;
    const QString ini = u.iniDatei();
    gSchreibe(ini, "[Vorbel]\nBSDatei=alt\n");
    QFile::setPermissions(ini, QFile::ReadOwner);
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "neu", ini));
    EXPECT_EQ(gInhalt(ini), "[Vorbel]\nBSDatei=alt\n");

    // A folder without write permission (the administrator may write there anyway).
    if (geteuid() != 0) {
        const QString ordner = u.pfad("gesperrt");
        QDir().mkpath(ordner);
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "x", ordner + "/Rastfang.ini"));
    }
    EXPECT_TRUE(u.bStumm());
}

}  // namespace
}  // namespace rastfang
