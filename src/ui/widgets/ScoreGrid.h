#pragma once

#include <QList>
#include <QTableWidget>

namespace vortalex {

struct RankRow;

// The two-column score grid of the score tables and the summaries: "Player" left-aligned and
// 1500 twips wide, "Score" centred and 1000 twips wide, header written anew after every fill.
class ScoreGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kPlayerColumnTwips = 1500;
    static constexpr int kScoreColumnTwips = 1000;

    explicit ScoreGrid(QWidget* parent = nullptr);

    void fill(const QList<RankRow>& rows);
    // Wide enough for both columns and the scroll bar.
    int naturalWidth() const;
};

} // namespace vortalex
