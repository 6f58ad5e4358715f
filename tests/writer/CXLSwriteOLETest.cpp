// The writer's lines as the independent reader sees them in the saved workbook, its finishing
// (widths, spare rows, protection, save) and its failures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include "AusgabeLesen.h"
#include "CXLSwriteOLE.h"
#include "Plattform.h"
#include "TestHilfen.h"
#include "VbFehler.h"

using namespace rastfang;
using namespace rastfang::test;

namespace {

// One cell as it must be read back.
struct Soll {
    QJsonValue wert;  // Null: empty cell
    QString typ = QStringLiteral("NoneType");
    bool gelb = false;
    bool fett = false;
    QString ausrichtung;
    QString format = QStringLiteral("General");
    bool gesperrt = true;
};

Soll text(const QString& s, Soll soll = {}) {
    soll.wert = s;
    soll.typ = QStringLiteral("str");
    return soll;
}

void pruefe(const QJsonObject& datei, int r, int c, const Soll& s) {
    const QJsonObject z =
        datei["zellen"].toObject()[QStringLiteral("%1,%2").arg(r).arg(c)].toObject();
    SCOPED_TRACE(QStringLiteral("Zeile %1, Spalte %2").arg(r).arg(c).toStdString());
    ASSERT_FALSE(z.isEmpty());
    EXPECT_EQ(z["wert"], s.wert) << z["wert"].toVariant().toString().toStdString();
    EXPECT_EQ(z["typ"].toString(), s.typ);
    if (s.gelb) {
        EXPECT_TRUE(z["fuellung"].toString().endsWith("FFFFCC"))
            << z["fuellung"].toString().toStdString();
    } else {
        EXPECT_EQ(z["fuellung"].toString(), "");
    }
    EXPECT_EQ(z["fett"].toBool(), s.fett);
    EXPECT_EQ(z["ausrichtung"].toString(), s.ausrichtung);
    EXPECT_EQ(z["format"].toString(), s.format);
    EXPECT_EQ(z["gesperrt"].toBool(), s.gesperrt);
}

// The look of an apprentice line (spare line: everything editable) without its values.
Soll azubiStil(int c, bool bErsatz) {
    Soll s;
    s.gelb = c <= 5;
    if (c == 1) s.format = "0";
    if (c >= 6) {
        s.format = "0.0";
        s.ausrichtung = "right";
    }
    s.gesperrt = !(bErsatz || c >= 6 || (c >= 2 && c <= 4));
    return s;
}

Soll kopfStil(int c, bool bKopf1) {
    Soll s;
    s.gelb = true;
    s.fett = true;
    if (c >= 6) s.ausrichtung = "center";
    if (bKopf1 && c == 5) s.ausrichtung = "right";
    return s;
}

}  // namespace

