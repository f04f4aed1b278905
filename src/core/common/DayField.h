#pragma once

#include "core/common/Lexicon.h"
#include "core/common/TileGrid.h"

#include <QDate>

#include <memory>

namespace vortalex {

// Today's field as a board deals it: the date whose stream (SplitMix64::forDate) gives its
// letters, and the word tree that checks its first field.
struct DayField {
    // The first field of a date holds at least this many words of Easy's minimum length, or it
    // is drawn again from the same stream.
    static constexpr int kWordFloor = 120;
    // A word tree under which no field reaches the floor (a few test words) must not draw for
    // ever: after this many fields the last one stands. Every build with the same word list
    // still deals the same field.
    static constexpr int kMostFirstDraws = 100;

    QDate date;
    std::shared_ptr<const Lexicon> words; // never null

    // How many words the game's own solver finds on `field` under today's rules.
    int wordsOn(const TileGrid& field) const;
};

} // namespace vortalex
