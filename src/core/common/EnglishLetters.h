#pragma once

#include "core/common/Random.h"

#include <QChar>

namespace vortalex {

// Letters drawn as often as they occur in English text, for today's field; the levels keep
// their equal chances (FieldDeal).
namespace englishLetters {

// The weights of A .. Z add up to this.
inline constexpr int kTotalWeight = 99999;

// The weight of a capital letter A .. Z; 0 for anything else.
int weight(QChar letter);

// One letter from one draw: n = random.draw(kTotalWeight), that is floor(r * 99999) + 1, and the
// letter is the first of A .. Z, in alphabetical order, whose running sum of weights reaches n.
// So n = 1 .. 8167 is A, 8168 .. 9659 is B, and 99926 .. 99999 is Z.
QChar draw(Random& random);

} // namespace englishLetters

} // namespace vortalex
