#pragma once

#include <QStringView>

namespace quotes {

// Screen colours of the quote displays, decided here so every window paints the same.
struct Colour {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// The market's convention: a rise in red, a fall in green.
inline constexpr Colour riseRed{255, 0, 0};
inline constexpr Colour fallGreen{0, 128, 0};

enum class Direction { Up, Down };

// A value is down when its text holds a "-" anywhere; no number is parsed for this.
Direction directionOf(QStringView text);
Colour colourOf(Direction direction);

} // namespace quotes
