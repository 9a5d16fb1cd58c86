// A stock lookup in the main window against lantuo-server on loopback, through the client's own
// code path: the click on the picture button (stock check, dashboard load), then the quote tick
// that follows it (quote panel and, every third tick, the indices). Measured per lookup:
//   click→panel  time from the click to the last quote-panel label written;
//   stall        the worst lateness of a 1 ms precise timer meanwhile, i.e. the longest time the
//                GUI thread did not get back to its event loop.
// The server's market is frozen on a weekday at 10:00, inside trading hours, and so is the
// client's clock.
#include "guibench.h"

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "net/browseropener.h"
#include "ui/guiprocess.h"
#include "ui/main/toolbarstrip.h"
#include "ui/windowset.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>

namespace {

using bench::median;
using bench::settle;

constexpr int lookups = 20;
const char* const marketTime = "2026-12-10 10:00:00";

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::prepareGuiProcess();
    QApplication application(argc, argv);
    ui::configureGuiApplication(QStringLiteral("lantuo-bench"));

    QTemporaryDir work;
    bench::Server server;
    if (!work.isValid() || !bench::startServer(server, work.filePath(QStringLiteral("server")), marketTime))
        return 1;

    const QString ini = work.filePath(QStringLiteral("sites.ini"));
    {
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("[sites]\nall=" + server.base.toUtf8() + "\n");
    }
    const app::Sites sites = app::Sites::fromFile(ini);
    app::Clock clock;
    clock.freezeAt(QDateTime::fromString(QString::fromLatin1(marketTime), QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    bench::SilentPrompter prompter;
    bench::NoBrowser browser;
    app::Lifecycle lifecycle;
    QDir().mkpath(work.filePath(QStringLiteral("data")));
    ui::WindowSet windows({sites, clock, prompter, browser, lifecycle, [] { return false; },
                           work.filePath(QStringLiteral("data"))});
    ui::TForm1& window = windows.mainWindow;
    // The bench ticks the quote timer itself, right after each click.
    window.timers().stop(app::MainTimer::Timer1);
    settle(500);
    if (!prompter.shown.isEmpty() || lifecycle.exitRequested()) {
        std::fprintf(stderr, "start-up did not run through: %s\n",
                     qPrintable(prompter.shown.join(QLatin1Char('|'))));
        return 1;
    }

    auto* price = window.findChild<QLabel*>(QStringLiteral("Label2"));
    bench::StallMeter stalls;
    std::vector<double> panelMsecs;
    std::vector<double> stallMsecs;
    const QStringList codes = {QStringLiteral("600036"), QStringLiteral("000001")};
    for (int i = 0; i < lookups; ++i) {
        const QString code = codes[i % 2];
        window.toolBar().codeBox().setText(code);
        price->setText(QStringLiteral("0"));
        settle(20);
        // The hidden chart pages of the last lookup first finish loading: a lookup waits for them.
        bench::settleUntil([&window] { return !window.bigOrderPagesLoading(); });

        stalls.reset();
        QElapsedTimer elapsed;
        elapsed.start();
        window.toolBar().lookupButton().click();
        window.timers().fire(app::MainTimer::Timer1);
        const double panel = double(elapsed.nsecsElapsed()) / 1e6;
        const double stall = stalls.worstMsecs();

        if (window.state().currentCode != code || price->text() == QStringLiteral("0")) {
            std::fprintf(stderr, "lookup %d of %s did not fill the panel\n", i, qPrintable(code));
            return 1;
        }
        panelMsecs.push_back(panel);
        stallMsecs.push_back(stall);
        std::printf("lookup %2d %s  click→panel %7.2f ms  stall %6.2f ms\n", i + 1,
                    qPrintable(code), panel, stall);
        // The stock page keeps loading between lookups, as it does for a user.
        settle(150);
    }

    std::printf("\n%d lookups against %s\n", lookups, qPrintable(server.base));
    std::printf("click→last quote label  median %7.2f ms  max %7.2f ms\n", median(panelMsecs),
                *std::max_element(panelMsecs.begin(), panelMsecs.end()));
    std::printf("GUI thread stall        median %7.2f ms  max %7.2f ms\n", median(stallMsecs),
                *std::max_element(stallMsecs.begin(), stallMsecs.end()));

    return 0;
}
