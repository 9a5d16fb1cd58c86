#include "store/statefiles.h"

#include "net/market.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace store {

namespace {

// The file's lines as a text-file reader sees them: a final line end does not start another line.
std::optional<QStringList> readLines(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringDecoder fromGbk("GBK");
    QString text = fromGbk.decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        return QStringList();
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void writeLines(const QString& filePath, const QStringList& lines)
{
    QByteArray bytes;
    QStringEncoder toGbk("GBK");
    for (const QString& line : lines) {
        bytes += toGbk.encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw StateFileError("cannot write " + filePath.toStdString() + ": "
                             + file.errorString().toStdString());
}

} // namespace

QString StateFiles::path(const char* fileName) const
{
    return m_dir + QLatin1Char('/') + QLatin1String(fileName);
}

QString StateFiles::readStockCode() const
{
    const std::optional<QStringList> lines = readLines(path(stockFileName));
    if (!lines || lines->isEmpty())
        return {};
    const QString code = lines->first().trimmed();
    return net::isStockCode(code) ? code : QString();
}

void StateFiles::writeStockCode(const QString& code) const
{
    writeLines(path(stockFileName), {code});
}

bool StateFiles::favouritesExist() const
{
    return QFile::exists(path(favouritesFileName));
}

ChannelList StateFiles::readChannels(const QString& filePath)
{
    ChannelList list;
    const std::optional<QStringList> lines = readLines(filePath);
    if (!lines)
        return list;
    for (const QString& line : *lines) {
        const qsizetype amp = line.indexOf(QLatin1Char('&'));
        if (amp < 0)
            continue;
        list.names.append(line.left(amp));
        list.urls.append(line.mid(amp + 1));
    }
    list.lineCount = int(lines->size());
    return list;
}

void StateFiles::writeChannels(const QString& filePath, const QStringList& names,
                               const QStringList& urls)
{
    QStringList lines;
    const qsizetype count = std::min(names.size(), urls.size());
    for (qsizetype i = 0; i < count; ++i)
        lines.append(names[i] + QLatin1Char('&') + urls[i]);
    writeLines(filePath, lines);
}

} // namespace store
