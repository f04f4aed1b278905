#include "RawConnection.h"
#include "TestWorld.h"
#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

#include <unistd.h>

using namespace vortalex;

namespace {

// An installed tree under a prefix of its own: prefix/bin for the program, the data beside it
// in prefix/share/vortalex, and a player's data folder elsewhere.
struct Install {
    QTemporaryDir prefix;
    QTemporaryDir home;
    QString program() const { return prefix.filePath(QStringLiteral("bin")); }
    QString data() const { return DataLocation::installedDataFolder(program()); }
    QString installedDatabase() const { return GameDatabase::pathIn(data()); }
    QString user() const { return home.filePath(QStringLiteral("data/Vortalex")); }

    explicit Install(const QString& source = QStringLiteral("v1"),
                     const QList<DictionaryEntry>& words = {{"CAT", "(n.) feline"}}) {
        QDir().mkpath(program());
        QDir().mkpath(data());
        test::makeDatabase(installedDatabase(), words, source);
    }
};

// Zeros the page the word list's rows start from: none of them can be read any more.
bool damageWordRows(const QString& path) {
    const int root = test::RawConnection(path).rootPage(QStringLiteral("tbl_Dictionary"));
    return test::zeroPages(path, root, root);
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

constexpr int kNoSetpriv = -100;

// File modes do not stop root, so a test about a read-only file runs its own function again as
// an unprivileged user when it was started as root.
int rerunUnprivileged(QByteArray* output) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        return kNoSetpriv;
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                          QStringLiteral("--clear-groups"), QStringLiteral("--"),
                          QCoreApplication::applicationFilePath(),
                          QString::fromLatin1(QTest::currentTestFunction())});
    child.waitForFinished(60000);
    *output = child.readAll();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

#define RERUN_UNPRIVILEGED_WHEN_ROOT()                                                             \
    if (runningAsRoot()) {                                                                         \
        QByteArray output;                                                                         \
        const int code = rerunUnprivileged(&output);                                               \
        if (code == kNoSetpriv) {                                                                  \
            QSKIP("running as root and setpriv is missing: file modes cannot be tested");          \
        }                                                                                          \
        QVERIFY2(code == 0, output.constData());                                                   \
        return;                                                                                    \
    }

} // namespace

class TestDataLocation : public QObject {
    Q_OBJECT

    test::ScriptedMessages m_messages;

    // Opens as the game does at start, and tells what the open found.
    std::unique_ptr<GameDatabase> open(const DataLocation& where) {
        OpenedGameDatabase opened = openGameDatabase(where);
        for (const DatabaseNotice& notice : std::as_const(opened.notices)) {
            m_messages.show(notice.text, notice.style, kAppTitle);
        }
        if (opened.db) {
            opened.db->setPasswordPolicy(password::fastPolicy());
        }
        return std::move(opened.db);
    }

private slots:
    void init() { m_messages = test::ScriptedMessages(); }

