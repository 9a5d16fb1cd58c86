#pragma once

#include <QString>

namespace app {

// The folder of the settings database and the state files: the application data folder
// (follows XDG_DATA_HOME), created when first asked for. No trailing separator.
QString systemDir();

} // namespace app
