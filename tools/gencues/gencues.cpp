// Vortalex sound cues, synthesised at build time.
//
// The repository carries no binary audio: every cue is rendered here from a handful of simple
// voices, so the sounds can be tuned in code review and every build writes byte-identical files.
//
// Usage: vortalex-gencues <output-folder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Leaves headroom for the player's own mixing of overlapping cues.
constexpr double kPeakDbfs = -6.0;

using Buffer = std::vector<double>;

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

// Equal-tempered pitches used below, A4 = 440 Hz.
namespace note {
constexpr double G4 = 392.00;
constexpr double C4 = 261.63;
constexpr double Db4 = 277.18;
constexpr double D4 = 293.66;
constexpr double Eb4 = 311.13;
constexpr double C5 = 523.25;
constexpr double E5 = 659.26;
constexpr double G5 = 783.99;
constexpr double A5 = 880.00;
constexpr double E6 = 1318.51;
} // namespace note

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

// Raised-cosine edges: a linear ramp still leaves a corner that the ear hears as a tick.
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

// --- Voices -----------------------------------------------------------------------------------

// A struck partial: the building block of bells, mallets and wooden knocks.
void addPartial(Buffer& buf, double start, double freq, double amp, double decay,
                double attack = 0.002) {
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

struct Partial {
    double ratio;
    double amp;
    double decay;
};

// Upper partials die away first, which is most of what makes a tone read as "struck".
void addStruck(Buffer& buf, double start, double freq, double amp,
               const std::vector<Partial>& partials, double attack = 0.002) {
    for (const Partial& p : partials) {
        if (freq * p.ratio < 0.45 * kSampleRate) {
            addPartial(buf, start, freq * p.ratio, amp * p.amp, p.decay, attack);
        }
    }
}

const std::vector<Partial> kBell = {
    {1.0, 1.0, 0.30}, {2.0, 0.30, 0.16}, {2.76, 0.14, 0.08}, {5.40, 0.05, 0.03}};
const std::vector<Partial> kPluck = {{1.0, 1.0, 0.28}, {2.0, 0.45, 0.12}, {3.0, 0.15, 0.06}};
const std::vector<Partial> kMallet = {{1.0, 1.0, 0.35}, {2.0, 0.18, 0.12}, {4.0, 0.06, 0.05}};

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

// An exponential pitch glide: equal musical intervals per unit time sound like a steady rise.
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

// --- Mixing and output ------------------------------------------------------------------------

void mix(Buffer& dst, const Buffer& src, double at, double gain) {
    const std::size_t first = indexAt(at);
    for (std::size_t i = 0; i < src.size() && first + i < dst.size(); ++i) {
        dst[first + i] += gain * src[i];
    }
}

// Every cue gets the same treatment: guaranteed-silent edges, then a common peak level so none
// of them jumps out over the others.
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

void putU16(std::vector<unsigned char>& out, std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xffu));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void putU32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xffu));
    }
}

void putTag(std::vector<unsigned char>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

// Byte-by-byte little-endian so the header is right whatever the host's byte order.
std::vector<unsigned char> encodeWav(const Buffer& buf) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bits = 16;
    constexpr std::uint16_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(buf.size() * blockAlign);

    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // integer PCM
    putU16(out, channels);
    putU32(out, kSampleRate);
    putU32(out, kSampleRate * blockAlign);
    putU16(out, blockAlign);
    putU16(out, bits);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (double v : buf) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)));
    }
    return out;
}

bool writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "vortalex-gencues: cannot create '%s': %s\n", path.string().c_str(),
                     errno != 0 ? std::strerror(errno) : "unknown error");
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(f) == 0;
    if (!wrote || !closed) {
        const int err = !wrote ? writeErrno : errno;
        std::fprintf(stderr, "vortalex-gencues: cannot write '%s': %s\n", path.string().c_str(),
                     err != 0 ? std::strerror(err) : "unknown error");
        return false;
    }
    return true;
}

// --- The cues ---------------------------------------------------------------------------------

