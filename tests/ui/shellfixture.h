#pragma once

#include "app/clock.h"
#include "app/lifecycle.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "net/browseropener.h"

#include <QStringList>

#include <functional>

namespace uitest {

// Records the boxes that would have been shown; questions are answered with answer.
class RecordingPrompter final : public app::Prompter {
public:
    void error(const QString& text) override { errors << text; }
    void inform(const QString& text) override { informs << text; }
    bool ask(const QString& text) override
    {
        questions << text;
        return answer;
    }

    QStringList errors;
    QStringList informs;
    QStringList questions;
    bool answer = true;
};

class RecordingOpener final : public net::BrowserOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

// The shared objects a window set is made with: a frozen clock, recording boxes, a service
// address that refuses connections at once.
struct ShellObjects {
    ShellObjects()
    {
        sites.serviceBase = QStringLiteral("http://127.0.0.1:9");
        clock.freezeAt(QDateTime(QDate(2026, 1, 5), QTime(10, 0, 0)));
    }

    app::Sites sites = app::Sites::defaults();
    app::Clock clock;
    RecordingPrompter prompter;
    RecordingOpener opener;
    app::Lifecycle lifecycle;
    bool trayAvailable = false;
    std::function<bool()> trayProbe = [this] { return trayAvailable; };
};

// Processes events until done() holds or the patience runs out; returns done().
bool processEventsUntil(const std::function<bool()>& done, int patienceMsecs = 10000);

} // namespace uitest
