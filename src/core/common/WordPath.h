#pragma once

#include "core/common/TileGrid.h"

#include <QList>
#include <QString>

namespace vortalex {

// Where a word stood: the field as it was when the word was built or found on it, and the tiles
// that spell the word in the order of the pick rule, each touching the one before.
struct WordPath {
    QString word;
    TileGrid field{0};
    QList<int> chain;

    // What a screen reader says of it: "B row 2 column 3, then A row 2 column 4, then ...".
    QString spoken() const;
};

} // namespace vortalex
