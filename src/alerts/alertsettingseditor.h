#pragma once

#include "alerts/settingssave.h"
#include "store/watchlist.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace alerts {

// One column of the selected stock's settings, as the settings window's controls edit them.
enum class SettingOption {
    Broadcast,   // "开盘价、收盘价"
    LimitFlag,   // "涨停或跌停"
    RiseFallFlag,
    BigTradeFlag,
    BigOrderFlag,
    Report,      // the phone's periodic report
};
enum class SettingChoice { RiseFall, BigTrade, BigOrder, ReportMinutes };

// What the option controls show for the selected stock.
struct SelectedSettings {
    QString name;
    bool broadcast = false;
    std::array<bool, 4> flags{}; // limit, rise/fall, big trade, big order
    QString riseFall;
    QString bigTrade;
    QString bigOrder;
    QString reportMinutes;
    bool report = false;
};

// The settings window's state: a copy of the saved watch list that the user edits, the stock
// selected for editing, the number on record and the two delivery switches. The engine keeps
// the saved list until a save, so a window left without saving changes nothing.
class AlertSettingsEditor final {
public:
    // Opening: the saved list and phone record, nothing selected.
    void open(const store::WatchList& saved, const store::PhoneRecord& phone);

    const store::WatchList& watchList() const { return m_watch; }
    // The stock list's entries: name + "(" + code + ")".
    QStringList entries() const;
    int selectedStock() const { return m_selected; }
    // Selects the entry (or nothing, for -1); false when nothing is selected afterwards.
    bool select(int index);
    std::optional<SelectedSettings> selected() const;

    // Adds the code as a new stock with the defaults and selects it; the message that refuses
    // it otherwise. lookupName gives the feed's name, empty for a code it does not know (and may
    // end the chain with a silent abort when the feed cannot be reached).
    std::optional<QString> add(const QString& code,
                               const std::function<QString(const QString& code)>& lookupName);
    // Deletes the selected stock and selects the first one left; the message when nothing is
    // selected.
    std::optional<QString> removeSelected();

    // Each writes at the selected stock; nothing happens without one.
    void setOption(SettingOption option, bool on);
    void setChoice(SettingChoice choice, const QString& value);

    bool phoneOnRecord() const { return !m_number.isEmpty(); }
    // The number on record, or the placeholder while there is none.
    QString shownNumber() const;
    void numberRegistered(const QString& number) { m_number = number; }

    bool localAlerts() const { return m_localAlerts; }
    // Phone delivery is on only with a number on record.
    bool remoteAlerts() const { return m_remoteAlerts && phoneOnRecord(); }
    void setLocalAlerts(bool on) { m_localAlerts = on; }
    void setRemoteAlerts(bool on) { m_remoteAlerts = on; }

    // What the save writes.
    EditedSettings edited() const;

private:
    bool hasSelection() const { return m_selected >= 0 && m_selected < m_watch.completeCount(); }

    store::WatchList m_watch;
    int m_selected = -1;
    QString m_number;
    bool m_localAlerts = false;
    bool m_remoteAlerts = false;
};

QString noSelectionMessage();
// The settings database could not be read when the window was to open.
QString settingsUnreadableMessage();
// The question before the window is left without saving.
QString leaveUnsavedQuestion();

} // namespace alerts
