#include "RawConnection.h"
#include "TestDoubles.h"
#include "core/common/MuteSwitch.h"
#include "core/data/GameDatabase.h"
#include "core/data/MuteSetting.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

namespace {

// One run of the game as far as sound goes: the database opened at start and the switch given
// the choice kept in it.
struct Run {
    explicit Run(const QString& path, test::RecordingCues& player, int busyTimeoutMs = 3000)
        : db(GameDatabase::open(path, busyTimeoutMs).db)
        , mute(player) {
        if (!db) {
            qFatal("cannot open %s", qPrintable(path));
        }
        keepMuteChoice(mute, *db, &context);
    }
    std::unique_ptr<GameDatabase> db;
    MuteSwitch mute;
    QObject context;
};

} // namespace

class TestMuteSetting : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return GameDatabase::pathIn(m_dir.path()); }

private slots:
    void init() { QFile::remove(path()); }

    void theChoiceIsKeptAfterARestart() {
        test::RecordingCues player;
        {
            Run first(path(), player);
            QVERIFY(!first.mute.muted()); // a new game has sound
            first.mute.setMuted(true);
        }
        {
            Run second(path(), player);
            QVERIFY(second.mute.muted());
            second.mute.play(Cue::Clicking);
            QVERIFY(player.played.isEmpty());
            second.mute.toggle();
        }
        Run third(path(), player);
        QVERIFY(!third.mute.muted());
    }

    // As a read-only file: an older file that cannot gain the settings table still plays, and
    // the choice lasts for the run.
    void aFileThatCannotBeWrittenKeepsTheChoiceForTheRunOnly() {
        {
            GameDatabase::open(path());
            test::RawConnection(path()).query(QStringLiteral("DROP TABLE tblSettings"));
        }
        test::RecordingCues player;
        {
            // A reader that never lets go: no write can be committed meanwhile.
            test::RawConnection reader(path());
            reader.query(QStringLiteral("BEGIN"));
            reader.query(QStringLiteral("SELECT count(*) FROM tblUsers"));
            Run run(path(), player, 50);
            QVERIFY(!run.mute.muted());
            run.mute.setMuted(true);
            QVERIFY(run.mute.muted());
            run.mute.play(Cue::Clicking);
            QVERIFY(player.played.isEmpty());
            reader.query(QStringLiteral("ROLLBACK"));
        }
        Run next(path(), player);
        QVERIFY(!next.mute.muted());
    }

    // The player was told at start that nothing can be saved: the switch does not try.
    void aFileWhoseWritesWereRefusedIsNotWritten() {
        test::RecordingCues player;
        {
            Run run(path(), player);
            run.db->refuseWrites();
            run.mute.setMuted(true);
        }
        Run next(path(), player);
        QVERIFY(!next.mute.muted());
    }

    void withoutADatabaseTheSwitchStillWorks() {
        test::RecordingCues player;
        MuteSwitch mute(player);
        QObject context;
        const auto missing = GameDatabase::absent(QStringLiteral("no file"));
        keepMuteChoice(mute, *missing, &context);
        mute.setMuted(true);
        mute.play(Cue::Clicking);
        QVERIFY(player.played.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMuteSetting)
#include "TestMuteSetting.moc"
