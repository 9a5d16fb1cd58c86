#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace ui {

// The client's pictures, drawn at run time: no image files are shipped.
QIcon applicationIcon();
// A round badge with a character on it, for the tool bar buttons; hue in degrees.
QIcon toolIcon(const QString& glyph, int hue);
// The picture button beside the code box.
QPixmap lookupPicture(const QSize& size);
QPixmap splashBackground(const QSize& size);
QPixmap splashTitle(const QSize& size, const QString& title);
// Small square marks: the news strip icon and the "new" badge.
QPixmap newsIcon(const QSize& size, bool unread);
// The badge of an alert popup: its words in white on a ground of the given colour.
QPixmap badgePicture(const QSize& size, const QString& words, const QColor& ground);

} // namespace ui
