#pragma once

// The texts the service sends to a phone, one message per stock: each popup of the alert engine,
// each row of a broadcast (with the broadcast's title), each periodic report of the third wave,
// and the invitation a newly registered number receives. Short Chinese texts, like the text
// messages of the original service, each starting with the sender's mark "【岚拓股票】", one line
// of at most 500 characters (control characters a quote feed may put into a name become blanks).

#include "alerts/alertevents.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace quotes {
class AlertQuoteTable;
class QuoteRow;
}

namespace alerts {

// The kind of a message, as the outbox and the webhook name it: "invite", "broadcast",
// "report", and for the popups popupKindName: "limit", "riseFall", "bigTrade", "bigOrder".
QString inviteKind();
QString broadcastKind();
QString reportKind();

struct PhoneMessage {
    QString stock; // the six-digit code; empty for the invitation
    QString kind;
    QString text;
    bool operator==(const PhoneMessage&) const = default;
};

PhoneMessage invitationMessage(const QString& phone);
PhoneMessage popupMessage(const AlertPopup& popup, const QString& code);
PhoneMessage broadcastMessage(const Broadcast& broadcast, const BroadcastRow& row, const QString& code);
// The price report of a stock reported every `minutes`, from its quote row at `now`.
PhoneMessage reportMessage(const quotes::QuoteRow& row, int minutes, const QDateTime& now);

// The messages of one evaluated tick, in the order of its events: one per popup, one per row of
// a broadcast. The table is the tick's (its row k the k-th planned stock) and names the stock of
// each message: a broadcast row by its number, a popup by the "注意:name(code)" it begins with.
std::vector<PhoneMessage> messagesOfTick(const std::vector<AlertEvent>& events,
                                         const quotes::AlertQuoteTable& table);

} // namespace alerts
