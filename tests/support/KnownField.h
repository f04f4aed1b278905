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

// Scripts the first deal of the next Easy board: nine throwaway fills, then `field` (at least
// 10 vowels, or the deal goes on). A board takes its draws when it loads, so this comes before
// the board is created or loaded.
inline void scriptField(TestWorld& world, const QString& field) {
    std::deque<double> draws(9 * 25, 0.0);
    for (QChar c : field) {
        draws.push_back((c.unicode() - u'A' + 0.5) / 26.0);
    }
    world.nextScript = draws;
}
inline void scriptKnownField(TestWorld& world) {
    scriptField(world, kKnownField);
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
