#pragma once

namespace vortalex {

// The game's sound cues. Each stands for a WAV file of the data folder; cueFileName()
// (core/sound) is the one place that knows the names, which are found ignoring letter case.
enum class Cue {
    Clicking,
    Level, // a level passed, and the menu's Clear
    Quit,
    LevelChosen,  // a level entry of the menu
    Slide,        // a word submitted
    Correct,      // a word accepted on Easy and Expert
    CorrectLower, // the same sound under its other spelling, on the middle levels
    WrongWord,
    Play, // "Play" deals the field
    Shuffle,
    TileDown, // Clear on the board
    OhNo,     // a level failed
    Winner,   // Expert passed
};

} // namespace vortalex
