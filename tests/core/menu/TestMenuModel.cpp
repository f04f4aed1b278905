#include "MenuCommands.h"
#include "TestDoubles.h"
#include "core/common/MuteSwitch.h"
#include "core/common/SessionState.h"
#include "core/data/GameDatabase.h"
#include "core/menu/MenuModel.h"
#include "core/sound/Cues.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

namespace {

QList<int> litTiles(const MenuModel& model) {
    QList<int> lit;
    for (int i = 1; i <= 25; ++i) {
        if (model.lit(i)) {
            lit.append(i);
        }
    }
    return lit;
}

} // namespace

class TestMenuModel : public QObject {
    Q_OBJECT

    test::ScriptedMessages m_messages;
    test::RecordingCues m_cues;
    std::unique_ptr<GameDatabase> m_none = GameDatabase::absent(QStringLiteral("no file"));
    Services m_services{*m_none};
    std::unique_ptr<SessionState> m_session;
    std::unique_ptr<test::RecordingMenuActions> m_actions;
    std::unique_ptr<MenuModel> m_model;

    void spell(const QList<int>& tiles) {
        for (int t : tiles) {
            m_model->clickTile(t);
        }
    }

private slots:
    void init() {
        m_messages = test::ScriptedMessages();
        m_cues.played.clear();
        m_services = Services(*m_none);
        m_services.messages = &m_messages;
        m_services.cues = &m_cues;
        m_session = std::make_unique<SessionState>();
        m_actions = std::make_unique<test::RecordingMenuActions>();
        m_model = std::make_unique<MenuModel>(*m_session, m_services, *m_actions);
        m_model->load();
        m_model->activate();
    }

    void fieldHoldsTheFixedLetters() {
        QString letters;
        for (int i = 1; i <= 25; ++i) {
            letters += MenuModel::letterAt(i);
        }
        QCOMPARE(letters, QStringLiteral("QWDYUNAHQIOSETZCLTBRXSPAT"));
    }

    void loadSignsNobodyInAndEmptiesTheRejectedWords() {
        QTemporaryDir dir;
        auto opened = GameDatabase::open(GameDatabase::pathIn(dir.path()));
        QVERIFY2(opened.db, qPrintable(opened.error));
        QVERIFY(opened.db->addWrongWord(QStringLiteral("XYZ")));
        m_services.setDatabase(*opened.db);
        m_session->setPlayerName(QStringLiteral("Ann"));
        m_session->setStartChosen(true);

        MenuModel model(*m_session, m_services, *m_actions);
        model.load();
        QVERIFY(opened.db->wrongWords().isEmpty());
        QCOMPARE(m_session->playerName(), QString());
        QVERIFY(!m_session->startChosenRecord());
        QVERIFY(!m_session->startChosen());
        m_services.setDatabase(*m_none);
    }

    void demoSpellsTheFiveCommandsOverTwoFullCycles() {
        QVERIFY(m_session->demoRunning());
        const QStringList expectedWords{"START", "LOAD", "STAT", "HELP", "QUIT"};
        const QList<QList<int>> expectedTiles{test::kStartTiles, test::kLoadTiles, test::kStatTiles,
                                              test::kHelpTiles, test::kQuitTiles};
        for (int cycle = 0; cycle < 2; ++cycle) {
            for (int w = 0; w < expectedWords.size(); ++w) {
                QString spelled;
                QList<int> order;
                // Each tick lights one more tile; the clear step follows the word's last tile.
                while (true) {
                    const int position = m_model->demoPosition();
                    QVERIFY(!m_model->clearPending());
                    m_model->demoTick();
                    QVERIFY(m_model->lit(position));
                    order.append(position);
                    spelled += MenuModel::letterAt(position);
                    QVERIFY2(order.size() <= 5, qPrintable(spelled));
                    if (m_model->clearPending()) {
                        break;
                    }
                }
                QCOMPARE(spelled, expectedWords.at(w));
                QCOMPARE(order, expectedTiles.at(w));
                QList<int> sorted = order;
                std::sort(sorted.begin(), sorted.end());
                QCOMPARE(litTiles(*m_model), sorted); // the previous word is gone
                m_model->clearTick();
                QVERIFY(litTiles(*m_model).isEmpty());
                QVERIFY(!m_model->clearPending());
            }
            QCOMPARE(m_model->demoPosition(), 12);
            QCOMPARE(m_model->phaseA(), 1);
            QCOMPARE(m_model->phaseB(), 1);
            QCOMPARE(m_model->phaseC(), 1);
        }
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(m_cues.played.isEmpty());
    }

