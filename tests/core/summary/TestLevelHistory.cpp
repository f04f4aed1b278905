// A player's history: what a finished level adds to it, and the figures and chart lines the
// score tables draw from it.
#include "core/summary/LevelHistory.h"

#include "core/data/DataLocation.h"

#include "Fields.h"
#include "RawConnection.h"
#include "TestWorld.h"

#include <QtTest>

#include <limits>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// CAT and CATS along the top row of the first field, DOG, DOGS and GOD along its third; the
// second field repeats CAT and adds TOAD: six words on the fields.
const QList<TileGrid> kFields{fieldOf(5, QStringLiteral("CATSZZZZZZDOGSZZZZZZZZZZZ")),
                              fieldOf(5, QStringLiteral("TOADZZZZZZCATZZZZZZZZZZZZ"))};
const QList<DictionaryEntry> kWords{{"CAT", "a"},  {"CATS", "a"}, {"DOG", "a"},
                                    {"DOGS", "a"}, {"GOD", "a"},  {"TOAD", "a"}};
const QDateTime kWhen = QDateTime(QDate(2024, 5, 1), QTime(18, 30), Qt::UTC);

LevelResult easyResult(const QStringList& built, int total = 1150) {
    LevelResult r{Level::Easy, total, QStringLiteral("00:00"), built, false};
    r.fields = kFields;
    return r;
}

HistoryRow row(Level level, qint64 score, qint64 built, const QString& longest, qint64 onFields) {
    return {level, kWhen, score, built, longest, onFields};
}

} // namespace

class TestLevelHistory : public QObject {
    Q_OBJECT
private slots:
    void aLevelsRowCountsTheWordsOnItsFieldsAsTheReviewDoes() {
        const Lexicon lexicon =
            Lexicon::build({"CAT", "CATS", "DOG", "DOGS", "GOD", "TOAD", "ZEBRA"}, {});
        const HistoryRow kept = historyRow(easyResult({"DOG", "CATS"}, 550), lexicon, kWhen);
        QCOMPARE(kept, row(Level::Easy, 550, 2, QStringLiteral("CATS"), 6));
    }

    void aFinishedLevelIsKeptAtTheClocksTimeForTheSignedInPlayerOnly() {
        TestWorld world(kWords);
        GameDatabase& db = *world.database;
        HistoryRecorder recorder(db, world.messages, [] { return kWhen; });
        recorder.keep(QStringLiteral("Émile"), easyResult({"CAT", "DOG"}));
        QCOMPARE(*db.historyOf(QStringLiteral("ÉMILE")),
                 (QList<HistoryRow>{row(Level::Easy, 1150, 2, QStringLiteral("CAT"), 6)}));
        QCOMPARE(*db.differentWordsOf(QStringLiteral("émile")), 2);

        // Nobody signed in, or a file the player was told takes no writes.
        recorder.keep(QString(), easyResult({"TOAD"}));
        db.refuseWrites();
        recorder.keep(QStringLiteral("Émile"), easyResult({"TOAD"}));
        QCOMPARE(recorder.waiting(), 0);
        QCOMPARE(db.historyOf(QStringLiteral("Émile"))->size(), 1);
        QCOMPARE(*db.differentWordsOf(QStringLiteral("Émile")), 2);
        QVERIFY(world.messages.shown.isEmpty());
    }

    // Another program holds the file over two level ends: the levels wait, the player is told
    // once, and both are kept, in order, at the next level end after the file is free.
    void levelsEndedOnABusyFileWaitAndAreKeptAtTheNextWrite() {
        TestWorld world(kWords, TestWorld::OnDisk);
        GameDatabase& db = *world.database;
        db.setBusyTimeout(20);
        QList<QDateTime> times{kWhen, kWhen.addSecs(600), kWhen.addSecs(1200)};
        HistoryRecorder recorder(db, world.messages, [&times] { return times.takeFirst(); });
        {
            RawConnection other(db.path());
            QVERIFY(other.holdFile());
            recorder.keep(QStringLiteral("Ann"), easyResult({"CAT"}, 250));
            recorder.keep(QStringLiteral("Ann"), easyResult({"DOG"}, 500));
            QCOMPARE(recorder.waiting(), 2);
        }
        QCOMPARE(world.messages.shown.size(), 1);
        QVERIFY2(world.messages.shown.at(0).text.contains(busyLine(db.path())),
                 qPrintable(world.messages.shown.at(0).text));
        QVERIFY(db.historyOf(QStringLiteral("Ann")).isNotFound());
        recorder.keep(QStringLiteral("Ann"), easyResult({}, 0));
        QCOMPARE(recorder.waiting(), 0);
        const QList<HistoryRow> kept = *db.historyOf(QStringLiteral("Ann"));
        QCOMPARE(kept.size(), 3);
        QCOMPARE(kept.at(0), row(Level::Easy, 250, 1, QStringLiteral("CAT"), 6));
        QCOMPARE(kept.at(1).when, kWhen.addSecs(600));
        QCOMPARE(kept.at(1).score, 500);
        QCOMPARE(world.messages.shown.size(), 1);
    }

