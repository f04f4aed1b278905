// One running game per database: the lock on the database file itself.
#include "core/data/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

class TestInstanceLock : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init() {
        m_path = m_dir.filePath(QStringLiteral("Dictionary.mdb"));
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not empty");
    }

    void aSecondGameOnTheFileIsTurnedAwayUntilTheFirstEnds() {
        {
            InstanceLock first(m_path);
            QCOMPARE(first.state(), InstanceLock::State::Held);
            InstanceLock second(m_path);
            QCOMPARE(second.state(), InstanceLock::State::HeldElsewhere);
        }
        InstanceLock afterwards(m_path);
        QCOMPARE(afterwards.state(), InstanceLock::State::Held);
    }

    void anotherPathToTheSameFileFindsItTaken() {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("elsewhere")));
        const QString link = m_dir.filePath(QStringLiteral("elsewhere/linked.mdb"));
        QVERIFY(QFile::link(m_path, link));
        InstanceLock first(m_path);
        QCOMPARE(first.state(), InstanceLock::State::Held);
        QCOMPARE(InstanceLock(link).state(), InstanceLock::State::HeldElsewhere);
        const QString roundabout = m_dir.filePath(QStringLiteral("elsewhere/../Dictionary.mdb"));
        QCOMPARE(InstanceLock(roundabout).state(), InstanceLock::State::HeldElsewhere);
        QCOMPARE(InstanceLock(link).path(), first.path());
    }

    void aFileInAFolderNobodyMayWriteIsStillLocked() {
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            InstanceLock first(m_path);
            QCOMPARE(first.state(), InstanceLock::State::Held);
            QCOMPARE(InstanceLock(m_path).state(), InstanceLock::State::HeldElsewhere);
        }
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // Nothing was left beside the database.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Dictionary.mdb")});
    }

    void aMissingFileGuardsNothing() {
        const InstanceLock lock(m_dir.filePath(QStringLiteral("missing.mdb")));
        QCOMPARE(lock.state(), InstanceLock::State::Unavailable);
    }

    // The lock of a game that was killed does not outlive it. A shell that takes the same kind
    // of lock with util-linux's flock(1) and then becomes a sleep stands in for the other game.
    void aKilledGameLeavesNoLockBehind() {
        if (QStandardPaths::findExecutable(QStringLiteral("flock")).isEmpty()) {
            QSKIP("flock(1) is not installed");
        }
        QProcess other;
        other.start(QStringLiteral("bash"),
                    {QStringLiteral("-c"),
                     QStringLiteral("exec 9<\"$0\" && flock --nonblock 9 && echo held && "
                                    "exec sleep 60"),
                     m_path});
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(InstanceLock(m_path).state(), InstanceLock::State::HeldElsewhere);
        other.kill(); // SIGKILL: nothing of the holder runs any more
        QVERIFY(other.waitForFinished(5000));
        QCOMPARE(InstanceLock(m_path).state(), InstanceLock::State::Held);
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "TestInstanceLock.moc"
