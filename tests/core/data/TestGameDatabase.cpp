#include "RawConnection.h"
#include "TestWorld.h"
#include "core/common/Lexicon.h"
#include "core/data/GameDatabase.h"
#include "core/data/PasswordHash.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <mutex>
#include <thread>

using namespace vortalex;

namespace {

using namespace vortalex::test;

// A file as the game made it before names were folded: the tables and columns in their places,
// names compared by COLLATE NOCASE.
void writeUnfoldedFile(const QString& path) {
    RawConnection raw(path);
    raw.query(QStringLiteral("CREATE TABLE tbl_Dictionary (Word TEXT NOT NULL COLLATE NOCASE,"
                             " Meaning TEXT NOT NULL DEFAULT '')"));
    raw.query(QStringLiteral("CREATE INDEX tbl_Dictionary_Word ON tbl_Dictionary (Word)"));
    raw.query(QStringLiteral("CREATE TABLE tblWrong (WrongWord TEXT COLLATE NOCASE)"));
    raw.query(QStringLiteral("CREATE TABLE tblDictionarySource (fldSource TEXT NOT NULL)"));
    raw.query(QStringLiteral("CREATE TABLE tblUsers (fldUsername TEXT NOT NULL COLLATE NOCASE,"
                             " fldPassword TEXT NOT NULL DEFAULT '', fldeasy BOOLEAN NOT NULL"
                             " DEFAULT 0, fldintermediate BOOLEAN NOT NULL DEFAULT 0,"
                             " flddifficult BOOLEAN NOT NULL DEFAULT 0, fldexpert BOOLEAN NOT NULL"
                             " DEFAULT 0)"));
    raw.query(QStringLiteral("CREATE INDEX tblUsers_fldUsername ON tblUsers (fldUsername)"));
    for (Level level : allLevels()) {
        const QString table = QString::fromLatin1(levelInfo(level).scoreTable);
        raw.query(QStringLiteral("CREATE TABLE %1 (fldUsername TEXT NOT NULL COLLATE NOCASE,"
                                 " fldScore INTEGER NOT NULL DEFAULT 0, fldTime TEXT NOT NULL"
                                 " DEFAULT '')")
                      .arg(table));
        raw.query(QStringLiteral("CREATE INDEX %1_fldUsername ON %1 (fldUsername)").arg(table));
        raw.query(QStringLiteral("INSERT INTO %1 VALUES ('Дмитрий', 7000, '00:00'),"
                                 " ('Ann', 5000, '00:00')")
                      .arg(table));
    }
    raw.query(QStringLiteral("CREATE TABLE total (fldusername TEXT NOT NULL COLLATE NOCASE,"
                             " totscore NUMERIC NOT NULL DEFAULT 0)"));
    raw.query(QStringLiteral("CREATE INDEX total_fldusername ON total (fldusername)"));
    raw.query(QStringLiteral("INSERT INTO total VALUES ('Дмитрий', 28000), ('Ann', '5200.0')"));
    // Two spellings of one name, which the old comparison kept apart.
    const QString insertPlayer = QStringLiteral("INSERT INTO tblUsers VALUES (?, ?, 1, ?, 0, 0)");
    raw.query(insertPlayer,
              {QStringLiteral("émile"), password::pbkdf2Hash("one", "salt", 1000), true});
    raw.query(insertPlayer,
              {QStringLiteral("ÉMILE"), password::pbkdf2Hash("two", "salt", 1000), false});
    raw.query(insertPlayer,
              {QStringLiteral("Ann"), password::pbkdf2Hash("pw", "salt", 1000), true});
}

// Words enough for the word list and its index to span many pages each.
QList<DictionaryEntry> manyWords() {
    QList<DictionaryEntry> words;
    for (int i = 0; i < 3000; ++i) {
        QString word = QStringLiteral("W");
        for (int n = i; n > 0 || word.size() < 4; n /= 26) {
            word.append(QLatin1Char(static_cast<char>('A' + n % 26)));
        }
        words.append({word, QStringLiteral("(n.) word number %1").arg(i)});
    }
    return words;
}

QString oddText(int n) {
    const QStringList samples{QStringLiteral("O'Brien"),
                              QStringLiteral("say \"hi\""),
                              QStringLiteral("100%"),
                              QStringLiteral("a*b"),
                              QStringLiteral("x' OR '1'='1' --"),
                              QStringLiteral("Zoë Çelik 山田"),
                              QString(1000, QLatin1Char('q')) + QStringLiteral("'")};
    return samples.at(n);
}

} // namespace

class TestGameDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<GameDatabase> m_db;
    QString m_path;

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_path =
            m_dir.filePath(QStringLiteral("case-%1.mdb").arg(QDateTime::currentMSecsSinceEpoch()));
        QFile::remove(m_path);
        auto opened = GameDatabase::open(m_path);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        m_db->setPasswordPolicy(password::fastPolicy()); // the shipped one where it matters
    }
    void cleanup() {
        m_db.reset();
        QFile::remove(m_path);
    }

    void aMissingFileGetsEveryTableWithItsColumnsInPlace() {
        RawConnection raw(m_path);
        QCOMPARE(raw.columns(QStringLiteral("tbl_Dictionary")), (QStringList{"Word", "Meaning"}));
        QCOMPARE(raw.columns(QStringLiteral("tblWrong")), (QStringList{"WrongWord"}));
        // Tables looked up by name end in the column of folded names.
        const QString key = GameDatabase::kNameKeyColumn;
        QCOMPARE(raw.columns(QStringLiteral("tblUsers")),
                 (QStringList{"fldUsername", "fldPassword", "fldeasy", "fldintermediate",
                              "flddifficult", "fldexpert", key}));
        for (Level level : allLevels()) {
            QCOMPARE(raw.columns(QString::fromLatin1(levelInfo(level).scoreTable)),
                     (QStringList{"fldUsername", "fldScore", "fldTime", key}));
        }
        QCOMPARE(raw.columns(QStringLiteral("total")),
                 (QStringList{"fldusername", "totscore", key}));
    }

    void aFileThatIsNotADatabaseIsAnErrorValue() {
        const QString garbage = m_dir.filePath(QStringLiteral("garbage.mdb"));
        QFile f(garbage);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        auto opened = GameDatabase::open(garbage);
        QVERIFY(!opened.db);
        QVERIFY(opened.error.contains(QStringLiteral("garbage.mdb")));
        // The file is left as it was: nothing of the player's is overwritten.
        QCOMPARE(QFileInfo(garbage).size(), 4096);

        auto folder = GameDatabase::open(m_dir.path());
        QVERIFY(!folder.db);
        QVERIFY(!folder.error.isEmpty());
        auto unreachable = GameDatabase::open(m_dir.filePath(QStringLiteral("no/such/dir/x.mdb")));
        QVERIFY(!unreachable.db);
    }

    void anExistingFileKeepsItsRowsAndGainsMissingTables() {
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("Ann"), 5200, "00:00"}));
        m_db.reset();
        {
            RawConnection raw(m_path);
            raw.query(QStringLiteral("DROP TABLE tblExpertScores"));
        }
        auto reopened = GameDatabase::open(m_path);
        QVERIFY(reopened.db);
        m_db = std::move(reopened.db);
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("ann"))->score, 5200);
        QVERIFY(m_db->appendScore(Level::Expert, {QStringLiteral("Ann"), 400, "00:00"}));
    }

    void anOlderFileGainsTheSettingsTableAndAStoredSettingReplacesTheLast() {
        m_db.reset();
        RawConnection(m_path).query(QStringLiteral("DROP TABLE tblSettings"));
        auto reopened = GameDatabase::open(m_path);
        QVERIFY(reopened.db);
        m_db = std::move(reopened.db);
        const QString name = QStringLiteral("Sound 'muted'");
        QVERIFY(!m_db->setting(name));
        QVERIFY(m_db->storeSetting(name, QStringLiteral("1")));
        QVERIFY(m_db->storeSetting(name, QStringLiteral("0")));
        QCOMPARE(m_db->setting(name), std::optional<QString>(QStringLiteral("0")));
        QCOMPARE(RawConnection(m_path).number(QStringLiteral("SELECT count(*) FROM tblSettings")),
                 1);
    }

    void anUnfoldedFileKeepsEveryRowAndFindsNamesInAnyCaseOnceOpened() {
        m_db.reset();
        QFile::remove(m_path);
        writeUnfoldedFile(m_path);
        for (int pass = 0; pass < 2; ++pass) { // the second open finds nothing left to do
            auto opened = GameDatabase::open(m_path);
            QVERIFY2(opened.db, qPrintable(opened.error));
            m_db = std::move(opened.db);
            m_db->setPasswordPolicy(password::fastPolicy());
            QCOMPARE(findPlayer(*m_db, QStringLiteral("ÉMILE"), QStringLiteral("one"))->name,
                     QStringLiteral("émile"));
            QCOMPARE(findPlayer(*m_db, QStringLiteral("Émile"), QStringLiteral("TWO"))->name,
                     QStringLiteral("ÉMILE"));
            QVERIFY(findPlayer(*m_db, QStringLiteral("aNN"), QStringLiteral("pw")));
            for (Level level : allLevels()) {
                QCOMPARE(m_db->findScore(level, QStringLiteral("дмитрий"))->score, 7000);
            }
            QCOMPARE(m_db->findTotal(QStringLiteral("ДМИТРИЙ")), Lookup<qint64>::found(28000));
            QCOMPARE(m_db->findTotal(QStringLiteral("ann")), Lookup<qint64>::found(5200));
            m_db.reset();
            RawConnection raw(m_path);
            QCOMPARE(raw.count(QStringLiteral("tblUsers")), 3);
            QCOMPARE(raw.count(QStringLiteral("tblExpertScores")), 2);
            QCOMPARE(raw.count(QStringLiteral("total")), 2);
            QCOMPARE(raw.columns(QStringLiteral("total")).mid(0, 2),
                     (QStringList{"fldusername", "totscore"}));
        }
    }

    void aFileThatCannotTakeFoldedNamesStillMatchesNamesAsBefore() {
        m_db.reset();
        QFile::remove(m_path);
        writeUnfoldedFile(m_path);
        {
            // Another program holding the file for writing longer than an open waits.
            RawConnection raw(m_path);
            raw.query(QStringLiteral("BEGIN IMMEDIATE"));
            auto opened = GameDatabase::open(m_path);
            QVERIFY2(opened.db, qPrintable(opened.error));
            m_db = std::move(opened.db);
            QVERIFY(
                m_db->findScore(Level::Easy, QStringLiteral("дмитрий")).isNotFound()); // ASCII only
            m_db->setPasswordPolicy(password::fastPolicy());
            QCOMPARE(findPlayer(*m_db, QStringLiteral("ANN"), QStringLiteral("pw"))->name,
                     QStringLiteral("Ann"));
            QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("ann"))->score, 5000);
            raw.query(QStringLiteral("ROLLBACK"));
        }
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("Bob"), 6000, "00:00"}));
        QVERIFY(m_db->findScore(Level::Easy, QStringLiteral("BOB")).isFound());
        m_db.reset();
        auto reopened = GameDatabase::open(m_path);
        QVERIFY(reopened.db);
        m_db = std::move(reopened.db);
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("BOB"))->score, 6000);
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("ДМИТРИЙ"))->score, 7000);
    }

    void rowsAnOlderGameWroteWithoutKeysAreFoundWhenTheirKeysCannotBeWritten() {
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("Ann"), 5000, "00:00"}));
        m_db.reset();
        {
            // An older game's row has no key, and this file takes no updates any more.
            RawConnection raw(m_path);
            raw.query(QStringLiteral("UPDATE tblEasyScores SET fldNameKey = NULL"));
            raw.query(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON tblEasyScores "
                                     "BEGIN SELECT RAISE(ABORT, 'frozen'); END"));
        }
        auto opened = GameDatabase::open(m_path);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        const Lookup<ScoreRow> found = m_db->findScore(Level::Easy, QStringLiteral("ANN"));
        QVERIFY(found.isFound());
        QCOMPARE(found->score, 5000);
    }

    void everyLookupByNameUsesTheIndexOfFoldedNames() {
        QStringList tables{QStringLiteral("tblUsers"), QStringLiteral("total")};
        for (Level level : allLevels()) {
            tables.append(QString::fromLatin1(levelInfo(level).scoreTable));
        }
        RawConnection raw(m_path);
        for (const QString& table : std::as_const(tables)) {
            const QString plan =
                valuesOf(raw.query(QStringLiteral("EXPLAIN QUERY PLAN ") +
                                       m_db->rowsOfNameSql(table, QStringLiteral("*")) +
                                       QStringLiteral(" LIMIT 1"),
                                   {m_db->nameValue(QStringLiteral("Émile"))}),
                         3)
                    .join(QLatin1Char('|'));
            QVERIFY2(plan.contains(QStringLiteral("USING INDEX %1_%2 (%2=?)")
                                       .arg(table, GameDatabase::kNameKeyColumn)),
                     qPrintable(plan));
            QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan));
        }
    }

    void passwordHashesOfOlderVersionsAreStandardPbkdf2AndKeepMatching() {
        // Published PBKDF2-HMAC-SHA256 results for the password "password" and the salt
        // "salt", and one for "straße": older versions folded by toLower() alone, and their rows
        // are checked that way, the password typed in another case on purpose.
        const QList<std::tuple<QString, QString, int, const char*>> known = {
            {"password", "PassWord", 1,
             "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"},
            {"password", "PassWord", 2,
             "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"},
            {"password", "PassWord", 4096,
             "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
            {QStringLiteral("straße"), QStringLiteral("STRAßE"), 2,
             "77c67ad311f955053ab2c708fb6fb8ec7869a8e0a8c6f5efc34459d7e934cf72"}};
        password::Policy policy = password::fastPolicy();
        policy.leastIterations = 1;
        const auto stored = [](int rounds, const QByteArray& key) {
            return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
                .arg(rounds)
                .arg(QString::fromLatin1(QByteArray("salt").toBase64()))
                .arg(QString::fromLatin1(key.toBase64()));
        };
        for (const auto& [original, typed, rounds, hex] : known) {
            const QByteArray key = QByteArray::fromHex(hex);
            QVERIFY(password::matches(typed, stored(rounds, key), policy));
            QVERIFY(!password::matches(typed + QLatin1Char('s'), stored(rounds, key), policy));
            QCOMPARE(password::pbkdf2Hash(original, "salt", rounds), stored(rounds, key));
            // A key wrong in any one byte, the first, one inside or the last, is refused.
            for (const qsizetype at : {qsizetype(0), key.size() / 2, key.size() - 1}) {
                QByteArray wrong = key;
                wrong[at] = static_cast<char>(wrong[at] ^ 0x01);
                QVERIFY2(!password::matches(typed, stored(rounds, wrong), policy),
                         qPrintable(QString::number(at)));
            }
        }
    }

    void wordLookupsIgnoreLetterCase() {
        QVERIFY(fillDictionary(*m_db, {{"CAT", "(n.) feline"}, {"Dog", "(n.) canine"}}));
        QVERIFY(isWord(*m_db, QStringLiteral("cat")));
        QVERIFY(isWord(*m_db, QStringLiteral("CAT")));
        QVERIFY(isWord(*m_db, QStringLiteral("DOG")));
        QVERIFY(!isWord(*m_db, QStringLiteral("CA")));
        QVERIFY(!isWord(*m_db, QStringLiteral("")));
        QVERIFY(!isWord(*m_db, QStringLiteral("CAT' OR '1'='1")));
        QVERIFY(m_db->dictionaryAvailable());
        QCOMPARE(RawConnection(m_path).count(QStringLiteral("tbl_Dictionary")), 2);
    }

    void anEntryOfTwoWordsLoadsAsNoWordAtAll() {
        QVERIFY(fillDictionary(*m_db, {{"ICE CREAM", "(n.) a frozen dessert"}, {"CAT", "x"}}));
        const std::shared_ptr<const Lexicon> lexicon = m_db->wordTree();
        QVERIFY(lexicon->contains(u"CAT"));
        QVERIFY(!lexicon->contains(u"ICE") && !lexicon->contains(u"CREAM"));
    }

    void meaningsComeInStoredOrder() {
        QVERIFY(fillDictionary(*m_db, {{"RUN", "(v.) move fast"},
                                       {"CAT", "(n.) feline"},
                                       {"RUN", "(n.) a score in cricket"},
                                       {"run", "(v.) operate"}}));
        QCOMPARE(m_db->meanings(QStringLiteral("Run")),
                 (QStringList{"(v.) move fast", "(n.) a score in cricket", "(v.) operate"}));
        QVERIFY(m_db->meanings(QStringLiteral("XQZT")).isEmpty());
    }

    void prefixSuggestionsMatchTheStartOnlyInAnyCase() {
        QVERIFY(fillDictionary(*m_db, {{"ABC", "a"},
                                       {"abcess", "b"},
                                       {"abacus", "c"},
                                       {"XABC", "d"},
                                       {"ABCD", "e"},
                                       {"ABCD", "f"},
                                       {"A_C", "g"},
                                       {"A%C", "h"}}));
        QCOMPARE(valuesOf(m_db->wordsStartingWithCursor(QStringLiteral("ABC"))),
                 (QStringList{"ABC", "abcess", "ABCD", "ABCD"}));
        QCOMPARE(valuesOf(m_db->wordsStartingWithCursor(QStringLiteral("abc"))).size(), 4);
        QCOMPARE(valuesOf(m_db->wordsStartingWithCursor(QString())).size(), 8);
        // Wildcard characters in a prefix are letters like any other.
        QCOMPARE(valuesOf(m_db->wordsStartingWithCursor(QStringLiteral("A_"))),
                 (QStringList{"A_C"}));
        QCOMPARE(valuesOf(m_db->wordsStartingWithCursor(QStringLiteral("A%"))),
                 (QStringList{"A%C"}));
        QVERIFY(valuesOf(m_db->wordsStartingWithCursor(QStringLiteral("XQZ"))).isEmpty());
    }

    void wordAndPrefixQueriesUseTheIndex() {
        QVERIFY(fillDictionary(*m_db, {{"CAT", "x"}, {"CATS", "y"}}));
        m_db.reset();
        RawConnection raw(m_path);
        const auto plan = [&](const QString& sql, const QVariant& bind) {
            return valuesOf(raw.query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, {bind}), 3)
                .join(QLatin1Char('|'));
        };
        const QString prefixPlan = plan(GameDatabase::kWordsStartingWithSql,
                                        GameDatabase::likePrefixPattern(QStringLiteral("CAT")));
        QVERIFY2(
            prefixPlan.contains(QStringLiteral("USING INDEX tbl_Dictionary_Word")) ||
                prefixPlan.contains(QStringLiteral("USING COVERING INDEX tbl_Dictionary_Word")),
            qPrintable(prefixPlan));
        const QString wordPlan =
            plan(QStringLiteral("SELECT 1 FROM tbl_Dictionary WHERE Word = ? LIMIT 1"),
                 QStringLiteral("cat"));
        QVERIFY2(wordPlan.contains(QStringLiteral("INDEX tbl_Dictionary_Word")),
                 qPrintable(wordPlan));
    }

    void rejectedWordsKeepTheirOrderAndEmptyingAnEmptyTableIsQuiet() {
        QVERIFY(m_db->clearWrongWords());
        QVERIFY(m_db->wrongWords().isEmpty());
        QVERIFY(m_db->addWrongWord(QStringLiteral("XQZT")));
        QVERIFY(m_db->addWrongWord(QStringLiteral("TEH")));
        QVERIFY(m_db->addWrongWord(QStringLiteral("XQZT")));
        QCOMPARE(m_db->wrongWords(), (QStringList{"XQZT", "TEH", "XQZT"}));
        QVERIFY(m_db->clearWrongWords());
        QVERIFY(m_db->wrongWords().isEmpty());
        QVERIFY(m_db->lastError().isEmpty());
    }

    void passwordsAreStoredAsSaltedArgon2idHashesAndCheckedIgnoringCase() {
        m_db->setPasswordPolicy(password::Policy());
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("Secret"),
                             {true, true, false, false}));
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Bob"), QStringLiteral("Secret"),
                             {true, false, false, false}));
        {
            const QStringList stored =
                valuesOf(RawConnection(m_path).query("SELECT fldPassword FROM tblUsers"));
            QCOMPARE(stored.size(), 2);
            // At least what current guidance asks of Argon2id: 19 MiB and two passes.
            const QRegularExpressionMatch claim =
                QRegularExpression(QStringLiteral("^\\$argon2id\\$v=19\\$m=(\\d+),t=(\\d+),p=1\\$"))
                    .match(stored[0]);
            QVERIFY2(claim.hasMatch(), qPrintable(stored[0]));
            QVERIFY(claim.captured(1).toInt() >= 19 * 1024);
            QVERIFY(claim.captured(2).toInt() >= 2);
            QVERIFY(!stored[0].contains(QStringLiteral("Secret"), Qt::CaseInsensitive));
            QVERIFY2(stored[0] != stored[1], "the same password must not hash alike twice");
        }
        const auto ann = findPlayer(*m_db, QStringLiteral("ann"), QStringLiteral("sECRET"));
        QVERIFY(ann);
        QCOMPARE(ann->name, QStringLiteral("Ann"));
        QCOMPARE(ann->levelOpen, (std::array<bool, 4>{true, true, false, false}));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("Secret ")));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Ann"), QString()));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Nobody"), QStringLiteral("Secret")));
        QVERIFY(!password::matches(QStringLiteral("x"), QStringLiteral("x")));
        QVERIFY(!password::matches(QStringLiteral("x"), QStringLiteral("pbkdf2-sha256$0$$")));
    }

    // Pairs of spellings of one password that differ only in letter case, folded as names are.
    void passwordsIgnoreLetterCaseInEveryScriptAsNamesDo_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::newRow("sharp s") << QStringLiteral("straße") << QStringLiteral("STRASSE");
        QTest::newRow("greek final sigma") << QStringLiteral("λόγος") << QStringLiteral("ΛΌΓΟΣ");
        QTest::newRow("decomposed") << QStringLiteral("caf\u00e9") << QStringLiteral("CAFE\u0301");
        QTest::newRow("cyrillic") << QStringLiteral("пароль") << QStringLiteral("ПАРОЛЬ");
    }
    void passwordsIgnoreLetterCaseInEveryScriptAsNamesDo() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Ann"), stored, {true, false, false, false}));
        QVERIFY(findPlayer(*m_db, QStringLiteral("Ann"), typed));
        QVERIFY(findPlayer(*m_db, QStringLiteral("Ann"), stored));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Ann"), typed + QLatin1Char('x')));
    }

    void storedHashesClaimingParametersOutsideTheTrustedRangeNeverMatch() {
        // The test policy trusts PBKDF2 from 1000 rounds; a row claiming fewer is refused as
        // weak, one claiming more work than one hash may take as a stall, right or not.
        password::Policy pbkdf2 = password::fastPolicy();
        pbkdf2.mostWork = 2000 * password::kPbkdf2RoundWork;
        m_db->setPasswordPolicy(pbkdf2);
        const auto withRounds = [](int rounds) {
            return password::pbkdf2Hash(QStringLiteral("pw"), password::newSalt(), rounds);
        };
        QVERIFY(m_db->appendPlayerHashed(QStringLiteral("Weak"), withRounds(999), {}));
        QVERIFY(m_db->appendPlayerHashed(QStringLiteral("Heavy"), withRounds(2001), {}));
        QVERIFY(m_db->appendPlayerHashed(QStringLiteral("Fair"), withRounds(2000), {}));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Weak"), QStringLiteral("pw")));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Heavy"), QStringLiteral("pw")));
        QVERIFY(findPlayer(*m_db, QStringLiteral("Fair"), QStringLiteral("pw")));
        // The game itself trusts nothing below the count older versions wrote.
        m_db->setPasswordPolicy(password::Policy());
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Fair"), QStringLiteral("pw")));

        // Argon2id: right hashes whose memory or passes lie outside what the policy trusts.
        password::Policy policy = password::fastPolicy();
        const password::Strength least = policy.leastTrusted;
        policy.leastTrusted = {2, 2 * least.memoryBytes};
        policy.mostMemory = 4 * least.memoryBytes;
        m_db->setPasswordPolicy(policy);
        const auto argon2 = [&](const QString& name, const password::Strength& strength) {
            QVERIFY(
                m_db->appendPlayerHashed(name, password::hash(QStringLiteral("pw"), strength), {}));
        };
        argon2(QStringLiteral("Little memory"), {2, least.memoryBytes});
        argon2(QStringLiteral("One pass"), {1, 2 * least.memoryBytes});
        argon2(QStringLiteral("Much memory"), {2, 5 * least.memoryBytes});
        argon2(QStringLiteral("Trusted"), {3, 4 * least.memoryBytes});
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Little memory"), QStringLiteral("pw")));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("One pass"), QStringLiteral("pw")));
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Much memory"), QStringLiteral("pw")));
        QVERIFY(findPlayer(*m_db, QStringLiteral("Trusted"), QStringLiteral("pw")));

        // Doctored strings are refused before anything is hashed: claims libsodium would try
        // to honour with terabytes or billions of passes, and more than one lane.
        const QString real = password::hash(QStringLiteral("pw"), {2, 2 * least.memoryBytes});
        const QString kib = QString::number(2 * least.memoryBytes / 1024);
        const QString claim = QStringLiteral("m=%1,t=2,p=1").arg(kib);
        QVERIFY(real.contains(claim));
        QVERIFY(password::matches(QStringLiteral("pw"), real, policy));
        for (const QString& doctored : {QStringLiteral("m=4294967295,t=2,p=1"),
                                        QStringLiteral("m=%1,t=4294967295,p=1").arg(kib),
                                        QStringLiteral("m=%1,t=2,p=4").arg(kib)}) {
            const QString stored = QString(real).replace(claim, doctored);
            QVERIFY2(!password::workOf(stored, policy), qPrintable(stored));
            QVERIFY(!password::matches(QStringLiteral("pw"), stored, policy));
        }
    }

    void duplicateNamesAreAllowedAndTheFirstMatchingRowWins() {
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("one"),
                             {true, false, false, false}));
        QVERIFY(appendPlayer(*m_db, QStringLiteral("ANN"), QStringLiteral("two"),
                             {true, true, true, false}));
        QCOMPARE(m_db->findPlayerByName(QStringLiteral("ann"))->name, QStringLiteral("Ann"));
        const auto second = findPlayer(*m_db, QStringLiteral("ann"), QStringLiteral("TWO"));
        QVERIFY(second);
        QCOMPARE(second->name, QStringLiteral("ANN"));
        QCOMPARE(second->levelOpen, (std::array<bool, 4>{true, true, true, false}));
    }

    // Pairs of spellings of one name that differ only in letter case, in several scripts, and
    // one in composed and decomposed form.
    void namesMatchIgnoringLetterCaseInEveryScript_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::newRow("latin accents") << QStringLiteral("émile") << QStringLiteral("ÉMILE");
        QTest::newRow("greek final sigma") << QStringLiteral("Σοφός") << QStringLiteral("ΣΟΦΌΣ");
        QTest::newRow("cyrillic") << QStringLiteral("Дмитрий") << QStringLiteral("дМИТРИЙ");
        QTest::newRow("sharp s") << QStringLiteral("Strauß") << QStringLiteral("STRAUSS");
        QTest::newRow("decomposed") << QStringLiteral("Zoë") << QStringLiteral("ZOE\u0308");
    }
    void namesMatchIgnoringLetterCaseInEveryScript() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QVERIFY(appendPlayer(*m_db, stored, QStringLiteral("pw"), {true, false, false, false}));
        QCOMPARE(m_db->findPlayerByName(typed)->name, stored);
        QCOMPARE(findPlayer(*m_db, typed, QStringLiteral("PW"))->name, stored);
        QVERIFY(m_db->openPlayerLevels(typed, Level::Difficult));
        QVERIFY(m_db->findPlayerByName(stored)->levelOpen[2]);
        for (Level level : allLevels()) {
            QVERIFY(m_db->appendScore(level, {stored, 5000, "00:00"}));
            QCOMPARE(m_db->findScore(level, typed)->score, 5000);
            QVERIFY(m_db->updateScore(level, typed, 6000, QStringLiteral("00:00")));
            QCOMPARE(rankRows(m_db->levelScoresCursor(level)).size(), 1);
            QCOMPARE(m_db->findScore(level, stored)->score, 6000);
        }
        QVERIFY(m_db->appendTotal(stored, 5000));
        QCOMPARE(m_db->findTotal(typed), Lookup<qint64>::found(5000));
        QVERIFY(m_db->updateTotal(typed, 12000));
        QCOMPARE(rankRows(m_db->overallRankingCursor()).size(), 1);
        QCOMPARE(m_db->findTotal(stored), Lookup<qint64>::found(12000));
    }

    void namesThatDifferInMoreThanCaseStayApart() {
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Émile"), QStringLiteral("pw")));
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("Émile"), 5000, "00:00"}));
        QVERIFY(m_db->appendTotal(QStringLiteral("Émile"), 5000));
        for (const QString& other : {QStringLiteral("Emile"), QStringLiteral("Émile "),
                                     QStringLiteral("Èmile"), QStringLiteral("Émil")}) {
            QVERIFY2(m_db->findPlayerByName(other).isNotFound(), qPrintable(other));
            QVERIFY2(m_db->findScore(Level::Easy, other).isNotFound(), qPrintable(other));
            QVERIFY2(m_db->findTotal(other).isNotFound(), qPrintable(other));
        }
    }

    void oddNamesAndPasswordsRoundTripUnchanged_data() {
        QTest::addColumn<int>("sample");
        for (int i = 0; i < 7; ++i) {
            QTest::newRow(qPrintable(oddText(i).left(20))) << i;
        }
    }
    void oddNamesAndPasswordsRoundTripUnchanged() {
        QFETCH(int, sample);
        const QString text = oddText(sample);
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Plain"), QStringLiteral("pw"),
                             {true, false, false, false}));
        QVERIFY(appendPlayer(*m_db, text, text, {true, true, false, false}));
        const auto found = findPlayer(*m_db, text, text);
        QVERIFY(found);
        QCOMPARE(found->name, text);
        QCOMPARE(m_db->findPlayerByName(text)->name, text);
        QVERIFY(!findPlayer(*m_db, QStringLiteral("Plain"), text));
        QVERIFY(m_db->appendScore(Level::Difficult, {text, 9100, text}));
        const auto score = m_db->findScore(Level::Difficult, text);
        QVERIFY(score.isFound());
        QCOMPARE(score->name, text);
        QCOMPARE(score->time, text);
        QVERIFY(m_db->appendTotal(text, 9100));
        QCOMPARE(m_db->findTotal(text), Lookup<qint64>::found(9100));
        QVERIFY(m_db->addWrongWord(text));
        QCOMPARE(m_db->wrongWords(), QStringList{text});
        QCOMPARE(rankRows(m_db->levelRankingCursor(Level::Difficult)),
                 (QList<RankRow>{{text, 9100}}));
    }

    void levelFlagsNotWrittenByAnAppendAreClosed() {
        m_db.reset();
        {
            // A row as an older version of the game writes it, without a folded name.
            RawConnection raw(m_path);
            raw.query(QStringLiteral("INSERT INTO tblUsers (fldUsername) VALUES ('Old')"));
        }
        auto reopened = GameDatabase::open(m_path);
        QVERIFY(reopened.db);
        m_db = std::move(reopened.db);
        const auto old = m_db->findPlayerByName(QStringLiteral("Old"));
        QVERIFY(old.isFound());
        QCOMPARE(old->levelOpen, (std::array<bool, 4>{false, false, false, false}));
        QVERIFY(m_db->openPlayerLevels(QStringLiteral("OLD"), Level::Difficult));
        const auto opened = m_db->findPlayerByName(QStringLiteral("old"));
        QCOMPARE(opened->name, QStringLiteral("OLD"));
        QCOMPARE(opened->levelOpen, (std::array<bool, 4>{true, true, true, false}));
        QVERIFY(!m_db->openPlayerLevels(QStringLiteral("Nobody"), Level::Expert));
    }

    void scoresUpdateTheFirstRowOfTheNameOnly() {
        QVERIFY(m_db->appendScore(Level::Intermediate, {QStringLiteral("Ann"), 7000, "00:00"}));
        QVERIFY(m_db->appendScore(Level::Intermediate, {QStringLiteral("ann"), 7100, "00:00"}));
        QVERIFY(m_db->updateScore(Level::Intermediate, QStringLiteral("ANN"), 8000,
                                  QStringLiteral("00:00")));
        QCOMPARE(rankRows(m_db->levelScoresCursor(Level::Intermediate)),
                 (QList<RankRow>{{"Ann", 8000}, {"ann", 7100}}));
        QVERIFY(!m_db->updateScore(Level::Easy, QStringLiteral("Ann"), 1, QStringLiteral("")));
        QVERIFY(m_db->findScore(Level::Easy, QStringLiteral("Ann")).isNotFound());
    }

    void rankingsSortNumericallyHighestFirst() {
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("A"), 900, "00:00"}));
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("B"), 10000, "00:00"}));
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("C"), 5000, "00:00"}));
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("D"), 70000, "00:00"}));
        QCOMPARE(rankRows(m_db->levelRankingCursor(Level::Easy)),
                 (QList<RankRow>{{"D", 70000}, {"B", 10000}, {"C", 5000}, {"A", 900}}));
        QCOMPARE(rankRows(m_db->levelScoresCursor(Level::Easy)).first().name, QStringLiteral("A"));
        QVERIFY(rankRows(m_db->levelRankingCursor(Level::Expert)).isEmpty());

        QVERIFY(m_db->appendTotal(QStringLiteral("A"), 5200));
        QVERIFY(m_db->appendTotal(QStringLiteral("B"), 800));
        QVERIFY(m_db->updateTotal(QStringLiteral("b"), 5200 + 7350));
        QCOMPARE(rankRows(m_db->overallRankingCursor()),
                 (QList<RankRow>{{"b", 12550}, {"A", 5200}}));
        QVERIFY(!m_db->updateTotal(QStringLiteral("Nobody"), 1));
    }

    void aFailedTransactionWritesNothing() {
        const bool ok = m_db->inTransaction([&] {
            return m_db->appendScore(Level::Easy, {QStringLiteral("Ann"), 5000, "00:00"}) &&
                   m_db->updateTotal(QStringLiteral("Ann"), 5000);
        });
        QVERIFY(!ok);
        QVERIFY(m_db->findScore(Level::Easy, QStringLiteral("Ann")).isNotFound());
        QVERIFY(m_db->inTransaction([&] {
            return m_db->appendScore(Level::Easy, {QStringLiteral("Ann"), 5000, "00:00"}) &&
                   m_db->appendTotal(QStringLiteral("Ann"), 5000);
        }));
        QVERIFY(m_db->findScore(Level::Easy, QStringLiteral("Ann")).isFound());
    }

    // A player's history is kept by the folded name, in the order the levels were played;
    // each word the player built counts once, whatever its letter case or level.
    void historiesAreFoundByTheFoldedNameAndCountEachWordOnce() {
        const QDateTime when(QDate(2024, 5, 1), QTime(18, 30, 5, 120), Qt::UTC);
        const HistoryRow easy{Level::Easy, when, 5200, 3, QStringLiteral("STONE"), 41};
        const HistoryRow expert{Level::Expert, when.addSecs(1200), 400, 2, oddText(4), 80};
        QVERIFY(m_db->appendHistory(QStringLiteral("Émile"), easy, {"CAT", "STONE", "dog"}));
        QVERIFY(m_db->appendHistory(QStringLiteral("ÉMILE"), expert, {"DOG", oddText(4)}));
        QVERIFY(m_db->appendHistory(QStringLiteral("Ann"), easy, {"CAT"}));
        QCOMPARE(*m_db->historyOf(QStringLiteral("émile")), (QList<HistoryRow>{easy, expert}));
        QCOMPARE(*m_db->differentWordsOf(QStringLiteral("émile")), 4);
        QCOMPARE(*m_db->historyOf(QStringLiteral("ANN")), (QList<HistoryRow>{easy}));
        QCOMPARE(*m_db->differentWordsOf(QStringLiteral("ann")), 1);
        QVERIFY(m_db->historyOf(QStringLiteral("Émilie"))->isEmpty());
        QCOMPARE(*m_db->differentWordsOf(QStringLiteral("Émilie")), 0);
    }

    void aHistoryRowAndItsWordsAreWrittenTogetherOrNotAtAll() {
        {
            RawConnection raw(m_path);
            QVERIFY(raw.run({QStringLiteral(
                "CREATE TRIGGER refuse BEFORE INSERT ON tblPlayerWords WHEN NEW.fldWord = 'BAD'"
                " BEGIN SELECT RAISE(ABORT, 'refused'); END")}));
        }
        const HistoryRow row{Level::Easy, QDateTime::currentDateTimeUtc(), 550, 2, "GOOD", 9};
        QVERIFY(!m_db->appendHistory(QStringLiteral("Ann"), row, {"GOOD", "BAD"}));
        QVERIFY(m_db->historyOf(QStringLiteral("Ann"))->isEmpty());
        QCOMPARE(*m_db->differentWordsOf(QStringLiteral("Ann")), 0);
        QVERIFY(m_db->appendHistory(QStringLiteral("Ann"), row, {"GOOD", "FINE"}));
        QCOMPARE(m_db->historyOf(QStringLiteral("Ann"))->size(), 1);
        QCOMPARE(*m_db->differentWordsOf(QStringLiteral("Ann")), 2);
    }

    void anOlderFileGainsTheHistoryTablesAndKeepsItsRows() {
        m_db.reset();
        QFile::remove(m_path);
        writeUnfoldedFile(m_path);
        auto opened = GameDatabase::open(m_path);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("ann"))->score, 5000);
        const HistoryRow row{Level::Difficult, QDateTime::currentDateTimeUtc(), 9100, 1, "X", 3};
        QVERIFY(m_db->appendHistory(QStringLiteral("Ann"), row, {"X"}));
        QCOMPARE(m_db->historyOf(QStringLiteral("ann"))->size(), 1);
        RawConnection raw(m_path);
        QCOMPARE(raw.count(QStringLiteral("tblPlayerWords")), 1);
    }

    // One result per player and date, found by the folded name; a guest is the empty name.
    // Nothing reaches the levels' tables.
    void aDayKeepsTheFirstResultOfEachPlayerAndNothingElse() {
        const QDate day(2026, 12, 10);
        const QDateTime when(day, QTime(21, 30), Qt::UTC);
        const DailyRow first{day, QStringLiteral("Émile"), 3450, 12, "QUAVERS", 9, when};
        DailyRow again = first;
        again.name = QStringLiteral("ÉMILE");
        again.score = 9000;
        const DailyRow guest{day, QString(), 250, 1, oddText(4), 1, when};
        QCOMPARE(m_db->keepDailyResult(first), DailyWrite::Kept);
        QCOMPARE(m_db->keepDailyResult(again), DailyWrite::AlreadyKept);
        QCOMPARE(m_db->keepDailyResult(guest), DailyWrite::Kept);
        QCOMPARE(m_db->dailyResult(QStringLiteral("émile"), day), Lookup<DailyRow>::found(first));
        QCOMPARE(*m_db->dailyResultsOf(QString()), QList<DailyRow>{guest});
        QVERIFY(m_db->dailyResult(QString(), day.addDays(1)).isNotFound());
        RawConnection raw(m_path);
        for (const char* table : {"tblEasyScores", "tblIntermediateScores", "tblDifficultScores",
                                  "tblExpertScores", "total", "tblUsers", "tblHistory"}) {
            QCOMPARE(raw.count(QString::fromLatin1(table)), 0);
        }
    }

    // An older file gains the table when it opens; one that cannot take it plays on, keeping no
    // results.
    void anOlderFileGainsTheDayTableOrPlaysOnWithout() {
        m_db.reset();
        QFile::remove(m_path);
        writeUnfoldedFile(m_path);
        {
            RawConnection raw(m_path);
            raw.query(QStringLiteral("BEGIN IMMEDIATE"));
            auto opened = GameDatabase::open(m_path, 50);
            QVERIFY2(opened.db, qPrintable(opened.error));
            raw.query(QStringLiteral("ROLLBACK"));
            QVERIFY(!opened.db->keepsDailyResults());
            QCOMPARE(opened.db->findScore(Level::Easy, QStringLiteral("ann"))->score, 5000);
        }
        auto opened = GameDatabase::open(m_path);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        QVERIFY(m_db->keepsDailyResults());
        const DailyRow row{QDate(2026, 12, 10), QStringLiteral("Ann"), 550, 2, "BONDS", 50, {}};
        QCOMPARE(m_db->keepDailyResult(row), DailyWrite::Kept);
    }

    // Two connections, as two copies of the game would have, each adding 1 to a total many
    // times, each time reading the total first. A transaction that only locked the file when
    // it first wrote would find the other's read in its way and fail with "database is
    // locked"; taking the write lock at the start makes them wait for each other instead. That
    // failure comes at once, whatever the wait; the long wait only keeps a loaded machine, where
    // one loop may take the lock again and again before the other wakes, from failing.
    void transactionsThatReadBeforeWritingWaitForEachOtherAndAllLand() {
        QVERIFY(m_db->appendTotal(QStringLiteral("Ann"), 0));
        constexpr int kRounds = 150;
        std::mutex guard;
        QStringList errors;
        const auto addOnes = [&] {
            auto opened = GameDatabase::open(m_path, 60000);
            if (!opened.db) {
                const std::lock_guard lock(guard);
                errors.append(opened.error);
                return;
            }
            GameDatabase& db = *opened.db;
            for (int i = 0; i < kRounds; ++i) {
                const bool ok = db.inTransaction([&db] {
                    const Lookup<qint64> old = db.findTotal(QStringLiteral("Ann"));
                    return old.isFound() && db.updateTotal(QStringLiteral("Ann"), *old + 1);
                });
                if (!ok) {
                    const std::lock_guard lock(guard);
                    errors.append(db.lastError());
                }
            }
        };
        std::thread first(addOnes);
        std::thread second(addOnes);
        first.join();
        second.join();
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QCOMPARE(*m_db->findTotal(QStringLiteral("Ann")), 2 * kRounds);
    }

    // A file another connection is writing is waited for, then reported: never a success.
    void aWriteThatCannotGetTheFileFailsAndWritesNothing() {
        RawConnection other(m_path);
        QVERIFY(other.query(QStringLiteral("BEGIN IMMEDIATE")).isActive());
        const bool ok =
            m_db->inTransaction([&] { return m_db->appendTotal(QStringLiteral("Ann"), 5000); });
        QVERIFY(!ok);
        QVERIFY2(m_db->lastError().contains(QStringLiteral("locked")),
                 qPrintable(m_db->lastError()));
        other.query(QStringLiteral("ROLLBACK"));
        QVERIFY(m_db->findTotal(QStringLiteral("Ann")).isNotFound());
    }

    // Another program in the middle of writing the file when the game starts: the file is
    // fine, so it opens, and is set up once the other program is done.
    void aFileAnotherProgramIsWritingOpensAndIsSetUpAtItsNextUse() {
        m_db.reset();
        QFile::remove(m_path);
        writeUnfoldedFile(m_path);
        RawConnection other(m_path);
        QVERIFY(other.query(QStringLiteral("BEGIN EXCLUSIVE")).isActive());
        auto opened = GameDatabase::open(m_path, 50);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        QVERIFY(m_db->setUpPending());
        QCOMPARE(m_db->lookUpWord(QStringLiteral("cat")), WordLookup::Failed);
        QVERIFY(m_db->lastErrorBusy());
        QVERIFY(!m_db->appendScore(Level::Easy, {QStringLiteral("Bob"), 6000, "00:00"}));
        QVERIFY(m_db->lastErrorBusy());
        other.query(QStringLiteral("ROLLBACK"));
        QCOMPARE(m_db->lookUpWord(QStringLiteral("cat")), WordLookup::NotFound);
        QVERIFY(!m_db->setUpPending());
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("ДМИТРИЙ"))->score, 7000);
    }

    // Another program holds the file whole: no read that decides a write says "no row", and
    // the word list read then is no tree at all, read again once the file is free.
    void readsThatDecideWritesFailOnAHeldFileRatherThanFindNothing() {
        QVERIFY(fillDictionary(*m_db, {{"CAT", "x"}}));
        const QString ann = QStringLiteral("Ann");
        QVERIFY(appendPlayer(*m_db, ann, QStringLiteral("pw"), {true}));
        QVERIFY(m_db->appendScore(Level::Easy, {ann, 5300, "00:00"}));
        QVERIFY(m_db->appendTotal(ann, 5300));
        QVERIFY(m_db->appendHistory(
            ann, {Level::Easy, QDateTime::currentDateTimeUtc(), 5300, 1, "CAT", 4}, {"CAT"}));
        m_db->setBusyTimeout(20);
        {
            RawConnection other(m_path);
            QVERIFY(other.holdFile());
            QVERIFY(m_db->findScore(Level::Easy, ann).isFailed());
            QVERIFY(m_db->lastErrorBusy());
            QVERIFY(m_db->findTotal(ann).isFailed());
            QVERIFY(m_db->findPlayerByName(ann).isFailed());
            QVERIFY(m_db->playersNamed(ann).isFailed());
            QVERIFY(m_db->historyOf(ann).isFailed());
            QVERIFY(m_db->differentWordsOf(ann).isFailed());
            QVERIFY(!m_db->wordTree());
            QVERIFY(m_db->lastErrorBusy());
        }
        QCOMPARE(m_db->findScore(Level::Easy, ann)->score, 5300);
        QCOMPARE(*m_db->findTotal(ann), 5300);
        QVERIFY(m_db->findPlayerByName(ann).isFound());
        QCOMPARE(m_db->historyOf(ann)->size(), 1);
        QVERIFY(m_db->wordTree()->contains(QStringLiteral("CAT")));
    }

    // A busy spell costs one full wait: the operations after the first that met it wait only
    // briefly, until a write lands again.
    void afterABusyFailureOperationsWaitBrieflyUntilAWriteLands() {
        m_db->setBusyTimeout(2 * GameDatabase::kBusyRetryMs);
        QCOMPARE(m_db->busyWaitMs(), 2 * GameDatabase::kBusyRetryMs);
        {
            RawConnection other(m_path);
            QVERIFY(other.holdFile());
            QVERIFY(m_db->findScore(Level::Easy, QStringLiteral("Ann")).isFailed());
            QCOMPARE(m_db->busyWaitMs(), GameDatabase::kBusyRetryMs);
        }
        QVERIFY(m_db->findScore(Level::Easy, QStringLiteral("Ann")).isNotFound());
        QCOMPARE(m_db->busyWaitMs(), GameDatabase::kBusyRetryMs);
        QVERIFY(m_db->addWrongWord(QStringLiteral("TEH")));
        QCOMPARE(m_db->busyWaitMs(), 2 * GameDatabase::kBusyRetryMs);
    }

    // A lost leaf page of the history cuts the rows a read gets to, and a lost root page leaves
    // none: either is a failed read, never a shorter or an empty history.
    void aDamagedHistoryFailsToReadAndIsFoundByTheStartCheck() {
        const QString ann = QStringLiteral("Ann");
        QVERIFY(RawConnection(m_path).run(
            {QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                            "WHERE i < 2001) INSERT INTO tblHistory (fldNameKey, fldUsername, "
                            "fldLevel, fldWhen, fldScore, fldWordsBuilt, fldLongestWord, "
                            "fldWordsOnFields) SELECT 'ann', 'Ann', 0, "
                            "'2024-05-01T18:30:00.000Z', i, 1, 'WORD' || i, 9 FROM n")}));
        QCOMPARE(m_db->historyOf(ann)->size(), 2001);
        QVERIFY(m_db->damagedPlayerTables().isEmpty());
        m_db.reset();
        const auto pageOf = [this](const QString& kind) {
            return int(RawConnection(m_path).number(
                QStringLiteral("SELECT pageno FROM dbstat WHERE name = 'tblHistory' AND "
                               "pagetype = ? ORDER BY pageno LIMIT 1 OFFSET 3"),
                {kind}));
        };
        const int leaf = pageOf(QStringLiteral("leaf"));
        const int root = RawConnection(m_path).rootPage(QStringLiteral("tblHistory"));
        QVERIFY(leaf > 0 && root > 0);
        for (const int page : {leaf, root}) {
            QVERIFY(zeroPages(m_path, page, page));
            auto opened = GameDatabase::open(m_path);
            QVERIFY2(opened.db, qPrintable(opened.error));
            QVERIFY2(opened.db->historyOf(ann).isFailed(), qPrintable(QString::number(page)));
            QVERIFY(!opened.db->lastErrorBusy());
            QCOMPARE(opened.db->damagedPlayerTables(), QStringList{QStringLiteral("history")});
        }
    }

    // Rows no game writes: a level outside the four, or not a number, is left out; counts too wide
    // for 32 bits are read whole.
    void historyRowsOfNoLevelAreLeftOutAndWideCountsReadWhole() {
        const QString insert = QStringLiteral(
            "INSERT INTO tblHistory (fldNameKey, fldUsername, fldLevel, fldWhen, fldScore, "
            "fldWordsBuilt, fldLongestWord, fldWordsOnFields) VALUES ('ann', 'Ann', %1, "
            "'2024-05-01T18:30:00.000Z', 100, 1000000000000, 'CAT', 2000000000000)");
        {
            RawConnection raw(m_path);
            QVERIFY(raw.run(
                {insert.arg(4), insert.arg(-1), insert.arg(QStringLiteral("'x'")), insert.arg(3)}));
        }
        const QList<HistoryRow> rows = *m_db->historyOf(QStringLiteral("Ann"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).level, Level::Expert);
        QCOMPARE(rows.at(0).wordsBuilt, Q_INT64_C(1000000000000));
        QCOMPARE(rows.at(0).wordsOnFields, Q_INT64_C(2000000000000));
    }

    void aLookupThatCannotReadTheDictionaryFailsInsteadOfFindingNothing() {
        QVERIFY(fillDictionary(*m_db, {{"CAT", "x"}}));
        auto opened = GameDatabase::open(m_path, 50);
        QVERIFY(opened.db);
        GameDatabase& db = *opened.db;
        RawConnection other(m_path);
        QVERIFY(other.query(QStringLiteral("BEGIN EXCLUSIVE")).isActive());
        QCOMPARE(db.lookUpWord(QStringLiteral("cat")), WordLookup::Failed);
        QVERIFY(db.lastErrorBusy());
        QVERIFY(!isWord(db, QStringLiteral("cat")));
        other.query(QStringLiteral("ROLLBACK"));
        QCOMPARE(db.lookUpWord(QStringLiteral("cat")), WordLookup::Found);
        QCOMPARE(db.lookUpWord(QStringLiteral("dog")), WordLookup::NotFound);
    }

    // The index is built after the rows, so it fills the last pages of the file.
    void aWordIndexWhoseLastPagesAreLostIsRebuiltFromItsRowsAndPlayersStay() {
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("Ann"), 5300, "00:00"}));
        const QList<DictionaryEntry> words = manyWords();
        QVERIFY(fillDictionary(*m_db, words));
        QCOMPARE(m_db->checkDictionary(), GameDatabase::Health::Sound);
        m_db.reset();
        const int pages = int(RawConnection(m_path).number(QStringLiteral("PRAGMA page_count")));
        QVERIFY(RawConnection(m_path).rootPage(QStringLiteral("tbl_Dictionary_Word")) < pages - 3);
        QVERIFY(zeroPages(m_path, pages - 3, pages));

        auto opened = GameDatabase::open(m_path);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        m_db->setPasswordPolicy(password::fastPolicy());
        QCOMPARE(m_db->checkDictionary(), GameDatabase::Health::Damaged);
        QVERIFY(!m_db->lastError().isEmpty());
        int failed = 0;
        for (const DictionaryEntry& entry : words) {
            const WordLookup lookup = m_db->lookUpWord(entry.word);
            QVERIFY2(lookup != WordLookup::NotFound, qPrintable(entry.word));
            failed += lookup == WordLookup::Failed ? 1 : 0;
        }
        QVERIFY(failed > 0);

        QVERIFY2(m_db->repairDictionary(QString()), qPrintable(m_db->lastError()));
        QCOMPARE(m_db->checkDictionary(), GameDatabase::Health::Sound);
        for (const DictionaryEntry& entry : words) {
            QCOMPARE(m_db->lookUpWord(entry.word), WordLookup::Found);
        }
        QCOMPARE(RawConnection(m_path).count(QStringLiteral("tbl_Dictionary")), words.size());
        QCOMPARE(findPlayer(*m_db, QStringLiteral("ann"), QStringLiteral("pw"))->name,
                 QStringLiteral("Ann"));
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("Ann"))->score, 5300);
        m_db.reset();
        QCOMPARE(valuesOf(RawConnection(m_path).query("PRAGMA integrity_check")),
                 QStringList{"ok"});
    }

    void wordRowsThatCannotBeReadAreTakenFromTheInstalledCopyOnly() {
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("pw"), {true}));
        const QList<DictionaryEntry> words = manyWords();
        QVERIFY(fillDictionary(*m_db, words, QStringLiteral("v1")));
        m_db.reset();
        const QString installed = m_dir.filePath(QStringLiteral("installed.mdb"));
        QVERIFY(makeDatabase(installed, words, QStringLiteral("v1")));
        const int root = RawConnection(m_path).rootPage(QStringLiteral("tbl_Dictionary"));
        QVERIFY(zeroPages(m_path, root, root));

        auto opened = GameDatabase::open(m_path);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
        QCOMPARE(m_db->checkDictionary(), GameDatabase::Health::Damaged);
        QVERIFY(!m_db->repairDictionary(QString()));
        QVERIFY(m_db->lastError().contains(QStringLiteral("no installed word list")));
        QCOMPARE(m_db->checkDictionary(), GameDatabase::Health::Damaged);

        QVERIFY2(m_db->repairDictionary(installed), qPrintable(m_db->lastError()));
        QCOMPARE(m_db->checkDictionary(), GameDatabase::Health::Sound);
        QCOMPARE(RawConnection(m_path).count(QStringLiteral("tbl_Dictionary")), words.size());
        QCOMPARE(m_db->meanings(words.last().word), QStringList{words.last().meaning});
        QVERIFY(isWord(*m_db, words.first().word.toLower()));
        QCOMPARE(m_db->findPlayerByName(QStringLiteral("ANN"))->name, QStringLiteral("Ann"));
        // The word list's refresh works on the mended table as on any other.
        QVERIFY(fillDictionary(*m_db, {{"NEW", "y"}}, QStringLiteral("v2")));
        QVERIFY(isWord(*m_db, QStringLiteral("new")));
    }

    void refreshingTheDictionaryKeepsPlayersAndScores() {
        QVERIFY(fillDictionary(*m_db, {{"OLD", "x"}}, QStringLiteral("v1")));
        QVERIFY(appendPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("pw"),
                             {true, true, false, false}));
        QVERIFY(m_db->appendScore(Level::Easy, {QStringLiteral("Ann"), 5300, "00:00"}));
        QVERIFY(m_db->appendTotal(QStringLiteral("Ann"), 5300));
        QVERIFY(m_db->addWrongWord(QStringLiteral("TEH")));
        QVERIFY(fillDictionary(*m_db, {{"NEW", "y"}, {"WORD", "z"}}, QStringLiteral("v2")));
        QVERIFY(!isWord(*m_db, QStringLiteral("OLD")));
        QVERIFY(isWord(*m_db, QStringLiteral("new")));
        QCOMPARE(m_db->dictionarySourceId(), QStringLiteral("v2"));
        QVERIFY(findPlayer(*m_db, QStringLiteral("Ann"), QStringLiteral("pw")));
        QCOMPARE(m_db->findScore(Level::Easy, QStringLiteral("Ann"))->score, 5300);
        QCOMPARE(m_db->findTotal(QStringLiteral("Ann")), Lookup<qint64>::found(5300));
        QCOMPARE(m_db->wrongWords(), QStringList{"TEH"});
    }

    void aFailingRefreshLeavesTheOldWordList() {
        QVERIFY(fillDictionary(*m_db, {{"OLD", "x"}}, QStringLiteral("v1")));
        {
            RawConnection raw(m_path);
            raw.query(
                QStringLiteral("CREATE TRIGGER no_zz BEFORE INSERT ON tbl_Dictionary"
                               " WHEN NEW.Word = 'ZZ' BEGIN SELECT RAISE(ABORT, 'bad'); END"));
        }
        QVERIFY(!fillDictionary(*m_db, {{"NEW", "y"}, {"ZZ", "z"}}, QStringLiteral("v2")));
        QVERIFY(!m_db->lastError().isEmpty());
        QVERIFY(isWord(*m_db, QStringLiteral("OLD")));
        QVERIFY(!isWord(*m_db, QStringLiteral("NEW")));
        QCOMPARE(m_db->dictionarySourceId(), QStringLiteral("v1"));
    }
};

QTEST_GUILESS_MAIN(TestGameDatabase)
#include "TestGameDatabase.moc"