// Heard on every tile press, so it has to stay tiny and dull enough not to tire the player.
Buffer tileClick() {
    Buffer buf = makeBuffer(0.06);
    addPartial(buf, 0.0, 950.0, 0.60, 0.009, 0.0006);
    addPartial(buf, 0.0, 1720.0, 0.30, 0.005, 0.0006);
    addPartial(buf, 0.0, 2900.0, 0.10, 0.003, 0.0006);
    addNoise(
        buf, 0.0, 0.02, 101, 1.2, 0.8, [](double) { return 2200.0; },
        [](double x) { return std::exp(-x * 7.0); });
    return finish(std::move(buf), 0.0006, 0.02);
}

// Bright and plucked, so "well done" reads differently from the bell of an accepted word.
Buffer levelPassed() {
    Buffer buf = makeBuffer(0.7);
    addStruck(buf, 0.00, note::C5, 0.8, kPluck);
    addStruck(buf, 0.11, note::E5, 0.8, kPluck);
    addStruck(buf, 0.22, note::G5, 1.0, {{1.0, 1.0, 0.40}, {2.0, 0.45, 0.16}, {3.0, 0.15, 0.08}});
    return finish(std::move(buf), 0.002, 0.15);
}

// A falling fifth resolving home: a goodbye rather than an error.
Buffer quitGame() {
    Buffer buf = makeBuffer(0.75);
    addStruck(buf, 0.00, note::G4, 0.8, kMallet, 0.006);
    addStruck(buf, 0.26, note::C4, 1.0, kMallet, 0.006);
    return finish(std::move(buf), 0.006, 0.2);
}

// Two noise bands opening together give the air of a door swinging wide, not a hiss.
Buffer levelChosen() {
    Buffer buf = makeBuffer(0.5);
    const auto swell = [](double x) {
        return std::pow(std::sin(kPi * std::pow(x, 0.8)), 2.0);
    };
    addNoise(
        buf, 0.0, 0.5, 202, 1.4, 1.0, [](double x) { return 300.0 * std::pow(6.0, x); }, swell);
    addNoise(
        buf, 0.0, 0.5, 203, 2.0, 0.6, [](double x) { return 520.0 * std::pow(6.0, x); }, swell);
    return finish(std::move(buf), 0.03, 0.1);
}

Buffer wordSubmitted() {
    Buffer buf = makeBuffer(0.25);
    addSweep(buf, 0.0, 0.25, 350.0, 1400.0, 0.6, 0.012, 0.09);
    addNoise(
        buf, 0.0, 0.25, 303, 2.5, 0.5, [](double x) { return 900.0 * std::pow(4.5, x); },
        [](double x) { return std::sin(kPi * x); });
    return finish(std::move(buf), 0.005, 0.04);
}

// A fifth rather than a third: open and clean, and it never sounds like the level arpeggio.
Buffer wordAccepted() {
    Buffer buf = makeBuffer(0.5);
    addStruck(buf, 0.00, note::A5, 1.0, kBell);
    addStruck(buf, 0.05, note::E6, 0.8, kBell);
    return finish(std::move(buf), 0.002, 0.12);
}

// Odd harmonics give the buzz its "no"; keeping them few and soft stops it from scolding.
Buffer wordRejected() {
    Buffer buf = makeBuffer(0.4);
    ToneShape buzz;
    buzz.attack = 0.012;
    buzz.release = 0.06;
    buzz.harmonics = 5;
    buzz.oddOnly = true;
    buzz.brightness = 0.35;
    buzz.glide = -1.0;
    buzz.decay = 0.12;
    addTone(buf, 0.00, 0.16, 180.0, 1.0, buzz);
    addTone(buf, 0.20, 0.18, 150.0, 1.0, buzz);
    return finish(std::move(buf), 0.005, 0.03);
}

// Tiles tumbling: dozens of tiny clicks at irregular times, loudest in the middle of the shake.
Buffer shuffleTiles() {
    Buffer buf = makeBuffer(0.5);
    Noise rng(404);
    constexpr int clicks = 56;
    for (int n = 0; n < clicks; ++n) {
        const double slot = 0.46 / clicks;
        const double at = 0.01 + n * slot + rng.uniform(0.0, slot * 0.9);
        const double shake = std::sqrt(std::sin(kPi * at / 0.5));
        const double freq = rng.uniform(1800.0, 4200.0);
        const double amp = rng.uniform(0.35, 1.0) * shake;
        addPartial(buf, at, freq, amp, rng.uniform(0.0015, 0.003), 0.0003);
        addPartial(buf, at, freq * 1.6, amp * 0.4, 0.0012, 0.0003);
    }
    addNoise(
        buf, 0.0, 0.5, 405, 0.8, 0.15, [](double) { return 3000.0; },
        [](double x) { return std::sin(kPi * x); });
    return finish(std::move(buf), 0.003, 0.05);
}

