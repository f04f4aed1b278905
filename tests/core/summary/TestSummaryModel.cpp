#include "Deals.h"
#include "Fields.h"
#include "RawConnection.h"
#include "TestWorld.h"
#include "core/board/BoardModel.h"
#include "core/data/DataLocation.h"
#include "core/summary/SummaryModel.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>

#include <chrono>
#include <future>
#include <thread>

using namespace vortalex;
using test::finishDealing;
using test::TestWorld;

namespace {

LevelResult result(Level level, int total, bool passed, QStringList words = {}) {
    return {level, total, QStringLiteral("00:00"), std::move(words), passed};
}

ScreenOutcome finishedWith(const QSignalSpy& spy) {
    return spy.isEmpty() ? ScreenOutcome{} : spy.last().at(0).value<ScreenOutcome>();
}

// Builds `count` accepted words of the level's minimum length along the first row, adding each
// to the dictionary first, so the total grows by the base points per word.
void earn(BoardModel& board, TestWorld& world, int count) {
    const int length = board.info().minWordLength;
    for (int accepted = 0; accepted < count;) {
        QString word;
        for (int t = 1; t <= length; ++t) {
            board.clickTile(t);
        }
        word = board.word();
        if (test::isWord(*world.database, word) || board.words().contains(word)) {
            board.rightReleaseTile(1); // a repeat would be refused: let the deal change
            board.runCommand(BoardCommand::Shuffle);
            finishDealing(board);
            continue;
        }
        world.addWord(word);
        board.doubleClickTile(length);
        ++accepted;
    }
}

} // namespace

