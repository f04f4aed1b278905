#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/ScoreGrid.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QtTest>

using namespace vortalex;

// The score grid of the summaries and the score tables, scaled with its window.
class TestScoreGrid : public QObject {
    Q_OBJECT
private slots:
    // At any scale the rows and the header are as tall as their text, and a name keeps the room
    // it has at the design size: one shown whole there is shown whole when the window grows.
    void atAScaleTheRowsStayReadableAndNamesKeepTheirRoom() {
        theme::apply(*qApp); // under whose style sheet a header takes no font from its grid
        QWidget window;
        DesignLayout layout(window, design::pixels(300, 300));
        auto* grid = new ScoreGrid(&window);
        QStandardItemModel rows(0, 2);
        grid->setRows(&rows);
        layout.place(grid, design::pixels(10, 10, grid->naturalWidth(), 250));
        connect(&layout, &DesignLayout::scaleChanged, grid, &ScoreGrid::setScale);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The longest name that the design size shows whole, and one letter more.
        const auto shown = [grid](int row) {
            return grid->model()->index(row, 0).data().toString();
        };
        QString name = QStringLiteral("W");
        rows.appendRow({new QStandardItem(name), new QStandardItem(QStringLiteral("9250"))});
        while (shown(0) == name) {
            name += QLatin1Char('W');
            rows.setItem(0, 0, new QStandardItem(name));
        }
        name.chop(1);
        rows.setItem(0, 0, new QStandardItem(name));
        QCOMPARE(shown(0), name);

        for (const qreal scale : {1.0, 1.5, 2.5}) {
            window.resize(QSize(300, 300) * scale);
            QCOMPARE(layout.scale(), scale);
            QCOMPARE(shown(0), name);
            QVERIFY(grid->rowHeight(0) >= grid->fontMetrics().height());
            const QHeaderView* header = grid->horizontalHeader();
            QCOMPARE(header->font().pointSizeF(), grid->font().pointSizeF());
            // What the header paints its texts with.
            QCOMPARE(header->viewport()->font().pointSizeF(), grid->font().pointSizeF());
            QVERIFY(header->height() >= header->fontMetrics().height());
            QVERIFY(grid->columnWidth(1) > 0);
        }
    }
};

QTEST_MAIN(TestScoreGrid)
#include "TestScoreGrid.moc"
