#include "core/common/ScaleChoice.h"
#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/WindowScaler.h"

#include <QLabel>
#include <QScreen>
#include <QSizeGrip>
#include <QtTest>

using namespace vortalex;

namespace {

const QSize kDesign(200, 150);

QSize scaled(double scale, QSize design = kDesign) {
    return {qRound(design.width() * scale), qRound(design.height() * scale)};
}

// A window with one placed label, scaled by the player.
struct Scaled {
    explicit Scaled(ScaleChoice* choice, Qt::WindowFlags flags = Qt::Window, QSize size = kDesign)
        : window(nullptr, flags)
        , layout(window, design::pixels(size.width(), size.height()))
        , label(new QLabel(QStringLiteral("Ok"), &window)) {
        layout.place(label, design::pixels(20, 20, 60, 30));
        scaler = new WindowScaler(window, layout.designPixels(), choice);
    }
    QWidget window;
    DesignLayout layout;
    QLabel* label;
    WindowScaler* scaler;
};

} // namespace

class TestWindowScaler : public QObject {
    Q_OBJECT
private slots:
    void aWindowOpensAtTheChosenScaleButNeverLargerThanItsScreen() {
        ScaleChoice choice;
        choice.setScale(1.5);
        Scaled chosen(&choice);
        chosen.window.show();
        QCOMPARE(chosen.window.size(), scaled(1.5));
        QCOMPARE(chosen.label->geometry(), QRect(30, 30, 90, 45)); // the content with it

        choice.setScale(ScaleChoice::kLargest);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize wide(room.width() / 2, room.height() / 4);
        Scaled large(&choice, Qt::Window, wide);
        const double fits = largestScaleOn(*QGuiApplication::primaryScreen(), wide);
        QVERIFY(fits < ScaleChoice::kLargest);
        QCOMPARE(large.window.size(), scaled(fits, wide));
        QVERIFY(room.size().expandedTo(large.window.size()) == room.size());
        large.window.show();
        large.scaler->settle(); // opening is no drag: the wish stays for larger screens
        QCOMPARE(choice.scale(), ScaleChoice::kLargest);
    }

    // Ctrl++ and Ctrl+= step up, Ctrl+- down, Ctrl+0 back to the design size; each step is
    // the choice, and the design size is as small as the keys go.
    void theKeysStepTheScaleAndEachStepIsTheChoice() {
        ScaleChoice choice;
        Scaled s(&choice);
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QTest::keyClick(&s.window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(s.window.size(), scaled(1.25));
        QCOMPARE(choice.scale(), 1.25);
        QTest::keyClick(&s.window, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(s.window.size(), scaled(1.5));
        QCOMPARE(s.layout.scale(), 1.5);
        QTest::keyClick(&s.window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(choice.scale(), 1.25);
        QTest::keyClick(&s.window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(s.window.size(), kDesign);
        QTest::keyClick(&s.window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(s.window.size(), kDesign);
        QCOMPARE(choice.scale(), 1.0);
    }

    // A drag is the choice once the edge stands still; full screen (F11, and F11 again to
    // leave it) is a way of showing the window, never a choice.
    void aDragBecomesTheChoiceAndFullScreenDoesNot() {
        ScaleChoice choice;
        Scaled s(&choice);
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.window.resize(scaled(1.4).width(), scaled(1.4).height() + 30);
        QCOMPARE(choice.scale(), 1.0); // not while the edge moves
        s.scaler->settle();
        QCOMPARE(choice.scale(), 1.4);
        QCOMPARE(s.layout.scale(), 1.4);

        QTest::keyClick(&s.window, Qt::Key_F11);
        QTRY_VERIFY(s.window.isFullScreen());
        s.scaler->settle();
        QCOMPARE(choice.scale(), 1.4);
        QTest::keyClick(&s.window, Qt::Key_F11);
        QTRY_VERIFY(!s.window.isFullScreen());
    }

    // The menu has no frame to drag: it gets a grip in its corner; a framed window can be
    // maximised.
    void aFramelessWindowGetsAGripAndAFramedOneAMaximiseButton() {
        Scaled frameless(nullptr, Qt::Window | Qt::FramelessWindowHint);
        frameless.window.show();
        QVERIFY(frameless.scaler->grip() != nullptr);
        QCOMPARE(frameless.scaler->grip()->geometry().bottomRight(),
                 frameless.window.rect().bottomRight());
        Scaled framed(nullptr, Qt::Dialog);
        QVERIFY(framed.scaler->grip() == nullptr);
        QVERIFY(framed.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(framed.window.minimumSize(), kDesign);
    }
};

QTEST_MAIN(TestWindowScaler)
#include "TestWindowScaler.moc"
