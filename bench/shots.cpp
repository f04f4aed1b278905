// The pictures an installed game ships: the menu, an Easy level in play and the review after
// it, drawn offscreen from fixed seeds over a copy of the word list the game installs, so every
// build draws the same screens.
//
//   shots <template Dictionary.mdb> <folder>
#include "app/GameScreens.h"
#include "core/board/BoardModel.h"
#include "core/common/FieldSolver.h"
#include "core/common/Lexicon.h"
#include "ui/board/BoardScreen.h"
#include "ui/summary/SummaryScreen.h"
#include "ui/widgets/Theme.h"

#include "BenchWorld.h"
#include "Deals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

using namespace vortalex;

namespace {

bool save(QWidget& screen, const QString& path) {
    screen.show();
    QCoreApplication::processEvents();
    if (!screen.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Types `word` as a player would and lets its banner slide.
void build(BoardModel& board, const QString& word) {
    for (const QChar letter : word) {
        board.typeLetter(letter);
    }
    board.submitTypedWord();
    while (board.slideRunning()) {
        board.slideTick();
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theme::apply(app); // as the game looks
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: shots <template Dictionary.mdb> <folder>\n");
        return 2;
    }
    const QString out = args.at(2);
    QTemporaryDir dir;
    const QString path = GameDatabase::pathIn(dir.path());
    if (!QDir().mkpath(out) || !QFile::copy(args.at(1), path)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(args.at(1)));
        return 1;
    }
    auto opened = GameDatabase::open(path);
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 1;
    }
    bench::BenchWorld world(dir.path(), *opened.db);
    world.session.setPlayerName(QStringLiteral("Ann"));

    GameScreens screens(world.services);
    if (!save(screens.menu(), out + QStringLiteral("/menu.png"))) {
        return 1;
    }

    // Three words built, each the longest everyday word of the field as it stands, and the
    // start of a fourth.
    BoardScreen board(Level::Easy, world.services, world.session);
    BoardModel& model = board.model();
    test::openAndPlay(model);
    const auto longestWord = [&] {
        FoundWord best;
        for (const FoundWord& w : solveField(model.grid(), *world.services.database().wordTree(),
                                             model.info().minWordLength)) {
            if (w.common && w.word.size() > best.word.size() && !model.words().contains(w.word)) {
                best = w;
            }
        }
        return best.word;
    };
    for (int words = 0; words < 3; ++words) {
        build(model, longestWord());
    }
    const QString next = longestWord();
    model.typeLetter(next.at(0));
    model.typeLetter(next.at(1));
    for (int second = 0; second < 43; ++second) {
        model.clockTick();
    }
    if (!save(board, out + QStringLiteral("/easy.png"))) {
        return 1;
    }

    // The clock runs out as in play, so the review has the fields and the paths the board
    // kept.
    std::optional<LevelResult> result;
    board.openSummary = [&result](const LevelResult& ended) {
        result = ended;
        return ScreenOutcome::menu();
    };
    while (model.clockRunning()) {
        model.clockTick();
    }
    QCoreApplication::processEvents();
    if (!result) {
        std::fprintf(stderr, "the level did not end\n");
        return 1;
    }
    SummaryScreen summary(*result, world.services, world.session);
    summary.show();
    summary.activateSummary();
    summary.wordList()->setCurrentRow(0);
    return save(summary, out + QStringLiteral("/review.png")) ? 0 : 1;
}
