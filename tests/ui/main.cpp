// Test entry for the windows: a QApplication on the offscreen platform, with the embedded
// browser allowed to run as root and standard paths moved to the test locations.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0 && !qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lantuo-tests"));
    QApplication::setQuitOnLastWindowClosed(false);
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
