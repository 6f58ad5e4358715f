// Files that cannot be read: every one ends in error 1004 naming the file and the reason.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "LesenHilfen.h"

using rastfang::test::gsPython;
using rastfang::test::gsTestdatei;

namespace rastfang::tabelle::test {

namespace {

void gSchreibe(const QString& sPfad, const QByteArray& daten) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(daten);
}

QByteArray gbaLies(const QString& sPfad) {
    QFile f(sPfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// Copies lesen_formate.xlsx to `sZiel`, replacing entry `sEintrag` by `sInhalt` (python
/// expression for bytes) or, with bStrom, by 1 GiB of that pattern streamed.
const char* const ZIP_UMBAU = R"(
import sys, zipfile
quelle, ziel, eintrag, art = sys.argv[1:5]
with zipfile.ZipFile(quelle) as zq, zipfile.ZipFile(ziel, "w", zipfile.ZIP_DEFLATED) as zz:
    for info in zq.infolist():
        if info.filename != eintrag:
            zz.writestr(info, zq.read(info.filename))
    if art == "doctype":
        zz.writestr(eintrag, b'<?xml version="1.0"?><!DOCTYPE lol [<!ENTITY a "aaaaaaaaaa">'
                    b'<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>'
                    b'<worksheet><sheetData><row><c t="inlineStr"><is><t>&b;</t></is></c>'
                    b'</row></sheetData></worksheet>')
    elif art == "zeile":
        zz.writestr(eintrag, b'<worksheet><sheetData><row r="1048577"><c><v>1</v></c></row>'
                    b'</sheetData></worksheet>')
    elif art == "weit":
        zeilen = "".join('<row r="%d"><c r="XFD%d"><v>1</v></c></row>' % (i, i) for i in range(1, 301))
        zz.writestr(eintrag, ('<worksheet><sheetData>%s</sheetData></worksheet>' % zeilen).encode())
    elif art in ("nullen", "leerzeichen"):
        block = (b"\0" if art == "nullen" else b" ") * (1 << 20)
        with zz.open(eintrag, "w", force_zip64=True) as f:
            if art == "leerzeichen":
                f.write(b"<worksheet><sheetData>")
            for _ in range(1024):
                f.write(block)
)";

class KaputteDateien : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Pfad(const QString& sName) const { return dir.filePath(sName); }

    /// Opening (and reading every sheet) ends in 1004 whose text names the file and has
    /// `sGrund` in it.
    void ErwarteFehler(const QString& sPfad, const QString& sGrund) {
        const auto [lNummer, sText] = gOeffnenFehler(sPfad);
        EXPECT_EQ(lNummer, 1004) << sPfad.toStdString();
        EXPECT_TRUE(sText.contains(QStringLiteral("»") + sPfad + QStringLiteral("«")))
            << sText.toStdString();
        EXPECT_TRUE(sText.contains(sGrund)) << sText.toStdString();
    }

    QString Umbau(const QString& sName, const char* sEintrag, const char* sArt) {
        const QString ziel = Pfad(sName);
        gsPython(QString::fromLatin1(ZIP_UMBAU),
                 {gsTestdatei(QStringLiteral("lesen_formate.xlsx")), ziel,
                  QString::fromLatin1(sEintrag), QString::fromLatin1(sArt)});
        return ziel;
    }
};

const QString FORMAT = QStringLiteral("hat kein unterstütztes Format oder ist beschädigt");

}  // namespace

