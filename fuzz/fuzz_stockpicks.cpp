// Service pages of any content through the selected-stocks reader and merge: what the writer
// sends of the picks reads back as a part of them, in order, and writing that again changes
// nothing; a merge adds each pick once.
#include "info/stockpick.h"

#include "fuzzchecks.h"

#include <cstdint>

using fuzzcheck::check;
using fuzzcheck::inOrderWithin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<info::StockPick> picks = info::parseStockPicks(page);
    const QString payload = info::stockPicksPayload(picks);
    const auto reread = info::parseStockPicks(QStringLiteral("<body text=\"#000000\">") + payload);
    check(inOrderWithin(reread, picks));
    check(info::stockPicksPayload(reread) == payload);

    std::vector<info::StockPick> run;
    const int added = info::mergeStockPicks(run, picks);
    check(added >= 0 && std::size_t(added) == run.size() && run.size() <= picks.size());
    check(info::mergeStockPicks(run, picks) == 0);
    return 0;
}
