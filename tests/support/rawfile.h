#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

namespace testsupport {

// A second connection to the same file, for looking at what was stored and for meddling.
class RawFile final {
public:
    explicit RawFile(const QString& path) : m_name(QStringLiteral("raw-") + path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawFile()
    {
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(RawFile)

    QStringList column(const QString& sql) const
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        query.exec(sql);
        QStringList values;
        while (query.next())
            values << query.value(0).toString();
        return values;
    }
    bool exec(const QString& sql) const { return QSqlQuery(QSqlDatabase::database(m_name)).exec(sql); }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }

private:
    QString m_name;
};

} // namespace testsupport
