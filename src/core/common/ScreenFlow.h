#pragma once

#include "core/common/Level.h"
#include "core/common/TileGrid.h"
#include "core/common/WordPath.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace vortalex {

class SessionState;

// What a board or summary asks for when it closes. Screens never open boards themselves; the
// caller of playLevels() does, so at most menu, board and summary are ever open at once.
struct ScreenOutcome {
    enum Kind { Menu, Board };
    Kind kind = Menu;
    Level level = Level::Easy;

    static ScreenOutcome menu() { return {}; }
    static ScreenOutcome board(Level level) { return {Board, level}; }
    bool operator==(const ScreenOutcome&) const = default;
};

// A finished level as its board hands it to the summary.
struct LevelResult {
    Level level = Level::Easy;
    int total = 0;
    QString timeText;
    QStringList words; // in the order they were accepted
    bool passed = false;
    // The field of every finished deal ("Play", each "Shuffle") and the field at the end, for
    // the words the player could have built.
    QList<TileGrid> fields{}; // braced, so results built without it stay warning-free
    // Each accepted word with the field it was built on, as it stood, and the tiles the player
    // picked for it, in the order of `words`.
    QList<WordPath> builtPaths{};
    // Today's field: the date it was dealt for. Null on the levels.
    QDate day{};
};

// Opens one board modally and returns what it asked for when it closed.
class BoardOpener {
public:
    virtual ~BoardOpener() = default;
    virtual ScreenOutcome openBoard(Level level, SessionState& session) = 0;
};

// Opens the board of `first` and keeps opening what each closing board asks for until one asks
// for the menu.
void playLevels(Level first, SessionState& session, BoardOpener& opener);

} // namespace vortalex
