#include "core/sound/Cues.h"
#include "ui/board/BoardScreen.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"

#include "AccessTree.h"
#include "Deals.h"
#include "KnownField.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// A shown Easy board in play on the known field.
struct PlayedBoard {
    KnownFieldWorld world;
    BoardScreen screen{Level::Easy, world.services, world.session};
    PlayedBoard() {
        screen.show();
        QCoreApplication::processEvents();
        screen.model().clickCommand(BoardCommand::Play);
        finishDealing(screen.model());
    }
};

// The known field with an M in the top left corner, where the C stood.
const QString kFieldWithM = QStringLiteral("MATEO"
                                           "AIUEO"
                                           "XEIAU"
                                           "BONDS"
                                           "BONDS");

// A shown Easy board in play on kFieldWithM, active, its cues through a mute switch as in the
// program.
struct SpeakerBoard {
    TestWorld world;
    MuteSwitch& mute;
    BoardScreen screen;
    SpeakerBoard()
        : mute((scriptField(world, kFieldWithM), world.muteThroughSwitch()))
        , screen(Level::Easy, world.services, world.session) {
        screen.show();
        screen.activateWindow();
        if (!QTest::qWaitForWindowActive(&screen)) {
            qFatal("the board was not made active");
        }
        screen.model().clickCommand(BoardCommand::Play);
        finishDealing(screen.model());
        world.cues.played.clear();
    }
};

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface == nullptr) {
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return iface;
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

// Whether the grabbed tray holds the sign's gold letters.
bool trayShowsGold(BoardScreen& screen) {
    const QRect tray = screen.tile(1)->geometry().united(screen.tile(25)->geometry());
    const QImage image = screen.grab(tray).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 150 && c.blue() < 120) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestBoardAccess : public QObject {
    Q_OBJECT
private slots:
    void aWordTypedOnTheScreenScoresAsTheMouseWould() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        QTest::keyClicks(&screen, QStringLiteral("cax"));
        QCOMPARE(screen.wordFormedLabel()->text(), QStringLiteral("CAX"));
        QCOMPARE(screen.tile(6)->textColour(), LetterTile::kUsedText); // the chain moved
        QCOMPARE(screen.tile(2)->textColour(), LetterTile::kPlainText);
        QTest::keyClick(&screen, Qt::Key_Backspace);
        QTest::keyClick(&screen, Qt::Key_Backspace);
        QTest::keyClicks(&screen, QStringLiteral("AT"));
        QTest::keyClick(&screen, Qt::Key_Return);
        QCOMPARE(screen.totalLabel()->text(), QStringLiteral("250"));
        QCOMPARE(screen.wordList()->item(0)->text(), QStringLiteral("CAT"));
        QVERIFY(screen.wordFormedLabel()->text().isEmpty());
    }

    void keysReachTheBoardWhereverTheFocusIs() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        screen.wordList()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(screen.wordList(), QStringLiteral("CA"));
        QCOMPARE(screen.model().word(), QStringLiteral("CA"));
        QTest::keyClick(screen.tile(9), Qt::Key_Escape);
        QVERIFY(screen.model().word().isEmpty());
        QVERIFY(screen.isVisible()); // Escape drops the word, never the level
    }

    void spacePausesAndTheTraySaysSo() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        QVERIFY(!screen.pausedSignShown());
        screen.tile(3)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(screen.tile(3), Qt::Key_Space);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Resume"));
        QVERIFY(screen.pausedSignShown());
        QVERIFY(trayShowsGold(screen));
        QVERIFY(!screen.tile(3)->isVisible());
        // The focus left the hidden tile for the board, not for a label Space would press.
        QCOMPARE(QApplication::focusWidget(), &screen);
        QTest::keyClick(&screen, Qt::Key_Space);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Pause"));
        QVERIFY(!screen.pausedSignShown());
        QVERIFY(!trayShowsGold(screen));
    }

    void leavingTheApplicationPausesTheLevelButAMessageBoxDoesNot() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        // A board message: the board's window loses the focus to the box, the application
        // does not.
        played.world.messages.onShow = [&](const ShownMessage&) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(&screen, &deactivate);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        };
        screen.model().clickCommand(BoardCommand::Shuffle);
        QVERIFY(screen.gameTimer().isActive());
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Pause"));

        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Resume"));
        QVERIFY(!screen.gameTimer().isActive());
        QVERIFY(screen.pausedSignShown());
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Resume")); // no resuming alone
    }

    void aBoardThatLosesActivationToItsLeaveQuestionKeepsRunning() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        QTest::keyClicks(&screen, QStringLiteral("CA"));
        played.world.messages.answers = {Answer::No};
        bool looked = false;
        played.world.messages.onShow = [&](const ShownMessage&) {
            looked = true;
            // The box is a window of its own over the board, and takes the activation; the
            // window system may even call the game inactive while the focus passes.
            QDialog box(&screen);
            box.show();
            box.activateWindow();
            QCoreApplication::processEvents();
            QVERIFY(!screen.isActiveWindow());
            emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
            QVERIFY(screen.gameTimer().isActive());
        };
        screen.close();
        QVERIFY(looked);
        QVERIFY(screen.isVisible());
        QVERIFY(screen.gameTimer().isActive());
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Pause"));
        QVERIFY(!screen.pausedSignShown());
        QCOMPARE(screen.wordFormedLabel()->text(), QStringLiteral("CA"));
    }

    void ctrlAndAltLettersDoNotTypeAndAHeldSpacePausesOnce() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        QTest::keyClick(&screen, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&screen, Qt::Key_C, Qt::AltModifier);
        QVERIFY(screen.wordFormedLabel()->text().isEmpty());
        QTest::keyClick(&screen, Qt::Key_C);
        QCOMPARE(screen.wordFormedLabel()->text(), QStringLiteral("C"));
        // Held down: one press, then the keyboard's repeats (an odd number, so that toggling
        // on each would end on "Pause").
        QTest::keyPress(&screen, Qt::Key_Space);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                             true);
            QCoreApplication::sendEvent(&screen, &repeat);
        }
        QTest::keyRelease(&screen, Qt::Key_Space);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Resume"));
        QCOMPARE(screen.model().clock(), BoardModel::Clock::Paused);
    }

    // The letters build words, so only Ctrl+M switches the sound, from wherever the keys are.
    void ctrlMSwitchesTheCuesOffAndOnAndAPlainMStillBuildsTheWord() {
        SpeakerBoard board;
        BoardScreen& screen = board.screen;
        QTest::keyClick(&screen, Qt::Key_M);
        QCOMPARE(screen.wordFormedLabel()->text(), QStringLiteral("M"));
        QVERIFY(!board.mute.muted());
        QCOMPARE(board.world.cues.played, QList<Cue>{Cue::Clicking});
        QTest::keyClick(screen.tile(7), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(board.mute.muted());
        QTest::keyClick(&screen, Qt::Key_A);
        QCOMPARE(screen.wordFormedLabel()->text(), QStringLiteral("MA"));
        QCOMPARE(board.world.cues.played.size(), 1); // muted: the click never reached the player
        QTest::keyClick(&screen, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!board.mute.muted());
        QTest::keyClick(&screen, Qt::Key_T);
        QCOMPARE(screen.wordFormedLabel()->text(), QStringLiteral("MAT"));
        QCOMPARE(board.world.cues.played, (QList<Cue>{Cue::Clicking, Cue::Clicking}));
    }

    // The board's control shows the run's one switch, as set on the menu before it opened.
    void theBoardsSpeakerShowsTheSwitchAndReadsItsState() {
        TestWorld world;
        MuteSwitch& mute = world.muteThroughSwitch();
        mute.setMuted(true);
        BoardScreen screen(Level::Easy, world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QVERIFY(screen.soundToggle()->isVisible());
        QVERIFY(!screen.soundToggle()->soundOn());
        QAccessibleInterface* sound = accessible(screen.soundToggle());
        QCOMPARE(sound->role(), QAccessible::CheckBox);
        QCOMPARE(nameOf(screen.soundToggle()), QStringLiteral("Sound"));
        QVERIFY(!sound->state().checked);
        QTest::mouseClick(screen.soundToggle(), Qt::LeftButton);
        QVERIFY(!mute.muted());
        QVERIFY(sound->state().checked);
        QVERIFY(world.messages.shown.isEmpty());
    }

    // Tab reaches it beside the commands, and pressing it hands the keys back to the game.
    void theSpeakerIsATabStopThatHandsTheKeysBack() {
        SpeakerBoard board;
        BoardScreen& screen = board.screen;
        screen.pauseLabel()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(screen.pauseLabel(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), screen.soundToggle());
        QTest::keyClick(screen.soundToggle(), Qt::Key_Space);
        QVERIFY(board.mute.muted());
        QCOMPARE(QApplication::focusWidget(), &screen);
        QTest::keyClick(&screen, Qt::Key_Space); // pauses; it does not switch the sound again
        QCOMPARE(screen.model().clock(), BoardModel::Clock::Paused);
        QVERIFY(board.mute.muted());
    }

    void minimisingPausesTheLevel() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        screen.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QCOMPARE(screen.model().clock(), BoardModel::Clock::Paused);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Resume"));
    }

    void everyTileTellsItsLetterPlaceAndState() {
        for (Level level : allLevels()) {
            TestWorld world;
            BoardScreen screen(level, world.services, world.session);
            screen.show();
            QCoreApplication::processEvents();
            QCOMPARE(nameOf(screen.tile(1)), QStringLiteral("blank tile, row 1, column 1"));
            screen.model().clickCommand(BoardCommand::Play);
            finishDealing(screen.model());
            const int side = screen.model().info().side;
            for (int i = 1; i <= side * side; ++i) {
                const QString expected = QStringLiteral("%1, row %2, column %3")
                                             .arg(screen.model().grid().tile(i).letter)
                                             .arg((i - 1) / side + 1)
                                             .arg((i - 1) % side + 1);
                QCOMPARE(nameOf(screen.tile(i)), expected);
                QCOMPARE(accessible(screen.tile(i))->text(QAccessible::Description),
                         QStringLiteral("open"));
            }
        }
    }

    void aTilesStateFollowsThePicks() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        QTest::keyClicks(&screen, QStringLiteral("CA"));
        const auto state = [&](int i) {
            return accessible(screen.tile(i))->state();
        };
        const auto said = [&](int i) {
            return accessible(screen.tile(i))->text(QAccessible::Description);
        };
        QVERIFY(state(1).checked && !state(1).disabled);
        QCOMPARE(said(2), QStringLiteral("picked"));
        QCOMPARE(said(3), QStringLiteral("open"));
        QVERIFY(!state(3).checked && !state(3).disabled);
        QCOMPARE(said(25), QStringLiteral("out of reach"));
        QVERIFY(state(25).disabled);
    }

    void labelsAndListsReadWithTheirRoleAndText() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        screen.model().clockTick();
        QTest::keyClicks(&screen, QStringLiteral("CAT"));

        QAccessibleInterface* play = accessible(screen.commandLabel(BoardCommand::Play));
        QCOMPARE(play->role(), QAccessible::Button);
        QCOMPARE(play->text(QAccessible::Name), QStringLiteral("Play"));
        QVERIFY(play->state().disabled);
        QAccessibleInterface* pause = accessible(screen.pauseLabel());
        QCOMPARE(pause->role(), QAccessible::Button);
        QCOMPARE(pause->text(QAccessible::Name), QStringLiteral("Pause"));
        pause->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(screen.model().pauseLabelText(), QStringLiteral("Resume"));
        QCOMPARE(nameOf(screen.pauseLabel()), QStringLiteral("Resume"));
        QCOMPARE(nameOf(screen.quitLabel()), QStringLiteral("Quit Game"));

        QCOMPARE(accessible(screen.timerLabel())->role(), QAccessible::StaticText);
        QCOMPARE(nameOf(screen.timerLabel()), QStringLiteral("Time: 04:59"));
        QCOMPARE(nameOf(screen.wordFormedLabel()), QStringLiteral("Word formed: CAT"));
        QCOMPARE(nameOf(screen.totalLabel()), QStringLiteral("Total Score: 0"));
        QCOMPARE(nameOf(screen.subTotalLabel()), QStringLiteral("Sub Total: 0"));
        QAccessibleInterface* list = accessible(screen.wordList());
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Words built"));
    }

    // The sliding copy of an accepted word only decorates: the word is read in the list.
    void aScreenReaderMeetsNoSilentLabelOnTheBoard() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        const QStringList silent = test::silentAccessibleNodes(&screen);
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
        QTest::keyClicks(&screen, QStringLiteral("CAT"));
        QTest::keyClick(&screen, Qt::Key_Return);
        QVERIFY(screen.bannerLabel()->isVisible());
        const QStringList silentWhileSliding = test::silentAccessibleNodes(&screen);
        QVERIFY2(silentWhileSliding.isEmpty(),
                 qPrintable(silentWhileSliding.join(QStringLiteral(", "))));
        QAccessibleInterface* board = accessible(&screen);
        QCOMPARE(board->role(), QAccessible::Dialog);
        QCOMPARE(board->indexOfChild(accessible(screen.bannerLabel())), -1);
        QCOMPARE(board->child(board->indexOfChild(accessible(screen.wordList()))),
                 accessible(screen.wordList()));
    }

    void tabVisitsTilesCommandsAndReadouts() {
        PlayedBoard played;
        BoardScreen& screen = played.screen;
        screen.setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            if (visited.contains(w)) {
                break;
            }
            visited.append(w);
        }
        for (int i = 1; i <= 25; ++i) {
            QVERIFY(visited.contains(screen.tile(i)));
        }
        for (QWidget* w : std::initializer_list<QWidget*>{
                 screen.quitLabel(), screen.commandLabel(BoardCommand::Shuffle),
                 screen.pauseLabel(), screen.wordFormedLabel(), screen.timerLabel(),
                 screen.totalLabel(), screen.wordScoreLabel(), screen.bonusLabel(),
                 screen.subTotalLabel(), screen.wordList()}) {
            QVERIFY2(visited.contains(w), qPrintable(w->objectName()));
        }
        QVERIFY(!visited.contains(screen.commandLabel(BoardCommand::Play))); // disabled now
    }

    void aLabelPressedFromTheKeyboardHandsTheKeysBack() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QCOMPARE(screen.focusWidget(), screen.commandLabel(BoardCommand::Play)); // at once
        screen.setFocus();
        QTest::keyClick(&screen, Qt::Key_Tab); // the commands come first
        QCOMPARE(QApplication::focusWidget(), screen.commandLabel(BoardCommand::Play));
        QTest::keyClick(screen.commandLabel(BoardCommand::Play), Qt::Key_Return);
        QVERIFY(screen.model().clockRunning());
        QCOMPARE(QApplication::focusWidget(), &screen);
        QTest::keyClick(&screen, Qt::Key_Space); // pauses; it does not press a label
        QCOMPARE(screen.model().clock(), BoardModel::Clock::Paused);
        QCOMPARE(world.messages.shown.size(), 0);
    }

    void aLabelClickedWithTheMouseLeavesTheKeysWithTheGame() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QTest::mouseClick(screen.commandLabel(BoardCommand::Play), Qt::LeftButton);
        finishDealing(screen.model());
        QTest::mouseClick(screen.commandLabel(BoardCommand::Shuffle), Qt::LeftButton);
        finishDealing(screen.model());
        const int shufflesLeft = screen.model().shufflesLeft();
        const qsizetype messages = world.messages.shown.size();
        // Keys go where a real keyboard sends them: to whatever holds the focus now.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(screen.model().clock(), BoardModel::Clock::Paused);
        QCOMPARE(screen.model().shufflesLeft(), shufflesLeft);
        QCOMPARE(world.messages.shown.size(), messages);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(screen.model().clockRunning()); // Return or Space never pressed Pause itself
    }
};

QTEST_MAIN(TestBoardAccess)
#include "TestBoardAccess.moc"
