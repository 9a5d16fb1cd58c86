#pragma once

// The chart parameters of the big-order site's pages: an embedded chart object carries its data
// as URL-style parameters ("values=", "values_2=", "x_labels=", "colours="). A parameter is its
// name, equals sign included, found by exact case-sensitive comparison at any position of the
// text, followed by its value, which runs to the first "&" after it (the "&" not part of it; a
// value without a later "&" runs to the end of the text). The value is split at every ","
// into its items, in order and untrimmed: a value without a comma is one item, an empty value
// one empty item.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace analytics {

// The items of every occurrence of the parameter, appended in text order.
QStringList parameterItems(QStringView text, QStringView name);
// The items of its first occurrence only; empty when the text has none.
QStringList firstParameterItems(QStringView text, QStringView name);

} // namespace analytics
