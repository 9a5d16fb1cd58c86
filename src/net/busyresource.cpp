#include "net/busyresource.h"

#include <algorithm>

namespace net {

bool allFree(const Resources& resources)
{
    return std::none_of(resources.begin(), resources.end(),
                        [](const BusyResource* resource) { return resource->busy(); });
}

} // namespace net
