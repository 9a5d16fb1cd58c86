// The marker scan over a page of about 1 MB, beside the limit of a single find() pass over the
// same page: once over its bytes (std::string_view::find, memmem) and once over its UTF-16 text
// (QStringView::indexOf).
#include "net/markerscan.h"

#include <QStringEncoder>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string_view>

namespace {

using namespace Qt::StringLiterals;

// A forum-like page: navigation, then a few hundred rows of five marked cells among plenty of
// unmarked markup and Chinese text.
QString makePage()
{
    QString page = u"<html><head><title>股吧 - 讨论区</title><script>var a=1;</script></head><body>"_s;
    const QString filler = u"<div class=\"nav\"><a href=\"/list,600036.html\">招商银行吧</a> | "
                           u"<a href=\"/list,000001.html\">平安银行吧</a><span>更新</span></div>\n"_s;
    int row = 0;
    while (page.size() < 900 * 1024) {
        for (int i = 0; i < 12; ++i)
            page += filler;
        page += u"<li class=l1>"_s + QString::number(1000 + row) + u"</li>"_s
            + u"<li class=l2>"_s + QString::number(row * 7 % 500) + u"</li>"_s
            + u"<li class=l3><a href=\"/news,600036,"_s + QString::number(row)
            + u".html\" title=\"主力资金今日大幅流入\">主力资金今日大幅流入</a></li>"_s
            + u"<li class=l4><a href=\"/u/"_s + QString::number(row) + u"\">股民"_s
            + QString::number(row) + u"</a></li>"_s + u"<li class=l5>06-1"_s
            + QString::number(row % 10) + u" 14:3"_s + QString::number(row % 10) + u"</li>\n"_s;
        ++row;
    }
    return page + u"</body></html>"_s;
}

const QString& pageText()
{
    static const QString text = makePage();
    return text;
}

const QByteArray& pageBytes()
{
    static const QByteArray bytes = [] {
        QStringEncoder toGbk("GBK");
        return QByteArray(toGbk.encode(pageText()));
    }();
    return bytes;
}

const std::vector<net::MarkerPair>& textPairs()
{
    static const std::vector<net::MarkerPair> pairs{
        {u"<li class=l1>"_s, u"</li>"_s},
        {u"<li class=l2>"_s, u"</li>"_s},
        {u"title=\""_s, u"\">"_s},
        {u"<li class=l4>"_s, u"</li>"_s},
        {u"<li class=l5>"_s, u"</li>"_s},
    };
    return pairs;
}

const std::vector<net::ByteMarkerPair>& bytePairs()
{
    static const std::vector<net::ByteMarkerPair> pairs = [] {
        std::vector<net::ByteMarkerPair> converted;
        for (const net::MarkerPair& pair : textPairs())
            converted.push_back({pair.start.toLatin1(), pair.end.toLatin1()});
        return converted;
    }();
    return pairs;
}

// A marker that is not on the page, so a search runs over all of it.
constexpr std::string_view absentMarker = "<span class=\"caption\">";

void scanText(benchmark::State& state)
{
    const QString& text = pageText();
    for (auto _ : state) {
        const auto cuts = net::scan(text, textPairs());
        benchmark::DoNotOptimize(cuts.data());
        state.counters["values"] = double(cuts.size());
    }
    state.SetBytesProcessed(state.iterations() * pageBytes().size());
}

void scanBytes(benchmark::State& state)
{
    const QByteArray& bytes = pageBytes();
    for (auto _ : state) {
        const auto cuts = net::scan(QByteArrayView(bytes), bytePairs());
        benchmark::DoNotOptimize(cuts.data());
        state.counters["values"] = double(cuts.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void onePassStringViewFind(benchmark::State& state)
{
    const std::string_view bytes(pageBytes().constData(), std::size_t(pageBytes().size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes.find(absentMarker));
    state.SetBytesProcessed(state.iterations() * pageBytes().size());
}

void onePassMemmem(benchmark::State& state)
{
    const QByteArray& bytes = pageBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(memmem(bytes.constData(), std::size_t(bytes.size()),
                                        absentMarker.data(), absentMarker.size()));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void onePassQStringViewIndexOf(benchmark::State& state)
{
    const QString& text = pageText();
    const QString marker = QString::fromLatin1(absentMarker);
    for (auto _ : state)
        benchmark::DoNotOptimize(QStringView(text).indexOf(marker));
    state.SetBytesProcessed(state.iterations() * pageBytes().size());
}

// What the scan would cost comparing every marker at every position.
void naiveScanText(benchmark::State& state)
{
    const QStringView text(pageText());
    const auto& pairs = textPairs();
    for (auto _ : state) {
        std::vector<bool> open(pairs.size(), false);
        std::vector<qsizetype> start(pairs.size(), 0);
        std::size_t values = 0;
        for (qsizetype p = 0; p < text.size(); ++p) {
            const QStringView rest = text.sliced(p);
            for (std::size_t i = 0; i < pairs.size(); ++i)
                if (rest.startsWith(pairs[i].start)) {
                    open[i] = true;
                    start[i] = p + pairs[i].start.size();
                }
            for (std::size_t i = 0; i < pairs.size(); ++i)
                if (open[i] && rest.startsWith(pairs[i].end)) {
                    open[i] = false;
                    ++values;
                }
        }
        benchmark::DoNotOptimize(values);
    }
    state.SetBytesProcessed(state.iterations() * pageBytes().size());
}

BENCHMARK(scanText)->Unit(benchmark::kMicrosecond);
BENCHMARK(scanBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(onePassStringViewFind)->Unit(benchmark::kMicrosecond);
BENCHMARK(onePassMemmem)->Unit(benchmark::kMicrosecond);
BENCHMARK(onePassQStringViewIndexOf)->Unit(benchmark::kMicrosecond);
BENCHMARK(naiveScanText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
