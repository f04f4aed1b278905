#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace vortalex {

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double uniform() = 0;
    // Draws 1 .. k with equal chances.
    int draw(int k) {
        const int n = static_cast<int>(std::floor(uniform() * k)) + 1;
        return n > k ? k : n; // guards a generator that rounds up to 1.0
    }
};

class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed)
        : m_engine(seed) {}
    double uniform() override { return m_dist(m_engine); }

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_dist{0.0, 1.0};
};

} // namespace vortalex
