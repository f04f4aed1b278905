#pragma once

#include <QColor>

namespace vortalex::palette {

// Text colours the board and the menu share for their clickable labels.
inline const QColor kRest{0, 0, 0};
inline const QColor kHoverCommand{0, 255, 255}; // commands, Ok, Clear, the Easy pause label
inline const QColor kHoverGo{0, 255, 0};        // "Quit Game" and the level entries

// The game's own colours: the sea blue behind every screen, the gold of titles and frames and
// the light grey of headings on the blue.
inline const QColor kSea{0, 81, 133};
inline const QColor kGold{255, 214, 102};
inline const QColor kHeading{224, 224, 224};

inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

} // namespace vortalex::palette
