#include "ui/widgets/ClickLabel.h"

#include "Gestures.h"

#include <QtTest>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// Records the label's reports in the order they come.
QString name(Qt::MouseButton b) {
    return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
}

struct Recorder {
    explicit Recorder(ClickLabel& label) {
        QObject::connect(&label, &ClickLabel::released,
                         [this](Qt::MouseButton b) { events.append("release-" + name(b)); });
        QObject::connect(&label, &ClickLabel::clicked,
                         [this](Qt::MouseButton b) { events.append("click-" + name(b)); });
        QObject::connect(&label, &ClickLabel::doubleClicked,
                         [this] { events.append("double-click"); });
    }
    QStringList events;
};

} // namespace

class TestClickLabel : public QObject {
    Q_OBJECT
private slots:
    void aRealDoubleClickIsOneClickThenADoubleClick() {
        ClickLabel label(QStringLiteral("A"));
        label.resize(50, 50);
        Recorder r(label);
        realDoubleClick(&label);
        QCOMPARE(r.events,
                 (QStringList{"release-left", "click-left", "double-click", "release-left"}));
    }

    void aRightReleaseComesBeforeItsClick() {
        ClickLabel label(QStringLiteral("A"));
        label.resize(50, 50);
        Recorder r(label);
        rightClick(&label);
        QCOMPARE(r.events, (QStringList{"release-right", "click-right"}));
    }

    void aRightDoubleClickIsTwoRightClicks() {
        ClickLabel label(QStringLiteral("A"));
        label.resize(50, 50);
        Recorder r(label);
        const QPoint c = label.rect().center();
        QTest::mousePress(&label, Qt::RightButton, Qt::NoModifier, c);
        QTest::mouseRelease(&label, Qt::RightButton, Qt::NoModifier, c);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(c), label.mapToGlobal(QPointF(c)),
                        Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &dbl);
        QTest::mouseRelease(&label, Qt::RightButton, Qt::NoModifier, c);
        QCOMPARE(r.events,
                 (QStringList{"release-right", "click-right", "release-right", "click-right"}));
    }

    void aReleaseOutsideOrAMiddleClickIsNoClick() {
        ClickLabel label(QStringLiteral("A"));
        label.resize(50, 50);
        Recorder r(label);
        QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
        QTest::mouseClick(&label, Qt::MiddleButton);
        QCOMPARE(r.events, (QStringList{"release-left", "release-middle"}));
    }
};

QTEST_MAIN(TestClickLabel)
#include "TestClickLabel.moc"
