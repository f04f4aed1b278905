#pragma once

#include "core/board/BoardModel.h"
#include "core/common/Level.h"

#include <QRect>
#include <QSize>

#include <array>

namespace vortalex {

// Where everything of a level's board stands, in pixels: the field at the level's own place and
// the column of commands, readouts and words to its right. The positions the rules give in twips
// live here, not in the level table the core reads.
class BoardLayout {
public:
    explicit BoardLayout(Level level);

    QSize window() const { return m_window; }
    QRect tile(int index) const; // 1 .. side * side, row by row from the top left
    QRect field() const { return m_field; }
    QRect panel() const; // the column's backdrop
    QRect title() const;
    QRect command(BoardCommand command) const;
    QRect pause() const;
    // The speaker control: a square at the right end of the pause label's row.
    QRect sound() const;
    QRect wordFormed() const;
    QRect banner(int topTwips) const;
    // The five readouts from the top: a caption and its value.
    static constexpr int kReadouts = 5;
    QRect caption(int row) const;
    QRect value(int row) const;
    // "Quit Game" keeps the bottom edge the level gives it and sits centred under the column;
    // the word list takes the room above it.
    QRect quit(QSize size) const;
    QRect wordList(const QRect& quit) const;
    // Lines between the sections of the column.
    static constexpr std::array<int, 3> kSeparators{120, 240, 358};

private:
    int m_side;
    QSize m_window;
    QPoint m_fieldAt;
    QRect m_field;
    int m_quitBottom;
    int m_wordFormedTop;
    int m_columnLeft;
    int m_columnWidth;
};

} // namespace vortalex
