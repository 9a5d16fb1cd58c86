#include "analytics/chartparameters.h"

namespace analytics {

namespace {

// The items of the parameter whose name stands at `at`.
QStringList itemsAt(QStringView text, qsizetype at, qsizetype nameLength)
{
    const qsizetype from = at + nameLength;
    const qsizetype end = text.indexOf(u'&', from);
    const QStringView value = end < 0 ? text.sliced(from) : text.sliced(from, end - from);
    return value.toString().split(u',');
}

} // namespace

QStringList parameterItems(QStringView text, QStringView name)
{
    QStringList items;
    if (name.isEmpty())
        return items;
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1))
        items += itemsAt(text, at, name.size());
    return items;
}

QStringList firstParameterItems(QStringView text, QStringView name)
{
    const qsizetype at = name.isEmpty() ? -1 : text.indexOf(name);
    return at < 0 ? QStringList() : itemsAt(text, at, name.size());
}

} // namespace analytics
