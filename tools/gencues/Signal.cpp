#include "gencues/Signal.h"

namespace vortalex::gencues {

Buffer makeBuffer(double seconds) {
    return Buffer(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

double secondsOf(const Buffer& buf) {
    return static_cast<double>(buf.size()) / kSampleRate;
}

std::size_t indexAt(double seconds) {
    return static_cast<std::size_t>(std::max(0L, std::lround(seconds * kSampleRate)));
}

double semitones(double steps) {
    return std::pow(2.0, steps / 12.0);
}

double envelope(double t, double length, double attack, double release) {
    if (t < 0.0 || t >= length) {
        return 0.0;
    }
    double gain = 1.0;
    if (attack > 0.0 && t < attack) {
        gain *= 0.5 - 0.5 * std::cos(kPi * t / attack);
    }
    const double left = length - t;
    if (release > 0.0 && left < release) {
        gain *= 0.5 - 0.5 * std::cos(kPi * left / release);
    }
    return gain;
}

} // namespace vortalex::gencues
