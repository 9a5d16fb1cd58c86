#pragma once

#include "app/stocklookup.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

namespace app {
class Prompter;
class ResourceGates;
class StepSequence;
struct ChannelLists;
struct MainState;
struct MainTables;
} // namespace app

namespace net {
class HttpClient;
}

namespace store {
class StateFiles;
}

namespace ui::main {

// The stock on the main window: the remembered stock read at the first show and looked up in
// the quote feed, the stock file written by every dashboard load, and the lookup the picture
// button starts. What the other regions show of it goes out as signals.
class StockCore final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StockCore)

public:
    StockCore(const store::StateFiles& files, app::MainState& state, app::ChannelLists& channels,
              net::HttpClient& client, const QString& quoteSite, app::Prompter& prompter,
              app::ResourceGates& gates, QObject* parent = nullptr);

    void bindSteps(app::MainTables& tables);

    bool lookupBusy() const { return m_lookup->busy(); }

public slots:
    // Image17Click: a click while a lookup runs is ignored. Otherwise the lookup runs once every
    // resource it and the dashboard load use is free: a click that comes while a quote tick or
    // an alert fetch waits for its reply runs as soon as that reply is in, so its load never
    // finds a resource busy.
    void lookupClicked(const QString& code);

signals:
    // The state files were read: the stock to show in the code box, and its page when the
    // stock file named one.
    void codeRemembered(const QString& code);
    void stockPageRemembered(const QString& address);
    void favouritesRead(const QStringList& names);
    // A refused code: the code box takes the focus back.
    void codeRefused();

private:
    void getbase();

    const store::StateFiles& m_files;
    app::MainState& m_state;
    app::ChannelLists& m_channels;
    net::HttpClient& m_client;
    QString m_quoteSite;
    app::Prompter& m_prompter;
    app::ResourceGates& m_gates;
    std::vector<const app::StepSequence*> m_lookupTables;
    std::unique_ptr<app::StockLookup> m_lookup;
};

} // namespace ui::main
