#include "ui/flowpopup.h"

#include "analytics/flowmonitor.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace ui {

namespace {

const QRect picturePlace(80, 6, 50, 25);

QLabel* picture(QWidget& parent, const char* name, const QString& words, const QColor& ground)
{
    QLabel* label = plainLabel(parent, {.name = name, .geometry = picturePlace});
    label->setPixmap(badgePicture(picturePlace.size(), words, ground));
    return label;
}

} // namespace

TForm10::TForm10(QWidget* parent)
    : QWidget(parent),
      m_inflow(picture(*this, "Image1", QStringLiteral("流入"), QColor(255, 0, 0))),
      m_outflow(picture(*this, "Image2", QStringLiteral("流出"), QColor(0, 128, 0))),
      m_stock(plainLabel(*this, {.name = "Label2", .geometry = QRect(136, 8, 215, 20),
                                 .fontPixels = 14, .bold = true})),
      m_message(plainLabel(*this, {.name = "Label1", .geometry = QRect(0, 36, 356, 18),
                                   .fontPixels = 12, .bold = true, .alignment = Qt::AlignCenter})),
      m_totals(plainLabel(*this, {.name = "Label3", .geometry = QRect(0, 56, 356, 18),
                                  .fontPixels = 12, .alignment = Qt::AlignCenter})),
      m_pause(new QCheckBox(QStringLiteral("暂停提示"), this))
{
    applyWindowEntry(*this, "TForm10");
    makePopup(*this);
    setFont(songFont(12));
    setTextColour(*m_stock, QColor(0, 0, 128));
    m_outflow->hide();
    m_pause->setObjectName(QStringLiteral("CheckBox1"));
    m_pause->setGeometry(4, 77, 90, 18);
}

void TForm10::showTotals(const analytics::FlowTotals& totals)
{
    m_totals->setText(totals.text);
    setTextColour(*m_totals, toQColor(totals.colour));
}

void TForm10::announce(const analytics::FlowAnnouncement& announcement)
{
    setTextColour(*m_message, toQColor(announcement.inflow ? quotes::riseRed : quotes::fallGreen));
    m_inflow->setVisible(announcement.inflow);
    m_outflow->setVisible(!announcement.inflow);
    m_stock->setText(announcement.stock);
    m_message->setText(announcement.message);
    if (!paused())
        show();
    // After the show: only a shown window knows the size of its frame.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().width() - frameGeometry().width(), 0);
}

bool TForm10::paused() const
{
    return m_pause->isChecked();
}

void TForm10::serve(QAction& resumeCommand)
{
    connect(m_pause, &QCheckBox::toggled, &resumeCommand,
            [&resumeCommand](bool paused) { resumeCommand.setChecked(!paused); });
    connect(&resumeCommand, &QAction::triggered, this, [this] { m_pause->setChecked(false); });
}

} // namespace ui
