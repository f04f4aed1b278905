#pragma once

#include "core/common/Level.h"
#include "core/common/Lexicon.h"
#include "core/common/TileGrid.h"

#include <QList>
#include <QString>
#include <QStringList>

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

} // namespace vortalex
