// A stock change with every loader of the big-order analytics, and the memory the hidden chart
// pages cost, in the main window against lantuo-server --market on loopback at a frozen trading
// moment (the client's clock frozen too):
//   click→charts   the click on the picture button to the last chart drawn: the holdings lines
//                  (in the dashboard load), the half-hour and five-day charts and the pie's lists
//                  (from the three hidden pages), 20 lookups;
//   stall          the worst lateness of a 1 ms precise timer meanwhile: the longest time the GUI
//                  thread did not get back to its event loop;
//   memory         the proportional set size summed over this process and every browser helper
//                  process, once the windows are up and again after 300 reloads of the two
//                  intraday pages (Timer2's minute step, run back to back).
#include "guibench.h"

#include "ui/guiprocess.h"
#include "ui/main/toolbarstrip.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <cstdio>

namespace {

constexpr int lookups = 20;
constexpr int reloads = 300;
const char* const marketTime = "2026-12-10 10:30:00";

double mib(qint64 kib)
{
    return double(kib) / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::prepareGuiProcess();
    QApplication application(argc, argv);
    ui::configureGuiApplication(QStringLiteral("lantuo-bench"));

    bench::ClientAgainstServer client(marketTime);
    if (!client.ready())
        return 1;
    ui::TForm1& window = client.mainWindow();
    for (app::MainTimer id : {app::MainTimer::Timer1, app::MainTimer::Timer2, app::MainTimer::Timer4,
                              app::MainTimer::Timer5, app::MainTimer::Timer7, app::MainTimer::Timer9})
        window.timers().stop(id);
    if (!bench::settleUntil([&window] { return !window.bigOrderPagesLoading(); })) {
        std::fprintf(stderr, "the first show's chart pages did not load\n");
        return 1;
    }
    bench::settle(2000);
    const bench::Memory atStart = bench::memoryOfThisProcessTree();

    bench::StallMeter stalls;
    std::vector<double> chartMsecs;
    std::vector<double> stallMsecs;
    const QStringList codes = {QStringLiteral("600036"), QStringLiteral("000001")};
    for (int i = 0; i < lookups; ++i) {
        const QString code = codes[i % 2];
        window.toolBar().codeBox().setText(code);
        bench::settle(20);
        stalls.reset();
        QElapsedTimer elapsed;
        elapsed.start();
        window.toolBar().lookupButton().click();
        const bool loaded = window.state().currentCode == code
                            && bench::settleUntil([&window] { return !window.bigOrderPagesLoading(); });
        const double charts = double(elapsed.nsecsElapsed()) / 1e6;
        const double stall = stalls.worstMsecs();
        if (!loaded || window.bigOrders().dailyBuy.isEmpty()) {
            std::fprintf(stderr, "lookup %d of %s did not draw its charts\n", i, qPrintable(code));
            return 1;
        }
        chartMsecs.push_back(charts);
        stallMsecs.push_back(stall);
        std::printf("lookup %2d %s  click→charts %7.2f ms  stall %6.2f ms\n", i + 1, qPrintable(code),
                    charts, stall);
    }

    for (int i = 0; i < reloads; ++i) {
        window.timers().fire(app::MainTimer::Timer2);
        if (!bench::settleUntil([&window] { return !window.bigOrderPagesLoading(); })) {
            std::fprintf(stderr, "reload %d did not complete\n", i);
            return 1;
        }
    }
    bench::settle(2000);
    const bench::Memory afterReloads = bench::memoryOfThisProcessTree();

    std::printf("\n%d lookups against %s\n", lookups, qPrintable(client.serverBase()));
    std::printf("click→last chart   median %7.2f ms  max %7.2f ms\n", bench::median(chartMsecs),
                *std::max_element(chartMsecs.begin(), chartMsecs.end()));
    std::printf("GUI thread stall   median %7.2f ms  max %7.2f ms\n", bench::median(stallMsecs),
                *std::max_element(stallMsecs.begin(), stallMsecs.end()));
    std::printf("PSS, %d processes  at start %7.1f MiB  after %d reloads %7.1f MiB  growth %+6.1f MiB\n",
                atStart.processes, mib(atStart.pssKib), reloads, mib(afterReloads.pssKib),
                mib(afterReloads.pssKib - atStart.pssKib));
    return 0;
}
