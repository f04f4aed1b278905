#include "app/SplashScreen.h"
#include "ui/widgets/WindowScaler.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

using namespace vortalex;

class TestSplashScreen : public QObject {
    Q_OBJECT
private slots:
    void showsTheCentredPictureForThreeSeconds() {
        QPointer<SplashScreen> splash = new SplashScreen;
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
        QCOMPARE(splash->size(), QSize(509, 412));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(splash->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(splash->timer().isActive());
        QVERIFY(splash->timer().isSingleShot());
        QCOMPARE(splash->timer().interval(), 3000);
        // A painted picture, not an empty window.
        const QImage picture = splash->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 7) {
            for (int x = 0; x < picture.width(); x += 7) {
                colours.insert(picture.pixel(x, y));
            }
        }
        QVERIFY(colours.size() > 50);
        delete splash;
    }

    // At the player's scale the picture is drawn anew at that size, its proportions kept, and never
    // larger than the screen.
    void opensAtTheChosenScaleWithinItsScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize design(509, 412);
        for (const double chosen : {1.5, 4.0}) {
            SplashScreen splash(nullptr, chosen);
            const double shown = std::min(chosen, largestScaleOn(*qApp->primaryScreen(), design));
            QVERIFY(shown > 1.0);
            QCOMPARE(splash.size(),
                     QSize(qRound(design.width() * shown), qRound(design.height() * shown)));
            QVERIFY(screen.size().expandedTo(splash.size()) == screen.size());
            splash.timer().stop();
        }
    }

    void handsOverOnceAndGoesAwayWithoutEndingTheProgram() {
        QPointer<SplashScreen> splash = new SplashScreen;
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
        QSignalSpy lastWindow(qApp, &QGuiApplication::lastWindowClosed);
        QWidget menu;
        int handOvers = 0;
        connect(splash, &SplashScreen::timeUp, [&] {
            ++handOvers;
            menu.show();
        });
        splash->handOver();
        splash->handOver();
        QCOMPARE(handOvers, 1);
        QVERIFY(menu.isVisible());
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(lastWindow.size(), 0);
    }
};

QTEST_MAIN(TestSplashScreen)
#include "TestSplashScreen.moc"
