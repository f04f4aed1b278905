#include "core/summary/TodaysField.h"
#include "ui/summary/SummaryScreen.h"
#include "ui/summary/WordPathView.h"
#include "ui/widgets/LetterTile.h"
#include "ui/widgets/ScoreGrid.h"

#include "Fields.h"
#include "Gestures.h"
#include "TestWorld.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QTabBar>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using namespace vortalex;
using namespace vortalex::test;

namespace {

// C A T  on top, S below the T: CAT was built on tiles 1, 2, 3; SAT (common) and CATS were
// missed.
const QString kCatField = QStringLiteral("CATZZZZSZZZZZZZZZZZZZZZZZ");

LevelResult catResult(bool passed) {
    LevelResult result{Level::Easy, 10, QStringLiteral("00:00"), {"CAT"}, passed};
    result.fields = {test::fieldOf(5, kCatField)};
    result.builtPaths = {{QStringLiteral("CAT"), result.fields.first(), {1, 2, 3}}};
    return result;
}

// The mean of the pixels of `area`, transparent ones counted as black.
QColor meanColour(const QImage& image, const QRect& area) {
    qint64 sum[3] = {0, 0, 0};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            sum[0] += c.red() * c.alpha() / 255;
            sum[1] += c.green() * c.alpha() / 255;
            sum[2] += c.blue() * c.alpha() / 255;
        }
    }
    const qint64 n = std::max<qint64>(1, qint64(area.width()) * area.height());
    return QColor(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
}

int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

QString spokenDescription(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

} // namespace

