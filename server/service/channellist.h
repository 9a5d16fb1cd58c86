#pragma once

#include "service/servicestore.h"

#include <QString>

#include <vector>

namespace service {

// The channel list reply. Records end with "***"; inside, caption "&1" address "&2" category
// "&3" group "&4" level. An address of 18 characters or more is sent scrambled: each of its
// first 18 characters one code lower, so the client's descrambling (one code higher) restores
// them; the rest of the address follows unchanged. Shorter addresses go as they are.
class ChannelList final {
public:
    static constexpr int kScrambledLength = 18;

    static QString scramble(const QString& address);
    // The channels with "{base}" resolved; a record whose scrambled form would carry one of the
    // reply's marks is left out rather than sent broken.
    static QString payload(const std::vector<ChannelEntry>& channels, const QString& base);
    static bool fitsReply(const ChannelEntry& entry, const QString& base);
};

} // namespace service
