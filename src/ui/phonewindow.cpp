#include "ui/phonewindow.h"

#include "alerts/phoneregistration.h"
#include "app/codeentry.h"
#include "app/sites.h"
#include "net/browseropener.h"
#include "net/guard.h"
#include "ui/codekeyfilter.h"
#include "ui/codevalidator.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/linklabel.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

TForm4::TForm4(const Services& services, store::SettingsDatabase& database, QWidget* parent)
    : QWidget(parent), m_sites(services.sites), m_prompter(services.prompter),
      m_browserOpener(services.browserOpener), m_database(database)
{
    applyWindowEntry(*this, "TForm4");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(songFont(12));

    m_status = plainLabel(*this, {.name = "Label1", .geometry = QRect(10, 8, 325, 20), .fontPixels = 14, .bold = true});
    m_group = new QGroupBox(this);
    m_group->setObjectName(QStringLiteral("GroupBox1"));
    m_group->setGeometry(8, 32, 329, 66);
    QLabel* caption = plainLabel(*m_group, {.text = QStringLiteral("请输入手机号码：")});
    caption->adjustSize();
    caption->move(10, 29);
    m_numberBox = new QLineEdit(m_group);
    m_numberBox->setObjectName(QStringLiteral("Edit1"));
    m_numberBox->setMaxLength(app::phoneNumberLength);
    m_numberBox->setValidator(new CodeValidator(m_numberBox, app::phoneNumberLength));
    m_numberBox->installEventFilter(new CodeKeyFilter(m_numberBox));
    m_numberBox->setGeometry(112, 26, 120, 22);
    auto* confirm = new QPushButton(QStringLiteral("确定"), m_group);
    confirm->setObjectName(QStringLiteral("BitBtn1"));
    confirm->setGeometry(244, 25, 64, 24);
    connect(confirm, &QPushButton::clicked, this, [this] { net::runGuarded([this] { BitBtn1Click(); }); });
    connect(m_numberBox, &QLineEdit::returnPressed, confirm, &QPushButton::click);

    auto* help = new LinkLabel("Label3", QStringLiteral("有关移动飞信的使用说明点这里"), *this);
    help->move(10, 112);
    connect(help, &LinkLabel::clicked, this, [this] { m_browserOpener.open(m_sites.phoneServiceHome); });
    auto* contact = new LinkLabel("Label10", QStringLiteral("联系作者请点这里"), *this);
    contact->move(230, 112);
    connect(contact, &LinkLabel::clicked, this, [this] { m_browserOpener.open(m_sites.authorContact); });
}

void TForm4::openFor(bool phoneOnRecord, const QString& number)
{
    if (phoneOnRecord) {
        m_group->setTitle(QStringLiteral("更改手机号码"));
        m_numberBox->setText(number);
        m_status->setText(QStringLiteral("您现在替换要接收股价的手机号码！"));
        setTextColour(*m_status, QColor(0, 0, 255));
    } else {
        m_group->setTitle(QStringLiteral("新添加手机号码"));
        m_numberBox->clear();
        m_status->setText(QStringLiteral("您尚未添加要接收股价的手机号码！"));
        setTextColour(*m_status, QColor(255, 0, 0));
    }
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
    m_numberBox->setFocus();
}

void TForm4::BitBtn1Click()
{
    const QString number = m_numberBox->text();
    if (alerts::phoneNumberRefusal(number))
        m_numberBox->setFocus();
    alerts::registerPhone(m_client, m_sites.serviceBase, m_database, number, m_prompter);
    emit registered(number);
    close();
}

void TForm4::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace ui
