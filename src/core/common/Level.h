#pragma once

#include "core/common/Cue.h"

#include <QString>

#include <array>
#include <optional>

namespace vortalex {

// The index doubles as the level chooser's entry and the position of the level flag.
enum class Level { Easy = 0, Intermediate = 1, Difficult = 2, Expert = 3 };

inline constexpr int kLevelCount = 4;

// Rules that hold on every level.
inline constexpr int kBonusPerExtraLetter = 50; // points per letter beyond the minimum length
inline constexpr int kShufflesPerGame = 3;
inline constexpr int kDealIntervalMs = 50;
inline constexpr int kClockIntervalMs = 1000;
// The pass target of a level that any total but 0 passes: it asks for no score of its own.
inline constexpr int kAnyScorePasses = 1;

// Every per-level constant of the game in one place; boards, summaries and saves read it
// instead of testing the level themselves. Today's field has one of its own (dailyInfo()).
struct LevelInfo {
    Level level;             // today's field: Easy, whose word rules and scoring it plays by
    const char* title;       // "Easy", ...
    const char* boardName;   // frmMainGame5x5, ...
    const char* summaryName; // frmEasySummary, ...
    const char* scoreTable;  // tblEasyScores, ...
    const char* flagColumn;  // fldeasy, ...
    int side;                // tiles per side
    int vowelQuota;
    int minWordLength;
    int basePoints;
    int clockMinutes; // minutes left besides the 60 seconds that "Play" sets
    int passTarget;   // lowest passing total; Expert passes with anything but 0
    Cue acceptCue;
    std::optional<Cue> clearCue; // none: the Expert board's Clear is silent
    Cue passCue;
    std::optional<Cue> failCue; // none: the Expert board asks to try again instead
    int slideIntervalMs;
    bool pauseLabelHover;
    // The summary screen of the level.
    bool summaryHasPassword; // and the "SCORES" caption
    bool summaryHasNext;     // "&Next" straight to the Expert board
    const char* tryAgainTitle;
    const char* tryAgainText;
    // Today's field: it opens no level and keeps its results apart from the levels' scores,
    // totals and histories.
    bool daily;

    int index() const { return static_cast<int>(level); }
    int tileCount() const { return side * side; }
    int levelSeconds() const { return (clockMinutes + 1) * 60; }
    bool passed(qint64 total) const { return total >= passTarget; }
    // The total the level asks for; none where any score but 0 passes (Expert).
    std::optional<int> scoreTarget() const {
        return passTarget != kAnyScorePasses ? std::optional<int>(passTarget) : std::nullopt;
    }
    // The bonus of an accepted word of `letters` letters, and what it adds to the total.
    int bonusFor(int letters) const { return (letters - minWordLength) * kBonusPerExtraLetter; }
    int pointsFor(int letters) const { return basePoints + bonusFor(letters); }
    std::optional<Level> next() const;
};

const LevelInfo& levelInfo(Level level);
// Today's field: 5 x 5 for 3:00 with Easy's word rules and scoring, letters as often as in
// English text and no vowel quota (the first field holds enough words instead).
const LevelInfo& dailyInfo();
const LevelInfo& levelInfo(int index);
const std::array<Level, kLevelCount>& allLevels();

} // namespace vortalex
