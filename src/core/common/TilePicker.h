#pragma once

#include "core/common/TileGrid.h"

#include <functional>

namespace vortalex {

// How a left click on a letter tile ended.
enum class Pick {
    Swallowed, // the click that completed a right-button release
    InWord,    // the tile is already part of the word: nothing, not even the click's sound
    Refused,   // not open, or the field is blank: the click sounds and changes nothing
    Taken,     // the tile joined the word
};

// The gestures on a letter field, the same on a board and on the menu: a click picks a tile by
// the grid's touch rule, a double-click on a tile of the word confirms the word, and a right
// click never picks: its release, which comes before its click, discards the word when it lands
// on a tile of it, and the click that follows is swallowed. The screens' models decide what
// a confirmed or discarded word does and when gestures count at all.
class TilePicker {
public:
    explicit TilePicker(TileGrid& grid)
        : m_grid(grid) {}

    // A left click on tile `index`. `beforeTaking` runs once the click is past the swallowed
    // and in-word checks, before the tile is judged (the menu starts a new command there).
    Pick click(int index, const std::function<void()>& beforeTaking = {});
    // Whether a double-click on tile `index` confirms the word: its first click has been
    // handled as a click already.
    bool confirms(int index) const;
    // The right button's release on tile `index`; true when the word is to be discarded.
    bool rightRelease(int index);
    // A key picked or submitted: no click is on its way to be swallowed.
    void forgetSwallow() { m_ignoreNextClick = false; }
    bool ignoresNextClick() const { return m_ignoreNextClick; }

private:
    TileGrid& m_grid;
    bool m_ignoreNextClick = false;
};

} // namespace vortalex
