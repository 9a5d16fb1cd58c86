#include "app/systemdir.h"

#include <QDir>
#include <QStandardPaths>

namespace app {

QString systemDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return QDir::cleanPath(dir);
}

} // namespace app
