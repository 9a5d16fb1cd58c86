#include "app/shelltexts.h"

#include "app/clock.h"

namespace app {

QString applicationTitle()
{
    return QStringLiteral("岚拓股票情报系统V3.3");
}

QString statusBarTitle()
{
    return QStringLiteral("综合股票情报系统V3.3");
}

QString splashVersion()
{
    return QStringLiteral("V3.3");
}

QString splashUpdated()
{
    return QStringLiteral("2010年7月21日更新");
}

QString codeBoxLabel()
{
    return QStringLiteral("输入股票代码：");
}

QString shanghaiIndexCaption()
{
    return QStringLiteral("上证:");
}

QString shenzhenIndexCaption()
{
    return QStringLiteral("深成：");
}

QString newsStripSearching()
{
    return QStringLiteral("快讯(正在搜索......)");
}

QString playerAreaTitle()
{
    return QStringLiteral("影视看台");
}

QString playerAreaSubtitle()
{
    return QStringLiteral("股票综合情报系统");
}

QString todayCaption(const Clock& clock)
{
    return QStringLiteral("(今天是") + clock.today().toString(QStringLiteral("yyyy-M-d"))
           + QStringLiteral(")");
}

QString errorBoxTitle()
{
    return QStringLiteral("错误");
}

QString questionBoxTitle()
{
    return QStringLiteral("提示");
}

QStringList forumGridHeaders()
{
    return {QString(), QStringLiteral("帖子标题"), QStringLiteral("点击/回复"),
            QStringLiteral("作者")};
}

QString forumBoxCaptionBeforeFirstStock()
{
    return QStringLiteral("网民对该股的最新热评（所有数据来自于各大股票论坛，仅供参考）");
}

std::vector<ToolButtonText> toolButtonTexts()
{
    return {
        {"ToolButton5", QStringLiteral("提示设置"), QStringLiteral("设置股价预警及飞信提示设置")},
        {"ToolButton11", QStringLiteral("荐股交流"), QStringLiteral("网友荐股交流")},
        {"ToolButton12", QStringLiteral("桌面股票"), QStringLiteral("半透明显示您设置的股票价格变动")},
        {"ToolButton13", QStringLiteral("私募密函"), QStringLiteral("查看昨日重要财经信息")},
        {"ToolButton14", QStringLiteral("盘后选股"), QString()},
        {"ToolButton15", QStringLiteral("精选个股"), QString()},
        {"ToolButton16", QStringLiteral("联系作者"), QString()},
        {"ToolButton17", QStringLiteral("独家信息"), QString()},
    };
}

std::vector<TrayMenuEntry> trayMenuLayout()
{
    // The four notice switches are ticked from the start: a tick means the notice is not paused.
    const auto notice = [](const char* name, const char* text) {
        return TrayMenuEntry{QString::fromLatin1(name), QString::fromUtf8(text), true, true, {}};
    };
    const auto command = [](const char* name, const char* text) {
        return TrayMenuEntry{QString::fromLatin1(name), QString::fromUtf8(text), false, false, {}};
    };
    TrayMenuEntry notices{QStringLiteral("resumeNoticesMenu"), QStringLiteral("继续提示"), false,
                          false, {}};
    notices.children = {notice("N5", "实时大单流入流出情况"), notice("N6", "实时大单流入流出分布图"),
                        notice("blogMentionItem", "实时知名博客是否提及本股"),
                        notice("N18", "实时综合信息")};
    // The ticker switch shows its on/off state as a check mark, off at start.
    TrayMenuEntry ticker{QStringLiteral("N13"), QStringLiteral("在桌面显示股价"), true, false, {}};
    return {
        command(showMainWindowItem, "显示主窗口"),
        notices,
        ticker,
        command("N14", "荐股交流"),
        command("N16", "昨日财经大全"),
        command("N17", "股价提示设置"),
        command(exitItem, "退      出"),
    };
}

} // namespace app
