#pragma once

#include <QTableView>

class QAbstractItemModel;

namespace vortalex {

class ScoreRowsLook;

// The two-column score grid of the score tables and the summaries: "Player" left-aligned and
// 1500 twips wide, "Score" centred in the rest, at least 1000 twips; the header reads "Player"
// and "Score" whatever query filled the grid, unless a screen names the first column otherwise. It
// shows the rows of a model (name, score) that fetches them as the grid scrolls, so a table of any
// size costs only what has been seen. Placed by a DesignLayout, which scales its font, it follows
// the layout's scale through setScale(): column widths, row height and the room a name has before
// it is cut short.
class ScoreGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kPlayerColumnTwips = 1500;
    static constexpr int kScoreColumnTwips = 1000;
    static constexpr int kRowTwips = 330; // 22 pixels at the design size

    explicit ScoreGrid(QWidget* parent = nullptr);

    // The rows' and the header's font at the design size.
    static QFont designFont();

    // `rows` outlives the grid or is given up before it goes; null shows no rows.
    void setRows(QAbstractItemModel* rows);
    // A grid of other rows than players' (today's field lists days) names its first column so.
    void setFirstHeader(const QString& text);
    // Wide enough for both columns and the scroll bar that many rows bring, at the design size.
    int naturalWidth() const;
    qreal scale() const { return m_scale; }

public slots:
    // The window's scale now (DesignLayout::scaleChanged): 1 is the design size.
    void setScale(qreal scale);

private:
    ScoreRowsLook* m_look = nullptr;
    qreal m_scale = 1.0;
};

} // namespace vortalex
