#pragma once

#include "ui/board/BoardLayout.h"

#include <QPixmap>

class QPainter;

namespace vortalex {

class DesignLayout;

// What the board shows behind its widgets: the sky with its weave over the whole window, a glow
// under the field, the tray and the column. It changes only with the window's size, so it is
// drawn once for each size, at that size: never a stretched picture.
class BoardBackdrop {
public:
    BoardBackdrop(const BoardLayout& places, const DesignLayout& layout)
        : m_places(places)
        , m_layout(layout) {}

    // Paints `area` of a window of `size`.
    void paint(QPainter& p, const QRect& area, QSize size, qreal dpr);
    // Over the empty tray while the tiles are hidden, so they never look like a broken board.
    // Only the player's pause says how to go on: a message that holds the clock says so itself.
    void paintPausedSign(QPainter& p, bool byPlayer) const;

private:
    void draw(QPainter& p, QSize size) const;

    const BoardLayout& m_places;
    const DesignLayout& m_layout;
    QPixmap m_pixmap;
};

} // namespace vortalex
