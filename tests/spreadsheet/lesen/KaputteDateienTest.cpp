// Files that cannot be read end in error 1004 naming the file and the reason; legacy .xls
// specifics made by changing single bytes of a LibreOffice file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "LesenHilfen.h"
#include "basis/VbFehler.h"
#include "spreadsheet/lesen/Lesebudget.h"

namespace rastfang::spreadsheet::test {

namespace {

const QString FORMAT = QStringLiteral("hat kein unterstütztes Format oder ist beschädigt");
const QString ZU_GROSS = QStringLiteral("ist zu groß");
const QString VERSCHLUESSELT = QStringLiteral("ist verschlüsselt");

/// Copies zip argv[1] to argv[2], entry argv[3] replaced by content of kind argv[4] (the bomb
/// streams 1 GiB; "tag", one start tag of 20 MiB, packs only 150:1: no inflate ratio refuses it).
const QString UMBAU = ZIP_PY + QStringLiteral(R"(
import random
quelle, ziel, eintrag, art = sys.argv[1:5]
def bombe(f):
    for _ in range(1024):
        f.write(b"\0" * (1 << 20))
def tag(f):
    zufall = random.Random(1)
    f.write(b'<worksheet><sheetData><row r="1" x="')
    for _ in range(20 * 1024):
        f.write(b"a" * 1020 + bytes(zufall.choice(b"bcdefghijk") for _ in range(4)))
weit = "".join('<row r="%d"><c r="XFD%d"><v>1</v></c></row>' % (i, i) for i in range(1, 301))
zip_(ziel, {eintrag: {
    "doctype": b'<?xml version="1.0"?><!DOCTYPE lol [<!ENTITY a "aaaaaaaaaa">'
               b'<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>'
               b'<worksheet><sheetData><row><c t="inlineStr"><is><t>&b;</t></is></c>'
               b'</row></sheetData></worksheet>',
    "zeile": b'<worksheet><sheetData><row r="1048577"><c><v>1</v></c></row></sheetData></worksheet>',
    "weit": "<worksheet><sheetData>%s</sheetData></worksheet>" % weit,
    "tag": tag}.get(art, bombe)}, quelle)
)");

/// Number and description of the error that opening and reading every sheet raises; 0 if none.
std::pair<int32_t, QString> gOeffnenFehler(const QString& sPfad) {
    return gFehler([&] {
        for (const auto& b : gLiesArbeitsmappe(sPfad)->blaetter) b->AnzahlZeilen();
    });
}

class KaputteDateien : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Pfad(const QString& sName) const { return dir.filePath(sName); }
    QString Datei(const QString& sName, const QByteArray& daten) {
        gSchreibe(Pfad(sName), daten);
        return Pfad(sName);
    }
    /// Runs ZIP_PY + `sSkript` with the paths of `namen` as arguments; returns the first.
    QString Gebaut(const QString& sSkript, const QStringList& namen) {
        QStringList pfade;
        for (const QString& s : namen) pfade << Pfad(s);
        gsPython(ZIP_PY + sSkript, pfade);
        return pfade.front();
    }
    /// lesen_formate.xlsx with entry `sEintrag` replaced by UMBAU's content `sArt`.
    QString Umbau(const char* sArt, const char* sEintrag = "xl/worksheets/sheet1.xml") {
        const QString ziel =
            Pfad(QStringLiteral("%1_%2.xlsx").arg(sArt, QString(sEintrag).section('/', -1)));
        gsPython(UMBAU, {gsTestdatei(QStringLiteral("lesen_formate.xlsx")), ziel,
                         QString::fromLatin1(sEintrag), QString::fromLatin1(sArt)});
        return ziel;
    }
    /// Fixture `sQuelle` as `sName`, `neu` written from the first `muster` + `iVersatz` on.
    QString Geaendert(const char* sQuelle, const char* sName, const QByteArray& muster,
                      int iVersatz, const QByteArray& neu) {
        QByteArray daten = gInhalt(gsTestdatei(QString::fromLatin1(sQuelle)));
        const qsizetype i = daten.indexOf(muster);
        EXPECT_GE(i, 0) << sName;
        return Datei(sName, daten.replace(i + iVersatz, neu.size(), neu));
    }

    /// Opening and reading ends in 1004 naming the file, with `sGrund` in the text.
    void ErwarteFehler(const QString& sPfad, const QString& sGrund = FORMAT) {
        const auto [lNummer, sText] = gOeffnenFehler(sPfad);
        EXPECT_TRUE(lNummer == 1004 && sText.contains("»" + sPfad + "«") && sText.contains(sGrund))
            << lNummer << " " << sText.toStdString();
    }
};

}  // namespace

