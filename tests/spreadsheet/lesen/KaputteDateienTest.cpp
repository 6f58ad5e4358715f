// Files that cannot be read: every one ends in error 1004 naming the file and the reason.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "LesenHilfen.h"
#include "spreadsheet/lesen/Lesebudget.h"

using rastfang::test::gsPython;
using rastfang::test::gsTestdatei;

namespace rastfang::spreadsheet::test {

namespace {

/// Copies lesen_formate.xlsx to `ziel`, replacing entry `eintrag` by hostile content of kind
/// `art` (the two bombs stream 1 GiB).
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

const QString FORMAT = QStringLiteral("hat kein unterstütztes Format oder ist beschädigt");

class KaputteDateien : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Pfad(const QString& sName) const { return dir.filePath(sName); }
    /// A file `sName` in the test folder holding `daten`.
    QString Datei(const QString& sName, const QByteArray& daten) {
        QFile f(Pfad(sName));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size());
        return f.fileName();
    }

    /// Opening (and reading every sheet) ends in 1004 whose text names the file and has
    /// `sGrund` in it.
    void ErwarteFehler(const QString& sPfad, const QString& sGrund = FORMAT) {
        const auto [lNummer, sText] = gOeffnenFehler(sPfad);
        EXPECT_EQ(lNummer, 1004) << sPfad.toStdString();
        EXPECT_TRUE(sText.contains(QStringLiteral("»") + sPfad + QStringLiteral("«")))
            << sText.toStdString();
        EXPECT_TRUE(sText.contains(sGrund)) << sText.toStdString();
    }

    QString Umbau(const char* sArt, const char* sEintrag = "xl/worksheets/sheet1.xml") {
        const QString ziel =
            Pfad(QStringLiteral("%1_%2.xlsx").arg(sArt, QString(sEintrag).section('/', -1)));
        gsPython(QString::fromLatin1(ZIP_UMBAU),
                 {gsTestdatei(QStringLiteral("lesen_formate.xlsx")), ziel,
                  QString::fromLatin1(sEintrag), QString::fromLatin1(sArt)});
        return ziel;
    }
};

}  // namespace

