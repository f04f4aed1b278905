#include "core/common/TileGrid.h"

namespace vortalex {

TileGrid::TileGrid(int side)
    : m_side(side)
    , m_tiles(side * side) {}

void TileGrid::placeTiles() {
    for (int i = 1; i <= count(); ++i) {
        TileRecord& t = tile(i);
        t.row = static_cast<qint16>((i - 1) / m_side + 1);
        t.column = static_cast<qint16>((i - 1) % m_side + 1);
    }
}

bool TileGrid::isPlaced(int index) const {
    const TileRecord& t = tile(index);
    return t.row >= 1 && t.row <= m_side && t.column >= 1 && t.column <= m_side;
}

bool TileGrid::canPick(int index) const {
    if (!contains(index) || !isPlaced(index)) {
        return false;
    }
    const TileRecord& t = tile(index);
    return t.open && !t.used;
}

void TileGrid::pick(int index) {
    TileRecord& picked = tile(index);
    picked.open = false;
    picked.used = true;
    for (TileRecord& t : m_tiles) {
        if (t.open && !t.used) {
            t.open = false;
        }
    }
    // Used neighbours open too; colour() keeps them white and canPick() refuses them.
    for (int n : neighbours(index)) {
        tile(n).open = true;
    }
    m_chain.append(index);
    m_anyPicked = true;
}

void TileGrid::reset() {
    for (TileRecord& t : m_tiles) {
        t.open = true;
        t.used = false;
    }
    m_chain.clear();
    m_anyPicked = false;
}

void TileGrid::retrace(const QList<int>& chain) {
    const QList<int> tiles = chain; // may be our own chain, which reset() empties
    reset();
    for (int index : tiles) {
        pick(index);
    }
}

TileColour TileGrid::colour(int index) const {
    const TileRecord& t = tile(index);
    if (t.used) {
        return TileColour::Used;
    }
    if (t.open && m_anyPicked) {
        return TileColour::Open;
    }
    return TileColour::Plain;
}

QList<int> TileGrid::neighbours(int index) const {
    QList<int> result;
    const int row = (index - 1) / m_side;
    const int column = (index - 1) % m_side;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            const int r = row + dr;
            const int c = column + dc;
            if ((dr != 0 || dc != 0) && r >= 0 && r < m_side && c >= 0 && c < m_side) {
                result.append(r * m_side + c + 1);
            }
        }
    }
    return result;
}

QList<int> TileGrid::usedTiles() const {
    QList<int> result;
    for (int i = 1; i <= count(); ++i) {
        if (tile(i).used) {
            result.append(i);
        }
    }
    return result;
}

} // namespace vortalex
