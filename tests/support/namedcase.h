#pragma once

#include <ostream>
#include <string>

namespace testsupport {

// A table case prints as its name, in failure messages and in the instantiated tests' names.
// A test file brings this in with `using testsupport::PrintTo;` inside the namespace of its case
// types, where GoogleTest's printer looks for it.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// For INSTANTIATE_TEST_SUITE_P: each instantiated test is named after its case.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        return std::string(info.param.name);
    }
};

} // namespace testsupport
