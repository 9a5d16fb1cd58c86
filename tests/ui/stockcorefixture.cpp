#include "stockcorefixture.h"

#include "ui/labelcolours.h"
#include "ui/main/toolbarstrip.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QToolButton>
#include <QWebEngineView>

#include <map>
#include <optional>
#include <stdexcept>

namespace uitest {

namespace {

struct Shown {
    const char* text;
    std::optional<QColor> colour = std::nullopt;
};

// The quote panel as the fixture's rows fill it.
const std::map<QString, std::map<QString, Shown>>& panelOf()
{
    static const std::map<QString, std::map<QString, Shown>> panels = {
        {QStringLiteral("000001"),
         {{"Label2", {"10.09元", green}},
          {"Label29", {"卖盘↓ 126手", green}},
          {"Label44", {"-0.39%", green}},
          {"Label8", {"384241手"}},
          {"Label7", {"38904.28万元"}},
          {"Label4", {"-0.04元", green}},
          {"Label23", {"最高价：10.19元"}},
          {"Label24", {"最低价：10.06元"}},
          {"Label25", {"开盘价：10.09元"}},
          {"Label37", {"10.10元(2144手)", green}},
          {"Label38", {"10.09元(713手)", red}}}},
        {QStringLiteral("600036"),
         {{"Label2", {"30.47元", red}},
          {"Label29", {"买盘↑ 84手", red}},
          {"Label44", {"0.85%", red}},
          {"Label8", {"325795手"}},
          {"Label7", {"98956.18万元"}},
          {"Label4", {"0.26元", red}},
          {"Label23", {"最高价：30.55元"}},
          {"Label24", {"最低价：30.14元"}},
          {"Label25", {"开盘价：30.39元"}},
          {"Label37", {"30.47元(2586手)", green}},
          {"Label38", {"30.46元(179手)", red}}}},
    };
    return panels;
}

QStringList* loggedWarnings = nullptr;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && loggedWarnings)
        loggedWarnings->append(message);
}

} // namespace

QString readGbk(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    QStringDecoder fromGbk("GBK");
    return fromGbk.decode(file.readAll());
}

void writeGbk(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QStringEncoder toGbk("GBK");
    file.write(toGbk.encode(text));
}

QStringList menuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

WarningLog::WarningLog()
{
    static QStringList warnings;
    warnings.clear();
    loggedWarnings = &warnings;
    m_previous = qInstallMessageHandler(recordWarning);
}

WarningLog::~WarningLog()
{
    qInstallMessageHandler(m_previous);
    loggedWarnings = nullptr;
}

QStringList WarningLog::refusals() const
{
    return loggedWarnings ? loggedWarnings->filter(QStringLiteral("refused a request"))
                          : QStringList();
}

void StockCoreTest::build()
{
    splash = std::make_unique<ui::TForm12>(false);
    window = std::make_unique<ui::TForm1>(objects.services(), *splash, false);
}

void StockCoreTest::start()
{
    build();
    window->show();
    ASSERT_TRUE(processEventsUntil([this] { return splash->isHidden(); }));
    window->timers().stop(app::MainTimer::Timer1);
    // The hidden big-order pages loaded at the first show: a lookup waits for them.
    ASSERT_TRUE(processEventsUntil([this] { return !window->bigOrderPagesLoading(); }));
}

QLabel& StockCoreTest::label(const char* name) const
{
    auto* found = window->findChild<QLabel*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no label ") + name);
    return *found;
}

QString StockCoreTest::file(const char* name) const
{
    return objects.dataDir.filePath(QString::fromLatin1(name));
}

void StockCoreTest::lookUp(const QString& code)
{
    processEventsUntil([this] { return !window->bigOrderPagesLoading(); });
    window->toolBar().codeBox().setText(code);
    window->toolBar().lookupButton().click();
}

QUrl StockCoreTest::stockPageUrl() const
{
    const auto* browser = window->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
    processEventsUntil([browser] { return !browser->url().isEmpty(); }, 3000);
    return browser->url();
}

QString StockCoreTest::boxTitle(const char* name) const
{
    return window->findChild<QGroupBox*>(QString::fromLatin1(name))->title();
}

void StockCoreTest::expectPanel(const QString& code) const
{
    for (const auto& [name, shown] : panelOf().at(code)) {
        const QLabel& l = label(name.toLatin1().constData());
        EXPECT_EQ(l.text(), QString::fromUtf8(shown.text)) << name.toStdString();
        if (shown.colour) {
            EXPECT_EQ(ui::textColour(l), *shown.colour) << name.toStdString();
        }
    }
}

void StockCoreTest::expectIndexBox() const
{
    EXPECT_EQ(label("Label31").text(), shanghaiLine);
    EXPECT_EQ(ui::textColour(label("Label31")), green);
    EXPECT_EQ(label("Label32").text(), shenzhenLine);
    EXPECT_EQ(ui::textColour(label("Label32")), red);
}

} // namespace uitest
