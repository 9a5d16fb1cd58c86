// Service pages of any content through the channel-list reader: the five lists stay parallel;
// what the writer sends of the records reads back as a part of them, in order, and writing that
// again changes nothing; scrambling and descrambling undo each other.
#include "video/channellist.h"

#include "fuzzchecks.h"

#include <cstdint>

using fuzzcheck::check;
using fuzzcheck::inOrderWithin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    check(video::jiemi(video::scramble(page)) == page);

    const video::ChannelRecords records = video::parseChannelList(page);
    const int count = records.size();
    check(records.addresses.size() == count && records.categories.size() == count
          && records.groups.size() == count && records.levels.size() == count);

    const auto asList = [](const video::ChannelRecords& from) {
        std::vector<video::ChannelRecord> list;
        for (int i = 0; i < from.size(); ++i)
            list.push_back(from.at(i));
        return list;
    };
    const std::vector<video::ChannelRecord> list = asList(records);
    const QString payload = video::channelListPayload(list);
    const std::vector<video::ChannelRecord> sent =
        asList(video::parseChannelList(QStringLiteral("<body text=\"#000000\">") + payload));
    for (const video::ChannelRecord& record : sent)
        check(video::fitsChannelList(record));
    check(inOrderWithin(sent, list));
    check(video::channelListPayload(sent) == payload);
    return 0;
}
