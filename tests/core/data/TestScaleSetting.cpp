#include "RawConnection.h"
#include "core/common/ScaleChoice.h"
#include "core/data/GameDatabase.h"
#include "core/data/ScaleSetting.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

namespace {

// One run of the game as far as its windows' size goes: the database opened at start and the
// choice given what it keeps.
struct Run {
    explicit Run(const QString& path)
        : db(GameDatabase::open(path).db) {
        if (!db) {
            qFatal("cannot open %s", qPrintable(path));
        }
        keepScaleChoice(scale, *db, &context);
    }
    std::unique_ptr<GameDatabase> db;
    ScaleChoice scale;
    QObject context;
};

} // namespace

class TestScaleSetting : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return GameDatabase::pathIn(m_dir.path()); }

private slots:
    void init() { QFile::remove(path()); }

    void theChoiceIsKeptAfterARestart() {
        {
            Run first(path());
            QCOMPARE(first.scale.scale(), 1.0); // a new game opens at the design size
            first.scale.setScale(1.5);
        }
        Run second(path());
        QCOMPARE(second.scale.scale(), 1.5);
    }

    // A value edited into the file by hand: nonsense leaves the design size, a number out of
    // bounds is brought within them.
    void aStoredValueIsReadWithinBounds() {
        const auto stored = [this](const QString& value) {
            GameDatabase::open(path());
            test::RawConnection(path()).query(
                QStringLiteral("INSERT OR REPLACE INTO tblSettings VALUES ('WindowScale', '%1')")
                    .arg(value));
            return Run(path()).scale.scale();
        };
        QCOMPARE(stored(QStringLiteral("big")), 1.0);
        QCOMPARE(stored(QStringLiteral("nan")), 1.0);
        QCOMPARE(stored(QStringLiteral("40")), ScaleChoice::kLargest);
    }

    // The player was told at start that nothing can be saved: the choice is not written.
    void aFileWhoseWritesWereRefusedIsNotWritten() {
        {
            Run run(path());
            run.db->refuseWrites();
            run.scale.setScale(2.0);
            QCOMPARE(run.scale.scale(), 2.0); // it lasts for the run
        }
        QCOMPARE(Run(path()).scale.scale(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestScaleSetting)
#include "TestScaleSetting.moc"
