// Checks the word list the build generated into the program folder, and that the build's
// refresh of it never loses a player's rows.
#include "DatabaseCalls.h"
#include "RawConnection.h"
#include "core/common/Lexicon.h"
#include "core/data/GameDatabase.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

namespace {

const QString kProgramDir = QStringLiteral(VORTALEX_PROGRAM_DIR);
const QString kSeeder = QStringLiteral(VORTALEX_TOOLS_DIR "/vortalex-seeddb");
// SCOWL's size-35 list, Debian's wamerican-small: the words an ordinary player knows.
const QString kSmallList = QStringLiteral("/usr/share/dict/american-english-small");
// SCOWL's mid-size lists, Debian's wamerican and wbritish.
const QString kAmericanList = QStringLiteral("/usr/share/dict/american-english");
const QString kBritishList = QStringLiteral("/usr/share/dict/british-english");

// The words of a SCOWL list a board can hold, in upper case: lower case a-z (no names or
// apostrophes), three letters at least. Empty when the list is missing.
QSet<QString> boardWordsOf(const QString& path) {
    static const QRegularExpression kPlain(QStringLiteral("^[a-z]{3,}$"));
    QFile file(path);
    QSet<QString> words;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return words;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (kPlain.match(line).hasMatch())
            words << line.toUpper();
    }
    return words;
}

// The strict modern form only, so that CIVIL or DILL do not count as numerals.
bool isRomanNumeral(const QString& word) {
    static const QRegularExpression kNumeral(
        QStringLiteral("^M{0,4}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})$"));
    return !word.isEmpty() && kNumeral.match(word).hasMatch();
}

QString toRoman(int value) {
    static const QList<std::pair<int, const char*>> kDigits = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    QString out;
    for (const auto& [digitValue, digit] : kDigits)
        for (; value >= digitValue; value -= digitValue)
            out += QLatin1String(digit);
    return out;
}

