#pragma once

#include "core/common/Level.h"
#include "core/common/Random.h"
#include "core/common/TileGrid.h"
#include "core/common/WordPath.h"

#include <QList>
#include <QString>

#include <memory>

namespace vortalex {

// The letters of a field: every letter is drawn with the same chance, no weighting. A deal
// fills the field on nine ticks and, in the ninth, settles it with the level's vowel quota;
// every field the player got to play on is kept for the missed words of the summary, and the
// field of every accepted word with the tiles picked for it, for the summary to show where it
// was.
class FieldDeal {
public:
    static constexpr int kTicks = 10;

    explicit FieldDeal(const LevelInfo& info);

    // A fresh board draws from a fresh generator.
    void seed(std::unique_ptr<Random> random);

    QString drawLetter();
    void start();
    bool running() const { return m_running; }
    // One tick of the deal timer on `grid`; nothing while no deal runs.
    void tick(TileGrid& grid);
    // A click during a deal freezes the field as it stands, without the vowel quota.
    void freeze(const TileGrid& grid);
    // The tiles of an accepted word get new letters; the others keep theirs.
    void refillUsed(TileGrid& grid);

    // Before its tiles are refilled: `word` as picked on `grid`, in the order of grid.chain().
    void keepBuilt(const QString& word, const TileGrid& grid) {
        m_built.append({word, grid, grid.chain()});
    }

    const QList<TileGrid>& fields() const { return m_fields; }
    const QList<WordPath>& builtPaths() const { return m_built; }
    void forgetFields() {
        m_fields.clear();
        m_built.clear();
    }

private:
    void fill(TileGrid& grid);
    void fillWithVowelQuota(TileGrid& grid);

    const LevelInfo& m_info;
    std::unique_ptr<Random> m_random;
    int m_ticks = 0;
    bool m_running = false;
    QList<TileGrid> m_fields;
    QList<WordPath> m_built;
};

} // namespace vortalex
