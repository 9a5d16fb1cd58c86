#include "alerts/alertsettingseditor.h"

#include "alerts/phoneregistration.h"
#include "alerts/watchedits.h"

namespace alerts {

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

int flagPosition(SettingOption option)
{
    switch (option) {
    case SettingOption::LimitFlag:
        return 0;
    case SettingOption::RiseFallFlag:
        return 1;
    case SettingOption::BigTradeFlag:
        return 2;
    case SettingOption::BigOrderFlag:
        return 3;
    default:
        return -1;
    }
}

} // namespace

void AlertSettingsEditor::open(const store::WatchList& saved, const store::PhoneRecord& phone)
{
    m_watch = saved;
    store::fitToFirstWave(m_watch);
    m_selected = -1;
    m_number = phone.number;
    m_localAlerts = phone.localAlerts;
    m_remoteAlerts = phone.remoteAlerts;
}

QStringList AlertSettingsEditor::entries() const
{
    QStringList entries;
    for (int i = 0; i < m_watch.size(); ++i)
        entries << m_watch.watchNames.value(i).trimmed() + u'(' + m_watch.watchCodes[i] + u')';
    return entries;
}

bool AlertSettingsEditor::select(int index)
{
    m_selected = index >= 0 && index < m_watch.completeCount() ? index : -1;
    return m_selected >= 0;
}

std::optional<SelectedSettings> AlertSettingsEditor::selected() const
{
    if (!hasSelection())
        return std::nullopt;
    const int i = m_selected;
    const QString flags = m_watch.watchFlags.value(i);
    SelectedSettings s;
    s.name = m_watch.watchNames.value(i);
    s.broadcast = m_watch.watchBroadcast.value(i) == QLatin1String("1");
    for (int f = 0; f < 4; ++f)
        s.flags[std::size_t(f)] = flags.mid(f, 1) == QLatin1String("1");
    s.riseFall = m_watch.watchRiseFall.value(i);
    s.bigTrade = m_watch.watchBigTrade.value(i);
    s.bigOrder = m_watch.watchBigOrder.value(i);
    s.reportMinutes = m_watch.watchReportMinutes.value(i);
    s.report = m_watch.watchReport.value(i) == QLatin1String("1");
    return s;
}

std::optional<QString> AlertSettingsEditor::add(
    const QString& code, const std::function<QString(const QString& code)>& lookupName)
{
    if (code.size() != 6)
        return codeLengthMessage();
    if (indexOfCode(m_watch, code) >= 0)
        return alreadyWatchedMessage();
    const QString name = lookupName(code);
    if (name.isEmpty())
        return unknownCodeMessage();
    appendStock(m_watch, code, name);
    m_selected = m_watch.size() - 1;
    return std::nullopt;
}

std::optional<QString> AlertSettingsEditor::removeSelected()
{
    if (!hasSelection())
        return noSelectionMessage();
    removeStock(m_watch, m_selected);
    select(0);
    return std::nullopt;
}

void AlertSettingsEditor::setOption(SettingOption option, bool on)
{
    if (!hasSelection())
        return;
    StockSettings change;
    if (option == SettingOption::Broadcast) {
        change.broadcast = onOff(on);
    } else if (option == SettingOption::Report) {
        change.report = onOff(on);
    } else {
        // The other three characters stay as they are.
        QString flags = m_watch.watchFlags[m_selected].leftJustified(4, u'0', true);
        flags[flagPosition(option)] = on ? u'1' : u'0';
        change.flags = flags;
    }
    applySettings(m_watch, m_selected, change);
}

void AlertSettingsEditor::setChoice(SettingChoice choice, const QString& value)
{
    if (!hasSelection())
        return;
    StockSettings change;
    switch (choice) {
    case SettingChoice::RiseFall:
        change.riseFall = value;
        break;
    case SettingChoice::BigTrade:
        change.bigTrade = value;
        break;
    case SettingChoice::BigOrder:
        change.bigOrder = value;
        break;
    case SettingChoice::ReportMinutes:
        change.reportMinutes = value;
        break;
    }
    // The windows offer only the listed values; anything else is not written.
    if (!settingsRefusal(change))
        applySettings(m_watch, m_selected, change);
}

QString AlertSettingsEditor::shownNumber() const
{
    return phoneOnRecord() ? m_number : placeholderPhoneNumber();
}

EditedSettings AlertSettingsEditor::edited() const
{
    return {m_watch, m_localAlerts, remoteAlerts(), m_number};
}

QString noSelectionMessage()
{
    return QStringLiteral("请选择要删除的股票");
}

QString settingsUnreadableMessage()
{
    return QStringLiteral("读取股价提示设置失败，设置文件已损坏或正被占用!");
}

QString leaveUnsavedQuestion()
{
    return QStringLiteral(" 确实不要保存所作的修改吗？");
}

} // namespace alerts
