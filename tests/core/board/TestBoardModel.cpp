#include "core/board/BoardModel.h"
#include "core/sound/Cues.h"

#include "Deals.h"
#include "Fields.h"
#include "KnownField.h"
#include "RawConnection.h"
#include "TestWorld.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using namespace vortalex;
using namespace vortalex::test;

namespace {

const QDate kDay(2026, 12, 10);

QString pick(BoardModel& board, const QList<int>& tiles) {
    for (int t : tiles) {
        board.clickTile(t);
    }
    return board.word();
}

// Forms a word on the given tiles, makes it a dictionary word and submits it.
QString submitAsWord(TestWorld& world, BoardModel& board, const QList<int>& tiles) {
    const QString word = pick(board, tiles);
    world.addWord(word);
    board.doubleClickTile(tiles.last());
    return word;
}

// Tiles 1, 2, ... along the first row, then down the last column: always a touching path.
QList<int> path(const LevelInfo& info, int length) {
    QList<int> tiles;
    for (int c = 1; c <= info.side && tiles.size() < length; ++c) {
        tiles.append(c);
    }
    for (int r = 2; r <= info.side && tiles.size() < length; ++r) {
        tiles.append((r - 1) * info.side + info.side);
    }
    return tiles;
}

// The world's file, waiting only briefly for a busy file.
GameDatabase* impatientDatabase(TestWorld& world) {
    world.database->setBusyTimeout(20);
    return world.database.get();
}

} // namespace

class TestBoardModel : public QObject {
    Q_OBJECT
private slots:
    // ---------------------------------------------------------------- deals

