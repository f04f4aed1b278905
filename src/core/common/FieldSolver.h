#pragma once

#include "core/common/Lexicon.h"
#include "core/common/TileGrid.h"

#include <QList>
#include <QString>

namespace vortalex {

struct FoundWord {
    QString word; // upper case
    bool common = false;
    bool operator==(const FoundWord&) const = default;
};

// Every dictionary word of at least `minLength` letters that the pick rule of TileGrid allows on
// `field`: the first tile anywhere, each further tile one of the last tile's neighbours() and
// not yet in the word. Each word comes once, however many paths spell it, in alphabetical
// order. Tiles without a letter (a field not dealt yet) take no part.
QList<FoundWord> solveField(const TileGrid& field, const Lexicon& lexicon, int minLength);

} // namespace vortalex
