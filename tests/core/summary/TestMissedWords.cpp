// "Words you missed": what the review lists from the level's fields, and how the summary shows
// common words first and the rest on request.
#include "core/common/FieldSolver.h"
#include "core/summary/MissedWords.h"
#include "core/summary/SummaryModel.h"

#include "Fields.h"
#include "RawConnection.h"
#include "TestWorld.h"
#include "core/data/DataLocation.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <random>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// C A T S Z   CAT and CATS run along the top row, DOG, DOGS and GOD along the third (GODS would
// Z Z Z Z Z   need S to touch D); the second field repeats CAT and adds TOAD.
// D O G S Z
// Z Z Z Z Z
// Z Z Z Z Z
const QList<TileGrid> kFields{fieldOf(5, QStringLiteral("CATSZZZZZZDOGSZZZZZZZZZZZ")),
                              fieldOf(5, QStringLiteral("TOADZZZZZZCATZZZZZZZZZZZZ"))};
const QStringList kWords{"CAT", "CATS", "DOG", "DOGS", "GOD", "GODS", "TOAD", "TOADS"};
const QStringList kCommon{"CAT", "CATS", "DOG", "TOAD"};

bool commonLongestFirst(const MissedWord& a, const MissedWord& b) {
    return a.common != b.common ? a.common : a.word.size() > b.word.size();
}

LevelResult easyResult(const QStringList& built, const QList<TileGrid>& fields) {
    LevelResult r{Level::Easy, 1200, QStringLiteral("00:00"), built, false};
    r.fields = fields;
    return r;
}

} // namespace

class TestMissedWords : public QObject {
    Q_OBJECT
private slots:
    void builtWordsAreLeftOutAndCommonLongWordsComeFirst() {
        const Lexicon lexicon = Lexicon::build(kWords, kCommon);
        const QList<MissedWord> easy =
            missedWords(lexicon, levelInfo(Level::Easy), kFields, {"DOG", "XYZ"});
        const QList<MissedWord> expected{{"CATS", 300, true},
                                         {"TOAD", 300, true},
                                         {"CAT", 250, true},
                                         {"DOGS", 300, false},
                                         {"GOD", 250, false}};
        QCOMPARE(easy, expected);
        // Intermediate asks for four letters and pays 300 for them.
        const QList<MissedWord> longer =
            missedWords(lexicon, levelInfo(Level::Intermediate), kFields, {"CATS"});
        const QList<MissedWord> expectedLonger{{"TOAD", 300, true}, {"DOGS", 300, false}};
        QCOMPARE(longer, expectedLonger);
    }

    void theFoundShareCountsTheBuiltWordsAgainstEveryWordTheFieldsHeld() {
        const Lexicon lexicon = Lexicon::build(kWords, kCommon);
        const QStringList built{"DOG", "CATS", "TOAD", "GOD"};
        const FieldShare share =
            fieldShare(built, missedWords(lexicon, levelInfo(Level::Easy), kFields, built));
        QCOMPARE(share.text(),
                 QStringLiteral("You found 4 of the 6 words on your fields (67%). Longest: CATS."));
        QCOMPARE((FieldShare{1, 3, {}}).percent(), 33);
        QCOMPARE(fieldShare({}, {}).text(),
                 QStringLiteral("You found 0 of the 0 words on your fields (0%)."));
    }

