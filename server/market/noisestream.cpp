#include "market/noisestream.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace market {

quint64 NoiseStream::mix(quint64 value)
{
    // splitmix64 finaliser
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

quint64 NoiseStream::key(std::initializer_list<quint64> parts)
{
    quint64 folded = 0x6c616e74756f2d6dULL;
    for (quint64 part : parts)
        folded = mix(folded ^ part);
    return folded;
}

quint64 NoiseStream::textKey(const QString& text)
{
    quint64 hash = 1469598103934665603ULL; // FNV-1a over the UTF-16 units
    for (QChar c : text) {
        hash ^= c.unicode();
        hash *= 1099511628211ULL;
    }
    return hash;
}

quint64 NoiseStream::next()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double NoiseStream::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

int NoiseStream::inRange(int low, int high)
{
    return low + int(next() % quint64(high - low + 1));
}

double NoiseStream::normal()
{
    const double u1 = std::max(uniform(), 1e-12);
    const double u2 = uniform();
    const double z = std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    return std::clamp(z, -4.0, 4.0);
}

} // namespace market