// The summary screen shows its model and passes the player's clicks and text on.
class TestSummaryScreen : public QObject {
    Q_OBJECT

private slots:
    void theScreenShowsTheHandOverAndTheOpeningLayers() {
        TestWorld world;
        world.session.setPlayerName(QStringLiteral("Ann"));
        world.database->appendScore(Level::Easy, {QStringLiteral("Zed"), 5100, "00:00"});
        SummaryScreen screen({Level::Easy, 5200, QStringLiteral("00:00"), {"CAT", "DOG"}, true},
                             world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QCOMPARE(screen.totalLabel()->text(), QStringLiteral("5200"));
        QCOMPARE(screen.timerLabel()->text(), QStringLiteral("00:00"));
        QCOMPARE(screen.wordList()->count(), 2);
        QCOMPARE(screen.nameBox()->text(), QStringLiteral("Ann"));
        QCOMPARE(screen.scoreGrid()->model()->rowCount(), 1);
        QCOMPARE(screen.scoreGrid()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Player"));
        QVERIFY(screen.passwordBox()->isVisible());
        QVERIFY(!screen.reviewPanel()->isVisible());
        QVERIFY(!screen.nextButton()->isVisible());
        QTest::mouseClick(screen.doneButton(), Qt::LeftButton);
        QVERIFY(screen.reviewPanel()->isVisible());
        QVERIFY(screen.goOnButton()->isVisible());
        QVERIFY(!screen.tryAgainButton()->isVisible());
    }

    void saveTakesTheTypedNameAndPassword() {
        TestWorld world;
        SummaryScreen screen({Level::Easy, 5200, QStringLiteral("00:00"), {}, true}, world.services,
                             world.session);
        screen.show();
        QCoreApplication::processEvents();
        screen.nameBox()->setText(QStringLiteral("Bea"));
        screen.passwordBox()->setText(QStringLiteral("pw"));
        QTest::mouseClick(screen.saveButton(), Qt::LeftButton);
        QVERIFY(test::findPlayer(*world.database, QStringLiteral("Bea"), QStringLiteral("pw")));
        QCOMPARE(screen.scoreGrid()->model()->index(0, 0).data().toString(), QStringLiteral("Bea"));
    }

    // A message box closing or another program's window left makes the summary active again;
    // neither is the summary opening, so the typed name and the listed words stay.
    void comingBackToTheSummaryKeepsTheTypedNameAndTheListedRejectedWords() {
        TestWorld world;
        world.session.setPlayerName(QStringLiteral("Passer"));
        world.database->addWrongWord(QStringLiteral("XQZT"));
        SummaryScreen screen({Level::Easy, 5200, QStringLiteral("00:00"), {}, true}, world.services,
                             world.session);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(screen.nameBox()->text(), QStringLiteral("Passer"));
        screen.nameBox()->clear();
        QTest::keyClicks(screen.nameBox(), QStringLiteral("Zed"));
        QVERIFY(test::leaveAndComeBack(&screen));
        QCOMPARE(screen.nameBox()->text(), QStringLiteral("Zed"));

        QTest::mouseClick(screen.doneButton(), Qt::LeftButton);
        QVERIFY(test::leaveAndComeBack(&screen));
        QCOMPARE(screen.wrongGrid()->rowCount(), 1);
        QCOMPARE(screen.wrongGrid()->item(0, 0)->text(), QStringLiteral("XQZT"));
    }

    // The review panel covers the whole score area: what lies beneath takes no key, shortcut or
    // focus, so a failed level is left only through the try-again answers.
    void theScoreAreaUnderTheReviewPanelIsOutOfReach_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("passed");
        QTest::newRow("easy failed") << 0 << false;
        QTest::newRow("intermediate failed") << 1 << false;
        QTest::newRow("difficult failed") << 2 << false;
        QTest::newRow("difficult passed, after done") << 2 << true;
    }
    void theScoreAreaUnderTheReviewPanelIsOutOfReach() {
        QFETCH(int, level);
        QFETCH(bool, passed);
        TestWorld world;
        SummaryScreen screen({static_cast<Level>(level), 10, QStringLiteral("00:00"), {}, passed},
                             world.services, world.session);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        if (passed) {
            QTest::mouseClick(screen.doneButton(), Qt::LeftButton);
        }
        const QList<QWidget*> covered{screen.nameBox(), screen.passwordBox(), screen.saveButton(),
                                      screen.doneButton(), screen.nextButton()};
        for (int i = 0; i < 12; ++i) {
            QVERIFY(!covered.contains(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // A shortcut presses its button at once and clicks it a moment later.
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_S, Qt::Key_N}) {
            QTest::keyClick(&screen, key, Qt::AltModifier);
        }
        for (QWidget* w : covered) {
            const auto* button = qobject_cast<QPushButton*>(w);
            QVERIFY(button == nullptr || !button->isDown());
        }
    }

    void reviewClicksShowSuggestionsAndMeanings() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}});
        world.database->addWrongWord(QStringLiteral("catz"));
        SummaryScreen screen({Level::Intermediate, 10, QStringLiteral("00:00"), {"CATS"}, false},
                             world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QVERIFY(screen.reviewPanel()->isVisible());
        QWidget* cells = screen.wrongGrid()->viewport();
        QTest::mouseClick(
            cells, Qt::LeftButton, {},
            screen.wrongGrid()->visualItemRect(screen.wrongGrid()->item(0, 0)).center());
        QCOMPARE(screen.suggestionsGrid()->model()->rowCount(), 2);
        screen.wordList()->setCurrentRow(0);
        QVERIFY(
            screen.meaningsBox()->toPlainText().startsWith(QStringLiteral(" ### (n.) felines\n")));
    }

    // The meanings box says "Click on a word on the left": the built words, and on their own page
    // the missed words, stand left of it, beside it.
    void theWordsWhoseMeaningsShowStandLeftOfTheMeaningsBox() {
        TestWorld world;
        SummaryScreen screen({Level::Easy, 10, QStringLiteral("00:00"), {"CAT"}, false},
                             world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QCOMPARE(screen.meaningsBox()->toPlainText(), SummaryModel::kMeaningsHint);
        const auto placeOf = [&screen](QWidget* w) {
            return QRect(w->mapTo(&screen, QPoint()), w->size());
        };
        const QRect meanings = placeOf(screen.meaningsBox());
        for (QWidget* list : {static_cast<QWidget*>(screen.wordList()),
                              static_cast<QWidget*>(screen.missedList())}) {
            const QRect words = placeOf(list);
            QVERIFY(words.right() < meanings.left());
            QVERIFY(words.top() < meanings.bottom() && words.bottom() > meanings.top());
        }
    }

    void aButtonThatLeavesClosesTheScreenWithItsOutcome() {
        TestWorld world;
        world.messages.answers = {Answer::No};
        SummaryScreen screen({Level::Intermediate, 10, QStringLiteral("00:00"), {}, false},
                             world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QTest::mouseClick(screen.tryAgainButton(), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.outcome(), ScreenOutcome::menu());
    }

    // The window's close is offered, and maximise, since everything scales with the window; the
    // close takes the way on that shows: from a failed level's panel the try-again question, from
    // the score area "&Done", then "Exit".
    void theWindowsCloseTakesTheWayOnThatShows() {
        TestWorld world;
        world.messages.answers = {Answer::No};
        SummaryScreen failed({Level::Easy, 10, QStringLiteral("00:00"), {}, false}, world.services,
                             world.session);
        QVERIFY(failed.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(failed.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(failed.maximumWidth() > failed.width() && failed.maximumHeight() > failed.height());
        failed.show();
        failed.close();
        QCOMPARE(world.messages.shown.size(), 1); // "Do You want to try again??", No
        QVERIFY(!failed.isVisible());

        SummaryScreen passed({Level::Intermediate, 7000, QStringLiteral("00:00"), {}, true},
                             world.services, world.session);
        passed.show();
        passed.close();
        QVERIFY(passed.isVisible() && passed.reviewPanel()->isVisible());
        passed.close();
        QVERIFY(!passed.isVisible());
        QCOMPARE(passed.outcome(), ScreenOutcome::board(Level::Difficult));
    }

    void escapeKeepsTheSummaryOpen() {
        TestWorld world;
        SummaryScreen screen({Level::Easy, 10, QStringLiteral("00:00"), {}, false}, world.services,
                             world.session);
        screen.show();
        QCoreApplication::processEvents();
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
    }

    void theScoreAreaSaysHowMuchOfTheFieldsWasFoundOverNoControl() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}, {"SAT", "(v.) sat"}});
        LevelResult twoWords = catResult(true);
        twoWords.words.append(QStringLiteral("SAT"));
        SummaryScreen screen(twoWords, world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        QLabel* found = screen.foundLine();
        QVERIFY(found->isVisible());
        QCOMPARE(found->text(),
                 QStringLiteral("You found 2 of the 3 words on your fields (67%). Longest: CAT."));
        for (const QWidget* other :
             found->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != found && other->isVisible()) {
                QVERIFY2(!other->geometry().intersects(found->geometry()),
                         qPrintable(other->objectName()));
            }
        }
    }

    // A failed level opens on the review panel, so the panel says the score, the target and the
    // found share itself, on a line of its own over no control of either page, at any size.
    void aFailedLevelsPanelSaysTheScoreAndTheFoundShareOverNoControl() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}, {"SAT", "(v.) sat"}});
        LevelResult failed = catResult(false);
        failed.level = Level::Difficult;
        failed.total = 7800;
        SummaryScreen screen(failed, world.services, world.session);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QLabel* line = screen.resultLine();
        QCOMPARE(line->text(), screen.model().reviewResultText());
        QVERIFY(line->text().contains(QStringLiteral("7800")));
        for (const QSize size : {screen.size(), screen.size() * 3 / 2}) {
            screen.resize(size);
            for (const int page : {0, 1}) {
                screen.reviewTabs()->setCurrentIndex(page);
                QVERIFY(line->isVisible());
                QVERIFY(screen.reviewPanel()->rect().contains(line->geometry()));
                for (const QWidget* other :
                     screen.reviewPanel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (other != line && other->isVisible()) {
                        QVERIFY2(!other->geometry().intersects(line->geometry()),
                                 qPrintable(other->objectName()));
                    }
                }
            }
        }
    }

    // The markers and rules of the meanings are styled, never changed: the box holds exactly the
    // blocks the review writes.
    void theMeaningsKeepTheirTextUnderTheirStyling() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CAT", "(v.) to hoist an anchor"}});
        SummaryScreen screen(catResult(false), world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        screen.wordList()->setCurrentRow(0);
        const QString written = screen.model().meaningsText();
        QCOMPARE(screen.meaningsBox()->toPlainText(),
                 QString(written).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const QTextDocument* text = screen.meaningsBox()->document();
        QCOMPARE(text->blockCount(), 5); // two meanings, two rules, the end
        // The style a character of a block is drawn in.
        const auto look = [text](int block, int at) {
            const QTextBlock b = text->findBlockByNumber(block);
            QTextCharFormat format = b.charFormat();
            for (const QTextLayout::FormatRange& r : b.layout()->formats()) {
                if (at >= r.start && at < r.start + r.length) {
                    format.merge(r.format);
                }
            }
            return format;
        };
        const int meaning = static_cast<int>(QStringLiteral(" ### (n.) ").size());
        QVERIFY(look(0, 2) != look(0, meaning));          // "###" against "feline"
        QVERIFY(look(0, 6) != look(0, meaning));          // "(n.)"
        QVERIFY(look(1, 0) != look(0, meaning));          // the dashed rule
        QCOMPARE(look(2, meaning + 1), look(0, meaning)); // one look for every meaning's text
    }

    void selectingABuiltOrAMissedWordShowsWhereItStoodOnItsField() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}, {"SAT", "(v.) sat"}});
        QVERIFY(test::fillCommonWords(*world.database, {"SAT"}));
        SummaryScreen screen(catResult(false), world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();
        WordPathView* picture = screen.pathView();
        QVERIFY(!picture->path());
        QCOMPARE(picture->text(), WordPathView::kHint);
        const QRect meanings(screen.meaningsBox()->mapTo(&screen, QPoint()),
                             screen.meaningsBox()->size());
        QVERIFY(!QRect(picture->mapTo(&screen, QPoint()), picture->size()).intersects(meanings));

        screen.wordList()->setCurrentRow(0);
        QVERIFY(picture->isVisible() && picture->path());
        QCOMPARE(picture->path()->chain, (QList<int>{1, 2, 3}));
        QCOMPARE(spokenDescription(picture),
                 QStringLiteral("C row 1 column 1, then A row 1 column 2, then T row 1 column 3"));
        QVERIFY(screen.meaningsBox()->toPlainText().startsWith(QStringLiteral(" ### (n.) feline")));

        screen.reviewTabs()->setCurrentIndex(1);
        QTest::mouseClick(
            screen.missedList()->viewport(), Qt::LeftButton, {},
            screen.missedList()->visualItemRect(screen.missedList()->item(0, 0)).center());
        QVERIFY(picture->isVisible() && picture->path());
        QCOMPARE(picture->path()->word, QStringLiteral("SAT"));
        QCOMPARE(spokenDescription(picture),
                 QStringLiteral("S row 2 column 3, then A row 1 column 2, then T row 1 column 3"));
        QVERIFY(screen.meaningsBox()->toPlainText().startsWith(QStringLiteral(" ### (v.) sat")));

        // A click on the built word, still current on its page, brings its own field back.
        screen.reviewTabs()->setCurrentIndex(0);
        QTest::mouseClick(screen.wordList()->viewport(), Qt::LeftButton, {},
                          screen.wordList()->visualItemRect(screen.wordList()->item(0)).center());
        QVERIFY(picture->path());
        QCOMPARE(picture->path()->word, QStringLiteral("CAT"));
        QCOMPARE(picture->path()->chain, (QList<int>{1, 2, 3}));
    }

    // The meanings and the picture belong to the page that shows: turning to the missed words
    // asks for a word again, and turning back shows the built word selected.
    void turningThePageShowsOnlyWhatBelongsToIt() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}, {"SAT", "(v.) sat"}});
        SummaryScreen screen(catResult(false), world.services, world.session);
        screen.wordList()->setCurrentRow(0);
        screen.reviewTabs()->setCurrentIndex(1);
        QCOMPARE(screen.meaningsBox()->toPlainText(), SummaryModel::kMeaningsHint);
        QCOMPARE(screen.pathView()->text(), WordPathView::kHint);
        screen.reviewTabs()->setCurrentIndex(0);
        QVERIFY(screen.meaningsBox()->toPlainText().startsWith(QStringLiteral(" ### (n.) feline")));
        QCOMPARE(screen.pathView()->path()->word, QStringLiteral("CAT"));
    }

    // A screen reader hears each tile by its own row and column, down the last column too.
    void thePathIsReadTileByTileWithItsRowAndColumn() {
        WordPathView view;
        view.setPath(WordPath{QStringLiteral("EJON"),
                              test::fieldOf(5, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")),
                              {5, 10, 15, 14}});
        QCOMPARE(spokenDescription(&view),
                 QStringLiteral("E row 1 column 5, then J row 2 column 5, then O row 3 column 5, "
                                "then N row 3 column 4"));
    }

    // The word's tiles wear the face of picked tiles, whatever the line and letters over them,
    // and every other tile looks as in a picture with no path (a line between touching tiles
    // crosses no other tile's middle).
    void thePictureMarksTheWordsTilesWithThePickedFaceAndNoOthers() {
        const TileGrid field = test::fieldOf(5, kCatField);
        const QList<int> chain{8, 2, 3};
        const QImage marked = WordPathView::picture({"SAT", field, chain}, 150, 1).toImage();
        const QImage plain = WordPathView::picture({"SAT", field, {}}, 150, 1).toImage();
        QCOMPARE(marked.size(), plain.size());
        const int cell = marked.width() / 5;
        const auto faceColour = [cell](TileColour state) {
            const QImage face = LetterTile::face(QSize(cell, cell), 1, state, false).toImage();
            return meanColour(face, face.rect());
        };
        const QColor used = faceColour(TileColour::Used);
        const QColor unused = faceColour(TileColour::Plain);
        for (int i = 1; i <= field.count(); ++i) {
            const QRect tile((i - 1) % 5 * cell, (i - 1) / 5 * cell, cell, cell);
            const QRect middle = tile.adjusted(cell / 3, cell / 3, -cell / 3, -cell / 3);
            if (chain.contains(i)) {
                const QColor shown = meanColour(marked, tile.adjusted(2, 2, -2, -2));
                QVERIFY2(distance(shown, used) < distance(shown, unused),
                         qPrintable(QString::number(i)));
            } else {
                QCOMPARE(marked.copy(middle), plain.copy(middle));
            }
        }
    }

    // The 11 x 11 field's letters stand at least 12 pixels high in the picture the review panel
    // shows at the design size, and the path's line keeps out of them: a tile's letter shows
    // the same whichever way the line comes and goes.
    void theExpertFieldsLettersAreLegibleAndThePathRunsBesideThem() {
        TestWorld world;
        SummaryScreen screen({Level::Expert, 10, QStringLiteral("00:00"), {}, true}, world.services,
                             world.session);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.size(), screen.layout().designPixels());
        const int side = std::min(screen.pathView()->width(), screen.pathView()->height());
        // Only the middle tile, 61, has a letter; it is picked between its left and right
        // neighbours, then between the ones above and below it.
        QString oneLetter(121, QLatin1Char(' '));
        oneLetter[60] = QLatin1Char('E');
        const TileGrid letters = test::fieldOf(11, oneLetter);
        const TileGrid blanks = test::fieldOf(11, QString(121, QLatin1Char(' ')));
        const auto picture = [side](const TileGrid& field, const QList<int>& chain) {
            return WordPathView::picture({QStringLiteral("WORD"), field, chain}, side, 1).toImage();
        };
        const QList<int> across{60, 61, 62};
        const QList<int> down{50, 61, 72};
        const QImage withLetter = picture(letters, {});
        const QImage without = picture(blanks, {});
        QRect ink;
        for (int y = 0; y < withLetter.height(); ++y) {
            for (int x = 0; x < withLetter.width(); ++x) {
                if (withLetter.pixel(x, y) != without.pixel(x, y)) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY2(ink.height() >= 12, qPrintable(QString::number(ink.height())));
        const QRect around = ink.adjusted(-1, -1, 1, 1);
        QCOMPARE(picture(letters, down).copy(around), picture(letters, across).copy(around));
    }

    void missedWordsHaveAPageOfTheirOwnThatMovesNoControl() {
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}, {"SAT", "(v.) sat"}});
        QVERIFY(test::fillCommonWords(*world.database, {"SAT"}));
        // C A T  on top, S below the T: CAT was built; SAT (common) and CATS were missed.
        LevelResult result{Level::Easy, 10, QStringLiteral("00:00"), {"CAT"}, false};
        result.fields = {test::fieldOf(5, QStringLiteral("CATZZZZSZZZZZZZZZZZZZZZZZ"))};
        SummaryScreen screen(result, world.services, world.session);
        screen.show();
        QCoreApplication::processEvents();

        const QList<QWidget*> controls{screen.wrongGrid(),      screen.suggestionsGrid(),
                                       screen.wordList(),       screen.meaningsBox(),
                                       screen.tryAgainButton(), screen.goOnButton()};
        auto placeOf = [&screen](QWidget* w) {
            return QRect(w->mapTo(&screen, QPoint()), w->size());
        };
        QList<QRect> places;
        for (QWidget* w : controls) {
            places.append(placeOf(w));
            QVERIFY(!placeOf(screen.reviewTabs()).intersects(places.last()));
        }
        QVERIFY(screen.wordList()->isVisible());
        QVERIFY(!screen.missedList()->isVisible());

        screen.reviewTabs()->setCurrentIndex(1);
        QVERIFY(screen.missedList()->isVisible());
        QVERIFY(!screen.wordList()->isVisible() && !screen.wrongGrid()->isVisible());
        QVERIFY(screen.meaningsBox()->isVisible() && screen.tryAgainButton()->isVisible());
        QCOMPARE(screen.missedList()->rowCount(), 1);
        QWidget* cells = screen.missedList()->viewport();
        QTest::mouseClick(
            cells, Qt::LeftButton, {},
            screen.missedList()->visualItemRect(screen.missedList()->item(0, 0)).center());
        QCOMPARE(screen.meaningsBox()->toPlainText(),
                 QStringLiteral(" ### (v.) sat\n------------------------\n"));

        // The selected word keeps its highlight when the rarer words join the list.
        QTest::mouseClick(screen.showAllMissedBox(), Qt::LeftButton);
        QCOMPARE(screen.missedList()->rowCount(), 2);
        QCOMPARE(screen.missedList()->selectedItems(),
                 (QList<QTableWidgetItem*>{screen.missedList()->item(0, 0),
                                           screen.missedList()->item(0, 1)}));
        QCOMPARE(screen.missedList()->item(1, 0)->text(), QStringLiteral("CATS"));
        QCOMPARE(screen.missedList()->item(1, 1)->text(), QStringLiteral("300"));
        QVERIFY(screen.missedList()->item(1, 0)->font().italic());
        QVERIFY(!screen.missedList()->item(0, 0)->font().italic());

        screen.reviewTabs()->setCurrentIndex(0);
        QVERIFY(screen.wordList()->isVisible() && !screen.missedList()->isVisible());
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QCOMPARE(placeOf(controls.at(i)), places.at(i));
        }

        // One meanings box for both pages: a built word takes it, and a click on the missed word
        // that is still current brings that word's meanings back.
        const auto clickMissed = [&] {
            QTest::mouseClick(
                cells, Qt::LeftButton, {},
                screen.missedList()->visualItemRect(screen.missedList()->item(0, 0)).center());
        };
        screen.reviewTabs()->setCurrentIndex(1);
        clickMissed();
        screen.reviewTabs()->setCurrentIndex(0);
        QTest::mouseClick(screen.wordList()->viewport(), Qt::LeftButton, {},
                          screen.wordList()->visualItemRect(screen.wordList()->item(0)).center());
        QVERIFY(screen.meaningsBox()->toPlainText().startsWith(QStringLiteral(" ### (n.) feline")));
        screen.reviewTabs()->setCurrentIndex(1);
        QCOMPARE(screen.missedList()->currentRow(), 0);
        clickMissed();
        QVERIFY(screen.meaningsBox()->toPlainText().startsWith(QStringLiteral(" ### (v.) sat")));
    }

    // Today's field: the player's streak and best day, their days in the grid newest first,
    // and the copy control, which puts the shared line on the clipboard and says so on screen.
    void todaysSummaryShowsThePlayersDaysAndCopiesTheSharedLine() {
        const QDate day(2026, 12, 10);
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}});
        for (const auto& [back, score] : {std::pair{1, 900}, std::pair{3, 1200}}) {
            const QDate played = day.addDays(-back);
            QCOMPARE(world.database->keepDailyResult(
                         {played, "Ann", score, 4, "CATS", 50, QDateTime(played, {}, Qt::UTC)}),
                     DailyWrite::Kept);
        }
        TodaysField today(world.services, [day] { return QDateTime(day, QTime(10, 0)); });
        QVERIFY(today.begin(QStringLiteral("Ann")));
        LevelResult result = catResult(true);
        result.day = day;
        today.finish(result);
        SummaryScreen screen(result, world.services, world.session, nullptr, &today);
        screen.show();
        QCOMPARE(screen.streakLabel()->text(), QStringLiteral("2 days"));
        QCOMPARE(screen.bestDayLabel()->text(), QStringLiteral("2026-12-07: 1,200 points"));
        QCOMPARE(screen.scoreGrid()->model()->rowCount(), 3);
        QCOMPARE(screen.scoreGrid()->model()->index(0, 0).data().toString(),
                 QStringLiteral("2026-12-10"));
        QVERIFY(screen.copiedLabel()->text().isEmpty());
        QTest::mouseClick(screen.copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral(
                     "Vortalex 2026-12-10: 10 points, 1 word, 50% of the field, longest CAT"));
        QCOMPARE(screen.copiedLabel()->text(), QStringLiteral("Copied to the clipboard."));
        QVERIFY(screen.copiedLabel()->isVisible());
    }

    // A file that takes no results keeps no first result to point the player to, and has no
    // line to share.
    void aPlayTheFileCannotKeepSaysSoAndOffersNoCopy() {
        const QDate day(2026, 12, 10);
        TestWorld world({{"CAT", "(n.) feline"}, {"CATS", "(n.) felines"}});
        world.database->refuseWrites();
        TodaysField today(world.services, [day] { return QDateTime(day, QTime(10, 0)); });
        QVERIFY(today.begin(QStringLiteral("Ann")));
        LevelResult result = catResult(true);
        result.day = day;
        today.finish(result);
        SummaryScreen screen(result, world.services, world.session, nullptr, &today);
        QVERIFY(screen.dayNote()->text().contains(QStringLiteral("keeps no results")));
        QVERIFY(!screen.copyButton()->isEnabled());
    }
};

QTEST_MAIN(TestSummaryScreen)
#include "TestSummaryScreen.moc"
