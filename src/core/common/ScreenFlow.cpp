#include "core/common/ScreenFlow.h"

namespace vortalex {

void playLevels(Level first, SessionState& session, BoardOpener& opener) {
    ScreenOutcome next = ScreenOutcome::board(first);
    while (next.kind == ScreenOutcome::Board) {
        next = opener.openBoard(next.level, session);
    }
}

} // namespace vortalex
