// Arbitrary sequences of the settings window's edits: adds of any text, deletes, selections,
// ticks and picks of any value. The nine lists always stay in step, every flag text keeps its
// four characters, and the service copy of the result has 4 + b + n + r requests.
#include "alerts/alertsettingseditor.h"
#include "alerts/remotesync.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QString codeFrom(const uint8_t* data, size_t size)
{
    QString code;
    for (size_t i = 0; i < size; ++i)
        code += QChar(u'0' + data[i] % 11); // now and then a character that is no digit
    return code;
}

void checkInStep(const store::WatchList& w)
{
    const int n = w.size();
    for (const QStringList* list : {&w.watchBroadcast, &w.watchNames, &w.watchFlags, &w.watchBigTrade,
                                    &w.watchBigOrder, &w.watchRiseFall, &w.watchReportMinutes, &w.watchReport})
        check(list->size() == n);
    for (const QString& flags : w.watchFlags)
        check(flags.size() == 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    alerts::AlertSettingsEditor editor;
    editor.open({}, {QStringLiteral("13812345678"), true, true});
    for (size_t i = 0; i + 1 < size; i += 2) {
        const uint8_t op = data[i];
        const uint8_t arg = data[i + 1];
        switch (op % 5) {
        case 0: {
            const size_t length = std::min<size_t>(arg % 8, size - i - 2);
            editor.add(codeFrom(data + i + 2, length),
                       [arg](const QString& code) { return arg & 1 ? QString() : QStringLiteral("名") + code; });
            break;
        }
        case 1:
            editor.removeSelected();
            break;
        case 2:
            editor.select(int(arg % 12) - 2);
            break;
        case 3:
            editor.setOption(alerts::SettingOption(arg % 6), arg & 0x80);
            break;
        case 4:
            editor.setChoice(alerts::SettingChoice(arg % 4), QString::number(arg % 70));
            break;
        }
        checkInStep(editor.watchList());
        check(editor.selectedStock() < editor.watchList().size());
    }
    const store::WatchList& w = editor.watchList();
    const auto requests = alerts::remoteSyncRequests(w, QStringLiteral("13812345678"), true);
    check(requests.size() == std::size_t(4 + w.watchBroadcast.count(QStringLiteral("1")) + w.size()
                                         + w.watchReport.count(QStringLiteral("1"))));
    return 0;
}