TEST(CXLSwriteOLE, LinesOfEveryTypeAsReadBackFromTheSavedFile) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("ausgabe.xlsx");

    CXLSwriteOLE schreiber;
    EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));  // nothing open yet
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
    EXPECT_TRUE(schreiber.Init());
    EXPECT_TRUE(schreiber.Init());
    ASSERT_TRUE(schreiber.OpenFile(sDatei));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 6);
    EXPECT_FALSE(QFile::exists(sDatei));  // nothing goes to disk before the save

    // Row 1: a group header with 12 subjects.
    schreiber.Reset();
    const QStringList titel{"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf"};
    for (int c = 1; c <= 5; ++c) schreiber.Feld(c) = titel[c - 1];
    for (int k = 1; k <= 12; ++k) schreiber.Feld(5 + k) = QStringLiteral("Fach %1").arg(k);
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 1);
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 17);

    // Row 2: an apprentice with three grades and no id.
    schreiber.Reset();
    schreiber.sName = "Müller";
    schreiber.sVorname = "Anna";
    schreiber.sGebDatum = "05.03.2005";
    schreiber.sBerufBez = "Koch";
    schreiber.sBSFach1 = "2,3";
    schreiber.sBSFach2 = "1,8";
    schreiber.sBSFach3 = "gut";
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 17);

    // Row 3: the empty spare line closing the group.
    schreiber.Reset();
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI2));

    // Row 4: the blank separator; a blank counts as content for the widest column.
    schreiber.AllesLeerzeichen();
    EXPECT_EQ(schreiber.sBSFach20, " ");
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
    EXPECT_EQ(schreiber.iMaxSpalteBisher(), 25);

    // Row 5: a title line; row 6: a type the writer does not know, written without a look.
    schreiber.Reset();
    schreiber.sAzubi_ID = "4711";
    schreiber.sBerufBez = "Beruf";
    schreiber.sBSFach1 = "Titel";
    EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF1));
    schreiber.Reset();
    schreiber.sName = "Typ sieben";
    EXPECT_TRUE(schreiber.WriteLine(7));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 6);

    schreiber.CloseFile();
    schreiber.CloseFile();  // the second does nothing
    EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    EXPECT_EQ(schreiber.lZeileGeschrieben(), 6);
    EXPECT_TRUE(meldungen.meldungen.empty());
    ASSERT_TRUE(QFile::exists(sDatei));

    const QJsonObject datei = gAusgabeLesen(sDatei, "1,2,3,4,5,6,7,106,107");
    EXPECT_EQ(datei["blaetter"].toArray(), QJsonArray{"VELMORA"});
    EXPECT_TRUE(datei["schutz"].toBool());
    EXPECT_TRUE(datei["passwort"].isNull());
    EXPECT_FALSE(datei["objekte"].toBool());
    EXPECT_FALSE(datei["szenarien"].toBool());

    for (int c = 1; c <= 25; ++c) {
        // header
        Soll s = kopfStil(c, false);
        if (c <= 5) s = text(titel[c - 1], s);
        if (c >= 6 && c <= 17) s = text(QStringLiteral("Fach %1").arg(c - 5), s);
        pruefe(datei, 1, c, s);
        // apprentice
        s = azubiStil(c, false);
        const QStringList texte{"", "Müller", "Anna", "05.03.2005", "Koch"};
        if (c >= 2 && c <= 5) s = text(texte[c - 1], s);
        if (c == 6 || c == 7) {
            s.wert = c == 6 ? 2.3 : 1.8;  // regional numbers become numbers
            s.typ = "float";
        }
        if (c == 8) s = text("gut", s);
        pruefe(datei, 2, c, s);
        // spare line, blank separator
        pruefe(datei, 3, c, azubiStil(c, true));
        pruefe(datei, 4, c, text(" "));
        // title line
        s = kopfStil(c, true);
        if (c == 1) {
            s.wert = 4711;
            s.typ = "int";
        }
        if (c == 5) s = text("Beruf", s);
        if (c == 6) s = text("Titel", s);
        pruefe(datei, 5, c, s);
        // unknown type
        pruefe(datei, 6, c, c == 2 ? text("Typ sieben") : Soll{});
        // 100 spare rows below the last line are editable, the row after them is not
        Soll frei;
        frei.gesperrt = false;
        pruefe(datei, 7, c, frei);
        pruefe(datei, 106, c, frei);
        pruefe(datei, 107, c, Soll{});
    }
    pruefe(datei, 7, 26, Soll{});

    // Columns 6 to 25 share the width of the widest of them.
    const QJsonObject breiten = datei["breiten"].toObject();
    const double dFach = breiten["6"].toDouble();
    EXPECT_GT(dFach, breiten["25"].toDouble() - 1e-9);
    for (int c = 6; c <= 25; ++c) EXPECT_EQ(breiten[QString::number(c)].toDouble(), dFach) << c;
}

