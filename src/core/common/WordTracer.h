#pragma once

#include "core/common/TileGrid.h"

#include <QList>
#include <QString>

#include <optional>

namespace vortalex {

// Turns typed letters into tiles: finds a chain of tiles that spells a word under the pick rule
// of TileGrid (first tile anywhere, each next one touching the last and not yet in the chain).
class WordTracer {
public:
    // Searches give up after this many tiles tried, so that a field of one repeated letter
    // cannot stall the game on a long word; such a letter is then ignored.
    static constexpr int kSearchBudget = 200000;

    // A chain spelling `word` (letter case ignored). Among all chains it keeps the longest
    // possible start of `preferred`, so a typed letter never moves tiles the player can see
    // picked unless the letter fits nowhere else. Empty when no chain spells the word.
    static std::optional<QList<int>> trace(const TileGrid& grid, const QString& word,
                                           const QList<int>& preferred = {});

    // The grid's picked chain (or `picked`) with `letter` added; re-chosen when the letter only
    // fits after another chain for the same letters.
    static std::optional<QList<int>> extend(const TileGrid& grid, QChar letter);
    static std::optional<QList<int>> extend(const TileGrid& grid, const QList<int>& picked,
                                            QChar letter);

    static QString lettersOf(const TileGrid& grid, const QList<int>& chain);
};

} // namespace vortalex
