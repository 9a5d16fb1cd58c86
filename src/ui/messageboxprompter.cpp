#include "ui/messageboxprompter.h"

#include "app/shelltexts.h"

#include <QMessageBox>

namespace ui {

void MessageBoxPrompter::error(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, app::errorBoxTitle(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MessageBoxPrompter::inform(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, app::applicationTitle(), text,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxPrompter::ask(const QString& text)
{
    QMessageBox box(QMessageBox::Question, app::questionBoxTitle(), text,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

} // namespace ui
