// Settings files on a full disk and in shared folders: a write that cannot be completed leaves
// the old file byte for byte; a shared file keeps its owner, group and mode.
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QDir>
#include <QFile>

#include "KleinerDatentraeger.h"
#include "SettingsUmgebung.h"
#include "settings/IniProfil.h"
#include "settings/RegistryDatei.h"

using namespace rastfang;
using rastfang::test::KleinerDatentraeger;
using rastfang::test::SettingsUmgebung;

namespace {

struct Kennung {
    uid_t uid;
    gid_t gid;
    mode_t modus;
    ino_t inode;
    bool operator==(const Kennung&) const = default;
};

Kennung kennung(const QString& sPfad) {
    struct stat st {};
    ::stat(QFile::encodeName(sPfad).constData(), &st);
    return {st.st_uid, st.st_gid, st.st_mode & 07777, st.st_ino};
}

/// An INI file of two sections and some 5 KB, as presets and a colleague's comments make it.
QByteArray grosseIni() {
    QByteArray ini = "; gemeinsame Einstellungen\n[Vorbel]\nBSDatei=/daten/M\xc3\xbcller.xlsx\n";
    for (int i = 0; i < 100; ++i) ini += "; Zeile " + QByteArray::number(i) + " der Anleitung\n";
    return ini + "[Fenster]\nLinks=10\n";
}

/// Root passes every permission check; while this lives, the calling thread does not.
class OhneRootRechte {
  public:
    OhneRootRechte() {
        m_kopf.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &m_kopf, m_alt) != 0) return;
        __user_cap_data_struct neu[2] = {m_alt[0], m_alt[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            neu[cap / 32].effective &= ~(1u << (cap % 32));
        }
        m_bAktiv = ::syscall(SYS_capset, &m_kopf, neu) == 0;
    }
    ~OhneRootRechte() {
        if (m_bAktiv) ::syscall(SYS_capset, &m_kopf, m_alt);
    }

  private:
    __user_cap_header_struct m_kopf{};
    __user_cap_data_struct m_alt[2]{};
    bool m_bAktiv = false;
};

}  // namespace

TEST(SicheresSchreiben, FullDiskLeavesTheSettingsFilesAsTheyWere) {
    KleinerDatentraeger klein(256);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString sIni = klein.Pfad() + "/Rastfang.ini";
    SettingsUmgebung::schreibe(sIni, grosseIni());
    RegistryDatei registry(klein.Pfad() + "/HKCU.reg", klein.Pfad() + "/HKLM.reg");
    const QString sKey = QStringLiteral("Software\\Tesmarin\\Rastfang\\Fenster");
    ASSERT_EQ(registry.lSchluesselErstellen(HKEY_CURRENT_USER, sKey), 0);
    ASSERT_EQ(registry.lWertSetzen(HKEY_CURRENT_USER, sKey, "Links", RegWert::Text("10")), 0);
    const QByteArray reg = SettingsUmgebung::lies(klein.Pfad() + "/HKCU.reg");

    klein.Fuellen();
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "BSDatei", "/daten/neu.xlsx", sIni));
    EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "ExtraktDatei", "/daten/aus.xlsx", sIni));
    EXPECT_EQ(SettingsUmgebung::lies(sIni), grosseIni());
    EXPECT_NE(registry.lWertSetzen(HKEY_CURRENT_USER, sKey, "Oben", RegWert::Text("20")), 0);
    EXPECT_EQ(SettingsUmgebung::lies(klein.Pfad() + "/HKCU.reg"), reg);
    EXPECT_EQ(QDir(klein.Pfad()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"fuellung", "HKCU.reg", "Rastfang.ini"}));
}

TEST(SicheresSchreiben, SharedFileKeepsItsOwnerGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a file to another owner";
    // A colleague's file in a writable folder: replaced, with its owner, group and mode.
    SettingsUmgebung u;
    const QString sIni = u.iniDatei();
    SettingsUmgebung::schreibe(sIni, grosseIni());
    ASSERT_EQ(::chown(QFile::encodeName(sIni).constData(), 1234, 5678), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(sIni).constData(), 0640), 0);
    const Kennung vorher = kennung(sIni);
    EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "StZeile", "3", sIni));
    EXPECT_TRUE(SettingsUmgebung::lies(sIni).startsWith(
        "; gemeinsame Einstellungen\n[Vorbel]\nBSDatei=/daten/M\xc3\xbcller.xlsx\nStZeile=3\n"));
    Kennung nachher = kennung(sIni);
    EXPECT_NE(nachher.inode, vorher.inode);
    nachher.inode = vorher.inode;
    EXPECT_EQ(nachher, vorher);

    // In a folder that takes no new files the file is rewritten in place, but only once the
    // space for its new length is reserved.
    KleinerDatentraeger klein(256);
    if (!klein.bBereit()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QString sOrdner = klein.Pfad() + "/gesperrt";
    const QString sGeteilt = sOrdner + "/Rastfang.ini";
    SettingsUmgebung::schreibe(sGeteilt, grosseIni());
    ASSERT_EQ(::chown(QFile::encodeName(sGeteilt).constData(), 1234, 5678), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(sGeteilt).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(sOrdner).constData(), 0555), 0);
    const Kennung geteilt = kennung(sGeteilt);
    {
        const OhneRootRechte ohne;
        EXPECT_TRUE(gbProfilTextSchreiben("Vorbel", "StZeile", "4", sGeteilt));
        EXPECT_TRUE(SettingsUmgebung::lies(sGeteilt).contains("\nStZeile=4\n"));
        EXPECT_EQ(kennung(sGeteilt), geteilt);

        const QByteArray stand = SettingsUmgebung::lies(sGeteilt);
        klein.Fuellen();
        EXPECT_FALSE(gbProfilTextSchreiben("Vorbel", "Filterwert", QString(20000, 'y'), sGeteilt));
        EXPECT_EQ(SettingsUmgebung::lies(sGeteilt), stand);
        EXPECT_EQ(QDir(sOrdner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"Rastfang.ini"});
    }
    ::chmod(QFile::encodeName(sOrdner).constData(), 0755);
}
