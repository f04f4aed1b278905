// The solver of "Words you missed" on a copy of the built database: the time and memory of
// loading the dictionary into its word tree, then the median time to find every word on one
// field, per level, over fields dealt by the board itself (seeded, so every run measures the
// same fields), with the median number of words found.
//
//   bench_solver [fields per level]   (default 500)
#include "core/board/BoardModel.h"
#include "core/common/FieldSolver.h"
#include "core/common/Lexicon.h"

#include "BenchSupport.h"
#include "BenchWorld.h"
#include "Deals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <vector>

using namespace vortalex;

namespace {

// Resident memory of the process in kB, from /proc (Linux).
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// The field the board leaves after "Play" and its deal.
TileGrid dealtField(Level level, Services& services, SessionState& session) {
    BoardModel board(level, services, session);
    test::openAndPlay(board);
    return board.grid();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int fieldsPerLevel = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 500;
    QTemporaryDir dir;
    auto opened = bench::copyOfBuiltDatabase(dir);
    if (!opened) {
        return 1;
    }

    const long before = residentKb();
    const std::size_t heapBefore = mallinfo2().uordblks;
    QElapsedTimer timer;
    timer.start();
    const std::shared_ptr<const Lexicon> tree = opened->wordTree();
    const Lexicon& lexicon = *tree;
    const double loadMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const long after = residentKb();
    const std::size_t heapAfter = mallinfo2().uordblks;
    std::printf("load: %.0f ms for %zu words (%zu common), %zu nodes (goal < 500 ms)\n", loadMs,
                lexicon.wordCount(), lexicon.commonCount(), lexicon.nodeCount());
    // The tree is what stays; the heap also keeps SQLite's page cache, and the resident size
    // includes the query's buffers, freed but not yet handed back to the system.
    constexpr double kMb = 1024.0 * 1024.0;
    std::printf("memory: word tree %.2f MB; heap in use after the load +%.2f MB; resident size"
                " +%.2f MB (goal < 10 MB)\n",
                static_cast<double>(lexicon.memoryBytes()) / kMb,
                static_cast<double>(heapAfter - heapBefore) / kMb,
                static_cast<double>(after - before) / 1024.0);

    bench::BenchWorld world(dir.path(), *opened);
    Services& services = world.services;
    SessionState& session = world.session;

    for (const Level level : allLevels()) {
        const LevelInfo& info = levelInfo(level);
        std::vector<double> ms;
        std::vector<double> counts;
        for (int i = 0; i < fieldsPerLevel; ++i) {
            const TileGrid field = dealtField(level, services, session);
            timer.start();
            const QList<FoundWord> words = solveField(field, lexicon, info.minWordLength);
            ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            counts.push_back(static_cast<double>(words.size()));
        }
        std::sort(counts.begin(), counts.end());
        std::printf("%-12s %2d x %-2d: median %.3f ms per field, longest %.3f ms over %d fields;"
                    " words found: median %.0f (10th-90th percentile %.0f-%.0f) (goal < 5 ms)\n",
                    info.title, info.side, info.side, bench::median(ms),
                    *std::max_element(ms.begin(), ms.end()), fieldsPerLevel, bench::median(counts),
                    counts[counts.size() / 10], counts[counts.size() * 9 / 10]);
    }
    return 0;
}
