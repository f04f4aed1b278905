// The summary screen on a copy of the built database with 200 saved Easy scores and ten rejected
// words, offscreen: the time from a level's end until its summary stands painted (the first
// opening, which reads the word tree, and the median of later ones, per level, on the fields of
// a deal and two shuffles), the median time of the activation steps (score grid, name, rejected
// words, no suggestions), the time until the first suggestions show for a row whose cell is
// empty (the whole dictionary), and the longest single step while scrolling those suggestions
// to the end.
//
//   bench_summary [--shots <folder>]   also writes a PNG of every summary state there, the
//                                      review panel's "Words you missed" page and the places
//                                      of a built and of a missed word among them, each at the
//                                      design size and filling a 1920 x 1080 screen (-full)
#include "core/board/BoardModel.h"
#include "ui/summary/SummaryScreen.h"
#include "ui/widgets/Theme.h"

#include "BenchSupport.h"
#include "BenchWorld.h"
#include "Deals.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace vortalex;

namespace {

double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

// A level as a board would hand it over: the field of its deal and of two shuffles, seeded so
// that every run shows the same words.
LevelResult dealtResult(Level level, int total, const QStringList& built, bool passed,
                        Services& services, SessionState& session) {
    BoardModel board(level, services, session);
    LevelResult result{level, total, QStringLiteral("00:00"), built, passed};
    test::openAndPlay(board);
    result.fields.append(board.grid());
    for (int shuffle = 0; shuffle < 2; ++shuffle) {
        board.runCommand(BoardCommand::Shuffle);
        test::finishDealing(board);
        result.fields.append(board.grid());
    }
    return result;
}

// The screen as it stands, then as large as a 1920 x 1080 screen lets it be, then as it was.
void shoot(SummaryScreen& screen, const QString& path) {
    QCoreApplication::processEvents();
    screen.grab().save(path + QStringLiteral(".png"));
    const QSize design = screen.size();
    screen.resize(1920, 1080);
    QCoreApplication::processEvents();
    screen.grab().save(path + QStringLiteral("-full.png"));
    screen.resize(design);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theme::apply(app);
    const QStringList args = app.arguments();
    const QString shots =
        args.size() == 3 && args.at(1) == QLatin1String("--shots") ? args.at(2) : QString();
    QTemporaryDir dir;
    auto opened = bench::copyOfBuiltDatabase(dir);
    if (!opened) {
        return 1;
    }
    GameDatabase& db = *opened;
    bench::BenchWorld world(dir.path(), db);
    Services& services = world.services;
    SessionState& session = world.session;
    session.setPlayerName(QStringLiteral("Ann"));
    const QStringList built{"CAT", "DOG", "HOUSE", "GARDEN", "TREES", "RIVER"};
    // Dealt first: a board empties the rejected words when it loads.
    std::map<Level, LevelResult> dealt;
    for (const Level level : allLevels()) {
        dealt[level] = dealtResult(level, 0, built, false, services, session);
    }
    auto withFields = [&dealt](LevelResult result) {
        result.fields = dealt[result.level].fields;
        return result;
    };
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

    // Built, shown and painted as the board opens it: everything the player waits for.
    const auto openOnce = [&](Level level) {
        QElapsedTimer t;
        t.start();
        SummaryScreen screen(withFields({level, 1200, "00:00", built, level == Level::Expert}),
                             services, session);
        screen.show();
        QCoreApplication::processEvents();
        screen.repaint();
        return msSince(t);
    };
    std::printf("first opening (word tree read): %.1f ms\n", openOnce(Level::Easy));
    for (const Level level : allLevels()) {
        std::vector<double> openings;
        for (int i = 0; i < 15; ++i) {
            openings.push_back(openOnce(level));
        }
        std::printf("opening %s (deal and two shuffles): median %.1f ms\n", levelInfo(level).title,
                    bench::median(openings));
    }

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
                SummaryScreen screen(
                    withFields({level, passed ? 9400 : 1200, "00:00", built, passed}), services,
                    session);
                screen.show();
                screen.activateSummary();
                QCoreApplication::processEvents();
                shoot(screen,
                      QStringLiteral("%1/%2-%3")
                          .arg(shots, QString::fromLatin1(levelInfo(level).title),
                               passed ? QStringLiteral("passed") : QStringLiteral("failed")));
            }
        }
        SummaryScreen review({Level::Easy, 1200, "00:00", built, false}, services, session);
        review.show();
        review.activateSummary();
        QCoreApplication::processEvents(); // the window system's activation comes first
        review.model().suggestFor(3);      // CATZ
        review.wordList()->setCurrentRow(2);
        shoot(review, shots + QStringLiteral("/review"));

        // The missed words of an Easy level: the common ones, one selected with its meanings,
        // then all of them.
        SummaryScreen missed(withFields({Level::Easy, 1200, "00:00", built, false}), services,
                             session);
        missed.show();
        missed.activateSummary();
        QCoreApplication::processEvents();
        missed.reviewTabs()->setCurrentIndex(1);
        missed.missedList()->setCurrentCell(0, 0);
        shoot(missed, shots + QStringLiteral("/missed"));
        missed.showAllMissedBox()->setChecked(true);
        missed.missedList()->scrollToBottom();
        shoot(missed, shots + QStringLiteral("/missed-all"));

        // Where the words stood: words of the fields built, each on the field it was found on,
        // one of them selected, on Easy and on Expert, whose tiles are small; then a missed word
        // of the Expert fields.
        for (const Level level : {Level::Easy, Level::Expert}) {
            LevelResult withPaths = withFields({level, 1200, "00:00", {}, true});
            SummaryModel onFields(withPaths, services, session);
            for (const MissedWord& w : onFields.missedWords()) {
                if (withPaths.words.size() < 5) {
                    withPaths.words.append(w.word);
                    withPaths.builtPaths.append(*missedWordPath(withPaths.fields, w.word));
                }
            }
            SummaryScreen paths(withPaths, services, session);
            paths.show();
            paths.activateSummary();
            QCoreApplication::processEvents();
            paths.doneButton()->click();
            paths.wordList()->setCurrentRow(1);
            shoot(paths, QStringLiteral("%1/paths-built-%2")
                             .arg(shots, QString::fromLatin1(levelInfo(level).title)));
        }
        SummaryScreen expert(withFields({Level::Expert, 1200, "00:00", built, true}), services,
                             session);
        expert.show();
        expert.activateSummary();
        QCoreApplication::processEvents();
        expert.doneButton()->click();
        expert.reviewTabs()->setCurrentIndex(1);
        expert.missedList()->setCurrentCell(0, 0);
        shoot(expert, shots + QStringLiteral("/paths-missed-Expert"));
    }
    return 0;
}
