#include "core/common/TilePicker.h"

#include <QtTest>

using namespace vortalex;

namespace {

struct Field {
    Field() {
        grid.placeTiles();
        grid.reset();
    }
    TileGrid grid{5};
    TilePicker picker{grid};
};

} // namespace

class TestTilePicker : public QObject {
    Q_OBJECT
private slots:
    // What the board and the menu both rely on: a pick must touch the last one and not be in
    // the word, a double-click confirms only on the word, and the click a right-button release
    // completes never picks.
    void clicksPickByTheTouchRuleAndARightClickNeverPicks() {
        Field f;
        QCOMPARE(f.picker.click(13), Pick::Taken);
        QCOMPARE(f.picker.click(1), Pick::Refused); // does not touch 13
        QCOMPARE(f.picker.click(13), Pick::InWord);
        QVERIFY(!f.picker.rightRelease(7)); // not in the word: nothing to discard
        QCOMPARE(f.picker.click(7), Pick::Swallowed);
        QCOMPARE(f.picker.click(7), Pick::Taken);
        QVERIFY(f.picker.confirms(7) && !f.picker.confirms(8)); // a double-click on the word
        QVERIFY(f.picker.rightRelease(13));                     // a tile of the word discards it
        QVERIFY(!f.picker.confirms(13)); // and the double-click of that click confirms nothing
        QCOMPARE(f.picker.click(13), Pick::Swallowed);
        QCOMPARE(f.grid.chain(), (QList<int>{13, 7}));
    }

    // The menu starts a new command there: a click in the old one must not.
    void theHookRunsOnlyForAClickThatMayPickAndBeforeItIsJudged() {
        Field f;
        f.picker.click(1);
        int runs = 0;
        QCOMPARE(f.picker.click(1, [&] { ++runs; }), Pick::InWord);
        QCOMPARE(runs, 0);
        const auto startAfresh = [&] {
            ++runs;
            f.grid.reset(); // the old command goes: 25 may start the new one
        };
        QCOMPARE(f.picker.click(25, startAfresh), Pick::Taken);
        QCOMPARE(runs, 1);
    }
};

QTEST_GUILESS_MAIN(TestTilePicker)
#include "TestTilePicker.moc"
