// The score tables screen over a database of many players, offscreen: the resident size of the
// process before the screen opens, with the overall ranking shown, after each level's ranking
// and after scrolling the overall ranking to its end, and how long the first ranking takes to
// show. Every player has a total and an Easy score.
//
//   bench_stats [--players <count>] [--shots <folder>]   100000 players unless told; the shots
//                                                         folder gets stats.png
#include "ui/summary/StatsScreen.h"
#include "ui/widgets/ScoreGrid.h"

#include "BenchWorld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

using namespace vortalex;

namespace {

// VmRSS of /proc/self/status, in MB.
double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(status.readAll());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+) kB")).match(text);
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    int players = 100000;
    QString shots;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--players")) {
            players = args.at(i + 1).toInt();
        } else if (args.at(i) == QLatin1String("--shots")) {
            shots = args.at(i + 1);
        }
    }
    QTemporaryDir dir;
    auto opened = GameDatabase::open(GameDatabase::pathIn(dir.path()));
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 1;
    }
    GameDatabase& db = *opened.db;
    const bool seeded = db.inTransaction([&db, players] {
        for (int i = 0; i < players; ++i) {
            const QString name = QStringLiteral("Player %1").arg(i);
            const qint64 score = 5000 + (i * 7919) % 100000;
            if (!db.appendTotal(name, score) ||
                !db.appendScore(Level::Easy, {name, score, QStringLiteral("00:00")})) {
                return false;
            }
        }
        return true;
    });
    if (!seeded) {
        std::fprintf(stderr, "cannot seed: %s\n", qPrintable(db.lastError()));
        return 1;
    }
    bench::BenchWorld world(dir.path(), db);
    std::printf("%d players; resident before the screen: %.1f MB\n", players, residentMb());
    {
        StatsScreen screen(world.services);
        QElapsedTimer t;
        t.start();
        screen.show();
        QCoreApplication::processEvents();
        screen.table()->repaint();
        std::printf("overall ranking shown in %.1f ms; resident: %.1f MB\n", t.nsecsElapsed() / 1e6,
                    residentMb());
        if (!shots.isEmpty()) {
            screen.grab().save(shots + QStringLiteral("/stats.png"));
        }
        for (const Level level : allLevels()) {
            screen.showLevelRanking(level);
            QCoreApplication::processEvents();
        }
        std::printf("after the four level rankings: resident %.1f MB\n", residentMb());
        screen.showOverallRanking();
        QCoreApplication::processEvents();
        QAbstractItemModel* rows = screen.table()->model();
        t.start();
        int steps = 0;
        do {
            screen.table()->scrollToBottom();
            QCoreApplication::processEvents();
        } while (rows->canFetchMore(QModelIndex()) && ++steps < 100000);
        std::printf("overall ranking scrolled to its end (%d rows) in %.0f ms; resident %.1f MB\n",
                    rows->rowCount(), t.nsecsElapsed() / 1e6, residentMb());
    }
    return 0;
}
