// The main of every test program: a QApplication on the offscreen platform (unless a display
// is there), a private runtime folder, and GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "basis/Sprachumgebung.h"

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);  // 0: a platform chosen outside stays
    }
    QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/rastfang-test-XXXXXX"));
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 0);
    QApplication app(argc, argv);
    rastfang::gbSprachumgebungEinrichten(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
