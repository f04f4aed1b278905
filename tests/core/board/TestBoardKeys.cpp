#include "core/board/BoardModel.h"
#include "core/sound/Cues.h"

#include "Deals.h"
#include "Fields.h"
#include "KnownField.h"

#include <QtTest>

using namespace vortalex;
using namespace vortalex::test;

namespace {

void startPlaying(TestWorld& world, BoardModel& board) {
    scriptKnownField(world);
    openAndPlay(board);
}

void type(BoardModel& board, const QString& letters) {
    for (QChar c : letters) {
        board.typeLetter(c);
    }
}

// Every key the board takes, once each; `letter` is one that would go on the word. Returns the
// word after each key, so that Backspace cannot hide a letter that got through.
QStringList pressEveryKey(BoardModel& board, QChar letter) {
    QStringList after;
    board.typeLetter(letter);
    after << board.word();
    board.eraseLetter();
    after << board.word();
    board.submitTypedWord();
    after << board.word();
    board.dropTypedWord();
    after << board.word();
    board.pressPauseKey();
    after << board.word();
    return after;
}

// What a player can see and hear of a board after some play.
struct Outcome {
    QString word;
    int total;
    QStringList words;
    QStringList messages;
    QList<Cue> cues;
    QString letters;
    bool bannerVisible;
    int bannerTop;
    bool operator==(const Outcome&) const = default;
};

Outcome outcomeOf(TestWorld& world, const BoardModel& board) {
    return {board.word(),           board.levelTotal(), board.words(),
            world.messages.texts(), world.cues.played,  lettersOf(board.grid()),
            board.bannerVisible(),  board.bannerTop()};
}

} // namespace

class TestBoardKeys : public QObject {
    Q_OBJECT
private slots:
    void typedWordsScoreAndAnswerExactlyAsClickedOnes() {
        const QList<DictionaryEntry> words{
            {"CAT", "(n.) feline"}, {"BONDS", "(n.) ties"}, {"AT", "(prep.) here"}};
        TestWorld clicked(words);
        TestWorld typed(words);
        BoardModel mouse(Level::Easy, clicked.services, clicked.session);
        BoardModel keys(Level::Easy, typed.services, typed.session);
        startPlaying(clicked, mouse);
        startPlaying(typed, keys);

        // Too short, not in the dictionary, accepted twice, then a duplicate on other tiles.
        const QList<QList<int>> paths{
            {2, 3}, {7, 2, 3}, {1, 2, 3}, {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}};
        for (const QList<int>& path : paths) {
            for (int t : path) {
                mouse.clickTile(t);
            }
            const QString word = mouse.word();
            mouse.doubleClickTile(path.last());
            type(keys, word);
            QCOMPARE(keys.word(), word);
            keys.submitTypedWord();
            QCOMPARE(outcomeOf(typed, keys).messages, outcomeOf(clicked, mouse).messages);
            QVERIFY2(outcomeOf(typed, keys) == outcomeOf(clicked, mouse), qPrintable(word));
        }
        QCOMPARE(keys.words(), (QStringList{"CAT", "BONDS"}));
        QCOMPARE(keys.levelTotal(), 250 + 350);
        QCOMPARE(clicked.messages.texts(),
                 (QStringList{"Sorry! Word is too short.", "Sorry! Word is not in the Dictionary.",
                              "Word already used!"}));
    }

