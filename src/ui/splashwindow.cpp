#include "ui/splashwindow.h"

#include "app/shelltexts.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/widgetparts.h"
#include "ui/windowshell.h"

#include <QFrame>
#include <QLabel>

namespace ui {

namespace {

constexpr int updatedTop = 60;
constexpr int versionTop = 112;
constexpr int lineHeight = 20;

QLabel* centredLine(QWidget& parent, const QString& text, int top, int pixelSize)
{
    QLabel* label = plainLabel(parent, {.text = text,
                                        .geometry = QRect(0, top, parent.width(), lineHeight),
                                        .fontPixels = pixelSize,
                                        .bold = true,
                                        .alignment = Qt::AlignHCenter | Qt::AlignTop});
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

TForm12::TForm12(bool showAtCreation, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    applyWindowEntry(*this, "TForm12");
    // The splash stands for the application on the task bar.
    setWindowTitle(app::applicationTitle());
    setWindowIcon(applicationIcon());
    setFont(songFont(14));

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Panel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(2);
    bevel->setGeometry(rect());

    auto* background = new QLabel(bevel);
    background->setObjectName(QStringLiteral("Image1"));
    background->setGeometry(bevel->contentsRect());
    background->setPixmap(splashBackground(background->size()));

    auto* title = new QLabel(bevel);
    title->setObjectName(QStringLiteral("Image2"));
    title->setGeometry(8, 14, width() - 16, 40);
    title->setPixmap(splashTitle(title->size(), QStringLiteral("岚拓股票情报系统")));

    m_updated = centredLine(*bevel, app::splashUpdated(), updatedTop, 14);
    m_version = centredLine(*bevel, app::splashVersion(), versionTop, 16);

    centreOnScreen(*this);
    if (showAtCreation)
        show();
}

} // namespace ui
