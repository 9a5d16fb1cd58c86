#include "service/browserpages.h"

#include "market/figures.h"

#include <algorithm>

namespace service {

namespace {

using market::figures::change;
using market::figures::percent;
using market::figures::price;

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString colourOf(double delta)
{
    if (delta > 0)
        return QStringLiteral("#ff0000");
    if (delta < 0)
        return QStringLiteral("#008000");
    return QStringLiteral("#000000");
}

// A small line of the day's prices against the previous close.
QString sparkline(const market::StockQuote& quote, const std::vector<market::IntradayPoint>& line)
{
    constexpr int width = 240;
    constexpr int height = 60;
    if (line.size() < 2)
        return {};
    double top = quote.prevClose;
    double bottom = quote.prevClose;
    for (const auto& point : line) {
        top = std::max(top, point.price);
        bottom = std::min(bottom, point.price);
    }
    const double span = std::max(top - bottom, 0.01);
    auto yOf = [&](double value) { return (top - value) / span * (height - 4) + 2; };
    QString points;
    const int count = int(line.size());
    for (int i = 0; i < count; ++i) {
        // The full day spans the width, so a line in the morning covers only its part.
        const double x = double(i) / 240.0 * width;
        points += QStringLiteral("%1,%2 ").arg(x, 0, 'f', 1).arg(yOf(line[i].price), 0, 'f', 1);
    }
    const double base = yOf(quote.prevClose);
    return QStringLiteral(
               "<svg width=\"%1\" height=\"%2\" style=\"background:#f8f8f8\">"
               "<line x1=\"0\" y1=\"%3\" x2=\"%1\" y2=\"%3\" stroke=\"#999\" stroke-dasharray=\"3,3\"/>"
               "<polyline fill=\"none\" stroke=\"%4\" stroke-width=\"1.2\" points=\"%5\"/></svg>")
        .arg(width)
        .arg(height)
        .arg(base, 0, 'f', 1)
        .arg(colourOf(quote.change()), points.trimmed());
}

QString intradayTable(const market::StockQuote& quote, const std::vector<market::IntradayPoint>& line)
{
    QString rows;
    for (std::size_t i = 0; i < line.size(); i += 30) {
        const auto& point = line[i];
        rows += QStringLiteral("<tr><td>%1</td><td style=\"color:%2\">%3</td><td>%4</td></tr>")
                    .arg(point.time.toString(QStringLiteral("HH:mm")),
                         colourOf(point.price - quote.prevClose), price(point.price),
                         QString::number(point.volumeLots));
    }
    if (rows.isEmpty())
        return QStringLiteral("<p>今日尚未开盘</p>");
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                          "style=\"font-size:12px;border-collapse:collapse\">"
                          "<tr><th>时间</th><th>价格</th><th>累计成交(手)</th></tr>%1</table>")
        .arg(rows);
}

} // namespace

QString BrowserPages::stockPage(const market::StockQuote& quote,
                                const std::vector<market::IntradayPoint>& line)
{
    const QString colour = colourOf(quote.change());
    // The page sits in a small panel of the client: no margins, no sideways scrolling.
    QString page = QStringLiteral("<style>body{margin:2px;overflow-x:hidden}</style>");
    page += QStringLiteral("<div style=\"font-size:12px\">");
    page += QStringLiteral("<b style=\"font-size:16px\">%1(%2)</b> ")
                .arg(esc(quote.stock->name), quote.stock->code);
    page += QStringLiteral("<span style=\"color:%1;font-size:16px\">%2 %3 %4</span><br>")
                .arg(colour, price(quote.last), change(quote.change()),
                     percent(quote.change(), quote.changePercent()));
    page += QStringLiteral("昨收 %1　今开 %2　最高 %3　最低 %4<br>")
                .arg(price(quote.prevClose), price(quote.open), price(quote.high), price(quote.low));
    page += QStringLiteral("成交量 %1手　成交额 %2万元　涨停 %3　跌停 %4<br>")
                .arg(QString::number(quote.volumeLots), market::figures::tenThousands(quote.amount),
                     price(quote.limitUp), price(quote.limitDown));
    page += QStringLiteral("%1　%2</div>")
                .arg(quote.trading ? QStringLiteral("交易中") : QStringLiteral("休市"),
                     quote.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    page += sparkline(quote, line);
    page += intradayTable(quote, line);
    return page;
}

QString BrowserPages::advertisementStrip(const QString& base)
{
    // A strip exactly as tall as its place in the client, without margins or scroll bars.
    return QStringLiteral(
               "<style>html,body{margin:0;overflow:hidden}</style>"
               "<div style=\"width:290px;height:26px;overflow:hidden;font-size:12px;"
               "line-height:26px;background:#ffffe0;color:#000080;text-align:center\">"
               "<a href=\"%1/author.html\" target=\"_blank\" style=\"color:#c00000\">"
               "岚拓股票情报系统</a> 免费行情 · 大单监测 · 手机预警</div>")
        .arg(esc(base));
}

QString BrowserPages::digestPage(const std::vector<info::DigestRecord>& digests)
{
    QString page = QStringLiteral("<h3>今日信息汇总</h3>");
    if (digests.empty())
        page += QStringLiteral("<p>暂无信息</p>");
    for (const info::DigestRecord& record : digests) {
        page += QStringLiteral("<div style=\"margin-bottom:12px\"><b>%1</b> "
                               "<small style=\"color:#808080\">%2 %3</small><br>%4</div>")
                    .arg(esc(record.title), esc(record.extra3), esc(record.extra4),
                         esc(record.text));
    }
    return page;
}

QString BrowserPages::recommendationPage(const std::vector<Recommendation>& list)
{
    QString rows;
    for (const Recommendation& r : list) {
        rows += QStringLiteral("<tr><td>%1</td><td>%2(%3)</td><td>%4</td><td>%5</td></tr>")
                    .arg(esc(r.ip), esc(r.name), esc(r.code), esc(r.reason), esc(r.postedAt));
    }
    if (rows.isEmpty())
        return QStringLiteral("<h3>网友荐股</h3><p>暂无荐股</p>");
    return QStringLiteral("<h3>网友荐股</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                          "<tr><th>推荐人IP地址</th><th>推荐的股票</th><th>推荐理由</th>"
                          "<th>推荐时间</th></tr>%1</table>")
        .arg(rows);
}

QString BrowserPages::noticePage(const QString& noticeHtml)
{
    if (noticeHtml.isEmpty())
        return QStringLiteral("<p style=\"font-size:12px\">欢迎使用岚拓股票情报系统。</p>");
    return noticeHtml;
}

QString BrowserPages::faultPage()
{
    return QStringLiteral("<h3>服务状态</h3><p>本地服务运行正常。若客户端报告故障，"
                          "请检查客户端配置的服务地址，或稍后再试。</p>");
}

QString BrowserPages::authorPage()
{
    return QStringLiteral("<h3>联系作者</h3><p>岚拓股票情报系统 V3.3</p>"
                          "<p>问题与建议请通过本页留言，或联系作者QQ。</p>");
}

QString BrowserPages::downloadPage()
{
    return QStringLiteral("<h3>岚拓股票情报系统下载</h3><p>当前版本：V3.3。</p>"
                          "<p>新版本发布后将在此页提供下载。</p>");
}

} // namespace service
