#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vortalex;

class TestDesignLayout : public QObject {
    Q_OBJECT
private slots:
    // The menu's Ok picture and a caption inside a placed panel: at the design size exactly the
    // pixels the screens compute today; at one and a half times the design scaled, fonts too,
    // and a window of another shape centres the design area in it.
    void aDesignPlaceIsTodaysPixelsAtTheDesignSizeAndScalesWithTheWindow() {
        QWidget window;
        DesignLayout layout(window, QSize(12000, 9000));
        window.show();
        QCOMPARE(window.size(), QSize(800, 600));
        auto* ok = new QLabel(QStringLiteral("Ok"), &window);
        const QFont design = theme::courier(14.25);
        ok->setFont(design);
        layout.place(ok, QRect(3240, 7740, 1320, 480));
        auto* panel = new QWidget(&window);
        layout.place(panel, QRect(600, 600, 3000, 3000));
        auto* caption = new QLabel(panel);
        layout.place(caption, QRect(150, 30, 2460, 480), theme::arial(20.25));
        // The screens' pixels before they scaled: a twip rounded to the nearest fifteenth.
        const auto pixels = [](const QRect& twips) {
            const auto px = [](int t) {
                return (t + 7) / 15;
            };
            return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
        };
        QCOMPARE(ok->geometry(), pixels(QRect(3240, 7740, 1320, 480)));
        QCOMPARE(ok->font(), design);
        QCOMPARE(caption->geometry(), pixels(QRect(150, 30, 2460, 480)));

        QSignalSpy rescaled(&layout, &DesignLayout::scaleChanged);
        window.resize(layout.designPixels() * 3 / 2);
        QCOMPARE(layout.scale(), 1.5);
        QCOMPARE(rescaled.size(), 1);
        QCOMPARE(ok->geometry(), pixels(QRect(4860, 11610, 1980, 720)));
        QCOMPARE(ok->font().pointSizeF(), design.pointSizeF() * 1.5);
        QCOMPARE(caption->geometry(), pixels(QRect(225, 45, 3690, 720))); // inside its panel
        QCOMPARE(caption->font().pointSizeF(), 20.25 * 1.5);
        QCOMPARE(layout.map(QRect(3240, 7740, 1320, 480)), ok->geometry());
        QCOMPARE(layout.transform().map(QPointF(216, 516)), QPointF(ok->pos()));

        // Wider than the design: the height decides, and the spare room is left and right.
        window.resize(layout.designPixels().width() * 2, layout.designPixels().height());
        QCOMPARE(layout.scale(), 1.0);
        QCOMPARE(layout.area().x(), layout.designPixels().width() / 2);
        QCOMPARE(ok->geometry(),
                 pixels(QRect(3240, 7740, 1320, 480)).translated(layout.area().x(), 0));
        QCOMPARE(ok->font(), design);
        QVERIFY(layout.spareRoom().contains(QPoint(0, 0)));
        QCOMPARE(layout.picture(2.0, [](QPainter&) {}).size(), layout.area().size() * 2);
    }

    // A control that takes its font from the window (a push button) scales with the window's,
    // and takes it from the window again at the design size.
    void aControlWithoutAFontOfItsOwnScalesWithTheWindow() {
        QWidget window;
        const QFont inherited = window.font();
        DesignLayout layout(window, design::pixels(200, 100));
        window.show();
        auto* button = new QPushButton(QStringLiteral("&Done"), &window);
        layout.place(button, design::pixels(10, 10, 80, 30));
        QCOMPARE(button->geometry(), QRect(10, 10, 80, 30));
        window.resize(400, 200);
        QCOMPARE(button->geometry(), QRect(20, 20, 160, 60));
        QCOMPARE(button->font().pointSizeF(), inherited.pointSizeF() * 2);
        layout.place(button, design::pixels(50, 10, 80, 30)); // moved at a scale: same font
        QCOMPARE(button->font().pointSizeF(), inherited.pointSizeF() * 2);
        window.resize(200, 100);
        QCOMPARE(button->font(), inherited);
        QVERIFY(!window.testAttribute(Qt::WA_SetFont));
    }
};

QTEST_MAIN(TestDesignLayout)
#include "TestDesignLayout.moc"
