#include "core/summary/LevelHistory.h"
#include "core/summary/SummaryModel.h"
#include "core/summary/TodaysField.h"

#include "Fields.h"
#include "KnownField.h"
#include "RawConnection.h"
#include "TestWorld.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace vortalex;
using namespace vortalex::test;

namespace {

const QDate kDay(2026, 12, 10);

// A finished play of today's field on kKnownField, which holds CAT, BOND, BONDS and TEA.
LevelResult finishedPlay(const QDate& day, int total, const QStringList& words) {
    LevelResult result{Level::Easy, total, "00:00", words, true, {fieldOf(5, kKnownField)}};
    result.day = day;
    return result;
}

struct DayWorld : TestWorld {
    explicit DayWorld(Storage storage = InMemory)
        : TestWorld({{"CAT", "x"}, {"BOND", "x"}, {"BONDS", "x"}, {"TEA", "x"}}, storage) {}
    QDateTime now{kDay, QTime(21, 0)};
    std::function<QDateTime()> clock = [this] {
        return now;
    };
    TodaysField today{services, clock};
};

} // namespace

class TestTodaysField : public QObject {
    Q_OBJECT
private slots:
    void theSharedLineReadsTheSameInEveryLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // "3.450" there
        QCOMPARE(shareLine({kDay, "Ann", 3450, 12, "QUAVERS", 9, {}}),
                 "Vortalex 2026-12-10: 3,450 points, 12 words, 9% of the field, longest QUAVERS");
        QCOMPARE(shareLine({kDay, "Ann", 1234567, 1, "CAT", 100, {}}),
                 "Vortalex 2026-12-10: 1,234,567 points, 1 word, 100% of the field, longest CAT");
        QCOMPARE(shareLine({kDay.addDays(30), "", 0, 0, "", 0, {}}),
                 "Vortalex 2027-01-09: 0 points, 0 words, 0% of the field");
    }

    void theStreakEndsOnTheDayAndTheBestDayIsTheFirstOfTheHighest() {
        const QList<QDate> days{kDay.addDays(-3), kDay.addDays(-1), kDay, kDay.addDays(-2),
                                kDay.addDays(-5)};
        QCOMPARE(streakEnding(days, kDay), 4);
        QCOMPARE(streakEnding(days, kDay.addDays(-4)), 0);
        const DailyRow low{kDay.addDays(-2), "Ann", 500, 2, "CAT", 1, {}};
        const DailyRow high{kDay.addDays(-1), "Ann", 900, 3, "CAT", 1, {}};
        const DailyRow equal{kDay, "Ann", 900, 3, "CAT", 1, {}};
        QCOMPARE(bestDay({equal, low, high}), std::optional<DailyRow>(high));
        QVERIFY(!bestDay({}));
    }

    // The result is kept at the end of the first play; a later play of the date is told it is
    // practice before it starts and keeps nothing.
    void theFirstFinishedPlayIsTheDayAndALaterOneIsPractice() {
        DayWorld w;
        QVERIFY(w.today.begin(QStringLiteral("Ann")));
        QVERIFY(!w.today.practice());
        QCOMPARE(w.today.field().date, kDay);
        w.today.finish(finishedPlay(kDay, 550, {"CAT", "BONDS"}));
        const QString line = QStringLiteral(
            "Vortalex 2026-12-10: 550 points, 2 words, 50% of the field, longest BONDS");
        QCOMPARE(w.today.shareLine(), line);
        QCOMPARE(w.database->dailyResult(QStringLiteral("ann"), kDay)->score, 550);

        QVERIFY(w.today.begin(QStringLiteral("ANN")));
        QVERIFY(w.today.practice());
        QCOMPARE(w.messages.shown.size(), 1);
        QVERIFY(w.messages.texts().constFirst().contains(QStringLiteral("practice")));
        w.today.finish(finishedPlay(kDay, 9000, {"CAT", "BOND", "TEA"}));
        QCOMPARE(w.database->dailyResult(QStringLiteral("Ann"), kDay)->score, 550);
        QCOMPARE(w.today.shareLine(), line);

        QVERIFY(w.today.begin(QString())); // a guest is a player of their own
        QVERIFY(!w.today.practice());

        w.now = w.now.addDays(1);
        QVERIFY(w.today.begin(QStringLiteral("Ann")));
        QVERIFY(!w.today.practice());
        w.today.finish(finishedPlay(kDay.addDays(1), 300, {"BOND"}));
        const TodaysField::Days days = w.today.days();
        QCOMPARE(days.streak, 2);
        QCOMPARE(days.best->date, kDay);
    }

    // The first field cannot be checked without the word list, so the day cannot be dealt.
    void withoutTheWordListTodaysFieldDoesNotOpen() {
        DayWorld w;
        w.loseDatabase();
        QVERIFY(!w.today.begin(QStringLiteral("Ann")));
        QCOMPARE(w.messages.shown.size(), 1);
        QVERIFY(w.messages.texts().constFirst().contains(QStringLiteral("word list")));
    }

    void aResultThatCannotBeWrittenWaitsForTheNextOpening() {
        DayWorld w(TestWorld::OnDisk);
        w.database->setBusyTimeout(20);
        QVERIFY(w.today.begin(QStringLiteral("Ann")));
        {
            RawConnection other(w.database->path());
            QVERIFY(other.query(QStringLiteral("BEGIN IMMEDIATE")).isActive());
            w.today.finish(finishedPlay(kDay, 550, {"CAT", "BONDS"}));
            QCOMPARE(w.today.waiting(), 1);
            QCOMPARE(w.messages.shown.size(), 1);
            other.query(QStringLiteral("ROLLBACK"));
        }
        QVERIFY(w.today.begin(QStringLiteral("Ann")));
        QVERIFY(w.today.practice());
        QCOMPARE(w.database->dailyResult(QStringLiteral("Ann"), kDay)->score, 550);
    }

    // Its summary saves no score, shows the copy control and the same found share as the line,
    // names no target, and leads only to the menu; no level history keeps it.
    void todaysSummaryWritesNothingOfTheLevelsAndLeadsToTheMenu() {
        DayWorld w;
        QVERIFY(w.today.begin(QStringLiteral("Ann")));
        const LevelResult result = finishedPlay(kDay, 550, {"CAT", "BONDS"});
        QVERIFY(w.database->appendScore(Level::Easy, {QStringLiteral("Bob"), 6000, "00:00"}));
        SummaryModel summary(result, w.services, w.session);
        summary.activate();
        QCOMPARE(summary.scores()->rowCount(), 0); // not the Easy table
        QVERIFY(summary.layers().copyShown && !summary.layers().saveShown);
        QVERIFY(summary.foundText().contains(QStringLiteral("(50%)")));
        QCOMPARE(summary.scoreText(), QStringLiteral("Your score: 550.")); // no target to name
        summary.save(QStringLiteral("Ann"), QStringLiteral("pw"));
        QVERIFY(w.database->findScore(Level::Easy, QStringLiteral("Ann")).isNotFound());
        QSignalSpy finished(&summary, &SummaryModel::finished);
        summary.done();
        summary.goOnExit();
        QCOMPARE(finished.constFirst().constFirst().value<ScreenOutcome>(), ScreenOutcome::menu());

        HistoryRecorder history(*w.database, w.messages, [&w] { return w.now; });
        history.keep(QStringLiteral("Ann"), result);
        QVERIFY(w.database->historyOf(QStringLiteral("Ann")).isNotFound());
    }
};

QTEST_GUILESS_MAIN(TestTodaysField)
#include "TestTodaysField.moc"
