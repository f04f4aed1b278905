#include "AccessTree.h"
#include "Contrast.h"
#include "Gestures.h"
#include "MenuCommands.h"
#include "ShownText.h"
#include "TestWorld.h"
#include "core/sound/Cues.h"
#include "ui/menu/LoadSaveDialog.h"
#include "ui/menu/MenuArt.h"
#include "ui/menu/MenuScreen.h"
#include "ui/menu/RegistrationDialog.h"
#include "ui/widgets/ClickLabel.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/SpeakerToggle.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>

using namespace vortalex;

namespace {

const QColor kBlack{0, 0, 0};
const QColor kCyan{0, 255, 255};
const QColor kGreen{0, 255, 0};

// What the window system shows of `widget`: its window's last drawing, not a fresh one.
QImage shownOf(QWidget* widget) {
    QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, QPoint());
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

} // namespace

class TestMenuScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<test::RecordingMenuActions> m_actions;
    std::unique_ptr<MenuScreen> m_menu;

    void spell(const QList<int>& tiles) {
        for (int t : tiles) {
            QTest::mouseClick(m_menu->tile(t), Qt::LeftButton);
        }
    }
    void clickOk() { QTest::mouseClick(m_menu->okLabel(), Qt::LeftButton); }

    // A registration that is typed and answered without a modal loop.
    void registerWith(const QString& name, bool cancel) {
        m_actions->onRegistration = [this, name, cancel] {
            RegistrationDialog dialog(m_world->services, m_menu->session(), m_menu.get());
            dialog.show();
            QTest::keyClicks(dialog.nameBox(), name);
            QTest::keyClick(dialog.nameBox(), cancel ? Qt::Key_Escape : Qt::Key_Return);
        };
    }

    // The menu again, with a speaker control over a mute switch as the program has, in front.
    MuteSwitch& showWithSpeaker() {
        m_menu.reset();
        MuteSwitch& mute = m_world->muteThroughSwitch();
        m_menu = std::make_unique<MenuScreen>(m_world->services, *m_actions);
        m_menu->show();
        m_menu->activateWindow();
        if (!QTest::qWaitForWindowActive(m_menu.get())) {
            qFatal("the menu was not made active");
        }
        return mute;
    }

