#include "app/stocklookup.h"

#include "app/mainstate.h"
#include "app/prompter.h"
#include "app/stepsequence.h"
#include "quotes/quoterow.h"

namespace app {

namespace {

// Clears the flag when the lookup ends, whichever way it ends.
class BusyFlag final {
public:
    explicit BusyFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BusyFlag() { m_flag = false; }
    Q_DISABLE_COPY_MOVE(BusyFlag)

private:
    bool& m_flag;
};

} // namespace

std::optional<QString> codeRefusal(const QString& text)
{
    if (text.size() != 6)
        return QStringLiteral("必须输入六位股票代码!");
    const QChar first = text.front();
    if (first != u'6' && first != u'3' && first != u'0')
        return QStringLiteral("必须输入沪深股票及创业板代码");
    return std::nullopt;
}

QString unknownStockMessage()
{
    return QStringLiteral("您输入的股票不存在,请重新输入！");
}

QString lookupNetworkErrorMessage()
{
    return QStringLiteral("网络错误,请稍后再试。");
}

QString stockPageAddress(const QString& serviceBase, const QString& code)
{
    return serviceBase + QStringLiteral("/gpgetstock.asp?name=") + code;
}

QString yzgp(net::HttpClient& client, const QString& quoteSite, const QString& code,
             MainState& state, Prompter& prompter)
{
    const quotes::QuoteRow row = quotes::loadQuoteRow(
        client, quoteSite, code, [&] { prompter.error(lookupNetworkErrorMessage()); });
    // An unknown code leaves the current stock's name alone: a refused lookup changes nothing.
    const QString name = row.field(3);
    if (!name.isEmpty())
        state.currentName = name;
    return name;
}

StockLookup::StockLookup(net::HttpClient& client, const QString& quoteSite, MainState& state,
                         Prompter& prompter, LookupActions actions)
    : m_client(client), m_quoteSite(quoteSite), m_state(state), m_prompter(prompter),
      m_actions(std::move(actions))
{
}

bool StockLookup::validate(const QString& code)
{
    std::optional<QString> refusal = codeRefusal(code);
    if (!refusal && yzgp(m_client, m_quoteSite, code, m_state, m_prompter).isEmpty())
        refusal = unknownStockMessage();
    if (!refusal)
        return true;
    m_prompter.error(*refusal);
    if (m_actions.focusCodeBox)
        m_actions.focusCodeBox();
    return false;
}

bool StockLookup::run(const QString& code)
{
    if (m_busy)
        return false;
    const BusyFlag busy(m_busy);
    if (!validate(code))
        return false;
    m_state.currentCode = code;
    if (m_actions.actions)
        m_actions.actions->runNested();
    return true;
}

} // namespace app
