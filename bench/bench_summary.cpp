// The summary screen on a copy of the built database with 200 saved Easy scores and ten rejected
// words, offscreen: the median time of the activation steps (score grid, name, rejected words,
// no suggestions), the time until the first suggestions show for a row whose cell is empty (the
// whole dictionary), and the longest single step while scrolling those suggestions to the end.
//
//   bench_summary [--shots <folder>]   also writes a PNG of every summary state there
#include "summary/SummaryScreen.h"

#include "BenchSupport.h"
#include "TestDoubles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vortalex;

namespace {

double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString shots =
        args.size() == 3 && args.at(1) == QLatin1String("--shots") ? args.at(2) : QString();
    QTemporaryDir dir;
    auto opened = bench::copyOfBuiltDatabase(dir);
    if (!opened) {
        return 1;
    }
    GameDatabase& db = *opened;
    db.inTransaction([&db] {
        for (int i = 0; i < 200; ++i) {
            db.appendScore(Level::Easy,
                           {QStringLiteral("Player %1").arg(i), 5000 + 37 * i, "00:00"});
        }
        for (const char* w :
             {"XQZT", "", "CATZ", "TEHM", "RECIEV", "AAAB", "QUIZE", "ZOOT", "PLAYR", "WORDZ"}) {
            db.addWrongWord(QString::fromLatin1(w));
        }
        return true;
    });
    test::RecordingCues cues;
    test::ScriptedMessages messages;
    Services services;
    SessionState session;
    session.setPlayerName(QStringLiteral("Ann"));
    services.programFolder = dir.path();
    services.database = &db;
    services.cues = &cues;
    services.messages = &messages;
    const QStringList built{"CAT", "DOG", "HOUSE", "GARDEN", "TREES", "RIVER"};

    {
        SummaryScreen screen({Level::Easy, 6100, "00:00", built, false}, services, session);
        screen.show();
        QCoreApplication::processEvents();
        std::vector<double> activations;
        for (int i = 0; i < 50; ++i) {
            QElapsedTimer t;
            t.start();
            screen.activateSummary();
            QCoreApplication::processEvents();
            activations.push_back(msSince(t));
        }
        std::printf("activation (200 scores, 10 rejected words): median %.2f ms\n",
                    bench::median(activations));

        QElapsedTimer t;
        t.start();
        screen.model().suggestFor(2); // the empty cell
        QCoreApplication::processEvents();
        screen.suggestionsGrid()->repaint();
        std::printf("first suggestions for the empty cell: %.2f ms (%d rows fetched)\n", msSince(t),
                    screen.model().suggestions()->rowCount());

        double longest = 0;
        int steps = 0;
        t.start();
        do {
            QElapsedTimer step;
            step.start();
            screen.suggestionsGrid()->scrollToBottom();
            QCoreApplication::processEvents();
            longest = std::max(longest, msSince(step));
            ++steps;
        } while (screen.model().suggestions()->canFetchMore() && steps < 10000);
        std::printf("scrolling to the end: %d steps, longest %.2f ms, all %.0f ms, %d rows\n",
                    steps, longest, msSince(t), screen.model().suggestions()->rowCount());
    }

    if (!shots.isEmpty()) {
        for (const Level level : allLevels()) {
            for (const bool passed : {true, false}) {
                if (level == Level::Expert && !passed) {
                    continue; // a failed Expert level has no summary
                }
                SummaryScreen screen({level, passed ? 9400 : 1200, "00:00", built, passed},
                                     services, session);
                screen.show();
                screen.activateSummary();
                QCoreApplication::processEvents();
                const QString name =
                    QStringLiteral("%1/%2-%3.png")
                        .arg(shots, QString::fromLatin1(levelInfo(level).title),
                             passed ? QStringLiteral("passed") : QStringLiteral("failed"));
                screen.grab().save(name);
            }
        }
        SummaryScreen review({Level::Easy, 1200, "00:00", built, false}, services, session);
        review.show();
        review.activateSummary();
        QCoreApplication::processEvents(); // the window system's activation comes first
        review.model().suggestFor(3);      // CATZ
        review.wordList()->setCurrentRow(2);
        QCoreApplication::processEvents();
        review.grab().save(shots + QStringLiteral("/review.png"));
    }
    return 0;
}
