#include "core/common/Level.h"

#include <stdexcept>

namespace vortalex {

namespace {

// clang-format off
const std::array<LevelInfo, kLevelCount> kLevels{{
    {Level::Easy, "Easy", "frmMainGame5x5", "frmEasySummary", "tblEasyScores", "fldeasy",
     5, 10, 3, 250, 4, 5000,
     Cue::Correct, Cue::TileDown, Cue::Level, Cue::OhNo, 100, true,
     true, false, "Quillaro", "Do You want to try again??", false},
    {Level::Intermediate, "Intermediate", "frmMainGame7x7", "frmIntrmediateSummary",
     "tblIntermediateScores", "fldintermediate",
     7, 20, 4, 300, 9, 7000,
     Cue::CorrectLower, Cue::TileDown, Cue::Level, Cue::OhNo, 200, false,
     false, false, "Vortalex", "Doo You want to try again??", false},
    {Level::Difficult, "Difficult", "frmMainGame9x9", "frmDifficultSummary",
     "tblDifficultScores", "flddifficult",
     9, 30, 5, 350, 14, 9000,
     Cue::CorrectLower, Cue::TileDown, Cue::Level, Cue::OhNo, 200, false,
     false, true, "Vortalex", "Do You want to try again??", false},
    {Level::Expert, "Expert", "frmMainGame11x11", "frmExpertSummary", "tblExpertScores",
     "fldexpert",
     11, 40, 6, 400, 19, kAnyScorePasses,
     Cue::Correct, std::nullopt, Cue::Winner, std::nullopt, 200, false,
     false, false, "Vortalex", "Do You want to try again??", false},
}};

// Passed with any total, since nothing is opened by it; no try-again question is ever asked.
const LevelInfo kDaily{Level::Easy, "Today's field", "frmTodaysField", "frmTodaysFieldSummary",
                       "", "",
                       5, 0, 3, 250, 2, 0,
                       Cue::Correct, Cue::TileDown, Cue::Level, std::nullopt, 100, true,
                       false, false, "", "", true};
// clang-format on

const std::array<Level, kLevelCount> kAll{Level::Easy, Level::Intermediate, Level::Difficult,
                                          Level::Expert};

} // namespace

std::optional<Level> LevelInfo::next() const {
    if (daily || level == Level::Expert) {
        return std::nullopt;
    }
    return static_cast<Level>(index() + 1);
}

const LevelInfo& levelInfo(Level level) {
    return kLevels.at(static_cast<std::size_t>(level));
}

const LevelInfo& dailyInfo() {
    return kDaily;
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
