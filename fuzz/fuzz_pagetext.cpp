// Reply bytes of any kind through page decoding: either a DecodeError or text, never a crash;
// valid UTF-8 decodes without loss.
#include "net/pagetext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const net::PageText text = net::decodePage(bytes, net::Encoding::Utf8);
        QByteArrayView original = bytes;
        if (original.startsWith("\xef\xbb\xbf"))
            original = original.sliced(3);
        if (text.toUtf8() != original)
            std::abort();
    } catch (const net::DecodeError&) {
    }
    try {
        const net::PageText text = net::decodePage(bytes, net::Encoding::Gbk);
        if (text.size() > bytes.size())
            std::abort();
    } catch (const net::DecodeError&) {
    }
    return 0;
}
