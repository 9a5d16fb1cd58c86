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

} // namespace app
