#pragma once

#include "core/common/Cue.h"

namespace vortalex {

// Starts a cue and returns at once; a new cue cuts off the one playing. Missing or unplayable
// files are silent: sound never stops the game.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

} // namespace vortalex
