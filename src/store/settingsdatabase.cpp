#include "store/settingsdatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <iterator>

namespace store {

namespace {

const char* const tableNames[] = {"手机", "第一波", "第二波", "第三波"};

// The tables as the program has always made them; SQLite spells the counter key its own way.
const char* const createStatements[] = {
    "create table 手机(ID integer primary key autoincrement,手机号码 char(11),本地发 char(1),"
    "远程发 char(1),状态 char(1),设置日期 datetime)",
    "create table 第一波(ID integer primary key autoincrement,是否发 char(1),股票代码 char(6),"
    "股票名称 char(10))",
    "create table 第二波(ID integer primary key autoincrement,综合 char(4),涨停 char(1),"
    "大单成交 int,大单买卖 int, 涨跌幅 int,股票代码 char(6),股票名称 char(10))",
    "create table 第三波(ID integer primary key autoincrement,是否发 char(1),时间间隔 int ,"
    "股票代码 char(6),股票名称 char(10))",
};

// A lock held by another program (lantuo-cli saving while the client reads) is waited for this
// long before the access fails.
constexpr const char* connectOptions = "QSQLITE_BUSY_TIMEOUT=1000";

QString uniqueConnectionName()
{
    static std::atomic<int> made{0};
    return QStringLiteral("settings-%1").arg(++made);
}

[[noreturn]] void fail(const QString& what, const QSqlError& error)
{
    throw SettingsError((what + QStringLiteral(": ") + error.text()).toStdString());
}

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        fail(sql, query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(sql, query.lastError());
    return query;
}

int integerOf(const QVariant& value, const char* column)
{
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!ok)
        throw SettingsError(std::string(column) + " is not a number: "
                            + value.toString().toStdString());
    return number;
}

QString fitted(const QString& text, int width, const char* column)
{
    if (text.size() > width)
        throw SettingsError(std::string(column) + " does not fit its column: " + text.toStdString());
    return text;
}

} // namespace

// Rolls back unless committed, so a failure part way leaves the tables as they were.
class SettingsDatabase::Transaction final {
public:
    explicit Transaction(const QSqlDatabase& db) : m_db(db)
    {
        if (!m_db.transaction())
            fail(QStringLiteral("begin"), m_db.lastError());
    }
    ~Transaction()
    {
        if (!m_committed)
            m_db.rollback();
    }
    Q_DISABLE_COPY_MOVE(Transaction)

    void commit()
    {
        if (!m_db.commit())
            fail(QStringLiteral("commit"), m_db.lastError());
        m_committed = true;
    }

private:
    QSqlDatabase m_db;
    bool m_committed = false;
};

SettingsDatabase::SettingsDatabase(const QString& dir)
    : m_path(dir + QLatin1Char('/') + QLatin1String(fileName)), m_connection(uniqueConnectionName())
{
}

SettingsDatabase::~SettingsDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void SettingsDatabase::open()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QString::fromLatin1(connectOptions));
    }
    if (!db.isOpen() && !db.open())
        fail(QStringLiteral("cannot open ") + m_path, db.lastError());

    // Reading the catalogue is the first real access: a file that is not a database fails here.
    QSqlQuery tables = run(db, QStringLiteral("select name from sqlite_master where type = 'table'"));
    int found = 0;
    while (tables.next())
        for (const char* name : tableNames)
            found += tables.value(0).toString() == QString::fromUtf8(name);
    // A file with no table at all is new (or its creation was cut off before the tables were
    // committed) and gets them; one with only some of them is damaged.
    if (found == 0)
        createTables();
    else if (found != int(std::size(tableNames)))
        throw SettingsError(m_path.toStdString() + " is not a complete settings database");
}

void SettingsDatabase::createTables()
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Transaction transaction(db);
    for (const char* statement : createStatements)
        run(db, QString::fromUtf8(statement));
    transaction.commit();
}

PhoneRecord SettingsDatabase::readPhone() const
{
    QSqlQuery row = run(QSqlDatabase::database(m_connection, false),
                        QStringLiteral("select 手机号码, 本地发, 远程发 from 手机 order by ID limit 1"));
    PhoneRecord phone;
    if (!row.next())
        return phone;
    phone.number = row.value(0).toString().trimmed();
    phone.localAlerts = row.value(1).toString() == QLatin1String("1");
    phone.remoteAlerts = row.value(2).toString() == QLatin1String("1");
    return phone;
}

