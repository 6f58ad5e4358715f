// The presets against a real INI file in a temporary folder: first start, the file written at
// closing, the old key spelling, empty and over-long values, an INI file that cannot be written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "CRegistry.h"
#include "TestHilfen.h"
#include "Vorbelegung.h"

namespace rastfang {
namespace {

// The store's registry hives live under the XDG folders. They are pointed at a private folder
// before anything in this program can create the store, so no test touches the real ones.
struct PrivateKonfiguration {
    std::filesystem::path ordner;
    PrivateKonfiguration() {
        std::string muster = (std::filesystem::temp_directory_path() / "rastfang-xdg-XXXXXX");
        if (mkdtemp(muster.data()) == nullptr) return;
        ordner = muster;
        std::filesystem::create_directories(ordner / "home");
        std::filesystem::create_directories(ordner / "dirs");
        setenv("XDG_CONFIG_HOME", (ordner / "home").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (ordner / "dirs").c_str(), 1);
    }
    ~PrivateKonfiguration() {
        std::error_code fehler;
        if (!ordner.empty()) std::filesystem::remove_all(ordner, fehler);
    }
};
const PrivateKonfiguration g_konfiguration;

class Vorbelegung : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
    // The store lives as long as the program: later tests find the INI path they had before.
    const QString m_sIniVorher = goRegistry().sIniDateiInGebrauch();

    ~Vorbelegung() override { IniVerwenden(m_sIniVorher); }

    QString sIni() const { return ordner.filePath(QStringLiteral("Rastfang.ini")); }

    // Uses `sPfad` as the INI file of the program-wide store from now on.
    static void IniVerwenden(const QString& sPfad) {
        test::MeldungsRecorder registryMeldungen;
        const MeldungsBoxTausch box(registryMeldungen);
        goRegistry().sGlobIniDatei(sPfad);
    }

    static Eingaben Beispiel() {
        Eingaben e;
        e.sErgebnisdatei = QStringLiteral("/daten/Noten 2026.xls");
        e.sErgebnisWorkfile = QStringLiteral("/daten/extrakt.xml");
        e.sZeile = QStringLiteral("3");
        e.sSpalte = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                     QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F")};
        e.sFilterWert = QStringLiteral("Köche");
        return e;
    }

    static Eingaben Gelesen() {
        Eingaben e;
        gVorbelegungLesen(e);
        return e;
    }

    // The lines of the INI file that are neither empty nor blank.
    QStringList Zeilen() const {
        QFile datei(sIni());
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList zeilen;
        QTextStream ein(&datei);
        while (!ein.atEnd()) {
            const QString sZeile = ein.readLine().trimmed();
            if (!sZeile.isEmpty()) zeilen << sZeile;
        }
        return zeilen;
    }

    static QString Schluessel(const QString& sZeile) {
        return sZeile.section(QLatin1Char('='), 0, 0).trimmed();
    }
    static QString Wert(const QString& sZeile) {
        return sZeile.section(QLatin1Char('='), 1).trimmed();
    }

