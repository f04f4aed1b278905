#pragma once

#include "core/common/TileGrid.h"

#include <QString>

namespace vortalex::test {

// A dealt field of `side` x `side` tiles with the given letters, row by row from the top left.
inline TileGrid fieldOf(int side, const QString& letters) {
    TileGrid grid(side);
    grid.placeTiles();
    for (int i = 1; i <= grid.count(); ++i) {
        grid.tile(i).letter = letters.at(i - 1);
    }
    grid.reset();
    return grid;
}

inline QString lettersOf(const TileGrid& grid) {
    QString s;
    for (int i = 1; i <= grid.count(); ++i) {
        s += grid.tile(i).letter;
    }
    return s;
}

} // namespace vortalex::test
