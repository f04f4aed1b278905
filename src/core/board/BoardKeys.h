#pragma once

#include <QChar>
#include <QList>

namespace vortalex {

class BoardModel;

// Keyboard play on a board. Each key ends in the same calls as its mouse gesture: letters pick
// the tiles that spell the typed word, Return submits as a double-click on the word does,
// Escape drops it as a right click does, Space works the pause label. Keys do nothing while a
// message is open, while the tiles are hidden (but Space) and once time is up.
class BoardKeys {
public:
    explicit BoardKeys(BoardModel& board)
        : m_board(board) {}

    void typeLetter(QChar letter);
    void eraseLetter();
    void submitTypedWord();
    void dropTypedWord();
    void pressPauseKey();

private:
    bool takeTiles() const;
    QList<int> typedChain() const; // the picked tiles, when they still spell the word formed
    void takeChain(const QList<int>& chain);

    BoardModel& m_board;
};

} // namespace vortalex
