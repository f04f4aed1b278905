#pragma once

#include "core/board/BoardModel.h"

namespace vortalex::test {

// Lets a running deal play out, as its timer would.
inline void finishDealing(BoardModel& board) {
    while (board.dealRunning()) {
        board.dealTick();
    }
}

// A board opened and started with "Play", its deal done: the field a player first sees.
inline void openAndPlay(BoardModel& board) {
    board.load();
    board.activate();
    board.clickCommand(BoardCommand::Play);
    finishDealing(board);
}

} // namespace vortalex::test