    // The review shows a missed word on the field the list found it on, along tiles the player
    // could have picked in that order.
    void aMissedWordsPathSpellsItUnderThePickRuleOnTheFieldItWasFoundOn() {
        const Lexicon lexicon = Lexicon::build(kWords, kCommon);
        const QList<MissedWord> missed =
            missedWords(lexicon, levelInfo(Level::Easy), kFields, {"DOG"});
        for (const MissedWord& m : missed) {
            const std::optional<WordPath> path = missedWordPath(kFields, m.word);
            QVERIFY(path);
            QCOMPARE(path->word, m.word);
            // The first field that holds the word: TOAD only the second, CAT both.
            const int onField = m.word == QStringLiteral("TOAD") ? 1 : 0;
            QCOMPARE(lettersOf(path->field), lettersOf(kFields.at(onField)));
            TileGrid replay = path->field;
            replay.reset();
            QString spelled;
            for (const int index : path->chain) {
                QVERIFY2(replay.canPick(index), qPrintable(m.word));
                replay.pick(index);
                spelled += replay.tile(index).letter;
            }
            QCOMPARE(spelled, m.word);
        }
        QVERIFY(!missedWordPath(kFields, QStringLiteral("GODS"))); // S does not touch D
    }

    void onRandomFieldsTheListIsEveryUnbuiltWordOnceInOrder() {
        std::mt19937 random(11);
        const QString alphabet = QStringLiteral("AEINRST");
        auto letters = [&](int n) {
            QString s;
            for (int i = 0; i < n; ++i) {
                s += alphabet.at(static_cast<int>(random() % alphabet.size()));
            }
            return s;
        };
        QStringList words;
        QStringList common;
        for (int i = 0; i < 3000; ++i) {
            words.append(letters(3 + static_cast<int>(random() % 4)));
            if (random() % 3 == 0) {
                common.append(words.last());
            }
        }
        const Lexicon lexicon = Lexicon::build(words, common);
        const LevelInfo& level = levelInfo(Level::Intermediate);
        QList<TileGrid> fields;
        for (int i = 0; i < 3; ++i) {
            fields.append(fieldOf(level.side, letters(level.tileCount())));
        }
        QSet<QString> findable;
        for (const TileGrid& f : fields) {
            for (const FoundWord& w : solveField(f, lexicon, level.minWordLength)) {
                findable.insert(w.word);
            }
        }
        QStringList sorted = findable.values();
        sorted.sort();
        QVERIFY(sorted.size() > 20);
        const QStringList built{sorted.at(0), sorted.at(sorted.size() / 2)};

        const QList<MissedWord> missed = missedWords(lexicon, level, fields, built);
        QSet<QString> listed;
        for (const MissedWord& m : missed) {
            listed.insert(m.word);
            QCOMPARE(m.common, lexicon.isCommon(m.word));
            QCOMPARE(m.points,
                     level.basePoints + static_cast<int>(m.word.size() - level.minWordLength) * 50);
        }
        QCOMPARE(listed.size(), missed.size()); // each word once
        QCOMPARE(listed, findable - QSet<QString>(built.cbegin(), built.cend()));
        QVERIFY(std::is_sorted(missed.cbegin(), missed.cend(), commonLongestFirst));
        QVERIFY(missed.first().common && !missed.last().common); // both kinds are there
    }

    void theSummaryShowsCommonWordsFirstAndTheRestOnRequest() {
        QList<DictionaryEntry> entries;
        for (const QString& w : kWords) {
            entries.append({w, QStringLiteral("(n.) meaning of ") + w});
        }
        TestWorld world(entries);
        QVERIFY(fillCommonWords(*world.database, kCommon));
        SummaryModel model(easyResult({"DOG"}, kFields), world.services, world.session);
        QSignalSpy changed(&model, &SummaryModel::missedWordsChanged);

        QVERIFY(!model.showAllMissed());
        QStringList shown;
        for (const MissedWord& m : model.shownMissedWords()) {
            shown.append(m.word);
        }
        QCOMPARE(shown, (QStringList{"CATS", "TOAD", "CAT"}));
        // The share counts every word the fields held, the rarer ones not shown too.
        QCOMPARE(model.foundText(),
                 QStringLiteral("You found 1 of the 6 words on your fields (17%). Longest: DOG."));
        QVERIFY(model.showAllMissedChoosable());
        QVERIFY(model.missedNote().startsWith(
            QStringLiteral("Your fields held 5 words you did not build. The 3 everyday ones")));
        model.setShowAllMissed(true);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model.shownMissedWords(), model.missedWords());
        QCOMPARE(model.shownMissedWords().size(), 5);