// The end of a level on the board and the summary that follows, without widgets.
class TestSummaryModel : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ end of the level

    void theEndOfALevelSaysItsResultAndOpensTheNextLevel_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<Cue>>("cues");
        const QString congrats = QStringLiteral("CONGRATULATIONS!!\r\n you are qualified to play "
                                                "for the next level");
        QTest::newRow("easy at target") << 0 << 20 << true << congrats << QList<Cue>{Cue::Level};
        QTest::newRow("easy below")
            << 0 << 19 << false << QStringLiteral("GAME OVER!") << QList<Cue>{Cue::OhNo};
        QTest::newRow("intermediate at target")
            << 1 << 24 << true << congrats << QList<Cue>{Cue::Level};
        QTest::newRow("difficult below")
            << 2 << 25 << false << QStringLiteral("GAME OVER!") << QList<Cue>{Cue::OhNo};
        QTest::newRow("difficult at target")
            << 2 << 26 << true << congrats << QList<Cue>{Cue::Level};
        QTest::newRow("expert any score")
            << 3 << 1 << true << QStringLiteral("CONGRATULATIONS YOUR AN EXPERT PLAYER!!")
            << QList<Cue>{Cue::Winner};
    }
    void theEndOfALevelSaysItsResultAndOpensTheNextLevel() {
        QFETCH(int, level);
        QFETCH(int, words);
        QFETCH(bool, passed);
        QFETCH(QString, text);
        QFETCH(QList<Cue>, cues);
        TestWorld world;
        BoardModel board(static_cast<Level>(level), world.services, world.session);
        board.load();
        board.runCommand(BoardCommand::Play);
        finishDealing(board);
        earn(board, world, words);
        const int total = board.levelTotal();
        QCOMPARE(total, words * board.info().basePoints);
        world.messages.shown.clear();
        world.cues.played.clear();
        QSignalSpy ended(&board, &BoardModel::levelEnded);
        for (int s = 0; s < board.info().levelSeconds(); ++s) {
            board.clockTick();
        }
        QVERIFY(world.messages.shown.isEmpty()); // never from inside the tick
        QCoreApplication::processEvents();
        QCOMPARE(world.cues.played, cues);
        QCOMPARE(world.messages.texts(), QStringList{text});
        QCOMPARE(world.messages.shown.at(0).style, style::kPlain);
        QCOMPARE(ended.size(), 1);
        const auto handed = ended.at(0).at(0).value<LevelResult>();
        QCOMPARE(handed.passed, passed);
        QCOMPARE(handed.total, total);
        QCOMPARE(handed.timeText, QStringLiteral("00:00"));
        QCOMPARE(handed.words, board.words());
        const std::optional<Level> next = board.info().next();
        if (next) {
            QCOMPARE(world.session.levelOpen(*next), passed);
        }
        // No second end, whatever the timers still do.
        board.clockTick();
        board.slideTick();
        QCoreApplication::processEvents();
        QCOMPARE(ended.size(), 1);
    }

    void aLevelPassesFromItsTargetOnAndExpertWithAnythingButZero() {
        for (const Level level : {Level::Easy, Level::Intermediate, Level::Difficult}) {
            const int target = levelInfo(level).passTarget;
            QVERIFY(!levelInfo(level).passed(target - 1));
            QVERIFY(levelInfo(level).passed(target));
        }
        QVERIFY(!levelInfo(Level::Expert).passed(0));
        QVERIFY(levelInfo(Level::Expert).passed(1));
    }

    void aFailedExpertLevelAsksToTryAgainWithoutASummary() {
        for (const Answer answer : {Answer::Yes, Answer::No}) {
            TestWorld world;
            world.messages.answers = {answer};
            BoardModel board(Level::Expert, world.services, world.session);
            board.load();
            board.runCommand(BoardCommand::Play);
            QSignalSpy ended(&board, &BoardModel::levelEnded);
            QSignalSpy closed(&board, &BoardModel::closeRequested);
            for (int s = 0; s < board.info().levelSeconds(); ++s) {
                board.clockTick();
            }
            QCoreApplication::processEvents();
            QCOMPARE(world.messages.texts(),
                     QStringList{QStringLiteral("Game Over!!!!!\r\nDo you want to try again!")});
            QCOMPARE(world.messages.shown.at(0).style, style::kYesNo);
            QVERIFY(world.cues.played.isEmpty() || world.cues.played.last() == Cue::Play);
            QCOMPARE(ended.size(), 0);
            QCOMPARE(finishedWith(closed), answer == Answer::Yes
                                               ? ScreenOutcome::board(Level::Expert)
                                               : ScreenOutcome::menu());
        }
    }

    // ------------------------------------------------------------ opening state and buttons

    void theSummaryOpensInTheStateItsLevelAndOutcomeCallFor() {
        using L = SummaryModel::Layers;
        // review, try again, go on, save, next shown, next enabled
        QCOMPARE(SummaryModel::openingLayers(Level::Easy, true),
                 (L{false, false, false, true, false, true}));
        QCOMPARE(SummaryModel::openingLayers(Level::Easy, false),
                 (L{true, true, false, false, false, false}));
        QCOMPARE(SummaryModel::openingLayers(Level::Intermediate, true),
                 (L{false, false, true, true, false, true}));
        QCOMPARE(SummaryModel::openingLayers(Level::Intermediate, false),
                 (L{true, true, false, false, false, false}));
        QCOMPARE(SummaryModel::openingLayers(Level::Difficult, true),
                 (L{false, false, true, true, true, true}));
        QCOMPARE(SummaryModel::openingLayers(Level::Difficult, false),
                 (L{true, true, false, true, true, true}));
        QCOMPARE(SummaryModel::openingLayers(Level::Expert, true),
                 (L{false, false, false, true, false, true}));
    }

    // A failed level opens on the review panel, without the score area: the panel says the
    // score against the level's target, and how much of the fields was found.
    void theReviewPanelsLineSaysTheScoreTheTargetAndTheFoundShare_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("score");
        QTest::newRow("easy") << 0 << 1250 << QStringLiteral("Your score: 1250. Needed: 5000.");
        QTest::newRow("intermediate") << 1 << 0 << QStringLiteral("Your score: 0. Needed: 7000.");
        QTest::newRow("difficult")
            << 2 << 7800 << QStringLiteral("Your score: 7800. Needed: 9000.");
        // Expert passes with anything but 0: no number is its target.
        QTest::newRow("expert") << 3 << 0 << QStringLiteral("Your score: 0. Needed: more than 0.");
    }
    void theReviewPanelsLineSaysTheScoreTheTargetAndTheFoundShare() {
        QFETCH(int, level);
        QFETCH(int, total);
        QFETCH(QString, score);
        TestWorld world;
        LevelResult failed = result(static_cast<Level>(level), total, false, {"CAT"});
        failed.fields = {test::fieldOf(5, QStringLiteral("CATZZZZZZZZZZZZZZZZZZZZZZ"))};
        SummaryModel summary(failed, world.services, world.session);
        QCOMPARE(summary.scoreText(), score);
        QVERIFY(summary.foundText().startsWith(QStringLiteral("You found 1 of the 1 words")));
        QCOMPARE(summary.reviewResultText(), score + QLatin1Char('\n') + summary.foundText());
    }

    void doneAndNextEmptyTheRejectedWordsButGoingOnDoesNot() {
        TestWorld world;
        world.database->addWrongWord(QStringLiteral("XQZT"));
        SummaryModel summary(result(Level::Difficult, 9500, true), world.services, world.session);
        summary.activate();
        QSignalSpy finished(&summary, &SummaryModel::finished);
        summary.goOnExit();
        QCOMPARE(finishedWith(finished), ScreenOutcome::board(Level::Expert));
        QCOMPARE(world.database->wrongWords(), QStringList{QStringLiteral("XQZT")});
        summary.done();
        QVERIFY(world.database->wrongWords().isEmpty());
        QVERIFY(summary.layers().reviewShown && summary.layers().goOnShown);
        QVERIFY(!summary.layers().tryAgainShown);
        // The grid keeps what it showed, so the words can still be looked up.
        QCOMPARE(summary.wrongWords(), QStringList{QStringLiteral("XQZT")});
        world.database->addWrongWord(QStringLiteral("QQQ"));
        summary.next();
        QVERIFY(world.database->wrongWords().isEmpty());
        QCOMPARE(finishedWith(finished), ScreenOutcome::board(Level::Expert));
    }

    // "&Done" lies in the score area: a failed level, whose review panel covers it, is left
    // only through the try-again question.
    void doneIsRefusedWhileTheReviewPanelCoversTheScoreArea() {
        TestWorld world;
        world.database->addWrongWord(QStringLiteral("XQZT"));
        for (const Level level : {Level::Easy, Level::Intermediate, Level::Difficult}) {
            SummaryModel summary(result(level, 10, false), world.services, world.session);
            const SummaryModel::Layers before = summary.layers();
            summary.done();
            QVERIFY(summary.layers() == before);
            QCOMPARE(world.database->wrongWords(), QStringList{QStringLiteral("XQZT")});
        }
    }

    void goingOnLeadsToTheNextLevelOrFromExpertToTheMenu() {
        TestWorld world;
        for (const Level level : allLevels()) {
            SummaryModel summary(result(level, 9999, true), world.services, world.session);
            QSignalSpy finished(&summary, &SummaryModel::finished);
            summary.goOnExit();
            const std::optional<Level> next = levelInfo(level).next();
            QCOMPARE(finishedWith(finished),
                     next ? ScreenOutcome::board(*next) : ScreenOutcome::menu());
        }
    }

    void tryingAgainAsksWithTheLevelsOwnWordsAndNoClosesEveryLevel() {
        TestWorld world;
        for (const Level level : allLevels()) {
            world.session.setLevelOpen(level, true);
        }
        world.messages.answers = {Answer::Yes, Answer::No};
        SummaryModel summary(result(Level::Intermediate, 10, false), world.services, world.session);
        QSignalSpy finished(&summary, &SummaryModel::finished);
        summary.tryAgainExit();
        QCOMPARE(finishedWith(finished), ScreenOutcome::board(Level::Intermediate));
        QVERIFY(world.session.levelOpen(Level::Expert));
        summary.tryAgainExit();
        QCOMPARE(finishedWith(finished), ScreenOutcome::menu());
        for (const Level level : allLevels()) {
            QVERIFY(!world.session.levelOpen(level));
        }
        QCOMPARE(world.messages.shown.at(0).text, QStringLiteral("Doo You want to try again??"));
        QCOMPARE(world.messages.shown.at(0).style, style::kYesNo);

        SummaryModel easy(result(Level::Easy, 10, false), world.services, world.session);
        easy.tryAgainExit();
        QCOMPARE(world.messages.shown.last().title, QStringLiteral("Quillaro"));
        QCOMPARE(world.messages.shown.last().text, QStringLiteral("Do You want to try again??"));
    }

    // ------------------------------------------------------------ saving

    void anEmptyNameIsRefusedAndLeavesTheGridAlone() {
        TestWorld world;
        SummaryModel summary(result(Level::Easy, 5200, true), world.services, world.session);
        QSignalSpy grid(&summary, &SummaryModel::scoresChanged);
        summary.save(QString(), QStringLiteral("pw"));
        QCOMPARE(world.messages.texts(), QStringList{SummaryModel::kEnterName});
        QCOMPARE(world.messages.shown.at(0).style, style::kExclamation);
        QCOMPARE(grid.size(), 0);
        QVERIFY(world.database->findScore(Level::Easy, QString()).isNotFound());
    }

    void anEasySaveRecordsTheScoreThePlayerAndTheTotal_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Ann");
        QTest::newRow("quotes and wildcards") << QStringLiteral("O'Brien \"%*_\"");
        QTest::newRow("non-ascii") << QStringLiteral("Émile Øster");
        QTest::newRow("blanks") << QStringLiteral("   ");
    }
    void anEasySaveRecordsTheScoreThePlayerAndTheTotal() {
        QFETCH(QString, name);
        TestWorld world;
        world.database->appendScore(Level::Easy, {QStringLiteral("Zed"), 100, "00:00"});
        SummaryModel summary(result(Level::Easy, 5200, true), world.services, world.session);
        summary.save(name, QStringLiteral("Secret"));
        QCOMPARE(world.messages.texts(), QStringList{SummaryModel::kSaved});
        QCOMPARE(world.messages.shown.at(0).style, style::kInformation);
        QVERIFY(summary.layers().saveEnabled); // Easy keeps the button
        QCOMPARE(world.database->findScore(Level::Easy, name)->score, 5200);
        QCOMPARE(world.database->findScore(Level::Easy, name)->time, QStringLiteral("00:00"));
        // LOAD finds the player with the password saved here, in any letter case.
        const auto player = test::findPlayer(*world.database, name, QStringLiteral("SECRET"));
        QVERIFY(player);
        QVERIFY(player->levelOpen[0] && player->levelOpen[1] && !player->levelOpen[2]);
        QCOMPARE(world.database->findTotal(name), Lookup<qint64>::found(5200));
        QCOMPARE(summary.scores()->rowCount(), 2); // the grid shows the new row after Zed's

        // Again: the overwrite question; Yes changes only the score row.
        world.messages.answers = {Answer::Yes};
        SummaryModel again(result(Level::Easy, 6100, true), world.services, world.session);
        again.save(name, QStringLiteral("other"));
        QCOMPARE(world.messages.shown.at(1).text, SummaryModel::kOverwrite);
        QCOMPARE(world.messages.shown.at(1).style, style::kYesNoQuestion);
        QCOMPARE(world.database->findScore(Level::Easy, name)->score, 6100);
        QCOMPARE(world.database->findTotal(name), Lookup<qint64>::found(5200));
        QVERIFY(!test::findPlayer(*world.database, name, QStringLiteral("other")));
    }

    void answeringNoWritesAndShowsNothingButRefreshesTheGrid() {
        TestWorld world;
        world.database->appendScore(Level::Easy, {QStringLiteral("Ann"), 100, "00:00"});
        world.messages.answers = {Answer::No};
        SummaryModel summary(result(Level::Easy, 5200, true), world.services, world.session);
        QSignalSpy grid(&summary, &SummaryModel::scoresChanged);
        summary.save(QStringLiteral("ANN"), QString()); // finds Ann in any letter case
        QCOMPARE(world.messages.texts(), QStringList{SummaryModel::kOverwrite});
        QCOMPARE(world.database->findScore(Level::Easy, QStringLiteral("Ann"))->score, 100);
        QCOMPARE(grid.size(), 1);
    }

    void laterSavesAddToTheTotalAndCreateWhatIsMissing() {
        TestWorld world;
        test::appendPlayer(*world.database, QStringLiteral("Ann"), QStringLiteral("pw"),
                           {true, true, false, false});
        world.database->appendTotal(QStringLiteral("Ann"), 5200);
        SummaryModel summary(result(Level::Intermediate, 7350, true), world.services,
                             world.session);
        summary.save(QStringLiteral("ann"), QString());
        QCOMPARE(world.database->findTotal(QStringLiteral("Ann")), Lookup<qint64>::found(12550));
        QVERIFY(!summary.layers().saveEnabled);
        auto player = world.database->findPlayerByName(QStringLiteral("Ann"));
        QCOMPARE(player->name, QStringLiteral("ann")); // written as typed
        QVERIFY(player->levelOpen[2] && !player->levelOpen[3]);
        // An overwrite on that screen adds the new score again.
        world.messages.answers = {Answer::Yes};
        SummaryModel again(result(Level::Intermediate, 100, true), world.services, world.session);
        again.save(QStringLiteral("Ann"), QString());
        QCOMPARE(world.database->findTotal(QStringLiteral("Ann")), Lookup<qint64>::found(12650));

        // A player signed in by START has no rows yet: the Difficult save makes them.
        SummaryModel difficult(result(Level::Difficult, 9000, true), world.services, world.session);
        difficult.save(QStringLiteral("Bea"), QString());
        QCOMPARE(world.database->findTotal(QStringLiteral("Bea")), Lookup<qint64>::found(9000));
        const auto bea = test::findPlayer(*world.database, QStringLiteral("Bea"), QString());
        QVERIFY(bea);
        QVERIFY(bea->levelOpen[3]);
    }

    void savesFindThePlayerTypedInAnotherCaseOfAnyScript() {
        TestWorld world;
        SummaryModel easy(result(Level::Easy, 5200, true), world.services, world.session);
        easy.save(QStringLiteral("Ørjan Ølberg"), QStringLiteral("pw"));
        world.messages.answers = {Answer::Yes};
        SummaryModel overwrite(result(Level::Easy, 6000, true), world.services, world.session);
        overwrite.save(QStringLiteral("øRJAN øLBERG"), QString());
        QCOMPARE(world.messages.texts().at(1), SummaryModel::kOverwrite);
        QCOMPARE(test::rankRows(world.database->levelScoresCursor(Level::Easy)),
                 (QList<RankRow>{{QStringLiteral("Ørjan Ølberg"), 6000}}));
        SummaryModel intermediate(result(Level::Intermediate, 7000, true), world.services,
                                  world.session);
        intermediate.save(QStringLiteral("ØRJAN ØLBERG"), QString());
        QCOMPARE(test::rankRows(world.database->overallRankingCursor()),
                 (QList<RankRow>{{QStringLiteral("ØRJAN ØLBERG"), 12200}}));
        QVERIFY(
            test::findPlayer(*world.database, QStringLiteral("ørjan ølberg"), QStringLiteral("PW"))
                ->levelOpen[2]);
    }

    void anOldTotalStoredAsTextIsReadByItsLeadingNumber() {
        QCOMPARE(leadingNumber(QStringLiteral(" 5200.0")), 5200.0);
        QCOMPARE(leadingNumber(QStringLiteral("-12abc")), -12.0);
        QCOMPARE(leadingNumber(QStringLiteral("1 2")), 12.0);
        QCOMPARE(leadingNumber(QStringLiteral("abc")), 0.0);
        QCOMPARE(leadingNumber(QString()), 0.0);
    }

    void anExpertSaveTouchesOnlyItsTable() {
        TestWorld world;
        SummaryModel summary(result(Level::Expert, 400, true), world.services, world.session);
        summary.save(QStringLiteral("Ann"), QString());
        QCOMPARE(world.database->findScore(Level::Expert, QStringLiteral("Ann"))->score, 400);
        QVERIFY(world.database->findPlayerByName(QStringLiteral("Ann")).isNotFound());
        QVERIFY(world.database->findTotal(QStringLiteral("Ann")).isNotFound());
    }

    void aSaveThatFailsHalfWayWritesNothingAndSaysSo() {
        TestWorld world({{"CAT", "(n.) feline"}}, TestWorld::OnDisk);
        QVERIFY(
            test::RawConnection(world.database->path()).run({QStringLiteral("DROP TABLE total")}));
        SummaryModel summary(result(Level::Easy, 5200, true), world.services, world.session);
        summary.save(QStringLiteral("Ann"), QString());
        QCOMPARE(world.messages.shown.size(), 1);
        QCOMPARE(world.messages.shown.at(0).style, style::kCritical);
        QVERIFY(world.database->findScore(Level::Easy, QStringLiteral("Ann")).isNotFound());
        QVERIFY(world.database->findPlayerByName(QStringLiteral("Ann")).isNotFound());
    }

    // Another copy of the game holds the write lock with Ann's score not yet committed: the
    // save's lookup finds no row, its write waits for the lock, and by then the row is there.
    // The write looks again under its lock and asks the overwrite question, never adding a
    // second row for the name.
    void aRowSavedElsewhereBetweenTheLookupAndTheWriteLeadsToTheOverwriteQuestion() {
        TestWorld world({{"CAT", "(n.) feline"}}, TestWorld::OnDisk);
        std::promise<bool> holding;
        std::thread other([&holding, path = world.database->path()] {
            test::RawConnection copy(path);
            holding.set_value(copy.run(
                {QStringLiteral("BEGIN IMMEDIATE"),
                 QStringLiteral("INSERT INTO tblEasyScores (fldUsername, fldScore, fldTime, "
                                "fldNameKey) VALUES ('Ann', 100, '00:00', 'ann')")}));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            copy.run({QStringLiteral("COMMIT")});
        });
        const bool held = holding.get_future().get();
        world.messages.answers = {Answer::Yes};
        SummaryModel summary(result(Level::Easy, 5200, true), world.services, world.session);
        summary.save(QStringLiteral("Ann"), QString());
        other.join();
        QVERIFY(held);
        QCOMPARE(world.messages.texts(),
                 (QStringList{SummaryModel::kOverwrite, SummaryModel::kSaved}));
        test::RawConnection file(world.database->path());
        QCOMPARE(file.count(QStringLiteral("tblEasyScores")), 1);
        QCOMPARE(world.database->findScore(Level::Easy, QStringLiteral("Ann"))->score, 5200);
        QCOMPARE(file.count(QStringLiteral("tblUsers")), 0);
        QCOMPARE(file.count(QStringLiteral("total")), 0);
    }

    // The file held whole by another program: the lookup cannot answer, so nothing is asked
    // or written and the player is told the file is busy.
    void aSaveWhoseLookupCannotReadTheFileAsksNothingAndWritesNothing() {
        TestWorld world({{"CAT", "(n.) feline"}}, TestWorld::OnDisk);
        world.database->appendScore(Level::Easy, {QStringLiteral("Ann"), 100, "00:00"});
        world.database->setBusyTimeout(20);
        {
            test::RawConnection other(world.database->path());
            QVERIFY(other.holdFile());
            SummaryModel summary(result(Level::Easy, 5200, true), world.services, world.session);
            summary.save(QStringLiteral("Ann"), QString());
        }
        QCOMPARE(world.messages.texts(),
                 QStringList{QStringLiteral("The score could not be saved; nothing was written.") +
                             kLineBreak + busyLine(world.database->path())});
        QCOMPARE(world.messages.shown.at(0).style, style::kCritical);
        QCOMPARE(world.database->findScore(Level::Easy, QStringLiteral("Ann"))->score, 100);
    }

    void aSaveKilledHalfWayLeavesOnlyWholeSaves() {
        TestWorld world({{"CAT", "(n.) feline"}}, TestWorld::OnDisk);
        GameDatabase& db = *world.database;
        QVERIFY(
            test::appendPlayer(db, QStringLiteral("Ann"), QString(), {true, true, false, false}));
        QVERIFY(db.appendTotal(QStringLiteral("Ann"), 0));
        QVERIFY(db.appendScore(Level::Intermediate, {QStringLiteral("Ann"), 0, "00:00"}));
        // Save n writes score n and adds n to the total, so after whole saves only the total
        // is 1 + 2 + ... + n; a save cut between its writes would break that.
        for (const int delayMs : {40, 130, 250}) {
            QProcess child;
            child.start(QStringLiteral(VORTALEX_SAVE_CHILD), {db.path()});
            QVERIFY(child.waitForReadyRead(10000));
            QTest::qSleep(delayMs);
            child.kill(); // SIGKILL: no clean-up of any kind
            QVERIFY(child.waitForFinished(5000));
            const qint64 last = db.findScore(Level::Intermediate, QStringLiteral("Ann"))->score;
            QVERIFY(last >= 1);
            QCOMPARE(*db.findTotal(QStringLiteral("Ann")), last * (last + 1) / 2);
            QCOMPARE(test::valuesOf(test::RawConnection(db.path()).query("PRAGMA integrity_check")),
                     QStringList{"ok"});
            // The next child starts counting at 1 again.
            QVERIFY(db.updateTotal(QStringLiteral("Ann"), 0));
            QVERIFY(db.updateScore(Level::Intermediate, QStringLiteral("Ann"), 0, "00:00"));
        }
    }

    // Two connections saving at the same moment, as two copies of the game would: every save
    // either lands whole and says so, or says it failed and leaves nothing; a total never
    // holds a save that was reported failed, nor misses one reported saved.
    void savesOnTwoConnectionsAtOnceLandOrSayTheyFailed() {
        TestWorld world({{"CAT", "(n.) feline"}}, TestWorld::OnDisk);
        const QString path = world.database->path();
        constexpr int kSaves = 12;
        const auto saveMany = [&path](const QString& name, qint64* savedSum, int* told) {
            auto opened = GameDatabase::open(path);
            if (!opened.db) {
                return;
            }
            opened.db->setPasswordPolicy(password::fastPolicy());
            test::ServicesOver game(*opened.db);
            for (int score = 1; score <= kSaves; ++score) {
                SummaryModel summary(result(Level::Intermediate, score, true), game.services,
                                     game.session);
                summary.save(name, QString());
                const QString said = game.messages.shown.last().text;
                if (said == SummaryModel::kSaved) {
                    *savedSum += score;
                    ++*told;
                } else if (said.startsWith(QStringLiteral("The score could not be saved"))) {
                    ++*told;
                }
            }
        };
        qint64 annSaved = 0;
        qint64 bobSaved = 0;
        int annTold = 0;
        int bobTold = 0;
        std::thread ann(saveMany, QStringLiteral("Ann"), &annSaved, &annTold);
        std::thread bob(saveMany, QStringLiteral("Bob"), &bobSaved, &bobTold);
        ann.join();
        bob.join();
        QCOMPARE(annTold, kSaves);
        QCOMPARE(bobTold, kSaves);
        GameDatabase& db = *world.database;
        QCOMPARE(*db.findTotal(QStringLiteral("Ann")), annSaved);
        QCOMPARE(*db.findTotal(QStringLiteral("Bob")), bobSaved);
        // Here the file is only ever busy for a moment, so every save waits its turn and lands.
        QCOMPARE(annSaved + bobSaved, 2 * (kSaves * (kSaves + 1) / 2));
        QVERIFY(db.findPlayerByName(QStringLiteral("Ann")).isFound());
        QVERIFY(db.findPlayerByName(QStringLiteral("Bob")).isFound());
    }

    // ------------------------------------------------------------ review

    void suggestionsListEveryWordWithTheFirstThreeLettersOfTheRow() {
        // XQAB shares only two letters with the first row's word, so it is no suggestion for it.
        TestWorld world({{"XQZA", "a"},
                         {"xqzb", "b"},
                         {"XQAB", "f"},
                         {"CAT", "c"},
                         {"CATS", "d"},
                         {"CA%", "e"}});
        world.database->addWrongWord(QStringLiteral("xqzt"));
        world.database->addWrongWord(QString());
        world.database->addWrongWord(QStringLiteral("ca"));
        SummaryModel summary(result(Level::Easy, 0, false), world.services, world.session);
        summary.activate();
        // Every suggestion, read in a bounded number of batches: a query that never ends fails
        // the test instead of hanging it.
        const auto shown = [&summary] {
            QStringList words;
            QSqlQueryModel* m = summary.suggestions();
            for (int batch = 0; batch < 20 && m->canFetchMore(); ++batch) {
                m->fetchMore();
            }
            for (int r = 0; r < m->rowCount(); ++r) {
                words.append(m->data(m->index(r, 0)).toString());
            }
            if (m->canFetchMore()) {
                words.append(QStringLiteral("(more rows than the dictionary holds)"));
            }
            return words;
        };
        summary.suggestFor(0); // the header row does nothing
        QVERIFY(shown().isEmpty());
        summary.suggestFor(1);
        QCOMPARE(shown(), (QStringList{"XQZA", "xqzb"}));
        summary.suggestFor(2); // an empty cell lists the whole dictionary
        QCOMPARE(shown().size(), 6);
        summary.suggestFor(3);
        QCOMPARE(shown(), (QStringList{"CAT", "CATS", "CA%"}));
        summary.activate(); // activation empties the suggestions
        QVERIFY(shown().isEmpty());
    }

    void meaningsShowEachInStoredOrderAndANewWordReplacesThem() {
        TestWorld world({{"CAT", "(n.) one"}, {"CAT", "(n.) two"}, {"CAT", ""}, {"DOG", "(n.) d"}});
        SummaryModel summary(result(Level::Easy, 0, false), world.services, world.session);
        QCOMPARE(summary.meaningsText(), SummaryModel::kMeaningsHint);
        const QString rule = QStringLiteral("------------------------");
        summary.showMeanings(QStringLiteral("CAT"));
        QCOMPARE(summary.meaningsText(), QStringLiteral(" ### (n.) one\r\n") + rule +
                                             QStringLiteral("\r\n ### (n.) two\r\n") + rule +
                                             QStringLiteral("\r\n ### \r\n") + rule +
                                             QStringLiteral("\r\n"));
        summary.showMeanings(QStringLiteral("DOG"));
        QCOMPARE(summary.meaningsText(), QStringLiteral(" ### (n.) d\r\n") + rule + "\r\n");
        summary.showMeanings(QStringLiteral("ZZZZ")); // no row: an empty box, no error
        QCOMPARE(summary.meaningsText(), QString());
        QVERIFY(world.messages.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSummaryModel)
#include "TestSummaryModel.moc"