    void aClickDuringADealStopsItAndPicks() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        board.load();
        board.clickCommand(BoardCommand::Play);
        board.dealTick();
        board.dealTick();
        board.clickTile(7);
        QVERIFY(!board.dealRunning());
        QCOMPARE(board.grid().colour(7), TileColour::Used);
        const QString frozen = lettersOf(board.grid());
        board.dealTick();
        QCOMPARE(lettersOf(board.grid()), frozen);
        QCOMPARE(board.word(), board.grid().tile(7).letter);
    }

    void aRightClickDuringADealStopsItWithoutPicking() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        board.load();
        board.clickCommand(BoardCommand::Play);
        board.dealTick();
        board.rightReleaseTile(3);
        board.clickTile(3);
        QVERIFY(!board.dealRunning());
        QVERIFY(board.word().isEmpty());
        QCOMPARE(board.grid().usedTiles(), QList<int>{});
    }

    void everyFinishedDealAndTheLastFieldGoToTheSummary() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        LevelResult result;
        connect(&board, &BoardModel::levelEnded, this,
                [&result](const LevelResult& r) { result = r; });
        openAndPlay(board);
        QStringList dealt{lettersOf(board.grid())};
        board.runCommand(BoardCommand::Shuffle);
        board.dealTick();
        board.dealTick();
        board.clickTile(5); // freezes the shuffle's deal: that field is played on
        dealt.append(lettersOf(board.grid()));
        board.runCommand(BoardCommand::Shuffle);
        finishDealing(board);
        dealt.append(lettersOf(board.grid()));
        submitAsWord(world, board, {1, 2, 3}); // new letters on three tiles
        dealt.append(lettersOf(board.grid()));
        QCOMPARE(board.words().size(), 1);

        for (int s = 0; s < board.info().levelSeconds(); ++s) {
            board.clockTick();
        }
        QCoreApplication::processEvents();
        QStringList handed;
        for (const TileGrid& field : result.fields) {
            handed.append(lettersOf(field));
        }
        QCOMPARE(handed, dealt);
    }

    void aShuffleStillDealingWhenTimeRunsOutHandsOnOnlyFinishedFields() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        LevelResult result;
        connect(&board, &BoardModel::levelEnded, this,
                [&result](const LevelResult& r) { result = r; });
        openAndPlay(board);
        const QString dealt = lettersOf(board.grid());
        for (int s = 1; s < board.info().levelSeconds(); ++s) {
            board.clockTick();
        }
        board.runCommand(BoardCommand::Shuffle);
        board.dealTick();
        board.dealTick();
        QVERIFY(board.dealRunning());
        board.clockTick(); // the last second, with a random fill on the field
        QCoreApplication::processEvents();
        QCOMPARE(result.fields.size(), 1);
        QCOMPARE(lettersOf(result.fields.first()), dealt);
    }

    void beforeTheFirstPlayATileOnlyClicks() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        board.load();
        board.activate();
        board.clickTile(13);
        board.doubleClickTile(13);
        QCOMPARE(world.cues.played, QList<Cue>{Cue::Clicking});
        QVERIFY(board.word().isEmpty());
        QVERIFY(board.grid().usedTiles().isEmpty());
    }

    // ---------------------------------------------------------------- picking

    void picksFollowTheTouchRuleAndBuildTheWord() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        board.clickTile(13);
        board.clickTile(1);  // does not touch 13: clicks, changes nothing
        board.clickTile(13); // used: silent
        board.clickTile(19);
        const QString expected = board.grid().tile(13).letter + board.grid().tile(19).letter;
        QCOMPARE(board.word(), expected);
        QCOMPARE(board.grid().usedTiles(), (QList<int>{13, 19}));
        QCOMPARE(world.cues.played.count(Cue::Clicking), 3);
        QCOMPARE(board.grid().colour(13), TileColour::Used);
        QCOMPARE(board.grid().colour(14), TileColour::Open);
    }

    void aRightClickOnTheWordDiscardsItAndNeverPicks() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        pick(board, {1, 2});
        board.rightReleaseTile(5); // not in the word: nothing but the swallowed click
        board.clickTile(5);
        QCOMPARE(board.word().size(), 2);
        board.clickTile(3); // the next left click works normally
        QCOMPARE(board.word().size(), 3);
        board.rightReleaseTile(2);
        board.clickTile(2);
        QVERIFY(board.word().isEmpty());
        QVERIFY(board.grid().usedTiles().isEmpty());
        QCOMPARE(world.cues.played.last(), Cue::TileDown);
    }

    void doubleClickingATileThatIsNotInTheWordDoesNotSubmit() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        world.cues.played.clear();
        board.clickTile(1);
        board.clickTile(25); // not open
        board.doubleClickTile(25);
        QVERIFY(!world.cues.played.contains(Cue::Slide));
        board.doubleClickTile(1); // a letter of the word submits it, even a one-letter word
        QVERIFY(world.cues.played.contains(Cue::Slide));
        QCOMPARE(world.messages.texts().last(),
                 QStringLiteral("Sorry! Word is not in the Dictionary."));
    }

    void quitGameEmptiesTheRejectedWordsAndAsksToClose() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        QVERIFY(world.database->addWrongWord(QStringLiteral("XQZT")));
        QSignalSpy quit(&board, &BoardModel::closeRequested);
        board.clickTile(0);
        QCOMPARE(quit.size(), 1);
        QCOMPARE(quit.at(0).at(0).value<ScreenOutcome>(), ScreenOutcome::menu());
        QVERIFY(world.database->wrongWords().isEmpty());
    }

    void loadingABoardForgetsTheLastLevelsRejectedWords() {
        TestWorld world;
        QVERIFY(world.database->addWrongWord(QStringLiteral("TEH")));
        BoardModel board(Level::Difficult, world.services, world.session);
        board.load();
        QVERIFY(world.database->wrongWords().isEmpty());
        for (int i = 1; i <= board.grid().count(); ++i) {
            QVERIFY(board.grid().tile(i).letter.isEmpty());
        }
    }

    // ---------------------------------------------------------------- words and scores

    void acceptedWordsScoreBasePlusBonusOnEveryLevel() {
        for (Level level : allLevels()) {
            TestWorld world;
            BoardModel board(level, world.services, world.session);
            openAndPlay(board);
            const LevelInfo& info = board.info();
            const QList<int> shortest = path(info, info.minWordLength);
            const QString first = submitAsWord(world, board, shortest);
            QCOMPARE(board.levelTotal(), info.basePoints);
            QCOMPARE(board.bonusPoints(), 0);
            QCOMPARE(board.subTotalText(), QString::number(info.basePoints));
            const QString second = submitAsWord(world, board, path(info, info.minWordLength + 2));
            if (second == first) {
                continue; // a repeated draw made the same word; the duplicate rule is tested below
            }
            QCOMPARE(board.bonusPoints(), 100);
            QCOMPARE(board.wordPoints(), info.basePoints);
            QCOMPARE(board.subTotalText(), QString::number(info.basePoints + 100));
            QCOMPARE(board.levelTotal(), 2 * info.basePoints + 100);
            QCOMPARE(board.words(), (QStringList{first, second}));
            QCOMPARE(board.selectedWord(), 1);
            QCOMPARE(world.cues.played.last(), info.acceptCue);
            QVERIFY(board.word().isEmpty());
            QVERIFY(world.messages.shown.isEmpty());
        }
    }

    // New letters come from the board's own draws: here all Z, which the field has none of, so
    // each of the word's tiles shows it drew, the field's last tile too.
    void anAcceptedWordRefillsOnlyItsOwnTiles() {
        KnownFieldWorld world;
        world.nextScript.insert(world.nextScript.end(), 3, 25.5 / 26);
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        QCOMPARE(lettersOf(board.grid()), kKnownField);
        submitAsWord(world, board, {19, 20, 25});
        QString expected = kKnownField;
        for (const int tile : {19, 20, 25}) {
            expected[tile - 1] = QLatin1Char('Z');
        }
        QCOMPARE(lettersOf(board.grid()), expected);
        QVERIFY(board.grid().usedTiles().isEmpty());
        QVERIFY(board.bannerVisible());
        QCOMPARE(board.bannerTop(), BoardModel::kBannerStartTop);
    }

    // The summary shows where each built word was: on the field as it stood when it was
    // accepted, along the tiles in the order the player picked them, which need not be the
    // order of their numbers.
    void eachBuiltWordGoesToTheSummaryWithItsFieldAndThePickedChain() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        LevelResult result;
        connect(&board, &BoardModel::levelEnded, this,
                [&result](const LevelResult& r) { result = r; });
        openAndPlay(board);
        const QList<QList<int>> chains{{8, 2, 1, 6}, {25, 19, 13}};
        QStringList fields;
        for (const QList<int>& chain : chains) {
            fields.append(lettersOf(board.grid()));
            submitAsWord(world, board, chain);
        }
        QCOMPARE(board.words().size(), 2);
        for (int s = 0; s < board.info().levelSeconds(); ++s) {
            board.clockTick();
        }
        QCoreApplication::processEvents();
        QCOMPARE(result.builtPaths.size(), 2);
        for (int k = 0; k < 2; ++k) {
            const WordPath& kept = result.builtPaths.at(k);
            QCOMPARE(kept.word, result.words.at(k));
            QCOMPARE(kept.chain, chains.at(k));
            QCOMPARE(lettersOf(kept.field), fields.at(k));
        }
    }

    void aDuplicateScoresNothingAndKeepsTheLetters() {
        TestWorld world;
        world.nextScript = std::deque<double>(300, 0.0); // every letter, refills too, is "A"
        world.setWords({{"AAA", "test"}, {"AAAA", "test"}});
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        pick(board, {1, 2, 3});
        board.doubleClickTile(3);
        pick(board, {4, 5, 10, 15});
        board.doubleClickTile(15);
        QCOMPARE(board.words(), (QStringList{"AAA", "AAAA"}));
        const int total = board.levelTotal();
        const QString before = lettersOf(board.grid());
        world.messages.onShow = [&](const ShownMessage&) {
            QCOMPARE(board.clock(), BoardModel::Clock::Paused);
            QVERIFY(!board.tilesVisible());
            QCOMPARE(board.word(), QStringLiteral("AAA"));
        };
        pick(board, {11, 12, 13});
        board.doubleClickTile(13);
        QCOMPARE(world.messages.shown.size(), 1);
        QCOMPARE(world.messages.shown[0].text, QStringLiteral("Word already used!"));
        QCOMPARE(world.messages.shown[0].style, style::kExclamation);
        QCOMPARE(world.messages.shown[0].title, QStringLiteral("Duplicate Word"));
        QCOMPARE(board.levelTotal(), total);
        QCOMPARE(lettersOf(board.grid()), before);
        QCOMPARE(board.selectedWord(), 0); // the earlier entry stays selected
        QVERIFY(board.word().isEmpty());
        QVERIFY(board.grid().usedTiles().isEmpty());
        QCOMPARE(board.clock(), BoardModel::Clock::Running);
    }

    void aRepeatOfTheLastAcceptedWordIsCaughtToo() {
        TestWorld world;
        world.nextScript = std::deque<double>(300, 0.0); // every letter is "A"
        world.setWords({{"AAA", "test"}, {"AAAA", "test"}});
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        pick(board, {1, 2, 3});
        board.doubleClickTile(3);
        pick(board, {4, 5, 10, 15});
        board.doubleClickTile(15);
        pick(board, {11, 12, 13, 14});
        board.doubleClickTile(14);
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Word already used!")});
        QCOMPARE(board.words(), (QStringList{"AAA", "AAAA"}));
        QCOMPARE(board.selectedWord(), 1);
    }

    void closingAPausedLevelAsksAsARunningOneDoes() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        QVERIFY(board.confirmClose()); // nothing in play yet: no question
        QVERIFY(world.messages.shown.isEmpty());
        openAndPlay(board);
        board.clickPauseLabel();
        QCOMPARE(board.clock(), BoardModel::Clock::Paused);
        world.messages.answers = {Answer::No};
        QVERIFY(!board.confirmClose());
        QCOMPARE(world.messages.texts(), QStringList{BoardModel::kLeaveQuestion});
        QCOMPARE(board.clock(), BoardModel::Clock::Paused);
    }

    void theDictionaryIsAskedBeforeTheLength() {
        TestWorld world;
        world.nextScript = std::deque<double>(10 * 25, 0.5 / 26); // all "A"
        world.setWords({{"AA", "(n.) lava"}});
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        world.cues.played.clear();
        pick(board, {1, 2});
        board.doubleClickTile(2);
        QCOMPARE(world.messages.shown.last().text, QStringLiteral("Sorry! Word is too short."));
        QCOMPARE(world.messages.shown.last().style, style::kExclamationInformation);
        QCOMPARE(world.messages.shown.last().title, QStringLiteral("Word Not Found"));
        QCOMPARE(world.cues.played,
                 (QList<Cue>{Cue::Clicking, Cue::Clicking, Cue::Slide, Cue::WrongWord}));
        pick(board, {7, 8});
        board.doubleClickTile(8);
        // "AA" again: too short again, never recorded.
        QVERIFY(world.database->wrongWords().isEmpty());
        world.setWords({{"CAT", "x"}});
        pick(board, {7, 8});
        board.doubleClickTile(8);
        QCOMPARE(world.messages.shown.last().text,
                 QStringLiteral("Sorry! Word is not in the Dictionary."));
        QVERIFY(world.database->wrongWords().isEmpty()); // two letters: too short to record
        QCOMPARE(board.levelTotal(), 0);
    }

    void rejectedWordsOfTheMinimumLengthAreRecordedEachTime() {
        TestWorld world(QList<DictionaryEntry>{{"ZZZZZ", "(n.) none of these letters"}});
        BoardModel board(Level::Intermediate, world.services, world.session);
        openAndPlay(board);
        const QString word = pick(board, {1, 2, 3, 4});
        board.doubleClickTile(4);
        pick(board, {1, 2, 3, 4});
        board.doubleClickTile(4);
        pick(board, {1, 2, 3});
        board.doubleClickTile(3);
        QCOMPARE(world.database->wrongWords(), (QStringList{word, word}));
        QCOMPARE(board.selectedWord(), -1);
    }

    void aRejectedWordThatCannotBeRecordedIsSaidSoAndStaysFormed() {
        TestWorld world(QList<DictionaryEntry>{{"ZZZZZ", "(n.) none of these letters"}},
                        TestWorld::OnDisk);
        QVERIFY(RawConnection(world.database->path()).run({QStringLiteral("DROP TABLE tblWrong")}));
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        world.cues.played.clear();
        const QString word = pick(board, {1, 2, 3});
        board.doubleClickTile(3);
        QCOMPARE(world.messages.shown.size(), 1);
        QCOMPARE(world.messages.shown[0].text,
                 QStringLiteral("Word not found in the dictionary!!"));
        QCOMPARE(world.messages.shown[0].style, style::kPlain);
        QCOMPARE(world.messages.shown[0].title, kAppTitle);
        QCOMPARE(board.word(), word);
        QVERIFY(board.grid().usedTiles().isEmpty());
        QVERIFY(!world.cues.played.contains(Cue::WrongWord));

        // A database the player was told at start cannot be written: no write is tried, and the
        // word is turned down as any other.
        world.database->refuseWrites();
        board.runCommand(BoardCommand::Clear);
        pick(board, {1, 2, 3});
        board.doubleClickTile(3);
        QCOMPARE(world.messages.shown.last().text,
                 QStringLiteral("Sorry! Word is not in the Dictionary."));
        QVERIFY(world.cues.played.contains(Cue::WrongWord));
        QVERIFY(board.word().isEmpty());
    }

    void aWordWhoseLookupFailsStaysOnTheFieldUnscoredAndUnrecorded() {
        TestWorld world(QList<DictionaryEntry>{{"ZZZZZ", "(n.) none of these letters"}},
                        TestWorld::OnDisk);
        const auto db = impatientDatabase(world);
        QVERIFY(db);
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        const QString word = pick(board, {1, 2, 3});
        world.addWord(word);
        const QList<int> picked = board.grid().usedTiles();
        {
            RawConnection other(db->path()); // another program writing it
            QVERIFY(other.holdFile());
            board.doubleClickTile(3);
            QCOMPARE(world.messages.shown.size(), 1);
            QCOMPARE(world.messages.shown[0].text,
                     QStringLiteral("%1 could not be checked: the dictionary in %2 cannot be read "
                                    "(another program is using it).")
                             .arg(word, QDir::toNativeSeparators(world.services.databasePath)) +
                         kLineBreak +
                         QStringLiteral("The word stays on the field; submit it again to have it "
                                        "checked."));
            QCOMPARE(world.messages.shown[0].style, style::kExclamation);
            QCOMPARE(world.messages.shown[0].title, kAppTitle);
            QCOMPARE(board.word(), word);
            QCOMPARE(board.grid().usedTiles(), picked);
            QCOMPARE(board.levelTotal(), 0);
            QVERIFY(board.words().isEmpty());
            QCOMPARE(board.clock(), BoardModel::Clock::Running);
        }
        QVERIFY(world.database->wrongWords().isEmpty());
        board.doubleClickTile(3); // the same word, once the file is free
        QCOMPARE(board.words(), QStringList{word});
        QCOMPARE(board.levelTotal(), 250);
        QCOMPARE(world.messages.shown.size(), 1);
    }

    void aDictionaryBusyWhenTheBoardOpensIsToldAsBusyNotMissing() {
        TestWorld world(QList<DictionaryEntry>{{"CAT", "x"}}, TestWorld::OnDisk);
        const auto db = impatientDatabase(world);
        QVERIFY(db);
        RawConnection other(db->path()); // another program writing it
        QVERIFY(other.holdFile());
        for (int i = 0; i < 2; ++i) {
            BoardModel board(Level::Easy, world.services, world.session);
            board.load();
            board.activate();
        }
        QCOMPARE(world.messages.shown.size(), 1);
        QVERIFY2(world.messages.shown[0].text.startsWith(
                     QStringLiteral("%1 is busy: another program is using it.")
                         .arg(QDir::toNativeSeparators(world.services.databasePath))),
                 qPrintable(world.messages.shown[0].text));
        QCOMPARE(world.messages.shown[0].title, kAppTitle);
        // A real loss of the dictionary can still be told later in the run.
        QVERIFY(!db->wordListProblemTold());
    }

    void theThreeShufflesCountDownAndThenStop() {
        TestWorld world;
        BoardModel board(Level::Expert, world.services, world.session);
        openAndPlay(board);
        for (int remaining : {2, 1, 0}) {
            QVERIFY(board.commandEnabled(BoardCommand::Shuffle));
            const QString before = lettersOf(board.grid());
            board.clickTile(1);
            board.clickCommand(BoardCommand::Shuffle);
            QCOMPARE(
                world.messages.shown.last().text,
                QStringLiteral("You only have 3 Shuffles per Game!\r\n\r\nShuffles Remaining : %1")
                    .arg(remaining));
            QCOMPARE(world.messages.shown.last().style, style::kInformation);
            QCOMPARE(world.cues.played.last(), Cue::Shuffle);
            QVERIFY(board.word().isEmpty());
            QVERIFY(board.dealRunning());
            finishDealing(board);
            QVERIFY(lettersOf(board.grid()) != before);
        }
        QVERIFY(!board.commandEnabled(BoardCommand::Shuffle));
        board.clickCommand(BoardCommand::Shuffle);
        QCOMPARE(world.messages.shown.size(), 3);
    }

    void playWorksOnceAndActivationLeavesItAlone() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        board.load();
        board.activate();
        QVERIFY(board.commandEnabled(BoardCommand::Play));
        QVERIFY(!board.commandEnabled(BoardCommand::Shuffle));
        board.clickCommand(BoardCommand::Shuffle); // disabled: nothing
        QVERIFY(world.messages.shown.isEmpty());
        board.clickCommand(BoardCommand::Play);
        QCOMPARE(world.cues.played, QList<Cue>{Cue::Play});
        QVERIFY(!board.commandEnabled(BoardCommand::Play));
        QVERIFY(board.commandEnabled(BoardCommand::Shuffle));
        board.activate();
        QVERIFY(!board.commandEnabled(BoardCommand::Shuffle));
        QVERIFY(!board.commandEnabled(BoardCommand::Play));
    }

    void clearOnTheExpertBoardIsSilent() {
        TestWorld world;
        BoardModel board(Level::Expert, world.services, world.session);
        openAndPlay(board);
        pick(board, {1, 2});
        world.cues.played.clear();
        board.runCommand(BoardCommand::Clear);
        QVERIFY(world.cues.played.isEmpty());
        QVERIFY(board.word().isEmpty());
    }

    void aMissingDictionaryIsToldOncePerRun() {
        TestWorld world;
        world.setWords({});
        for (int i = 0; i < 2; ++i) {
            BoardModel board(Level::Easy, world.services, world.session);
            board.load();
            board.activate();
        }
        QCOMPARE(world.messages.shown.size(), 1);
        QVERIFY(world.messages.shown[0].text.contains(QStringLiteral("Dictionary.mdb")));
    }

    // ---------------------------------------------------------------- clock and pause

    void theLevelEndsOutsideTheTickAndTakesNothingMore() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        QSignalSpy ended(&board, &BoardModel::levelEnded);
        for (int s = 1; s <= 300; ++s) {
            board.clockTick();
        }
        // The end messages and the summary wait for the event loop, outside the tick.
        QCOMPARE(ended.size(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(board.clock(), BoardModel::Clock::Ended);
        board.clickPauseLabel();
        board.clickPauseLabel();
        QCOMPARE(board.clockText(), QStringLiteral("00:00"));
        QCOMPARE(ended.size(), 1);
        QVERIFY(!board.clockRunning());
        board.clickTile(1);
        QVERIFY(board.word().isEmpty());
    }

    void everyLevelRunsForItsOwnTime() {
        for (Level level : allLevels()) {
            TestWorld world;
            BoardModel board(level, world.services, world.session);
            openAndPlay(board);
            QSignalSpy ended(&board, &BoardModel::levelEnded);
            const int seconds = board.info().levelSeconds();
            for (int s = 1; s < seconds; ++s) {
                board.clockTick();
            }
            QCoreApplication::processEvents();
            QCOMPARE(ended.size(), 0);
            board.clockTick();
            QCoreApplication::processEvents();
            QCOMPARE(ended.size(), level == Level::Expert ? 0 : 1); // Expert at 0 asks instead
        }
    }

    // ---------------------------------------------------------------- today's field

    // Three minutes on Easy's rules; its end asks nothing, opens no level and hands on the day.
    void todaysFieldRunsThreeMinutesOnEasysRulesAndOpensNothing() {
        TestWorld world;
        BoardModel board(DayField{kDay, world.database->wordTree()}, world.services, world.session);
        openAndPlay(board);
        const QString word = submitAsWord(world, board, path(board.info(), 4));
        QCOMPARE(board.levelTotal(), levelInfo(Level::Easy).pointsFor(4));
        QList<LevelResult> ended;
        connect(&board, &BoardModel::levelEnded, this, [&](const LevelResult& r) { ended << r; });
        for (int s = 1; s < 180; ++s) {
            board.clockTick();
        }
        QCoreApplication::processEvents();
        QVERIFY(ended.isEmpty());
        board.clockTick();
        QCoreApplication::processEvents();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.constFirst().day, kDay);
        QCOMPARE(ended.constFirst().words, QStringList{word});
        QVERIFY(world.messages.shown.isEmpty());
        QVERIFY(!world.session.levelOpen(Level::Intermediate));
    }

    // A click or a key during the deal ends it on the day's letters and picks there.
    void aClickOrAKeyDuringTodaysDealLeavesTheDaysLetters() {
        TestWorld world;
        const DayField day{kDay, world.database->wordTree()};
        BoardModel whole(day, world.services, world.session);
        openAndPlay(whole);
        const QString letters = lettersOf(whole.grid());
        for (const bool key : {false, true}) {
            world.seed = key ? 3 : 2; // other quick fills
            BoardModel board(day, world.services, world.session);
            board.load();
            board.clickCommand(BoardCommand::Play);
            board.dealTick();
            QSignalSpy repainted(&board, &BoardModel::fieldChanged);
            key ? board.typeLetter(letters.at(12)) : board.clickTile(13);
            QCOMPARE(lettersOf(board.grid()), letters);
            QCOMPARE(repainted.size(), 1);
            QCOMPARE(board.word(), letters.mid(12, 1));
        }
    }

    void thePauseLabelDoesNothingBeforePlay() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        board.load();
        board.activate();
        board.clickPauseLabel();
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        QVERIFY(!board.clockRunning());
        board.clockTick();
        QCOMPARE(board.clockText(), QStringLiteral("00:00"));
        board.clickCommand(BoardCommand::Play);
        QVERIFY(board.clockRunning());
        QVERIFY(board.tilesVisible());
    }

    void pausingHidesTheTilesAndLosesNoTime() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        board.clockTick();
        board.clickPauseLabel();
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Resume"));
        QVERIFY(!board.tilesVisible());
        QVERIFY(!board.clockRunning());
        for (int i = 0; i < 5; ++i) {
            board.clockTick(); // a late tick while paused changes nothing
        }
        QCOMPARE(board.clockText(), QStringLiteral("04:59"));
        board.clickPauseLabel();
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Pause"));
        QVERIFY(board.tilesVisible());
        board.clockTick();
        QCOMPARE(board.clockText(), QStringLiteral("04:58"));
    }

    void aMessageOpenedWhilePausedLeavesTheBoardPaused() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        board.clickPauseLabel();
        world.messages.onShow = [&](const ShownMessage&) {
            QVERIFY(!board.clockRunning()); // the clock stays stopped while the box is open
        };
        board.clickCommand(BoardCommand::Shuffle);
        QCOMPARE(world.messages.shown.size(), 1);
        QCOMPARE(board.clock(), BoardModel::Clock::Paused);
        QCOMPARE(board.pauseLabelText(), QStringLiteral("Resume"));
        QVERIFY(!board.tilesVisible());
    }

    void theBannerSlidesDownAndNeverStartsTheClock() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        submitAsWord(world, board, {1, 2, 3});
        QVERIFY(board.slideRunning());
        board.clickPauseLabel();
        int ticks = 0;
        while (board.slideRunning() && ticks < 20) {
            board.slideTick();
            ++ticks;
        }
        QCOMPARE(ticks, 9);
        QVERIFY(!board.bannerVisible());
        QCOMPARE(board.clock(), BoardModel::Clock::Paused);
        QVERIFY(!board.clockRunning());
    }

    // Put back, it stays hidden while the slide runs on unseen.
    void aTileClickPutsTheBannerBackOnTop() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        submitAsWord(world, board, {1, 2, 3});
        board.slideTick();
        board.slideTick();
        board.clickTile(10);
        QVERIFY(!board.bannerVisible());
        QCOMPARE(board.bannerTop(), BoardModel::kBannerStartTop);
        board.slideTick();
        QVERIFY(!board.bannerVisible());
    }

    void theNextWordSlidesFromTheTopAfterAFinishedSlide() {
        TestWorld world;
        BoardModel board(Level::Easy, world.services, world.session);
        openAndPlay(board);
        submitAsWord(world, board, {1, 2, 3});
        while (board.slideRunning()) {
            board.slideTick();
        }
        const QString second = submitAsWord(world, board, {21, 22, 23});
        QCOMPARE(board.words().size(), 2);
        QVERIFY(board.bannerVisible());
        QCOMPARE(board.bannerText(), second);
        QCOMPARE(board.bannerTop(), BoardModel::kBannerStartTop);
    }
};

QTEST_GUILESS_MAIN(TestBoardModel)
#include "TestBoardModel.moc"
