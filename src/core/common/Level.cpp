#include "core/common/Level.h"

#include <stdexcept>

namespace vortalex {

namespace {

// clang-format off
const std::array<LevelInfo, kLevelCount> kLevels{{
    {Level::Easy, "Easy", "frmMainGame5x5", "frmEasySummary", "tblEasyScores", "fldeasy",
     5, 10, 3, 250, 4, 5000,
     Cue::Correct, Cue::TileDown, Cue::Level, Cue::OhNo, 100, true,
     true, false, "Quillaro", "Do You want to try again??",
     11805, 8700, 2460, 2360, 9360, 8100, 10140, 2700},
    {Level::Intermediate, "Intermediate", "frmMainGame7x7", "frmIntrmediateSummary",
     "tblIntermediateScores", "fldintermediate",
     7, 20, 4, 300, 9, 7000,
     Cue::CorrectLower, Cue::TileDown, Cue::Level, Cue::OhNo, 200, false,
     false, false, "Vortalex", "Doo You want to try again??",
     11760, 8685, 1620, 1755, 9360, 8100, 10140, 2700},
    {Level::Difficult, "Difficult", "frmMainGame9x9", "frmDifficultSummary",
     "tblDifficultScores", "flddifficult",
     9, 30, 5, 350, 14, 9000,
     Cue::CorrectLower, Cue::TileDown, Cue::Level, Cue::OhNo, 200, false,
     false, true, "Vortalex", "Do You want to try again??",
     11760, 8685, 840, 865, 9300, 8100, 10200, 2700},
    {Level::Expert, "Expert", "frmMainGame11x11", "frmExpertSummary", "tblExpertScores",
     "fldexpert",
     11, 40, 6, 400, 19, 1,
     Cue::Correct, std::nullopt, Cue::Winner, std::nullopt, 200, false,
     false, false, "Vortalex", "Do You want to try again??",
     // Larger than the first design's 11850 x 8775 with the field at (120, 120), which ran
     // the field's frame off the window and against the column: the field keeps the
     // Difficult field's margin and the rest moves with it.
     13410, 10245, 840, 865, 10905, 9645, 11700, 2700},
}};
// clang-format on

const std::array<Level, kLevelCount> kAll{Level::Easy, Level::Intermediate, Level::Difficult,
                                          Level::Expert};

} // namespace

std::optional<Level> LevelInfo::next() const {
    if (level == Level::Expert) {
        return std::nullopt;
    }
    return static_cast<Level>(index() + 1);
}

const LevelInfo& levelInfo(Level level) {
    return kLevels.at(static_cast<std::size_t>(level));
}

const LevelInfo& levelInfo(int index) {
    if (index < 0 || index >= kLevelCount) {
        throw std::out_of_range("level index");
    }
    return kLevels.at(static_cast<std::size_t>(index));
}

const std::array<Level, kLevelCount>& allLevels() {
    return kAll;
}

} // namespace vortalex
