#pragma once

// Today's big-order pie (dbshow): one slice per order-size class of the single-pie page, named
// and coloured by the class of its colour code.

#include "quotes/direction.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace analytics {

struct PieSlice {
    double value = 0;
    QString label; // class name + "(" + the value as the page gives it + "%)"
    quotes::Colour colour;
    bool operator==(const PieSlice&) const = default;
};

struct PieChart {
    QString title; // name + "(" + code + ")今日(" + date "yyyy-M-d" + ")大单进出成交分布图"
    std::vector<PieSlice> slices;
    // False when a value did not convert: the slices before it are kept.
    bool complete = true;
    bool operator==(const PieChart&) const = default;
};

// The eight colour codes ("#FF6666" … "#336600", compared exactly) name the classes; a code
// outside them takes the name and colour of the slice before it (an empty name and grey for a
// first slice).
PieChart bigOrderPie(const QStringList& values, const QStringList& colours, const QString& name,
                     const QString& code, const QDate& today);

} // namespace analytics
