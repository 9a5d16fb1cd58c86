#include "ui/main/toolbarstrip.h"

#include "app/codeentry.h"
#include "app/shelltexts.h"
#include "ui/artwork.h"
#include "ui/main/commandbutton.h"
#include "ui/main/mainactions.h"
#include "ui/codekeyfilter.h"
#include "ui/codevalidator.h"
#include "ui/fonts.h"
#include "ui/widgetparts.h"

#include <QLineEdit>
#include <QToolButton>

#include <array>

namespace ui::main {

namespace {

constexpr int buttonWidth = 57;
constexpr std::array<int, 8> buttonHues = {0, 30, 200, 280, 120, 50, 170, 330};

} // namespace

ToolBarStrip::ToolBarStrip(QWidget& parent, const MainActions& actions) : QFrame(&parent)
{
    place(*this, "ToolBar1", QRect(0, 0, parent.width(), height));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    setAutoFillBackground(true);
    addCodeEntry(addButtons(actions));
}

int ToolBarStrip::addButtons(const MainActions& actions)
{
    int x = 2;
    int i = 0;
    for (app::MainCommand command : app::toolBarCommands()) {
        const app::CommandEntry& entry = app::commandEntry(command);
        QAction& action = actions.action(command);
        action.setIcon(toolIcon(entry.buttonText.left(1), buttonHues.at(std::size_t(i++))));
        auto* button = new CommandButton(action, entry.hint, this);
        button->setObjectName(QString::fromLatin1(entry.buttonName));
        button->setIconSize(QSize(28, 28));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFont(songFont(12));
        button->setGeometry(x, 1, buttonWidth, height - 2);
        x += buttonWidth;
        m_buttons.emplace(command, button);
    }
    return x;
}

void ToolBarStrip::addCodeEntry(int left)
{
    plainLabel(*this, {.text = app::codeBoxLabel(), .geometry = QRect(left + 4, 17, 100, 20)});

    m_codeBox = new QLineEdit(this);
    m_codeBox->setObjectName(QStringLiteral("Edit1"));
    m_codeBox->setMaxLength(app::stockCodeLength);
    m_codeBox->setValidator(new CodeValidator(m_codeBox));
    m_codeBox->installEventFilter(new CodeKeyFilter(m_codeBox));
    m_codeBox->setGeometry(left + 104, 15, 64, 24);

    m_lookupButton = new QToolButton(this);
    m_lookupButton->setObjectName(QStringLiteral("Image17"));
    m_lookupButton->setAutoRaise(true);
    m_lookupButton->setIconSize(QSize(44, 26));
    m_lookupButton->setIcon(QIcon(lookupPicture(QSize(44, 26))));
    m_lookupButton->setGeometry(left + 172, 12, 50, 30);
    m_lookupButton->setCursor(Qt::PointingHandCursor);
    connect(m_lookupButton, &QToolButton::clicked, this,
            [this] { emit lookupClicked(m_codeBox->text()); });
}

void ToolBarStrip::showCode(const QString& code)
{
    m_codeBox->setText(code);
}

void ToolBarStrip::focusCodeBox()
{
    m_codeBox->setFocus(Qt::OtherFocusReason);
}

} // namespace ui::main
