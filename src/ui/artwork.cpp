#include "ui/artwork.h"

#include "ui/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace ui {

namespace {

QPixmap transparentPixmap(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap badge(int side, const QString& glyph, const QColor& colour)
{
    QPixmap pixmap = transparentPixmap({side, side});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(side * 0.35, side * 0.3, side * 0.8);
    fill.setColorAt(0, colour.lighter(160));
    fill.setColorAt(1, colour.darker(120));
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(160), 1));
    p.drawEllipse(QRectF(1, 1, side - 2, side - 2));
    p.setPen(Qt::white);
    p.setFont(songFont(side * 5 / 9, true));
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, glyph);
    return pixmap;
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addPixmap(badge(side, QStringLiteral("岚"), QColor(200, 30, 30)));
    return icon;
}

QIcon toolIcon(const QString& glyph, int hue)
{
    return QIcon(badge(28, glyph, QColor::fromHsv(hue, 200, 200)));
}

QPixmap lookupPicture(const QSize& size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(255, 120, 90));
    fill.setColorAt(1, QColor(190, 20, 20));
    p.setBrush(fill);
    p.setPen(QPen(QColor(130, 10, 10), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    p.setPen(Qt::white);
    p.setFont(songFont(size.height() / 2, true));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("查询"));
    return pixmap;
}

QPixmap splashBackground(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(10, 40, 110));
    sky.setColorAt(1, QColor(60, 130, 200));
    p.fillRect(pixmap.rect(), sky);
    // A rising line of prices across the lower half.
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath line;
    const int w = size.width();
    const int h = size.height();
    line.moveTo(0, h * 0.9);
    const double points[] = {0.85, 0.88, 0.75, 0.8, 0.62, 0.7, 0.55, 0.6, 0.45};
    for (int i = 0; i < 9; ++i)
        line.lineTo(w * (i + 1) / 9.0, h * points[i]);
    p.setPen(QPen(QColor(255, 90, 90, 200), 2));
    p.drawPath(line);
    return pixmap;
}

QPixmap splashTitle(const QSize& size, const QString& title)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(songFont(size.height() * 2 / 3, true));
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(pixmap.rect().translated(2, 2), Qt::AlignCenter, title);
    p.setPen(QColor(255, 215, 0));
    p.drawText(pixmap.rect(), Qt::AlignCenter, title);
    return pixmap;
}

QPixmap newsIcon(const QSize& size, bool unread)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(unread ? QColor(230, 30, 30) : QColor(40, 110, 200));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 3, 3);
    p.setPen(Qt::white);
    p.setFont(songFont(size.height() * 2 / 3, true));
    p.drawText(pixmap.rect(), Qt::AlignCenter, unread ? QStringLiteral("新") : QStringLiteral("讯"));
    return pixmap;
}

QPixmap badgePicture(const QSize& size, const QString& words, const QColor& ground)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(ground);
    p.setPen(ground.darker(140));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    p.setPen(Qt::white);
    // As large as the words fit: two characters fill a small badge, four a wide one.
    const int byWidth = (size.width() - 6) / std::max<int>(1, int(words.size()));
    p.setFont(songFont(std::min(byWidth, size.height() * 2 / 3), true));
    p.drawText(pixmap.rect(), Qt::AlignCenter, words);
    return pixmap;
}

} // namespace ui