    void theFiguresOfAKnownHistory() {
        const PlayerHistory history{
            QStringLiteral("Ann"),
            {row(Level::Easy, 4200, 3, QStringLiteral("CATS"), 40),
             row(Level::Easy, 5600, 4, QStringLiteral("DOGS"), 30),
             row(Level::Intermediate, 7350, 5, QStringLiteral("STONES"), 60),
             row(Level::Easy, 3000, 1, QString(), 20),
             row(Level::Intermediate, 6900, 6, QStringLiteral("TOASTS"), 50)},
            14};
        const HistoryFigures figures = historyFigures(history);
        QCOMPARE(figures.levelsPlayed, 5);
        QCOMPARE(figures.bestScore.at(0), std::optional<qint64>(5600));
        QCOMPARE(figures.bestScore.at(1), std::optional<qint64>(7350));
        QCOMPARE(figures.bestScore.at(2), std::nullopt);
        QCOMPARE(figures.longestWord, QStringLiteral("STONES")); // the first of equals
        QCOMPARE(figures.percentFound(), 10);                    // 19 of 200, rounded
        const QList<std::pair<QString, QString>> expected{
            {"Levels played", "5"},
            {"Best Easy", "5600"},
            {"Best Intermediate", "7350"},
            {"Best Difficult", "not played"},
            {"Best Expert", "not played"},
            {"Longest word", "STONES"},
            {"Words found on the fields", "19 of 200 (10%)"},
            {"Different words built", "14"}};
        QCOMPARE(figures.lines(), expected);
        QCOMPARE(historyFigures({QStringLiteral("Ann"), {}, 0}).lines().at(6).second,
                 QStringLiteral("0 of 0 (0%)"));
    }

    // Rows no game writes: more found than the fields held, counts at the end of the range.
    void doctoredCountsGiveAShareOfZeroToAHundredPercentAndSumsThatDoNotWrap() {
        const auto figuresOf = [](qint64 found, qint64 onFields) {
            return historyFigures(
                {QStringLiteral("Ann"), {row(Level::Easy, 0, found, {}, onFields)}, 0});
        };
        QCOMPARE(figuresOf(2, 3).percentFound(), 67);
        QCOMPARE(figuresOf(1, 3).percentFound(), 33);
        QCOMPARE(figuresOf(274, 100).percentFound(), 100);
        QCOMPARE(figuresOf(-5, 100).percentFound(), 0);
        const qint64 most = std::numeric_limits<qint64>::max();
        const HistoryFigures wide =
            historyFigures({QStringLiteral("Ann"),
                            {row(Level::Easy, most, most, {}, most), row(Level::Easy, 0, 1, {}, 1)},
                            0});
        QCOMPARE(wide.wordsOnFields, most);
        QCOMPARE(wide.percentFound(), 100);
        QCOMPARE(wide.bestScore.at(0), std::optional<qint64>(most));
    }

    void theChartPutsEachScoreAtItsPlaceAmongAllLevelsPlayed() {
        const auto series =
            scoreSeries({row(Level::Easy, 4200, 0, {}, 0), row(Level::Expert, 900, 0, {}, 0),
                         row(Level::Easy, 5600, 0, {}, 0)});
        QCOMPARE(series.at(0), (QList<QPointF>{{1, 4200}, {3, 5600}}));
        QCOMPARE(series.at(3), (QList<QPointF>{{2, 900}}));
        QVERIFY(series.at(1).isEmpty() && series.at(2).isEmpty());
    }

    // A long history is drawn from each pixel column's lowest and highest score, so the band
    // it draws keeps every peak and dip, and its ends.
    void aLongLineKeepsTheExtremesOfEachColumnAndItsEnds() {
        QList<QPointF> points;
        for (int x = 1; x <= 1000; ++x) {
            points.append(QPointF(x, (x * 37) % 101));
        }
        // A peak before a dip in one column, a dip before a peak in another.
        points[500] = QPointF(501, 500);
        points[501] = QPointF(502, -5);
        points[700] = QPointF(701, -7);
        points[701] = QPointF(702, 700);
        const QList<QPointF> kept = thinnedToColumns(points, 100);
        QVERIFY(kept.size() <= 202);
        QCOMPARE(kept.first(), points.first());
        QCOMPARE(kept.last(), points.last());
        for (const qsizetype extreme : {500, 501, 700, 701}) {
            QVERIFY(kept.contains(points.at(extreme)));
        }
        for (qsizetype i = 1; i < kept.size(); ++i) {
            QVERIFY(kept.at(i - 1).x() < kept.at(i).x());
        }
        const QList<QPointF> few = points.mid(0, 150);
        QCOMPARE(thinnedToColumns(few, 100), few);
    }

    void oneLineSaysWhyThereIsNothingToShow() {
        QCOMPARE(emptyHistoryLine({}),
                 QStringLiteral("Nobody is signed in: sign in with START or LOAD to keep a "
                                "history."));
        QCOMPARE(emptyHistoryLine({QStringLiteral("Ann"), {}, 0}),
                 QStringLiteral("Ann has not finished a level yet."));
        // Rows that could not all be read are not shown as the history.
        QCOMPARE(emptyHistoryLine({QStringLiteral("Ann"),
                                   {row(Level::Easy, 0, 0, {}, 0)},
                                   1,
                                   QStringLiteral("database disk image is malformed")}),
                 QStringLiteral("The history of Ann could not be read in full, so none of it is "
                                "shown: database disk image is malformed"));
        QVERIFY(emptyHistoryLine({QStringLiteral("Ann"), {row(Level::Easy, 0, 0, {}, 0)}, 0})
                    .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLevelHistory)
#include "TestLevelHistory.moc"
