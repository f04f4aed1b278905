#include "ui/summary/SummaryScreen.h"

#include "ui/summary/WordPathView.h"

#include "ui/widgets/DialogLook.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Palette.h"
#include "ui/widgets/PasswordBox.h"
#include "ui/widgets/ScoreGrid.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>

namespace vortalex {

namespace {

constexpr int kWidth = 660;
constexpr int kHeight = 440;
constexpr int kMargin = 14;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 30;

QLabel* caption(const QString& text, const QString& name, QWidget* parent, qreal points = 11) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(fonts::arial(points, true, true));
    look::setTextColour(*label, palette::kHeading);
    return label;
}

QLabel* value(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(fonts::arial(16, true));
    look::setTextColour(*label, palette::kGold);
    return label;
}

void gridLook(QAbstractItemView* view) {
    view->setFont(fonts::arial(10, true));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
}

} // namespace

SummaryScreen::SummaryScreen(const LevelResult& result, Services& services, SessionState& session,
                             QWidget* parent)
    : QDialog(parent)
    , m_model(result, services, session) {
    const LevelInfo& info = m_model.info();
    setObjectName(QString::fromLatin1(info.summaryName));
    setWindowTitle(
        QStringLiteral("%1 - %2 summary").arg(kAppTitle, QString::fromLatin1(info.title)));
    look::makeFixedDialog(*this, QSize(kWidth, kHeight));
    setWindowFlag(Qt::WindowCloseButtonHint); // it acts (closeEvent)

    buildScoreArea();
    buildReviewPanel();

    // What the board hands over: the time, the total and the built words in their order.
    m_timer->setText(result.timeText);
    m_total->setText(m_model.totalText());
    m_words->addItems(result.words);
    m_scores->setRows(m_model.scores());

    connect(&m_model, &SummaryModel::layersChanged, this, &SummaryScreen::syncLayers);
    connect(&m_model, &SummaryModel::playerNameChanged, m_name, &QLineEdit::setText);
    connect(&m_model, &SummaryModel::wrongWordsChanged, this, &SummaryScreen::syncWrongWords);
    connect(&m_model, &SummaryModel::meaningsChanged, this, [this](const QString& text) {
        m_meanings->setPlainText(QString(text).replace(kLineBreak, QStringLiteral("\n")));
    });
    connect(&m_model, &SummaryModel::finished, this, [this](ScreenOutcome next) {
        m_outcome = next;
        QDialog::done(QDialog::Accepted);
    });
    syncLayers();
}

