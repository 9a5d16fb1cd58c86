#pragma once

#include <QString>

namespace app {

// The captions the dashboard load gives the holdings box and the comment box for the stock.
QString holdingsBoxCaption(const QString& stockName);
QString commentBoxCaption(const QString& stockName);

} // namespace app
