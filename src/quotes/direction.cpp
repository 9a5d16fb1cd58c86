#include "quotes/direction.h"

namespace quotes {

Direction directionOf(QStringView text)
{
    return text.contains(u'-') ? Direction::Down : Direction::Up;
}

Colour colourOf(Direction direction)
{
    return direction == Direction::Up ? riseRed : fallGreen;
}

} // namespace quotes