void SummaryScreen::buildScoreArea() {
    const LevelInfo& info = m_model.info();
    // One widget holds the score area, so that the review panel over it can take all of it out
    // of reach at once.
    m_scoreArea = new QWidget(this);
    m_scoreArea->setObjectName(QStringLiteral("scoreArea"));
    m_scoreArea->setGeometry(rect());
    QWidget* area = m_scoreArea;
    auto* heading = caption(QStringLiteral("%1 level").arg(QString::fromLatin1(info.title)),
                            QStringLiteral("lblHeading"), area, 18);
    heading->setGeometry(kMargin, 8, kWidth - 2 * kMargin, 34);

    const int gridTop = 74;
    QLabel* scoresCaption = caption(QStringLiteral("SCORES"), QStringLiteral("Label7"), area, 12);
    scoresCaption->setGeometry(kMargin, gridTop - 26, 200, 24);
    scoresCaption->setVisible(info.summaryHasPassword);
    m_scores = new ScoreGrid(area);
    m_scores->setGeometry(kMargin, gridTop, m_scores->naturalWidth(), kHeight - gridTop - kMargin);

    const int left = kMargin + m_scores->naturalWidth() + 24;
    const int fieldWidth = kWidth - left - kMargin;
    caption(QStringLiteral("Time : "), QStringLiteral("Label2"), area)
        ->setGeometry(left, gridTop, 110, 28);
    m_timer = value(QStringLiteral("00:00"), QStringLiteral("lblTimer"), area);
    m_timer->setGeometry(left + 110, gridTop, fieldWidth - 110, 28);
    caption(QStringLiteral("Total Score : "), QStringLiteral("lblTotalScore"), area)
        ->setGeometry(left, gridTop + 32, 110, 28);
    m_total = value(QStringLiteral("0"), QStringLiteral("lblTotScor"), area);
    m_total->setGeometry(left + 110, gridTop + 32, fieldWidth - 110, 28);

    caption(QStringLiteral("Your Name"), QStringLiteral("Label1"), area)
        ->setGeometry(left, gridTop + 80, fieldWidth, 22);
    m_name = new QLineEdit(area);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setFont(fonts::arial(12, true));
    m_name->setGeometry(left, gridTop + 104, fieldWidth, 30);
    m_name->setFocus(); // the player who wants to keep the score types here first

    int below = gridTop + 142;
    m_password = new QLineEdit(area);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setFont(fonts::arial(12, true));
    makeStarPasswordBox(*m_password);
    m_password->setPlaceholderText(QStringLiteral("Password"));
    m_password->setGeometry(left, below, fieldWidth, 30);
    m_password->setVisible(info.summaryHasPassword);
    if (info.summaryHasPassword) {
        below += 38;
    }

    auto* hint = new QLabel(QStringLiteral("You're only required to input your name if you want "
                                           "to save your scores in the table."),
                            area);
    hint->setObjectName(QStringLiteral("Label3"));
    hint->setWordWrap(true);
    hint->setFont(fonts::arial(9, false, true));
    look::setTextColour(*hint, palette::kHeading);
    hint->setGeometry(left, below, fieldWidth, 40);

    const int buttonsTop = kHeight - kMargin - kButtonHeight;
    // A line of its own between the hint and the buttons, over none of them.
    m_found = new QLabel(m_model.foundText(), area);
    m_found->setObjectName(QStringLiteral("lblFound"));
    m_found->setWordWrap(true);
    m_found->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_found->setFont(fonts::arial(10, true));
    look::setTextColour(*m_found, palette::kGold);
    const int foundTop = below + 46;
    m_found->setGeometry(left, foundTop, fieldWidth,
                         buttonsTop - kButtonHeight - 10 - 6 - foundTop);

    m_save = new QPushButton(QStringLiteral("&Save Score"), area);
    m_save->setObjectName(QStringLiteral("Command2"));
    m_save->setGeometry(left, buttonsTop - kButtonHeight - 10, kButtonWidth, kButtonHeight);
    m_done = new QPushButton(QStringLiteral("&Done"), area);
    m_done->setObjectName(QStringLiteral("Command1"));
    m_done->setGeometry(left, buttonsTop, kButtonWidth, kButtonHeight);
    m_next = new QPushButton(QStringLiteral("&Next"), area);
    m_next->setObjectName(QStringLiteral("Command3"));
    m_next->setGeometry(left + kButtonWidth + 10, buttonsTop, kButtonWidth, kButtonHeight);
    for (QPushButton* b : {m_save, m_done, m_next}) {
        b->setAutoDefault(false);
    }

    connect(m_save, &QPushButton::clicked, this,
            [this] { m_model.save(m_name->text(), m_password->text()); });
    connect(m_done, &QPushButton::clicked, &m_model, &SummaryModel::done);
    connect(m_next, &QPushButton::clicked, &m_model, &SummaryModel::next);
}

