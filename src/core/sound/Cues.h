#pragma once

#include "core/common/Cue.h"

#include <QString>

namespace vortalex {

// The name of the WAV file a cue stands for, beginning with a backslash.
QString cueFileName(Cue cue);

// The file a cue name stands for in `folder` (the data folder DataLocation chose), matched
// ignoring letter case; empty when there is none.
QString resolveCueFile(const QString& folder, const QString& cueName);

} // namespace vortalex
