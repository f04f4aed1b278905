#include "TestWorld.h"
#include "menu/MenuScreen.h"
#include "sound/Cues.h"
#include "widgets/ClickLabel.h"
#include "widgets/LetterTile.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

using namespace vortalex;

class TestMenuKeys : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<MenuScreen> m_menu;
    QStringList m_opened;
    QList<Level> m_levels;

private slots:
    void init() {
        m_world = std::make_unique<test::TestWorld>();
        m_menu = std::make_unique<MenuScreen>(m_world->services);
        m_opened.clear();
        m_levels.clear();
        m_menu->openStatsScreen = [this] {
            m_opened.append(QStringLiteral("stats"));
        };
        m_menu->openLevels = [this](Level level) {
            m_levels.append(level);
        };
        m_menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_menu.get()));
    }

    void cleanup() {
        m_menu.reset();
        m_world.reset();
    }

    void typingACommandAndReturnRunsIt() {
        QTest::keyClicks(m_menu.get(), QStringLiteral("stat"));
        QCOMPARE(m_menu->commandWordLabel()->text(), QStringLiteral("STAT"));
        QCOMPARE(m_menu->tile(12)->textColour(), LetterTile::kUsedText);
        QTest::keyClick(m_menu.get(), Qt::Key_Return);
        QCOMPARE(m_opened, QStringList{QStringLiteral("stats")});
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
        QTest::keyClick(m_menu->okLabel(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), easy);
        QTest::keyClick(easy, Qt::Key_Return);
        QCOMPARE(m_levels, QList<Level>{Level::Easy});
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(easy);
        QCOMPARE(entry->role(), QAccessible::Button);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Easy level"));
    }

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
};

QTEST_MAIN(TestMenuKeys)
#include "TestMenuKeys.moc"
