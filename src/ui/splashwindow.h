#pragma once

#include <QWidget>

class QLabel;

namespace ui {

// The splash: shown first, centred, until the main window has finished its first show.
class TForm12 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm12)

public:
    // Shows itself unless told otherwise (tests build it hidden).
    explicit TForm12(bool showAtCreation = true, QWidget* parent = nullptr);

    QLabel& versionLabel() { return *m_version; }
    QLabel& updatedLabel() { return *m_updated; }

private:
    QLabel* m_version;
    QLabel* m_updated;
};

} // namespace ui