TEST_F(KaputteDateien, EmptyRandomTruncatedAndForeignFilesHaveNoSupportedFormat) {
    ErwarteFehler(Datei("leer.xlsx", {}));
    QByteArray zufall(200000, Qt::Uninitialized);
    QRandomGenerator(4711).fillRange(reinterpret_cast<quint32*>(zufall.data()), zufall.size() / 4);
    ErwarteFehler(Datei("zufall.xlsx", zufall));
    ErwarteFehler(Datei("zufall_pk.xlsx", QByteArray("PK\x03\x04", 4) + zufall));
    ErwarteFehler(
        Datei("zufall_ole.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + zufall));

    for (const char* quelle : {"lesen_formate.xlsx", "lesen_formate.ods", "lesen_formate.xls"}) {
        const QByteArray ganz = gInhalt(gsTestdatei(QString::fromLatin1(quelle)));
        // the last sectors of a compound file may be unused: cut .xls files deeper
        for (const double anteil : {0.3, 0.7, QByteArray(quelle).endsWith(".xls") ? 0.5 : 0.95}) {
            const QString p = Datei(QStringLiteral("kurz_%1_").arg(anteil) + quelle,
                                    ganz.left(static_cast<qsizetype>(ganz.size() * anteil)));
            EXPECT_EQ(gOeffnenFehler(p).first, 1004) << quelle << " " << anteil;
        }
    }
    ErwarteFehler(Gebaut(QStringLiteral("zip_(sys.argv[1], {'a.txt': 'x'})"), {"fremd.xlsx"}));
}

TEST_F(KaputteDateien, ZipBombsEntitiesAndSparseSheetsOutToTheEdge) {
    ErwarteFehler(Umbau("nullen"), ZU_GROSS);  // refused before a byte is inflated
    ErwarteFehler(Umbau("tag"), ZU_GROSS);     // the parser would hold it whole, outside any budget
    ErwarteFehler(Umbau("doctype"));
    ErwarteFehler(Umbau("zeile"));
    ErwarteFehler(Umbau("doctype", "xl/workbook.xml"));
    // A broken second sheet is found when the workbook is opened, not when it is used.
    ErwarteFehler(Umbau("zeile", "xl/worksheets/sheet2.xml"));

    // Sparse sheets out to the edge cost a cell per cell, not a row of empty ones.
    Lesebudget budget;
    const auto mappe = gLiesArbeitsmappe(Umbau("weit"), budget);
    EXPECT_EQ(mappe->blaetter[0]->Lies(300, 16384).zahl, 1);
    EXPECT_LT(budget.Belegt(), 1 << 20);
    const QByteArray csv = (QByteArray(16383, ';') + "x\n").repeated(300);
    EXPECT_EQ(Geoeffnet(Datei("rand.csv", csv)).Text(0, 300, 16384), QStringLiteral("x"));
}

TEST_F(KaputteDateien, TinyFilesDeclaringMillionsOfCellsStayWithinTheBudget) {
    // A few hundred bytes declaring twenty tables of a million rows of 16384 numbers.
    const QString millionen = Gebaut(QStringLiteral(R"(
zeile = ('<table:table-row table:number-rows-repeated="1048576"><table:table-cell '
         'office:value-type="float" office:value="1" table:number-columns-repeated="16384"/>'
         '</table:table-row>')
tabellen = "".join('<table:table table:name="T%d">%s</table:table>' % (i, zeile) for i in range(20))
zip_(sys.argv[1], {"mimetype": "application/vnd.oasis.opendocument.spreadsheet", "content.xml":
    '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"><office:body>'
    '<office:spreadsheet>%s</office:spreadsheet></office:body></office:document-content>' % tabellen})
)"),
                                     {"millionen.ods"});
    Lesebudget budget;
    EXPECT_THROW(gLiesArbeitsmappe(millionen, budget), VbFehler);
    EXPECT_LE(budget.Belegt(), budget.Grenze());
    EXPECT_GT(budget.Belegt(), budget.Grenze() * 9 / 10);
    ErwarteFehler(millionen, ZU_GROSS);

    // 40 sheets of 20,000 cells read in parallel pass 4 MiB; 20 sheets on one part are no workbook.
    const QString vierzig = Gebaut(QStringLiteral(R"(
blatt = "<worksheet><sheetData>%s</sheetData></worksheet>" % "".join('<row r="%d">%s</row>' % (
    r, "".join('<c r="%s%d"><v>%d</v></c>' % (s, r, r) for s in "ABCDEFGHIJ")) for r in range(1, 2001))
teile = ["worksheets/sheet%d.xml" % i for i in range(40)]
xlsx(sys.argv[1], [("B%d" % i, t) for i, t in enumerate(teile)], {t: blatt for t in teile})
xlsx(sys.argv[2], [("B%d" % i, teile[1]) for i in range(20)], {teile[1]: blatt})
)"),
                                   {"vierzig.xlsx", "ein_teil.xlsx"});
    Lesebudget klein(4 << 20);
    EXPECT_THROW(gLiesArbeitsmappe(vierzig, klein), VbFehler);
    EXPECT_LE(klein.Belegt(), klein.Grenze());
    ErwarteFehler(Pfad("ein_teil.xlsx"));
}

TEST_F(KaputteDateien, EncryptedPackagesAreReportedAsEncrypted) {
    // Office stores password-protected .xlsx files as a compound file with a stream
    // EncryptedPackage: the workbook stream of an .xls renamed (name field and its length).
    const QByteArray name(reinterpret_cast<const char*>(u"EncryptedPackage"), 32);  // UTF-16LE
    ErwarteFehler(Geaendert("lesen_formate.xls", "geheim.xlsx",
                            QByteArray("W\0o\0r\0k\0b\0o\0o\0k\0\0\0", 18), 0,
                            name.leftJustified(64, '\0') + QByteArray("\x22\0", 2)),
                  VERSCHLUESSELT);
    // an OpenDocument file whose manifest lists encryption data
    ErwarteFehler(Gebaut(QStringLiteral(R"(
zip_(sys.argv[1], {"mimetype": "application/vnd.oasis.opendocument.spreadsheet",
     "META-INF/manifest.xml": '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="content.xml"><manifest:encryption-data/></manifest:file-entry></manifest:manifest>',
     "content.xml": bytes(range(256)) * 10})
)"),
                         {"geheim.ods"}),
                  VERSCHLUESSELT);
}

TEST_F(KaputteDateien, MissingFilesAndNamesInAnotherLetterCase) {
    ErwarteFehler(Pfad("gibtsnicht.xlsx"), QStringLiteral("wurde nicht gefunden"));
    ErwarteFehler(Pfad("ordner/fehlt/x.xlsx"), QStringLiteral("wurde nicht gefunden"));
    ErwarteFehler(dir.path());
    EXPECT_EQ(gOeffnenFehler(QString()).first, 1004);

    // A name typed in another letter case finds the file, as on Windows.
    const QString echt = Pfad("Noten.XLSX");
    ASSERT_TRUE(QFile::copy(gsTestdatei(QStringLiteral("lesen_formate.xlsx")), echt));
    EXPECT_EQ(gLiesArbeitsmappe(Pfad("noten.xlsx"))->sPfad, echt);

    // A file without read permission (root reads everything, so only as another user).
    if (geteuid() != 0) {
        QFile::setPermissions(echt, QFileDevice::Permissions());
        ErwarteFehler(echt, QStringLiteral("Zugriff auf die Datei"));
    }
}

using XlsLesen = KaputteDateien;

TEST_F(XlsLesen, ChartSheetsPasswordsAndOverlongCounts) {
    // "Versteckt" made a chart sheet (type byte before its name): it drops out, the rest stay.
    const char* sXls = "anzeige/anzeige.xls";
    const Geoeffnet g(
        Geaendert(sXls, "diagramm.xls", QByteArray("\x09\x00Versteckt", 11), -1, "\x02"));
    EXPECT_EQ(g.Namen(), (QStringList{"Formate", "Übersicht", "Texte"}));
    EXPECT_EQ(g.Text(1, 2, 2), "Bäcker, Jörg");
    EXPECT_EQ(g.Text(2, 100, 1), "Eintrag 100 mit etwas Text, damit die Tabelle wächst");
    // The record after the workbook's BOF turned into FILEPASS: an encrypted workbook.
    ErwarteFehler(Geaendert(sXls, "geheim.xls", QByteArray("\x09\x08\x10\x00\x00\x06\x05\x00", 8),
                            20, "\x2F"),
                  VERSCHLUESSELT);
    // Shared strings claiming 16 million more than the record and its CONTINUEs hold.
    ErwarteFehler(Geaendert(sXls, "sst.xls", QByteArray("\xFC\x00\x20\x20", 4), 11, "\x01"));
}

}  // namespace rastfang::spreadsheet::test
