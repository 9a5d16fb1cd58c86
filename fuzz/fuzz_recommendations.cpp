// Service pages of any content through the recommendation reader and the run's list: what the
// writer sends reads back as a part of the records, in order, and writing that again changes
// nothing; the four lists stay parallel and a second merge of the same records adds nothing.
#include "community/recommendationlist.h"

#include "fuzzchecks.h"

#include <cstdint>

using fuzzcheck::check;
using fuzzcheck::inOrderWithin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto records = community::parseRecommendations(page);
    const QString payload = community::recommendationsPayload(records);
    const auto reread = community::parseRecommendations(QStringLiteral("<body text=\"#000000\">") + payload);
    check(inOrderWithin(reread, records));
    check(community::recommendationsPayload(reread) == payload);

    community::RecommendationList list;
    const int added = list.merge(records);
    check(added == list.size() && std::size_t(added) <= records.size());
    check(list.stocks().size() == list.size() && list.reasons().size() == list.size()
          && list.times().size() == list.size());
    check(list.merge(records) == 0);
    return 0;
}
