// A terminating signal removes the temporary file of a save in progress; with a wake-up pipe it
// tells the event loop, without one it gives a set-aside old output its name back and ends.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "TestHilfen.h"
#include "basis/Abbruchschutz.h"

using namespace rastfang;

TEST(Abbruchschutz, ASignalCleansUpTheSaveInProgress) {
    QTemporaryDir tmp;
    const QString sTemp = tmp.filePath(".~rfTabc123");
    test::gSchreibe(sTemp, "");

    int pipe[2];
    ASSERT_EQ(::pipe2(pipe, O_CLOEXEC | O_NONBLOCK), 0);
    gAbbruchSignaleEinrichten(pipe[1]);
    gTempDateiAnmelden(QFile::encodeName(sTemp));
    EXPECT_FALSE(gbAbbruchSignalErhalten());
    ::raise(SIGHUP);
    gTempDateiAnmelden({});
    gAbbruchSignaleZuruecksetzen();
    EXPECT_TRUE(gbAbbruchSignalErhalten());
    EXPECT_FALSE(QFile::exists(sTemp));
    char c = 0;
    EXPECT_EQ(::read(pipe[0], &c, 1), 1);
    EXPECT_EQ(c, SIGHUP);
    ::close(pipe[0]);
    ::close(pipe[1]);

    // Without a pipe (the command line): the old output is back, its hidden folder gone, and
    // the process ends by the signal. A file that took the name meanwhile is not replaced.
    for (const bool bNameBelegt : {false, true}) {
        const QString sAus = tmp.filePath("aus.xlsx");
        const QString sOrdner = tmp.filePath(".~rfAxyz");
        test::gSchreibe(sOrdner + "/aus.xlsx", "alt");
        QFile::remove(sAus);
        if (bNameBelegt) test::gSchreibe(sAus, "");
        const pid_t kind = ::fork();
        if (kind == 0) {
            gBeiseiteAnmelden(sOrdner + "/aus.xlsx", sAus);
            gAbbruchSignaleEinrichten(-1);
            ::raise(SIGTERM);
            ::_exit(0);
        }
        int iStatus = 0;
        ASSERT_EQ(::waitpid(kind, &iStatus, 0), kind);
        EXPECT_TRUE(WIFSIGNALED(iStatus) && WTERMSIG(iStatus) == SIGTERM);
        EXPECT_EQ(QFileInfo(sAus).size(), bNameBelegt ? 0 : 3);
        EXPECT_EQ(QFileInfo::exists(sOrdner), bNameBelegt);
        QDir(sOrdner).removeRecursively();
    }
}
