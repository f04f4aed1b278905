#include "core/board/FieldDeal.h"

#include "Fields.h"
#include "TestWorld.h"

#include <QRegularExpression>
#include <QtTest>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// The field a whole deal of the level leaves, drawing first from `script`, then from `seed`.
TileGrid dealt(Level level, std::deque<double> script, std::uint64_t seed = 1) {
    FieldDeal deal(levelInfo(level));
    deal.seed(std::make_unique<ScriptedRandom>(std::move(script), seed));
    TileGrid grid(levelInfo(level).side);
    deal.start();
    while (deal.running()) {
        deal.tick(grid);
    }
    return grid;
}

qsizetype vowelCount(const TileGrid& grid) {
    return lettersOf(grid).count(QRegularExpression(QStringLiteral("[AEIOU]")));
}

} // namespace

class TestFieldDeal : public QObject {
    Q_OBJECT
private slots:
    void aDealEndsWithTheVowelQuotaOnEveryLevel() {
        for (Level level : allLevels()) {
            for (std::uint64_t seed = 1; seed <= 150; ++seed) {
                const TileGrid grid = dealt(level, {}, seed);
                QVERIFY2(
                    vowelCount(grid) >= levelInfo(level).vowelQuota,
                    qPrintable(QStringLiteral("%1 seed %2").arg(levelInfo(level).title).arg(seed)));
                for (int i = 1; i <= grid.count(); ++i) {
                    QCOMPARE(grid.colour(i), TileColour::Plain);
                    QVERIFY(grid.canPick(i));
                }
            }
        }
    }

    void aFirstFillWithMoreVowelsKeepsThemAll() {
        const TileGrid grid = dealt(Level::Easy, std::deque<double>(10 * 25, 0.0)); // all "A"
        QCOMPARE(lettersOf(grid), QString(25, QLatin1Char('A')));
    }

    void yIsAConsonantThatTheQuotaMayReplace() {
        // Every letter drawn is "Y".
        const TileGrid grid = dealt(Level::Easy, std::deque<double>(10 * 25, 24.5 / 26));
        QCOMPARE(vowelCount(grid), 10);
        QCOMPARE(lettersOf(grid).count(QLatin1Char('Y')), 15);
    }

    void aDealFillsNineTimesThenSettlesInTheSameTick() {
        // Eight fills of B, a ninth of C, then the final fill, all A.
        std::deque<double> draws(8 * 49, 1.5 / 26);
        draws.insert(draws.end(), 49, 2.5 / 26);
        draws.insert(draws.end(), 49, 0.5 / 26);
        FieldDeal deal(levelInfo(Level::Intermediate));
        deal.seed(std::make_unique<ScriptedRandom>(draws));
        TileGrid grid(7);
        deal.start();
        for (int tick = 1; tick <= 8; ++tick) {
            deal.tick(grid);
            QVERIFY(deal.running());
        }
        QCOMPARE(lettersOf(grid), QString(49, QLatin1Char('B')));
        deal.tick(grid);
        QVERIFY(!deal.running());
        QCOMPARE(lettersOf(grid), QString(49, QLatin1Char('A'))); // the ninth fill drew the Cs
        deal.tick(grid);
        QCOMPARE(lettersOf(grid), QString(49, QLatin1Char('A')));
    }
};

QTEST_GUILESS_MAIN(TestFieldDeal)
#include "TestFieldDeal.moc"
