#include "ui/guiprocess.h"

#include <QApplication>

#include <unistd.h>

namespace ui {

namespace {

void allowBrowserAsRoot()
{
    if (geteuid() != 0)
        return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox"))
        return;
    flags = flags.isEmpty() ? QByteArrayLiteral("--no-sandbox") : flags + " --no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

} // namespace

void prepareGuiProcess()
{
    allowBrowserAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void configureGuiApplication(const QString& applicationName)
{
    QApplication::setApplicationName(applicationName);
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace ui
