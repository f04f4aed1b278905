#include "core/common/SplitMix64.h"

namespace vortalex {

std::uint64_t SplitMix64::daySeed(const QDate& date) {
    return static_cast<std::uint64_t>(date.year()) * 10000u +
           static_cast<std::uint64_t>(date.month()) * 100u + static_cast<std::uint64_t>(date.day());
}

std::uint64_t SplitMix64::next() {
    // Unsigned arithmetic wraps modulo 2^64, as the definition wants.
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

double SplitMix64::uniform() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

} // namespace vortalex
