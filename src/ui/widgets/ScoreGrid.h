#pragma once

#include <QTableView>

class QAbstractItemModel;

namespace vortalex {

class ScoreRowsLook;

// The two-column score grid of the score tables and the summaries: "Player" left-aligned and
// 1500 twips wide, "Score" centred in the rest, at least 1000 twips; the header reads "Player"
// and "Score" whatever query filled the grid. It shows the rows of a model (name, score) that
// fetches them as the grid scrolls, so a table of any size costs only what has been seen.
class ScoreGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kPlayerColumnTwips = 1500;
    static constexpr int kScoreColumnTwips = 1000;

    explicit ScoreGrid(QWidget* parent = nullptr);

    // `rows` outlives the grid or is given up before it goes; null shows no rows.
    void setRows(QAbstractItemModel* rows);
    // Wide enough for both columns and the scroll bar that many rows bring.
    int naturalWidth() const;
    // The columns, the rows, the header's type and the room a name is cut to at `scale` times
    // their design size; the grid's own font is its layout's to scale.
    void setScale(qreal scale);

private:
    ScoreRowsLook* m_look = nullptr;
};

} // namespace vortalex
