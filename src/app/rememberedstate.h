#pragma once

#include "app/mainstate.h"

namespace store {
class StateFiles;
}

namespace app {

// What the state files held at start.
struct RememberedState {
    // The stock file named a stock; its page is shown at once.
    bool stockRemembered = false;
    // The favourites file was there; the player's deletion submenu lists them.
    bool favouritesRead = false;
};

// getbase: the remembered stock into currentCode ("000001" without one), the recent and the
// favourite channels into their lists.
RememberedState getbase(const store::StateFiles& files, MainState& state, ChannelLists& channels);

// What both exits write: the recent, then the favourite channel file. Throws StateFileError.
void writeChannelFiles(const store::StateFiles& files, const ChannelLists& channels);

} // namespace app
