#include "info/stockpick.h"

#include "net/markerscan.h"
#include "net/markerwalk.h"
#include "net/serviceenvelope.h"

#include <QSet>

#include <optional>

namespace info {

namespace {

constexpr QStringView pickMarker = u"\"#000000\">";
constexpr QStringView codeEnd = u"&1";
constexpr QStringView nameEnd = u"&2";
constexpr QStringView dateEnd = u"&3";
constexpr QStringView recordEnd = u"&4";

std::optional<StockPick> splitPick(QStringView record)
{
    StockPick pick;
    QString* const fields[] = {&pick.code, &pick.name, &pick.date};
    bool dated = false;
    qsizetype from = 0;
    net::MarkerWalk walk(record, {codeEnd, nameEnd, dateEnd});
    net::MarkerWalk::Hit hit;
    while (walk.next(hit)) {
        *fields[hit.marker] = record.sliced(from, std::max<qsizetype>(0, hit.position - from)).toString();
        from = hit.position + 2;
        if (hit.marker == 2) {
            pick.time = record.sliced(from).toString();
            dated = true;
        }
    }
    if (!dated)
        return std::nullopt;
    return pick;
}

QString recordOf(const StockPick& pick)
{
    return pick.code + codeEnd.toString() + pick.name + nameEnd.toString() + pick.date
         + dateEnd.toString() + pick.time + recordEnd.toString();
}

bool readsBack(const StockPick& pick)
{
    const std::vector<StockPick> read = parseStockPicks(pickMarker.toString() + recordOf(pick));
    return read.size() == 1 && read.front() == pick;
}

} // namespace

std::vector<StockPick> parseStockPicks(QStringView page)
{
    const QString ends[] = {recordEnd.toString()};
    std::vector<StockPick> picks;
    for (const net::MarkedPiece& record : net::envelopePieces(page, ends, pickMarker)) {
        if (auto pick = splitPick(net::trimControls(record.text)))
            picks.push_back(std::move(*pick));
    }
    return picks;
}

int mergeStockPicks(std::vector<StockPick>& picks, const std::vector<StockPick>& fetched)
{
    QSet<QString> known;
    known.reserve(qsizetype(picks.size() + fetched.size()));
    for (const StockPick& pick : picks)
        known.insert(pick.identity());
    int appended = 0;
    for (const StockPick& pick : fetched) {
        const QString identity = pick.identity();
        if (known.contains(identity))
            continue;
        known.insert(identity);
        picks.push_back(pick);
        ++appended;
    }
    return appended;
}

QString stockPicksPayload(const std::vector<StockPick>& picks)
{
    return net::recordLines(picks, recordOf, readsBack);
}

} // namespace info
