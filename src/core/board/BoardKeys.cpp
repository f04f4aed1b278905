#include "core/board/BoardKeys.h"

#include "core/board/BoardModel.h"
#include "core/common/WordTracer.h"

namespace vortalex {

bool BoardKeys::takeTiles() const {
    return !m_board.m_messageOpen && m_board.tilesVisible() &&
           m_board.clock() != BoardModel::Clock::Ended;
}

void BoardKeys::typeLetter(QChar letter) {
    const QChar upper = letter.toUpper();
    if (!takeTiles() || upper < QLatin1Char('A') || upper > QLatin1Char('Z')) {
        return;
    }
    // A key during the deal of today's field ends it on the day's letters, where the letter is
    // then looked for; a level's deal freezes only once a chain spells the letter.
    if (m_board.m_day) {
        m_board.freezeDeal();
    }
    const std::optional<QList<int>> chain = WordTracer::extend(m_board.m_grid, typedChain(), upper);
    if (!chain) {
        return; // no chain spells it: the letter is ignored, silently
    }
    // As a click would: the banner goes back, a running deal freezes the field as it stands.
    m_board.m_banner.putBack();
    m_board.freezeDeal();
    m_board.m_picker.forgetSwallow();
    m_board.play(Cue::Clicking);
    takeChain(*chain);
}

QList<int> BoardKeys::typedChain() const {
    // Tiles can stay picked under a word that is gone (a shuffle empties the word before its
    // deal repaints the tiles): keys then start afresh instead of bringing that word back.
    const TileGrid& grid = m_board.m_grid;
    const QList<int>& chain = grid.chain();
    return WordTracer::lettersOf(grid, chain) == m_board.m_word ? chain : QList<int>{};
}

void BoardKeys::eraseLetter() {
    QList<int> chain = typedChain();
    if (!takeTiles() || chain.isEmpty()) {
        return;
    }
    chain.removeLast();
    takeChain(chain);
}

void BoardKeys::takeChain(const QList<int>& chain) {
    TileGrid& grid = m_board.m_grid;
    const TileGrid before = grid;
    grid.retrace(chain);
    m_board.setWord(WordTracer::lettersOf(grid, chain));
    m_board.announceTiles(before);
}

void BoardKeys::submitTypedWord() {
    // A double-click on the last picked tile, which is white, runs Done.
    const QList<int> chain = typedChain();
    if (takeTiles() && !chain.isEmpty()) {
        m_board.m_picker.forgetSwallow();
        m_board.doubleClickTile(chain.last());
    }
}

void BoardKeys::dropTypedWord() {
    // A right click on a white tile runs Clear; no click follows a key to be swallowed.
    if (takeTiles() && !typedChain().isEmpty()) {
        m_board.runCommand(BoardCommand::Clear);
    }
}

void BoardKeys::pressPauseKey() {
    if (!m_board.m_messageOpen) {
        m_board.clickPauseLabel();
    }
}

} // namespace vortalex
