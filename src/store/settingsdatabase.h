#pragma once

// The settings database gpbd0856.dat in systemDir, an SQLite file with four tables:
//
//   手机    ID, 手机号码 char(11), 本地发 char(1), 远程发 char(1), 状态 char(1), 设置日期 datetime
//   第一波  ID, 是否发 char(1), 股票代码 char(6), 股票名称 char(10)
//   第二波  ID, 综合 char(4), 涨停 char(1), 大单成交 int, 大单买卖 int, 涨跌幅 int, 股票代码, 股票名称
//   第三波  ID, 是否发 char(1), 时间间隔 int, 股票代码 char(6), 股票名称 char(10)
//
// ID is an ascending auto-numbered key. Only the first row of 手机 is used. The three wave tables
// hold the same stocks in the same order and are paired by position, never by code; the save
// rewrites all three in one transaction, so a crash leaves the old list or the new one.

#include "store/watchlist.h"

#include <QString>
#include <QVariantList>

#include <stdexcept>

namespace store {

// The file cannot be opened, is locked, damaged or not a settings database, or a value cannot
// be stored.
class SettingsError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsDatabase final {
public:
    static constexpr const char* fileName = "gpbd0856.dat";

    explicit SettingsDatabase(const QString& dir);
    ~SettingsDatabase();
    Q_DISABLE_COPY_MOVE(SettingsDatabase)

    QString path() const { return m_path; }

    // Opens the file, creating the four tables in one transaction when it is new (or holds no
    // table at all). Throws SettingsError.
    void open();

    // The first row of 手机; nothing registered and both switches off when there is none.
    PhoneRecord readPhone() const;
    // The three wave tables, each in ID order, paired by position and fitted to the first wave
    // (fitToFirstWave). Throws SettingsError for a value that is not a number where a number
    // belongs.
    WatchList readWatchList() const;

    // The save: empties the three wave tables and appends one row per stock to each, in list
    // order, code and name for all three from the first-wave lists; one transaction. Throws
    // SettingsError, and nothing is changed, when a value does not fit its column.
    void saveWatchList(const WatchList& watch);
    // The switches of the phone row (added when there is none), in a transaction of their own.
    void saveSwitches(bool localAlerts, bool remoteAlerts);
    // The registered number into the phone row (added when there is none), in a transaction of
    // its own. Throws SettingsError.
    void savePhoneNumber(const QString& number);

private:
    class Transaction;

    void createTables();
    // Sets the columns of the first phone row, or adds the row with them.
    void writePhoneRow(const QString& assignments, const QString& columns, const QVariantList& values);

    QString m_path;
    QString m_connection;
};

// The alert status of the status bar: "本机监视股价：启用" or "…停止", then
// "  手机接收股价：启用" or "…停止".
QString alertStatusText(bool localAlerts, bool remoteAlerts);

} // namespace store
