#include "app/maincommands.h"

#include <algorithm>
#include <stdexcept>

namespace app {

namespace {

CommandEntry button(MainCommand command, const char* name, const char* text, const char* hint = "")
{
    return {command, name, name, QString::fromUtf8(text), QString::fromUtf8(text), QString::fromUtf8(hint)};
}

CommandEntry item(MainCommand command, const char* name, const char* text)
{
    return {command, name, nullptr, QString(), QString::fromUtf8(text), QString()};
}

// The four "继续提示" switches are ticked from the start: a tick means the notice is not paused.
CommandEntry noticeSwitch(MainCommand command, const char* name, const char* text)
{
    CommandEntry entry = item(command, name, text);
    entry.checkable = true;
    entry.checkedAtStart = true;
    return entry;
}

} // namespace

const std::vector<CommandEntry>& mainCommands()
{
    using C = MainCommand;
    static const std::vector<CommandEntry> commands = [] {
        std::vector<CommandEntry> all = {
            {C::AlertSettings, "N17", "ToolButton5", QStringLiteral("提示设置"),
             QStringLiteral("股价提示设置"), QStringLiteral("设置股价预警及飞信提示设置")},
            {C::Recommendations, "N14", "ToolButton11", QStringLiteral("荐股交流"),
             QStringLiteral("荐股交流"), QStringLiteral("网友荐股交流")},
            // The ticker's switch shows whether the ticker is on: off at start.
            {C::Ticker, "N13", "ToolButton12", QStringLiteral("桌面股票"), QStringLiteral("在桌面显示股价"),
             QStringLiteral("半透明显示您设置的股票价格变动"), true, false},
            button(C::PrivateFundLetter, "ToolButton13", "私募密函", "查看昨日重要财经信息"),
            button(C::AfterHoursPicks, "ToolButton14", "盘后选股"),
            button(C::SelectedStocks, "ToolButton15", "精选个股"),
            button(C::ContactAuthor, "ToolButton16", "联系作者"),
            button(C::ExclusiveInfo, "ToolButton17", "独家信息"),
            item(C::ShowMainWindow, "N1", "显示主窗口"),
            noticeSwitch(C::FlowNotice, "N5", "实时大单流入流出情况"),
            noticeSwitch(C::FlowPieNotice, "N6", "实时大单流入流出分布图"),
            noticeSwitch(C::BlogNotice, "blogMentionItem", "实时知名博客是否提及本股"),
            noticeSwitch(C::NewsNotice, "N18", "实时综合信息"),
            item(C::YesterdayFinance, "N16", "昨日财经大全"),
            item(C::Exit, "N2", "退      出"),
        };
        return all;
    }();
    return commands;
}

const CommandEntry& commandEntry(MainCommand command)
{
    const auto& all = mainCommands();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [command](const CommandEntry& e) { return e.command == command; });
    if (found == all.end())
        throw std::logic_error("a main command without its entry");
    return *found;
}

const std::vector<MainCommand>& toolBarCommands()
{
    using C = MainCommand;
    static const std::vector<MainCommand> commands = {
        C::AlertSettings,   C::Recommendations, C::Ticker,        C::PrivateFundLetter,
        C::AfterHoursPicks, C::SelectedStocks,  C::ContactAuthor, C::ExclusiveInfo};
    return commands;
}

const std::vector<TrayMenuLine>& trayMenuLayout()
{
    using C = MainCommand;
    static const std::vector<TrayMenuLine> lines = {
        {C::ShowMainWindow},
        {C::FlowNotice, "resumeNoticesMenu", QStringLiteral("继续提示"),
         {C::FlowNotice, C::FlowPieNotice, C::BlogNotice, C::NewsNotice}},
        {C::Ticker},
        {C::Recommendations},
        {C::YesterdayFinance},
        {C::AlertSettings},
        {C::Exit},
    };
    return lines;
}

} // namespace app
