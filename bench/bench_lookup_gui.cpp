// A stock lookup in the main window against lantuo-server on loopback, through the client's own
// code path: the click on the picture button (stock check, dashboard load), then the quote tick
// that follows it (quote panel and, every third tick, the indices). Measured per lookup:
//   click→panel  time from the click to the last quote-panel label written;
//   stall        the worst lateness of a 1 ms precise timer meanwhile, i.e. the longest time the
//                GUI thread did not get back to its event loop.
// The server's market is frozen on a weekday at 10:00, inside trading hours, and so is the
// client's clock.
#include "guibench.h"

#include "ui/guiprocess.h"
#include "ui/main/toolbarstrip.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
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

    bench::ClientAgainstServer client(marketTime);
    ui::TForm1& window = client.mainWindow();
    // The bench ticks the quote timer itself, right after each click.
    window.timers().stop(app::MainTimer::Timer1);
    settle(500);
    if (!client.ready())
        return 1;

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

    std::printf("\n%d lookups against %s\n", lookups, qPrintable(client.serverBase()));
    std::printf("click→last quote label  median %7.2f ms  max %7.2f ms\n", median(panelMsecs),
                *std::max_element(panelMsecs.begin(), panelMsecs.end()));
    std::printf("GUI thread stall        median %7.2f ms  max %7.2f ms\n", median(stallMsecs),
                *std::max_element(stallMsecs.begin(), stallMsecs.end()));

    return 0;
}
