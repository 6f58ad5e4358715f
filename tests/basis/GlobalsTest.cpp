#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>

#include "basis/Globals.h"

using namespace rastfang;

TEST(Globals, SplitsAPathAtEitherSeparatorOrTheDriveColon) {
    const std::pair<const char*, const char*> ordner[] = {
        {"C:liste.xls", "C:"},          {"liste.xls", ""},           {"C:\\D\\alt.xls", "C:\\D\\"},
        {"/home/a/b.xlsx", "/home/a/"}, {"/home\\a/b", "/home\\a/"}, {" x ", ""}};
    for (const auto& [sPfad, sErwartet] : ordner)
        EXPECT_EQ(gsVerzeichnisTeil(sPfad), sErwartet) << sPfad;
    const std::pair<const char*, const char*> namen[] = {
        {"C:\\Daten\\", ""},          {"    ", ""},
        {"C:liste.xls", "liste.xls"}, {"  /tmp/a b.xls  ", "a b.xls"},
        {"/tmp\\x.ods", "x.ods"},     {"nur.xls", "nur.xls"}};
    for (const auto& [sPfad, sErwartet] : namen) EXPECT_EQ(gsDateiName(sPfad), sErwartet) << sPfad;
}

TEST(Globals, SeparatorIsAppendedOnlyToNonEmptyText) {
    QString s;
    gTrennerAnhaengen(s, "\r\n");
    s += "a";
    gTrennerAnhaengen(s, "\r\n");
    EXPECT_EQ(s, "a\r\n");
}

TEST(Globals, FindsOnlyPlainVisibleFilesNamedLiterally) {
    QTemporaryDir dir;
    for (const char* pszName :
         {"Liste.xls", ".versteckt.xls", "Aus[1].xlsx", "Ergebnis {a,b}.xlsx"})
        ASSERT_TRUE(QFile(dir.filePath(pszName)).open(QIODevice::WriteOnly)) << pszName;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Ordner.xls"));
    EXPECT_EQ(gsDateiAufDisk(dir.filePath("LISTE.XLS")), dir.filePath("Liste.xls"));
    // Case is ignored; "*", "?", brackets and braces are plain characters.
    for (const char* pszName : {"Liste.xls", "AUS[1].XLSX", "ERGEBNIS {A,B}.XLSX"})
        EXPECT_TRUE(gbDateiVorhanden(dir.filePath(pszName))) << pszName;
    for (const char* pszName : {"*.xls", "Liste.xl?", "Ordner.xls", ".versteckt.xls", "",
                                "nicht/da/x.xls", "Aus1.xlsx", "Ergebnis a.xlsx"})
        EXPECT_FALSE(gbDateiVorhanden(dir.filePath(pszName))) << pszName;
    EXPECT_FALSE(gbDateiVorhanden(""));
}
