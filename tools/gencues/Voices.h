// The voices cues are built from: struck partials, sustained tones, pitch sweeps and filtered
// noise, all added into a buffer from a start time; then mixing and the finish every cue gets.
#pragma once

#include "gencues/Signal.h"

#include <cstdint>
#include <vector>

namespace vortalex::gencues {

// A struck partial: the building block of bells, mallets and wooden knocks.
void addPartial(Buffer& buf, double start, double freq, double amp, double decay,
                double attack = 0.002);

struct Partial {
    double ratio;
    double amp;
    double decay;
};

// Upper partials die away first, which is most of what makes a tone read as "struck".
void addStruck(Buffer& buf, double start, double freq, double amp,
               const std::vector<Partial>& partials, double attack = 0.002);

struct ToneShape {
    double attack = 0.01;
    double release = 0.05;
    double decay = 0.0; // 0 keeps the tone sustained
    int harmonics = 1;
    bool oddOnly = false;
    double brightness = 0.0; // amplitude ratio between neighbouring harmonics
    double wah = 0.0;        // how far brightness swells early in the note
    double glide = 0.0;      // semitones travelled over the note
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0; // semitones
};

// A sustained additive tone. Brightness is applied per harmonic rather than through a filter so
// the "wah" can move without any risk of a resonance blowing up.
void addTone(Buffer& buf, double start, double length, double freq, double amp, const ToneShape& s);

// An exponential pitch glide: equal musical intervals per unit time sound like a steady rise.
void addSweep(Buffer& buf, double start, double length, double fromHz, double toHz, double amp,
              double attack, double release);

// Band-passed noise whose centre and loudness follow the given curves over normalised time.
template <typename Centre, typename Gain>
void addNoise(Buffer& buf, double start, double length, std::uint32_t seed, double q, double amp,
              Centre centreAt, Gain gainAt) {
    Noise noise(seed);
    // Two stages in series: a single band-pass skirt lets through enough top end to sound like
    // hiss rather than wood or air.
    BandPass first;
    BandPass second;
    const std::size_t begin = indexAt(start);
    const std::size_t end = std::min(buf.size(), begin + indexAt(length));
    for (std::size_t i = begin; i < end; ++i) {
        const double x = static_cast<double>(i - begin) / static_cast<double>(end - begin);
        const double centre = centreAt(x);
        buf[i] +=
            amp * gainAt(x) * second.process(first.process(noise.next(), centre, q), centre, q);
    }
}

// Adds `src` into `dst` from time `at` on, scaled by `gain`.
void mix(Buffer& dst, const Buffer& src, double at, double gain);

// Every cue gets the same treatment: guaranteed-silent edges, then a common peak level so none
// of them jumps out over the others.
Buffer finish(Buffer buf, double fadeIn, double fadeOut);

} // namespace vortalex::gencues
