#pragma once

#include <QColor>

namespace vortalex::palette {

// Text colours the board and the menu share for their clickable labels.
inline const QColor kRest{0, 0, 0};
inline const QColor kHoverCommand{0, 255, 255}; // commands, Ok, Clear, the Easy pause label
inline const QColor kHoverGo{0, 255, 0};        // "Quit Game" and the level entries

} // namespace vortalex::palette
