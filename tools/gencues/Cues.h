// The game's eleven cues, each rendered by a function of its own.
#pragma once

#include "gencues/Signal.h"

#include <span>

namespace vortalex::gencues {

struct Cue {
    const char* file;
    Buffer (*render)();
};

// The names are the ones the game asks for; it matches them ignoring case, so one file serves
// "CORRECT"/"correct" and "shuffle"/"Shuffle".
std::span<const Cue> cues();

} // namespace vortalex::gencues
