#include "core/common/Level.h"
#include "core/common/TileGrid.h"

#include <QtTest>

using namespace vortalex;

namespace {

QList<int> openTiles(const TileGrid& grid) {
    QList<int> result;
    for (int i = 1; i <= grid.count(); ++i) {
        if (grid.colour(i) == TileColour::Open) {
            result.append(i);
        }
    }
    return result;
}

TileGrid placedGrid(int side) {
    TileGrid grid(side);
    grid.placeTiles();
    grid.reset();
    return grid;
}

} // namespace

class TestTileGrid : public QObject {
    Q_OBJECT
private slots:
    void pickingOpensExactlyTheTouchingTiles_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("easy centre") << 5 << 13 << QList<int>{7, 8, 9, 12, 14, 17, 18, 19};
        QTest::newRow("easy corner") << 5 << 1 << QList<int>{2, 6, 7};
        QTest::newRow("easy edge") << 5 << 3 << QList<int>{2, 4, 7, 8, 9};
        QTest::newRow("menu S") << 5 << 12 << QList<int>{6, 7, 8, 11, 13, 16, 17, 18};
        QTest::newRow("expert centre") << 11 << 61 << QList<int>{49, 50, 51, 60, 62, 71, 72, 73};
        QTest::newRow("expert last corner") << 11 << 121 << QList<int>{109, 110, 120};
        QTest::newRow("intermediate right edge") << 7 << 14 << QList<int>{6, 7, 13, 20, 21};
    }
    void pickingOpensExactlyTheTouchingTiles() {
        QFETCH(int, side);
        QFETCH(int, picked);
        QFETCH(QList<int>, expected);
        TileGrid grid = placedGrid(side);
        QVERIFY(grid.canPick(picked));
        grid.pick(picked);
        QCOMPARE(openTiles(grid), expected);
        QCOMPARE(grid.colour(picked), TileColour::Used);
        for (int i = 1; i <= grid.count(); ++i) {
            QCOMPARE(grid.canPick(i), expected.contains(i));
        }
    }

    void usedTilesStayWhiteAndCannotBePickedAgain() {
        TileGrid grid = placedGrid(5);
        grid.pick(7);
        grid.pick(13);
        // 7 touches 13, so it is open again, but it is in the word.
        QVERIFY(grid.tile(7).open);
        QCOMPARE(grid.colour(7), TileColour::Used);
        QVERIFY(!grid.canPick(7));
        QCOMPARE(grid.usedTiles(), (QList<int>{7, 13}));
        QVERIFY(!openTiles(grid).contains(7));
    }

    void aTileAwayFromTheLastPickCannotBePicked() {
        TileGrid grid = placedGrid(5);
        grid.pick(1);
        QVERIFY(!grid.canPick(25));
        QCOMPARE(grid.colour(25), TileColour::Plain);
    }

    void resetMakesEveryTilePickableAndBlack() {
        TileGrid grid = placedGrid(7);
        grid.pick(1);
        grid.pick(9);
        grid.reset();
        for (int i = 1; i <= grid.count(); ++i) {
            QVERIFY(grid.canPick(i));
            QCOMPARE(grid.colour(i), TileColour::Plain);
        }
    }

    void unplacedRecordsRefuseEveryPick() {
        TileGrid grid(9);
        for (int i = 1; i <= grid.count(); ++i) {
            QVERIFY(!grid.canPick(i));
        }
        QVERIFY(!grid.canPick(0));
        QVERIFY(!grid.canPick(82));
    }

    void everyLevelHasItsOwnConstants() {
        // The table rows are easy to shift by one when editing; pin the facts players see.
        QCOMPARE(levelInfo(Level::Easy).side, 5);
        QCOMPARE(levelInfo(Level::Expert).tileCount(), 121);
        QCOMPARE(levelInfo(Level::Easy).levelSeconds(), 300);
        QCOMPARE(levelInfo(Level::Expert).levelSeconds(), 1200);
        QVERIFY(levelInfo(Level::Easy).passed(5000));
        QVERIFY(!levelInfo(Level::Easy).passed(4999));
        QVERIFY(levelInfo(Level::Expert).passed(400));
        QVERIFY(!levelInfo(Level::Expert).passed(0));
        QCOMPARE(levelInfo(Level::Difficult).next(), std::optional<Level>(Level::Expert));
        QCOMPARE(levelInfo(Level::Expert).next(), std::optional<Level>());
        QVERIFY(!levelInfo(Level::Expert).clearCue.has_value());
    }
};

QTEST_GUILESS_MAIN(TestTileGrid)
#include "TestTileGrid.moc"