        model.showMeanings(model.shownMissedWords().last().word); // GOD
        QCOMPARE(model.meaningsText(), QStringLiteral(" ### (n.) meaning of GOD\r\n"
                                                      "------------------------\r\n"));
        SummaryModel everyday(easyResult({"DOGS", "GOD"}, kFields), world.services, world.session);
        QVERIFY(!everyday.showAllMissedChoosable()); // every missed word is an everyday one
    }

    // Words written behind the game's back show whether the word list was read again.
    void theDictionaryIsLoadedOncePerRunAndNotForAResultWithoutFields() {
        TestWorld world({{"CAT", "x"}}, TestWorld::OnDisk);
        RawConnection raw(world.database->path());
        const QString addWord = QStringLiteral("INSERT INTO tbl_Dictionary (Word) VALUES (?)");
        SummaryModel none(easyResult({"CAT"}, {}), world.services, world.session);
        QVERIFY(none.missedWords().isEmpty());
        QVERIFY(!none.showAllMissedChoosable());
        QVERIFY(none.missedNote().startsWith(QStringLiteral("No word escaped you")));
        raw.query(addWord, {QStringLiteral("DOG")});
        SummaryModel first(easyResult({}, kFields), world.services, world.session);
        QCOMPARE(first.missedWords().size(), 2); // CAT and DOG
        raw.query(addWord, {QStringLiteral("GOD")});
        SummaryModel second(easyResult({}, kFields), world.services, world.session);
        QCOMPARE(second.missedWords().size(), 2);
    }

    void aWordListTooBusyToReadIsReadAgainForTheNextSummary() {
        TestWorld world({{"CAT", "x"}}, TestWorld::OnDisk);
        world.database->setBusyTimeout(20);
        {
            RawConnection other(world.database->path());
            QVERIFY(other.holdFile());
            SummaryModel busy(easyResult({"CAT"}, kFields), world.services, world.session);
            QVERIFY(busy.missedWords().isEmpty());
            // Said so, never shown as nothing missed and everything found.
            QCOMPARE(busy.missedTabText(), QStringLiteral("Words you missed (?)"));
            QVERIFY2(busy.missedNote().startsWith(
                         QStringLiteral("The words you missed cannot be listed, since the word "
                                        "list could not be read: ") +
                         busyLine(world.database->path())),
                     qPrintable(busy.missedNote()));
            QCOMPARE(busy.foundText(),
                     QStringLiteral("You built 1 word; how many words your fields held cannot "
                                    "be told now, the word list could not be read. Longest: "
                                    "CAT."));
        }
        SummaryModel later(easyResult({}, kFields), world.services, world.session);
        QCOMPARE(later.missedWords().size(), 1);
    }

    void withNoCommonWordMissedEveryMissedWordShows() {
        QList<DictionaryEntry> entries;
        for (const QString& w : kWords) {
            entries.append({w, QStringLiteral("(n.) x")});
        }
        TestWorld world(entries);
        SummaryModel model(easyResult({}, kFields), world.services, world.session);
        QVERIFY(model.showAllMissed());
        QCOMPARE(model.shownMissedWords().size(), 6);
        QVERIFY(!model.showAllMissedChoosable()); // all of them show, there is nothing to choose
        QVERIFY(model.missedNote().startsWith(
            QStringLiteral("Your fields held 6 words you did not build, none of them")));

        // Every common word built: the rarer ones show at once instead of an empty list.
        QVERIFY(fillCommonWords(*world.database, kCommon));
        SummaryModel builtCommon(easyResult(kCommon, kFields), world.services, world.session);
        QVERIFY(builtCommon.showAllMissed());
        QCOMPARE(builtCommon.shownMissedWords().size(), 2); // DOGS, GOD
    }
};

QTEST_GUILESS_MAIN(TestMissedWords)
#include "TestMissedWords.moc"
