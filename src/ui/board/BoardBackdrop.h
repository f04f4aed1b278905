#pragma once

#include "ui/board/BoardLayout.h"

#include <QPixmap>

class QPainter;

namespace vortalex {

// What the board shows behind its widgets: the sky with its weave, a glow under the field, the
// tray and the column. It never changes while the board is open, so it is drawn once.
class BoardBackdrop {
public:
    explicit BoardBackdrop(const BoardLayout& layout)
        : m_layout(layout) {}

    void paint(QPainter& p, const QRect& area, qreal dpr);
    // Over the empty tray while the tiles are hidden, so they never look like a broken board.
    // Only the player's pause says how to go on: a message that holds the clock says so itself.
    void paintPausedSign(QPainter& p, bool byPlayer) const;

private:
    void draw(QPainter& p) const;

    const BoardLayout& m_layout;
    QPixmap m_pixmap;
};

} // namespace vortalex
