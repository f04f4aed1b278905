#include "core/board/LevelClock.h"
#include "core/common/Level.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vortalex;

class TestLevelClock : public QObject {
    Q_OBJECT
private slots:
    void theClockCountsDownAndEndsAtZeroOnce() {
        LevelClock clock;
        QSignalSpy ended(&clock, &LevelClock::ended);
        clock.start(levelInfo(Level::Easy).clockMinutes);
        QCOMPARE(clock.text(), QStringLiteral("00:00")); // starting does not write it
        QStringList seen;
        for (int s = 1; s <= 300; ++s) {
            clock.tick();
            if (s == 1 || s == 59 || s == 60 || s == 61 || s == 299) {
                seen.append(clock.text());
            }
            QCOMPARE(clock.state() == LevelClock::State::Ended, s == 300);
        }
        QCOMPARE(seen, (QStringList{"04:59", "04:01", "04:00", "03:59", "00:01"}));
        QCOMPARE(clock.text(), QStringLiteral("00:00"));
        QCOMPARE(ended.size(), 1);
        clock.tick();
        clock.pause();
        clock.resume();
        QCOMPARE(clock.text(), QStringLiteral("00:00"));
        QCOMPARE(ended.size(), 1);
        QVERIFY(!clock.running());
    }
};

QTEST_GUILESS_MAIN(TestLevelClock)
#include "TestLevelClock.moc"
