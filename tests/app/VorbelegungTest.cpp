// The presets against a real INI file in a temporary folder: first start, the file written at
// closing, an INI file that cannot be written (the INI file's own rules are the settings' tests).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestHilfen.h"
#include "app/Vorbelegung.h"
#include "settings/CRegistry.h"

namespace rastfang {

namespace {

bool operator==(const Eingaben& a, const Eingaben& b) {
    return a.sErgebnisdatei == b.sErgebnisdatei && a.sErgebnisWorkfile == b.sErgebnisWorkfile &&
           a.sZeile == b.sZeile && a.sSpalte == b.sSpalte && a.sFilterWert == b.sFilterWert;
}

// The store's registry files live under the XDG folders: for every test of this program they
// point at a private folder, set before anything can create the store.
const bool g_bPrivateKonfiguration = [] {
    static QTemporaryDir ordner;
    qputenv("XDG_CONFIG_HOME", ordner.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", ordner.filePath(QStringLiteral("dirs")).toLocal8Bit());
    return QDir().mkpath(ordner.filePath(QStringLiteral("home"))) &&
           QDir().mkpath(ordner.filePath(QStringLiteral("dirs")));
}();

class Vorbelegung : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid() && g_bPrivateKonfiguration); }
    QString sIni() const { return ordner.filePath(QStringLiteral("Rastfang.ini")); }
    static Eingaben Beispiel() {
        return {"/d/Noten 2026.xls", "3", {"A", "B", "C", "D", "E", "F"}, "Köche", "/d/aus.xml"};
    }
    static Eingaben Gelesen() {
        Eingaben e;
        gVorbelegungLesen(e);
        return e;
    }

    QTemporaryDir ordner;
    test::EingesetzterRecorder meldungen;
};

TEST_F(Vorbelegung, ClosingWritesEveryEntryUnderItsKey) {
    goRegistry().sGlobIniDatei(sIni());
    // Without an INI file every entry comes back empty, whatever it held before.
    Eingaben e = Beispiel();
    gVorbelegungLesen(e);
    EXPECT_TRUE(e == Eingaben{});
    EXPECT_FALSE(QFile::exists(sIni()));

    gVorbelegungSchreiben(Beispiel());
    EXPECT_EQ(QString::fromUtf8(test::gInhalt(sIni())),
              "[Vorbel]\nBSDatei=/d/Noten 2026.xls\nExtraktDatei=/d/aus.xml\nStZeile=3\nSpPos1=A\n"
              "SpPos2=B\nSpPos3=C\nSpPos4=D\nSpPos5=E\nSpPos6=F\nFilterwert=Köche\n");
    EXPECT_TRUE(Gelesen() == Beispiel());
    // A cleared entry is written empty and stays empty.
    e = {"/d/Noten 2026.xls", "3", {"A", "B", "", "D", "E", "F"}, "", "/d/aus.xml"};
    gVorbelegungSchreiben(e);
    EXPECT_TRUE(Gelesen() == e);
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST_F(Vorbelegung, UnwritablePlaceLosesThePresetsSilently) {
    // The INI file's folder is a regular file: nothing can be created there, not even as root.
    const QString sKeinOrdner = ordner.filePath(QStringLiteral("datei"));
    test::gSchreibe(sKeinOrdner, {});
    goRegistry().sGlobIniDatei(sKeinOrdner + QStringLiteral("/Rastfang.ini"));
    Gelesen();
    gVorbelegungSchreiben(Beispiel());
    EXPECT_TRUE(Gelesen() == Eingaben{});
    EXPECT_TRUE(meldungen.meldungen.empty());
}

}  // namespace
}  // namespace rastfang