    void phasesTellTheSecondPassThroughSharedTiles() {
        // 12 18 24: A turns 2 on leaving 24, then 20 25: C turns 2, then 17: B turns 2.
        const QList<std::array<int, 4>> expected{
            // position after the tick, A, B, C
            {18, 1, 1, 1}, {24, 1, 1, 1}, {20, 2, 1, 1}, {25, 2, 1, 1}, {17, 2, 1, 2},
            {11, 2, 2, 2}, {7, 2, 2, 2},  {3, 2, 2, 2},  {22, 2, 2, 2}, {18, 2, 2, 2},
            {24, 2, 2, 2}, {25, 2, 2, 2}, {8, 2, 2, 2},  {13, 2, 2, 2}, {17, 2, 2, 2},
            {23, 2, 2, 2}, {9, 2, 2, 2},  {5, 2, 2, 2},  {10, 2, 2, 2}, {14, 2, 2, 2},
            {12, 1, 1, 1}};
        for (const auto& step : expected) {
            m_model->demoTick();
            QCOMPARE(m_model->demoPosition(), step[0]);
            QCOMPARE(m_model->phaseA(), step[1]);
            QCOMPARE(m_model->phaseB(), step[2]);
            QCOMPARE(m_model->phaseC(), step[3]);
        }
    }

    void activationRestartsTheSpellingButNotTheRunningState() {
        m_model->demoTick();
        m_model->demoTick();
        m_model->demoTick();
        m_model->clickTile(1); // stops the demo
        QVERIFY(!m_session->demoRunning());
        m_model->activate();
        QCOMPARE(m_model->demoPosition(), 12);
        QCOMPARE(m_model->phaseA(), 1);
        QCOMPARE(m_model->word(), QString());
        QCOMPARE(m_model->grid().usedTiles(), QList<int>{});
        QVERIFY(!m_session->demoRunning());
    }

    void anyTileClickStopsTheDemoAndItsClearStep() {
        for (int i = 0; i < 5; ++i) {
            m_model->demoTick();
        }
        QVERIFY(m_model->clearPending());
        m_model->clickTile(0); // the command word
        QVERIFY(!m_session->demoRunning());
        QVERIFY(!m_model->clearPending());
        QCOMPARE(m_model->word(), QString());
        QVERIFY(m_cues.played.isEmpty());
        // The stopped demo leaves its lit letters until a pick recolours the field.
        QCOMPARE(litTiles(*m_model), (QList<int>{12, 18, 20, 24, 25}));
        m_model->clickTile(1);
        QVERIFY(litTiles(*m_model).isEmpty());
        QCOMPARE(m_model->word(), QStringLiteral("Q"));
    }

    void aPickMustTouchTheLastTileAndEveryClickSounds() {
        m_model->clickTile(12);
        QCOMPARE(m_model->colour(12), TileColour::Used);
        QCOMPARE(m_model->colour(18), TileColour::Open);
        m_model->clickTile(1);  // does not touch 12
        m_model->clickTile(12); // already in the word
        QCOMPARE(m_model->word(), QStringLiteral("S"));
        m_model->clickTile(18);
        QCOMPARE(m_model->colour(12), TileColour::Used); // a used neighbour stays white
        QCOMPARE(m_model->word(), QStringLiteral("ST"));
        // Every click sounds, the refused ones too.
        QCOMPARE(m_cues.played, QList<Cue>(4, Cue::Clicking));
    }

    void theWordStopsAtTenLettersWithoutASound() {
        // A snake through the top two rows: Q W D Y U I Q H A N.
        spell({1, 2, 3, 4, 5, 10, 9, 8, 7, 6});
        QCOMPARE(m_model->word(), QStringLiteral("QWDYUIQHAN"));
        const qsizetype sounds = m_cues.played.size();
        m_model->clickTile(11); // touches the N
        QCOMPARE(m_model->word().size(), 10);
        QCOMPARE(m_model->colour(11), TileColour::Open);
        QCOMPARE(m_cues.played.size(), sounds);
        m_model->ok();
        QCOMPARE(m_messages.texts(), QStringList{MenuModel::kNotRecognized});
        QCOMPARE(m_model->word(), QString());
    }

    void rightClickNeverPicksAndClearsAWordThroughAUsedTile() {
        m_model->rightReleaseTile(12); // release comes before its click
        m_model->clickTile(12);
        QCOMPARE(m_model->word(), QString());
        QVERIFY(!m_model->ignoreNextClick());

        spell({17, 11});
        m_cues.played.clear();
        m_model->rightReleaseTile(17);
        QCOMPARE(m_model->word(), QString());
        QCOMPARE(m_model->grid().usedTiles(), QList<int>{});
        QCOMPARE(m_cues.played, QList<Cue>{Cue::Level});
        m_model->clickTile(17);
        QCOMPARE(m_model->word(), QString());
        m_model->clickTile(17);
        QCOMPARE(m_model->word(), QStringLiteral("L"));
    }

