// Sound as the synthesiser holds it: mono samples in [-1, 1] at one fixed rate, and the two
// building blocks every voice draws on, a noise source and a band-pass filter.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

namespace vortalex::gencues {

constexpr int kSampleRate = 44100;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Buffer = std::vector<double>;

Buffer makeBuffer(double seconds); // silent
double secondsOf(const Buffer& buf);
std::size_t indexAt(double seconds); // the sample at that time, never before the first
double semitones(double steps);      // as a frequency ratio

// A private generator rather than <random> distributions: those are allowed to differ between
// standard libraries, and the cues must come out the same wherever the game is built.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : state_(seed != 0 ? seed : 0x9e3779b9u) {}

    // Uniform in [-1, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

    double uniform(double lo, double hi) { return lo + (hi - lo) * 0.5 * (next() + 1.0); }

private:
    std::uint32_t state_;
};

// Gain at time t of a sound `length` long, 0 outside it. Raised-cosine edges: a linear ramp
// still leaves a corner that the ear hears as a tick.
double envelope(double t, double length, double attack, double release);

// Topology-preserving state-variable filter: unlike the textbook Chamberlin form it stays stable
// when the centre is swept high, which the whooshes do.
class BandPass {
public:
    double process(double in, double centreHz, double q) {
        const double g = std::tan(kPi * std::min(centreHz, 0.45 * kSampleRate) / kSampleRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double v3 = in - ic2_;
        const double v1 = a1 * ic1_ + a2 * v3;
        const double v2 = ic2_ + g * v1;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return v1;
    }

private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

} // namespace vortalex::gencues
