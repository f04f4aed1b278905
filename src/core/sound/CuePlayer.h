#pragma once

#include "core/sound/Cues.h"

#include <QString>

namespace vortalex {

// Starts a cue and returns at once; a new cue cuts off the one playing. Missing or unplayable
// files are silent: sound never stops the game.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

// The file a cue name stands for in the program folder, matched ignoring letter case;
// empty when there is none.
QString resolveCueFile(const QString& programFolder, const QString& cueName);

} // namespace vortalex
