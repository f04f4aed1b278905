// A player's history on a copy of the built database, offscreen: how long keeping a finished
// level takes (the words on its fields counted against the whole dictionary, then one
// transaction), and how long the score tables' History page takes from the press of "History"
// until it is drawn, for a player with many finished levels of all four kinds: the rows read,
// the figures worked out, the chart filled and painted. Medians over several turns to the page,
// and the slowest.
//
//   bench_history [--rows <count>] [--shots <folder>]
//   bench_history --fill <Dictionary.mdb>   adds Mara's twelve levels to that file, for a look
//                                          at the page in the game itself (START as Mara, STAT)
//
// 10000 rows unless told. The shots folder gets history-10000.png (the rows), history-page.png
// (twelve levels of two kinds), history-empty.png (nobody signed in), history-newcomer.png (a
// player with no finished level) and scores.png (the rankings' page with its History button).
#include "core/board/BoardModel.h"
#include "core/summary/LevelHistory.h"
#include "ui/summary/HistoryPage.h"
#include "ui/summary/StatsScreen.h"
#include "ui/widgets/Theme.h"

#include "BenchSupport.h"
#include "BenchWorld.h"
#include "Deals.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

using namespace vortalex;

namespace {

const QString kTwelve = QStringLiteral("Mara"); // twelve levels of two kinds
const std::array<const char*, 5> kLongest{"TOAST", "STONES", "PLANET", "GARDENS", "MARBLE"};

double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

// An Expert level as its board hands it over: the field of its deal and of three shuffles.
LevelResult expertResult(bench::BenchWorld& world) {
    LevelResult result{Level::Expert,
                       2800,
                       QStringLiteral("00:00"),
                       {"STONE", "TONES", "NOTES", "ONSET", "SETON", "TENON", "STEN"},
                       true};
    result.fields = bench::expertFields(world);
    return result;
}

// `count` finished levels of `player`, in the order a player climbing the levels might play
// them, each with a few words of its own.
bool seedHistory(GameDatabase& db, const QString& player, int count, int kinds) {
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-365);
    // One transaction per level, as the game writes them (they do not nest).
    for (int i = 0; i < count; ++i) {
        const auto level = static_cast<Level>((i * 7 / 5) % kinds);
        const qint64 score = 3000 + 1500 * static_cast<int>(level) + (i * 7919) % 4000 +
                             (i * 3000) / std::max(count, 1);
        const HistoryRow row{level,
                             start.addSecs(600LL * i),
                             score,
                             10 + i % 9,
                             kLongest.at(static_cast<std::size_t>(i % 5)),
                             120 + i % 60};
        if (!db.appendHistory(player, row, {QStringLiteral("W%1").arg(i % 5000)})) {
            return false;
        }
    }
    return true;
}

// Presses "History" on a shown screen and returns the milliseconds until the page is drawn.
double turnToHistory(StatsScreen& screen) {
    QElapsedTimer t;
    t.start();
    screen.showHistory();
    QCoreApplication::processEvents(); // the chart lays itself out
    screen.historyPage()->chartView()->viewport()->repaint();
    return msSince(t);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theme::apply(app); // the shots as the game looks
    const QStringList args = app.arguments();
    int rows = 10000;
    QString shots;
    QString fill;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--rows")) {
            rows = args.at(i + 1).toInt();
        } else if (args.at(i) == QLatin1String("--shots")) {
            shots = args.at(i + 1);
        } else if (args.at(i) == QLatin1String("--fill")) {
            fill = args.at(i + 1);
        }
    }
    if (!fill.isEmpty()) {
        GameDatabase::Opened opened = GameDatabase::open(fill);
        if (!opened.db || !seedHistory(*opened.db, kTwelve, 12, 2)) {
            std::fprintf(stderr, "cannot fill %s\n", qPrintable(fill));
            return 1;
        }
        return 0;
    }
    QTemporaryDir dir;
    std::unique_ptr<GameDatabase> db = bench::copyOfBuiltDatabase(dir);
    if (!db) {
        return 1;
    }
    bench::BenchWorld world(dir.path(), *db);

    // Keeping a level: the first one also builds the word tree from the dictionary.
    const LevelResult expert = expertResult(world);
    std::vector<double> records;
    for (int i = 0; i < 11; ++i) {
        QElapsedTimer t;
        t.start();
        HistoryRecorder recorder(*db, world.messages,
                                 [] { return QDateTime::currentDateTimeUtc(); });
        recorder.keep(QStringLiteral("Bench"), expert);
        if (recorder.waiting() > 0) {
            std::fprintf(stderr, "cannot keep a level: %s\n", qPrintable(db->lastError()));
            return 1;
        }
        records.push_back(msSince(t));
    }
    std::printf("keeping an Expert level of 4 fields: first %.1f ms (word tree built), then "
                "median %.1f ms\n",
                records.front(), bench::median({records.begin() + 1, records.end()}));

    const QString player = QStringLiteral("Ann");
    if (!seedHistory(*db, player, rows, kLevelCount) || !seedHistory(*db, kTwelve, 12, 2)) {
        std::fprintf(stderr, "cannot seed: %s\n", qPrintable(db->lastError()));
        return 1;
    }
    world.session.setPlayerName(player);
    StatsScreen screen(world.services, world.session);
    screen.show();
    QCoreApplication::processEvents();

    QElapsedTimer t;
    t.start();
    const PlayerHistory history = loadHistory(*db, player);
    const double readMs = msSince(t);
    t.start();
    const HistoryFigures figures = historyFigures(history);
    const auto series = scoreSeries(history.rows);
    const double figuresMs = msSince(t);
    std::printf("%lld rows read in %.1f ms; figures and chart lines in %.1f ms (%d levels, "
                "%lld different words, %zu points of Easy)\n",
                static_cast<long long>(history.rows.size()), readMs, figuresMs,
                figures.levelsPlayed, static_cast<long long>(figures.differentWords),
                static_cast<size_t>(series.at(0).size()));

    std::vector<double> turns;
    for (int i = 0; i < 9; ++i) {
        turns.push_back(turnToHistory(screen));
        if (i == 0 && !shots.isEmpty()) {
            screen.grab().save(shots + QStringLiteral("/history-10000.png"));
        }
        screen.showScores();
        QCoreApplication::processEvents();
    }
    std::printf("History page with %d rows drawn: first %.1f ms, median %.1f ms, slowest %.1f ms\n",
                rows, turns.front(), bench::median(turns),
                *std::max_element(turns.begin(), turns.end()));

    if (!shots.isEmpty()) {
        world.session.setPlayerName(kTwelve);
        turnToHistory(screen);
        screen.grab().save(shots + QStringLiteral("/history-page.png"));
        world.session.setPlayerName(QString());
        turnToHistory(screen);
        screen.grab().save(shots + QStringLiteral("/history-empty.png"));
        world.session.setPlayerName(QStringLiteral("Newcomer"));
        turnToHistory(screen);
        screen.grab().save(shots + QStringLiteral("/history-newcomer.png"));
        // A ranking to show: the overall one comes as the screen opens.
        for (int i = 0; i < 12; ++i) {
            db->appendTotal(QStringLiteral("Player %1").arg(i + 1), 30000 - 2150 * i);
        }
        db->appendTotal(QStringLiteral("Maximiliana Theodora Wolkenstein-Berg"), 4100);
        screen.hide();
        screen.show();
        QCoreApplication::processEvents();
        screen.grab().save(shots + QStringLiteral("/scores.png"));
    }
    return 0;
}