    void IniSchreiben(const QByteArray& inhalt) const {
        QFile datei(sIni());
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
};

bool operator==(const Eingaben& a, const Eingaben& b) {
    return a.sErgebnisdatei == b.sErgebnisdatei && a.sErgebnisWorkfile == b.sErgebnisWorkfile &&
           a.sZeile == b.sZeile && a.sSpalte == b.sSpalte && a.sFilterWert == b.sFilterWert;
}

TEST_F(Vorbelegung, ErsterStartUndDieDateiNachDemSchliessen) {
    ASSERT_TRUE(ordner.isValid());
    IniVerwenden(sIni());
    test::MeldungsRecorder meldungen;
    const MeldungsBoxTausch box(meldungen);

    // Without an INI file every entry comes back empty, whatever it held before.
    Eingaben e = Beispiel();
    gVorbelegungLesen(e);
    EXPECT_TRUE(e == Eingaben{});
    EXPECT_FALSE(QFile::exists(sIni()));

    gVorbelegungSchreiben(Beispiel());
    ASSERT_TRUE(QFile::exists(sIni()));
    const QStringList zeilen = Zeilen();
    ASSERT_EQ(zeilen.size(), 11);
    EXPECT_EQ(zeilen[0], "[Vorbel]");
    const QStringList erwartet{"BSDatei", "ExtraktDatei", "StZeile", "SpPos1", "SpPos2",
                               "SpPos3",  "SpPos4",       "SpPos5",  "SpPos6", "Filterwert"};
    for (int i = 0; i < erwartet.size(); ++i) {
        EXPECT_EQ(Schluessel(zeilen[i + 1]), erwartet[i]) << "Zeile " << i + 1;
    }
    EXPECT_EQ(Wert(zeilen[1]), "/daten/Noten 2026.xls");
    EXPECT_EQ(Wert(zeilen[9]), "F");
    EXPECT_EQ(Wert(zeilen[10]), QString::fromUtf8("Köche"));

    // The next start gets back what was written.
    EXPECT_TRUE(Gelesen() == Beispiel());
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST_F(Vorbelegung, KleingeschriebenerSchluesselWirdGelesenUndErsetzt) {
    ASSERT_TRUE(ordner.isValid());
    IniVerwenden(sIni());
    IniSchreiben(
        "[Andere]\nextraktdatei=/nicht/diese.xls\n\n[Vorbel]\nBSDatei=/daten/ein.xls\n"
        "extraktdatei=/daten/alt.xml\nStZeile=2\n");

    const Eingaben gelesen = Gelesen();
    EXPECT_EQ(gelesen.sErgebnisdatei, "/daten/ein.xls");
    EXPECT_EQ(gelesen.sErgebnisWorkfile, "/daten/alt.xml");
    EXPECT_EQ(gelesen.sZeile, "2");
    EXPECT_EQ(gelesen.sSpalte[0], "");

    Eingaben neu = gelesen;
    neu.sErgebnisWorkfile = QStringLiteral("/daten/neu.xml");
    gVorbelegungSchreiben(neu);

    // One entry, still in its place right after BSDatei; the other section is untouched.
    const QStringList zeilen = Zeilen();
    int iTreffer = 0;
    for (int i = 0; i < zeilen.size(); ++i) {
        if (Schluessel(zeilen[i]).compare(QLatin1String("extraktdatei"), Qt::CaseInsensitive) ==
                0 &&
            i > zeilen.indexOf(QStringLiteral("[Vorbel]"))) {
            ++iTreffer;
            EXPECT_EQ(Schluessel(zeilen[i - 1]), "BSDatei");
            EXPECT_EQ(Wert(zeilen[i]), "/daten/neu.xml");
        }
    }
    EXPECT_EQ(iTreffer, 1);
    EXPECT_TRUE(zeilen.contains(QStringLiteral("extraktdatei=/nicht/diese.xls")));
    EXPECT_EQ(Gelesen().sErgebnisWorkfile, "/daten/neu.xml");
}

TEST_F(Vorbelegung, LeereUndUeberlangeWerte) {
    ASSERT_TRUE(ordner.isValid());
    IniVerwenden(sIni());
    // As in the window: loading routes section "Vorbel" to the INI file before anything is
    // written, so this test does not depend on another one having loaded first.
    Gelesen();
    gVorbelegungSchreiben(Beispiel());

    // A box the user cleared is written empty and stays empty.
    Eingaben geleert = Beispiel();
    geleert.sFilterWert.clear();
    geleert.sSpalte[2].clear();
    gVorbelegungSchreiben(geleert);
    EXPECT_TRUE(Gelesen() == geleert);

    // A value of 300 characters comes back as its first 254.
    QString sLang;
    for (int i = 0; i < 300; ++i) sLang += QChar(u'a' + i % 26);
    Eingaben lang = Beispiel();
    lang.sErgebnisdatei = sLang;
    gVorbelegungSchreiben(lang);
    const Eingaben gelesen = Gelesen();
    EXPECT_EQ(gelesen.sErgebnisdatei, sLang.left(254));
    EXPECT_EQ(gelesen.sErgebnisWorkfile, lang.sErgebnisWorkfile);
}

TEST_F(Vorbelegung, UnbeschreibbarerOrtVerliertDieVorbelegungStill) {
    ASSERT_TRUE(ordner.isValid());
    // The INI file's folder is a regular file: nothing can be created there, not even as root.
    const QString sKeinOrdner = ordner.filePath(QStringLiteral("datei"));
    {
        QFile datei(sKeinOrdner);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    const QString sIniUnerreichbar = sKeinOrdner + QStringLiteral("/Rastfang.ini");
    IniVerwenden(sIniUnerreichbar);

    test::MeldungsRecorder meldungen;
    const MeldungsBoxTausch box(meldungen);
    Gelesen();
    gVorbelegungSchreiben(Beispiel());
    EXPECT_FALSE(QFile::exists(sIniUnerreichbar));
    EXPECT_TRUE(Gelesen() == Eingaben{});
    EXPECT_TRUE(meldungen.meldungen.empty());
}

}  // namespace
}  // namespace rastfang
