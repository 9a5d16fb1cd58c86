#pragma once

#include <exception>

namespace net {

// Ends a chain of loaders without a word: the event that started the chain catches it through
// runGuarded() and the program carries on.
class SilentAbort final : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

[[noreturn]] inline void abortSilently() { throw SilentAbort(); }

} // namespace net