// A hollow wooden knock; the cleared word drops two of them, the second lower.
Buffer knock(double freq) {
    Buffer buf = makeBuffer(0.12);
    addPartial(buf, 0.0, freq, 1.0, 0.028, 0.0008);
    addPartial(buf, 0.0, freq * 2.32, 0.30, 0.010, 0.0008);
    addNoise(
        buf, 0.0, 0.015, 501, 1.0, 0.5, [freq](double) { return freq * 3.0; },
        [](double x) { return 1.0 - x; });
    return buf;
}

Buffer wordCleared() {
    Buffer buf = makeBuffer(0.25);
    mix(buf, knock(620.0), 0.00, 1.0);
    mix(buf, knock(470.0), 0.11, 0.85);
    return finish(std::move(buf), 0.0008, 0.03);
}

// The sad trombone: a chromatic fall, each note's brightness swelling and closing like a mute.
Buffer levelFailed() {
    Buffer buf = makeBuffer(1.2);
    ToneShape wah;
    wah.attack = 0.03;
    wah.release = 0.08;
    wah.harmonics = 8;
    wah.brightness = 0.05;
    wah.wah = 0.75;
    addTone(buf, 0.00, 0.36, note::Eb4, 0.9, wah);
    addTone(buf, 0.38, 0.36, note::D4, 0.9, wah);
    wah.release = 0.15;
    wah.glide = -0.6;
    wah.vibratoHz = 5.5;
    wah.vibratoDepth = 0.25;
    addTone(buf, 0.76, 0.44, note::Db4, 1.0, wah);
    return finish(std::move(buf), 0.01, 0.08);
}

// Brassy rising call, then the chord held with a touch of vibrato so it feels like a flourish.
Buffer expertPassed() {
    Buffer buf = makeBuffer(1.5);
    ToneShape brass;
    brass.attack = 0.015;
    brass.release = 0.03;
    brass.harmonics = 8;
    brass.brightness = 0.35;
    brass.wah = 0.25;
    addTone(buf, 0.00, 0.12, note::G4, 0.6, brass);
    addTone(buf, 0.12, 0.12, note::C5, 0.6, brass);
    addTone(buf, 0.24, 0.12, note::E5, 0.6, brass);

    brass.attack = 0.02;
    brass.release = 0.4;
    brass.wah = 0.15;
    brass.vibratoHz = 5.0;
    brass.vibratoDepth = 0.08;
    const std::array chord = {note::G4, note::C5, note::E5, note::G5};
    for (double pitch : chord) {
        addTone(buf, 0.37, 1.12, pitch, 0.35, brass);
    }
    return finish(std::move(buf), 0.005, 0.1);
}

struct Cue {
    const char* file;
    Buffer (*render)();
};

// The names are the ones the game asks for; it matches them ignoring case, so one file serves
// "CORRECT"/"correct" and "shuffle"/"Shuffle".
const std::array kCues = {
    Cue{"CLICKING.wav", tileClick},      Cue{"level.wav", levelPassed},
    Cue{"QUIT.wav", quitGame},           Cue{"sound136.wav", levelChosen},
    Cue{"Slide.wav", wordSubmitted},     Cue{"CORRECT.wav", wordAccepted},
    Cue{"WRONG WORD.wav", wordRejected}, Cue{"shuffle.wav", shuffleTiles},
    Cue{"TileDown.wav", wordCleared},    Cue{"ohno.wav", levelFailed},
    Cue{"WINNER.WAV", expertPassed},
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vortalex-gencues <output-folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "vortalex-gencues: cannot create folder '%s': %s\n",
                     folder.string().c_str(), ec.message().c_str());
        return 1;
    }
    for (const Cue& cue : kCues) {
        if (!writeFile(folder / cue.file, encodeWav(cue.render()))) {
            return 1;
        }
    }
    return 0;
}
