#include "core/common/ScaleChoice.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>

using namespace vortalex;

class TestScaleChoice : public QObject {
    Q_OBJECT
private slots:
    // A step goes to the next step of the ladder, from a scale a drag left between steps too,
    // and never past what the window's screen allows.
    void stepsClimbTheLadderWithinTheScreensBound() {
        QCOMPARE(ScaleChoice::stepUp(1.0, 3.0), 1.25);
        QCOMPARE(ScaleChoice::stepUp(1.37, 3.0), 1.5);
        QCOMPARE(ScaleChoice::stepDown(1.37, 0.5), 1.25);
        QCOMPARE(ScaleChoice::stepDown(1.5, 0.5), 1.25);
        QCOMPARE(ScaleChoice::stepUp(1.5, 1.6), 1.6); // the largest that fits, not 1.75
        QCOMPARE(ScaleChoice::stepUp(1.6, 1.6), 1.6);
        QCOMPARE(ScaleChoice::stepDown(1.0, 1.0), 1.0); // a screen that only fits the design
        QCOMPARE(ScaleChoice::stepUp(ScaleChoice::kLargest, 10.0), ScaleChoice::kLargest);
        QCOMPARE(ScaleChoice::stepDown(ScaleChoice::kSmallest, 0.1), ScaleChoice::kSmallest);
    }

    void aChoiceIsKeptInBoundsAndOnlyAChangeIsSignalled() {
        ScaleChoice choice;
        QCOMPARE(choice.scale(), 1.0); // the design size until the player chooses
        QSignalSpy changed(&choice, &ScaleChoice::scaleChanged);
        choice.setScale(1.0);
        choice.setScale(1.501);
        QCOMPARE(choice.scale(), 1.5);
        choice.setScale(1.5);
        choice.setScale(100.0);
        QCOMPARE(choice.scale(), ScaleChoice::kLargest);
        choice.setScale(0.0);
        QCOMPARE(choice.scale(), ScaleChoice::kSmallest);
        choice.setScale(std::numeric_limits<double>::quiet_NaN());
        choice.setScale(std::numeric_limits<double>::infinity());
        QCOMPARE(choice.scale(), ScaleChoice::kSmallest);
        QCOMPARE(changed.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestScaleChoice)
#include "TestScaleChoice.moc"
