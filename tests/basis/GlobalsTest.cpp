#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "basis/Globals.h"

using namespace rastfang;

TEST(Globals, VerzeichnisTeilAndDateiName) {
    EXPECT_EQ(gsVerzeichnisTeil("C:liste.xls"), "C:");
    EXPECT_EQ(gsVerzeichnisTeil("liste.xls"), "");
    EXPECT_EQ(gsVerzeichnisTeil("C:\\Daten\\alt.xls"), "C:\\Daten\\");
    EXPECT_EQ(gsVerzeichnisTeil("/home/a/b.xlsx"), "/home/a/");
    EXPECT_EQ(gsVerzeichnisTeil("/home\\a/b"), "/home\\a/");
    EXPECT_EQ(gsVerzeichnisTeil(" x "), "");

    EXPECT_EQ(gsDateiName("C:\\Daten\\"), "");
    EXPECT_EQ(gsDateiName("    "), "");
    EXPECT_EQ(gsDateiName("C:liste.xls"), "liste.xls");
    EXPECT_EQ(gsDateiName("  /tmp/a b.xls  "), "a b.xls");
    EXPECT_EQ(gsDateiName("/tmp\\x.ods"), "x.ods");
    EXPECT_EQ(gsDateiName("nur.xls"), "nur.xls");

    QString s;
    gTrennerAnhaengen(s, "\r\n");
    EXPECT_EQ(s, "");
    s = "a";
    gTrennerAnhaengen(s, "\r\n");
    EXPECT_EQ(s, "a\r\n");
}

TEST(Globals, DateiVorhandenOnlyForPlainVisibleFilesNamedLiterally) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath("Liste.xls");
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    QFile versteckt(dir.filePath(".versteckt.xls"));
    ASSERT_TRUE(versteckt.open(QIODevice::WriteOnly));
    versteckt.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("Ordner.xls"));

    EXPECT_TRUE(gbDateiVorhanden(pfad));
    EXPECT_TRUE(gbDateiVorhanden(dir.filePath("LISTE.XLS")));
    EXPECT_EQ(gsDateiAufDisk(dir.filePath("LISTE.XLS")), pfad);
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("*.xls")));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("Liste.xl?")));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("Ordner.xls")));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath(".versteckt.xls")));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("fehlt.xls")));
    EXPECT_FALSE(gbDateiVorhanden(dir.path() + "/"));
    EXPECT_FALSE(gbDateiVorhanden(""));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("nicht/da/x.xls")));

    // Brackets and braces are plain characters, as "*" and "?" are.
    for (const char* pszName : {"Aus[1].xlsx", "Ergebnis {a,b}.xlsx"}) {
        ASSERT_TRUE(QFile(dir.filePath(pszName)).open(QIODevice::WriteOnly));
        EXPECT_TRUE(gbDateiVorhanden(dir.filePath(pszName))) << pszName;
        EXPECT_TRUE(gbDateiVorhanden(dir.filePath(QString(pszName).toUpper()))) << pszName;
    }
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("Aus1.xlsx")));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("Liste.[x]ls")));
    EXPECT_FALSE(gbDateiVorhanden(dir.filePath("Ergebnis a.xlsx")));
}
