#pragma once

#include <QStringList>

namespace testsupport {

// The own service's paths of the phone registration and the watch-list copy.
inline QStringList phoneServicePaths()
{
    return {"/gpaddsj.asp", "/gpycf.asp", "/gpdel1.asp", "/gpadd1.asp",
            "/gpdel2.asp",  "/gpadd2.asp", "/gpdel3.asp", "/gpadd3.asp"};
}

} // namespace testsupport
