#pragma once

#include "net/httpclient.h"
#include "net/silentabort.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace net {

// The failure path every loader shares. Runs the loader's fetch and cut; on any failure (an
// HttpError, a DecodeError, anything else thrown) it disconnects the client, runs the loader's own
// failure action (its message, re-enabling its caller's timer) and ends the chain with a
// SilentAbort. A SilentAbort from inside the work (a nested loader that already failed) passes
// through unchanged. What the work stored before the failure stays stored.
//
// A request the client refused because it still waits for another reply (ClientBusy) ends the
// chain silently too, but touches nothing: disconnecting would cut the reply in flight, and
// the loader itself did not fail.
template <typename Work>
auto runLoader(HttpClient& client, Work&& work, const std::function<void()>& onFailure = {})
    -> std::invoke_result_t<Work&&>
{
    try {
        return std::forward<Work>(work)();
    } catch (const SilentAbort&) {
        throw;
    } catch (const ClientBusy&) {
        abortSilently();
    } catch (...) {
    }
    client.disconnectFromHost();
    if (onFailure) {
        // A failure action that fails itself still ends in the silent abort.
        try {
            onFailure();
        } catch (...) {
        }
    }
    abortSilently();
}

} // namespace net