void SummaryScreen::buildReviewPanel() {
    const bool expert = m_model.info().level == Level::Expert;
    m_review = new QGroupBox(QStringLiteral("Spelling"), this);
    m_review->setObjectName(QStringLiteral("Frame1"));
    m_review->setGeometry(rect());
    m_review->setAutoFillBackground(true);
    m_review->setFont(fonts::arial(12, true, true));
    QPalette rp = m_review->palette();
    rp.setColor(QPalette::Window, palette::kSea.darker(115));
    rp.setColor(QPalette::WindowText, palette::kHeading);
    m_review->setPalette(rp);

    // The built words stand in a column of their own on the left, beside the meanings box their
    // entries fill ("Click on a word on the left ..."); the rejected words and their suggestions
    // share the top of the right-hand side, above that box.
    const int columnWidth = (kWidth - 4 * kMargin) / 3;
    const int top = 52;
    const int listHeight = 170;
    const int col2 = kMargin + columnWidth + kMargin;
    const int col3 = col2 + columnWidth + kMargin;
    const int bottom = kHeight - kMargin;
    const QRect wordsPlace(kMargin, top, columnWidth, bottom - top);
    const QRect rightPlace(col2, top - 24, kWidth - kMargin - col2, listHeight + 24);

    QLabel* wrongCaption =
        caption(QStringLiteral("Mispelled Words"),
                expert ? QStringLiteral("Label7") : QStringLiteral("Label5"), m_review);
    wrongCaption->setGeometry(col2, top - 24, columnWidth, 22);
    m_wrong = new QTableWidget(0, 1, m_review);
    m_wrong->setObjectName(QStringLiteral("flxWrong"));
    gridLook(m_wrong);
    m_wrong->setHorizontalHeaderLabels({QStringLiteral("WrongWord")});
    m_wrong->horizontalHeader()->setStretchLastSection(true);
    m_wrong->verticalHeader()->hide();
    m_wrong->verticalHeader()->setDefaultSectionSize(20);
    m_wrong->setGeometry(col2, top, columnWidth, listHeight);
    connect(m_wrong, &QTableWidget::cellClicked, this,
            [this](int row, int) { m_model.suggestFor(row + 1); });

    QLabel* suggestionsCaption =
        caption(QStringLiteral("Suggested words"), QStringLiteral("Label6"), m_review);
    suggestionsCaption->setGeometry(col3, top - 24, columnWidth, 22);
    m_suggestions = new QTableView(m_review);
    m_suggestions->setObjectName(QStringLiteral("flxSample"));
    gridLook(m_suggestions);
    m_suggestions->setModel(m_model.suggestions());
    m_suggestions->horizontalHeader()->setStretchLastSection(true);
    m_suggestions->verticalHeader()->hide();
    // Every row has the same height, so the view never measures rows it has not fetched.
    m_suggestions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_suggestions->verticalHeader()->setDefaultSectionSize(20);
    m_suggestions->setGeometry(col3, top, columnWidth, listHeight);

    QLabel* wordsCaption =
        caption(QStringLiteral("Summary of your constructed words."),
                expert ? QStringLiteral("Label5") : QStringLiteral("Label4"), m_review, 8.5);
    wordsCaption->setGeometry(kMargin, top - 24, columnWidth + kMargin, 22);
    m_words = new QListWidget(m_review);
    m_words->setObjectName(QStringLiteral("List1"));
    m_words->setFont(fonts::arial(10, true));
    m_words->setGeometry(wordsPlace);
    connect(m_words, &QListWidget::currentTextChanged, this, [this](const QString& word) {
        if (!word.isEmpty()) {
            showWord(word, m_model.builtPath(word));
        }
    });
    // The meanings box also serves the missed words: a click on the word already current brings
    // its meanings back after another list's word has taken the box.
    connect(m_words, &QListWidget::itemClicked, this, [this](const QListWidgetItem* item) {
        showWord(item->text(), m_model.builtPath(item->text()));
    });

    m_meanings = new QPlainTextEdit(m_model.meaningsText(), m_review);
    m_meanings->setObjectName(QStringLiteral("Text1"));
    m_meanings->setReadOnly(true);
    m_meanings->setFont(fonts::arial(10, false));
    // The two "Exit" buttons share one place, under the meanings box; at most one shows.
    const QRect exitPlace(kWidth - kMargin - kButtonWidth, bottom - kButtonHeight, kButtonWidth,
                          kButtonHeight);
    const int meaningsTop = top + listHeight + 12;
    const int meaningsHeight = exitPlace.top() - 10 - meaningsTop;
    // The field's picture is a square as high as the meanings box, at the right end of its row.
    m_path = new WordPathView(m_review);
    m_path->setObjectName(QStringLiteral("picWordPath"));
    m_path->setGeometry(kWidth - kMargin - meaningsHeight, meaningsTop, meaningsHeight,
                        meaningsHeight);
    m_meanings->setGeometry(col2, meaningsTop, m_path->x() - 10 - col2, meaningsHeight);

    m_tryAgain = new QPushButton(QStringLiteral("Exit"), m_review);
    m_tryAgain->setObjectName(QStringLiteral("Command6"));
    m_tryAgain->setGeometry(exitPlace);
    m_goOn = new QPushButton(QStringLiteral("Exit"), m_review);
    m_goOn->setObjectName(QStringLiteral("Command7"));
    m_goOn->setGeometry(exitPlace);
    for (QPushButton* b : {m_tryAgain, m_goOn}) {
        b->setAutoDefault(false);
        b->setFont(fonts::arial(10, true));
    }
    connect(m_tryAgain, &QPushButton::clicked, &m_model, &SummaryModel::tryAgainExit);
    connect(m_goOn, &QPushButton::clicked, &m_model, &SummaryModel::goOnExit);

    m_ownWordsPage = {wrongCaption,  m_wrong,      suggestionsCaption,
                      m_suggestions, wordsCaption, m_words};
    buildMissedPage(wordsPlace, rightPlace);
}

