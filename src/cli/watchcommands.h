#pragma once

#include <QJsonObject>
#include <QStringList>

namespace cli {

struct CommandContext;

// The settings database the client uses (its data folder), read and written through the same
// code as the client: the watch list, a stock added, removed or changed, the two switches.
QJsonObject watch(const QStringList& arguments, CommandContext& context);
QJsonObject switches(const QStringList& arguments, CommandContext& context);
// The alert engine headless: N ticks five seconds apart from the clock's moment, or on the real
// clock until interrupted, one JSON line per event as it is raised.
// The phone number registered with the service and kept as the number on record.
QJsonObject registerNumber(const QStringList& arguments, CommandContext& context);
// What the settings window's save does, with the database as it stands: the tables rewritten,
// the copy on the service and the switches; the requests sent, in order.
QJsonObject saveSettings(const QStringList& arguments, CommandContext& context);
QJsonObject alertTicks(const QStringList& arguments, CommandContext& context);

} // namespace cli