WatchList SettingsDatabase::readWatchList() const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    WatchList watch;
    QSqlQuery second = run(db, QStringLiteral("select 综合, 大单成交, 大单买卖, 涨跌幅 from 第二波 order by ID"));
    while (second.next()) {
        watch.watchFlags << second.value(0).toString();
        watch.watchBigTrade << QString::number(integerOf(second.value(1), "大单成交"));
        watch.watchBigOrder << QString::number(integerOf(second.value(2), "大单买卖"));
        watch.watchRiseFall << QString::number(integerOf(second.value(3), "涨跌幅"));
    }
    QSqlQuery first = run(db, QStringLiteral("select 是否发, 股票代码, 股票名称 from 第一波 order by ID"));
    while (first.next()) {
        watch.watchBroadcast << QString::number(integerOf(first.value(0), "是否发"));
        watch.watchCodes << first.value(1).toString();
        watch.watchNames << first.value(2).toString();
    }
    QSqlQuery third = run(db, QStringLiteral("select 时间间隔, 是否发 from 第三波 order by ID"));
    while (third.next()) {
        watch.watchReportMinutes << third.value(0).toString();
        watch.watchReport << third.value(1).toString();
    }
    fitToFirstWave(watch);
    return watch;
}

void SettingsDatabase::saveWatchList(const WatchList& watch)
{
    if (watch.completeCount() != watch.size())
        throw SettingsError("the watch list's columns differ in length");
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Transaction transaction(db);
    for (const char* table : {"第一波", "第二波", "第三波"})
        run(db, QStringLiteral("delete from ") + QString::fromUtf8(table));
    for (int i = 0; i < watch.size(); ++i) {
        const QString code = fitted(watch.watchCodes[i], 6, "股票代码");
        // A name longer than its column keeps what fits, as the lookup's name is only shown.
        const QString name = watch.watchNames[i].left(stockNameWidth);
        run(db, QStringLiteral("insert into 第一波(是否发, 股票代码, 股票名称) values (?, ?, ?)"),
            {watch.watchBroadcast[i] == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0"),
             code, name});
        run(db,
            QStringLiteral("insert into 第二波(综合, 大单成交, 大单买卖, 涨跌幅, 股票代码, 股票名称) "
                           "values (?, ?, ?, ?, ?, ?)"),
            {fitted(watch.watchFlags[i], 4, "综合"), integerOf(watch.watchBigTrade[i], "大单成交"),
             integerOf(watch.watchBigOrder[i], "大单买卖"), integerOf(watch.watchRiseFall[i], "涨跌幅"),
             code, name});
        run(db,
            QStringLiteral("insert into 第三波(是否发, 时间间隔, 股票代码, 股票名称) values (?, ?, ?, ?)"),
            {fitted(watch.watchReport[i], 1, "是否发"), integerOf(watch.watchReportMinutes[i], "时间间隔"),
             code, name});
    }
    transaction.commit();
}

void SettingsDatabase::saveSwitches(bool localAlerts, bool remoteAlerts)
{
    const QString local = localAlerts ? QStringLiteral("1") : QStringLiteral("0");
    const QString remote = remoteAlerts ? QStringLiteral("1") : QStringLiteral("0");
    writePhoneRow(QStringLiteral("本地发 = ?, 远程发 = ?"), QStringLiteral("本地发, 远程发"), {local, remote});
}

void SettingsDatabase::savePhoneNumber(const QString& number)
{
    if (number.size() != 11)
        throw SettingsError("a phone number has 11 digits");
    writePhoneRow(QStringLiteral("手机号码 = ?"), QStringLiteral("手机号码"), {number});
}

void SettingsDatabase::writePhoneRow(const QString& assignments, const QString& columns,
                                     const QVariantList& values)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    Transaction transaction(db);
    QSqlQuery first = run(db, QStringLiteral("select ID from 手机 order by ID limit 1"));
    if (first.next()) {
        run(db, QStringLiteral("update 手机 set %1 where ID = ?").arg(assignments),
            QVariantList(values) << first.value(0));
    } else {
        const QString marks = QStringList(values.size(), QStringLiteral("?")).join(u", ");
        run(db, QStringLiteral("insert into 手机(%1) values (%2)").arg(columns, marks), values);
    }
    transaction.commit();
}

QString alertStatusText(bool localAlerts, bool remoteAlerts)
{
    return (localAlerts ? QStringLiteral("本机监视股价：启用") : QStringLiteral("本机监视股价：停止"))
           + (remoteAlerts ? QStringLiteral("  手机接收股价：启用") : QStringLiteral("  手机接收股价：停止"));
}

} // namespace store
