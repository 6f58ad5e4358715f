// Removing the old output: into the trash where the user's data folder exists, else deleted.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "AlteAusgabe.h"
#include "VbFehler.h"

namespace {

// Points the user's data folder somewhere else for the lifetime of the guard.
class DatenordnerTausch {
  public:
    explicit DatenordnerTausch(const QString& sOrdner) {
        const char* alt = std::getenv("XDG_DATA_HOME");
        if (alt) m_alt = QString::fromLocal8Bit(alt);
        m_bGesetzt = alt != nullptr;
        setenv("XDG_DATA_HOME", sOrdner.toLocal8Bit().constData(), 1);
    }
    ~DatenordnerTausch() {
        if (m_bGesetzt) {
            setenv("XDG_DATA_HOME", m_alt.toLocal8Bit().constData(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
    }

  private:
    QString m_alt;
    bool m_bGesetzt = false;
};

void schreibeDatei(const QString& sPfad, const QByteArray& inhalt) {
    QFile f(sPfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

}  // namespace

TEST(AlteAusgabe, PapierkorbOderLoeschen) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString sDaten = tmp.filePath(QStringLiteral("daten"));
    ASSERT_TRUE(QDir().mkpath(sDaten));
    {
        const DatenordnerTausch tausch(sDaten);
        EXPECT_TRUE(rastfang::gbPapierkorbVorhanden());
        const QString sDatei = tmp.filePath(QStringLiteral("alt.xlsx"));
        schreibeDatei(sDatei, "alter Inhalt");
        rastfang::gAlteAusgabeEntfernen(sDatei);
        EXPECT_FALSE(QFile::exists(sDatei));
        // A mistaken "Ja" loses nothing: the file waits in the trash.
        QFile imKorb(sDaten + QStringLiteral("/Trash/files/alt.xlsx"));
        ASSERT_TRUE(imKorb.open(QIODevice::ReadOnly));
        EXPECT_EQ(imKorb.readAll(), QByteArray("alter Inhalt"));
    }
    {
        // No data folder: deleted, and no "files" folder appears in the current directory.
        const DatenordnerTausch tausch(tmp.filePath(QStringLiteral("gibt-es-nicht")));
        EXPECT_FALSE(rastfang::gbPapierkorbVorhanden());
        const QString sAlt = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(tmp.path()));
        const QString sDatei = tmp.filePath(QStringLiteral("weg.xlsx"));
        schreibeDatei(sDatei, "x");
        rastfang::gAlteAusgabeEntfernen(sDatei);
        EXPECT_FALSE(QFile::exists(sDatei));
        EXPECT_FALSE(QDir(tmp.filePath(QStringLiteral("files"))).exists());
        EXPECT_FALSE(QDir(tmp.filePath(QStringLiteral("gibt-es-nicht"))).exists());
        QDir::setCurrent(sAlt);
    }
}

TEST(AlteAusgabe, FehlschlagIstEinFehler) {
    QTemporaryDir tmp;
    const DatenordnerTausch tausch(tmp.filePath(QStringLiteral("kein-korb")));
    // A file that is not there cannot be removed either: a path/file access error.
    try {
        rastfang::gAlteAusgabeEntfernen(tmp.filePath(QStringLiteral("fehlt.xlsx")));
        ADD_FAILURE() << "no error raised";
    } catch (const rastfang::VbFehler& e) {
        EXPECT_EQ(e.Number(), rastfang::FEHLER_PFAD_ZUGRIFF);
    }
    // A non-empty folder in its place is not removed.
    const QString sOrdner = tmp.filePath(QStringLiteral("ordner.xlsx"));
    ASSERT_TRUE(QDir().mkpath(sOrdner + QStringLiteral("/drin")));
    EXPECT_THROW(rastfang::gAlteAusgabeEntfernen(sOrdner), rastfang::VbFehler);
    EXPECT_TRUE(QDir(sOrdner).exists());
}