private slots:
    void init() {
        m_world = std::make_unique<test::TestWorld>();
        m_actions = std::make_unique<test::RecordingMenuActions>();
        m_menu = std::make_unique<MenuScreen>(m_world->services, *m_actions);
        m_menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_menu.get()));
    }

    void cleanup() {
        m_menu.reset();
        m_actions.reset();
        m_world.reset();
    }

    void opensAsTheBorderlessCentredMenu() {
        QCOMPARE(m_menu->windowTitle(), MenuScreen::kTitle);
        QCOMPARE(m_menu->size(), QSize(800, 600));
        QVERIFY(m_menu->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(m_menu->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(m_menu->geometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(m_menu->greetingLabel()->text(), QStringLiteral("Welcome Guest ! . . ."));
        for (const Level level : allLevels()) {
            QVERIFY(!m_menu->levelEntry(level)->isEnabled());
        }
        QVERIFY(m_menu->demoTimer().isActive());
        QCOMPARE(m_menu->demoTimer().interval(), 500);
    }

    void tilesStandWhereTheLayoutPutsThem() {
        // Tile k: Left 420 + 540 (column - 1), Top 5940 + 540 (row - 1) twips; tile 5 at 5970.
        QCOMPARE(m_menu->tile(1)->geometry(), QRect(28, 396, 33, 33));
        QCOMPARE(m_menu->tile(25)->geometry(), QRect(28 + 4 * 36, 396 + 4 * 36, 33, 33));
        QCOMPARE(m_menu->tile(5)->y(), 398);
        QCOMPARE(m_menu->tile(7)->text(), QStringLiteral("A"));
        QCOMPARE(m_menu->okPicture()->geometry(), QRect(216, 516, 88, 32));
        QCOMPARE(m_menu->clearPicture()->geometry(), QRect(216, 549, 88, 32));
        QVERIFY(m_menu->okPicture()->geometry().contains(m_menu->okLabel()->geometry()));
    }

    // The tiles stand close to the window's bottom edge and to Ok and Clear; what the
    // background lays behind them must neither overlap nor crowd the edge.
    void thePanelsKeepClearOfOneAnotherAndOfTheWindowsEdges() {
        const art::MenuFrames frames = m_menu->frames();
        const art::MenuPanels panels = art::menuPanels(frames);
        QVERIFY(panels.field.contains(QRectF(frames.field)));
        QVERIFY(panels.buttons.intersects(QRectF(frames.buttons)));
        const QList<std::pair<const char*, QRectF>> all{{"field", panels.field},
                                                        {"command word", panels.commandWord},
                                                        {"buttons", panels.buttons},
                                                        {"instructions", panels.instructions},
                                                        {"levels", panels.levels}};
        const qreal edge = 16;
        const QRectF inside = QRectF(m_menu->rect()).adjusted(edge, edge, -edge, -edge);
        for (qsizetype i = 0; i < all.size(); ++i) {
            QVERIFY2(inside.contains(all.at(i).second), all.at(i).first);
            for (qsizetype j = i + 1; j < all.size(); ++j) {
                QVERIFY2(!all.at(i).second.intersects(all.at(j).second),
                         qPrintable(QStringLiteral("%1 and %2")
                                        .arg(QLatin1String(all.at(i).first),
                                             QLatin1String(all.at(j).first))));
            }
        }
    }

    void theDemoLightsTilesOnItsOwnTimer() {
        QTRY_VERIFY_WITH_TIMEOUT(m_menu->tile(12)->lit(), 1500);
        QTRY_VERIFY_WITH_TIMEOUT(m_menu->tile(18)->lit(), 1500);
        QCOMPARE(m_menu->tile(12)->textColour(), QColor(255, 255, 0));
        QTest::mouseClick(m_menu->commandWordLabel(), Qt::LeftButton);
        QVERIFY(!m_menu->demoTimer().isActive());
        QVERIFY(!m_menu->clearTimer().isActive());
    }

    void pickedTilesShowTheirStateInColour() {
        spell({12});
        QCOMPARE(m_menu->tile(12)->textColour(), LetterTile::kUsedText);
        for (int n : {6, 7, 8, 11, 13, 16, 17, 18}) {
            QCOMPARE(m_menu->tile(n)->textColour(), LetterTile::kOpenText);
        }
        QCOMPARE(m_menu->tile(1)->textColour(), LetterTile::kPlainText);
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("S"));
    }

    void doubleClickingTheLastLetterRunsTheCommand() {
        spell({17, 11, 7});
        test::realDoubleClick(m_menu->tile(3));
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("load")});
        QCOMPARE(m_menu->commandWordLabel()->text(), QString()); // the menu was activated anew
    }

    void rightClickClearsTheWordAndNeverPicks() {
        spell({17, 11});
        QTest::mouseClick(m_menu->tile(11), Qt::RightButton);
        QCOMPARE(m_menu->commandWordLabel()->text(), QString());
        QCOMPARE(m_menu->tile(11)->textColour(), LetterTile::kPlainText);
        QTest::mouseClick(m_menu->tile(1), Qt::RightButton);
        QCOMPARE(m_menu->commandWordLabel()->text(), QString());
        QTest::mouseClick(m_menu->tile(1), Qt::LeftButton);
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("Q"));
    }

    void clearEmptiesTheFieldWithItsCue() {
        spell(test::kStatTiles);
        QTest::mouseClick(m_menu->clearPicture(), Qt::LeftButton);
        QCOMPARE(m_menu->commandWordLabel()->text(), QString());
        QCOMPARE(m_world->cues.played.last(), Cue::Level);
        QCOMPARE(m_menu->tile(22)->textColour(), LetterTile::kPlainText);
    }

    void helpLeavesTheWordOnTheField() {
        spell(test::kHelpTiles);
        clickOk();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("help")});
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("HELP"));
        QCOMPARE(m_menu->tile(23)->textColour(), LetterTile::kUsedText);
    }

    void messagesDoNotResetTheField() {
        clickOk(); // nothing picked
        QCOMPARE(m_world->messages.texts(), QStringList{MenuModel::kNoCommand});
        spell({1, 2});
        // A message box closing activates the menu again in the window system; the field must
        // keep the word all the same.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(m_menu.get(), &activate);
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("QW"));
    }

    // Shown as typed, never read as markup.
    void aLongNameIsCutShortInTheGreetingAndShownWholeAsItsTooltip() {
        const QString name = QStringLiteral("<b>Maximiliana</b> Theodora Wolkenstein");
        registerWith(name, false);
        spell(test::kStartTiles);
        clickOk();
        QCOMPARE(m_menu->session().playerName(), name);
        const QLabel* greeting = m_menu->greetingLabel();
        const QString shown = test::shownText(greeting->text(), greeting->textFormat());
        QVERIFY2(shown.startsWith(QStringLiteral("Welcome [<b>Maxi")), qPrintable(shown));
        QVERIFY2(shown.endsWith(QStringLiteral("…]")), qPrintable(shown));
        QVERIFY(greeting->fontMetrics().horizontalAdvance(shown) <=
                greeting->contentsRect().width());
        QCOMPARE(test::shownText(greeting->toolTip()), name);
    }

    void startThenRegistrationOkSignsThePlayerIn() {
        registerWith(QStringLiteral("O'Brien \"Bob\""), false);
        spell(test::kStartTiles);
        QVERIFY(!m_menu->demoTimer().isActive());
        clickOk();
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("registration")});
        QCOMPARE(m_menu->greetingLabel()->text(), QStringLiteral("Welcome [O'Brien \"Bob\"]"));
        QCOMPARE(m_menu->session().playerName(), QStringLiteral("O'Brien \"Bob\""));
        QVERIFY(m_menu->levelEntry(Level::Easy)->isEnabled());
        QVERIFY(!m_menu->levelEntry(Level::Intermediate)->isEnabled());
        QVERIFY(m_menu->demoTimer().isActive());
        QVERIFY(m_menu->session().startChosen());
        QCOMPARE(m_menu->commandWordLabel()->text(), QString());
        QVERIFY(m_world->messages.shown.isEmpty());

        // Signed in: START stays refused, also after the demo has ticked.
        QTRY_VERIFY_WITH_TIMEOUT(!m_menu->session().startChosen(), 1500);
        spell(test::kStartTiles);
        clickOk();
        QCOMPARE(m_world->messages.texts(), QStringList{MenuModel::startRefusal()});
        QCOMPARE(m_actions->calls.size(), 1);

        QTest::mouseClick(m_menu->levelEntry(Level::Easy), Qt::LeftButton);
        QCOMPARE(m_actions->levels, QList<Level>{Level::Easy});
        QCOMPARE(m_world->cues.played.last(), Cue::LevelChosen);
    }

    void cancelledRegistrationLetsStartRunAgainAtOnce() {
        registerWith(QStringLiteral("Ann"), true);
        m_menu->session().setLevelOpen(Level::Easy, true);
        spell(test::kStartTiles);
        clickOk();
        QCOMPARE(m_actions->calls.size(), 1);
        QVERIFY(!m_menu->levelEntry(Level::Easy)->isEnabled());
        QCOMPARE(m_menu->greetingLabel()->text(), SessionState::kGuestGreeting);
        QVERIFY(m_menu->demoTimer().isActive());

        // Spelled before the demo's next tick, which the first letter stops.
        spell(test::kStartTiles);
        QVERIFY(!m_menu->demoTimer().isActive());
        clickOk();
        QCOMPARE(m_actions->calls.size(), 2);
        QVERIFY(m_world->messages.shown.isEmpty());
    }

    void loadSignsAStoredPlayerInWithAllFourFlags() {
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"),
                                   QStringLiteral("Pa'ss"), {false, true, false, true}));
        for (const Level level : allLevels()) {
            m_menu->session().setLevelOpen(level, true);
        }
        m_actions->onLoad = [this] {
            LoadSaveDialog dialog(m_world->services, m_menu->session(), m_menu.get());
            dialog.show();
            QTest::keyClicks(dialog.nameBox(), QStringLiteral("ann"));
            QTest::keyClicks(dialog.passwordBox(), QStringLiteral("PA'SS"));
            QTest::keyClick(dialog.passwordBox(), Qt::Key_Return);
            QTRY_VERIFY(!dialog.isVisible()); // the password is checked on another thread
        };
        spell(test::kLoadTiles);
        clickOk();
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kLoaded});
        QCOMPARE(m_menu->session().playerName(), QStringLiteral("Ann"));
        QCOMPARE(m_menu->greetingLabel()->text(), QStringLiteral("Welcome [Ann]"));
        QVERIFY(!m_menu->levelEntry(Level::Easy)->isEnabled());
        QVERIFY(m_menu->levelEntry(Level::Intermediate)->isEnabled());
        QVERIFY(!m_menu->levelEntry(Level::Difficult)->isEnabled());
        QVERIFY(m_menu->levelEntry(Level::Expert)->isEnabled());
        QVERIFY(!m_menu->demoTimer().isActive()); // a load does not restart the demo

        spell(test::kStartTiles);
        clickOk();
        QCOMPARE(m_world->messages.texts().last(), MenuModel::startRefusal());
    }

    void levelChooserIgnoresClosedEntriesAndOpensAnOpenOne() {
        QTest::mouseClick(m_menu->levelEntry(Level::Easy), Qt::LeftButton);
        QTest::mouseClick(m_menu->levelEntry(Level::Expert), Qt::LeftButton);
        QVERIFY(m_actions->levels.isEmpty());
        QVERIFY(m_world->cues.played.isEmpty());
        m_menu->session().setLevelOpen(Level::Difficult, true);
        spell({1, 2});
        QTest::mouseClick(m_menu->levelEntry(Level::Difficult), Qt::LeftButton);
        QCOMPARE(m_actions->levels, QList<Level>{Level::Difficult});
        QCOMPARE(m_world->cues.played.last(), Cue::LevelChosen);
        QCOMPARE(m_menu->commandWordLabel()->text(), QString());
    }

    void buttonsAndLevelsTakeEitherMouseButton() {
        spell(test::kStatTiles);
        QTest::mouseClick(m_menu->okPicture(), Qt::RightButton);
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("stats")});
        spell({1, 2});
        QTest::mouseClick(m_menu->clearLabel(), Qt::RightButton);
        QCOMPARE(m_menu->commandWordLabel()->text(), QString());
        m_menu->session().setLevelOpen(Level::Expert, true);
        QTest::mouseClick(m_menu->levelEntry(Level::Expert), Qt::RightButton);
        QCOMPARE(m_actions->levels, QList<Level>{Level::Expert});
        QTest::mouseClick(m_menu->levelEntry(Level::Expert), Qt::MiddleButton);
        QCOMPARE(m_actions->levels.size(), 1);
    }

    void hoverColoursFollowThePointer() {
        m_menu->session().setLevelOpen(Level::Intermediate, true);
        test::hover(m_menu->okLabel());
        QCOMPARE(m_menu->okLabel()->textColour(), kCyan);
        test::hover(m_menu->clearLabel());
        QCOMPARE(m_menu->clearLabel()->textColour(), kCyan);
        QCOMPARE(m_menu->okLabel()->textColour(), kCyan); // a caption alone leaves the other
        test::hover(m_menu->okPicture(), QPoint(2, 2));
        QCOMPARE(m_menu->okLabel()->textColour(), kCyan);
        QCOMPARE(m_menu->clearLabel()->textColour(), kBlack);
        test::hover(m_menu->clearPicture(), QPoint(2, 2));
        QCOMPARE(m_menu->clearLabel()->textColour(), kCyan);
        QCOMPARE(m_menu->okLabel()->textColour(), kBlack);
        test::hover(m_menu->levelEntry(Level::Intermediate));
        QCOMPARE(m_menu->levelEntry(Level::Intermediate)->textColour(), kGreen);
        QCOMPARE(m_menu->levelEntry(Level::Easy)->textColour(), kBlack);
        test::hover(m_menu.get(), QPoint(700, 20));
        QCOMPARE(m_menu->levelEntry(Level::Intermediate)->textColour(), kBlack);
        QCOMPARE(m_menu->okLabel()->textColour(), kBlack);
        QCOMPARE(m_menu->clearLabel()->textColour(), kBlack);
    }

    // The rules' cyan and green under the pointer, on what stands behind them.
    void captionsUnderThePointerStayReadable() {
        m_menu->session().setLevelOpen(Level::Easy, true);
        test::hover(m_menu->okLabel());
        QVERIFY(test::contrast(m_menu->okLabel()->textColour(),
                               test::faceOf(m_menu->okPicture())) >= 3);
        ClickLabel* easy = m_menu->levelEntry(Level::Easy);
        test::hover(easy);
        QVERIFY(test::contrast(easy->textColour(), test::faceOf(easy)) >= 3);
    }

    // At one and a half times the design size each tile stands where the player sees it: clicks
    // through the window pick the tile under the pointer, and a real double-click on the last
    // letter runs the command.
    void atAScaleAClickPicksTheTileUnderThePointer() {
        QList<QWidget*> tiles;
        for (int t : test::kLoadTiles) {
            tiles.append(m_menu->tile(t));
        }
        const QList<QPoint> design = test::centresOf(tiles);
        test::enlargeByHalf(m_menu.get());
        QCOMPARE(m_menu->layout().scale(), 1.5);
        for (qsizetype i = 0; i + 1 < design.size(); ++i) {
            test::clickInWindow(m_menu.get(), design.at(i) * 1.5);
        }
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("LOA"));
        test::doubleClickInWindow(m_menu.get(), design.last() * 1.5);
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("load")});
    }

    void pressingAButtonFramesItsPictureUntilRelease() {
        ClickLabel* picture = m_menu->okPicture();
        const QPoint edge(0, picture->height() / 2);
        const QColor unpressed = picture->grab().toImage().pixelColor(edge);
        QTest::mousePress(m_menu->okLabel(), Qt::LeftButton);
        QCOMPARE(picture->grab().toImage().pixelColor(edge), kBlack);
        QTest::mouseRelease(m_menu->okLabel(), Qt::LeftButton);
        QCOMPARE(picture->grab().toImage().pixelColor(edge), unpressed);
        QVERIFY(unpressed != kBlack);
        // Clear's caption frames Clear's picture, not Ok's.
        QTest::mousePress(m_menu->clearLabel(), Qt::LeftButton);
        QCOMPARE(m_menu->clearPicture()->grab().toImage().pixelColor(edge), kBlack);
        QCOMPARE(picture->grab().toImage().pixelColor(edge), unpressed);
        QTest::mouseRelease(m_menu->clearLabel(), Qt::LeftButton);
    }

    // ---------------------------------------------------------------- keyboard

    void typingACommandAndReturnRunsIt() {
        QTest::keyClicks(m_menu.get(), QStringLiteral("stat"));
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("STAT"));
        QCOMPARE(m_menu->tile(12)->textColour(), LetterTile::kUsedText);
        QTest::keyClick(m_menu.get(), Qt::Key_Return);
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("stats")});
    }

    void backspaceAndEscapeClearAsTheClearButtonDoes() {
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Escape}) {
            QTest::keyClicks(m_menu.get(), QStringLiteral("LO"));
            m_world->cues.played.clear();
            QTest::keyClick(m_menu.get(), key);
            QVERIFY(m_menu->commandWordLabel()->text().isEmpty());
            QCOMPARE(m_menu->tile(17)->textColour(), LetterTile::kPlainText);
            QCOMPARE(m_world->cues.played, QList<Cue>{Cue::Level});
        }
        QVERIFY(m_menu->isVisible());
    }

    void openLevelEntriesTakeTheFocusAndOpenFromTheKeyboard() {
        ClickLabel* easy = m_menu->levelEntry(Level::Easy);
        easy->setFocus(Qt::TabFocusReason);
        QVERIFY(!easy->hasFocus()); // closed: no focus
        m_menu->session().setLevelOpen(Level::Easy, true);
        m_menu->okLabel()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_menu->okLabel(), Qt::Key_Backtab); // the closed entries are passed by
        QCOMPARE(QApplication::focusWidget(), easy);
        QTest::keyClick(easy, Qt::Key_Return);
        QCOMPARE(m_actions->levels, QList<Level>{Level::Easy});
        // The keys are the field's again: Return is Ok, not the entry once more.
        QCOMPARE(QApplication::focusWidget(), m_menu.get());
        QTest::keyClicks(m_menu.get(), QStringLiteral("STAT"));
        QTest::keyClick(m_menu.get(), Qt::Key_Return);
        QCOMPARE(m_actions->levels, QList<Level>{Level::Easy});
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("stats")});
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(easy);
        QCOMPARE(entry->role(), QAccessible::Button);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Easy level"));
    }

    void theSpeakerSwitchesTheCuesOffAndOnAgain() {
        MuteSwitch& mute = showWithSpeaker();
        QTest::mouseClick(m_menu->soundToggle(), Qt::LeftButton);
        QVERIFY(mute.muted());
        QTest::mouseClick(m_menu->clearPicture(), Qt::LeftButton);
        QVERIFY(m_world->cues.played.isEmpty());
        QTest::mouseClick(m_menu->soundToggle(), Qt::LeftButton);
        QVERIFY(!mute.muted());
        QTest::mouseClick(m_menu->clearPicture(), Qt::LeftButton);
        QCOMPARE(m_world->cues.played, QList<Cue>{Cue::Level});
    }

    // The letters spell commands, so only Ctrl+M switches the sound.
    void ctrlMSwitchesTheSoundAndAPlainMStillTypes() {
        MuteSwitch& mute = showWithSpeaker();
        QTest::keyClick(m_menu.get(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(mute.muted());
        QTest::keyClick(m_menu->tile(12), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!mute.muted());
        QTest::keyClicks(m_menu.get(), QStringLiteral("mstm"));
        QVERIFY(!mute.muted());
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("ST")); // no M on the field
    }

    // Ctrl+M switches the switch, not the control: the control follows it, in the picture on
    // the screen (drawn when the window system next asks) and in its tooltip. What it tells a
    // listening screen reader cannot be heard here: with none running, Qt tells nothing.
    void theSpeakerShowsWhatCtrlMSwitched() {
        showWithSpeaker();
        SpeakerToggle* sound = m_menu->soundToggle();
        QTRY_VERIFY(!shownOf(sound).isNull());
        const QImage on = shownOf(sound);
        const QString onTip = sound->toolTip();
        QTest::keyClick(m_menu.get(), Qt::Key_M, Qt::ControlModifier);
        QTRY_VERIFY(shownOf(sound) != on);
        QVERIFY(sound->toolTip() != onTip);
        QTest::keyClick(m_menu.get(), Qt::Key_M, Qt::ControlModifier);
        QTRY_COMPARE(shownOf(sound), on);
        QCOMPARE(sound->toolTip(), onTip);
    }

    void theSpeakerReadsAsACheckBoxNamedSoundCheckedWhileSoundIsOn() {
        MuteSwitch& mute = showWithSpeaker();
        QAccessibleInterface* sound = QAccessible::queryAccessibleInterface(m_menu->soundToggle());
        QCOMPARE(sound->role(), QAccessible::CheckBox);
        QCOMPARE(sound->text(QAccessible::Name), QStringLiteral("Sound"));
        QVERIFY(sound->state().checkable);
        QVERIFY(sound->state().checked);
        QVERIFY(sound->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        sound->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(mute.muted());
        QVERIFY(!sound->state().checked);
        mute.toggle();
        QVERIFY(sound->state().checked);
    }

    // Added beside the rules' controls, the speaker and today's field move nothing of the menu
    // and stay clear of every control and panel.
    void theSpeakerAndTodaysFieldCoverNothingOfTheMenu() {
        const QRect before = m_menu->okLabel()->geometry();
        showWithSpeaker();
        QCOMPARE(m_menu->okLabel()->geometry(), before);
        const art::MenuPanels panels = art::menuPanels(m_menu->frames());
        for (QWidget* added : QList<QWidget*>{m_menu->soundToggle(), m_menu->todayEntry()}) {
            const QRect place = added->geometry();
            QVERIFY(added->isVisible());
            QVERIFY(m_menu->rect().contains(place));
            for (QWidget* w : m_menu->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w != added && w->isVisible()) {
                    QVERIFY2(!w->geometry().intersects(place), qPrintable(w->objectName()));
                }
            }
            for (const QRectF& panel : {panels.field, panels.commandWord, panels.buttons,
                                        panels.instructions, panels.levels}) {
                QVERIFY(!panel.intersects(QRectF(place)));
            }
        }
    }

    // A guest, every level closed, opens it with a click, or with Tab from Clear and Return;
    // then the keys are the field's again.
    void todaysFieldOpensForAGuestByMouseAndByKeyboard() {
        ClickLabel* today = m_menu->todayEntry();
        QTest::mouseClick(today, Qt::LeftButton);
        QCOMPARE(m_actions->calls, QStringList{QStringLiteral("today")});
        QCOMPARE(m_world->cues.played.last(), Cue::LevelChosen);
        m_menu->clearLabel()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(m_menu->clearLabel(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), today);
        QTest::keyClick(today, Qt::Key_Return);
        QCOMPARE(m_actions->calls.size(), 2);
        QCOMPARE(QApplication::focusWidget(), m_menu.get());
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(today);
        QCOMPARE(entry->role(), QAccessible::Button);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Today's field"));
    }

    // A menu built without a switch shows no control that would do nothing.
    void withoutASwitchThereIsNoSpeaker() { QVERIFY(!m_menu->soundToggle()->isVisible()); }

    void menuTilesReadTheirLetterAndPlace() {
        QCOMPARE(QAccessible::queryAccessibleInterface(m_menu->tile(7))->text(QAccessible::Name),
                 QStringLiteral("A, row 2, column 2"));
        QTest::keyClicks(m_menu.get(), QStringLiteral("Q"));
        QAccessibleInterface* q = QAccessible::queryAccessibleInterface(m_menu->tile(1));
        QVERIFY(q->state().checked);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(m_menu->tile(25))->text(QAccessible::Description),
            QStringLiteral("out of reach"));
    }

    // The pictures behind Ok and Clear only decorate; the command word reads even while empty.
    void aScreenReaderMeetsNoSilentLabelOnTheMenu() {
        const QStringList silent = test::silentAccessibleNodes(m_menu.get());
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
        QCOMPARE(QAccessible::queryAccessibleInterface(m_menu->commandWordLabel())
                     ->text(QAccessible::Name),
                 QStringLiteral("Command word: none"));
        QTest::keyClicks(m_menu.get(), QStringLiteral("QW"));
        QCOMPARE(QAccessible::queryAccessibleInterface(m_menu->commandWordLabel())
                     ->text(QAccessible::Name),
                 QStringLiteral("Command word: QW"));
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(m_menu.get());
        QCOMPARE(menu->role(), QAccessible::Client);
        QCOMPARE(menu->text(QAccessible::Name), MenuScreen::kTitle);
        QAccessibleInterface* ok = QAccessible::queryAccessibleInterface(m_menu->okLabel());
        QVERIFY(menu->indexOfChild(ok) >= 0);
        QCOMPARE(menu->child(menu->indexOfChild(ok)), ok);
        QCOMPARE(menu->indexOfChild(QAccessible::queryAccessibleInterface(m_menu->okPicture())),
                 -1);
    }
};

QTEST_MAIN(TestMenuScreen)
#include "TestMenuScreen.moc"
