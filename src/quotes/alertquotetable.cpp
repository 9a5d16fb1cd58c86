#include "quotes/alertquotetable.h"

#include "net/silentabort.h"

namespace quotes {

int fieldOfColumn(int column)
{
    return column <= 12 ? column + 1 : column + 2;
}

int columnOfField(int field)
{
    return field <= 13 ? field - 1 : field - 2;
}

void AlertQuoteTable::clear()
{
    for (QStringList& column : m_columns)
        column.clear();
}

bool AlertQuoteTable::append(const QuoteRow& row)
{
    if (!row.complete())
        return false;
    for (int column = 1; column <= columnCount; ++column) {
        const int field = fieldOfColumn(column);
        QString value = row.field(field);
        if (field == 5 && value == QLatin1String("0"))
            value = QStringLiteral("0.0");
        m_columns[column - 1].append(value);
    }
    return true;
}

void gestockgj(net::HttpClient& client, const QString& quoteSite, const QString& code,
               AlertQuoteTable& table)
{
    if (table.append(loadQuoteRow(client, quoteSite, code)))
        return;
    net::abortSilently();
}

} // namespace quotes