    void doubleClickRunsTheCommandOnlyOnAUsedTile() {
        spell({17, 11, 7, 3});
        m_model->doubleClickTile(1);
        QVERIFY(m_actions->calls.isEmpty());
        m_model->doubleClickTile(3);
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("load")});
    }

    void typingSpellsTheCommandAndReturnRunsIt() {
        for (QChar c : QStringLiteral("loAd")) {
            m_model->typeLetter(c);
        }
        QCOMPARE(m_model->word(), QStringLiteral("LOAD"));
        QCOMPARE(m_model->grid().chain(), test::kLoadTiles);
        QCOMPARE(m_cues.played, QList<Cue>(4, Cue::Clicking));
        m_model->pressReturn();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("load")});
    }

    void aTypedLetterMovesTheChainOnlyWhenItMust() {
        m_session->setDemoRunning(true);
        m_model->typeLetter(QLatin1Char('Q'));
        QVERIFY(!m_session->demoRunning()); // a key stops the demo as a click does
        QCOMPARE(m_model->grid().chain(), QList<int>{1});
        m_model->typeLetter(QLatin1Char('I')); // touches only the other Q
        QCOMPARE(m_model->grid().chain(), (QList<int>{9, 10}));
        m_model->typeLetter(QLatin1Char('X')); // no chain spells QIX
        QCOMPARE(m_model->word(), QStringLiteral("QI"));
        m_model->pressClear();
        QCOMPARE(m_model->word(), QString());
        QVERIFY(m_model->grid().chain().isEmpty());
        QCOMPARE(m_cues.played.last(), Cue::Level);
    }

    // HELP stays on the field, but the next pick, by key or by click, starts a new command; a
    // double-click on its letters runs HELP again.
    void aPickAfterHelpStartsANewCommand() {
        spell(test::kHelpTiles);
        m_model->ok();
        m_model->doubleClickTile(23);
        for (QChar c : QStringLiteral("stat")) {
            m_model->typeLetter(c);
        }
        QCOMPARE(m_model->word(), QStringLiteral("STAT"));
        m_model->pressReturn();
        spell(test::kHelpTiles);
        m_model->ok();
        m_model->clickTile(12); // the S, which does not touch the P
        QCOMPARE(m_model->grid().usedTiles(), QList<int>{12});
        QCOMPARE(m_actions->calls, (QStringList{"help", "help", "stats", "help"}));
    }

    void typingStopsAtTenLettersAsClicksDo() {
        for (QChar c : QStringLiteral("QWDYUIQHANO")) {
            m_model->typeLetter(c);
        }
        QCOMPARE(m_model->word(), QStringLiteral("QWDYUIQHAN"));
    }

    void keysWaitWhileAMessageIsOpen() {
        m_messages.onShow = [this](const test::ShownMessage&) {
            m_model->typeLetter(QLatin1Char('S'));
            m_model->pressReturn();
            m_model->pressClear();
        };
        m_model->pressReturn(); // nothing spelled: a message
        QCOMPARE(m_messages.texts(), QStringList{MenuModel::kNoCommand});
        QCOMPARE(m_model->word(), QString());
        QVERIFY(!m_cues.played.contains(Cue::Level));
    }

    void commandsMatchExactly_data() {
        QTest::addColumn<QList<int>>("tiles");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("wordAfter");
        QTest::newRow("LOAD") << test::kLoadTiles << QStringList{"load"} << QString() << QString();
        QTest::newRow("STAT") << test::kStatTiles << QStringList{"stats"} << QString() << QString();
        QTest::newRow("HELP keeps the word")
            << test::kHelpTiles << QStringList{"help"} << QString() << QStringLiteral("HELP");
        QTest::newRow("QUIT") << test::kQuitTiles << QStringList{"quit"} << QString()
                              << QStringLiteral("QUIT");
        QTest::newRow("nothing picked")
            << QList<int>{} << QStringList{} << MenuModel::kNoCommand << QString();
        QTest::newRow("STA") << QList<int>{12, 18, 24} << QStringList{} << MenuModel::kNotRecognized
                             << QString();
        QTest::newRow("LOADW is no LOAD") << QList<int>{17, 11, 7, 3, 2} << QStringList{}
                                          << MenuModel::kNotRecognized << QString();
    }

    void commandsMatchExactly() {
        QFETCH(QList<int>, tiles);
        QFETCH(QStringList, calls);
        QFETCH(QString, message);
        QFETCH(QString, wordAfter);
        spell(tiles);
        m_cues.played.clear();
        m_model->ok();
        QCOMPARE(m_actions->calls, calls);
        if (message.isEmpty()) {
            QVERIFY(m_messages.shown.isEmpty());
        } else {
            QCOMPARE(m_messages.shown.size(), 1);
            QCOMPARE(m_messages.shown.at(0).text, message);
            QCOMPARE(m_messages.shown.at(0).style, style::kCritical);
            QCOMPARE(m_messages.shown.at(0).title, kAppTitle);
        }
        QCOMPARE(m_model->word(), wordAfter);
        QCOMPARE(m_model->grid().usedTiles().size(), wordAfter.size());
    }

    void quitPlaysItsCueBeforeEnding() {
        spell(test::kQuitTiles);
        m_cues.played.clear();
        QList<Cue> cuesAtQuit;
        m_actions->onQuit = [&] {
            cuesAtQuit = m_cues.played;
        };
        m_model->ok();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("quit")});
        QCOMPARE(cuesAtQuit, QList<Cue>{Cue::Quit});
    }

    void quitIsSilentWhileMuted() {
        MuteSwitch mute(m_cues);
        m_services.cues = &mute;
        mute.setMuted(true);
        spell(test::kQuitTiles);
        m_model->ok();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("quit")});
        QVERIFY(m_cues.played.isEmpty());
    }

    void startOpensRegistrationOnAClearedFieldAndRunsAgainAtOnceAfterACancel() {
        bool fieldClearedWhileOpen = false;
        m_actions->onRegistration = [&] {
            fieldClearedWhileOpen = m_model->grid().usedTiles().isEmpty();
            // Cancel: the demo runs again, Easy closed, the flag's record cleared.
            m_session->startDemo();
            m_session->setLevelOpen(Level::Easy, false);
            m_session->setStartChosenRecord(false);
        };
        m_model->clickTile(1);
        m_model->activate();
        spell(test::kStartTiles);
        m_model->ok();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("registration")});
        QVERIFY(fieldClearedWhileOpen);
        QCOMPARE(m_model->word(), QString());
        QVERIFY(m_session->startChosen());
        QVERIFY(m_session->demoRunning());

        // The first letter stops the demo before it ticks; START is accepted all the same.
        spell(test::kStartTiles);
        QVERIFY(!m_session->demoRunning());
        m_model->ok();
        QCOMPARE(m_actions->calls.size(), 2);
        QVERIFY(m_messages.shown.isEmpty());
        // Typed as fast, the same.
        for (const QChar letter : QStringLiteral("START")) {
            m_model->typeLetter(letter);
        }
        m_model->pressReturn();
        QCOMPARE(m_actions->calls.size(), 3);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void startIsRefusedWhileAPlayerIsSignedIn() {
        m_actions->onRegistration = [&] {
            m_session->setPlayerName(QStringLiteral("Ann"));
            m_session->setLevelOpen(Level::Easy, true);
            m_session->startDemo();
        };
        spell(test::kStartTiles);
        m_model->ok();
        for (int i = 0; i < 3; ++i) {
            m_model->demoTick();
        }
        QVERIFY(!m_session->startChosen());
        spell(test::kStartTiles);
        m_model->ok();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("registration")});
        QCOMPARE(m_messages.texts(), QStringList{MenuModel::startRefusal()});
        QVERIFY(m_model->startRefusal().contains(QStringLiteral("Selected!\r\nYou can")));
    }

    void screensOverTheMenuResetItWhenTheyClose() {
        m_actions->onLoad = [&] {
            QCOMPARE(m_model->word(), QStringLiteral("LOAD"));
        };
        for (int i = 0; i < 4; ++i) {
            m_model->demoTick();
        }
        spell(test::kLoadTiles);
        m_model->ok();
        QCOMPARE(m_model->word(), QString());
        QVERIFY(m_model->grid().usedTiles().isEmpty());
        QCOMPARE(m_model->demoPosition(), 12);
        QCOMPARE(m_model->phaseA(), 1);
    }

    void levelChooserTakesOnlyOpenLevels() {
        m_model->chooseLevel(Level::Easy);
        m_model->chooseLevel(Level::Expert);
        QVERIFY(m_actions->levels.isEmpty() && m_actions->calls.isEmpty());
        QVERIFY(m_cues.played.isEmpty());

        m_session->setLevelOpen(Level::Difficult, true);
        spell({1, 2});
        m_model->chooseLevel(Level::Difficult);
        QCOMPARE(m_actions->levels, QList<Level>{Level::Difficult});
        QCOMPARE(m_cues.played.last(), Cue::LevelChosen);
        QCOMPARE(m_model->word(), QString()); // back from the board, the menu starts afresh
    }

    void startChosenFollowsItsRecordOnWriteAndTick() {
        SessionState session;
        QSignalSpy changes(&session, &SessionState::startChosenChanged);
        session.setStartChosen(true);
        session.setStartChosenRecord(false);
        QVERIFY(!session.startChosen());
        session.setStartChosen(true);
        session.takeStartChosenFromRecord();
        QVERIFY(!session.startChosen());
        session.setStartChosenRecord(true);
        QVERIFY(session.startChosen());
        QCOMPARE(changes.size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestMenuModel)
#include "TestMenuModel.moc"
