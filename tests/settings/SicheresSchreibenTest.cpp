// Settings files on a full disk and in shared folders: a write that cannot be completed leaves
// the old file byte for byte; a shared file keeps its owner, group and mode.
#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>
#include <utility>

#include "KleinerDatentraeger.h"
#include "SettingsUmgebung.h"
#include "settings/IniProfil.h"
#include "settings/RegistryDatei.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

/// Owner, group and mode of a file, and its inode.
auto kennung(const QString& sPfad) {
    struct stat st {};
    ::stat(QFile::encodeName(sPfad).constData(), &st);
    return std::pair{std::tuple{st.st_uid, st.st_gid, st.st_mode & 07777}, st.st_ino};
}

/// Hands `sPfad` to a colleague (owner 1234, group 5678) with mode `modus`.
bool teilen(const QString& sPfad, mode_t modus) {
    const QByteArray pfad = QFile::encodeName(sPfad);
    return ::chown(pfad.constData(), 1234, 5678) == 0 && ::chmod(pfad.constData(), modus) == 0;
}

/// An INI file of two sections and some 5 KB, as presets and a colleague's comments make it.
const QByteArray GROSSE_INI =
    "; gemeinsame Einstellungen\n[Vorbel]\nBSDatei=/daten/Müller.xlsx\n; " + QByteArray(5000, '-') +
    "\n[Fenster]\nLinks=10\n";

/// Root passes every permission check; while this lives, the calling thread reaches files as
/// user 4321, neither root nor the owner of a shared file.
struct AlsAndererBenutzer {
    const uid_t uVorher = ::setfsuid(4321);
    ~AlsAndererBenutzer() { ::setfsuid(uVorher); }
};

}  // namespace

TEST(SicheresSchreiben, FullDiskLeavesTheSettingsFilesAsTheyWere) {
    KleinerDatentraeger klein(256);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString sIni = klein.Pfad() + "/Rastfang.ini";
    gSchreibe(sIni, GROSSE_INI);
    const QByteArray reg = "[HKEY_CURRENT_USER\\Software]\n";
    gSchreibe(klein.Pfad() + "/HKCU.reg", reg);
    RegistryDatei registry(klein.Pfad() + "/HKCU.reg", klein.Pfad() + "/HKLM.reg");

    klein.Fuellen();
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "/daten/neu.xlsx", sIni));
    EXPECT_EQ(gInhalt(sIni), GROSSE_INI);
    EXPECT_NE(registry.lWertSetzen(HKEY_CURRENT_USER, "Software", "Oben", RegWert::Text("20")), 0);
    EXPECT_EQ(gInhalt(klein.Pfad() + "/HKCU.reg"), reg);
    EXPECT_EQ(gEintraegeIn(klein.Pfad()), (QStringList{"HKCU.reg", "Rastfang.ini", "fuellung"}));
}

TEST(SicheresSchreiben, SharedFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a file to another owner";
    SettingsUmgebung u;
    const QString sIni = u.iniDatei();
    gSchreibe(sIni, GROSSE_INI);
    ASSERT_TRUE(teilen(sIni, 0640));
    const auto vorher = kennung(sIni);
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "StZeile", "3", sIni));
    EXPECT_EQ(kennung(sIni).first, vorher.first);
    EXPECT_NE(kennung(sIni).second, vorher.second);  // replaced, not rewritten

    // In a folder that takes no new files the file is rewritten in place, but only once the
    // space for its new length is reserved.
    KleinerDatentraeger klein(256);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString sOrdner = klein.Pfad() + "/gesperrt";
    const QString sGeteilt = sOrdner + "/Rastfang.ini";
    gSchreibe(sGeteilt, GROSSE_INI);
    ASSERT_TRUE(teilen(sGeteilt, 0666));
    ASSERT_EQ(::chmod(QFile::encodeName(sOrdner).constData(), 0555), 0);
    const auto geteilt = kennung(sGeteilt);
    const AlsAndererBenutzer kollege;
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "StZeile", "4", sGeteilt));
    EXPECT_TRUE(gInhalt(sGeteilt).contains("\nStZeile=4\n"));
    EXPECT_EQ(kennung(sGeteilt), geteilt);

    const QByteArray stand = gInhalt(sGeteilt);
    klein.Fuellen();
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "Filterwert", QString(20000, 'y'), sGeteilt));
    EXPECT_EQ(gInhalt(sGeteilt), stand);
}
