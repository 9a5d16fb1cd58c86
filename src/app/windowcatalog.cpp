#include "app/windowcatalog.h"

#include <cstring>
#include <stdexcept>

namespace app {

const std::vector<WindowEntry>& windowCatalog()
{
    static const std::vector<WindowEntry> catalog = {
        {"TForm12", QStringLiteral("岚拓股票情报系统V3.3"), {327, 153}},
        {"TForm1", QStringLiteral("岚拓股票情报系统V3.3"), {931, 628}},
        {"TForm2", QStringLiteral("所有公告"), {713, 318}},
        {"TForm3", QStringLiteral("股价提示设置"), {688, 284}},
        {"TForm4", QStringLiteral("请添加要接收的手机号码"), {345, 146}},
        {"TForm5", QStringLiteral("股价"), {300, 85}},
        {"TForm6", QStringLiteral("股价提示"), {415, 73}},
        {"TForm7", QStringLiteral("大单成交"), {415, 73}},
        {"TForm8", QStringLiteral("大单出现"), {415, 73}},
        {"TForm9", QStringLiteral("涨跌情况"), {388, 71}},
        {"TForm10", QStringLiteral("大单流向提示"), {356, 97}},
        // No size is given for the search notice; a popup of the size of its neighbours.
        {"TForm11", QStringLiteral("搜索提示"), {300, 100}},
        {"TForm13", QStringLiteral("近10日大单成交显示图"), {688, 226}},
        {"TForm14", QStringLiteral("今日大单成交分布图"), {514, 264}},
        // The ticker has no caption.
        {"TForm15", QString(), {338, 116}},
        // The recommendation window is 474 × 408 outside; this is its client area.
        {"TForm16", QStringLiteral("我想荐股-岚拓股票大单监测系统"), {466, 374}},
        {"TForm17", QStringLiteral("实时走势"), {212, 339}},
        {"TForm18", QStringLiteral("资金流向"), {564, 477}},
        // Fits its 369 × 177 grid at (8, 8).
        {"TForm20", QStringLiteral("精选个股"), {385, 193}},
        {"TForm21", QStringLiteral("今日信息汇总"), {263, 81}},
    };
    return catalog;
}

const WindowEntry& windowEntry(const char* className)
{
    for (const WindowEntry& entry : windowCatalog())
        if (std::strcmp(entry.className, className) == 0)
            return entry;
    throw std::out_of_range(std::string("no window entry for ") + className);
}

} // namespace app
