#include "BoardRuns.h"
#include "MenuCommands.h"
#include "ShownText.h"
#include "TestWorld.h"
#include "app/GameScreens.h"
#include "app/QtMessageBoxes.h"
#include "core/sound/Cues.h"
#include "ui/board/BoardScreen.h"
#include "ui/summary/HistoryPage.h"
#include "ui/summary/StatsScreen.h"
#include "ui/summary/SummaryScreen.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/GameMessageDialog.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vortalex;

namespace {

// Runs `step` once the next modal dialog is open, as a player would act on it.
void whenDialogOpens(const std::function<void(QDialog*)>& step) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QElapsedTimer since;
    since.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step, since] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // On a busy machine a dialog shows a moment before it is given the keyboard.
        const bool ready = dialog != nullptr && dialog->isVisible() &&
                           (QApplication::activeWindow() == dialog || since.elapsed() > 5000);
        if (ready) {
            poll->stop();
            poll->deleteLater();
            step(dialog);
        }
    });
    poll->start();
}

} // namespace

// The menu with the real screens its commands open: each runs modally, and the menu goes on
// when it closes.
class TestGameScreens : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<GameScreens> m_screens;

    MenuScreen& menu() { return m_screens->menu(); }
    void spellAndOk(const QList<int>& tiles) {
        for (int t : tiles) {
            QTest::mouseClick(menu().tile(t), Qt::LeftButton);
        }
        QTest::mouseClick(menu().okLabel(), Qt::LeftButton);
    }

