#pragma once

#include "service/servicestore.h"
#include "store/watchlist.h"

namespace service {

// A phone's stored copy as the alert engine's watch list: wave 2 holds every watched stock with
// its flags and figures; a stock is broadcast when wave 1 holds its code, reported when wave 3
// does (with wave 3's minutes). A code of wave 1 or 3 missing from wave 2 (no client sends
// that) is watched with every event alert off, so it is still broadcast or reported.
store::WatchList watchListOf(const WatchCopy& copy);

} // namespace service
