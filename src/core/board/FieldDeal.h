#pragma once

#include "core/common/DayField.h"
#include "core/common/Level.h"
#include "core/common/Random.h"
#include "core/common/TileGrid.h"
#include "core/common/WordPath.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace vortalex {

// The letters of a field. On the levels every letter is drawn with the same chance, no
// weighting. A deal fills the field on nine ticks and, in the ninth, settles it: a level's with
// its vowel quota, today's field with the day's letters. Every field the player got to play on
// is kept for the missed words of the summary, and the field of every accepted word with the
// tiles picked for it, for the summary to show where it was.
class FieldDeal {
public:
    static constexpr int kTicks = 10;

    explicit FieldDeal(const LevelInfo& info);

    // A fresh board of a level draws from a fresh generator.
    void seed(std::unique_ptr<Random> random);
    // Today's field: the final fields, the refills and the shuffles come from the date's
    // stream, letters as often as in English text, so that the same words built in the same
    // order give every player the same fields. The quick fills, seen only in passing, draw from
    // `passing`, so that nothing on the screen takes a letter from the day. The first field is
    // drawn again until it holds DayField::kWordFloor words.
    void seedDay(const DayField& day, std::unique_ptr<Random> passing);

    void start();
    bool running() const { return m_running; }
    // One tick of the deal timer on `grid`; nothing while no deal runs.
    void tick(TileGrid& grid);
    // A click during a deal ends it. A level's field freezes as it stands, without the vowel
    // quota; today's field is settled at once, so a click changes none of the day's letters.
    // True when this changed the letters on `grid`.
    bool freeze(TileGrid& grid);
    // The tiles of an accepted word get new letters; the others keep theirs.
    void refillUsed(TileGrid& grid);

    // Before its tiles are refilled: `word` as picked on `grid`, in the order of grid.chain().
    void keepBuilt(const QString& word, const TileGrid& grid) {
        m_built.append({word, grid, grid.chain()});
    }

    // How many fields the first deal of today's field drew before one held enough words; 0
    // before it is dealt, and on the levels.
    int firstDayFieldDraws() const { return m_firstDayFieldDraws; }

    const QList<TileGrid>& fields() const { return m_fields; }
    const QList<WordPath>& builtPaths() const { return m_built; }
    void forgetFields() {
        m_fields.clear();
        m_built.clear();
    }

private:
    // A letter of a quick fill, and one that stays on the field (final fields and refills).
    QString passingLetter();
    QString keptLetter();
    void fill(TileGrid& grid);
    void settle(TileGrid& grid);
    void fillWithVowelQuota(TileGrid& grid);
    void drawDayField(TileGrid& grid);

    const LevelInfo& m_info;
    std::unique_ptr<Random> m_random; // every letter of a level; the quick fills of the day's
    std::optional<DayField> m_day;
    std::unique_ptr<Random> m_dayStream;
    int m_firstDayFieldDraws = 0;
    int m_ticks = 0;
    bool m_running = false;
    QList<TileGrid> m_fields;
    QList<WordPath> m_built;
};

} // namespace vortalex
