#include "service/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace service {

namespace {

bool isPrivateUseOrReplacement(QChar c)
{
    const char16_t unit = c.unicode();
    return unit == 0xFFFD || (unit >= 0xE000 && unit <= 0xF8FF);
}

} // namespace

std::optional<QString> Gbk::decode(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    for (QChar c : text) {
        if (isPrivateUseOrReplacement(c))
            return std::nullopt;
    }
    return text;
}

std::optional<QByteArray> Gbk::encode(const QString& text)
{
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace service
