#pragma once

#include "common/Level.h"
#include "common/Services.h"

class QWidget;

namespace vortalex {

// What a board or summary asks for when it closes. Screens never open boards themselves; the
// caller of playLevels() does, so at most menu, board and summary are ever open at once.
struct ScreenOutcome {
    enum Kind { Menu, Board };
    Kind kind = Menu;
    Level level = Level::Easy;

    static ScreenOutcome menu() { return {}; }
    static ScreenOutcome board(Level level) { return {Board, level}; }
};

// Opens the board of `first` modally and keeps opening what each closing screen asks for
// until one asks for the menu.
void playLevels(Level first, Services& services, QWidget* parent);

} // namespace vortalex
