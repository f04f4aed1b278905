#include "Gestures.h"
#include "RawConnection.h"
#include "ShownText.h"
#include "TestWorld.h"
#include "ui/summary/HistoryPage.h"
#include "ui/summary/StatsScreen.h"
#include "ui/widgets/ScoreGrid.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollBar>
#include <QTableView>
#include <QValueAxis>

using namespace vortalex;

namespace {

QVariant cell(const QTableView* table, int row, int column, int role = Qt::DisplayRole) {
    return table->model()->index(row, column).data(role);
}

// A history of these levels, one row each, in this order.
PlayerHistory historyOf(const QList<std::pair<Level, qint64>>& levels) {
    PlayerHistory history{QStringLiteral("Ann"), {}, 0};
    for (const auto& [level, score] : levels) {
        history.rows.append({level, QDateTime::currentDateTimeUtc(), score, 1, "CAT", 10});
    }
    return history;
}

// The pixels of the chart's plot area drawn in the colour of `level`'s line: its markers, or
// the line itself.
int pixelsOfLevel(HistoryPage& page, Level level) {
    QChartView* view = page.chartView();
    const QImage shown = view->grab().toImage();
    const QRect plot = view->mapFromScene(view->chart()->plotArea()).boundingRect();
    const QColor colour = page.series(level)->pen().color();
    int count = 0;
    for (int y = plot.top(); y <= plot.bottom(); ++y) {
        for (int x = plot.left(); x <= plot.right(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue()) <
                             40
                         ? 1
                         : 0;
        }
    }
    return count;
}

QList<RankRow> shownRows(const QTableView* table) {
    QList<RankRow> rows;
    for (int r = 0; r < table->model()->rowCount(); ++r) {
        rows.append({cell(table, r, 0).toString(), cell(table, r, 1).toString().toLongLong()});
    }
    return rows;
}

// The header and the columns, which fill the grid whether its scroll bar shows or not; an
// empty grid has none.
void checkHeader(const QTableView* table) {
    QCoreApplication::processEvents(); // the grid lays itself out
    const QAbstractItemModel* model = table->model();
    QCOMPARE(model->columnCount(), 2);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Player"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Score"));
    // 1500 and at least 1000 twips, at the grid's scale.
    QVERIFY(table->columnWidth(0) > 0);
    QVERIFY(table->columnWidth(1) * 1500 >= table->columnWidth(0) * 1000);
    QCOMPARE(table->columnWidth(0) + table->columnWidth(1), table->viewport()->width());
    if (model->rowCount() == 0) {
        QVERIFY(!table->verticalScrollBar()->isVisible());
    }
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
        QCOMPARE(screen.table()->model()->rowCount(), 0);
        checkHeader(screen.table());
        for (const Level level : allLevels()) {
            QTest::mouseClick(screen.levelButton(level), Qt::LeftButton);
            QCOMPARE(screen.shownLevel(), std::optional<Level>(level));
            QCOMPARE(screen.table()->model()->rowCount(), 0);
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
        QVERIFY(cell(screen.table(), 0, 0, Qt::TextAlignmentRole).toInt() & Qt::AlignLeft);
        QVERIFY(cell(screen.table(), 0, 1, Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter);

        QTest::mouseClick(screen.levelButton(Level::Expert), Qt::LeftButton);
        QCOMPARE(shownRows(screen.table()),
                 (QList<RankRow>{{QStringLiteral("Fay"), 5050}, {QStringLiteral("Eve"), 400}}));
        checkHeader(screen.table());
        QTest::mouseClick(screen.levelButton(Level::Intermediate), Qt::LeftButton);
        QCOMPARE(screen.table()->model()->rowCount(), 0);
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
        QCOMPARE(screen.table()->model()->rowCount(), 0);
    }

    void aLongNameIsCutShortWithAnEllipsisAndShownWholeAsItsTooltip() {
        const QString name = QStringLiteral("<b>Maximiliana</b> Theodora Wolkenstein-Berg");
        QVERIFY(m_world->database->appendTotal(name, 12000));
        QVERIFY(m_world->database->appendTotal(QStringLiteral("Ann"), 900));
        StatsScreen screen(m_world->services);
        screen.show();
        const QTableView* table = screen.table();
        const QString shown = cell(table, 0, 0).toString();
        QVERIFY2(shown.startsWith(QStringLiteral("<b>Maxi")) && shown.endsWith(QStringLiteral("…")),
                 qPrintable(shown));
        QVERIFY(table->fontMetrics().horizontalAdvance(shown) < table->columnWidth(0));
        QCOMPARE(test::shownText(cell(table, 0, 0, Qt::ToolTipRole).toString()), name);
        QCOMPARE(cell(table, 1, 0).toString(), QStringLiteral("Ann"));
        QVERIFY(cell(table, 1, 0, Qt::ToolTipRole).toString().isEmpty());
    }

    // A ranking of many players is read as the grid scrolls, never whole to be shown.
    void aLongRankingIsReadAsTheGridScrollsDown() {
        constexpr int kPlayers = 600;
        GameDatabase& db = *m_world->database;
        QVERIFY(db.inTransaction([&db] {
            bool ok = true;
            for (int i = 0; i < kPlayers; ++i) {
                ok = ok && db.appendTotal(QStringLiteral("P%1").arg(i), 1000 + i);
            }
            return ok;
        }));
        StatsScreen screen(m_world->services);
        screen.show();
        QTableView* table = screen.table();
        QAbstractItemModel* rows = table->model();
        QVERIFY(rows->rowCount() < kPlayers);
        QCOMPARE(cell(table, 0, 0).toString(), QStringLiteral("P599"));
        for (int step = 0; step < kPlayers && rows->canFetchMore({}); ++step) {
            table->scrollToBottom();
            QCoreApplication::processEvents();
        }
        QCOMPARE(rows->rowCount(), kPlayers);
        QCOMPARE(shownRows(table).last(), (RankRow{QStringLiteral("P0"), 1000}));
        QVERIFY(table->verticalScrollBar()->isVisible());
        checkHeader(table);
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
        m_world->loseDatabase();
        StatsScreen screen(m_world->services);
        screen.show();
        QCOMPARE(screen.table()->model()->rowCount(), 0);
        QTest::mouseClick(screen.levelButton(Level::Difficult), Qt::LeftButton);
        QCOMPARE(screen.table()->model()->rowCount(), 0);
        checkHeader(screen.table());
    }

    // The signed-in player's history, found by the folded name: a line per level played, each
    // score at its place among all the levels played, and the figures of the whole history.
    void theHistoryPageChartsTheSignedInPlayersLevelsWithTheirFigures() {
        GameDatabase& db = *m_world->database;
        const QDateTime when = QDateTime::currentDateTimeUtc();
        QVERIFY(db.appendHistory(QStringLiteral("Ann"), {Level::Easy, when, 4200, 4, "CATS", 40},
                                 {"CAT", "CATS", "DOG"}));
        QVERIFY(db.appendHistory(QStringLiteral("ANN"),
                                 {Level::Intermediate, when, 7350, 2, "STONES", 60},
                                 {"cats", "STONES"}));
        QVERIFY(db.appendHistory(QStringLiteral("Ann"), {Level::Easy, when, 5600, 1, "DOGS", 20},
                                 {"DOGS"}));
        QVERIFY(db.appendHistory(QStringLiteral("Bob"), {Level::Expert, when, 900, 1, "ZEBRAS", 80},
                                 {"ZEBRAS"}));
        m_world->session.setPlayerName(QStringLiteral("ann"));
        StatsScreen screen(m_world->services, m_world->session);
        screen.show();
        QVERIFY(!screen.historyShown());
        QTest::mouseClick(screen.historyButton(), Qt::LeftButton);
        QVERIFY(screen.historyShown());
        const HistoryPage* page = screen.historyPage();
        QVERIFY(page->chartView()->isVisible());
        QVERIFY(!page->emptyLabel()->isVisible());
        QCOMPARE(page->series(Level::Easy)->points(), (QList<QPointF>{{1, 4200}, {3, 5600}}));
        QCOMPARE(page->series(Level::Intermediate)->points(), (QList<QPointF>{{2, 7350}}));
        QVERIFY(!page->series(Level::Expert)->isVisible());
        QVERIFY(page->scoreAxis()->max() >= 7350);
        QVERIFY(page->levelsAxis()->max() >= 3);
        const QList<std::pair<QString, QString>> figures{
            {"Levels played", "3"},
            {"Best Easy", "5600"},
            {"Best Intermediate", "7350"},
            {"Best Difficult", "not played"},
            {"Best Expert", "not played"},
            {"Longest word", "STONES"},
            {"Words found on the fields", "7 of 120 (6%)"},
            {"Different words built", "5"}};
        QCOMPARE(page->shownFigures(), figures);

        // The rankings cannot be reached behind the page, by click, Tab or shortcut.
        QVERIFY(!screen.table()->isVisible());
        QVERIFY(!screen.levelButton(Level::Easy)->isVisible());
        QTest::keyClick(&screen, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(screen.shownLevel(), std::nullopt);
        QTest::mouseClick(page->scoresButton(), Qt::LeftButton);
        QVERIFY(!screen.historyShown());
        QVERIFY(screen.table()->isVisible());
        QCOMPARE(screen.size(), screen.table()->parentWidget()->size());
        QTest::mouseClick(screen.levelButton(Level::Easy), Qt::LeftButton);
        QCOMPARE(screen.shownLevel(), std::optional<Level>(Level::Easy));
    }

    // A level played once is a single point, which only its marker draws.
    void aShortHistoryMarksEachLevelPlayedAndTheLegendNamesOnlyThose() {
        HistoryPage page;
        page.show();
        page.showHistory(historyOf({{Level::Easy, 4200}}));
        QVERIFY(pixelsOfLevel(page, Level::Easy) > 0);
        page.showHistory(
            historyOf({{Level::Easy, 4200}, {Level::Expert, 900}, {Level::Easy, 5600}}));
        for (const Level level : allLevels()) {
            const bool played = level == Level::Easy || level == Level::Expert;
            QCOMPARE(pixelsOfLevel(page, level) > 0, played);
            const QList<QLegendMarker*> markers =
                page.chartView()->chart()->legend()->markers(page.series(level));
            QCOMPARE(markers.size(), 1);
            QCOMPARE(markers.first()->isVisible(), played);
        }
    }

    void theHistoryPageSaysInOneLineWhenThereIsNothingToShow() {
        QVERIFY(m_world->database->appendHistory(
            QStringLiteral("Bob"), {Level::Easy, QDateTime::currentDateTimeUtc(), 900, 1, "X", 5},
            {"X"}));
        StatsScreen signedOut(m_world->services, m_world->session);
        signedOut.show();
        QTest::mouseClick(signedOut.historyButton(), Qt::LeftButton);
        const HistoryPage* page = signedOut.historyPage();
        QVERIFY(page->emptyLabel()->isVisible());
        QCOMPARE(page->emptyLabel()->text(),
                 QStringLiteral("Nobody is signed in: sign in with START or LOAD to keep a "
                                "history."));
        QVERIFY(!page->chartView()->isVisible());
        QVERIFY(page->shownFigures().isEmpty());

        m_world->session.setPlayerName(QStringLiteral("Cy"));
        StatsScreen newcomer(m_world->services, m_world->session);
        newcomer.show();
        QTest::mouseClick(newcomer.historyButton(), Qt::LeftButton);
        QCOMPARE(newcomer.historyPage()->emptyLabel()->text(),
                 QStringLiteral("Cy has not finished a level yet."));
        QVERIFY(!newcomer.historyPage()->chartView()->isVisible());
    }

    // A history that cannot be read whole is not shown in part; scores below zero stay on the
    // chart.
    void theHistoryPageShowsNoPartOfADamagedHistoryAndChartsScoresBelowZero() {
        test::TestWorld world({{"CAT", "x"}}, test::TestWorld::OnDisk);
        GameDatabase& db = *world.database;
        const QDateTime when = QDateTime::currentDateTimeUtc();
        QVERIFY(db.appendHistory(QStringLiteral("Ann"), {Level::Easy, when, -900, 0, {}, 5}, {}));
        QVERIFY(db.appendHistory(QStringLiteral("Ann"), {Level::Easy, when, 4200, 1, "CAT", 5},
                                 {"CAT"}));
        world.session.setPlayerName(QStringLiteral("Ann"));
        StatsScreen screen(world.services, world.session);
        screen.show();
        QTest::mouseClick(screen.historyButton(), Qt::LeftButton);
        const HistoryPage* page = screen.historyPage();
        QVERIFY(page->chartView()->isVisible());
        QVERIFY(page->scoreAxis()->min() <= -900);
        QVERIFY(page->scoreAxis()->max() >= 4200);

        const int root = test::RawConnection(db.path()).rootPage(QStringLiteral("tblHistory"));
        QVERIFY(test::zeroPages(db.path(), root, root));
        // A connection of its own, as the next start has, with no page of the file in memory.
        const auto reopened = GameDatabase::open(db.path()).db;
        world.services.setDatabase(*reopened);
        StatsScreen later(world.services, world.session);
        later.show();
        QTest::mouseClick(later.historyButton(), Qt::LeftButton);
        page = later.historyPage();
        QVERIFY(page->emptyLabel()->isVisible());
        QVERIFY2(page->emptyLabel()->text().startsWith(
                     QStringLiteral("The history of Ann could not be read in full, so none of it "
                                    "is shown: ")),
                 qPrintable(page->emptyLabel()->text()));
        QCOMPARE(page->emptyLabel()->text(), page->emptyLabel()->accessibleName()); // whole
        QVERIFY(!page->chartView()->isVisible());
        QVERIFY(page->shownFigures().isEmpty());
    }

    // A long name is cut short with "…" within the History page, and shown as typed; the whole
    // line is the tooltip and what a screen reader reads.
    void aLongNameIsCutShortOnTheHistoryPage() {
        const QString name = QStringLiteral("<b>Anne</b> the Third ").repeated(12).left(250);
        m_world->session.setPlayerName(name);
        StatsScreen screen(m_world->services, m_world->session);
        screen.show();
        QTest::mouseClick(screen.historyButton(), Qt::LeftButton);
        const QLabel* heading = screen.historyPage()->headingLabel();
        const QLabel* empty = screen.historyPage()->emptyLabel();
        QCOMPARE(heading->accessibleName(), QStringLiteral("History of ") + name);
        QVERIFY(heading->text().startsWith(QStringLiteral("History of <b>Anne</b> the")));
        QVERIFY(empty->text().endsWith(QStringLiteral("… has not finished a level yet.")));
        for (const QLabel* label : {heading, empty}) {
            QCOMPARE(test::shownText(label->text(), label->textFormat()), label->text());
            QVERIFY(label->text().contains(QStringLiteral("…")));
            // On its one line, or on the lines of a label that wraps.
            QVERIFY(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                      : label->fontMetrics().horizontalAdvance(label->text()) <=
                                            label->contentsRect().width());
            QCOMPARE(test::shownText(label->toolTip()), label->accessibleName());
        }
    }

    // Both pages share the one window, at the design size and enlarged: turning the page
    // neither resizes nor moves it, and the grid scales with the window.
    void bothPagesKeepTheWindowsOneSizeAndPlace() {
        StatsScreen screen(m_world->services);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const int playerColumn = screen.table()->columnWidth(0);
        for (const double scale : {1.0, 1.5}) {
            screen.resize(screen.minimumSize() * scale);
            const QRect window = screen.geometry();
            QTest::mouseClick(screen.historyButton(), Qt::LeftButton);
            QCOMPARE(screen.geometry(), window);
            QCOMPARE(screen.historyPage()->geometry(), screen.table()->parentWidget()->geometry());
            QTest::mouseClick(screen.historyPage()->scoresButton(), Qt::LeftButton);
            QCOMPARE(screen.geometry(), window);
            QVERIFY(std::abs(screen.table()->columnWidth(0) - playerColumn * scale) <= 1);
            checkHeader(screen.table());
        }
    }

    // Each level shown has its target across the chart; a level not played has none, and
    // Expert, which any score but 0 passes, never has one.
    void theChartDrawsTheTargetOfEachLevelShown() {
        HistoryPage page;
        page.showHistory(
            historyOf({{Level::Easy, 4200}, {Level::Difficult, 3100}, {Level::Expert, 900}}));
        for (const Level level : allLevels()) {
            const QLineSeries* line = page.targetLine(level);
            const std::optional<int> target = levelInfo(level).scoreTarget();
            const bool shown = level != Level::Intermediate && target.has_value();
            QCOMPARE(line->isVisible(), shown);
            if (shown) {
                QCOMPARE(line->points(),
                         (QList<QPointF>{{page.levelsAxis()->min(), double(*target)},
                                         {page.levelsAxis()->max(), double(*target)}}));
                QVERIFY(page.scoreAxis()->max() > *target);
            }
        }
    }

    // Passed and failed levels are marked in shapes of their own; a level passes at its target.
    void passedAndFailedLevelsHaveMarkersOfTheirOwn() {
        const int easy = *levelInfo(Level::Easy).scoreTarget();
        HistoryPage page;
        page.showHistory(historyOf({{Level::Easy, easy},
                                    {Level::Easy, easy - 1},
                                    {Level::Expert, 0},
                                    {Level::Expert, 1}}));
        QCOMPARE(page.passedMarks(Level::Easy)->points(), (QList<QPointF>{{1, double(easy)}}));
        QCOMPARE(page.failedMarks(Level::Easy)->points(), (QList<QPointF>{{2, double(easy - 1)}}));
        QCOMPARE(page.passedMarks(Level::Expert)->points(), (QList<QPointF>{{4, 1}}));
        QCOMPARE(page.failedMarks(Level::Expert)->points(), (QList<QPointF>{{3, 0}}));
        QVERIFY(page.passedMarks(Level::Easy)->markerShape() !=
                page.failedMarks(Level::Easy)->markerShape());
        QVERIFY(page.passedMarks(Level::Easy)->isVisible() &&
                page.failedMarks(Level::Easy)->isVisible());
    }

    // A score of 0 is marked above the axis, not drawn over by it.
    void aZeroScoreStandsClearAboveTheAxis() {
        HistoryPage page;
        page.show();
        page.showHistory(historyOf({{Level::Expert, 0}, {Level::Expert, 900}}));
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(page.scoreAxis()->min() < 0);
        QScatterSeries* zero = page.failedMarks(Level::Expert);
        QChart* chart = page.chartView()->chart();
        const QPointF at = chart->mapToPosition(zero->points().first(), zero);
        QVERIFY2(at.y() + zero->markerSize() / 2 < chart->plotArea().bottom(),
                 qPrintable(QStringLiteral("%1 + %2 / 2 >= %3")
                                .arg(at.y())
                                .arg(zero->markerSize())
                                .arg(chart->plotArea().bottom())));
    }

    // At a new scale the chart's type and markers scale with the page, and a long line is
    // drawn from as many points as the wider chart has columns.
    void theChartFollowsThePagesScale() {
        QList<std::pair<Level, qint64>> levels;
        for (int i = 0; i < 3000; ++i) {
            levels.append({Level::Easy, (i * 7919) % 9000});
        }
        HistoryPage page;
        page.show();
        page.showHistory(historyOf(levels));
        const qsizetype points = page.series(Level::Easy)->count();
        const qreal labels = page.scoreAxis()->labelsFont().pointSizeF();
        const qreal marker = page.passedMarks(Level::Easy)->markerSize();
        page.resize(page.size() * 2);
        QVERIFY(page.series(Level::Easy)->count() > points);
        QCOMPARE(page.scoreAxis()->labelsFont().pointSizeF(), labels * 2);
        QCOMPARE(page.passedMarks(Level::Easy)->markerSize(), marker * 2);
    }

    void doneOnTheHistoryPageClosesAndTheScreenOpensOnTheRankingsAgain() {
        StatsScreen screen(m_world->services);
        screen.show();
        QTest::mouseClick(screen.historyButton(), Qt::LeftButton);
        QTest::mouseClick(screen.historyPage()->doneButton(), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        screen.show();
        QVERIFY(!screen.historyShown());
        QVERIFY(screen.table()->isVisible());
        QTest::mouseClick(screen.historyButton(), Qt::LeftButton);
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
    }
};

QTEST_MAIN(TestStatsScreen)
#include "TestStatsScreen.moc"
