// Legacy .xls specifics: sheets that are no worksheets, encrypted workbooks and records whose
// counts claim more than they hold, made by changing single bytes of a LibreOffice file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LesenHilfen.h"

using rastfang::test::gsTestdatei;

namespace rastfang::spreadsheet::test {

namespace {

/// anzeige.xls with the byte at offset (position of `muster` + `iVersatz`) set to `iWert`;
/// written to `dir` as `sName`.
QString gsGeaendert(const QTemporaryDir& dir, const char* sName, const QByteArray& muster,
                    int iVersatz, char iWert) {
    QFile quelle(gsTestdatei(QStringLiteral("anzeige/anzeige.xls")));
    EXPECT_TRUE(quelle.open(QIODevice::ReadOnly));
    QByteArray daten = quelle.readAll();
    const qsizetype i = daten.indexOf(muster);
    EXPECT_GE(i, 0) << sName;
    daten[i + iVersatz] = iWert;
    QFile ziel(dir.filePath(QString::fromLatin1(sName)));
    EXPECT_TRUE(ziel.open(QIODevice::WriteOnly) && ziel.write(daten) == daten.size());
    return ziel.fileName();
}

}  // namespace

TEST(XlsLesen, DiagrammblattKennwortUndUeberlangeZaehler) {
    QTemporaryDir dir;
    // The sheet "Versteckt" declared a chart sheet (type byte before its name's length):
    // it is no worksheet and drops out, the others keep their cells.
    const QByteArray blattname("\x09\x00Versteckt", 11);
    Geoeffnet g(gsGeaendert(dir, "diagramm.xls", blattname, -1, 0x02));
    EXPECT_EQ(g.Namen(), (QStringList{QStringLiteral("Formate"), QStringLiteral("Übersicht"),
                                      QStringLiteral("Texte")}));
    EXPECT_EQ(g.Text(1, 2, 2), QStringLiteral("Bäcker, Jörg"));
    EXPECT_EQ(g.Text(2, 100, 1),
              QStringLiteral("Eintrag 100 mit etwas Text, damit die Tabelle wächst"));

    // The record after the workbook's BOF turned into FILEPASS: an encrypted workbook.
    const QByteArray bof("\x09\x08\x10\x00\x00\x06\x05\x00", 8);
    const QString geheim = gsGeaendert(dir, "geheim.xls", bof, 20, 0x2F);
    const auto [lNummer, sText] = gOeffnenFehler(geheim);
    EXPECT_EQ(lNummer, 1004);
    EXPECT_TRUE(sText.contains(QStringLiteral("ist verschlüsselt"))) << sText.toStdString();

    // Shared strings claiming 16 million more than the record and its CONTINUEs hold.
    const QByteArray sst("\xFC\x00\x20\x20", 4);
    const QString zuviel = gsGeaendert(dir, "sst.xls", sst, 11, 0x01);
    EXPECT_EQ(gOeffnenFehler(zuviel).first, 1004);
}

}  // namespace rastfang::spreadsheet::test
