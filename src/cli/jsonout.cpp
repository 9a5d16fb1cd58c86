#include "cli/jsonout.h"

#include <QJsonDocument>

namespace cli {

QString colourName(quotes::Colour colour)
{
    return QString::asprintf("#%02x%02x%02x", colour.red, colour.green, colour.blue);
}

QString directionName(quotes::Direction direction)
{
    return direction == quotes::Direction::Up ? QStringLiteral("up") : QStringLiteral("down");
}

QString momentText(const QDateTime& moment)
{
    return moment.toString(QString::fromLatin1(momentFormat));
}

QJsonValue textJson(const std::optional<QString>& text)
{
    return text ? QJsonValue(*text) : QJsonValue::Null;
}

QJsonValue directionJson(const std::optional<quotes::Direction>& direction)
{
    return direction ? QJsonValue(directionName(*direction)) : QJsonValue::Null;
}

QJsonValue labelJson(const std::optional<quotes::LabelText>& label)
{
    if (!label)
        return QJsonValue::Null;
    QJsonObject o{{QStringLiteral("text"), label->text}};
    if (label->colour)
        o.insert(QStringLiteral("colour"), colourName(*label->colour));
    return o;
}

void printLine(std::FILE* stream, const QString& text)
{
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stream);
    std::fflush(stream);
}

void printJsonLine(const QJsonObject& json)
{
    printLine(stdout, QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact)));
}

} // namespace cli
