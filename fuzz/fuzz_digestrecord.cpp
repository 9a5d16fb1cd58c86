// Service pages of any content through the digest reader: fields no longer than the page and
// trimmed; whatever the writer accepts reads back unchanged.
#include "info/digestrecord.h"
#include "net/markerscan.h"

#include "fuzzchecks.h"

#include <cstdint>

using fuzzcheck::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const info::DigestRecord record = info::parseDigestRecord(page);
    for (const QString* field : {&record.text, &record.title, &record.extra3, &record.extra4}) {
        check(field->size() <= page.size());
        check(net::trimControls(*field) == *field);
    }
    if (const auto payload = info::digestPayload(record))
        check(info::parseDigestRecord(QStringLiteral("<body text=\"#000000\">") + *payload) == record);
    return 0;
}
