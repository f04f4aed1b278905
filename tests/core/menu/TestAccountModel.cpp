#include "TestWorld.h"
#include "core/data/DataLocation.h"
#include "core/data/PasswordHash.h"
#include "core/menu/AccountModel.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vortalex;

// Registration and LOAD without their dialogs, each case on a fresh database.
class TestAccountModel : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<AccountModel> m_account;

    SessionState& session() { return m_world->session; }

    // LOAD from start to its answer.
    bool load(const QString& name, const QString& password) {
        QSignalSpy finished(m_account.get(), &AccountModel::loadFinished);
        m_account->startLoad(name, password);
        if (finished.isEmpty() && !finished.wait()) {
            return false;
        }
        return finished.size() == 1 && finished.first().first().toBool();
    }
    void addAnn(int rows, const QString& password) {
        for (int i = 0; i < rows; ++i) {
            QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"), password,
                                       {true, true, true, true}));
        }
    }

private slots:
    void init() {
        m_world = std::make_unique<test::TestWorld>();
        session().setDemoRunning(false); // as after the player spelled the command
        m_account = std::make_unique<AccountModel>(m_world->services, session());
    }
    void cleanup() {
        m_account.reset();
        m_world.reset();
    }

    void anEmptyNameIsRefused() {
        QVERIFY(!m_account->registerPlayer(QString()));
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kEmptyName});
        QCOMPARE(m_world->messages.shown.at(0).style, style::kExclamation);
        QVERIFY(!session().levelOpen(Level::Easy));
    }

    void aNewNameSignsInWhateverItsCharacters_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Ann");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bob\"");
        QTest::newRow("sql-like") << QStringLiteral("x' OR '1'='1");
        QTest::newRow("spaces kept") << QStringLiteral("  Ann  ");
    }
    void aNewNameSignsInWhateverItsCharacters() {
        QFETCH(QString, name);
        QVERIFY(
            test::appendPlayer(*m_world->database, QStringLiteral("Zed"), QStringLiteral("pw")));
        QVERIFY(m_account->registerPlayer(name));
        QVERIFY(m_world->messages.shown.isEmpty());
        QCOMPARE(session().playerName(), name);
        QCOMPARE(session().greeting(), QStringLiteral("Welcome [") + name + QStringLiteral("]"));
        QVERIFY(session().levelOpen(Level::Easy));
        QVERIFY(!session().levelOpen(Level::Intermediate));
        QVERIFY(session().demoRunning());
        // Registering writes nothing: the player's row comes with the first saved score.
        QVERIFY(!m_world->database->findPlayerByName(name).isFound());
    }

    void aStoredNameIsTakenInAnyLetterCase_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("same case") << QStringLiteral("O'Hara");
        QTest::newRow("other case") << QStringLiteral("o'HARA");
        QTest::newRow("other case, accented") << QStringLiteral("O'HÁRA");
        QTest::newRow("other case, cyrillic") << QStringLiteral("о'ХАРА");
    }
    void aStoredNameIsTakenInAnyLetterCase() {
        QFETCH(QString, typed);
        QVERIFY(
            test::appendPlayer(*m_world->database, QStringLiteral("O'Hara"), QStringLiteral("pw")));
        QVERIFY(
            test::appendPlayer(*m_world->database, QStringLiteral("O'Hára"), QStringLiteral("pw")));
        QVERIFY(
            test::appendPlayer(*m_world->database, QStringLiteral("о'Хара"), QStringLiteral("pw")));
        QVERIFY(!m_account->registerPlayer(typed));
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kNameTaken});
        QCOMPARE(m_world->messages.shown.at(0).style, style::kPlain);
        QCOMPARE(m_world->messages.shown.at(0).title, kAppTitle);
        QCOMPARE(session().playerName(), QString());
        QCOMPARE(session().greeting(), SessionState::kGuestGreeting);
        QVERIFY(!session().levelOpen(Level::Easy));
        QVERIFY(!session().demoRunning());
    }

    // Another program holds the file: a stored player cannot be looked up, which is neither a
    // free name nor a name not found. Nobody is signed in and the player is told why.
    void aPlayerLookupThatCannotReadTheFileSignsNobodyInAndSaysItIsBusy() {
        m_account.reset();
        m_world =
            std::make_unique<test::TestWorld>(QList<DictionaryEntry>{}, test::TestWorld::OnDisk);
        m_account = std::make_unique<AccountModel>(m_world->services, session());
        addAnn(1, QStringLiteral("pw"));
        GameDatabase& db = *m_world->database;
        db.setBusyTimeout(20);
        test::RawConnection other(db.path());
        QVERIFY(other.holdFile());
        const QString busy = kLineBreak + busyLine(db.path());
        QVERIFY(!m_account->registerPlayer(QStringLiteral("Ann")));
        QVERIFY(!load(QStringLiteral("Ann"), QStringLiteral("pw")));
        QCOMPARE(m_world->messages.texts(), (QStringList{AccountModel::kNameUnchecked + busy,
                                                         AccountModel::kLoadUnread + busy}));
        QCOMPARE(session().playerName(), QString());
        QVERIFY(!session().levelOpen(Level::Easy));
    }

    void cancelClosesEasyAndTheStartFlagButKeepsTheGreeting() {
        session().setPlayerName(QStringLiteral("Ann"));
        session().setGreeting(SessionState::welcome(QStringLiteral("Ann")));
        session().setLevelOpen(Level::Easy, true);
        session().setLevelOpen(Level::Intermediate, true);
        session().setStartChosenRecord(true);
        m_account->cancelRegistration();
        QVERIFY(!session().levelOpen(Level::Easy));
        QVERIFY(session().levelOpen(Level::Intermediate));
        QVERIFY(!session().startChosenRecord());
        QVERIFY(!session().startChosen());
        QVERIFY(session().demoRunning());
        QCOMPARE(session().playerName(), QStringLiteral("Ann"));
        QCOMPARE(session().greeting(), QStringLiteral("Welcome [Ann]"));
    }

    void loadNeedsTheRightNameAndPassword_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("found");
        QTest::newRow("right") << QStringLiteral("Ann") << QStringLiteral("it's \"me\"") << true;
        QTest::newRow("password case ignored")
            << QStringLiteral("Ann") << QStringLiteral("IT'S \"ME\"") << true;
        QTest::newRow("name case ignored")
            << QStringLiteral("aNN") << QStringLiteral("it's \"me\"") << true;
        QTest::newRow("wrong password")
            << QStringLiteral("Ann") << QStringLiteral("its me") << false;
        QTest::newRow("unknown name")
            << QStringLiteral("Bea") << QStringLiteral("it's \"me\"") << false;
        QTest::newRow("injection") << QStringLiteral("Ann' --") << QStringLiteral("x") << false;
    }
    void loadNeedsTheRightNameAndPassword() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, found);
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"),
                                   QStringLiteral("it's \"me\""), {true, true, false, false}));
        QCOMPARE(load(name, password), found);
        QCOMPARE(m_world->messages.shown.size(), 1);
        const test::ShownMessage shown = m_world->messages.shown.at(0);
        QCOMPARE(shown.title, kAppTitle);
        if (found) {
            QCOMPARE(shown.text, AccountModel::kLoaded);
            QCOMPARE(shown.style, style::kInformation);
            QCOMPARE(session().playerName(), QStringLiteral("Ann")); // as stored
            QCOMPARE(session().greeting(), QStringLiteral("Welcome [Ann]"));
            QVERIFY(session().levelOpen(Level::Easy));
            QVERIFY(session().levelOpen(Level::Intermediate));
            QVERIFY(!session().levelOpen(Level::Difficult));
        } else {
            QCOMPARE(shown.text, AccountModel::kNotFound);
            QCOMPARE(shown.style, style::kExclamation);
            QCOMPARE(session().playerName(), QString());
            QVERIFY(!session().levelOpen(Level::Easy));
        }
        QVERIFY(!session().demoRunning()); // a load leaves the demo alone
    }

    void loadReplacesEveryFlagAndTakesTheFirstMatchingRow() {
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"), QStringLiteral("old"),
                                   {true, true, true, true}));
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("ANN"), QStringLiteral("new"),
                                   {false, false, true, false}));
        for (const Level level : allLevels()) {
            session().setLevelOpen(level, level != Level::Difficult);
        }
        session().setPlayerName(QStringLiteral("Zed"));
        QVERIFY(load(QStringLiteral("ann"), QStringLiteral("new")));
        QCOMPARE(session().playerName(), QStringLiteral("ANN"));
        QCOMPARE(session().greeting(), QStringLiteral("Welcome [ANN]"));
        QVERIFY(!session().levelOpen(Level::Easy));
        QVERIFY(!session().levelOpen(Level::Intermediate));
        QVERIFY(session().levelOpen(Level::Difficult));
        QVERIFY(!session().levelOpen(Level::Expert));
    }

    void ofTwoRowsWithOneNameAndOnePasswordTheFirstRowWins() {
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Ann"), QStringLiteral("pw"),
                                   {true, false, false, false}));
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("ANN"), QStringLiteral("pw"),
                                   {true, true, true, true}));
        QVERIFY(load(QStringLiteral("ann"), QStringLiteral("PW")));
        QCOMPARE(session().playerName(), QStringLiteral("Ann"));
        QVERIFY(session().levelOpen(Level::Easy));
        QVERIFY(!session().levelOpen(Level::Intermediate));
        QVERIFY(!session().levelOpen(Level::Expert));
    }

    void loadFindsAStoredNameTypedInAnyLetterCase() {
        QVERIFY(test::appendPlayer(*m_world->database, QStringLiteral("Åsa Ölander"),
                                   QStringLiteral("pw"), {true, true, true, false}));
        QVERIFY(load(QStringLiteral("åSA öLANDER"), QStringLiteral("pw")));
        QCOMPARE(session().playerName(), QStringLiteral("Åsa Ölander"));
        QVERIFY(session().levelOpen(Level::Difficult));
    }

    void loadAnswersLaterFromAnotherThreadAndRefusesASecondStartMeanwhile() {
        addAnn(3, QStringLiteral("pw"));
        QSignalSpy running(m_account.get(), &AccountModel::loadRunningChanged);
        QSignalSpy finished(m_account.get(), &AccountModel::loadFinished);
        m_account->startLoad(QStringLiteral("Ann"), QStringLiteral("wrong"));
        QVERIFY(m_account->loadRunning());
        QCOMPARE(running.size(), 1);
        QVERIFY(running.first().first().toBool());
        QVERIFY(m_world->messages.shown.isEmpty());
        m_account->startLoad(QStringLiteral("Ann"), QStringLiteral("pw")); // ignored
        QVERIFY(finished.wait());
        QCOMPARE(finished.size(), 1);
        QVERIFY(!finished.first().first().toBool());
        QCOMPARE(running.size(), 2);
        QVERIFY(!running.last().first().toBool());
        QVERIFY(!m_account->loadRunning());
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kNotFound});
    }

    // The check's time is read on its own thread: here a clock that finds a second gone at each
    // look, with two and a half seconds to check, so that the third row is never tried.
    void theWholeCheckEndsAtItsTimeAndThenFindsNobody() {
        GameDatabase& db = *m_world->database;
        for (const QString& password :
             {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}) {
            QVERIFY(
                test::appendPlayer(db, QStringLiteral("Ann"), password, {true, true, true, true}));
        }
        password::Policy policy = db.passwordPolicy();
        policy.checkTime = std::chrono::milliseconds(2500);
        policy.clock = [looks = std::make_shared<std::atomic<int>>(0)] {
            return std::chrono::nanoseconds(std::chrono::seconds(looks->fetch_add(1)));
        };
        db.setPasswordPolicy(policy);
        QVERIFY(load(QStringLiteral("Ann"), QStringLiteral("two")));
        QVERIFY(!load(QStringLiteral("Ann"), QStringLiteral("three")));
        QCOMPARE(m_world->messages.texts(),
                 (QStringList{AccountModel::kLoaded, AccountModel::kNotFound}));
    }

    void aCheckStoppedAndStartedAgainAtOnceAnswersOnceWithTheSecondAnswer() {
        addAnn(1, QStringLiteral("pw"));
        QSignalSpy finished(m_account.get(), &AccountModel::loadFinished);
        m_account->startLoad(QStringLiteral("Ann"), QStringLiteral("wrong"));
        m_account->cancelLoad();
        m_account->startLoad(QStringLiteral("Ann"), QStringLiteral("pw"));
        QVERIFY(finished.wait());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.first().first().toBool());
        QCOMPARE(m_world->messages.texts(), QStringList{AccountModel::kLoaded});
        QCOMPARE(session().playerName(), QStringLiteral("Ann"));
    }

    // Hashes older versions wrote, or of another strength than the game's, are replaced by
    // the game's own after the first load that matches them; the level flags stay.
    void aRowOfAnOlderHashGetsTheNewOneAfterALoad_data() {
        QTest::addColumn<QString>("old");
        QTest::newRow("pbkdf2") << password::pbkdf2Hash(QStringLiteral("Pw"), password::newSalt(),
                                                        1000);
        const password::Strength game = password::fastPolicy().strength;
        QTest::newRow("argon2id of other passes")
            << password::hash(QStringLiteral("Pw"), {game.passes + 1, game.memoryBytes});
        QTest::newRow("argon2id of other memory")
            << password::hash(QStringLiteral("Pw"), {game.passes, 2 * game.memoryBytes});
    }
    void aRowOfAnOlderHashGetsTheNewOneAfterALoad() {
        QFETCH(QString, old);
        GameDatabase& db = *m_world->database;
        QVERIFY(db.appendPlayerHashed(QStringLiteral("Ann"), old, {true, true, false, false}));
        const auto stored = [&db] {
            return db.playersNamed(QStringLiteral("Ann"))->first();
        };
        QVERIFY(!load(QStringLiteral("Ann"), QStringLiteral("wrong")));
        QCOMPARE(stored().passwordHash, old);
        QVERIFY(load(QStringLiteral("ANN"), QStringLiteral("pW")));
        const QString fresh = stored().passwordHash;
        QVERIFY(fresh != old);
        QVERIFY(fresh.startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(!password::needsRehash(fresh, db.passwordPolicy()));
        QCOMPARE(stored().player.levelOpen, (std::array<bool, 4>{true, true, false, false}));
        QCOMPARE(db.playersNamed(QStringLiteral("Ann"))->size(), 1);
        QVERIFY(load(QStringLiteral("Ann"), QStringLiteral("PW")));
        QVERIFY(!load(QStringLiteral("Ann"), QStringLiteral("P")));
        QCOMPARE(stored().passwordHash, fresh);
    }

    void aCancelledLoadNeverAnswers() {
        addAnn(10, QStringLiteral("pw"));
        QSignalSpy finished(m_account.get(), &AccountModel::loadFinished);
        m_account->startLoad(QStringLiteral("Ann"), QStringLiteral("pw"));
        m_account->cancelLoad();
        QVERIFY(!m_account->loadRunning());
        QVERIFY(session().demoRunning());
        QCoreApplication::sendPostedEvents();
        QVERIFY(finished.isEmpty());
        QVERIFY(m_world->messages.shown.isEmpty());
        QCOMPARE(session().playerName(), QString());
        // A new check after it answers as usual.
        QVERIFY(load(QStringLiteral("Ann"), QStringLiteral("PW")));
        QCOMPARE(session().playerName(), QStringLiteral("Ann"));
    }
};

QTEST_GUILESS_MAIN(TestAccountModel)
#include "TestAccountModel.moc"