void SummaryScreen::buildMissedPage(const QRect& listPlace, const QRect& notePlace) {
    // The missed words take the places of the three lists as a second page, chosen by tabs in
    // the panel's title row: their list stands where the built words do, left of the meanings
    // box, which serves both pages; their note where the rejected words do. The meanings box and
    // "Exit" keep their places.
    m_reviewTabs = new QTabBar(m_review);
    m_reviewTabs->setObjectName(QStringLiteral("tabReview"));
    m_reviewTabs->setFont(fonts::arial(9, true));
    m_reviewTabs->setDrawBase(false);
    m_reviewTabs->setExpanding(false);
    m_reviewTabs->setUsesScrollButtons(false);
    m_reviewTabs->setElideMode(Qt::ElideNone);
    m_reviewTabs->addTab(QStringLiteral("Your words"));
    m_reviewTabs->addTab(QStringLiteral("Words you missed"));
    connect(m_reviewTabs, &QTabBar::currentChanged, this, &SummaryScreen::showReviewPage);

    QLabel* missedCaption =
        caption(QStringLiteral("Words you missed"), QStringLiteral("lblMissed"), m_review);
    missedCaption->setGeometry(listPlace.x(), listPlace.y() - 24, listPlace.width(), 22);
    m_missed = new QTableWidget(0, 2, m_review);
    m_missed->setObjectName(QStringLiteral("lstMissed"));
    gridLook(m_missed);
    m_missed->setHorizontalHeaderLabels({QStringLiteral("Word"), QStringLiteral("Points")});
    m_missed->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_missed->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_missed->verticalHeader()->hide();
    m_missed->verticalHeader()->setDefaultSectionSize(20);
    m_missed->setGeometry(listPlace);
    // Mouse and keyboard alike, as for the built words.
    const auto showMissed = [this](int row) {
        if (QTableWidgetItem* item = row >= 0 ? m_missed->item(row, 0) : nullptr) {
            showWord(item->text(), m_model.missedPath(item->text()));
        }
    };
    connect(m_missed, &QTableWidget::currentCellChanged, this, showMissed);
    connect(m_missed, &QTableWidget::cellClicked, this, showMissed);

    m_missedNote = new QLabel(m_review);
    m_missedNote->setObjectName(QStringLiteral("lblMissedNote"));
    m_missedNote->setWordWrap(true);
    m_missedNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_missedNote->setFont(fonts::arial(10, false, true));
    look::setTextColour(*m_missedNote, palette::kHeading);
    m_missedNote->setGeometry(notePlace.x(), notePlace.y() + 24, notePlace.width(), 100);
    m_showAllMissed = new QCheckBox(QStringLiteral("Show all, rarer words too"), m_review);
    m_showAllMissed->setObjectName(QStringLiteral("chkShowAll"));
    m_showAllMissed->setFont(fonts::arial(10, true));
    look::setTextColour(*m_showAllMissed, palette::kGold);
    m_showAllMissed->setGeometry(notePlace.x(), notePlace.y() + 132,
                                 std::min(m_showAllMissed->sizeHint().width(), notePlace.width()),
                                 24);
    connect(m_showAllMissed, &QCheckBox::toggled, &m_model, &SummaryModel::setShowAllMissed);
    connect(&m_model, &SummaryModel::missedWordsChanged, this, &SummaryScreen::syncMissedWords);

    m_missedPage = {missedCaption, m_missed, m_missedNote, m_showAllMissed};
    syncMissedWords();
    showReviewPage(m_reviewTabs->currentIndex());
}

