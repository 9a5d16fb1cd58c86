#include "ui/alertpopupwindow.h"

#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/labelcolours.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QLabel>

namespace ui {

namespace {

constexpr int linePixels = 12;

} // namespace

AlertPopupWindow::AlertPopupWindow(const PopupLayout& layout, QWidget* parent) : QWidget(parent)
{
    applyWindowEntry(*this, layout.className);
    makePopup(*this);
    setFont(songFont(linePixels));
    for (const PopupLayout::Badge& badge : layout.badges) {
        QLabel* label = plainLabel(*this, {.name = badge.name, .geometry = badge.place});
        label->setPixmap(badgePicture(badge.place.size(), QString::fromUtf8(badge.words), badge.ground));
        label->setVisible(!badge.shownFor);
        m_badges.push_back({label, badge.shownFor});
    }
    m_firstLine = plainLabel(*this, {.name = "Label1", .geometry = layout.firstLine,
                                     .fontPixels = linePixels});
    setTextColour(*m_firstLine, Qt::blue);
    m_secondLine = plainLabel(*this, {.name = "Label2",
                                      .geometry = layout.secondLine,
                                      .fontPixels = linePixels,
                                      .alignment = Qt::AlignCenter});
}

void AlertPopupWindow::showAlert(const alerts::AlertPopup& popup)
{
    m_firstLine->setText(popup.firstLine);
    setTextColour(*m_secondLine, toQColor(quotes::colourOf(popup.direction)));
    m_secondLine->setText(popup.secondLine);
    for (const ShownBadge& badge : m_badges)
        if (badge.shownFor)
            badge.label->setVisible(*badge.shownFor == popup.direction);
    showInCorner(*this);
}

} // namespace ui
