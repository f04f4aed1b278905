#pragma once

#include "core/board/BoardModel.h"
#include "core/common/Level.h"

#include <QRect>
#include <QSize>

#include <array>

namespace vortalex {

// Where everything of a level's board stands at the design size, in twips: the field at the
// level's own place and the column of commands, readouts and words to its right. The positions
// the rules give in twips live here, not in the level table the core reads; the rest is the
// board's own design. The screen's DesignLayout turns them into pixels at the window's scale.
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
    // "Quit Game", as large as its caption needs at the design size (`size`, in pixels), keeps
    // the bottom edge the level gives it and sits centred under the column; the word list takes
    // the room above it.
    QRect quit(QSize size) const;
    QRect wordList(QSize quitSize) const;
    // Lines between the sections of the column, in pixels of the design size.
    static constexpr std::array<int, 3> kSeparators{120, 240, 358};

private:
    int m_side;
    QSize m_window;
    QPoint m_fieldAt;
    QRect m_field;
    // The column, in pixels of the design size: it is the board's own design.
    int m_columnLeft;
    int m_columnWidth;
    int m_quitBottom;
    int m_wordFormedTop; // twips
};

} // namespace vortalex
