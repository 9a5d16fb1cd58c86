#pragma once

#include "quotes/direction.h"
#include "quotes/quotepanel.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstdio>
#include <optional>

// How every command writes what it found: one compact JSON object a line, in UTF-8, with the
// same forms for the values that recur across commands.
namespace cli {

// "#rrggbb"
QString colourName(quotes::Colour colour);
// The direction of a rise or fall as scripts read it: "up" or "down".
QString directionName(quotes::Direction direction);
// A date and time as --at takes it: "yyyy-MM-dd HH:mm:ss".
QString momentText(const QDateTime& moment);
inline constexpr const char* momentFormat = "yyyy-MM-dd HH:mm:ss";

// Something that may not have arrived is null in the output.
QJsonValue textJson(const std::optional<QString>& text);
QJsonValue directionJson(const std::optional<quotes::Direction>& direction);
// A label's text, with its colour where it has one.
QJsonValue labelJson(const std::optional<quotes::LabelText>& label);

// A list of records as an array, each record as toJson makes it.
template <typename Items, typename ToJson>
QJsonArray arrayOf(const Items& items, ToJson toJson)
{
    QJsonArray array;
    for (const auto& item : items)
        array.append(toJson(item));
    return array;
}

// One line, flushed at once, so a script reading a pipe sees each line as it is written.
void printLine(std::FILE* stream, const QString& text);
void printJsonLine(const QJsonObject& json);

} // namespace cli
