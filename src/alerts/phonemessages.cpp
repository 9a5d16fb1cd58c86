#include "alerts/phonemessages.h"

#include "quotes/alertquotetable.h"
#include "quotes/direction.h"
#include "quotes/quoterow.h"

namespace alerts {

namespace {

QString mark()
{
    return QStringLiteral("【岚拓股票】");
}

// A message is one line of plain text of bounded length, whatever a quote feed put into a name.
constexpr int kMaxMessageChars = 500;

PhoneMessage plain(PhoneMessage message)
{
    for (QChar& c : message.text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            c = u' ';
    }
    if (message.text.size() > kMaxMessageChars)
        message.text.truncate(kMaxMessageChars);
    return message;
}

// What the engine's popups begin with for the stock of a table row.
QString popupPrefix(const quotes::AlertQuoteTable& table, int row)
{
    return QStringLiteral("注意:") + table.field(row, 3) + u'(' + table.field(row, 2) + u')';
}

// The row of the table a popup speaks of, searched from `from` on (events come in row order),
// then from the start; -1 when none.
int rowOfPopup(const AlertPopup& popup, const quotes::AlertQuoteTable& table, int from)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = pass == 0 ? from : 0; row < table.rowCount(); ++row) {
            if (popup.firstLine.startsWith(popupPrefix(table, row)))
                return row;
        }
    }
    return -1;
}

} // namespace

QString inviteKind()
{
    return QStringLiteral("invite");
}

QString broadcastKind()
{
    return QStringLiteral("broadcast");
}

QString reportKind()
{
    return QStringLiteral("report");
}

PhoneMessage invitationMessage(const QString& phone)
{
    return plain({QString(), inviteKind(),
                  mark() + QStringLiteral("您的手机号码") + phone
                      + QStringLiteral("已登记。在岚拓股票中打开“远程发”，自选股的股价提示就会发到这个号码。")});
}

PhoneMessage popupMessage(const AlertPopup& popup, const QString& code)
{
    return plain({code, popupKindName(popup.kind), mark() + popup.firstLine + QStringLiteral("，") + popup.secondLine});
}

PhoneMessage broadcastMessage(const Broadcast& broadcast, const BroadcastRow& row, const QString& code)
{
    return plain({code, broadcastKind(),
                  mark() + broadcast.title + QStringLiteral("：") + row.nameAndCode + u' ' + broadcast.priceCaption
                      + u':' + row.price + QStringLiteral(" 涨跌幅:") + row.change + QStringLiteral(" 成交量:")
                      + row.volume + QStringLiteral("手")});
}

PhoneMessage reportMessage(const quotes::QuoteRow& row, int minutes, const QDateTime& now)
{
    const bool up = quotes::directionOf(row.field(6)) == quotes::Direction::Up;
    const QString change = row.field(5);
    return plain({row.field(2), reportKind(),
            mark() + row.field(3) + u'(' + row.field(2) + u')' + u' '
                + now.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" 最新价:") + row.field(4)
                + (up ? QStringLiteral(" 涨:") : QStringLiteral(" 跌:")) + row.field(6)
                + QStringLiteral("元 幅度:") + change + (up ? u'↑' : u'↓') + QStringLiteral(" 成交量:")
                + row.field(11) + QStringLiteral("手（每%1分钟报价）").arg(minutes)});
}

std::vector<PhoneMessage> messagesOfTick(const std::vector<AlertEvent>& events,
                                         const quotes::AlertQuoteTable& table)
{
    std::vector<PhoneMessage> messages;
    int row = 0;
    for (const AlertEvent& event : events) {
        if (const auto* broadcast = std::get_if<Broadcast>(&event)) {
            for (const BroadcastRow& line : broadcast->rows) {
                const int tableRow = line.number - 1;
                const QString code = tableRow >= 0 && tableRow < table.rowCount() ? table.field(tableRow, 2) : QString();
                messages.push_back(broadcastMessage(*broadcast, line, code));
            }
            continue;
        }
        const AlertPopup& popup = std::get<AlertPopup>(event);
        const int found = rowOfPopup(popup, table, row);
        if (found >= 0)
            row = found;
        messages.push_back(popupMessage(popup, found >= 0 ? table.field(found, 2) : QString()));
    }
    return messages;
}

} // namespace alerts