TEST_F(KaputteDateien, LeereZufaelligeUndAbgeschnitteneDateien) {
    gSchreibe(Pfad(QStringLiteral("leer.xlsx")), {});
    ErwarteFehler(Pfad(QStringLiteral("leer.xlsx")), FORMAT);

    QByteArray zufall(200000, Qt::Uninitialized);
    QRandomGenerator gen(4711);
    for (char& c : zufall) c = static_cast<char>(gen.bounded(256));
    gSchreibe(Pfad(QStringLiteral("zufall.xlsx")), zufall);
    ErwarteFehler(Pfad(QStringLiteral("zufall.xlsx")), FORMAT);
    // random bytes behind a zip or compound-file signature
    gSchreibe(Pfad(QStringLiteral("zufall_pk.xlsx")), QByteArray("PK\x03\x04", 4) + zufall);
    ErwarteFehler(Pfad(QStringLiteral("zufall_pk.xlsx")), FORMAT);
    gSchreibe(Pfad(QStringLiteral("zufall_ole.xls")),
              QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + zufall);
    ErwarteFehler(Pfad(QStringLiteral("zufall_ole.xls")), FORMAT);

    for (const char* quelle : {"lesen_formate.xlsx", "lesen_formate.ods", "lesen_formate.xls"}) {
        const QByteArray ganz = gbaLies(gsTestdatei(QString::fromLatin1(quelle)));
        ASSERT_FALSE(ganz.isEmpty());
        // the last sectors of a compound file may be unused: cut .xls files deeper
        const bool bXls = QByteArray(quelle).endsWith(".xls");
        for (const double anteil : {0.3, 0.7, bXls ? 0.5 : 0.95}) {
            const QString p = Pfad(QStringLiteral("kurz_%1_").arg(anteil) + quelle);
            gSchreibe(p, ganz.left(static_cast<qsizetype>(ganz.size() * anteil)));
            const auto [lNummer, sText] = gOeffnenFehler(p);
            EXPECT_EQ(lNummer, 1004) << quelle << " " << anteil;
        }
    }
    // a zip that is no workbook
    gsPython(
        QStringLiteral("import sys, zipfile\n"
                       "with zipfile.ZipFile(sys.argv[1], 'w') as z: z.writestr('a.txt', 'x')"),
        {Pfad(QStringLiteral("fremd.xlsx"))});
    ErwarteFehler(Pfad(QStringLiteral("fremd.xlsx")), FORMAT);
}

TEST_F(KaputteDateien, ZipBombenUndEntitaeten) {
    ErwarteFehler(Umbau(QStringLiteral("bombe_nullen.xlsx"), "xl/worksheets/sheet1.xml", "nullen"),
                  FORMAT);
    ErwarteFehler(
        Umbau(QStringLiteral("bombe_leer.xlsx"), "xl/worksheets/sheet1.xml", "leerzeichen"),
        QStringLiteral("ist zu groß"));
    ErwarteFehler(Umbau(QStringLiteral("doctype.xlsx"), "xl/worksheets/sheet1.xml", "doctype"),
                  FORMAT);
    ErwarteFehler(Umbau(QStringLiteral("zeile.xlsx"), "xl/worksheets/sheet1.xml", "zeile"), FORMAT);
    ErwarteFehler(Umbau(QStringLiteral("mappe.xlsx"), "xl/workbook.xml", "doctype"), FORMAT);
}

TEST_F(KaputteDateien, DuenneBlaetterBisZumRandSindBegrenzt) {
    // one cell in the last column of each row would make every row 16384 cells wide
    ErwarteFehler(Umbau(QStringLiteral("weit.xlsx"), "xl/worksheets/sheet1.xml", "weit"),
                  QStringLiteral("ist zu groß"));
    QByteArray csv;
    for (int i = 0; i < 300; ++i) csv += QByteArray(16383, ';') + "x\n";
    gSchreibe(Pfad(QStringLiteral("weit.csv")), csv);
    ErwarteFehler(Pfad(QStringLiteral("weit.csv")), QStringLiteral("ist zu groß"));
    // the same shape within limits is read
    QByteArray klein;
    for (int i = 0; i < 5; ++i) klein += QByteArray(16383, ';') + "x\n";
    gSchreibe(Pfad(QStringLiteral("rand.csv")), klein);
    Geoeffnet g(Pfad(QStringLiteral("rand.csv")));
    EXPECT_EQ(g.Text(0, 5, 16384), QStringLiteral("x"));
}

TEST_F(KaputteDateien, FehlerBeimSpaeterenLesenEinesBlatts) {
    const QString p = Umbau(QStringLiteral("blatt.xlsx"), "xl/worksheets/sheet2.xml", "zeile");
    const auto mappe = gLiesArbeitsmappe(p);  // the sheets are only named so far
    ASSERT_EQ(mappe->blaetter.size(), 4u);
    EXPECT_EQ(mappe->blaetter[0]->Lies(1, 1).text, QStringLiteral("allgemein"));
    try {
        mappe->blaetter[1]->Lies(1, 1);
        ADD_FAILURE() << "no error";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), 1004);
        EXPECT_TRUE(e.Description().contains(p));
    }
    // the damaged sheet stays empty, its neighbours are unaffected
    EXPECT_EQ(mappe->blaetter[1]->AnzahlZeilen(), 0);
    EXPECT_EQ(mappe->blaetter[1]->Name(), QStringLiteral("Übersicht"));
    EXPECT_EQ(mappe->blaetter[2]->Lies(1, 1).text, QStringLiteral("geheim"));
}

