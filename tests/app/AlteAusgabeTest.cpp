// Removing the old output: into the trash where the user's data folder exists, else deleted;
// a removal that fails is an error.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "AlteAusgabe.h"
#include "VbFehler.h"

using namespace rastfang;

TEST(AlteAusgabe, PapierkorbLoeschenOderFehler) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString sDaten = tmp.filePath(QStringLiteral("daten"));
    ASSERT_TRUE(QDir().mkpath(sDaten));
    const QString sDatei = tmp.filePath(QStringLiteral("alt.xlsx"));
    const auto neueDatei = [&] {
        QFile f(sDatei);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write("alter Inhalt") == 12);
    };

    setenv("XDG_DATA_HOME", sDaten.toLocal8Bit().constData(), 1);
    EXPECT_TRUE(gbPapierkorbVorhanden());
    neueDatei();
    gAlteAusgabeEntfernen(sDatei);
    EXPECT_FALSE(QFile::exists(sDatei));
    QFile imKorb(sDaten + QStringLiteral("/Trash/files/alt.xlsx"));
    ASSERT_TRUE(imKorb.open(QIODevice::ReadOnly));
    EXPECT_EQ(imKorb.readAll(), QByteArray("alter Inhalt"));

    // No data folder: deleted, and no trash folders appear in the current directory.
    setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("fehlt")).toLocal8Bit().constData(), 1);
    EXPECT_FALSE(gbPapierkorbVorhanden());
    const QString sVorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    neueDatei();
    gAlteAusgabeEntfernen(sDatei);
    QDir::setCurrent(sVorher);
    EXPECT_FALSE(QFile::exists(sDatei));
    EXPECT_FALSE(QDir(tmp.filePath(QStringLiteral("files"))).exists());
    EXPECT_FALSE(QDir(tmp.filePath(QStringLiteral("fehlt"))).exists());

    // A file that is not there cannot be removed: a path/file access error. Nor can a folder
    // holding something.
    try {
        gAlteAusgabeEntfernen(sDatei);
        ADD_FAILURE() << "no error raised";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), FEHLER_PFAD_ZUGRIFF);
    }
    const QString sOrdner = tmp.filePath(QStringLiteral("ordner.xlsx"));
    ASSERT_TRUE(QDir().mkpath(sOrdner + QStringLiteral("/drin")));
    EXPECT_THROW(gAlteAusgabeEntfernen(sOrdner), VbFehler);
    EXPECT_TRUE(QDir(sOrdner).exists());
    unsetenv("XDG_DATA_HOME");
}