int runSeeder(const QString& tsv, const QString& db, const QString& common = {}) {
    QProcess p;
    p.start(kSeeder, common.isEmpty() ? QStringList{tsv, db} : QStringList{tsv, db, common});
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

    // Words with at least one non-blank meaning, read straight from the table.
    QSet<QString> wordsWithAMeaning() {
        const QStringList words = test::valuesOf(
            test::RawConnection(m_db->path())
                .query(QStringLiteral(
                    "SELECT DISTINCT Word FROM tbl_Dictionary WHERE trim(Meaning) <> ''")));
        return QSet<QString>(words.cbegin(), words.cend());
    }

    void theWordListHasTheExpectedSize() {
        const qint64 rows =
            test::RawConnection(m_db->path()).count(QStringLiteral("tbl_Dictionary"));
        QVERIFY2(rows > 150000 && rows < 250000, qPrintable(QString::number(rows)));
        const QStringList all = test::valuesOf(m_db->wordsStartingWithCursor(QString()));
        QCOMPARE(all.size(), rows);
        const QSet<QString> words(all.cbegin(), all.cend());
        QVERIFY2(words.size() > 80000 && words.size() < 130000,
                 qPrintable(QString::number(words.size())));
    }

    void everyWordIsUpperCaseLettersWithAMeaning() {
        QCOMPARE(test::RawConnection(m_db->path())
                     .count(QStringLiteral("tbl_Dictionary WHERE Word = '' OR Word GLOB"
                                           " '*[^A-Z]*' OR trim(Meaning) = ''")),
                 0);
    }

    void baseWordsInflectionsAndClosedClassWordsAreFound_data() {
        QTest::addColumn<QString>("word");
        for (const char* w :
             {"cat", "CATS", "RAN", "GEESE", "BIGGEST", "THE", "WHICH", "AND", "YOU", "WITH",
              "FROM", "THEY", "SHE", "WOULD", "SHALL", "UPON", "running", "Queen", "A", "I", "OX",
              "OXEN", "MICE", "WENT",
              // Forms and words the generator used to miss.
              "BLOGGED", "BOGGED", "AUTOPSIED", "ALIASING", "BADDER", "BADDEST", "CRUNCHY",
              "CRUNCHIER", "BACKLOGGED", "BOBSLEDDED", "BABIER", "BRANDIED", "APPARELLED",
              "AFTERLIVES", "BEHALVES", "AVOCADOES", "KEYWORDS", "EKED", "EUREKA", "MIX",
              // Words that look like numerals or abbreviations.
              "CIVIL", "DIM", "LID", "MILD", "VIVID", "GYM", "RHYTHM", "LYNX", "CWM", "NTH",
              // Names that are words too, in lower case.
              "TURKEY", "CHINA", "MARCH", "POLISH", "JACK", "LOUVRED",
              // British spellings, LOUVRE and ARMOUR though the American list has them as names.
              "ARMOUR", "COLOURED", "CENTRES", "FAVOURS", "DREAMT", "CHEQUES", "LOUVRE"}) {
            QTest::newRow(w) << QString::fromLatin1(w);
        }
    }
    void baseWordsInflectionsAndClosedClassWordsAreFound() {
        QFETCH(QString, word);
        QVERIFY(test::isWord(*m_db, word));
        QVERIFY(!m_db->meanings(word).isEmpty());
    }

    void misspellingsAndNonWordsAreNot_data() {
        QTest::addColumn<QString>("word");
        for (const char* w : {"TEH", "RECIEVE", "XQZT", "QWDY", "PARIS", "AAAA", "CATSS",
                              // What the spelling rules could make up but English does not use.
                              "BLOGED", "RUNNED", "GOODER", "LINKEST", "BADEST", "CHILDS",
                              "AUTOPSYED", "LINKER", "XII", "MCMXCIX",
                              // Irregular numerals and abbreviations of units.
                              "ILX", "XCL", "MPH", "RPM", "KPH", "LBS", "HRS", "PCT", "CWT", "WPM",
                              "BPS", "YRS", "ATM", "MSEC", "KBIT",
                              // Proper nouns, though WordNet has a lower-case sense for each.
                              "BOLIVIA", "EASTER", "OREO", "TROJAN", "AMELIA",
                              // Names of the British lists too, though a spelling rule would
                              // make CHARTERS, MARSHAL and CORNEL of them.
                              "CHARTRES", "MARSHALL", "CORNELL"}) {
            QTest::newRow(w) << QString::fromLatin1(w);
        }
    }
    void misspellingsAndNonWordsAreNot() {
        QFETCH(QString, word);
        QVERIFY(!test::isWord(*m_db, word));
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

    void inflectionsOfAWordWordNetUsesAsAnotherPartNameTheBasesPart() {
        const QStringList bricked = m_db->meanings(QStringLiteral("BRICKED"));
        QVERIFY2(!bricked.isEmpty() && bricked.first().startsWith(QStringLiteral(
                                           "(v.) past tense or past participle of BRICK (n.): ")),
                 qPrintable(bricked.join('|')));
        const QStringList blogged = m_db->meanings(QStringLiteral("BLOGGED"));
        QVERIFY2(!blogged.isEmpty() && blogged.first().startsWith(QStringLiteral(
                                           "(v.) past tense or past participle of BLOG: ")),
                 qPrintable(blogged.join('|')));
    }

    void theWordsOfTheSmallAmericanListAreAcceptedWithAMeaning() {
        QSet<QString> list = boardWordsOf(kSmallList);
        if (list.isEmpty())
            QSKIP("/usr/share/dict/american-english-small is missing: install Debian's "
                  "wamerican-small (scripts/install-deps.sh) to measure the coverage");
        // Numerals are no words, except MIX, which is also one.
        list.removeIf([](const QString& word) { return isRomanNumeral(word) && word != "MIX"; });
        // 40,025 words in the 2020.12.07 package; the bound only catches a broken reading.
        QVERIFY2(list.size() > 30000, qPrintable(QString::number(list.size())));

        const QSet<QString> known = wordsWithAMeaning();
        QStringList missed;
        for (const QString& word : std::as_const(list))
            if (!known.contains(word))
                missed << word;
        const double share = 1.0 - double(missed.size()) / double(list.size());
        qInfo("%lld words of %s, %lld accepted with a meaning (%.2f%%)", qlonglong(list.size()),
              qPrintable(kSmallList), qlonglong(list.size() - missed.size()), 100.0 * share);
        QVERIFY2(share >= 0.995, qPrintable(QStringLiteral("%1 missed, such as: %2")
                                                .arg(missed.size())
                                                .arg(missed.mid(0, 40).join(' '))));
    }

    void aBritishSpellingShowsTheMeaningsOfItsAmericanWord() {
        const QStringList centers = m_db->meanings(QStringLiteral("CENTERS"));
        QVERIFY(!centers.isEmpty());
        QCOMPARE(m_db->meanings(QStringLiteral("CENTRES")),
                 QStringList{QStringLiteral("British spelling of CENTERS")} + centers);
    }

    void theBritishSpellingsTheAmericanListLacksAreAccepted() {
        const QSet<QString> britishOnly = boardWordsOf(kBritishList) - boardWordsOf(kAmericanList);
        if (britishOnly.isEmpty())
            QSKIP("install Debian's wbritish (scripts/install-deps.sh) to measure the coverage");
        const QSet<QString> known = wordsWithAMeaning();
        QStringList refused;
        for (const QString& word : britishOnly)
            if (!known.contains(word))
                refused << word;
        const double share = 1.0 - double(refused.size()) / double(britishOnly.size());
        qInfo("%lld words of %s are not in %s: %.2f%% accepted with a meaning",
              qlonglong(britishOnly.size()), qPrintable(kBritishList), qPrintable(kAmericanList),
              100.0 * share);
        QVERIFY2(share >= 0.95, qPrintable(refused.join(' ')));
    }

    void romanNumeralsAreNotWords() {
        const QStringList all = test::valuesOf(m_db->wordsStartingWithCursor(QString()));
        const QSet<QString> words(all.cbegin(), all.cend());
        QStringList accepted;
        for (int value = 1; value < 4000; ++value) {
            const QString numeral = toRoman(value);
            QVERIFY(isRomanNumeral(numeral));
            if (numeral.size() >= 3 && numeral != "MIX" && words.contains(numeral))
                accepted << numeral;
        }
        QVERIFY2(accepted.isEmpty(), qPrintable(accepted.join(' ')));
        QVERIFY(!isRomanNumeral(QStringLiteral("CIVIL")));
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
            QVERIFY(test::appendPlayer(*opened.db, QStringLiteral("Ann"), QStringLiteral("pw"),
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
        QVERIFY(test::isWord(*opened.db, QStringLiteral("ZEBU")));
        QCOMPARE(test::RawConnection(db).count(QStringLiteral("tbl_Dictionary")), 3);
        QVERIFY(test::findPlayer(*opened.db, QStringLiteral("Ann"), QStringLiteral("PW")));
        QCOMPARE(opened.db->findScore(Level::Easy, QStringLiteral("Ann"))->score, 6100);
        QCOMPARE(opened.db->findTotal(QStringLiteral("Ann")), Lookup<qint64>::found(6100));
    }

    void theBuiltCommonWordsAreEverydayWordsOfTheDictionary() {
        const std::shared_ptr<const Lexicon> lexicon = m_db->wordTree();
        QStringList distinct = test::valuesOf(m_db->wordsStartingWithCursor(QString()));
        distinct.removeDuplicates();
        QCOMPARE(lexicon->wordCount(), static_cast<std::size_t>(distinct.size()));
        // Most dictionary words a board can spell are in SCOWL's mid-size list, not all.
        QVERIFY2(lexicon->commonCount() > 40000 && lexicon->commonCount() < lexicon->wordCount(),
                 qPrintable(QString::number(lexicon->commonCount())));
        for (const char* w : {"HOUSE", "CAT", "RIVER", "GARDEN", "QUIXOTIC"}) {
            QVERIFY2(lexicon->isCommon(QString::fromLatin1(w)), w);
        }
        for (const char* w : {"AARDWOLF", "ZYMURGY", "SYZYGY"}) {
            QVERIFY2(lexicon->contains(QString::fromLatin1(w)), w);
            QVERIFY2(!lexicon->isCommon(QString::fromLatin1(w)), w);
        }
    }

    void theBuildRefreshesTheCommonWordsWithoutLosingPlayers() {
        const QString db = m_dir.filePath(QStringLiteral("common.mdb"));
        const QString tsv = m_dir.filePath(QStringLiteral("common.tsv"));
        const QString list = m_dir.filePath(QStringLiteral("american-english"));
        const QString kCommonWords = QStringLiteral("SELECT fldWord FROM tblCommonWords");
        auto write = [](const QString& path, const QByteArray& text) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
        };
        QVERIFY(write(tsv, "CAT\t(n.) feline\nZEBU\t(n.) humped cattle\n"));
        // Names, possessives and accented words are no board words.
        QVERIFY(write(list, "cat\nParis\ncat's\ncaf\xc3\xa9\n zebra \n"));
        QCOMPARE(runSeeder(tsv, db, list), 0);
        {
            auto opened = GameDatabase::open(db);
            QVERIFY(opened.db);
            QCOMPARE(test::valuesOf(test::RawConnection(db).query(kCommonWords)),
                     (QStringList{"CAT", "ZEBRA"}));
            QVERIFY(test::appendPlayer(*opened.db, QStringLiteral("Ann"), QStringLiteral("pw"),
                                       {true, false, false, false}));
        }
        QVERIFY(write(list, "cat\nzebu\n"));
        QCOMPARE(runSeeder(tsv, db, list), 0); // the list changed: refreshed
        QCOMPARE(runSeeder(tsv, db, list), 0); // unchanged: left alone
        auto opened = GameDatabase::open(db);
        QVERIFY(opened.db);
        test::RawConnection raw(db);
        QCOMPARE(test::valuesOf(raw.query(kCommonWords)), (QStringList{"CAT", "ZEBU"}));
        QCOMPARE(raw.count(QStringLiteral("tbl_Dictionary")), 2);
        QVERIFY(test::findPlayer(*opened.db, QStringLiteral("Ann"), QStringLiteral("pw")));
        QCOMPARE(runSeeder(tsv, db, m_dir.filePath(QStringLiteral("missing"))), 1);
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
