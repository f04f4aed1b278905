// Runs vortalex-gendict on a tiny WordNet and word list written here, so each spelling rule is
// checked against words chosen for it rather than against whatever the installed WordNet holds.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kGenerator = QStringLiteral(VORTALEX_TOOLS_DIR "/vortalex-gendict");

struct Lemma {
    const char* word;
    const char* gloss;
    const char* synonyms = ""; // other words of the synset, blank-separated
};

// One WordNet part of speech: data.POS with one synset per lemma at its true byte offset, and
// index.POS pointing at it, in the layout the generator parses.
void writePart(const QDir& dir, const QString& file, char tag, const QList<Lemma>& lemmas) {
    QByteArray data = "  1 licence header line\n";
    QByteArray index = "  1 licence header line\n";
    for (const Lemma& l : lemmas) {
        const QByteArray offset = QByteArray::number(data.size()).rightJustified(8, '0');
        QByteArrayList words{l.word};
        words += QByteArray(l.synonyms).split(' ');
        words.removeAll(QByteArray());
        data += offset + " 05 " + tag + " " +
                QByteArray::number(words.size(), 16).rightJustified(2, '0') + " " +
                words.join(" 0 ") + " 0 000 | " + l.gloss + "\n";
        index += QByteArray(l.word) + " " + tag + " 1 0 1 0 " + offset + "\n";
    }
    QFile d(dir.filePath("data." + file));
    QFile i(dir.filePath("index." + file));
    QVERIFY(d.open(QIODevice::WriteOnly) && i.open(QIODevice::WriteOnly));
    d.write(data);
    i.write(index);
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

class TestGenDict : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QMap<QString, QStringList> m_rows; // word -> meanings, from the normal run
    QString m_everyday;
    QString m_report; // what the last run printed
    QString m_normalReport;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Returns the exit code, and fills `rows` from the output when the run succeeded.
    int generate(const QString& everyday, QMap<QString, QStringList>* rows, QString* errors) {
        QProcess p;
        p.start(kGenerator, {"--wordnet", path("wn"), "--words", path("words.txt"), "--british",
                             path("british.txt"), "--extra", path("closed.tsv"), "--everyday",
                             everyday, "--out", path("out.tsv")});
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        *errors = QString::fromUtf8(p.readAllStandardError());
        m_report = QString::fromUtf8(p.readAllStandardOutput());
        if (p.exitCode() != 0 || !rows)
            return p.exitCode();
        QFile out(path("out.tsv"));
        if (!out.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : out.readAll().split('\n')) {
            const qsizetype tab = line.indexOf('\t');
            if (tab > 0)
                (*rows)[QString::fromUtf8(line.left(tab))] << QString::fromUtf8(line.mid(tab + 1));
        }
        return 0;
    }

    QString meaningsOf(const char* word) const {
        return m_rows.value(QString::fromLatin1(word)).join(QStringLiteral(" | "));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("wn")));
        const QDir wn(path("wn"));
        writePart(wn, "noun", 'n',
                  {{"alias", "a name taken for a while"},
                   {"afterlife", "life after death"},
                   {"avocado", "a pear-shaped fruit"},
                   {"baby", "a very young child"},
                   {"behalf", "as the agent of"},
                   {"brick", "a block of baked clay"},
                   {"goose", "a web-footed bird"},
                   {"landslide", "a slide of earth down a slope"},
                   {"schoolchild", "a child at school"},
                   // Abbreviations, and real words without a vowel or with Y for one.
                   {"mph", "a rate of speed", "miles_per_hour"},
                   {"rpm", "rate of revolution of a motor", "revolutions_per_minute rev"},
                   {"cwt", "a unit of weight equal to 100 pounds", "hundredweight"},
                   {"hr", "a period of time equal to 1/24th of a day", "hour"},
                   {"lb", "16 ounces avoirdupois", "pound"},
                   {"yr", "a period of 365 days", "year"},
                   {"cwm", "a steep-walled basin in a mountain", "cirque corrie"},
                   {"gym", "a hall for exercise", "gymnasium"},
                   {"lynx", "a short-tailed wildcat"},
                   {"rhythm", "the basic beat of music", "beat"},
                   {"lid", "a movable cover", "eyelid"},
                   // Lower case in WordNet; the word list has OREO and LOUVRE only as names.
                   {"oreo", "a chocolate cookie"},
                   {"louvre", "one of a set of slats"},
                   {"turkey", "a large bird"},
                   // American words for the British list, and words a loose rule would reach.
                   {"armour", "protective covering", "armor"},
                   {"center", "the middle"},
                   {"defense", "protection"},
                   {"fetus", "an unborn animal"},
                   {"kilogram", "a unit of mass"},
                   {"theater", "a building for plays"},
                   {"lory", "a small parrot"},
                   {"fosse", "a ditch"}});
        writePart(wn, "verb", 'v',
                  {{"apparel", "to dress"},
                   {"autopsy", "to examine a dead body"},
                   {"backlog", "to pile up undone"},
                   {"blog", "to write a weblog"},
                   {"hop", "to jump on one foot"},
                   {"hope", "to wish for"},
                   {"link", "to join"},
                   {"overeat", "to eat too much"},
                   {"visit", "to go to see"},
                   {"catalog", "to list"},
                   {"color", "to give color to"},
                   {"concertise", "to give concerts"},
                   {"concretize", "to make concrete"},
                   {"dream", "to have a dream"},
                   {"fulfill", "to carry out"},
                   {"latinise", "to make Latin"},
                   {"maneuver", "to move skilfully"},
                   {"realize", "to become aware of"},
                   {"travel", "to make a journey"}});
        writePart(wn, "adj", 'a',
                  {{"bad", "not good"},
                   {"casual", "without care"},
                   {"sneaky", "sly"},
                   {"southern", "in the south"},
                   {"xii", "being two more than ten", "twelve 12"},
                   {"ilx", "being nine more than fifty", "fifty-nine 59 lix"},
                   {"mix", "not a real adjective, only here to be kept"},
                   {"civil", "not rude", "polite"},
                   {"mild", "moderate in type or effect"},
                   {"dim", "lacking in light", "faint"},
                   {"nth", "last or greatest in a series"},
                   {"erose", "with an uneven edge"}});
        writePart(wn, "adv", 'r', {});
        writeFile(wn.filePath("noun.exc"), "children child\ngeese goose\n");
        writeFile(wn.filePath("verb.exc"), "ate eat\ndreamt dream\n");
        writeFile(wn.filePath("adj.exc"), "");

        // The word list has the real forms plus some the rules could spell but English lacks
        // (BLOGS is left out on purpose; LINKER is an agent noun with no LINKEST).
        writeFile(path("words.txt"),
                  "aliased\naliasing\nafterlives\navocadoes\nbabier\nbabiest\nbehalves\n"
                  "bricked\nbricking\ngeese\nschoolchildren\napparelled\nautopsied\n"
                  "backlogged\nblogged\nblogging\nhoped\nhopped\nhoping\nlinker\noverate\n"
                  "visited\nbadder\nbaddest\ncasuals\nsneakier\nsneakiest\nsoutherner\n"
                  "southerners\nxii\nmix\nkeywords\neked\neking\nekes\nParis\nhrs\nlbs\nyrs\n"
                  "cwms\ngyms\nOreo\nLouvre\nlouvred\nTurkey\nturkey\nArmour\ncolored\n"
                  "centers\ncataloged\ntraveled\nmaneuvered\nkilograms\n"
                  "accessorize\nrealize\ndefense\nfulfill\nfetus\nlory\nfosse\nerose\n"
                  "concertised\nconcretized\n");
        // The British list: its spellings, words that only look like them, and names.
        writeFile(path("british.txt"),
                  "coloured\ncentres\nrealise\ndefence\ncatalogued\n"
                  "travelled\nfulfil\nfoetus\nmanoeuvred\nkilogrammes\ndreamt\narmour\n"
                  "concretised\nloury\nfossae\naerose\naccessorise\nTheatre\nOreo\nParis\n"
                  "Latinise\n");
        writeFile(path("closed.tsv"), "# closed\nTHE\t(art.) that one\n");
        m_everyday = path("everyday.tsv");
        writeFile(m_everyday, "# ours\nKEYWORD\t(n.) a word that matters most\n"
                              "EKE\t(v.) to make last\n"
                              "SOUTHERNER\t(n.) a person from the south\n");
        QString errors;
        QCOMPARE(generate(m_everyday, &m_rows, &errors), 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        m_normalReport = m_report;
    }

    void everyRegularFormTheListHasGetsItsBasesMeaning_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");
        const QList<std::pair<const char*, const char*>> cases = {
            {"BLOGGED", "(v.) past tense or past participle of BLOG: to write a weblog"},
            {"BLOGGING", "(v.) present participle of BLOG: to write a weblog"},
            {"BACKLOGGED", "(v.) past tense or past participle of BACKLOG: to pile up undone"},
            {"VISITED", "(v.) past tense or past participle of VISIT: to go to see"},
            {"APPARELLED", "(v.) past tense or past participle of APPAREL: to dress"},
            {"AUTOPSIED", "(v.) past tense or past participle of AUTOPSY: to examine"},
            {"BADDER", "(adj.) comparative of BAD: not good"},
            {"BADDEST", "(adj.) superlative of BAD: not good"},
            {"SNEAKIER", "(adj.) comparative of SNEAKY: sly"},
            {"SNEAKIEST", "(adj.) superlative of SNEAKY: sly"},
            {"AFTERLIVES", "(n.) plural of AFTERLIFE: life after death"},
            {"BEHALVES", "(n.) plural of BEHALF: as the agent of"},
            {"AVOCADOES", "(n.) plural of AVOCADO: a pear-shaped fruit"},
            {"GEESE", "(n.) plural of GOOSE: a web-footed bird"},
            {"SCHOOLCHILDREN", "(n.) plural of SCHOOLCHILD: a child at school"},
            {"OVERATE", "(v.) past tense or past participle of OVEREAT: to eat too much"},
            {"HOPED", "(v.) past tense or past participle of HOPE: to wish for"},
            {"HOPPED", "(v.) past tense or past participle of HOP: to jump on one foot"},
            {"HOPING", "(v.) present participle of HOPE: to wish for"},
            // A part of speech WordNet lacks: the base's own part is named.
            {"ALIASED", "(v.) past tense or past participle of ALIAS (n.): a name taken"},
            {"ALIASING", "(v.) present participle of ALIAS (n.): a name taken"},
            {"BRICKED", "(v.) past tense or past participle of BRICK (n.): a block of baked"},
            {"CASUALS", "(n.) plural of CASUAL (adj.): without care"},
            {"BABIER", "(adj.) comparative of BABY (n.): a very young child"},
            {"BABIEST", "(adj.) superlative of BABY (n.): a very young child"},
            // Our own words inflect like WordNet's.
            {"KEYWORDS", "(n.) plural of KEYWORD: a word that matters most"},
            {"EKED", "(v.) past tense or past participle of EKE: to make last"},
            {"EKING", "(v.) present participle of EKE: to make last"},
            {"EKES", "(v.) third person singular of EKE: to make last"},
            {"SOUTHERNERS", "(n.) plural of SOUTHERNER: a person from the south"},
            // A form only the British list has.
            {"DREAMT", "(v.) past tense or past participle of DREAM: to have a dream"},
        };
        for (const auto& [word, expected] : cases)
            QTest::newRow(word) << QString::fromLatin1(word) << QString::fromLatin1(expected);
    }
    void everyRegularFormTheListHasGetsItsBasesMeaning() {
        QFETCH(QString, word);
        QFETCH(QString, expected);
        const QStringList meanings = m_rows.value(word);
        QVERIFY2(!meanings.isEmpty(), qPrintable(word + " is missing"));
        QVERIFY2(meanings.first().startsWith(expected), qPrintable(meanings.join(" | ")));
    }

    void noFormIsInventedOrMisread() {
        // Spelled by the rules but not in the word list.
        QVERIFY2(!m_rows.contains("BLOGS"), qPrintable(meaningsOf("BLOGS")));
        QVERIFY2(!m_rows.contains("BRICKS"), qPrintable(meaningsOf("BRICKS")));
        // An agent noun, not a comparative: there is no LINKEST.
        QVERIFY2(!m_rows.contains("LINKER"), qPrintable(meaningsOf("LINKER")));
        // Our noun, not a comparative of SOUTHERN.
        QCOMPARE(m_rows.value("SOUTHERNER"), QStringList{"(n.) a person from the south"});
        // A Roman numeral is no word, though WordNet lists XII; MIX only looks like one.
        QVERIFY(!m_rows.contains("XII"));
        QVERIFY(m_rows.contains("MIX"));
        QVERIFY(!m_rows.contains("PARIS"));
        QCOMPARE(m_rows.value("THE"), QStringList{"(art.) that one"});
    }

    void numeralsAndAbbreviationsAreLeftOutButWordsThatLookAlikeStay() {
        // XII is a numeral by its form; ILX only by standing beside the number 59.
        for (const char* out : {"XII", "ILX", "MPH", "RPM", "CWT", "HRS", "LBS", "YRS"})
            QVERIFY2(!m_rows.contains(QString::fromLatin1(out)), out);
        for (const char* kept : {"MIX", "CIVIL", "MILD", "DIM", "LID", "GYM", "GYMS", "LYNX",
                                 "RHYTHM", "CWM", "CWMS", "NTH"})
            QVERIFY2(m_rows.contains(QString::fromLatin1(kept)), kept);
        // Only what would have been a word is counted: XII and ILX; MPH, RPM, CWT, HRS, LBS,
        // YRS.
        QVERIFY2(m_normalReport.contains(QStringLiteral(
                     "left out 2 Roman numerals, 6 abbreviations and 2 proper nouns")),
                 qPrintable(m_normalReport));
    }

    void aWordTheListHasOnlyWithACapitalIsLeftOut() {
        QVERIFY2(!m_rows.contains("OREO"), qPrintable(meaningsOf("OREO")));
        QVERIFY2(!m_rows.contains("LOUVRE"), qPrintable(meaningsOf("LOUVRE")));
        // Listed in lower case too, or not listed at all: a word.
        QCOMPARE(m_rows.value("TURKEY"), QStringList{"(n.) a large bird"});
        QVERIFY(m_rows.contains("ALIAS"));
        // A form the list spells in lower case keeps the meaning of its base.
        QVERIFY2(meaningsOf("LOUVRED").startsWith(
                     "(v.) past tense or past participle of LOUVRE (n.): one of a set"),
                 qPrintable(meaningsOf("LOUVRED")));
        // The British list spells ARMOUR in lower case: a word; its capitals make no names.
        QCOMPARE(m_rows.value("ARMOUR"), QStringList{"(n.) protective covering"});
        QCOMPARE(m_rows.value("LATINISE"), QStringList{"(v.) to make Latin"});
    }

    void aBritishSpellingTakesTheMeaningsOfItsAmericanWord_data() {
        QTest::addColumn<QString>("british");
        QTest::addColumn<QString>("american");
        // CONCRETISED is not CONCERTISED, though the American list has that too.
        for (const char* pair :
             {"COLOURED COLORED", "CENTRES CENTERS", "REALISE REALIZE", "DEFENCE DEFENSE",
              "CATALOGUED CATALOGED", "TRAVELLED TRAVELED", "FULFIL FULFILL", "FOETUS FETUS",
              "MANOEUVRED MANEUVERED", "KILOGRAMMES KILOGRAMS", "CONCRETISED CONCRETIZED"}) {
            const QStringList words = QString::fromLatin1(pair).split(' ');
            QTest::newRow(pair) << words[0] << words[1];
        }
    }
    void aBritishSpellingTakesTheMeaningsOfItsAmericanWord() {
        QFETCH(QString, british);
        QFETCH(QString, american);
        QVERIFY2(!m_rows.value(american).isEmpty(), qPrintable(american));
        QCOMPARE(m_rows.value(british),
                 QStringList{"British spelling of " + american} + m_rows.value(american));
    }

    void noRuleLetsANameOrAWordOfAnotherMeaningIn() {
        // LORY is a parrot, FOSSE no singular of FOSSAE, EROSE no AER- word; the dictionary has
        // no ACCESSORIZE to lend; the British list has THEATRE and OREO only as names.
        for (const char* out :
             {"LOURY", "FOSSAE", "AEROSE", "ACCESSORISE", "THEATRE", "OREO", "PARIS"})
            QVERIFY2(!m_rows.contains(QString::fromLatin1(out)), qPrintable(meaningsOf(out)));
    }

    void aRowWithoutAPartOfSpeechStopsTheBuild() {
        const QString bad = path("bad.tsv");
        writeFile(bad, "KEYWORD\ta word that matters most\n");
        QString errors;
        QCOMPARE(generate(bad, nullptr, &errors), 1);
        QVERIFY2(errors.contains("bad.tsv:1"), qPrintable(errors));
        writeFile(bad, "KEYWORD\t(n.) a word\nKEYWORD\t(n.) a word\n");
        QCOMPARE(generate(bad, nullptr, &errors), 1);
        QVERIFY2(errors.contains("duplicate"), qPrintable(errors));
    }
};

QTEST_GUILESS_MAIN(TestGenDict)
#include "TestGenDict.moc"
