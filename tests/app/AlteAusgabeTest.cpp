// Removing the old output: into the trash where the user's data folder exists, else deleted;
// a removal that fails is an error.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "TestHilfen.h"
#include "app/AlteAusgabe.h"
#include "basis/VbFehler.h"

using namespace rastfang;

TEST(AlteAusgabe, WithoutTrashItIsDeletedAndAFailedRemovalIsAnError) {
    QTemporaryDir tmp;
    const QString sDatei = tmp.filePath(QStringLiteral("alt.xlsx"));
    test::gSchreibe(sDatei, {});

    // No data folder: deleted, and no trash folders appear in the current directory.
    setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("fehlt")).toLocal8Bit().constData(), 1);
    const QString sVorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    gAlteAusgabeEntfernen(sDatei);
    QDir::setCurrent(sVorher);
    EXPECT_EQ(test::gEintraegeIn(tmp.path()), QStringList());

    // With a trash: a name too long for the trash's info file is deleted instead of looping.
    ASSERT_TRUE(QDir().mkpath(tmp.filePath(QStringLiteral("daten"))));
    setenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("daten")).toLocal8Bit().constData(), 1);
    const QString sLang = tmp.filePath(QString(245, QChar(u'n')) + QStringLiteral(".xlsx"));
    test::gSchreibe(sLang, {});
    gAlteAusgabeEntfernen(sLang);
    unsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(QFile::exists(sLang));

    // What cannot be removed is an error: a missing file (path/file access), a full folder.
    EXPECT_EQ(test::giFehler([&] { gAlteAusgabeEntfernen(sDatei); }), FEHLER_PFAD_ZUGRIFF);
    const QString sOrdner = tmp.filePath(QStringLiteral("ordner.xlsx"));
    ASSERT_TRUE(QDir().mkpath(sOrdner + QStringLiteral("/drin")));
    EXPECT_THROW(gAlteAusgabeEntfernen(sOrdner), VbFehler);
    EXPECT_TRUE(QDir(sOrdner).exists());
}
