#pragma once

#include <QObject>

namespace ui {

// Drops every typed character the code box does not take (see app::codeKeyAccepted). Keys that
// type nothing (arrows, Delete, Home) and shortcuts (Ctrl+V, Ctrl+A) pass; what a paste brings is
// checked by the box's validator.
class CodeKeyFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CodeKeyFilter)

public:
    explicit CodeKeyFilter(QObject* parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ui
