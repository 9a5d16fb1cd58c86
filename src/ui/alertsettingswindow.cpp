#include "ui/alertsettingswindow.h"

#include "alerts/localalerts.h"
#include "alerts/watchedits.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "net/browseropener.h"
#include "net/guard.h"
#include "ui/artwork.h"
#include "ui/codekeyfilter.h"
#include "ui/codevalidator.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/linklabel.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace ui {

namespace {

using alerts::SettingChoice;
using alerts::SettingOption;

constexpr std::array<SettingOption, 6> optionOfBox = {
    SettingOption::Broadcast,    SettingOption::LimitFlag,    SettingOption::RiseFallFlag,
    SettingOption::BigTradeFlag, SettingOption::BigOrderFlag, SettingOption::Report};
constexpr std::array<SettingChoice, 4> choiceOfBox = {
    SettingChoice::RiseFall, SettingChoice::BigTrade, SettingChoice::BigOrder, SettingChoice::ReportMinutes};

QPushButton* button(QWidget& parent, const char* name, const QString& text, const QRect& at)
{
    auto* b = new QPushButton(text, &parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(at);
    return b;
}

QGroupBox* group(QWidget& parent, const char* name, const QString& title, const QRect& at)
{
    auto* g = new QGroupBox(title, &parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(at);
    return g;
}

void caption(QWidget& parent, const QString& text, const QPoint& at)
{
    QLabel* label = plainLabel(parent, {.text = text});
    label->adjustSize();
    label->move(at.x(), at.y() + 3);
}

void setListText(QComboBox& box, const QString& value)
{
    box.setCurrentIndex(box.findText(value));
}

} // namespace

TForm3::TForm3(const Services& services, alerts::LocalAlerts& alerts, QWidget* parent)
    : QWidget(parent), m_sites(services.sites), m_prompter(services.prompter),
      m_browserOpener(services.browserOpener), m_alerts(alerts)
{
    applyWindowEntry(*this, "TForm3");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(songFont(12));
    buildStockGroup();
    buildOptionGroup();
    buildBottomRow();
    connectOptions();
    enableOptions(false);
}

void TForm3::buildStockGroup()
{
    QGroupBox* box = group(*this, "GroupBox1", QStringLiteral("第一步：添加要关注的股票"), QRect(8, 6, 292, 236));
    caption(*box, QStringLiteral("请输入股票代码："), QPoint(10, 22));
    m_codeBox = new QLineEdit(box);
    m_codeBox->setObjectName(QStringLiteral("Edit1"));
    m_codeBox->setMaxLength(app::stockCodeLength);
    m_codeBox->setValidator(new CodeValidator(m_codeBox));
    m_codeBox->installEventFilter(new CodeKeyFilter(m_codeBox));
    m_codeBox->setGeometry(112, 22, 72, 22);
    QPushButton* add = button(*box, "BitBtn1", QStringLiteral("确定"), QRect(192, 21, 60, 24));
    connect(add, &QPushButton::clicked, this, [this] { net::runGuarded([this] { BitBtn1Click(); }); });
    connect(m_codeBox, &QLineEdit::returnPressed, add, &QPushButton::click);

    m_nameLabel = plainLabel(*box, {.name = "Label12", .geometry = QRect(10, 50, 120, 26), .fontPixels = 19, .bold = true});
    setTextColour(*m_nameLabel, QColor(255, 0, 0));
    m_priceLabel = plainLabel(*box, {.name = "Label13", .geometry = QRect(132, 54, 152, 20)});
    QLabel* listCaption = plainLabel(
        *box, {.text = QStringLiteral("已存在的股票：(要修改提示设置，请先选择股票名称）"), .geometry = QRect(10, 78, 276, 32)});
    listCaption->setWordWrap(true);
    m_list = new QListWidget(box);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setGeometry(10, 112, 190, 116);
    // Whatever moves the current row (a click, the arrow keys, Home and End, typing a letter)
    // shows that stock's settings, so the options and "删除" act on the highlighted stock.
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { delclick(); });
    connect(m_list, &QListWidget::itemClicked, this, [this] { delclick(); });
    QPushButton* remove = button(*box, "BitBtn2", QStringLiteral("删除"), QRect(208, 112, 64, 24));
    connect(remove, &QPushButton::clicked, this, [this] { net::runGuarded([this] { BitBtn2Click(); }); });
    caption(*box, QStringLiteral("（选中点删除）"), QPoint(204, 140));
}

QCheckBox* TForm3::addCheckBox(QWidget& parent, const char* name, const QString& text, const QPoint& at)
{
    auto* box = new QCheckBox(text, &parent);
    box->setObjectName(QString::fromLatin1(name));
    box->adjustSize();
    box->move(at);
    return box;
}

QComboBox* TForm3::addComboBox(QWidget& parent, const char* name, const QStringList& items, const QRect& at)
{
    auto* box = new QComboBox(&parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setEditable(false);
    box->setGeometry(at);
    return box;
}

void TForm3::buildOptionGroup()
{
    QGroupBox* box = group(*this, "GroupBox2", QStringLiteral("第二步：设置要提示的内容"), QRect(308, 6, 372, 236));
    m_options[0] = addCheckBox(*box, "CheckBox1", QStringLiteral("开盘价、收盘价"), QPoint(10, 20));
    m_options[1] = addCheckBox(*box, "CheckBox2", QStringLiteral("涨停或跌停"), QPoint(10, 42));
    m_options[2] = addCheckBox(*box, "CheckBox3", QStringLiteral("涨幅或跌幅超过"), QPoint(10, 66));
    m_choices[0] = addComboBox(*box, "ComboBox1", {"2", "3", "4", "5", "6", "7", "8", "9"}, QRect(124, 64, 44, 22));
    caption(*box, QStringLiteral("%"), QPoint(172, 66));
    m_options[3] = addCheckBox(*box, "CheckBox4", QStringLiteral("当有"), QPoint(10, 92));
    m_choices[1] = addComboBox(*box, "ComboBox2", {"4", "5", "6"}, QRect(64, 90, 44, 22));
    caption(*box, QStringLiteral("位数大单成交"), QPoint(112, 92));
    m_options[4] = addCheckBox(*box, "CheckBox5", QStringLiteral("当前有"), QPoint(10, 118));
    m_choices[2] = addComboBox(*box, "ComboBox3", {"4", "5", "6"}, QRect(76, 116, 44, 22));
    caption(*box, QStringLiteral("位数大单挂在买入或卖出价"), QPoint(124, 118));
    QLabel* note = plainLabel(*box, {.text = QStringLiteral("（注：大盘股设5位数，小盘股设4位数）"),
                                     .geometry = QRect(28, 140, 300, 16)});
    setTextColour(*note, QColor(255, 0, 0));
    m_options[5] = addCheckBox(*box, "CheckBox6", QStringLiteral("每"), QPoint(10, 160));
    m_choices[3] = addComboBox(*box, "ComboBox4", {"10", "20", "30", "60"}, QRect(52, 158, 48, 22));
    caption(*box, QStringLiteral("分钟播报一次股价(只适用于短信提示)"), QPoint(104, 160));
    buildPhoneBox(*box);
}

void TForm3::buildPhoneBox(QGroupBox& parent)
{
    QGroupBox* box = group(parent, "GroupBox3", QStringLiteral("接收股价变动的手机号码"), QRect(8, 184, 356, 46));
    m_numberLabel = plainLabel(*box, {.name = "Label1", .geometry = QRect(10, 18, 120, 22), .fontPixels = 14, .bold = true});
    setTextColour(*m_numberLabel, QColor(255, 0, 0));
    auto* link = new LinkLabel("Label14", QStringLiteral("点这里添加或修改号码"), *box);
    link->move(170, 22);
    connect(link, &LinkLabel::clicked, this, &TForm3::phoneWindowRequested);
}

void TForm3::buildBottomRow()
{
    QLabel* picture = plainLabel(*this, {.name = "Image1", .geometry = QRect(8, 248, 30, 30)});
    picture->setPixmap(toolIcon(QStringLiteral("提"), 0).pixmap(28, 28));
    auto* contact = new LinkLabel("Label10", QStringLiteral("联系作者请点这里"), *this);
    contact->move(44, 258);
    connect(contact, &LinkLabel::clicked, this,
            [this] { m_browserOpener.open(m_sites.authorContact); });
    m_localBox = addCheckBox(*this, "CheckBox8", QStringLiteral("在电脑上提示我"), QPoint(156, 246));
    m_remoteBox = addCheckBox(*this, "CheckBox7", QStringLiteral("把以上信息通过移动飞信发送到我的手机上"), QPoint(156, 264));
    connect(m_localBox, &QCheckBox::clicked, this, [this](bool on) { m_editor.setLocalAlerts(on); });
    connect(m_remoteBox, &QCheckBox::clicked, this, [this](bool on) { m_editor.setRemoteAlerts(on); });
    QPushButton* save = button(*this, "BitBtn3", QStringLiteral("保存退出"), QRect(508, 250, 82, 28));
    connect(save, &QPushButton::clicked, this, [this] { net::runGuarded([this] { BitBtn3Click(); }); });
    QPushButton* leave = button(*this, "BitBtn4", QStringLiteral("不保存退出"), QRect(598, 250, 82, 28));
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
}

// Only the user's own clicks and picks write: showing a stock's settings sets the controls
// without touching the list.
void TForm3::connectOptions()
{
    for (std::size_t i = 0; i < m_options.size(); ++i)
        connect(m_options[i], &QCheckBox::clicked, this,
                [this, i](bool on) { m_editor.setOption(optionOfBox[i], on); });
    for (std::size_t i = 0; i < m_choices.size(); ++i)
        connect(m_choices[i], &QComboBox::activated, this, [this, i](int) {
            m_editor.setChoice(choiceOfBox[i], m_choices[i]->currentText());
        });
}

void TForm3::serve(QAction& openCommand)
{
    connect(&openCommand, &QAction::triggered, this,
            [this] { net::runGuarded([this] { openSettings(); }); });
}

void TForm3::openSettings()
{
    if (isVisible())
        return;
    store::WatchList saved;
    store::PhoneRecord phone;
    try {
        saved = m_alerts.database().readWatchList();
        phone = m_alerts.database().readPhone();
    } catch (const store::SettingsError&) {
        m_prompter.error(alerts::settingsUnreadableMessage());
        return;
    }
    emit opening();
    m_editor.open(saved, phone);
    enableOptions(false);
    m_codeBox->clear();
    m_nameLabel->clear();
    m_priceLabel->clear();
    showList();
    showPhone();
    m_localBox->setChecked(m_editor.localAlerts());
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void TForm3::showList()
{
    // Refilling moves the current row on its way; the stock stays the editor's selection.
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_list->addItems(m_editor.entries());
    if (m_editor.selectedStock() >= 0)
        m_list->setCurrentRow(m_editor.selectedStock());
}

void TForm3::showPhone()
{
    m_numberLabel->setText(m_editor.shownNumber());
    m_remoteBox->setEnabled(m_editor.phoneOnRecord());
    m_remoteBox->setChecked(m_editor.remoteAlerts());
}

void TForm3::numberRegistered(const QString& number)
{
    m_editor.numberRegistered(number);
    showPhone();
}

void TForm3::enableOptions(bool enabled)
{
    for (QCheckBox* box : m_options)
        box->setEnabled(enabled);
    for (QComboBox* box : m_choices)
        box->setEnabled(enabled);
}

void TForm3::delclick()
{
    const bool selected = m_editor.select(m_list->currentRow());
    enableOptions(selected);
    const auto s = m_editor.selected();
    if (!selected || !s)
        return;
    m_nameLabel->setText(s->name);
    m_priceLabel->clear();
    m_options[0]->setChecked(s->broadcast);
    for (std::size_t f = 0; f < s->flags.size(); ++f)
        m_options[f + 1]->setChecked(s->flags[f]);
    m_options[5]->setChecked(s->report);
    setListText(*m_choices[0], s->riseFall);
    setListText(*m_choices[1], s->bigTrade);
    setListText(*m_choices[2], s->bigOrder);
    setListText(*m_choices[3], s->reportMinutes);
}

void TForm3::BitBtn1Click()
{
    alerts::LookedUpStock found;
    const auto refusal = m_editor.add(m_codeBox->text(), [&](const QString& code) {
        m_nameLabel->clear();
        m_priceLabel->clear();
        found = alerts::lookupWatchStock(m_client, m_sites.quoteSite, code, m_prompter);
        m_nameLabel->setText(found.name);
        return found.name;
    });
    if (refusal) {
        m_prompter.error(*refusal);
        m_codeBox->setFocus();
        return;
    }
    showList();
    delclick();
    m_priceLabel->setText(found.priceText);
    setTextColour(*m_priceLabel, toQColor(quotes::colourOf(found.direction)));
}

void TForm3::BitBtn2Click()
{
    if (const auto refusal = m_editor.removeSelected()) {
        m_prompter.error(*refusal);
        return;
    }
    showList();
    delclick();
}

void TForm3::BitBtn3Click()
{
    const QString status =
        alerts::saveAlertSettings(m_alerts, m_editor.edited(), m_client, m_sites.serviceBase, m_prompter);
    emit saved(status, m_alerts.watchList().size());
    m_closingAfterSave = true;
    close();
    m_closingAfterSave = false;
}

void TForm3::closeEvent(QCloseEvent* event)
{
    if (!m_closingAfterSave && !m_prompter.ask(alerts::leaveUnsavedQuestion())) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (!m_closingAfterSave)
        emit left();
}

} // namespace ui
