#include "ui/capitalflowwindow.h"

#include "analytics/capitalflow.h"
#include "app/prompter.h"
#include "app/sites.h"
#include "app/stocklookup.h"
#include "net/guard.h"
#include "net/pagetext.h"
#include "ui/chartdrawing.h"
#include "ui/codekeyfilter.h"
#include "ui/codevalidator.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/services.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QChartView>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <stdexcept>

namespace ui {

namespace {

using analytics::InvestorClass;

// The slot lines over the chart and the classes' colours, from 散户 to 主力.
constexpr int slotLines[] = {119, 173, 227, 284, 338, 394, 448};
const QColor classColours[] = {QColor(0, 0, 255), QColor(0, 128, 0), QColor(255, 255, 0),
                               QColor(255, 0, 0)};

// The dotted navy lines that mark the slots, drawn over the chart.
class SlotLines final : public QWidget {
public:
    explicit SlotLines(QWidget& chart) : QWidget(&chart)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(chart.rect());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
        for (int x : slotLines)
            painter.drawLine(x, 0, x, height());
    }
};

void legendEntry(QWidget& parent, int top, const QString& name, const QColor& colour)
{
    QLabel* square = plainLabel(parent, {.geometry = QRect(498, top + 3, 10, 10)});
    square->setAutoFillBackground(true);
    setCellGround(*square, colour);
    plainLabel(parent, {.text = name, .geometry = QRect(512, top, 44, 16), .fontPixels = 12});
}

} // namespace

TForm18::TForm18(const Services& services, QWidget* parent)
    : QWidget(parent),
      m_sites(services.sites),
      m_prompter(services.prompter),
      m_picture(plainLabel(*this, {.name = "Image1", .geometry = QRect(9, 4, 545, 300)})),
      m_notice(plainLabel(*this, {.name = "Label8",
                                  .text = QStringLiteral("因统计服务器问题，今日数据可能不准确"),
                                  .geometry = QRect(9, 8, 545, 18),
                                  .fontPixels = 12,
                                  .bold = true,
                                  .alignment = Qt::AlignCenter})),
      m_error(plainLabel(*this, {.name = "Label6",
                                 .text = analytics::capitalFlowFailedText(),
                                 .geometry = QRect(9, 140, 545, 18),
                                 .fontPixels = 12,
                                 .alignment = Qt::AlignCenter})),
      m_chart(namedChart("Chart1", *this, QRect(4, 306, 537, 138)))
{
    applyWindowEntry(*this, "TForm18");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(songFont(12));
    m_picture->setScaledContents(true);
    setTextColour(*m_error, QColor(255, 0, 0));
    m_error->hide();
    // The fixed legend lies over the chart's right part.
    m_chart->chart()->setMargins(QMargins(2, 2, 56, 2));
    new SlotLines(*m_chart);
    const QString names[] = {QStringLiteral("主力"), QStringLiteral("大户"), QStringLiteral("中户"),
                             QStringLiteral("散户")};
    for (int i = 0; i < 4; ++i)
        legendEntry(*this, 318 + 20 * i, names[i], classColours[3 - i]);
    plainLabel(*this, {.text = QStringLiteral("单位：手"), .geometry = QRect(498, 400, 60, 16)});
    buildBottomRow();
}

void TForm18::buildBottomRow()
{
    plainLabel(*this, {.text = QStringLiteral("查看其他股票，请输入代码"), .geometry = QRect(6, 452, 150, 18)});
    m_codeBox = new QLineEdit(this);
    m_codeBox->setObjectName(QStringLiteral("Edit1"));
    m_codeBox->setMaxLength(6);
    m_codeBox->setValidator(new CodeValidator(m_codeBox));
    m_codeBox->installEventFilter(new CodeKeyFilter(m_codeBox));
    m_codeBox->setGeometry(156, 450, 62, 22);
    auto* view = new QPushButton(QStringLiteral("查看"), this);
    view->setObjectName(QStringLiteral("Button1"));
    view->setGeometry(222, 449, 48, 24);
    connect(view, &QPushButton::clicked, this, [this] { net::runGuarded([this] { Button1Click(); }); });
    connect(m_codeBox, &QLineEdit::returnPressed, view, &QPushButton::click);
    m_inflow = plainLabel(*this, {.name = "Label9", .geometry = QRect(276, 446, 286, 15), .bold = true});
    setTextColour(*m_inflow, QColor(255, 0, 0));
    m_outflow = plainLabel(*this, {.name = "Label10", .geometry = QRect(276, 461, 286, 15), .bold = true});
    setTextColour(*m_outflow, QColor(0, 128, 0));
}

bool TForm18::openFor(const QString& code)
{
    m_picture->clear();
    m_inflow->clear();
    m_outflow->clear();
    m_codeBox->clear();
    if (!load(code))
        return false;
    centreOnScreen(*this);
    show();
    return true;
}

void TForm18::Button1Click()
{
    // A click while a load waits for its reply does nothing: the client is busy.
    if (m_client.busy())
        return;
    const QString code = m_codeBox->text();
    if (const std::optional<QString> refusal = app::codeRefusal(code)) {
        m_prompter.error(*refusal);
        m_codeBox->setFocus();
        return;
    }
    m_picture->clear();
    load(code);
}

bool TForm18::load(const QString& code)
{
    try {
        getdatapic(code);
        getnowdata(code);
        return true;
    } catch (const std::exception&) {
        m_error->show();
        return false;
    }
}

void TForm18::getdatapic(const QString& code)
{
    m_error->hide();
    const QByteArray bytes = m_client.get(m_sites.chartImageSite + analytics::minuteChartPath(code));
    const QImage picture = QImage::fromData(bytes, "GIF");
    if (picture.isNull())
        throw std::runtime_error("the minute chart is not a GIF picture");
    m_picture->setPixmap(QPixmap::fromImage(picture));
}

void TForm18::getnowdata(const QString& code)
{
    m_error->hide();
    const QString page = net::fetchText(m_client, m_sites.capitalFlowSite + analytics::capitalFlowPath(code));
    const std::optional<analytics::CapitalFlowView> view =
        analytics::capitalFlowView(analytics::readCapitalFlowPage(page));
    if (!view)
        throw std::runtime_error("a capital-flow figure that does not convert");
    m_notice->setText(view->notice);
    setTextColour(*m_notice, toQColor(view->noticeColour));
    m_inflow->setText(view->inflowLine);
    m_outflow->setText(view->outflowLine);

    std::vector<std::vector<double>> bars(4);
    for (const auto& slot : view->slotSums)
        for (int c = 0; c < 4; ++c)
            bars[std::size_t(c)].push_back(double(slot[std::size_t(c)]));
    QStringList names;
    for (InvestorClass c : {InvestorClass::Retail, InvestorClass::Medium, InvestorClass::Large, InvestorClass::Main})
        names << analytics::investorClassName(c);
    drawClassBars(*m_chart->chart(), bars, names,
                  {classColours[0], classColours[1], classColours[2], classColours[3]});
}

void TForm18::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace ui
