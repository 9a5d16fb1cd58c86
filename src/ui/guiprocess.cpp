#include "ui/guiprocess.h"

#include <QApplication>

#include <unistd.h>

namespace ui {

namespace {

void addBrowserFlag(const QByteArray& flag)
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains(flag))
        return;
    flags = flags.isEmpty() ? flag : flags + ' ' + flag;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

void allowBrowserAsRoot()
{
    if (geteuid() == 0)
        addBrowserFlag(QByteArrayLiteral("--no-sandbox"));
}

} // namespace

void prepareGuiProcess()
{
    allowBrowserAsRoot();
    // The browsers and hidden pages of one site share one renderer process: several pages of
    // the same sites are open for the whole run, and each renderer costs tens of megabytes.
    addBrowserFlag(QByteArrayLiteral("--process-per-site"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void configureGuiApplication(const QString& applicationName)
{
    QApplication::setApplicationName(applicationName);
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace ui
