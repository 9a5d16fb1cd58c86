#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace net {
class HttpClient;
}

namespace app {

class Prompter;
struct MainState;

// Why the code box text cannot be looked up: "必须输入六位股票代码!" or "必须输入沪深股票及创业板代码";
// nothing for a six-character text beginning with 6, 3 or 0.
std::optional<QString> codeRefusal(const QString& text);
QString unknownStockMessage();
QString lookupNetworkErrorMessage();

// Asks the quote feed for the code and returns field 3, the name, also stored as currentName;
// empty when fewer than three fields arrive (an unknown code). On failure: the network error
// box, then a silent abort.
QString yzgp(net::HttpClient& client, const QString& quoteSite, const QString& code,
             MainState& state, Prompter& prompter);

class StepSequence;

// What a lookup does to the rest of the main window.
struct LookupActions {
    // After a refused code.
    std::function<void()> focusCodeBox;
    // Once the code became the current stock: the lookup's table (maintables.h), which stops the
    // flow monitor, resets what belonged to the previous stock, shows the stock page, loads the
    // dashboard and starts the flow monitor again. None: the check alone (lantuo-cli).
    const StepSequence* actions = nullptr;
};

QString stockPageAddress(const QString& serviceBase, const QString& code);

// The picture button beside the code box. A click while a lookup runs is ignored (a blocking
// request lets clicks through). A failure inside travels on to the caller's guard; the busy
// flag is cleared on every way out.
//
// The code is the code box text at the click. It is checked, and the same text becomes
// currentCode, which every later step reads (the stock file among them): what the box holds
// after the waits is not read.
class StockLookup final {
public:
    StockLookup(net::HttpClient& client, const QString& quoteSite, MainState& state,
                Prompter& prompter, LookupActions actions);

    // Image17Click. Returns false when the click was ignored or the code refused.
    bool run(const QString& code);
    bool busy() const { return m_busy; }

private:
    bool validate(const QString& code);

    net::HttpClient& m_client;
    QString m_quoteSite;
    MainState& m_state;
    Prompter& m_prompter;
    LookupActions m_actions;
    bool m_busy = false;
};

} // namespace app
