// Checks the word list the build generated into the program folder, and that the build's
// refresh of it never loses a player's rows.
#include "data/GameDatabase.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

namespace {

const QString kProgramDir = QStringLiteral(VORTALEX_PROGRAM_DIR);
const QString kSeeder = QStringLiteral(VORTALEX_TOOLS_DIR "/vortalex-seeddb");

int runSeeder(const QString& tsv, const QString& db) {
    QProcess p;
    p.start(kSeeder, {tsv, db});
    if (!p.waitForFinished(120000)) {
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class TestDictionary : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<GameDatabase> m_db;

private slots:
    void initTestCase() {
        // A copy, so the checks never touch the database a player uses.
        const QString copy = m_dir.filePath(QStringLiteral("Dictionary.mdb"));
        QVERIFY(QFile::copy(GameDatabase::pathIn(kProgramDir), copy));
        auto opened = GameDatabase::open(copy);
        QVERIFY2(opened.db, qPrintable(opened.error));
        m_db = std::move(opened.db);
    }
    void cleanupTestCase() { m_db.reset(); }

    void theWordListHasTheExpectedSize() {
        const qint64 rows = m_db->dictionaryRowCount();
        QVERIFY2(rows > 150000 && rows < 250000, qPrintable(QString::number(rows)));
        const QStringList all = m_db->wordsStartingWith(QString());
        QCOMPARE(all.size(), rows);
        const QSet<QString> words(all.cbegin(), all.cend());
        QVERIFY2(words.size() > 80000 && words.size() < 130000,
                 qPrintable(QString::number(words.size())));
    }

    void everyWordIsUpperCaseLettersWithAMeaning() {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "raw");
        raw.setDatabaseName(m_db->path());
        QVERIFY(raw.open());
        QSqlQuery q(raw);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM tbl_Dictionary WHERE Word = ''"
                                      " OR Word GLOB '*[^A-Z]*' OR trim(Meaning) = ''")));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        q = QSqlQuery();
        raw.close();
        raw = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    }

    void baseWordsInflectionsAndClosedClassWordsAreFound_data() {
        QTest::addColumn<QString>("word");
        for (const char* w :
             {"cat",     "CATS",  "RAN",  "GEESE", "BIGGEST", "THE",   "WHICH", "AND",
              "YOU",     "WITH",  "FROM", "THEY",  "SHE",     "WOULD", "SHALL", "UPON",
              "running", "Queen", "A",    "I",     "OX",      "OXEN",  "MICE",  "WENT"}) {
            QTest::newRow(w) << QString::fromLatin1(w);
        }
    }
    void baseWordsInflectionsAndClosedClassWordsAreFound() {
        QFETCH(QString, word);
        QVERIFY(m_db->isWord(word));
        QVERIFY(!m_db->meanings(word).isEmpty());
    }

    void misspellingsAndNonWordsAreNot_data() {
        QTest::addColumn<QString>("word");
        for (const char* w : {"TEH", "RECIEVE", "XQZT", "QWDY", "PARIS", "AAAA", "CATSS"}) {
            QTest::newRow(w) << QString::fromLatin1(w);
        }
    }
    void misspellingsAndNonWordsAreNot() {
        QFETCH(QString, word);
        QVERIFY(!m_db->isWord(word));
    }

    void meaningsNameThePartOfSpeechAndTheBaseOfAnInflection() {
        const QStringList cat = m_db->meanings(QStringLiteral("CAT"));
        QVERIFY(cat.first().startsWith(QStringLiteral("(n.) ")));
        QVERIFY(cat.first().contains(QStringLiteral("feline")));
        const QStringList cats = m_db->meanings(QStringLiteral("CATS"));
        QVERIFY2(cats.join(' ').contains(QStringLiteral("CAT")), qPrintable(cats.join('|')));
        const QStringList ran = m_db->meanings(QStringLiteral("RAN"));
        QVERIFY2(ran.join(' ').contains(QStringLiteral("RUN")), qPrintable(ran.join('|')));
        QVERIFY(m_db->meanings(QStringLiteral("CATS")).size() <= 3);
    }

    void theBuildRefreshesTheWordListWithoutLosingPlayers() {
        const QString db = m_dir.filePath(QStringLiteral("players.mdb"));
        const QString tsv = m_dir.filePath(QStringLiteral("small.tsv"));
        {
            QFile f(tsv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("# test list\nZEBRA\t(n.) striped horse\nZEBRA\t(n.) a crossing\n");
        }
        QCOMPARE(runSeeder(tsv, db), 0); // seeds a missing file
        {
            auto opened = GameDatabase::open(db);
            QVERIFY(opened.db);
            QCOMPARE(opened.db->meanings(QStringLiteral("zebra")).size(), 2);
            QVERIFY(opened.db->appendPlayer(QStringLiteral("Ann"), QStringLiteral("pw"),
                                            {true, true, false, false}));
            QVERIFY(opened.db->appendScore(Level::Easy, {QStringLiteral("Ann"), 6100, "00:00"}));
            QVERIFY(opened.db->appendTotal(QStringLiteral("Ann"), 6100));
        }
        {
            QFile f(tsv);
            QVERIFY(f.open(QIODevice::Append));
            f.write("ZEBU\t(n.) humped cattle\n");
        }
        QCOMPARE(runSeeder(tsv, db), 0); // the list changed: refreshed
        QCOMPARE(runSeeder(tsv, db), 0); // unchanged: left alone
        auto opened = GameDatabase::open(db);
        QVERIFY(opened.db);
        QVERIFY(opened.db->isWord(QStringLiteral("ZEBU")));
        QCOMPARE(opened.db->dictionaryRowCount(), 3);
        QVERIFY(opened.db->findPlayer(QStringLiteral("Ann"), QStringLiteral("PW")));
        QCOMPARE(opened.db->findScore(Level::Easy, QStringLiteral("Ann"))->score, 6100);
        QCOMPARE(opened.db->findTotal(QStringLiteral("Ann")), std::optional<qint64>(6100));
    }

    void theSeederRefusesAFileThatIsNotADatabase() {
        const QString garbage = m_dir.filePath(QStringLiteral("garbage.mdb"));
        QFile f(garbage);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, 'g'));
        f.close();
        const QString tsv = m_dir.filePath(QStringLiteral("one.tsv"));
        QFile t(tsv);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("CAT\t(n.) feline\n");
        t.close();
        QCOMPARE(runSeeder(tsv, garbage), 1);
        QCOMPARE(QFileInfo(garbage).size(), 2048);
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "TestDictionary.moc"
