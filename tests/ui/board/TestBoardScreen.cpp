#include "core/common/ScaleChoice.h"
#include "core/data/ScaleSetting.h"
#include "core/sound/Cues.h"
#include "ui/board/BoardLayout.h"
#include "ui/board/BoardScreen.h"
#include "ui/menu/MenuScreen.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"

#include "BoardRuns.h"
#include "Contrast.h"
#include "Gestures.h"
#include "MenuCommands.h"
#include "RawConnection.h"
#include "TestWorld.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <climits>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// The room between a level's field and the window's edges and the column beside it.
struct FieldRoom {
    int left = 0;
    int top = 0;
    int bottom = 0;
    int column = 0;
};
FieldRoom fieldRoom(Level level) {
    TestWorld world;
    BoardScreen screen(level, world.services, world.session);
    const int n = screen.model().info().side;
    const QRect field = screen.tile(1)->geometry().united(screen.tile(n * n)->geometry());
    int columnLeft = screen.width();
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        if (qobject_cast<LetterTile*>(w) == nullptr && w->parentWidget() == &screen) {
            columnLeft = std::min(columnLeft, w->x());
        }
    }
    return {field.left(), field.top(), screen.height() - 1 - field.bottom(),
            columnLeft - field.right() - 1};
}

} // namespace

