#include "ScreenFlow.h"

#include "board/BoardScreen.h"

namespace vortalex {

void playLevels(Level first, Services& services, QWidget* parent) {
    ScreenOutcome next = ScreenOutcome::board(first);
    while (next.kind == ScreenOutcome::Board) {
        BoardScreen board(next.level, services, parent);
        board.exec();
        next = board.outcome();
    }
}

} // namespace vortalex
