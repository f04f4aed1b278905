#include "gencues/Cues.h"

#include "gencues/Voices.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace vortalex::gencues {

namespace {

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

const std::vector<Partial> kBell = {
    {1.0, 1.0, 0.30}, {2.0, 0.30, 0.16}, {2.76, 0.14, 0.08}, {5.40, 0.05, 0.03}};
const std::vector<Partial> kPluck = {{1.0, 1.0, 0.28}, {2.0, 0.45, 0.12}, {3.0, 0.15, 0.06}};
const std::vector<Partial> kMallet = {{1.0, 1.0, 0.35}, {2.0, 0.18, 0.12}, {4.0, 0.06, 0.05}};

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

const std::array kCues = {
    Cue{"CLICKING.wav", tileClick},      Cue{"level.wav", levelPassed},
    Cue{"QUIT.wav", quitGame},           Cue{"sound136.wav", levelChosen},
    Cue{"Slide.wav", wordSubmitted},     Cue{"CORRECT.wav", wordAccepted},
    Cue{"WRONG WORD.wav", wordRejected}, Cue{"shuffle.wav", shuffleTiles},
    Cue{"TileDown.wav", wordCleared},    Cue{"ohno.wav", levelFailed},
    Cue{"WINNER.WAV", expertPassed},
};

} // namespace

std::span<const Cue> cues() {
    return kCues;
}

} // namespace vortalex::gencues