    void aWritableDatabaseBesideTheProgramStaysInUse() {
        QTemporaryDir program;
        QTemporaryDir home;
        QVERIFY(test::makeDatabase(GameDatabase::pathIn(program.path()), {{"CAT", "x"}}, "v1"));
        const QString user = home.filePath(QStringLiteral("Vortalex"));
        const DataLocation where = DataLocation::prepare(program.path(), user);
        QCOMPARE(where.databasePath, GameDatabase::pathIn(program.path()));
        QCOMPARE(where.dataFolder, program.path());
        QVERIFY(where.templatePath.isEmpty());
        QVERIFY(!QFileInfo::exists(user));
        auto db = open(where);
        QVERIFY(db);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void anInstalledProgramGetsThePlayersOwnCopyOnce() {
        Install install;
        const DataLocation first = DataLocation::prepare(install.program(), install.user());
        QCOMPARE(first.databasePath, GameDatabase::pathIn(install.user()));
        QCOMPARE(first.dataFolder, install.data());
        QCOMPARE(first.templatePath, install.installedDatabase());
        QVERIFY(first.problem.isEmpty());
        {
            auto db = open(first);
            QVERIFY(db);
            QVERIFY(test::isWord(*db, QStringLiteral("cat")));
            QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
        }
        const DataLocation second = DataLocation::prepare(install.program(), install.user());
        QCOMPARE(second.databasePath, first.databasePath);
        auto db = open(second);
        QVERIFY(db);
        QVERIFY(db->findPlayerByName(QStringLiteral("Ann")).isFound());
        QVERIFY(m_messages.shown.isEmpty());
        // The installed file itself never takes a player.
        auto installed = GameDatabase::open(install.installedDatabase());
        QVERIFY(!installed.db->findPlayerByName(QStringLiteral("Ann")).isFound());
    }

    void aNewerInstalledWordListReplacesTheWordsAndKeepsPlayersAndScores() {
        Install install;
        {
            auto db = open(DataLocation::prepare(install.program(), install.user()));
            QVERIFY(db);
            QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
            QVERIFY(db->appendScore(Level::Easy,
                                    {QStringLiteral("Ann"), 5250, QStringLiteral("00:00")}));
        }
        // An update installs a new word list.
        QVERIFY(QFile::remove(install.installedDatabase()));
        QVERIFY(test::makeDatabase(install.installedDatabase(),
                                   {{"DOG", "(n.) canine"}, {"EMU", "(n.) bird"}}, "v2"));
        {
            auto installed = GameDatabase::open(install.installedDatabase());
            QVERIFY(test::fillCommonWords(*installed.db, {"dog"}, QStringLiteral("c2")));
        }
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QVERIFY(test::isWord(*db, QStringLiteral("dog")));
        QVERIFY(test::isWord(*db, QStringLiteral("emu")));
        QVERIFY(!test::isWord(*db, QStringLiteral("cat")));
        QCOMPARE(db->dictionarySourceId(), QStringLiteral("v2"));
        QCOMPARE(test::valuesOf(test::RawConnection(db->path())
                                    .query(QStringLiteral("SELECT fldWord FROM tblCommonWords"))),
                 QStringList{"dog"});
        QVERIFY(db->findPlayerByName(QStringLiteral("Ann")).isFound());
        QCOMPARE(db->findScore(Level::Easy, QStringLiteral("Ann"))->score, 5250);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void twoFirstStartsAtOnceBothTakeThePlayersCopy() {
        for (int round = 0; round < 8; ++round) {
            Install install;
            DataLocation other;
            std::thread second(
                [&] { other = DataLocation::prepare(install.program(), install.user()); });
            const DataLocation first = DataLocation::prepare(install.program(), install.user());
            second.join();
            for (const DataLocation& where : {first, other}) {
                QVERIFY2(where.problem.isEmpty(), qPrintable(where.problem));
                QCOMPARE(where.databasePath, GameDatabase::pathIn(install.user()));
            }
            QCOMPARE(QDir(install.user()).entryList(QDir::Files), QStringList{"Dictionary.mdb"});
        }
    }

    void aReadOnlyInstalledFileGivesAWritableCopy() {
        RERUN_UNPRIVILEGED_WHEN_ROOT();
        Install install;
        QVERIFY(QFile::setPermissions(install.installedDatabase(),
                                      QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup |
                                          QFile::ReadOther));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
    }

    void withNoInstalledFileThePlayersDatabaseIsStillMade() {
        // Scores can be kept; the empty word list is told when a level opens.
        Install install;
        QVERIFY(QFile::remove(install.installedDatabase()));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QCOMPARE(db->path(), GameDatabase::pathIn(install.user()));
        QVERIFY(!db->dictionaryAvailable());
        QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
    }

    void anUnchangedWordListIsLeftAlone() {
        Install install;
        QVERIFY(open(DataLocation::prepare(install.program(), install.user())));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        bool refreshed = true;
        QVERIFY(db->refreshDictionaryFrom(install.installedDatabase(), &refreshed));
        QVERIFY(!refreshed);
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
    }

    void aCopyThatCannotBeMadeFallsBackToTheInstalledFileAndSaysSo() {
        Install install;
        // A file where the data folder should be: no user, root included, can make it.
        QFile blocker(install.home.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const DataLocation where = DataLocation::prepare(install.program(), install.user());
        QCOMPARE(where.databasePath, install.installedDatabase());
        QVERIFY(!where.problem.isEmpty());
        auto db = open(where);
        QVERIFY(db);
        QVERIFY(test::isWord(*db, QStringLiteral("cat"))); // play goes on
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.texts().at(0).startsWith(
            QStringLiteral("Scores and players cannot be kept: %1 cannot be written (no copy")
                .arg(QDir::toNativeSeparators(install.installedDatabase()))));
        QCOMPARE(m_messages.shown.at(0).style, style::kExclamation);
    }

    void withoutADataFolderTheInstalledFileIsUsedAndSaysSo() {
        Install install;
        const DataLocation where = DataLocation::prepare(install.program(), QString());
        QCOMPARE(where.databasePath, install.installedDatabase());
        auto db = open(where);
        QVERIFY(db);
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.texts().at(0).contains(QStringLiteral("there is no data folder")));
    }

    void aReadOnlyDatabaseInUseIsToldOnceAtStart() {
        RERUN_UNPRIVILEGED_WHEN_ROOT();
        Install install;
        const DataLocation where = DataLocation::prepare(install.program(), install.user());
        QVERIFY(open(where));
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(QFile::setPermissions(where.databasePath, QFile::ReadOwner | QFile::ReadUser));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("Scores and players cannot be kept: %1 cannot be "
                                            "written (the file is read-only).")
                                 .arg(QDir::toNativeSeparators(where.databasePath)) +
                             kLineBreak +
                             QStringLiteral("You can go on playing, but nothing will be saved.")});
        QVERIFY(db->writesRefused());
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
    }

    // An older file that is read-only cannot gain the players' history: it opens and plays all
    // the same, with no history to show or keep.
    void aReadOnlyFileWithoutTheHistoryTablesStillOpensAndPlays() {
        RERUN_UNPRIVILEGED_WHEN_ROOT();
        Install install;
        const DataLocation where = DataLocation::prepare(install.program(), install.user());
        QVERIFY(open(where));
        QVERIFY(test::RawConnection(where.databasePath)
                    .run({QStringLiteral("DROP TABLE tblHistory"),
                          QStringLiteral("DROP TABLE tblPlayerWords")}));
        QVERIFY(QFile::setPermissions(where.databasePath, QFile::ReadOwner | QFile::ReadUser));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        QVERIFY(db->historyOf(QStringLiteral("Ann"))->isEmpty());
        QCOMPARE(*db->differentWordsOf(QStringLiteral("Ann")), 0);
        QVERIFY(test::RawConnection(where.databasePath)
                    .columns(QStringLiteral("tblHistory"))
                    .isEmpty());
    }

    void aReadOnlyFolderOfTheDatabaseIsToldOnceAtStart() {
        RERUN_UNPRIVILEGED_WHEN_ROOT();
        QTemporaryDir program;
        QTemporaryDir home;
        // A portable copy on a folder the player may not write: the file is writable, but the
        // database cannot keep a journal beside it, so the player's own copy is used instead.
        QVERIFY(test::makeDatabase(GameDatabase::pathIn(program.path()), {{"CAT", "x"}}, "v1"));
        const QFile::Permissions readOnlyFolder =
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser;
        QVERIFY(QFile::setPermissions(program.path(), readOnlyFolder));
        const QString user = home.filePath(QStringLiteral("Vortalex"));
        const DataLocation where = DataLocation::prepare(program.path(), user);
        QCOMPARE(where.databasePath, GameDatabase::pathIn(user));
        QVERIFY(open(where));
        const QString beside = QDir::toNativeSeparators(GameDatabase::pathIn(program.path()));
        const QString own = QDir::toNativeSeparators(where.databasePath);
        // Told on every start, as the player would look for it beside the program.
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("%1 cannot be written because its folder is read-only,"
                                            " so Vortalex uses your own database %2 instead.")
                                 .arg(beside, own)});
        QCOMPARE(m_messages.shown.at(0).title, kAppTitle);
        m_messages = test::ScriptedMessages();
        // The player's own folder turns read-only too.
        QVERIFY(QFile::setPermissions(user, readOnlyFolder));
        auto db = open(DataLocation::prepare(program.path(), user));
        QVERIFY(db);
        QCOMPARE(m_messages.shown.size(), 2);
        QVERIFY2(m_messages.texts().at(1).contains(
                     QStringLiteral("(its folder %1 is read-only)")
                         .arg(QDir::toNativeSeparators(QFileInfo(user).absoluteFilePath()))),
                 qPrintable(m_messages.texts().at(1)));
        QFile::setPermissions(user, readOnlyFolder | QFile::WriteOwner | QFile::WriteUser);
        QFile::setPermissions(program.path(),
                              readOnlyFolder | QFile::WriteOwner | QFile::WriteUser);
    }

    void aReadOnlyDatabaseBesideTheProgramInAWritableFolderLeadsToThePlayersOwnCopy() {
        RERUN_UNPRIVILEGED_WHEN_ROOT();
        QTemporaryDir program;
        QTemporaryDir home;
        const QString beside = GameDatabase::pathIn(program.path());
        QVERIFY(test::makeDatabase(beside, {{"CAT", "x"}}, "v1"));
        QVERIFY(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadUser));
        const QString user = home.filePath(QStringLiteral("Vortalex"));
        const DataLocation where = DataLocation::prepare(program.path(), user);
        QCOMPARE(where.databasePath, GameDatabase::pathIn(user));
        QCOMPARE(where.templatePath, beside);
        QCOMPARE(where.dataFolder, program.path());
        auto db = open(where);
        QVERIFY(db);
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
        QVERIFY(!db->writesRefused());
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("%1 is read-only, so Vortalex uses your own database "
                                            "%2 instead.")
                                 .arg(QDir::toNativeSeparators(beside),
                                      QDir::toNativeSeparators(where.databasePath))});
        auto original = GameDatabase::open(beside);
        QVERIFY(original.db->findPlayerByName(QStringLiteral("Ann")).isNotFound());
    }

    void aFolderNamedLikeTheDatabaseBesideAPortableProgramIsToldAtStart() {
        QTemporaryDir program;
        QTemporaryDir home;
        const QString beside = GameDatabase::pathIn(program.path());
        QVERIFY(QDir().mkpath(beside));
        const QString user = home.filePath(QStringLiteral("Vortalex"));
        const DataLocation where = DataLocation::prepare(program.path(), user);
        QCOMPARE(where.databasePath, GameDatabase::pathIn(user));
        auto db = open(where);
        QVERIFY(db);
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown.at(0).title, kAppTitle);
        QCOMPARE(m_messages.texts().at(0),
                 QStringLiteral("%1 is a folder, not a game database, so Vortalex uses your own "
                                "database %2 instead.")
                         .arg(QDir::toNativeSeparators(beside),
                              QDir::toNativeSeparators(where.databasePath)) +
                     kLineBreak +
                     QStringLiteral("That database has no word list, so no word can be accepted "
                                    "until the game's Dictionary.mdb is back beside the "
                                    "program."));
        // The board need not say it again, nor send the player to reinstall.
        QVERIFY(db->wordListProblemTold());
    }

    void aMissingDatabaseBesideAPortableProgramIsToldEvenWhenThePlayersOwnHasWords() {
        QTemporaryDir program;
        QTemporaryDir home;
        const QString user = home.filePath(QStringLiteral("Vortalex"));
        QVERIFY(QDir().mkpath(user));
        QVERIFY(test::makeDatabase(GameDatabase::pathIn(user), {{"CAT", "x"}}, "v1"));
        const DataLocation where = DataLocation::prepare(program.path(), user);
        auto db = open(where);
        QVERIFY(db);
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        QCOMPARE(
            m_messages.texts(),
            QStringList{QStringLiteral("There is no %1, so Vortalex uses your own database "
                                       "%2 instead.")
                            .arg(QDir::toNativeSeparators(GameDatabase::pathIn(program.path())),
                                 QDir::toNativeSeparators(where.databasePath))});
        QVERIFY(!db->wordListProblemTold());
    }

    void anInstalledGameWithoutItsDatabaseSaysNothingAtStart() {
        // Its players never look beside the program; an empty word list is told at Play.
        Install install;
        QVERIFY(QFile::remove(install.installedDatabase()));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(!db->wordListProblemTold());
    }

    void anOlderReadOnlyFileWithoutItsWordListSourceIsPlayedReadOnly() {
        RERUN_UNPRIVILEGED_WHEN_ROOT();
        Install install;
        const DataLocation where = DataLocation::prepare(install.program(), install.user());
        QVERIFY(open(where));
        QVERIFY(test::RawConnection(where.databasePath)
                    .run({QStringLiteral("DROP TABLE tblDictionarySource"),
                          QStringLiteral("DROP TABLE tblCommonWords"),
                          QStringLiteral("DROP TABLE tblCommonWordsSource")}));
        QVERIFY(QFile::setPermissions(where.databasePath, QFile::ReadOwner | QFile::ReadUser));
        m_messages = test::ScriptedMessages();
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        QVERIFY(db->writesRefused());
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY2(m_messages.texts().at(0).contains(QStringLiteral("(the file is read-only)")),
                 qPrintable(m_messages.texts().at(0)));
    }

    void aDatabaseAnotherProgramIsWritingAtStartIsToldAsBusyAndUsedOnceFree() {
        QTemporaryDir program;
        QTemporaryDir home;
        const QString beside = GameDatabase::pathIn(program.path());
        QVERIFY(test::makeDatabase(beside, {{"CAT", "x"}}, "v1"));
        auto other = std::make_unique<test::RawConnection>(beside);
        QVERIFY(other->holdFile());
        auto db = open(DataLocation::prepare(program.path(), home.path()));
        QVERIFY(db);
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown.at(0).title, kAppTitle);
        QCOMPARE(m_messages.texts().at(0),
                 QStringLiteral("%1 is busy: another program is using it.")
                         .arg(QDir::toNativeSeparators(beside)) +
                     kLineBreak +
                     QStringLiteral("Vortalex tries it again whenever it needs it; until then "
                                    "words cannot be checked and nothing can be saved."));
        // Told once: a later busy spell is not told again.
        QVERIFY(db->busyTold());
        QVERIFY(!db->writesRefused());
        other.reset();
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
    }

    // The file was set up before, and another program holds its write lock: it reads, so the
    // game starts at once, and it is told as busy, never as a file that cannot be written.
    void aFileWhoseWriteLockIsHeldAtStartIsToldAsBusyNotAsUnwritable() {
        QTemporaryDir program;
        const QString beside = GameDatabase::pathIn(program.path());
        QVERIFY(test::makeDatabase(beside, {{"CAT", "x"}}, "v1"));
        auto other = std::make_unique<test::RawConnection>(beside);
        QVERIFY(other->run({QStringLiteral("BEGIN IMMEDIATE")}));
        auto db = open(DataLocation::prepare(program.path(), QString()));
        QVERIFY(db);
        QCOMPARE(m_messages.texts(), QStringList{busyText(beside)});
        QVERIFY(!db->writesRefused());
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        other.reset();
        QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
    }

    void damagedPlayerTablesAreNamedOnceAtStart() {
        QTemporaryDir program;
        const QString beside = GameDatabase::pathIn(program.path());
        {
            auto db = GameDatabase::open(beside).db;
            QVERIFY(test::fillDictionary(*db, {{"CAT", "x"}}));
            QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
            QVERIFY(db->appendHistory(QStringLiteral("Ann"),
                                      {Level::Easy, QDateTime::currentDateTimeUtc(), 0, 0, {}, 0},
                                      {}));
        }
        for (const QString& table : {QStringLiteral("tblUsers"), QStringLiteral("tblHistory")}) {
            const int root = test::RawConnection(beside).rootPage(table);
            QVERIFY(test::zeroPages(beside, root, root));
        }
        auto db = open(DataLocation::prepare(program.path(), QString()));
        QVERIFY(db);
        QCOMPARE(m_messages.texts(),
                 QStringList{QStringLiteral("%1 is damaged: its players and history cannot be "
                                            "read in full.")
                                 .arg(QDir::toNativeSeparators(beside)) +
                             kLineBreak +
                             QStringLiteral("Vortalex says so wherever it needs them, and never "
                                            "shows part of them as the whole.")});
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
    }

    void aDamagedWordListIsMendedFromTheInstalledCopyAtStartWithoutAWord() {
        Install install;
        const DataLocation where = DataLocation::prepare(install.program(), install.user());
        {
            auto db = open(where);
            QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
        }
        QVERIFY(damageWordRows(where.databasePath));
        auto db = open(DataLocation::prepare(install.program(), install.user()));
        QVERIFY(db);
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(db->checkDictionary(), GameDatabase::Health::Sound);
        QVERIFY(test::isWord(*db, QStringLiteral("cat")));
        QVERIFY(db->findPlayerByName(QStringLiteral("Ann")).isFound());
    }

    void aDamagedWordListThatCannotBeMendedIsToldOnceAtStart() {
        // A portable copy has no installed word list to take the words from.
        QTemporaryDir program;
        const QString beside = GameDatabase::pathIn(program.path());
        QVERIFY(test::makeDatabase(beside, {{"CAT", "x"}}, "v1"));
        QVERIFY(damageWordRows(beside));
        auto db = open(DataLocation::prepare(program.path(), QString()));
        QVERIFY(db);
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown.at(0).title, kAppTitle);
        const QString text = m_messages.texts().at(0);
        QVERIFY2(text.startsWith(QStringLiteral("The word list in %1 is damaged and could not be "
                                                "repaired (")
                                     .arg(QDir::toNativeSeparators(beside))),
                 qPrintable(text));
        QVERIFY(db->wordListProblemTold());
        QVERIFY(test::appendPlayer(*db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
    }
};

QTEST_GUILESS_MAIN(TestDataLocation)
#include "TestDataLocation.moc"
