// The window tests' view into the game: replays a board of a --seed run with the core library to
// find real words on the field the program will deal, and reads back what a run saved.
//
//   wordpaths play <database> <seed> <level index> <target total>
//       one line per word to build, the tile numbers in picking order, until the target is met
//   wordpaths spell <database> <seed> <level index> <target total>
//       the same words, one line each, spelled in letters as a player types them
//   wordpaths day <database> <YYYY-MM-DD> <target total>
//       as play, on today's field of that date (its letters come from the date alone)
//   wordpaths saved <database> <level index> <name> <password>
//       the saved score, the player's total, the overall ranking's first row and whether LOAD
//       finds the player with that password
#include "DatabaseCalls.h"
#include "Deals.h"
#include "TestDoubles.h"
#include "core/board/BoardModel.h"
#include "core/data/GameDatabase.h"

#include <QCoreApplication>
#include <QDate>
#include <QSet>
#include <QTextStream>

#include <cstdio>
#include <optional>

using namespace vortalex;

namespace {

constexpr int kLongest = 7;

struct Words {
    QSet<QString> words;
    QSet<QString> prefixes;
};

Words loadWords(GameDatabase& db, int shortest) {
    Words w;
    for (const QString& word : test::valuesOf(db.wordsStartingWithCursor(QString()))) {
        const QString upper = word.toUpper();
        if (upper.size() < shortest || upper.size() > kLongest) {
            continue;
        }
        w.words.insert(upper);
        for (int n = 1; n < upper.size(); ++n) {
            w.prefixes.insert(upper.left(n));
        }
    }
    return w;
}

// The longest new word on the field, as tile numbers; empty when there is none.
QList<int> findWord(const TileGrid& grid, const Words& dict, const QStringList& used) {
    QList<int> best;
    QList<int> path;
    std::function<void(int, const QString&)> walk = [&](int tile, const QString& soFar) {
        const QString word = soFar + grid.tile(tile).letter;
        if (!dict.prefixes.contains(word) && !dict.words.contains(word)) {
            return;
        }
        path.append(tile);
        if (dict.words.contains(word) && !used.contains(word) && path.size() > best.size()) {
            best = path;
        }
        if (word.size() < kLongest) {
            for (const int next : grid.neighbours(tile)) {
                if (!path.contains(next)) {
                    walk(next, word);
                }
            }
        }
        path.removeLast();
    };
    for (int t = 1; t <= grid.count(); ++t) {
        walk(t, QString());
    }
    return best;
}

// A board of `level`, or of today's field of `day` when it is valid.
int play(GameDatabase& db, quint64 seed, Level level, const QDate& day, int target, bool spell) {
    test::RecordingCues cues;
    test::ScriptedMessages messages;
    Services services(db);
    services.cues = &cues;
    services.messages = &messages;
    // The program seeds its first board with the seed itself.
    services.newRandom = [seed] {
        return std::make_unique<SeededRandom>(seed);
    };
    SessionState session;
    const std::shared_ptr<const Lexicon> tree = day.isValid() ? db.wordTree() : nullptr;
    if (day.isValid() && !tree) {
        std::fprintf(stderr, "the word list cannot be read\n");
        return 2;
    }
    std::optional<BoardModel> dayBoard;
    std::optional<BoardModel> levelBoard;
    BoardModel& board = day.isValid() ? dayBoard.emplace(DayField{day, tree}, services, session)
                                      : levelBoard.emplace(level, services, session);
    test::openAndPlay(board);
    const Words dict = loadWords(db, board.info().minWordLength);
    QTextStream out(stdout);
    while (board.levelTotal() < target) {
        const QList<int> tiles = findWord(board.grid(), dict, board.words());
        if (tiles.isEmpty()) {
            std::fprintf(stderr, "no word left on the field\n");
            return 3;
        }
        QStringList line;
        for (const int t : tiles) {
            board.clickTile(t);
            line.append(spell ? board.grid().tile(t).letter : QString::number(t));
        }
        board.doubleClickTile(tiles.last());
        if (!messages.shown.isEmpty()) {
            std::fprintf(stderr, "the board refused %s\n", qPrintable(board.word()));
            return 3;
        }
        out << line.join(spell ? QString() : QStringLiteral(" ")) << '\n';
    }
    return 0;
}

int saved(GameDatabase& db, Level level, const QString& name, const QString& password) {
    QTextStream out(stdout);
    const auto score = db.findScore(level, name);
    out << "score " << (score.isFound() ? QString::number(score->score) : QStringLiteral("none"))
        << '\n';
    const auto total = db.findTotal(name);
    out << "total " << (total.isFound() ? QString::number(*total) : QStringLiteral("none")) << '\n';
    const QList<RankRow> overall = test::rankRows(db.overallRankingCursor());
    out << "first " << (overall.isEmpty() ? QStringLiteral("none") : overall.first().name) << '\n';
    out << "load " << (test::findPlayer(db, name, password) ? "found" : "missing") << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: wordpaths play|spell|day|saved <database> ...\n");
        return 2;
    }
    auto opened = GameDatabase::open(args.at(2));
    if (!opened.db) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error));
        return 2;
    }
    const bool spell = args.at(1) == QLatin1String("spell");
    if ((args.at(1) == QLatin1String("play") || spell) && args.size() == 6) {
        return play(*opened.db, args.at(3).toULongLong(), static_cast<Level>(args.at(4).toInt()),
                    QDate(), args.at(5).toInt(), spell);
    }
    if (args.at(1) == QLatin1String("day") && args.size() == 5) {
        const QDate day = QDate::fromString(args.at(3), Qt::ISODate);
        return play(*opened.db, 1, Level::Easy, day, args.at(4).toInt(), false);
    }
    if (args.at(1) == QLatin1String("saved") && args.size() == 6) {
        return saved(*opened.db, static_cast<Level>(args.at(3).toInt()), args.at(4), args.at(5));
    }
    std::fprintf(stderr, "usage: wordpaths play|spell|day|saved <database> ...\n");
    return 2;
}
