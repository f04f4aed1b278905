// The word tree and the search of a field: checked against a search that tries every sequence of
// picks with TileGrid itself, and on a field whose words are known.
#include "core/common/FieldSolver.h"
#include "core/common/Lexicon.h"
#include "core/common/TileGrid.h"

#include "Fields.h"

#include <QSet>
#include <QtTest>

#include <functional>
#include <random>

using namespace vortalex;
using vortalex::test::fieldOf;

namespace {

QSet<QString> spellings(const QList<FoundWord>& found) {
    QSet<QString> words;
    for (const FoundWord& f : found) {
        words.insert(f.word);
    }
    return words;
}

// Every dictionary word a player could pick, found by trying each tile canPick() allows on
// copies of the grid, up to `longest` letters.
QSet<QString> pickEverything(const TileGrid& field, const QSet<QString>& dictionary, int minLength,
                             int longest) {
    QSet<QString> found;
    std::function<void(const TileGrid&, const QString&)> extend = [&](const TileGrid& grid,
                                                                      const QString& word) {
        if (word.size() >= minLength && dictionary.contains(word)) {
            found.insert(word);
        }
        if (word.size() == longest) {
            return;
        }
        for (int i = 1; i <= grid.count(); ++i) {
            if (grid.canPick(i)) {
                TileGrid next = grid;
                next.pick(i);
                extend(next, word + grid.tile(i).letter);
            }
        }
    };
    TileGrid start = field;
    start.reset();
    extend(start, QString());
    return found;
}

} // namespace

class TestFieldSolver : public QObject {
    Q_OBJECT
private slots:
    void theTreeKeepsEachTileWordOnceIgnoringCase() {
        const Lexicon lexicon =
            Lexicon::build({"cat", "CAT", "Cats", "CAT'S", "ÉTÉ", "A", "AARDVARK", "DOG-TIRED", ""},
                           {"cat", "ZEBRA"});
        QCOMPARE(lexicon.wordCount(), 4u); // CAT, CATS, A, AARDVARK
        QVERIFY(lexicon.contains(u"CAT"));
        QVERIFY(lexicon.contains(u"cats"));
        QVERIFY(lexicon.contains(u"A"));
        QVERIFY(!lexicon.contains(u"CA"));     // a prefix only
        QVERIFY(!lexicon.contains(u"CATSS"));  // past the tree
        QVERIFY(!lexicon.contains(u"CAT'S"));  // no tile has an apostrophe
        QVERIFY(!lexicon.contains(QString())); // the root ends nothing
        QVERIFY(!lexicon.contains(u"ZEBRA"));  // common, but not in the dictionary
        QVERIFY(lexicon.isCommon(u"Cat"));
        QVERIFY(!lexicon.isCommon(u"CATS"));
        QCOMPARE(lexicon.commonCount(), 1u);
        QVERIFY(Lexicon().nodeCount() == 1 && !Lexicon().contains(u"A"));
    }

    void aHandMadeFieldGivesItsKnownWords() {
        // C A T Z Z      CAT, CATS and SAT run through touching tiles; ACT would need C to
        // Z Z S Z Z      touch T, TAT and CASA a tile twice; DOG and GOD share three tiles.
        // Z Z Z Z Z
        // Z Z Z Z Z
        // D O G Z Z
        const TileGrid field = fieldOf(5, QStringLiteral("CATZZ"
                                                         "ZZSZZ"
                                                         "ZZZZZ"
                                                         "ZZZZZ"
                                                         "DOGZZ"));
        const Lexicon lexicon = Lexicon::build({"CAT", "CATS", "SAT", "ACT", "TAT", "CASA", "DOG",
                                                "GOD", "DOGS", "AT", "TA", "SCAT", "CATSUP"},
                                               {"CAT", "DOG"});
        const QList<FoundWord> found = solveField(field, lexicon, 3);
        const QList<FoundWord> expected{
            {"CAT", true}, {"CATS", false}, {"DOG", true}, {"GOD", false}, {"SAT", false}};
        QCOMPARE(found, expected);
        QCOMPARE(spellings(solveField(field, lexicon, 4)), QSet<QString>{"CATS"});
        QCOMPARE(spellings(solveField(field, lexicon, 2)),
                 (QSet<QString>{"AT", "TA", "CAT", "CATS", "DOG", "GOD", "SAT"}));
    }

    void aFieldNotDealtYetHoldsNoWords() {
        const Lexicon lexicon = Lexicon::build({"A", "AA"}, {});
        QVERIFY(solveField(TileGrid(5), lexicon, 1).isEmpty());
    }

    void smallRandomFieldsGiveWhatPickingEverythingGives() {
        std::mt19937 random(20261209);
        const QString alphabet = QStringLiteral("AEIRST");
        auto letter = [&] {
            return alphabet.at(static_cast<int>(random() % alphabet.size()));
        };
        // Random words of up to six letters over the field's own letters, so that many are
        // found; the search by picking stops at six letters as well.
        constexpr int kLongest = 6;
        QStringList words;
        for (int i = 0; i < 4000; ++i) {
            QString word;
            const int length = 1 + static_cast<int>(random() % kLongest);
            for (int k = 0; k < length; ++k) {
                word += letter();
            }
            words.append(word);
        }
        const Lexicon lexicon = Lexicon::build(words, {});
        const QSet<QString> dictionary(words.cbegin(), words.cend());
        int compared = 0;
        for (const int side : {2, 3, 4}) {
            for (int round = 0; round < 12; ++round) {
                QString letters;
                for (int i = 0; i < side * side; ++i) {
                    letters += letter();
                }
                const TileGrid field = fieldOf(side, letters);
                const int minLength = 1 + round % 4;
                const QSet<QString> expected =
                    pickEverything(field, dictionary, minLength, kLongest);
                const QList<FoundWord> found = solveField(field, lexicon, minLength);
                QCOMPARE(found.size(), spellings(found).size()); // each word once
                QVERIFY2(spellings(found) == expected,
                         qPrintable(QStringLiteral("%1, min %2").arg(letters).arg(minLength)));
                compared += static_cast<int>(expected.size());
            }
        }
        QVERIFY(compared > 1000); // the fields really hold words
    }
};

QTEST_GUILESS_MAIN(TestFieldSolver)
#include "TestFieldSolver.moc"
