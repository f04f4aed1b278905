#pragma once

#include "TestWorld.h"

namespace vortalex::test {

// An Easy field with known letters and 14 vowels, so the deal keeps it as it is: CAT along the
// top row, a second A under the C with an X below it, and BONDS on each of the last two rows.
inline const QString kKnownField = QStringLiteral("CATEO"
                                                  "AIUEO"
                                                  "XEIAU"
                                                  "BONDS"
                                                  "BONDS");

// Scripts the first deal of the next board: nine throwaway fills, then kKnownField. A board
// takes its draws when it loads, so this comes before the board is created or loaded.
inline void scriptKnownField(TestWorld& world) {
    std::deque<double> draws(9 * 25, 0.0);
    for (QChar c : kKnownField) {
        draws.push_back((c.unicode() - u'A' + 0.5) / 26.0);
    }
    world.nextScript = draws;
}

// A world whose first Easy board deals kKnownField.
struct KnownFieldWorld : TestWorld {
    KnownFieldWorld() { scriptKnownField(*this); }
    explicit KnownFieldWorld(const QList<DictionaryEntry>& words)
        : TestWorld(words) {
        scriptKnownField(*this);
    }
};

} // namespace vortalex::test
