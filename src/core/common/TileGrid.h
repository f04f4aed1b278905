#pragma once

#include <QList>
#include <QString>

namespace vortalex {

struct TileRecord {
    qint16 row = 0;
    qint16 column = 0;
    QString letter;
    bool open = false;
    bool used = false;
};

enum class TileColour { Plain, Open, Used };

// The pick rule shared by the board and the menu: the first tile may be any tile, each further
// tile must touch the last one picked and must not be in the word yet. Tiles are numbered
// 1 .. side * side, row by row from the top left.
class TileGrid {
public:
    explicit TileGrid(int side);

    int side() const { return m_side; }
    int count() const { return m_side * m_side; }
    bool contains(int index) const { return index >= 1 && index <= count(); }

    const TileRecord& tile(int index) const { return m_tiles.at(index - 1); }
    TileRecord& tile(int index) { return m_tiles[index - 1]; }

    // Gives every record its row and column; records start zeroed until this runs.
    void placeTiles();
    bool isPlaced(int index) const;

    bool canPick(int index) const;
    // Takes the tile and opens its neighbours; the caller checks canPick first.
    void pick(int index);
    // Every tile open and unused, nothing picked: the first letter may be any tile.
    void reset();
    // Picks the given tiles in order from a reset field; the caller knows they form a chain.
    void retrace(const QList<int>& chain);
    // The picked tiles in the order they were picked.
    const QList<int>& chain() const { return m_chain; }

    TileColour colour(int index) const;
    QList<int> neighbours(int index) const;
    QList<int> usedTiles() const;

private:
    int m_side;
    QList<TileRecord> m_tiles;
    QList<int> m_chain;
    bool m_anyPicked = false;
};

} // namespace vortalex
