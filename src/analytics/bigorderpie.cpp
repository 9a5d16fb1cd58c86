#include "analytics/bigorderpie.h"

#include "analytics/decimaltext.h"
#include "analytics/stocktitle.h"

#include <array>

namespace analytics {

namespace {

struct OrderClass {
    const char16_t* code;
    const char16_t* name;
    quotes::Colour colour;
};

// The page's colour codes name the classes; the slices take these colours, not the codes'.
constexpr std::array<OrderClass, 8> orderClasses = {{
    {u"#FF6666", u"单笔买入50万以下", {255, 0, 17}},
    {u"#FF3333", u"单笔买入50-200万", {255, 0, 68}},
    {u"#CC3333", u"单笔买入200-500万", {255, 0, 136}},
    {u"#990000", u"单笔买入500万以上", {255, 0, 153}},
    {u"#99FF00", u"单笔卖出50万以下", {0, 128, 0}},
    {u"#00CC33", u"单笔卖出50-200万", {0, 128, 51}},
    {u"#009966", u"单笔卖出200-500万", {0, 128, 102}},
    {u"#336600", u"单笔卖出500万以上", {0, 128, 136}},
}};

constexpr quotes::Colour unknownFirstClass{128, 128, 128};

} // namespace

PieChart bigOrderPie(const QStringList& values, const QStringList& colours, const QString& name,
                     const QString& code, const QDate& today)
{
    PieChart pie;
    pie.title = stockTitle(name, code) + QStringLiteral("今日(") + today.toString(u"yyyy-M-d")
                + QStringLiteral(")大单进出成交分布图");
    QString className;
    quotes::Colour colour = unknownFirstClass;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const std::optional<int> value = decimalInteger(values[i]);
        // A slice without a colour code has no class to show it under.
        if (!value || i >= colours.size()) {
            pie.complete = false;
            break;
        }
        for (const OrderClass& orderClass : orderClasses) {
            if (colours[i] == QStringView(orderClass.code)) {
                className = QString::fromUtf16(orderClass.name);
                colour = orderClass.colour;
            }
        }
        pie.slices.push_back({double(*value), className + u'(' + values[i] + QStringLiteral("%)"),
                              colour});
    }
    return pie;
}

} // namespace analytics