class TestBoardScreen : public QObject {
    Q_OBJECT
private slots:
    void theFieldSitsWhereTheLevelPutsIt_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QSize>("client");
        QTest::newRow("easy") << 0 << QPoint(164, 157) << QSize(787, 580);
        QTest::newRow("intermediate") << 1 << QPoint(108, 117) << QSize(784, 579);
        QTest::newRow("difficult") << 2 << QPoint(56, 58) << QSize(784, 579);
        QTest::newRow("expert") << 3 << QPoint(56, 58) << QSize(894, 683);
    }
    void theFieldSitsWhereTheLevelPutsIt() {
        QFETCH(int, level);
        QFETCH(QPoint, first);
        QFETCH(QSize, client);
        TestWorld world;
        BoardScreen screen(static_cast<Level>(level), world.services, world.session);
        QCOMPARE(screen.size(), client);
        QCOMPARE(screen.tile(1)->geometry(), QRect(first, QSize(50, 50)));
        const int n = screen.model().info().side;
        QCOMPARE(screen.tile(n * n)->pos(), first + QPoint(52 * (n - 1), 52 * (n - 1)));
        // Nothing of the column may cover a tile, on any level.
        const QRect field = screen.tile(1)->geometry().united(screen.tile(n * n)->geometry());
        for (QWidget* w : screen.findChildren<QWidget*>()) {
            if (qobject_cast<LetterTile*>(w) == nullptr && !w->isWindow() &&
                w->parentWidget() == &screen) {
                QVERIFY2(!w->geometry().intersects(field), qPrintable(w->objectName()));
                QVERIFY2(screen.rect().contains(w->geometry()), qPrintable(w->objectName()));
            }
        }
    }

    void theExpertFieldHasTheRoomTheOtherFieldsHave() {
        FieldRoom least{INT_MAX, INT_MAX, INT_MAX, INT_MAX};
        for (const Level level : {Level::Easy, Level::Intermediate, Level::Difficult}) {
            const FieldRoom room = fieldRoom(level);
            least = {std::min(least.left, room.left), std::min(least.top, room.top),
                     std::min(least.bottom, room.bottom), std::min(least.column, room.column)};
        }
        const FieldRoom expert = fieldRoom(Level::Expert);
        QVERIFY2(expert.left >= least.left, qPrintable(QString::number(expert.left)));
        QVERIFY2(expert.top >= least.top, qPrintable(QString::number(expert.top)));
        QVERIFY2(expert.bottom >= least.bottom, qPrintable(QString::number(expert.bottom)));
        QVERIFY2(expert.column >= least.column, qPrintable(QString::number(expert.column)));
    }

    // On every level the speaker stands in the column and covers, and moves, nothing else.
    void theSpeakerCoversNoOtherControlOnAnyLevel() {
        for (const Level level : allLevels()) {
            TestWorld plain;
            BoardScreen without(level, plain.services, plain.session);
            TestWorld world;
            world.muteThroughSwitch();
            BoardScreen screen(level, world.services, world.session);
            screen.show();
            QCoreApplication::processEvents();
            const QRect sound = screen.soundToggle()->geometry();
            QVERIFY(screen.soundToggle()->isVisible());
            QVERIFY(design::toPixels(BoardLayout(level).panel()).contains(sound));
            const QList<QWidget*> others =
                without.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            const QList<QWidget*> children =
                screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            QCOMPARE(children.size(), others.size());
            for (qsizetype i = 0; i < children.size(); ++i) {
                QWidget* w = children.at(i);
                if (w == screen.soundToggle()) {
                    continue;
                }
                const QString name =
                    QStringLiteral("%1 on %2").arg(w->objectName(), screen.objectName());
                QCOMPARE(w->objectName(), others.at(i)->objectName());
                QVERIFY2(w->geometry() == others.at(i)->geometry(), qPrintable(name));
                QVERIFY2(!w->geometry().intersects(sound), qPrintable(name));
            }
        }
    }

    void buttonCaptionsHaveRoomAroundThem() {
        for (const Level level : allLevels()) {
            TestWorld world;
            BoardScreen screen(level, world.services, world.session);
            for (const QLabel* button :
                 {static_cast<QLabel*>(screen.quitLabel()),
                  static_cast<QLabel*>(screen.commandLabel(BoardCommand::Shuffle)),
                  static_cast<QLabel*>(screen.commandLabel(BoardCommand::Play))}) {
                const QFontMetrics metrics(button->font());
                const int side = (button->width() - metrics.horizontalAdvance(button->text())) / 2;
                const int above = (button->height() - metrics.height()) / 2;
                const QString where = button->text() + QStringLiteral(" on ") +
                                      QString::fromLatin1(levelInfo(level).title);
                QVERIFY2(side >= metrics.height() / 4, qPrintable(where));
                QVERIFY2(above >= metrics.height() / 8, qPrintable(where));
                QVERIFY2(screen.rect().contains(button->geometry()), qPrintable(where));
            }
        }
    }

    void playDealsAndTheMousePicksAWord() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        QVERIFY(!screen.commandLabel(BoardCommand::Play)->isEnabled());
        QVERIFY(screen.commandLabel(BoardCommand::Shuffle)->isEnabled());
        QVERIFY(screen.gameTimer().isActive());
        QTest::mouseClick(screen.tile(7), Qt::LeftButton);
        QTest::mouseClick(screen.tile(8), Qt::LeftButton);
        const QString word = screen.tile(7)->text() + screen.tile(8)->text();
        QCOMPARE(screen.wordFormedLabel()->text(), word);
        QCOMPARE(screen.tile(7)->textColour(), QColor(255, 255, 255));
        QCOMPARE(screen.tile(9)->textColour(), QColor(192, 192, 0));
        QCOMPARE(screen.tile(25)->textColour(), QColor(0, 0, 0));
    }

    void aRealDoubleClickPicksTheLetterAndThenSubmits() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        QTest::mouseClick(screen.tile(1), Qt::LeftButton);
        QTest::mouseClick(screen.tile(2), Qt::LeftButton);
        const QString word =
            screen.tile(1)->text() + screen.tile(2)->text() + screen.tile(3)->text();
        world.addWord(word);
        world.cues.played.clear();
        realDoubleClick(screen.tile(3));
        QCOMPARE(world.cues.played, (QList<Cue>{Cue::Clicking, Cue::Slide, Cue::Correct}));
        QCOMPARE(screen.wordList()->count(), 1);
        QCOMPARE(screen.wordList()->item(0)->text(), word);
        QCOMPARE(screen.wordList()->currentRow(), 0);
        QCOMPARE(screen.totalLabel()->text(), QStringLiteral("250"));
        QCOMPARE(screen.subTotalLabel()->text(), QStringLiteral("250"));
        QVERIFY(screen.wordFormedLabel()->text().isEmpty());
        QVERIFY(!screen.bannerLabel()->isHidden());
        QCOMPARE(screen.bannerLabel()->text(), word);
        QVERIFY(screen.slideTimer().isActive());
        QCOMPARE(screen.slideTimer().interval(), 100);
    }

    void anAcceptedWordsTilesShowTheirNewLetters() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        QTest::mouseClick(screen.tile(1), Qt::LeftButton);
        QTest::mouseClick(screen.tile(2), Qt::LeftButton);
        world.addWord(screen.model().word() + screen.tile(3)->text());
        realDoubleClick(screen.tile(3));
        QCOMPARE(screen.model().words().size(), 1);
        for (int i = 1; i <= 25; ++i) {
            QCOMPARE(screen.tile(i)->text(), screen.model().grid().tile(i).letter);
            QCOMPARE(screen.tile(i)->textColour(), LetterTile::kPlainText);
        }
    }

    void doubleClickingATileThatIsNotOpenOnlySoundsTheClick() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        QTest::mouseClick(screen.tile(1), Qt::LeftButton);
        world.cues.played.clear();
        realDoubleClick(screen.tile(25));
        QCOMPARE(world.cues.played, QList<Cue>{Cue::Clicking});
        QCOMPARE(screen.wordFormedLabel()->text(), screen.tile(1)->text());
        QVERIFY(world.messages.shown.isEmpty());
    }

    void aRightClickNeverPicksAndClearsTheWord() {
        TestWorld world;
        BoardScreen screen(Level::Intermediate, world.services, world.session);
        startPlaying(screen);
        rightClick(screen.tile(5));
        QVERIFY(screen.wordFormedLabel()->text().isEmpty());
        QTest::mouseClick(screen.tile(5), Qt::LeftButton);
        QTest::mouseClick(screen.tile(6), Qt::LeftButton);
        QCOMPARE(screen.wordFormedLabel()->text().size(), 2);
        rightClick(screen.tile(5));
        QVERIFY(screen.wordFormedLabel()->text().isEmpty());
        QCOMPARE(screen.tile(5)->textColour(), QColor(0, 0, 0));
        QCOMPARE(world.cues.played.last(), Cue::TileDown);
    }

    void aMessageHidesTheTilesAndStopsTheClockWhileOpen() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        bool checked = false;
        world.messages.onShow = [&](const ShownMessage&) {
            QVERIFY(screen.tile(1)->isHidden());
            QVERIFY(!screen.gameTimer().isActive());
            QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Pause"));
            checked = true;
        };
        QTest::mouseClick(screen.commandLabel(BoardCommand::Shuffle), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!screen.tile(1)->isHidden());
        QVERIFY(screen.gameTimer().isActive());
        QVERIFY(screen.dealTimer().isActive());
    }

    void thePauseLabelTogglesAndTheClockShowsTheTimeLeft() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        for (int s = 0; s < 61; ++s) {
            screen.model().clockTick();
        }
        QCOMPARE(screen.timerLabel()->text(), QStringLiteral("03:59"));
        QTest::mouseClick(screen.pauseLabel(), Qt::LeftButton);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Resume"));
        QVERIFY(screen.tile(13)->isHidden());
        QVERIFY(!screen.gameTimer().isActive());
        QVERIFY(!screen.quitLabel()->isHidden());
        QTest::mouseClick(screen.pauseLabel(), Qt::LeftButton);
        QCOMPARE(screen.pauseLabel()->text(), QStringLiteral("Pause"));
        QVERIFY(!screen.tile(13)->isHidden());
        QVERIFY(screen.gameTimer().isActive());
    }

    void hoveringColoursTheLabels() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        screen.show();
        QTest::mouseMove(screen.commandLabel(BoardCommand::Play));
        QCOMPARE(screen.commandLabel(BoardCommand::Play)->textColour(), QColor(0, 255, 255));
        QTest::mouseMove(screen.quitLabel());
        QCOMPARE(screen.quitLabel()->textColour(), QColor(0, 255, 0));
        QCOMPARE(screen.commandLabel(BoardCommand::Play)->textColour(), QColor(0, 0, 0));
        QTest::mouseMove(screen.tile(1));
        QCOMPARE(screen.quitLabel()->textColour(), QColor(0, 0, 0));
    }

    void labelsUnderThePointerStayReadable() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        screen.show();
        for (ClickLabel* label : {screen.commandLabel(BoardCommand::Play), screen.quitLabel()}) {
            hover(label);
            QVERIFY2(contrast(label->textColour(), faceOf(label)) >= 3, qPrintable(label->text()));
        }
    }

    // At one and a half times the design size a click through the window picks the tile under
    // the pointer, and a real double-click on the next one submits the word.
    void atAScaleAClickPicksTheTileUnderThePointer() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        const QList<QPoint> design = centresOf({screen.tile(7), screen.tile(8), screen.tile(9)});
        enlargeByHalf(&screen);
        QCOMPARE(screen.layout().scale(), 1.5);
        clickInWindow(&screen, design.at(0) * 1.5);
        clickInWindow(&screen, design.at(1) * 1.5);
        const QString word =
            screen.tile(7)->text() + screen.tile(8)->text() + screen.tile(9)->text();
        QCOMPARE(screen.wordFormedLabel()->text(), word.left(2));
        world.addWord(word);
        doubleClickInWindow(&screen, design.at(2) * 1.5);
        QCOMPARE(screen.model().words(), QStringList{word});
    }

    // A word as long as two rows of the largest field is set smaller rather than run off its
    // label, at the design size and enlarged.
    void aLongWordFitsItsLabelAtEveryScale() {
        TestWorld world;
        BoardScreen screen(Level::Expert, world.services, world.session);
        startPlaying(screen);
        for (int i = 1; i <= 11; ++i) {
            QTest::mouseClick(screen.tile(i), Qt::LeftButton);
        }
        for (int i = 22; i >= 12; --i) {
            QTest::mouseClick(screen.tile(i), Qt::LeftButton);
        }
        const QLabel* word = screen.wordFormedLabel();
        QCOMPARE(word->text().size(), 22);
        QVERIFY(QFontMetrics(word->font()).horizontalAdvance(word->text()) <= word->width());
        enlargeByHalf(&screen);
        QCOMPARE(screen.layout().scale(), 1.5);
        QVERIFY(QFontMetrics(word->font()).horizontalAdvance(word->text()) <= word->width());
    }

    // The player's size is the game's: the menu enlarged in one run, a board of the next opens
    // at that scale.
    void aBoardOpensAtTheScaleTheMenuWasGivenTheRunBefore() {
        TestWorld world;
        {
            ScaleChoice choice;
            keepScaleChoice(choice, *world.database, &choice);
            world.services.scale = &choice;
            RecordingMenuActions actions;
            MenuScreen menu(world.services, actions);
            menu.show();
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            enlargeByHalf(&menu);
        }
        ScaleChoice nextRun;
        keepScaleChoice(nextRun, *world.database, &nextRun);
        world.services.scale = &nextRun;
        BoardScreen board(Level::Easy, world.services, world.session);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QCOMPARE(board.layout().scale(), 1.5);
        QCOMPARE(board.size(), board.layout().area().size());
    }

    void escapeKeepsTheLevelAndClosingAsksFirst() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        QVERIFY(world.database->addWrongWord(QStringLiteral("XQZT")));
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        world.messages.answers = {Answer::No};
        screen.close();
        QVERIFY(screen.isVisible());
        QCOMPARE(world.messages.shown.last().style, style::kYesNoQuestion);
        world.messages.answers = {Answer::Yes};
        screen.close();
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.outcome().kind, ScreenOutcome::Menu);
        QVERIFY(world.database->wrongWords().isEmpty());
    }

    void quitGameClosesTheBoardWithoutAQuestion() {
        TestWorld world;
        BoardScreen screen(Level::Difficult, world.services, world.session);
        startPlaying(screen);
        QTest::mouseClick(screen.quitLabel(), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QVERIFY(world.messages.shown.isEmpty());
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    void theEndOfTheLevelHandsItsResultToTheSummaryAndClosesWithItsAnswer() {
        TestWorld world;
        BoardScreen screen(Level::Easy, world.services, world.session);
        startPlaying(screen);
        QList<LevelResult> handed;
        bool boardBehind = false;
        screen.openSummary = [&](const LevelResult& result) {
            handed.append(result);
            boardBehind = screen.isVisible(); // the board stays behind its summary
            return ScreenOutcome::board(Level::Intermediate);
        };
        for (int s = 0; s < screen.model().info().levelSeconds(); ++s) {
            screen.model().clockTick();
        }
        QVERIFY(handed.isEmpty()); // not from inside the tick
        QVERIFY(!screen.gameTimer().isActive());
        QCoreApplication::processEvents();
        QCOMPARE(handed.size(), 1);
        QVERIFY(boardBehind);
        QCOMPARE(handed.at(0).timeText, screen.timerLabel()->text());
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.outcome(), ScreenOutcome::board(Level::Intermediate));
    }

    // The loop's opener hands on every level whose clock ran out, before the level's first
    // message, so that a failed Expert level, which has no summary, is handed on too; a level
    // left by "Quit Game" never ran out.
    void theOpenerHandsOnEachLevelThatRanOutBeforeItsMessages() {
        TestWorld world;
        QList<LevelResult> handed;
        qsizetype messagesBefore = -1;
        BoardScreenOpener opener(world.services, nullptr, [&](const LevelResult& result) {
            handed.append(result);
            messagesBefore = world.messages.shown.size();
        });
        // Played from inside the board's own modal loop, as the player plays it.
        const auto playNextBoard = [&world](bool quit) {
            QTimer::singleShot(0, [&world, quit] {
                auto* board = qobject_cast<BoardScreen*>(QApplication::activeModalWidget());
                QVERIFY(board != nullptr);
                startPlaying(*board);
                if (quit) {
                    QTest::mouseClick(board->quitLabel(), Qt::LeftButton);
                    return;
                }
                world.messages.answers = {Answer::No};
                runOutTheClock(*board);
            });
        };
        playNextBoard(true);
        QCOMPARE(opener.openBoard(Level::Easy, world.session), ScreenOutcome::menu());
        QVERIFY(handed.isEmpty());
        world.messages.shown.clear();
        playNextBoard(false);
        QCOMPARE(opener.openBoard(Level::Expert, world.session), ScreenOutcome::menu());
        QCOMPARE(handed.size(), 1);
        QCOMPARE(handed.at(0).level, Level::Expert);
        QCOMPARE(messagesBefore, 0);
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Game Over!!!!!\r\n"
                                                                    "Do you want to try again!")});
    }
};

QTEST_MAIN(TestBoardScreen)
#include "TestBoardScreen.moc"