TEST(CXLSwriteOLE, SpareRowsBelowLine57AndOneWidthForTheSubjects) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("lang.xlsx");
    {
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sDatei));
        schreiber.Reset();
        schreiber.sName = "Name";
        schreiber.sBSFach2 = "Wirtschafts- und Sozialkunde";
        schreiber.sBSFach3 = "Mathe";
        schreiber.sBSFach4 = "Sport";
        ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
        for (int i = 2; i <= 57; ++i) {
            schreiber.Reset();
            schreiber.sAzubi_ID = QString::number(i);
            schreiber.sName = QStringLiteral("Azubi %1").arg(i);
            schreiber.sBSFach2 = "2,0";
            schreiber.sBSFach4 = "1,0";
            ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
        }
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 57);
        EXPECT_EQ(schreiber.iMaxSpalteBisher(), 9);
        schreiber.CloseFile();
    }
    const QJsonObject datei = gAusgabeLesen(sDatei, "57,58,157,158");
    for (int c = 1; c <= 25; ++c) {
        Soll s = azubiStil(c, false);
        if (c == 1) {
            s.wert = 57;
            s.typ = "int";
        }
        if (c == 2) s = text("Azubi 57", s);
        if (c == 7 || c == 9) {
            s.wert = c == 7 ? 2.0 : 1.0;
            s.typ = "int";  // "2,0" is stored as the number 2
        }
        pruefe(datei, 57, c, s);
        Soll frei;
        frei.gesperrt = false;
        pruefe(datei, 58, c, frei);
        pruefe(datei, 157, c, frei);
        pruefe(datei, 158, c, Soll{});
    }
    pruefe(datei, 58, 26, Soll{});

    // Columns 6 to 9 take the width of the long subject name; column 10 keeps its own.
    const QJsonObject breiten = datei["breiten"].toObject();
    const double dBreit = breiten["7"].toDouble();
    for (int c = 6; c <= 9; ++c) EXPECT_EQ(breiten[QString::number(c)].toDouble(), dBreit) << c;
    EXPECT_GT(dBreit, 20.0);
    EXPECT_LT(breiten["10"].toDouble(), 12.0);
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSwriteOLE, FailedSaveRaisesAndLeavesNoFile) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir("ziel.xlsx");
    const QString ziele[] = {ordner.filePath("fehlt/ausgabe.xlsx"), ordner.filePath("ziel.xlsx")};
    for (const QString& sZiel : ziele) {
        SCOPED_TRACE(sZiel.toStdString());
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sZiel));
        schreiber.sName = "x";
        ASSERT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
        EXPECT_THROW(schreiber.CloseFile(), VbFehler);
        // Still open: the run's caller reports, the end of the object discards the workbook.
        EXPECT_TRUE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_AZUBI));
    }
    EXPECT_FALSE(QFile::exists(ziele[0]));
    EXPECT_FALSE(QDir(ordner.filePath("fehlt")).exists());
    EXPECT_TRUE(QFileInfo(ziele[1]).isDir());
    EXPECT_TRUE(QDir(ziele[1]).isEmpty());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"ziel.xlsx"});
    EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST(CXLSwriteOLE, TrappedFailuresAndTheUnsavedEnd) {
    MeldungsRecorder meldungen;
    MeldungsBoxTausch tausch(meldungen);
    QTemporaryDir ordner;
    const QString sDatei = ordner.filePath("nie.xlsx");
    {
        // Without Init there is no application: one report, and lines are refused silently.
        CXLSwriteOLE schreiber;
        EXPECT_FALSE(schreiber.OpenFile(sDatei));
        ASSERT_EQ(meldungen.meldungen.size(), 1u);
        EXPECT_EQ(meldungen.meldungen[0].sTitel, "Fehler VB00091");
        EXPECT_TRUE(meldungen.meldungen[0].sText.endsWith("\r\n\r\nFunktion: OpenFile/CXlsWrite"))
            << meldungen.meldungen[0].sText.toStdString();
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_KOPF2));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 0);
        schreiber.CloseFile();
        EXPECT_EQ(meldungen.meldungen.size(), 1u);
        EXPECT_THROW(schreiber.Feld(0), VbFehler);
        EXPECT_THROW(schreiber.Feld(26), VbFehler);
    }
    {
        // A line below the last row of the sheet fails, is reported, and still uses up its row.
        CXLSwriteOLE schreiber;
        ASSERT_TRUE(schreiber.Init());
        ASSERT_TRUE(schreiber.OpenFile(sDatei));
        schreiber.Reset();
        for (int32_t i = 1; i <= 1048576; ++i) schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER);
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048576);
        EXPECT_TRUE(meldungen.meldungen.size() == 1u);
        schreiber.sName = "zu tief";
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048577);
        ASSERT_EQ(meldungen.meldungen.size(), 2u);
        EXPECT_EQ(meldungen.meldungen[1].sTitel, "Fehler VB01004");
        EXPECT_TRUE(meldungen.meldungen[1].sText.endsWith("Funktion: WriteLine/CXlsWrite"));
        EXPECT_FALSE(schreiber.WriteLine(CXLSwriteOLE::ZEILE_LEER));
        EXPECT_EQ(schreiber.lZeileGeschrieben(), 1048578);
        // Released without CloseFile: the workbook is dropped, nothing is saved.
    }
    EXPECT_FALSE(QFile::exists(sDatei));
    EXPECT_EQ(meldungen.meldungen.size(), 3u);
}