TEST_F(KaputteDateien, LeereZufaelligeUndAbgeschnitteneDateien) {
    ErwarteFehler(Datei("leer.xlsx", {}));
    QByteArray zufall(200000, Qt::Uninitialized);
    QRandomGenerator gen(4711);
    for (char& c : zufall) c = static_cast<char>(gen.bounded(256));
    ErwarteFehler(Datei("zufall.xlsx", zufall));
    // random bytes behind a zip or compound-file signature
    ErwarteFehler(Datei("zufall_pk.xlsx", QByteArray("PK\x03\x04", 4) + zufall));
    ErwarteFehler(
        Datei("zufall_ole.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + zufall));

    for (const char* quelle : {"lesen_formate.xlsx", "lesen_formate.ods", "lesen_formate.xls"}) {
        QFile f(gsTestdatei(QString::fromLatin1(quelle)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray ganz = f.readAll();
        // the last sectors of a compound file may be unused: cut .xls files deeper
        const bool bXls = QByteArray(quelle).endsWith(".xls");
        for (const double anteil : {0.3, 0.7, bXls ? 0.5 : 0.95}) {
            const QString p = Datei(QStringLiteral("kurz_%1_").arg(anteil) + quelle,
                                    ganz.left(static_cast<qsizetype>(ganz.size() * anteil)));
            EXPECT_EQ(gOeffnenFehler(p).first, 1004) << quelle << " " << anteil;
        }
    }
    // a zip that is no workbook
    gsPython(
        QStringLiteral("import sys, zipfile\n"
                       "with zipfile.ZipFile(sys.argv[1], 'w') as z: z.writestr('a.txt', 'x')"),
        {Pfad("fremd.xlsx")});
    ErwarteFehler(Pfad("fremd.xlsx"));
}

TEST_F(KaputteDateien, ZipBombenEntitaetenUndDuenneBlaetterBisZumRand) {
    ErwarteFehler(Umbau("nullen"), QStringLiteral("ist zu groß"));
    ErwarteFehler(Umbau("leerzeichen"), QStringLiteral("ist zu groß"));
    ErwarteFehler(Umbau("doctype"));
    ErwarteFehler(Umbau("zeile"));
    ErwarteFehler(Umbau("doctype", "xl/workbook.xml"));

    // Sparse sheets out to the edge cost a cell per cell, not a row of empty ones.
    {
        Lesebudget budget;
        const auto mappe = gLiesArbeitsmappe(Umbau("weit"), budget);
        EXPECT_EQ(mappe->blaetter[0]->Lies(300, 16384).zahl, 1);
        EXPECT_LT(budget.Belegt(), 1 << 20);
    }
    QByteArray csv;
    for (int i = 0; i < 300; ++i) csv += QByteArray(16383, ';') + "x\n";
    Geoeffnet g(Datei("rand.csv", csv));
    EXPECT_EQ(g.Text(0, 300, 16384), QStringLiteral("x"));
}

TEST_F(KaputteDateien, WinzigeDateienMitMillionenZellenBleibenImBudget) {
    // Twenty tables of a million rows, each repeating one number over every column: a few
    // hundred bytes declaring billions of cells.
    gsPython(QStringLiteral(R"(
import sys, zipfile
zeile = ('<table:table-row table:number-rows-repeated="1048576"><table:table-cell '
         'office:value-type="float" office:value="1" table:number-columns-repeated="16384"/>'
         '</table:table-row>')
tabellen = "".join('<table:table table:name="T%d">%s</table:table>' % (i, zeile) for i in range(20))
inhalt = ('<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"><office:body>'
          '<office:spreadsheet>%s</office:spreadsheet></office:body></office:document-content>' % tabellen)
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("content.xml", inhalt)
)"),
             {Pfad("millionen.ods")});
    Lesebudget budget;
    EXPECT_THROW(gLiesArbeitsmappe(Pfad("millionen.ods"), budget), VbFehler);
    EXPECT_LE(budget.Belegt(), budget.Grenze());
    EXPECT_GT(budget.Belegt(), budget.Grenze() * 9 / 10);
    ErwarteFehler(Pfad("millionen.ods"), QStringLiteral("ist zu groß"));

    // Forty sheets of 20,000 cells each pass a budget of a few megabytes while they are read
    // in parallel; and twenty sheets pointing to one part are no workbook.
    gsPython(QStringLiteral(R"(
import sys, zipfile
def mappe(pfad, teile):
    n = len(teile)
    with zipfile.ZipFile(pfad, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("_rels/.rels", '<Relationships><Relationship Id="r" Type="x/officeDocument" Target="xl/workbook.xml"/></Relationships>')
        z.writestr("xl/workbook.xml", "<workbook><sheets>%s</sheets></workbook>" % "".join(
            '<sheet name="B%d" r:id="r%d"/>' % (i, i) for i in range(n)))
        z.writestr("xl/_rels/workbook.xml.rels", "<Relationships>%s</Relationships>" % "".join(
            '<Relationship Id="r%d" Type="x/worksheet" Target="%s"/>' % (i, t) for i, t in enumerate(teile)))
        zellen = "".join('<row r="%d">%s</row>' % (r, "".join('<c r="%s%d"><v>%d</v></c>' % (s, r, r) for s in "ABCDEFGHIJ")) for r in range(1, 2001))
        for t in set(teile):
            z.writestr("xl/" + t, "<worksheet><sheetData>%s</sheetData></worksheet>" % zellen)
mappe(sys.argv[1], ["worksheets/sheet%d.xml" % i for i in range(40)])
mappe(sys.argv[2], ["worksheets/sheet1.xml"] * 20)
)"),
             {Pfad("vierzig.xlsx"), Pfad("ein_teil.xlsx")});
    Lesebudget klein(4 << 20);
    EXPECT_THROW(gLiesArbeitsmappe(Pfad("vierzig.xlsx"), klein), VbFehler);
    EXPECT_LE(klein.Belegt(), klein.Grenze());
    ErwarteFehler(Pfad("ein_teil.xlsx"));
}

TEST_F(KaputteDateien, EinKaputtesBlattVerweigertDieGanzeMappe) {
    // The broken second sheet is found when the workbook is opened, not when it is used.
    const QString p = Umbau("zeile", "xl/worksheets/sheet2.xml");
    ErwarteFehler(p);
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
    gsPython(QString::fromLatin1(OLE2), {Pfad("geheim.xlsx")});
    ErwarteFehler(Pfad("geheim.xlsx"), QStringLiteral("ist verschlüsselt"));

    // An OpenDocument file whose manifest lists encryption data.
    gsPython(QStringLiteral(R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
    z.writestr("META-INF/manifest.xml", '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="content.xml"><manifest:encryption-data/></manifest:file-entry></manifest:manifest>')
    z.writestr("content.xml", bytes(range(256)) * 10)
)"),
             {Pfad("geheim.ods")});
    ErwarteFehler(Pfad("geheim.ods"), QStringLiteral("ist verschlüsselt"));
}

TEST_F(KaputteDateien, FehlendeDateienUndGrossKleinschreibung) {
    ErwarteFehler(Pfad("gibtsnicht.xlsx"), QStringLiteral("wurde nicht gefunden"));
    ErwarteFehler(Pfad("ordner/fehlt/x.xlsx"), QStringLiteral("wurde nicht gefunden"));
    ErwarteFehler(dir.path());
    EXPECT_EQ(gOeffnenFehler(QString()).first, 1004);

    // A name typed in another letter case finds the file, as on Windows.
    const QString echt = Pfad("Noten.XLSX");
    ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("lesen_formate.xlsx")), echt));
    const auto mappe = gLiesArbeitsmappe(Pfad("noten.xlsx"));
    EXPECT_EQ(mappe->sPfad, echt);
    EXPECT_EQ(mappe->blaetter.size(), 4u);

    // A file without read permission (root reads everything, so only as another user).
    if (geteuid() != 0) {
        QFile::setPermissions(echt, QFileDevice::Permissions());
        ErwarteFehler(echt, QStringLiteral("Zugriff auf die Datei"));
    }
}

}  // namespace rastfang::spreadsheet::test
