#include "app/dashboardcaptions.h"

namespace app {

QString holdingsBoxCaption(const QString& stockName)
{
    return stockName + QStringLiteral("-最近30日主力散户持仓对比");
}

QString commentBoxCaption(const QString& stockName)
{
    return QStringLiteral("网民对(") + stockName + QStringLiteral(")的最新热评（所有数据仅供参考）");
}

} // namespace app
