#pragma once

#include "core/common/Level.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace vortalex {

// What a formed word's lookup found. Failed: the dictionary could not be read (another
// program holds the file, or the file is damaged), which says nothing about the word.
enum class WordLookup { Found, NotFound, Failed };

struct DictionaryEntry {
    QString word;
    QString meaning;
};

struct PlayerRow {
    QString name;
    std::array<bool, kLevelCount> levelOpen{};
};

// A player row with its stored password hash, for checking the password elsewhere, and where
// to write the hash anew.
struct StoredPlayer {
    PlayerRow player;
    QString passwordHash;
    qint64 rowId = 0;
};

struct ScoreRow {
    QString name;
    qint64 score = 0;
    QString time;
};

// A row of a ranking or a score grid: columns 0 and 1 of its query.
struct RankRow {
    QString name;
    qint64 score = 0;
    bool operator==(const RankRow&) const = default;
};

// One finished level of a player's history (tblHistory).
struct HistoryRow {
    Level level = Level::Easy;
    QDateTime when; // in UTC
    qint64 score = 0;
    // Counts are read as stored, as wide as the column: a doctored value is shown, not wrapped.
    qint64 wordsBuilt = 0;
    QString longestWord; // the first of equals; empty when no word was built
    // Every word the level's fields held, built or not.
    qint64 wordsOnFields = 0;
    bool operator==(const HistoryRow&) const = default;
};

// A player's result of one day's field (tblDailyResults): the first play of the date that ran
// to its end.
struct DailyRow {
    QDate date;   // the player's local date the field was dealt for
    QString name; // as it was signed in; empty for a guest
    qint64 score = 0;
    qint64 wordsBuilt = 0;
    QString longestWord;  // the first of equals; empty when no word was built
    int foundPercent = 0; // of the words on the fields, rounded as the summary's found line
    QDateTime when;       // the end of the play, in UTC
    bool operator==(const DailyRow&) const = default;
};

// What keeping a day's result did: Kept; AlreadyKept, since the player has a result for that
// date (this play was practice) and nothing was written; Failed, nothing written either.
enum class DailyWrite { Kept, AlreadyKept, Failed };

} // namespace vortalex
