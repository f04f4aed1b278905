// What another program holding the game's file costs the player, on a copy of the built
// database: the start (the database opened and checked as main() does it), the end of an Expert
// level (the level kept in the history, then the summary's score grid, rejected words and
// missed words) and "&Save Score". Each with the write lock held (BEGIN IMMEDIATE, as a program
// in the middle of writing: reads go on) and with the whole file held (BEGIN EXCLUSIVE: nothing
// can be read), and what the player was told.
//
//   bench_busy
#include "core/board/BoardModel.h"
#include "core/data/DataLocation.h"
#include "core/summary/LevelHistory.h"
#include "core/summary/SummaryModel.h"

#include "BenchSupport.h"
#include "BenchWorld.h"
#include "Deals.h"
#include "RawConnection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace vortalex;

namespace {

double msSince(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// An Expert level as its board hands it over: the field of its deal and of three shuffles.
LevelResult expertResult(bench::BenchWorld& world) {
    LevelResult result{Level::Expert, 2800, QStringLiteral("00:00"), {"STONE", "NOTES"}, true};
    result.fields = bench::expertFields(world);
    return result;
}

void told(const test::ScriptedMessages& messages) {
    for (const test::ShownMessage& m : messages.shown) {
        std::printf("    told: %s\n", qPrintable(QString(m.text).replace(kLineBreak, " / ")));
    }
}

void measure(const QString& lock) {
    QTemporaryDir dir;
    std::unique_ptr<GameDatabase> seeded = bench::copyOfBuiltDatabase(dir);
    if (!seeded) {
        return;
    }
    const QString path = seeded->path();
    std::printf("%s held by another program:\n", qPrintable(lock));

    test::RawConnection other(path);
    QElapsedTimer t;
    {
        other.run({lock});
        t.start();
        OpenedGameDatabase opened = openGameDatabase(DataLocation::prepare(dir.path(), {}));
        std::printf("  start: %.0f ms\n", msSince(t));
        for (const DatabaseNotice& notice : opened.notices) {
            std::printf("    told: %s\n",
                        qPrintable(QString(notice.text).replace(kLineBreak, " / ")));
        }
        other.run({QStringLiteral("ROLLBACK")});
    }

    bench::BenchWorld world(dir.path(), *seeded);
    world.session.setPlayerName(QStringLiteral("Ann"));
    const LevelResult expert = expertResult(world);
    world.messages.shown.clear(); // the shuffles' own
    HistoryRecorder recorder(*seeded, world.messages,
                             [] { return QDateTime::currentDateTimeUtc(); });
    other.run({lock});
    t.start();
    recorder.keep(QStringLiteral("Ann"), expert);
    const double kept = msSince(t);
    SummaryModel summary(expert, world.services, world.session);
    summary.activate();
    const QString found = summary.foundText();
    std::printf("  level end: %.0f ms (history %.0f ms), %lld level waiting; %s\n", msSince(t),
                kept, static_cast<long long>(recorder.waiting()), qPrintable(found));
    told(world.messages);
    world.messages.shown.clear();

    t.start();
    summary.save(QStringLiteral("Ann"), QString());
    std::printf("  save: %.0f ms\n", msSince(t));
    told(world.messages);
    other.run({QStringLiteral("ROLLBACK")});
    world.messages.shown.clear();
    t.start();
    recorder.flush();
    std::printf("  once free, the waiting level is kept in %.0f ms (%lld waiting)\n", msSince(t),
                static_cast<long long>(recorder.waiting()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    measure(QStringLiteral("BEGIN IMMEDIATE"));
    measure(QStringLiteral("BEGIN EXCLUSIVE"));
    return 0;
}
