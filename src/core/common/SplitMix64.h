#pragma once

#include "core/common/Random.h"

#include <QDate>

#include <cstdint>

namespace vortalex {

// The generator of today's field, defined to the bit so that every build on every machine draws
// the same numbers from the same seed: SplitMix64 (Steele, Lea and Flood, "Fast splittable
// pseudorandom number generators", OOPSLA 2014), with the constants of Vigna's reference code.
// A draw is the top 53 bits of the next output scaled to [0, 1), which a double holds exactly,
// so Random::draw(k) = floor(r * k) + 1 comes out the same under any IEEE 754 arithmetic.
class SplitMix64 final : public Random {
public:
    explicit SplitMix64(std::uint64_t seed)
        : m_state(seed) {}
    // The stream of a calendar date: seeded with the number YYYYMMDD (20261210 for 10 December
    // 2026).
    static SplitMix64 forDate(const QDate& date) { return SplitMix64(daySeed(date)); }
    static std::uint64_t daySeed(const QDate& date);

    std::uint64_t next();
    double uniform() override;

private:
    std::uint64_t m_state;
};

} // namespace vortalex
