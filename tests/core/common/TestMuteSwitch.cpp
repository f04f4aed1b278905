#include "TestDoubles.h"
#include "core/common/MuteSwitch.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vortalex;

class TestMuteSwitch : public QObject {
    Q_OBJECT
private slots:
    void mutedNoCueReachesThePlayerAndUnmutedTheyDoAgain() {
        test::RecordingCues player;
        MuteSwitch mute(player);
        mute.play(Cue::Clicking);
        mute.setMuted(true);
        mute.play(Cue::Correct);
        mute.play(Cue::Quit);
        mute.toggle();
        QVERIFY(!mute.muted());
        mute.play(Cue::Slide);
        QCOMPARE(player.played, (QList<Cue>{Cue::Clicking, Cue::Slide}));
    }

    // Each change is stored and shown once; setting what is already set is no change.
    void onlyAChangeIsSignalled() {
        test::RecordingCues player;
        MuteSwitch mute(player);
        QSignalSpy changed(&mute, &MuteSwitch::mutedChanged);
        mute.setMuted(false);
        mute.setMuted(true);
        mute.setMuted(true);
        mute.toggle();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toBool(), true);
        QCOMPARE(changed.at(1).at(0).toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestMuteSwitch)
#include "TestMuteSwitch.moc"