    void escapeDropsTheWordAsARightClickDoes() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CAT"));
        world.cues.played.clear();
        board.dropTypedWord();
        QVERIFY(board.word().isEmpty());
        QVERIFY(board.grid().usedTiles().isEmpty());
        QCOMPARE(world.cues.played, QList<Cue>{Cue::TileDown});
        board.clickTile(25); // no click is left to be swallowed
        QCOMPARE(board.word(), QStringLiteral("S"));
    }

    // A right click beside the word leaves a click to be swallowed; no click follows Return.
    void returnSubmitsAfterARightClickBesideTheWordAsADoubleClickDoes() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CAT"));
        board.rightReleaseTile(25);
        board.submitTypedWord();
        QCOMPARE(board.words(), QStringList{"CAT"});
        board.clickTile(25);
        QCOMPARE(board.word(), QStringLiteral("S"));
    }

    void aLetterOnlyFoundElsewhereMovesTheChain() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CA"));
        QCOMPARE(board.grid().chain(), (QList<int>{1, 2})); // the first A found stays
        board.typeLetter(QLatin1Char('x'));                 // X touches only the other A
        QCOMPARE(board.word(), QStringLiteral("CAX"));
        QCOMPARE(board.grid().chain(), (QList<int>{1, 6, 11}));
        QCOMPARE(board.grid().colour(2), TileColour::Plain); // let go of
        QCOMPARE(board.grid().colour(6), TileColour::Used);
        board.eraseLetter();
        QCOMPARE(board.word(), QStringLiteral("CA"));
        QCOMPARE(board.grid().chain(), (QList<int>{1, 6}));
    }

    void lettersNoChainAllowsAreIgnored() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CAT"));
        const QList<Cue> before = world.cues.played;
        for (QChar c : QStringLiteral("ZCK1 -")) {
            board.typeLetter(c); // Z is nowhere, C and K touch no T, the rest are no letters
        }
        QCOMPARE(board.word(), QStringLiteral("CAT"));
        QCOMPARE(board.grid().chain(), (QList<int>{1, 2, 3}));
        QCOMPARE(world.cues.played, before);
    }

    void keysDoNothingWhileAMessageIsOpen() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("OX")); // not a word: a message
        bool looked = false;
        world.messages.onShow = [&](const ShownMessage&) {
            looked = true;
            QVERIFY(board.messageOpen());
            QCOMPARE(pressEveryKey(board, QLatin1Char('C')), QStringList(5, QStringLiteral("OX")));
            board.pauseInBackground();
            QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
            QCOMPARE(world.messages.shown.size(), 1);
        };
        board.submitTypedWord();
        QVERIFY(looked);
        QVERIFY(!board.messageOpen());
        QVERIFY(board.clockRunning()); // the framing resumed the clock; nothing paused it
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        QVERIFY(board.word().isEmpty());
    }

    void keysAndTheBackgroundLeaveTheLevelAloneWhileTheLeaveQuestionIsOpen() {
        // The one message that leaves the clock running and the tiles shown: only its being
        // open keeps the keys and the background pause away.
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CA"));
        world.messages.answers = {Answer::No};
        bool looked = false;
        world.messages.onShow = [&](const ShownMessage&) {
            if (looked) {
                return; // a key that got through opened a message of its own
            }
            looked = true;
            QVERIFY(board.clockRunning());
            QVERIFY(board.tilesVisible());
            QCOMPARE(pressEveryKey(board, QLatin1Char('T')), QStringList(5, QStringLiteral("CA")));
            board.pauseInBackground();
            QVERIFY(board.clockRunning());
            QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        };
        QVERIFY(!board.confirmClose());
        QVERIFY(looked);
        QCOMPARE(world.messages.texts(), QStringList{BoardModel::kLeaveQuestion});
        QVERIFY(board.clockRunning());
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        QCOMPARE(board.word(), QStringLiteral("CA"));
    }

    void keysDoNothingAfterTheClockRanOut() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CA"));
        for (int i = 0; i < 300; ++i) {
            board.clockTick();
        }
        QCOMPARE(board.clock(), BoardModel::Clock::Ended);
        world.cues.played.clear();
        QCOMPARE(pressEveryKey(board, QLatin1Char('T')), QStringList(5, QStringLiteral("CA")));
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        QVERIFY(world.cues.played.isEmpty());
    }

    void spaceWorksThePauseLabelAndHiddenTilesTakeNoLetters() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        board.pressPauseKey();
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Resume"));
        QVERIFY(!board.tilesVisible());
        board.typeLetter(QLatin1Char('C'));
        QVERIFY(board.word().isEmpty());
        board.pressPauseKey();
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        board.typeLetter(QLatin1Char('C'));
        QCOMPARE(board.word(), QStringLiteral("C"));
    }

    void aLetterDuringTheDealFreezesTheFieldAsAClickDoes() {
        // The same deal on two boards, stopped by a typed C on one and a clicked C on the other;
        // both must hand the frozen field on for the missed words.
        QList<QStringList> handed;
        for (const bool byKey : {true, false}) {
            TestWorld world;
            world.nextScript = std::deque<double>(25 * 9, 2.5 / 26); // the fills are all C
            BoardModel board(Level::Easy, world.services, world.session);
            QStringList fields;
            connect(&board, &BoardModel::levelEnded, this, [&fields](const LevelResult& r) {
                for (const TileGrid& field : r.fields) {
                    fields.append(lettersOf(field));
                }
            });
            board.load();
            board.activate();
            board.clickCommand(BoardCommand::Play);
            board.dealTick();
            if (byKey) {
                board.typeLetter(QLatin1Char('C'));
            } else {
                board.clickTile(1);
            }
            QVERIFY(!board.dealRunning());
            QCOMPARE(board.word(), QStringLiteral("C"));
            for (int s = 0; s < board.info().levelSeconds(); ++s) {
                board.clockTick();
            }
            QCoreApplication::processEvents();
            handed.append(fields);
        }
        QCOMPARE(handed.first(), handed.last());
    }

    void keysAfterAShuffleStartAFreshWord() {
        // A shuffle empties the word before its deal repaints the picked tiles.
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        startPlaying(world, board);
        type(board, QStringLiteral("CA"));
        board.runCommand(BoardCommand::Shuffle);
        QVERIFY(board.word().isEmpty());
        board.eraseLetter();
        QVERIFY(board.word().isEmpty()); // not "C"
        const int messages = static_cast<int>(world.messages.shown.size());
        board.submitTypedWord();
        QCOMPARE(world.messages.shown.size(), messages); // no stale word to check
        board.typeLetter(QLatin1Char('C'));
        QCOMPARE(board.word(), QStringLiteral("C"));
    }

    void losingTheForegroundPausesOnlyARunningClockAndNeverResumes() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        board.load();
        board.activate();
        board.pauseInBackground(); // before Play: no clock to pause
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        startPlaying(world, board);
        board.pauseInBackground();
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Resume"));
        QCOMPARE(board.clock(), BoardModel::Clock::Paused);
        QVERIFY(!board.tilesVisible());
        board.pauseInBackground(); // a second loss of focus must not resume it
        QCOMPARE(board.clock(), BoardModel::Clock::Paused);
        board.clickPauseLabel();
        QVERIFY(board.clockRunning());
    }
};

QTEST_GUILESS_MAIN(TestBoardKeys)
#include "TestBoardKeys.moc"
