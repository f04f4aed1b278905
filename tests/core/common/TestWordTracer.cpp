#include "core/common/TileGrid.h"
#include "core/common/WordTracer.h"

#include <QtTest>

using namespace vortalex;

namespace {

// A placed, reset grid whose rows read as given (one string per row).
TileGrid field(const QStringList& rows) {
    TileGrid grid(static_cast<int>(rows.size()));
    grid.placeTiles();
    for (int i = 1; i <= grid.count(); ++i) {
        grid.tile(i).letter = rows.at((i - 1) / grid.side()).at((i - 1) % grid.side());
    }
    grid.reset();
    return grid;
}

bool followsThePickRule(const TileGrid& grid, const QList<int>& chain) {
    TileGrid replay = grid;
    replay.reset();
    for (int index : chain) {
        if (!replay.canPick(index)) {
            return false;
        }
        replay.pick(index);
    }
    return true;
}

} // namespace

class TestWordTracer : public QObject {
    Q_OBJECT
private slots:
    void aWordIsSpelledByTouchingTilesEachUsedOnce() {
        const TileGrid grid = field({"CAT", "XXX", "XXX"});
        QCOMPARE(WordTracer::trace(grid, QStringLiteral("cat")), (QList<int>{1, 2, 3}));
        // "TAT" would need tile 3 twice; "CT" skips a tile.
        QVERIFY(!WordTracer::trace(grid, QStringLiteral("TAT")));
        QVERIFY(!WordTracer::trace(grid, QStringLiteral("CT")));
    }

    void theTracedChainAlwaysPassesThePickRule() {
        const TileGrid grid = field({"ABCA", "BCAB", "CABC", "ABCA"});
        for (const QString word : {"ABC", "CBA", "ABCABC", "AAA", "CCC", "BAC"}) {
            const auto chain = WordTracer::trace(grid, word);
            QVERIFY2(chain.has_value(), qPrintable(word));
            QCOMPARE(WordTracer::lettersOf(grid, *chain), word);
            QVERIFY2(followsThePickRule(grid, *chain), qPrintable(word));
        }
    }

    void thePickedChainIsKeptWhenTheLetterFitsAfterIt() {
        // Two A's touch the C, each with a T after it; the player picked the lower one, which a
        // search in tile order would not find first.
        TileGrid grid = field({"CAT", "AXX", "TXX"});
        grid.pick(1);
        grid.pick(4);
        QCOMPARE(WordTracer::extend(grid, QLatin1Char('T')), (QList<int>{1, 4, 7}));
    }

    void anotherChainIsChosenWhenTheLetterOnlyFitsThere() {
        TileGrid grid = field({"CAQ", "AXX", "ZXX"});
        grid.pick(1);
        grid.pick(2);
        // Z touches only the lower A: the chain moves there, keeping the C.
        QCOMPARE(WordTracer::extend(grid, QLatin1Char('Z')), (QList<int>{1, 4, 7}));
        QVERIFY(!WordTracer::extend(grid, QLatin1Char('K')));
    }

    // Without its budget the search would take longer than anyone waits: the test's own time
    // limit then fails it.
    void aFieldOfOneLetterDoesNotStallTheSearch() {
        // Seven of every eight chains of A's on a full field end in a dead corner; the search
        // has a budget and answers either way.
        TileGrid grid(11);
        grid.placeTiles();
        for (int i = 1; i <= grid.count(); ++i) {
            grid.tile(i).letter = QStringLiteral("A");
        }
        grid.tile(61).letter = QStringLiteral("B");
        grid.reset();
        const auto chain = WordTracer::trace(grid, QString(120, QLatin1Char('A')) + 'B');
        if (chain) {
            QVERIFY(followsThePickRule(grid, *chain));
        }
        // As long as the field, so that the search runs: 121 A's, where the field has 120.
        QVERIFY(!WordTracer::trace(grid, QString(grid.count(), QLatin1Char('A'))));
    }
};

QTEST_GUILESS_MAIN(TestWordTracer)
#include "TestWordTracer.moc"
