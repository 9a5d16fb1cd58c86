#include "ui/main/newsstrip.h"

#include "app/shelltexts.h"
#include "ui/artwork.h"
#include "ui/widgetparts.h"

#include <QLabel>

namespace ui::main {

namespace {

constexpr int stripWidth = 378;
constexpr QRect iconPlace(4, 3, 16, 16);

} // namespace

NewsStrip::NewsStrip(QWidget& parent, int statusBarTop) : QFrame(&parent)
{
    place(*this, "Panel8", QRect(parent.width() - stripWidth - 2, statusBarTop + 4, stripWidth, 22));
    setStyleSheet(QStringLiteral("#Panel8 { background: white; }"));
    plainLabel(*this, {.name = "Image1", .geometry = iconPlace})
        ->setPixmap(newsIcon(iconPlace.size(), false));
    QLabel* unread = plainLabel(*this, {.name = "Image19", .geometry = iconPlace});
    unread->setPixmap(newsIcon(iconPlace.size(), true));
    unread->hide();
    QLabel* line = plainLabel(*this, {.name = "Label48",
                                      .text = app::newsStripSearching(),
                                      .geometry = QRect(24, 0, 351, 22),
                                      .fontPixels = 12});
    line->setStyleSheet(QStringLiteral("color: navy;"));
    line->setCursor(Qt::PointingHandCursor);
}

} // namespace ui::main
