#include "gencues/Voices.h"

#include <algorithm>
#include <cmath>

namespace vortalex::gencues {

// Leaves headroom for the player's own mixing of overlapping cues.
constexpr double kPeakDbfs = -6.0;

void addPartial(Buffer& buf, double start, double freq, double amp, double decay, double attack) {
    const std::size_t first = indexAt(start);
    for (std::size_t i = first; i < buf.size(); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double level = std::exp(-t / decay);
        if (level < 1e-5) {
            break;
        }
        const double edge = t < attack ? 0.5 - 0.5 * std::cos(kPi * t / attack) : 1.0;
        buf[i] += amp * edge * level * std::sin(kTwoPi * freq * t);
    }
}

void addStruck(Buffer& buf, double start, double freq, double amp,
               const std::vector<Partial>& partials, double attack) {
    for (const Partial& p : partials) {
        if (freq * p.ratio < 0.45 * kSampleRate) {
            addPartial(buf, start, freq * p.ratio, amp * p.amp, p.decay, attack);
        }
    }
}

void addTone(Buffer& buf, double start, double length, double freq, double amp,
             const ToneShape& s) {
    const std::size_t first = indexAt(start);
    const std::size_t last = std::min(buf.size(), first + indexAt(length));
    double phase = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double x = t / length;

        // Vibrato eases in, as a player's would, instead of wobbling from the first instant.
        const double vibrato =
            s.vibratoDepth * std::min(1.0, t / 0.2) * std::sin(kTwoPi * s.vibratoHz * t);
        const double f = freq * semitones(s.glide * x + vibrato);
        phase += kTwoPi * f / kSampleRate;
        if (phase > kTwoPi) {
            phase -= kTwoPi;
        }

        const double swell = s.wah * std::sin(kPi * std::pow(x, 0.6));
        const double bright = std::clamp(s.brightness + swell, 0.0, 0.9);
        double sum = 0.0;
        double norm = 0.0;
        double weight = 1.0;
        const int step = s.oddOnly ? 2 : 1;
        for (int h = 1, n = 0; n < s.harmonics; h += step, ++n) {
            if (f * h >= 0.45 * kSampleRate) {
                break;
            }
            sum += weight * std::sin(h * phase);
            norm += weight;
            weight *= bright;
        }
        double level = amp * envelope(t, length, s.attack, s.release) * sum / norm;
        if (s.decay > 0.0) {
            level *= std::exp(-t / s.decay);
        }
        buf[i] += level;
    }
}

void addSweep(Buffer& buf, double start, double length, double fromHz, double toHz, double amp,
              double attack, double release) {
    const std::size_t first = indexAt(start);
    const std::size_t last = std::min(buf.size(), first + indexAt(length));
    double phase = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double f = fromHz * std::pow(toHz / fromHz, t / length);
        phase += kTwoPi * f / kSampleRate;
        buf[i] += amp * envelope(t, length, attack, release) *
                  (std::sin(phase) + 0.2 * std::sin(2.0 * phase));
    }
}

void mix(Buffer& dst, const Buffer& src, double at, double gain) {
    const std::size_t first = indexAt(at);
    for (std::size_t i = 0; i < src.size() && first + i < dst.size(); ++i) {
        dst[first + i] += gain * src[i];
    }
}

Buffer finish(Buffer buf, double fadeIn, double fadeOut) {
    const double length = secondsOf(buf);
    for (std::size_t i = 0; i < buf.size(); ++i) {
        buf[i] *= envelope(static_cast<double>(i) / kSampleRate, length, fadeIn, fadeOut);
    }
    double peak = 0.0;
    for (double v : buf) {
        peak = std::max(peak, std::abs(v));
    }
    if (peak > 0.0) {
        const double scale = std::pow(10.0, kPeakDbfs / 20.0) / peak;
        for (double& v : buf) {
            v *= scale;
        }
    }
    return buf;
}

} // namespace vortalex::gencues
