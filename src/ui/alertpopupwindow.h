#pragma once

#include "alerts/alertevents.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;

namespace ui {

// What tells the four event popups apart: where their two lines stand and which badges they
// carry.
struct PopupLayout {
    struct Badge {
        const char* name;
        const char* words;
        QColor ground;
        QRect place;
        // Shown only for alerts of this direction; always shown without one.
        std::optional<quotes::Direction> shownFor;
    };

    const char* className;
    QRect firstLine;
    QRect secondLine;
    std::vector<Badge> badges;
};

// A small window in the bottom-right corner that shows the latest alert of its kind: the first
// line in blue, the price line under it in red for a rise or green for a fall. It is reused by
// every later alert of the kind and only the user closes it.
class AlertPopupWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlertPopupWindow)

public:
    void showAlert(const alerts::AlertPopup& popup);

protected:
    AlertPopupWindow(const PopupLayout& layout, QWidget* parent);

private:
    struct ShownBadge {
        QLabel* label;
        std::optional<quotes::Direction> shownFor;
    };

    QLabel* m_firstLine;
    QLabel* m_secondLine;
    std::vector<ShownBadge> m_badges;
};

} // namespace ui