private slots:
    void init() {
        m_world = std::make_unique<test::TestWorld>();
        m_screens = std::make_unique<GameScreens>(m_world->services);
        menu().show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu()));
    }

    void cleanup() {
        m_screens.reset();
        m_world.reset();
    }

    // Help looks in the data folder, and tells a missing page.
    void helpWithoutItsPageIsToldOnTheMenu() {
        spellAndOk(test::kHelpTiles);
        QCOMPARE(
            m_world->messages.texts(),
            QStringList{QStringLiteral("Help could not be started:\r\n%1 is missing.")
                            .arg(QDir::toNativeSeparators(
                                QDir(m_world->services.dataFolder).filePath("help/index.html")))});
        QCOMPARE(menu().commandWordLabel()->text(), QStringLiteral("HELP"));
    }

    void registrationRunsModallyWithFocusInTheNameBox() {
        QString dialogName;
        QString focusedName;
        whenDialogOpens([&](QDialog* dialog) {
            dialogName = dialog->objectName();
            QWidget* focused = QApplication::focusWidget();
            if (focused == nullptr) {
                dialog->reject(); // never leave the test hanging; the comparisons below fail
                return;
            }
            focusedName = focused->objectName();
            QTest::keyClicks(focused, QStringLiteral("Zed"));
            QTest::keyClick(focused, Qt::Key_Return);
        });
        spellAndOk(test::kStartTiles);
        QCOMPARE(dialogName, QStringLiteral("frmName"));
        QCOMPARE(focusedName, QStringLiteral("txtPlayerName"));
        QCOMPARE(menu().greetingLabel()->text(), QStringLiteral("Welcome [Zed]"));
        QVERIFY(menu().session().startChosen());
    }

    void loadAndStatsRunModallyAndCloseWithEscape() {
        QStringList seen;
        const auto escape = [&](QDialog* dialog) {
            seen.append(dialog->objectName());
            QTest::keyClick(dialog, Qt::Key_Escape);
        };
        whenDialogOpens(escape);
        spellAndOk(test::kLoadTiles);
        QVERIFY(menu().demoTimer().isActive()); // Cancel restarts the demo
        whenDialogOpens(escape);
        spellAndOk(test::kStatTiles);
        QCOMPARE(seen, (QStringList{"frmLoadSave", "frmStats"}));
        QCOMPARE(menu().commandWordLabel()->text(), QString());
    }

    // Closed with "Game Loaded!" answered over it, the LOAD dialog gives the keys back to the
    // menu and to the control in it that had them.
    void theMenuTakesTheKeysBackWhenADialogOverItCloses() {
        QVERIFY(
            test::appendPlayer(*m_world->database, QStringLiteral("Ann"), QStringLiteral("pw")));
        QWidget* focused = QApplication::focusWidget();
        whenDialogOpens([](QDialog* dialog) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ann"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("pw"));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        spellAndOk(test::kLoadTiles);
        QCOMPARE(menu().session().playerName(), QStringLiteral("Ann"));
        QTRY_COMPARE(QApplication::activeWindow(), &menu());
        QCOMPARE(QApplication::focusWidget(), focused);
    }

    // The real boxes show a typed name as typed, never read as markup.
    void messageBoxesShowTheirTextAsTyped() {
        const QString text = QStringLiteral("<b>Bold</b> <a href=x>link</a>");
        QString shown;
        whenDialogOpens([&](QDialog* dialog) {
            auto* box = qobject_cast<GameMessageDialog*>(dialog);
            QVERIFY(box != nullptr);
            shown = test::shownText(box->textLabel()->text(), box->textLabel()->textFormat());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QtMessageBoxes().show(text, style::kPlain, kAppTitle);
        QCOMPARE(shown, text);
    }

    // The score tables STAT opens know who is signed in on the menu: its History page shows
    // that player's levels.
    void statsShowsTheHistoryOfThePlayerSignedInOnTheMenu() {
        QVERIFY(m_world->database->appendHistory(
            QStringLiteral("Ann"),
            {Level::Easy, QDateTime::currentDateTimeUtc(), 4200, 3, QStringLiteral("CATS"), 40},
            {"CAT"}));
        menu().session().setPlayerName(QStringLiteral("Ann"));
        QString heading;
        whenDialogOpens([&](QDialog* dialog) {
            if (auto* stats = qobject_cast<StatsScreen*>(dialog)) {
                QTest::mouseClick(stats->historyButton(), Qt::LeftButton);
                heading = stats->historyPage()->headingLabel()->text();
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        spellAndOk(test::kStatTiles);
        QCOMPARE(heading, QStringLiteral("History of Ann"));
    }

    // What the speaker was left at is what the next start opens with.
    void theSpeakersChoiceIsKeptForTheNextRun() {
        m_screens.reset();
        MuteSwitch& mute = m_world->muteThroughSwitch();
        m_screens = std::make_unique<GameScreens>(m_world->services);
        QVERIFY(menu().soundToggle()->soundOn());
        QTest::mouseClick(menu().soundToggle(), Qt::LeftButton);
        QVERIFY(mute.muted());
        m_screens.reset();
        MuteSwitch& next = m_world->muteThroughSwitch();
        m_screens = std::make_unique<GameScreens>(m_world->services);
        QVERIFY(next.muted());
        QVERIFY(!menu().soundToggle()->soundOn());
    }

    // Through the menu's control, a second play of the day is told it is practice before its
    // board opens; it plays to its summary and keeps nothing: the day's first result stays and
    // no level history takes it.
    void aSecondPlayOfTheDayIsToldPracticeFirstAndKeepsNothing() {
        const QDate day(2026, 12, 10);
        m_screens = std::make_unique<GameScreens>(m_world->services,
                                                  [day] { return QDateTime(day, QTime(10, 0)); });
        menu().show();
        menu().session().setPlayerName(QStringLiteral("Ann"));
        const DailyRow first{day, "Ann", 777, 3, "CATS", 5, QDateTime(day, QTime(8, 0), Qt::UTC)};
        QCOMPARE(m_world->database->keepDailyResult(first), DailyWrite::Kept);
        QWidget* openAtTheMessage = &menu();
        m_world->messages.onShow = [&](const test::ShownMessage&) {
            openAtTheMessage = QApplication::activeModalWidget();
        };
        QString heading;
        QString note;
        whenDialogOpens([&](QDialog* dialog) {
            auto* board = qobject_cast<BoardScreen*>(dialog);
            if (board == nullptr) {
                dialog->reject(); // the comparisons below fail
                return;
            }
            heading = board->headingLabel()->text();
            whenDialogOpens([&](QDialog* shown) {
                if (auto* summary = qobject_cast<SummaryScreen*>(shown)) {
                    note = summary->dayNote()->text();
                    summary->model().done();
                    summary->model().goOnExit();
                }
            });
            test::startPlaying(*board);
            test::runOutTheClock(*board);
        });
        QTest::mouseClick(menu().todayEntry(), Qt::LeftButton);
        QCOMPARE(m_world->messages.shown.size(), 1);
        QVERIFY(m_world->messages.texts().constFirst().endsWith(
            QStringLiteral("This play is practice.")));
        QCOMPARE(openAtTheMessage, nullptr);
        QCOMPARE(heading, QStringLiteral("TODAY  2026-12-10"));
        QVERIFY(note.contains(QStringLiteral("practice")) &&
                note.contains(QStringLiteral("keeps your first result")));
        m_screens.reset(); // what waits is written as the program ends
        QCOMPARE(*m_world->database->dailyResult(QStringLiteral("Ann"), day), first);
        QVERIFY(m_world->database->historyOf(QStringLiteral("Ann")).isNotFound());
    }

    // Last: ending the program leaves no event loop running for later tests.
    void quitEndsTheEventLoopWithStatusZero() {
        for (int t : test::kQuitTiles) {
            QTest::mouseClick(menu().tile(t), Qt::LeftButton);
        }
        QTimer::singleShot(0, &menu(),
                           [this] { QTest::mouseClick(menu().okLabel(), Qt::LeftButton); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(2000);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(m_world->cues.played.last(), Cue::Quit);
    }
};

QTEST_MAIN(TestGameScreens)
#include "TestGameScreens.moc"
