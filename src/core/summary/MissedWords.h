#pragma once

#include "core/common/Level.h"
#include "core/common/Lexicon.h"
#include "core/common/TileGrid.h"
#include "core/common/WordPath.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vortalex {

struct MissedWord {
    QString word;   // upper case, as the board spells it
    int points = 0; // what building it would have added to the total
    bool common = false;
    bool operator==(const MissedWord&) const = default;
};

// The words findable on any of `fields` under the level's minimum length that are not among
// `built`: common words before the others, longer words before shorter ones, and in
// alphabetical order within a length.
QList<MissedWord> missedWords(const Lexicon& lexicon, const LevelInfo& level,
                              const QList<TileGrid>& fields, const QStringList& built);

// Where a missed word stood: the first of `fields` that holds it, the one missedWords() lists it
// from, with one chain of tiles that spells it there. None when no field holds it.
std::optional<WordPath> missedWordPath(const QList<TileGrid>& fields, const QString& word);

// How much of its fields a level's player found: the words built against every word the fields
// held, built or missed, so that the missed list counts exactly what was not found.
struct FieldShare {
    int found = 0;
    int onFields = 0;
    QString longest; // the longest word built, the first of equals; empty when none was

    int percent() const { return onFields > 0 ? (100 * found + onFields / 2) / onFields : 0; }
    // "You found N of the M words on your fields (P%). Longest: WORD."
    QString text() const;
};

FieldShare fieldShare(const QStringList& built, const QList<MissedWord>& missed);

} // namespace vortalex
