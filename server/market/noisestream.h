#pragma once

#include <QtGlobal>

#include <initializer_list>

namespace market {

// A counter-based random stream: the same key always gives the same numbers, on every platform,
// so the market is a pure function of its seed and the instant.
class NoiseStream final {
public:
    explicit NoiseStream(quint64 key) : m_state(key) {}

    // Folds several values (seed, code, day, purpose) into one key.
    static quint64 key(std::initializer_list<quint64> parts);
    static quint64 mix(quint64 value);
    // Stable hash of a text (codes and names), independent of QHash's per-run seed.
    static quint64 textKey(const QString& text);

    quint64 next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform whole number in [low, high].
    int inRange(int low, int high);
    // Standard normal, clamped to ±4 so no single draw can dominate a path.
    double normal();

private:
    quint64 m_state;
};

} // namespace market
