#include "Gestures.h"
#include "TestWorld.h"
#include "summary/StatsScreen.h"
#include "widgets/ScoreGrid.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

using namespace vortalex;

namespace {

QList<RankRow> shownRows(const QTableWidget* table) {
    QList<RankRow> rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        rows.append({table->item(r, 0)->text(), table->item(r, 1)->text().toLongLong()});
    }
    return rows;
}

void checkHeader(const QTableWidget* table) {
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Player"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Score"));
    QCOMPARE(table->columnWidth(0), 100); // 1500 twips
    QCOMPARE(table->columnWidth(1), 67);  // 1000 twips
}

} // namespace

class TestStatsScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;

private slots:
    void init() { m_world = std::make_unique<test::TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void anEmptyDatabaseShowsOnlyTheHeader() {
        StatsScreen screen(m_world->services);
        screen.show();
        QCOMPARE(screen.table()->rowCount(), 0);
        checkHeader(screen.table());
        for (const Level level : allLevels()) {
            QTest::mouseClick(screen.levelButton(level), Qt::LeftButton);
            QCOMPARE(screen.shownLevel(), std::optional<Level>(level));
            QCOMPARE(screen.table()->rowCount(), 0);
            checkHeader(screen.table());
        }
    }

    void rankingsComeHighestFirstByNumberWithTiesKept() {
        GameDatabase& db = *m_world->database;
        QVERIFY(db.appendTotal(QStringLiteral("Ann"), 900));
        QVERIFY(db.appendTotal(QStringLiteral("O'Brien"), 12000));
        QVERIFY(db.appendTotal(QStringLiteral("Cy"), 9000));
        QVERIFY(db.appendTotal(QStringLiteral("Dee"), 9000));
        QVERIFY(
            db.appendScore(Level::Expert, {QStringLiteral("Eve"), 400, QStringLiteral("00:00")}));
        QVERIFY(
            db.appendScore(Level::Expert, {QStringLiteral("Fay"), 5050, QStringLiteral("00:00")}));
        QVERIFY(
            db.appendScore(Level::Easy, {QStringLiteral("Gus"), 5000, QStringLiteral("00:00")}));

        StatsScreen screen(m_world->services);
        screen.show();
        const QList<RankRow> overall = shownRows(screen.table());
        QCOMPARE(overall.size(), 4);
        QCOMPARE(overall.at(0), (RankRow{QStringLiteral("O'Brien"), 12000}));
        // Equal scores may come in either order, but both come before the lower one.
        QCOMPARE(overall.at(1).score, 9000);
        QCOMPARE(overall.at(2).score, 9000);
        QCOMPARE((QSet<QString>{overall.at(1).name, overall.at(2).name}),
                 (QSet<QString>{QStringLiteral("Cy"), QStringLiteral("Dee")}));
        QCOMPARE(overall.at(3), (RankRow{QStringLiteral("Ann"), 900}));
        QVERIFY(screen.table()->item(0, 0)->textAlignment() & Qt::AlignLeft);
        QVERIFY(screen.table()->item(0, 1)->textAlignment() & Qt::AlignHCenter);

        QTest::mouseClick(screen.levelButton(Level::Expert), Qt::LeftButton);
        QCOMPARE(shownRows(screen.table()),
                 (QList<RankRow>{{QStringLiteral("Fay"), 5050}, {QStringLiteral("Eve"), 400}}));
        checkHeader(screen.table());
        QTest::mouseClick(screen.levelButton(Level::Intermediate), Qt::LeftButton);
        QCOMPARE(screen.table()->rowCount(), 0);
        QTest::mouseClick(screen.levelButton(Level::Easy), Qt::LeftButton);
        QCOMPARE(shownRows(screen.table()), (QList<RankRow>{{QStringLiteral("Gus"), 5000}}));

        // Shown again, the screen starts from the overall ranking.
        screen.hide();
        screen.show();
        QCOMPARE(screen.shownLevel(), std::nullopt);
        QCOMPARE(shownRows(screen.table()).size(), 4);
    }

    // Only opening the screen brings the overall ranking back: coming back from another
    // program's window keeps the level the player chose.
    void comingBackToTheScreenKeepsTheChosenLevelsRanking() {
        QVERIFY(m_world->database->appendTotal(QStringLiteral("Ann"), 900));
        StatsScreen screen(m_world->services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QTest::mouseClick(screen.levelButton(Level::Expert), Qt::LeftButton);
        QVERIFY(test::leaveAndComeBack(&screen));
        QCOMPARE(screen.shownLevel(), std::optional<Level>(Level::Expert));
        QCOMPARE(screen.table()->rowCount(), 0);
    }

    void aLongNameIsCutShortWithAnEllipsisAndShownWholeAsItsTooltip() {
        const QString name = QStringLiteral("Maximiliana Theodora Wolkenstein-Berg"); // 37
        QVERIFY(m_world->database->appendTotal(name, 12000));
        QVERIFY(m_world->database->appendTotal(QStringLiteral("Ann"), 900));
        StatsScreen screen(m_world->services);
        screen.show();
        const QTableWidget* table = screen.table();
        const QString shown = table->item(0, 0)->text();
        QVERIFY2(shown.startsWith(QStringLiteral("Maxi")) && shown.endsWith(QStringLiteral("…")),
                 qPrintable(shown));
        QVERIFY(table->fontMetrics().horizontalAdvance(shown) < table->columnWidth(0));
        QCOMPARE(table->item(0, 0)->toolTip(), name);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Ann"));
        QVERIFY(table->item(1, 0)->toolTip().isEmpty());
    }

    void buttonsCarryTheirCaptionsAndEscapeIsDone() {
        StatsScreen screen(m_world->services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        const QStringList captions{"&Easy Level", "&Intermediate", "&Difficult", "E&xpert"};
        int lastBottom = 0;
        for (const Level level : allLevels()) {
            QPushButton* button = screen.levelButton(level);
            QCOMPARE(button->text(), captions.at(static_cast<int>(level)));
            QVERIFY(button->y() > lastBottom - 1);                     // stacked top to bottom
            QVERIFY(button->x() > screen.table()->geometry().right()); // beside the grid
            lastBottom = button->geometry().bottom();
        }
        QCOMPARE(screen.doneButton()->text(), QStringLiteral("&Done"));
        QVERIFY(screen.doneButton()->y() > lastBottom);
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
    }

    void noDatabaseShowsEmptyTables() {
        m_world->services.database = nullptr;
        StatsScreen screen(m_world->services);
        screen.show();
        QCOMPARE(screen.table()->rowCount(), 0);
        QTest::mouseClick(screen.levelButton(Level::Difficult), Qt::LeftButton);
        QCOMPARE(screen.table()->rowCount(), 0);
        checkHeader(screen.table());
    }
};

QTEST_MAIN(TestStatsScreen)
#include "TestStatsScreen.moc"
