#include "alerts/alertevents.h"

namespace alerts {

QString popupKindName(PopupKind kind)
{
    switch (kind) {
    case PopupKind::Limit:
        return QStringLiteral("limit");
    case PopupKind::RiseFall:
        return QStringLiteral("riseFall");
    case PopupKind::BigTrade:
        return QStringLiteral("bigTrade");
    case PopupKind::BigOrder:
        return QStringLiteral("bigOrder");
    }
    return {};
}

} // namespace alerts