void SummaryScreen::showReviewPage(int page) {
    const bool missed = page == 1;
    for (QWidget* w : std::as_const(m_ownWordsPage)) {
        w->setVisible(!missed);
    }
    for (QWidget* w : std::as_const(m_missedPage)) {
        w->setVisible(missed);
    }
    // The meanings box and the picture serve both pages: they show the word selected on the
    // page that shows, or ask for one, never a word of the page put away.
    const QListWidgetItem* built = m_words->currentItem();
    const QTableWidgetItem* found = m_missed->currentItem();
    if (!missed && built != nullptr && built->isSelected()) {
        showWord(built->text(), m_model.builtPath(built->text()));
    } else if (missed && found != nullptr && found->isSelected()) {
        const QString word = m_missed->item(found->row(), 0)->text();
        showWord(word, m_model.missedPath(word));
    } else {
        m_model.clearMeanings();
        m_path->clear();
    }
}

void SummaryScreen::showWord(const QString& word, const std::optional<WordPath>& path) {
    m_model.showMeanings(word);
    m_path->setPath(path);
}

void SummaryScreen::syncMissedWords() {
    const QList<MissedWord> shown = m_model.shownMissedWords();
    {
        const QSignalBlocker quiet(m_showAllMissed);
        m_showAllMissed->setChecked(m_model.showAllMissed());
    }
    m_showAllMissed->setEnabled(m_model.showAllMissedChoosable());

    // The selected word stays selected when the list grows or shrinks around it, as its
    // meanings stay in the box.
    const QTableWidgetItem* current = m_missed->currentItem();
    const QString selected = current != nullptr && current->isSelected()
                                 ? m_missed->item(current->row(), 0)->text()
                                 : QString();
    m_missed->clearContents();
    m_missed->setRowCount(static_cast<int>(shown.size()));
    QFont rarer = m_missed->font();
    rarer.setBold(false);
    rarer.setItalic(true);
    for (int r = 0; r < shown.size(); ++r) {
        const MissedWord& w = shown.at(r);
        auto* word = new QTableWidgetItem(w.word);
        auto* points = new QTableWidgetItem(QString::number(w.points));
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (!w.common) {
            word->setFont(rarer);
            points->setFont(rarer);
        }
        m_missed->setItem(r, 0, word);
        m_missed->setItem(r, 1, points);
        if (!selected.isEmpty() && w.word == selected) {
            const QSignalBlocker quiet(m_missed); // the meanings shown are this word's already
            m_missed->setCurrentCell(r, 0);
        }
    }

    m_missedNote->setText(m_model.missedNote());
    m_reviewTabs->setTabText(1, m_model.missedTabText());
    // Right-aligned in the title row, above the captions of the lists.
    const QSize tabs = m_reviewTabs->sizeHint();
    m_reviewTabs->setGeometry(kWidth - kMargin - tabs.width(), 0, tabs.width(),
                              std::min(tabs.height(), m_missed->y() - 24));
}

void SummaryScreen::syncLayers() {
    const SummaryModel::Layers& l = m_model.layers();
    m_review->setVisible(l.reviewShown);
    // Covered by the panel, the score area takes no click, key, shortcut or focus; its buttons
    // keep the states the model gives them for when it shows again.
    m_scoreArea->setEnabled(!l.reviewShown);
    m_tryAgain->setVisible(l.tryAgainShown);
    m_goOn->setVisible(l.goOnShown);
    m_save->setEnabled(l.saveEnabled);
    m_next->setVisible(l.nextShown);
    m_next->setEnabled(l.nextEnabled);
}

void SummaryScreen::syncWrongWords() {
    const QStringList words = m_model.wrongWords();
    m_wrong->clearContents();
    m_wrong->setRowCount(static_cast<int>(words.size()));
    for (int r = 0; r < words.size(); ++r) {
        m_wrong->setItem(r, 0, new QTableWidgetItem(words.at(r)));
    }
}

void SummaryScreen::activateSummary() {
    m_model.activate();
}

void SummaryScreen::reject() {
    // Escape would drop the result unseen; the summary is left through its buttons.
}

void SummaryScreen::closeEvent(QCloseEvent* event) {
    // Closed only by the way on the model takes, which may first ask; when it closes the screen,
    // it does so itself.
    event->ignore();
    m_model.closeWindow();
}

void SummaryScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The activation steps run when the screen opens, and would run again when a screen of the
    // game opened over it closed; none ever does. Becoming the active window again after one of
    // its message boxes or another program's window is neither, so the name typed and the words
    // listed stay; a window restored from the task bar is shown spontaneously and keeps them too.
    if (!event->spontaneous()) {
        activateSummary();
    }
}

} // namespace vortalex
