#include "app/rememberedstate.h"

#include "store/statefiles.h"

namespace app {

RememberedState getbase(const store::StateFiles& files, MainState& state, ChannelLists& channels)
{
    RememberedState remembered;
    const QString code = files.readStockCode();
    remembered.stockRemembered = !code.isEmpty();
    state.currentCode =
        remembered.stockRemembered ? code : QString::fromLatin1(store::StateFiles::defaultStockCode);

    const store::ChannelList recent = files.readRecent();
    channels.recentNames = recent.names;
    channels.recentUrls = recent.urls;
    channels.recentCount = recent.lineCount;

    remembered.favouritesRead = files.favouritesExist();
    if (remembered.favouritesRead) {
        const store::ChannelList favourites = files.readFavourites();
        channels.favouriteNames = favourites.names;
        channels.favouriteUrls = favourites.urls;
    }
    return remembered;
}

void writeChannelFiles(const store::StateFiles& files, const ChannelLists& channels)
{
    files.writeRecent(channels.recentNames, channels.recentUrls);
    files.writeFavourites(channels.favouriteNames, channels.favouriteUrls);
}

} // namespace app
