// A stock lookup in the main window against lantuo-server on loopback, through the client's own
// code path: the click on the picture button (stock check, dashboard load), then the quote tick
// that follows it (quote panel and, every third tick, the indices). Measured per lookup:
//   click→panel  time from the click to the last quote-panel label written;
//   stall        the worst lateness of a 1 ms precise timer meanwhile, i.e. the longest time the
//                GUI thread did not get back to its event loop.
// The server's market is frozen on a weekday at 10:00, inside trading hours, and so is the
// client's clock.
#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "net/browseropener.h"
#include "ui/guiprocess.h"
#include "ui/main/toolbarstrip.h"
#include "ui/windowset.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <vector>


#ifndef LANTUO_SERVER_BIN
#define LANTUO_SERVER_BIN "lantuo-server"
#endif

namespace {

constexpr int lookups = 20;
const char* const marketTime = "2026-12-10 10:00:00";

class SilentPrompter final : public app::Prompter {
public:
    void error(const QString& text) override { shown << text; }
    void inform(const QString& text) override { shown << text; }
    bool ask(const QString& text) override
    {
        shown << text;
        return false;
    }
    QStringList shown;
};

class NoBrowser final : public net::BrowserOpener {
public:
    void open(const QString&) override {}
};

// Lateness of a 1 ms timer: how long the event loop was kept away beyond the interval.
class StallMeter final {
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worst = std::max(m_worst, now - m_last - 1'000'000);
            m_last = now;
        });
        m_clock.start();
        m_timer.start();
    }

    void reset()
    {
        m_last = m_clock.nsecsElapsed();
        m_worst = 0;
    }
    // Includes the time since the last tick, so a stall at the very end counts too.
    double worstMsecs() const
    {
        const qint64 tail = m_clock.nsecsElapsed() - m_last - 1'000'000;
        return double(std::max(m_worst, tail)) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

struct Server {
    QProcess process;
    QString base;
};

bool startServer(Server& server, const QString& dataDir)
{
    server.process.setProcessChannelMode(QProcess::MergedChannels);
    server.process.start(QStringLiteral(LANTUO_SERVER_BIN),
                         {QStringLiteral("--market"), QStringLiteral("--port"), QStringLiteral("0"),
                          QStringLiteral("--data"), dataDir, QStringLiteral("--at"),
                          QString::fromLatin1(marketTime), QStringLiteral("--frozen")});
    static const QRegularExpression listening(QStringLiteral("listening on (http://127\\.0\\.0\\.1:\\d+)"));
    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15000 && server.process.state() != QProcess::NotRunning) {
        server.process.waitForReadyRead(100);
        output += server.process.readAll();
        const auto match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            server.base = match.captured(1);
            return true;
        }
    }
    std::fprintf(stderr, "lantuo-server did not come up: %s\n", output.constData());
    return false;
}

void settle(int msecs)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < msecs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::prepareGuiProcess();
    QApplication application(argc, argv);
    ui::configureGuiApplication(QStringLiteral("lantuo-bench"));

    QTemporaryDir work;
    Server server;
    if (!work.isValid() || !startServer(server, work.filePath(QStringLiteral("server"))))
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
    SilentPrompter prompter;
    NoBrowser browser;
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
    StallMeter stalls;
    std::vector<double> panelMsecs;
    std::vector<double> stallMsecs;
    const QStringList codes = {QStringLiteral("600036"), QStringLiteral("000001")};
    for (int i = 0; i < lookups; ++i) {
        const QString code = codes[i % 2];
        window.toolBar().codeBox().setText(code);
        price->setText(QStringLiteral("0"));
        settle(20);

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

    server.process.terminate();
    server.process.waitForFinished(5000);
    return 0;
}