TEST_F(KaputteDateien, VerschluesseltePakete) {
    // A compound file with an EncryptedPackage stream, as Office stores password-protected
    // .xlsx files.
    const char* const OLE2 = R"(
import struct, sys
SEK = 512
def eintrag(name, typ, rechts, kind, start, groesse):
    n = (name + "\0").encode("utf-16-le") if name else b""
    return (n.ljust(64, b"\0") + struct.pack("<HBBiii", len(n), typ, 1, -1, rechts, kind)
            + b"\0" * 16 + struct.pack("<I", 0) + b"\0" * 16 + struct.pack("<iII", start, groesse, 0))
kopf = (b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\0" * 16 + struct.pack("<HHHHH", 0x3E, 3, 0xFFFE, 9, 6)
        + b"\0" * 6 + struct.pack("<IIIIIIIII", 0, 1, 1, 0, 4096, 0xFFFFFFFE, 0, 0xFFFFFFFE, 0))
kopf += struct.pack("<I", 0) + struct.pack("<i", -1) * 108
fat = [-3, -2] + list(range(3, 10)) + [-2] + list(range(11, 18)) + [-2]
fat += [-1] * (128 - len(fat))
verz = (eintrag("Root Entry", 5, -1, 1, -2, 0) + eintrag("EncryptionInfo", 2, 2, -1, 10, 4096)
        + eintrag("EncryptedPackage", 2, -1, -1, 2, 4096) + eintrag("", 0, -1, -1, 0, 0))
daten = kopf + struct.pack("<128i", *fat) + verz + b"\x5a" * 8 * SEK + b"\x01" * 8 * SEK
open(sys.argv[1], "wb").write(daten)
)";
    gsPython(QString::fromLatin1(OLE2), {Pfad(QStringLiteral("geheim.xlsx"))});
    ErwarteFehler(Pfad(QStringLiteral("geheim.xlsx")), QStringLiteral("ist verschlüsselt"));

    // An OpenDocument file whose manifest lists encryption data.
    gsPython(QStringLiteral(R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("META-INF/manifest.xml", '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="content.xml"><manifest:encryption-data/></manifest:file-entry></manifest:manifest>')
    z.writestr("content.xml", bytes(range(256)) * 10)
)"),
             {Pfad(QStringLiteral("geheim.ods"))});
    ErwarteFehler(Pfad(QStringLiteral("geheim.ods")), QStringLiteral("ist verschlüsselt"));
}

TEST_F(KaputteDateien, FehlendeDateienUndGrossKleinschreibung) {
    ErwarteFehler(Pfad(QStringLiteral("gibtsnicht.xlsx")), QStringLiteral("wurde nicht gefunden"));
    ErwarteFehler(Pfad(QStringLiteral("ordner/fehlt/x.xlsx")),
                  QStringLiteral("wurde nicht gefunden"));
    ErwarteFehler(dir.path(), FORMAT);
    {
        const auto [lNummer, sText] = gOeffnenFehler(QString());
        EXPECT_EQ(lNummer, 1004);
    }

    // A name typed in another letter case finds the file, as on Windows.
    const QString echt = Pfad(QStringLiteral("Noten.XLSX"));
    ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("lesen_formate.xlsx")), echt));
    const auto mappe = gLiesArbeitsmappe(Pfad(QStringLiteral("noten.xlsx")));
    EXPECT_EQ(mappe->sPfad, echt);
    EXPECT_EQ(mappe->blaetter.size(), 4u);

    // A file without read permission (root reads everything, so only as another user).
    if (geteuid() != 0) {
        const QString gesperrt = Pfad(QStringLiteral("gesperrt.xlsx"));
        ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("lesen_formate.xlsx")), gesperrt));
        QFile::setPermissions(gesperrt, QFileDevice::Permissions());
        ErwarteFehler(gesperrt, QStringLiteral("Zugriff auf die Datei"));
    }
}

}  // namespace rastfang::tabelle::test
