#pragma once

#include <QString>

namespace analytics {

// How captions, titles and the flow popup name a stock: name + "(" + code + ")".
inline QString stockTitle(const QString& name, const QString& code)
{
    return name + u'(' + code + u')';
}

} // namespace analytics
