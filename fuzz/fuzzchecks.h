#pragma once

// What the fuzz targets of the service's reply readers check with.

#include <cstdlib>
#include <vector>

namespace fuzzcheck {

// A failed check ends the run, so libFuzzer keeps the input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Whether every element of `part` stands in `whole`, in the same order.
template <typename T>
bool inOrderWithin(const std::vector<T>& part, const std::vector<T>& whole)
{
    std::size_t at = 0;
    for (const T& element : part) {
        while (at < whole.size() && !(whole[at] == element))
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace fuzzcheck
