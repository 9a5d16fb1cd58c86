#include "net/pagetext.h"

#include <QStringDecoder>

namespace net {

PageText decodePage(QByteArrayView bytes, Encoding encoding)
{
    // Stateless, so a sequence cut short at the end is an error instead of being held back.
    QStringDecoder decoder = encoding == Encoding::Utf8
        ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
        : QStringDecoder("GBK", QStringDecoder::Flag::Stateless);
    const char* name = encoding == Encoding::Utf8 ? "UTF-8" : "GBK";
    if (!decoder.isValid())
        throw DecodeError(std::string("no ") + name + " decoder on this system");
    PageText text = decoder.decode(bytes);
    if (decoder.hasError())
        throw DecodeError(std::string("reply is not valid ") + name);
    return text;
}

PageText fetchText(HttpClient& client, const QString& address, Encoding encoding)
{
    return decodePage(client.get(address), encoding);
}

} // namespace net
