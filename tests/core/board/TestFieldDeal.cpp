#include "core/board/FieldDeal.h"
#include "core/common/EnglishLetters.h"
#include "core/common/SplitMix64.h"

#include "Fields.h"
#include "TestWorld.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
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

// The word tree of the build's Dictionary.mdb (a dependency of this test), from a copy.
std::shared_ptr<const Lexicon> builtWordTree() {
    QTemporaryDir dir;
    const QString copy = GameDatabase::pathIn(dir.path());
    QFile::copy(GameDatabase::pathIn(QStringLiteral(VORTALEX_PROGRAM_DIR)), copy);
    auto opened = GameDatabase::open(copy);
    return opened.db ? opened.db->wordTree() : nullptr;
}

// A whole deal on `grid`, as its timer would run it; the letters it leaves.
QString dealDay(FieldDeal& deal, TileGrid& grid) {
    deal.start();
    while (deal.running()) {
        deal.tick(grid);
    }
    return lettersOf(grid);
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

    // ---------------------------------------------------------------- today's field

    // The first field, the refills of the same words built in the same order and a shuffle are
    // the date's, whatever the quick fills drew and however soon a click ended the deal.
    void todaysFieldsComeFromTheDateAlone() {
        const auto words = std::make_shared<const Lexicon>(Lexicon::build({"CAT"}, {}));
        const DayField day{QDate(2026, 12, 10), words};
        FieldDeal played(dailyInfo());
        FieldDeal clicked(dailyInfo());
        played.seedDay(day, std::make_unique<SeededRandom>(1));
        clicked.seedDay(day, std::make_unique<SeededRandom>(2));
        TileGrid a(5);
        TileGrid b(5);
        const QString first = dealDay(played, a);
        clicked.start();
        clicked.tick(b);
        QVERIFY(clicked.freeze(b));
        QCOMPARE(lettersOf(b), first);
        for (const QList<int>& chain : {QList<int>{1, 2, 3}, QList<int>{13, 14, 9, 4}}) {
            a.retrace(chain);
            b.retrace(chain);
            played.refillUsed(a);
            clicked.refillUsed(b);
            QCOMPARE(lettersOf(b), lettersOf(a));
        }
        QCOMPARE(dealDay(clicked, b), dealDay(played, a));

        FieldDeal nextDay(dailyInfo());
        nextDay.seedDay({day.date.addDays(1), words}, std::make_unique<SeededRandom>(1));
        QVERIFY(dealDay(nextDay, a) != first);
    }

    // With the build's word list: each date's first field is the first run of 25 letters of its
    // stream that holds the floor of words, so a poorer one is drawn again from the same stream.
    void aFirstFieldUnderTheWordFloorIsDrawnAgainFromTheSameStream() {
        const std::shared_ptr<const Lexicon> words = builtWordTree();
        QVERIFY(words);
        int drawnAgain = 0;
        for (int d = 0; d < 20; ++d) {
            const DayField day{QDate(2026, 12, 10).addDays(d), words};
            SplitMix64 stream = SplitMix64::forDate(day.date);
            TileGrid expected(5);
            for (int draws = 0; draws == 0 || day.wordsOn(expected) < DayField::kWordFloor;
                 ++draws) {
                drawnAgain += draws == 1 ? 1 : 0;
                QString letters;
                for (int i = 0; i < 25; ++i) {
                    letters += englishLetters::draw(stream);
                }
                expected = fieldOf(5, letters);
            }
            FieldDeal deal(dailyInfo());
            deal.seedDay(day, std::make_unique<SeededRandom>(1));
            TileGrid grid(5);
            QCOMPARE(dealDay(deal, grid), lettersOf(expected));
        }
        QVERIFY(drawnAgain > 0); // the floor was met on the way, not only by luck
    }
};

QTEST_GUILESS_MAIN(TestFieldDeal)
#include "TestFieldDeal.moc"
