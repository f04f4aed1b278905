#include "ui/summary/SummaryScreen.h"

#include "ui/summary/MeaningsLook.h"
#include "ui/summary/WordPathView.h"

#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/PasswordBox.h"
#include "ui/widgets/ScoreGrid.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/WindowScaler.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QtMath>

namespace vortalex {

using design::pixels;

namespace {

// The design, in pixels at the design size: the window, its margin and its buttons.
constexpr int kWidth = 660;
constexpr int kHeight = 440;
constexpr int kMargin = 14;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 30;
constexpr int kRowTwips = 300; // the review's grids: 20 pixels a row at the design size

// The review panel: its title row holds "Spelling" and the page tabs; below it three columns.
// The built words (or the missed words) stand on the left, beside the meanings box their entries
// fill ("Click on a word on the left ..."); the rejected words head the middle column over the
// meanings box, their suggestions the right one over the picture of the field, which is as
// large as the panel allows, so that the 11 x 11 field's letters stay legible. The line with the
// score and the found share and the "Exit" buttons share the foot.
constexpr int kTitleRow = 26;
constexpr int kCaptionTop = 28;
constexpr int kListTop = 52;
constexpr int kLeftWidth = 176;
constexpr int kMiddleLeft = kMargin + kLeftWidth + 10;
constexpr int kPictureSide = 240;
constexpr int kRightLeft = kWidth - kMargin - kPictureSide;
constexpr int kMiddleWidth = kRightLeft - 10 - kMiddleLeft;
constexpr int kGridHeight = 88;
constexpr int kLowerTop = kListTop + kGridHeight + 6; // the meanings box and the picture
constexpr int kLowerBottom = kLowerTop + kPictureSide;
constexpr int kFootTop = kLowerBottom + 6;
constexpr QRect kListPlace(kMargin, kListTop, kLeftWidth, kLowerBottom - 2 - kListTop);
constexpr QRect kExitPlace(kWidth - kMargin - kButtonWidth, kHeight - kMargin - kButtonHeight,
                           kButtonWidth, kButtonHeight);

// The review's grids and lists, rows and headers alike.
QFont gridFont() {
    return theme::textFont(10, true);
}

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void gridLook(QAbstractItemView* view) {
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
}

// The "Spelling" panel: opaque, on the game's sky, its title in the captions' type. It covers
// the score area whole.
class ReviewPanel final : public QGroupBox {
public:
    ReviewPanel(const DesignLayout& layout, QWidget* parent)
        : QGroupBox(QStringLiteral("Spelling"), parent)
        , m_layout(layout) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        theme::paintSky(p, QRectF(rect()));
        p.setFont(font());
        p.setPen(theme::kGold);
        const int margin = m_layout.length(pixels(kMargin, 0).width());
        p.drawText(QRect(margin, 0, width() / 2, m_layout.length(pixels(0, kTitleRow).height())),
                   Qt::AlignLeft | Qt::AlignVCenter, title());
    }

private:
    const DesignLayout& m_layout;
};

} // namespace

SummaryScreen::SummaryScreen(const LevelResult& result, Services& services, SessionState& session,
                             QWidget* parent, TodaysField* today)
    : QDialog(parent)
    , m_model(result, services, session)
    , m_today(today)
    , m_layout(*this, pixels(kWidth, kHeight)) {
    const LevelInfo& info = m_model.info();
    setObjectName(QString::fromLatin1(info.summaryName));
    setWindowTitle(
        QStringLiteral("%1 - %2 summary").arg(kAppTitle, QString::fromLatin1(info.title)));
    // The window's close button acts (closeEvent); the scaler adds maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    centreOnOwner(*this);

    buildScoreArea();
    buildReviewPanel();

    // What the board hands over: the time, the total and the built words in their order.
    m_timer->setText(result.timeText);
    m_total->setText(m_model.totalText());
    m_words->addItems(result.words);
    if (!m_model.info().daily) {
        m_scores->setRows(m_model.scores());
    }

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
    // What sizes itself in pixels follows the scale: rows and the score grid's columns.
    connect(&m_layout, &DesignLayout::scaleChanged, this, [this](qreal scale) {
        m_scores->setScale(scale);
        for (QTableView* grid : {static_cast<QTableView*>(m_wrong), m_suggestions,
                                 static_cast<QTableView*>(m_missed)}) {
            grid->verticalHeader()->setDefaultSectionSize(m_layout.length(kRowTwips));
            theme::setHeaderFont(*grid->horizontalHeader(), m_layout.font(gridFont()));
        }
        placeTabs();
    });
    syncLayers();
    new WindowScaler(*this, m_layout.designPixels(), services.scale);
}

void SummaryScreen::buildScoreArea() {
    const LevelInfo& info = m_model.info();
    // One widget holds the score area, so that the review panel over it can take all of it out
    // of reach at once.
    m_scoreArea = new QWidget(this);
    m_scoreArea->setObjectName(QStringLiteral("scoreArea"));
    m_layout.place(m_scoreArea, pixels(0, 0, kWidth, kHeight));
    QWidget* area = m_scoreArea;
    const auto caption = [this, area](const QString& text, const QString& name, qreal points,
                                      const QRect& place) {
        QLabel* label = makeLabel(text, name, area);
        theme::styleCaption(*label);
        m_layout.place(label, pixels(place), theme::captionFont(points));
        return label;
    };
    const auto value = [this, area](const QString& text, const QString& name, const QRect& place) {
        QLabel* label = makeLabel(text, name, area);
        theme::styleValue(*label);
        m_layout.place(label, pixels(place), theme::valueFont());
        return label;
    };
    const QDate day = m_model.result().day;
    caption(info.daily ? QStringLiteral("%1, %2").arg(QString::fromLatin1(info.title),
                                                      day.toString(Qt::ISODate))
                       : QStringLiteral("%1 level").arg(QString::fromLatin1(info.title)),
            QStringLiteral("lblHeading"), 18, {kMargin, 8, kWidth - 2 * kMargin, 34});

    const int gridTop = 74;
    // Today's field has no score table: its grid lists the player's days.
    caption(info.daily ? QStringLiteral("YOUR DAYS") : QStringLiteral("SCORES"),
            QStringLiteral("Label7"), 12, {kMargin, gridTop - 26, 200, 24})
        ->setVisible(info.summaryHasPassword || info.daily);
    m_scores = new ScoreGrid(area);
    const int gridWidth = m_scores->naturalWidth();
    m_layout.place(m_scores, pixels(kMargin, gridTop, gridWidth, kHeight - gridTop - kMargin));

    const int left = kMargin + gridWidth + 24;
    const int fieldWidth = kWidth - left - kMargin;
    m_resultsPanel = QRect(left - 10, gridTop - 6, fieldWidth + 20, 72);
    caption(QStringLiteral("Time : "), QStringLiteral("Label2"), 11, {left, gridTop, 110, 28});
    m_timer = value(QStringLiteral("00:00"), QStringLiteral("lblTimer"),
                    {left + 110, gridTop, fieldWidth - 110, 28});
    caption(QStringLiteral("Total Score : "), QStringLiteral("lblTotalScore"), 11,
            {left, gridTop + 32, 110, 28});
    m_total = value(QStringLiteral("0"), QStringLiteral("lblTotScor"),
                    {left + 110, gridTop + 32, fieldWidth - 110, 28});

    QLabel* nameCaption = caption(QStringLiteral("Your Name"), QStringLiteral("Label1"), 11,
                                  {left, gridTop + 80, fieldWidth, 22});
    m_name = new QLineEdit(area);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_layout.place(m_name, pixels(left, gridTop + 104, fieldWidth, 30), theme::textFont(12, true));
    m_name->setFocus(); // the player who wants to keep the score types here first

    int below = gridTop + 142;
    m_password = new QLineEdit(area);
    m_password->setObjectName(QStringLiteral("password"));
    makeStarPasswordBox(*m_password);
    m_password->setPlaceholderText(QStringLiteral("Password"));
    m_layout.place(m_password, pixels(left, below, fieldWidth, 30), theme::textFont(12, true));
    m_password->setVisible(info.summaryHasPassword);
    if (info.summaryHasPassword) {
        below += 38;
    }

    QLabel* hint = makeLabel(QStringLiteral("You're only required to input your name if you want "
                                            "to save your scores in the table."),
                             QStringLiteral("Label3"), area);
    hint->setWordWrap(true);
    theme::styleCaption(*hint);
    m_layout.place(hint, pixels(left, below, fieldWidth, 40), theme::textFont(9, false, true));

    const int buttonsTop = kHeight - kMargin - kButtonHeight;
    const int saveTop = buttonsTop - kButtonHeight - 10;
    // A line of its own between the hint and the buttons, over none of them.
    m_found = makeLabel(m_model.foundText(), QStringLiteral("lblFound"), area);
    m_found->setWordWrap(true);
    m_found->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    theme::styleValue(*m_found);
    const int foundTop = below + 46;
    m_layout.place(m_found, pixels(left, foundTop, fieldWidth, saveTop - 6 - foundTop),
                   theme::textFont(10, true));

    const auto button = [this, area](const QString& text, const QString& name, int x, int y) {
        auto* b = new QPushButton(text, area);
        b->setObjectName(name);
        b->setAutoDefault(false);
        m_layout.place(b, pixels(x, y, kButtonWidth, kButtonHeight), theme::textFont(10, true));
        return b;
    };
    m_save = button(QStringLiteral("&Save Score"), QStringLiteral("Command2"), left, saveTop);
    m_done = button(QStringLiteral("&Done"), QStringLiteral("Command1"), left, buttonsTop);
    m_next = button(QStringLiteral("&Next"), QStringLiteral("Command3"), left + kButtonWidth + 10,
                    buttonsTop);

    if (m_model.layers().copyShown) {
        // Nothing to save, so nothing to name: the player's days take the name's place.
        for (QWidget* w : {static_cast<QWidget*>(nameCaption), static_cast<QWidget*>(m_name),
                           static_cast<QWidget*>(m_password), static_cast<QWidget*>(hint)}) {
            w->hide();
        }
        m_copy = button(QStringLiteral("&Copy result"), QStringLiteral("cmdCopy"), left, saveTop);
        buildDayArea(left, gridTop);
    }

    connect(m_save, &QPushButton::clicked, this,
            [this] { m_model.save(m_name->text(), m_password->text()); });
    connect(m_done, &QPushButton::clicked, &m_model, &SummaryModel::done);
    connect(m_next, &QPushButton::clicked, &m_model, &SummaryModel::next);
}

void SummaryScreen::buildDayArea(int left, int top) {
    QWidget* area = m_scoreArea;
    const int width = kWidth - left - kMargin;
    const auto label = [this, area](const QString& name, const QRect& place, const QFont& font) {
        QLabel* l = makeLabel(QString(), name, area);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_layout.place(l, pixels(place), font);
        return l;
    };
    // Two more rows in the panel under the time and the total.
    m_resultsPanel.setHeight(m_resultsPanel.height() + 64);
    const QList<std::pair<QString, QLabel**>> rows{{QStringLiteral("Streak : "), &m_streak},
                                                   {QStringLiteral("Best day : "), &m_bestDay}};
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const int y = top + 64 + 32 * static_cast<int>(r);
        QLabel* caption = label(QStringLiteral("lblDayCaption%1").arg(r), {left, y, 110, 28},
                                theme::captionFont(11));
        caption->setText(rows.at(r).first);
        theme::styleCaption(*caption);
        QLabel* value = label(r == 0 ? QStringLiteral("lblStreak") : QStringLiteral("lblBestDay"),
                              {left + 110, y, width - 110, 28}, theme::valueFont());
        theme::styleValue(*value);
        *rows.at(r).second = value;
    }
    m_dayNote = label(QStringLiteral("lblDayNote"), {left, top + 136, width, 34},
                      theme::textFont(9, false, true));
    theme::styleCaption(*m_dayNote);
    m_layout.place(m_found, pixels(left, top + 172, width, 40));
    m_shareLine = label(QStringLiteral("lblShareLine"), {left, top + 216, width, 56},
                        theme::textFont(10, true));
    theme::styleValue(*m_shareLine);
    m_shareLine->setTextFormat(Qt::PlainText); // the longest word came from the word list
    const QRect copyPlace = design::toPixels(m_layout.placeOf(m_copy));
    m_copied = label(QStringLiteral("lblCopied"),
                     {copyPlace.right() + 11, copyPlace.top(), width - copyPlace.width() - 10,
                      copyPlace.height()},
                     theme::textFont(10, true));
    theme::styleCaption(*m_copied);
    connect(m_copy, &QPushButton::clicked, this, &SummaryScreen::copyShareLine);
    m_copy->setFocus(); // what a player does first here, as typing the name on the levels
    if (m_today != nullptr) {
        showDays();
    } else {
        m_copy->setEnabled(false);
    }
}

void SummaryScreen::showDays() {
    const TodaysField::Days days = m_today->days();
    m_streak->setText(days.streak == 1 ? QStringLiteral("1 day")
                                       : QStringLiteral("%1 days").arg(days.streak));
    m_bestDay->setText(
        days.best ? QStringLiteral("%1: %2 points")
                        .arg(days.best->date.toString(Qt::ISODate), groupedNumber(days.best->score))
                  : QStringLiteral("none yet"));
    QStringList note;
    if (!m_today->counted()) {
        // A file that takes no results keeps no first one either.
        note.append(m_today->dayResult()
                        ? QStringLiteral("This play was practice: the day keeps your first result.")
                        : QStringLiteral("This play was practice: the file keeps no results."));
    }
    if (!days.problem.isEmpty()) {
        note.append(QStringLiteral("Your days could not be read: %1").arg(days.problem));
    }
    m_dayNote->setText(note.join(QLatin1Char(' ')));
    m_shareLine->setText(m_today->shareLine());
    m_copy->setEnabled(!m_today->shareLine().isEmpty());

    m_days.clear();
    m_days.setColumnCount(2);
    for (const DailyRow& row : days.results) {
        m_days.appendRow({new QStandardItem(row.date.toString(Qt::ISODate)),
                          new QStandardItem(QString::number(row.score))});
    }
    m_scores->setRows(&m_days);
    m_scores->setFirstHeader(QStringLiteral("Day"));
}

void SummaryScreen::copyShareLine() {
    QGuiApplication::clipboard()->setText(m_today->shareLine());
    m_copied->setText(QStringLiteral("Copied to the clipboard."));
}

void SummaryScreen::buildReviewPanel() {
    const bool expert = m_model.info().level == Level::Expert;
    m_review = new ReviewPanel(m_layout, this);
    m_review->setObjectName(QStringLiteral("Frame1"));
    m_layout.place(m_review, pixels(0, 0, kWidth, kHeight), theme::captionFont(12));
    const auto caption = [this](const QString& text, const QString& name, qreal points,
                                const QRect& place) {
        QLabel* label = makeLabel(text, name, m_review);
        theme::styleCaption(*label);
        m_layout.place(label, pixels(place), theme::captionFont(points));
        return label;
    };
    const auto grid = [this](QTableView* view, const QString& name, const QRect& place) {
        view->setObjectName(name);
        gridLook(view);
        view->horizontalHeader()->setStretchLastSection(true);
        view->verticalHeader()->hide();
        // Every row has the same height, so the view never measures rows it has not fetched.
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setDefaultSectionSize(m_layout.length(kRowTwips));
        theme::setHeaderFont(*view->horizontalHeader(), gridFont());
        m_layout.place(view, pixels(place), gridFont());
    };

    QLabel* wrongCaption = caption(QStringLiteral("Mispelled Words"),
                                   expert ? QStringLiteral("Label7") : QStringLiteral("Label5"), 11,
                                   {kMiddleLeft, kCaptionTop, kMiddleWidth, 22});
    m_wrong = new QTableWidget(0, 1, m_review);
    m_wrong->setHorizontalHeaderLabels({QStringLiteral("WrongWord")});
    grid(m_wrong, QStringLiteral("flxWrong"), {kMiddleLeft, kListTop, kMiddleWidth, kGridHeight});
    connect(m_wrong, &QTableWidget::cellClicked, this,
            [this](int row, int) { m_model.suggestFor(row + 1); });

    QLabel* suggestionsCaption =
        caption(QStringLiteral("Suggested words"), QStringLiteral("Label6"), 11,
                {kRightLeft, kCaptionTop, kPictureSide, 22});
    m_suggestions = new QTableView(m_review);
    m_suggestions->setModel(m_model.suggestions());
    grid(m_suggestions, QStringLiteral("flxSample"),
         {kRightLeft, kListTop, kPictureSide, kGridHeight});

    QLabel* wordsCaption = caption(QStringLiteral("Summary of your constructed words."),
                                   expert ? QStringLiteral("Label5") : QStringLiteral("Label4"),
                                   8.5, {kMargin, kCaptionTop, kLeftWidth, 22});
    m_words = new QListWidget(m_review);
    m_words->setObjectName(QStringLiteral("List1"));
    m_layout.place(m_words, pixels(kListPlace), gridFont());
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
    new MeaningsLook(m_meanings->document(), SummaryModel::kMeaningsHint);
    m_layout.place(m_meanings,
                   pixels(kMiddleLeft, kLowerTop, kMiddleWidth, kLowerBottom - kLowerTop),
                   theme::textFont(10));
    m_path = new WordPathView(m_review);
    m_path->setObjectName(QStringLiteral("picWordPath"));
    m_layout.place(m_path, pixels(kRightLeft, kLowerTop, kPictureSide, kPictureSide),
                   theme::textFont(10, false, true));

    // The line a failed level shows nowhere else, left of "Exit".
    m_result = makeLabel(m_model.reviewResultText(), QStringLiteral("lblResult"), m_review);
    m_result->setWordWrap(true);
    m_result->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    theme::styleValue(*m_result);
    m_layout.place(
        m_result,
        pixels(kMargin, kFootTop, kExitPlace.left() - 10 - kMargin, kHeight - kFootTop - 4),
        theme::textFont(9.5, true));

    // The two "Exit" buttons share one place; at most one shows.
    m_tryAgain = new QPushButton(QStringLiteral("Exit"), m_review);
    m_tryAgain->setObjectName(QStringLiteral("Command6"));
    m_goOn = new QPushButton(QStringLiteral("Exit"), m_review);
    m_goOn->setObjectName(QStringLiteral("Command7"));
    for (QPushButton* b : {m_tryAgain, m_goOn}) {
        b->setAutoDefault(false);
        m_layout.place(b, pixels(kExitPlace), theme::textFont(10, true));
    }
    connect(m_tryAgain, &QPushButton::clicked, &m_model, &SummaryModel::tryAgainExit);
    connect(m_goOn, &QPushButton::clicked, &m_model, &SummaryModel::goOnExit);

    m_ownWordsPage = {wrongCaption,  m_wrong,      suggestionsCaption,
                      m_suggestions, wordsCaption, m_words};
    buildMissedPage();
}

void SummaryScreen::buildMissedPage() {
    // The missed words take the places of the three lists as a second page, chosen by tabs in
    // the panel's title row: their list stands where the built words do, left of the meanings
    // box, which serves both pages; their note where the rejected words and the suggestions do.
    // The meanings box, the picture and "Exit" keep their places.
    m_reviewTabs = new QTabBar(m_review);
    m_reviewTabs->setObjectName(QStringLiteral("tabReview"));
    m_reviewTabs->setDrawBase(false);
    m_reviewTabs->setExpanding(false);
    m_reviewTabs->setUsesScrollButtons(false);
    m_reviewTabs->setElideMode(Qt::ElideNone);
    m_reviewTabs->addTab(QStringLiteral("Your words"));
    m_reviewTabs->addTab(QStringLiteral("Words you missed"));
    m_layout.place(m_reviewTabs, pixels(kWidth - kMargin - 200, 0, 200, kTitleRow),
                   theme::textFont(9, true));
    connect(m_reviewTabs, &QTabBar::currentChanged, this, &SummaryScreen::showReviewPage);

    QLabel* missedCaption =
        makeLabel(QStringLiteral("Words you missed"), QStringLiteral("lblMissed"), m_review);
    theme::styleCaption(*missedCaption);
    m_layout.place(missedCaption, pixels(kMargin, kCaptionTop, kLeftWidth, 22),
                   theme::captionFont(11));
    m_missed = new QTableWidget(0, 2, m_review);
    m_missed->setObjectName(QStringLiteral("lstMissed"));
    gridLook(m_missed);
    m_missed->setHorizontalHeaderLabels({QStringLiteral("Word"), QStringLiteral("Points")});
    m_missed->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_missed->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_missed->verticalHeader()->hide();
    m_missed->verticalHeader()->setDefaultSectionSize(m_layout.length(kRowTwips));
    theme::setHeaderFont(*m_missed->horizontalHeader(), gridFont());
    m_layout.place(m_missed, pixels(kListPlace), gridFont());
    // Mouse and keyboard alike, as for the built words.
    const auto showMissed = [this](int row) {
        if (QTableWidgetItem* item = row >= 0 ? m_missed->item(row, 0) : nullptr) {
            showWord(item->text(), m_model.missedPath(item->text()));
        }
    };
    connect(m_missed, &QTableWidget::currentCellChanged, this, showMissed);
    connect(m_missed, &QTableWidget::cellClicked, this, showMissed);

    const int noteWidth = kWidth - kMargin - kMiddleLeft;
    constexpr int kCheckHeight = 22;
    const int checkTop = kLowerTop - 4 - kCheckHeight;
    m_missedNote = makeLabel(QString(), QStringLiteral("lblMissedNote"), m_review);
    m_missedNote->setWordWrap(true);
    m_missedNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    theme::styleCaption(*m_missedNote);
    m_layout.place(m_missedNote,
                   pixels(kMiddleLeft, kCaptionTop, noteWidth, checkTop - 2 - kCaptionTop),
                   theme::textFont(9.5, false, true));
    m_showAllMissed = new QCheckBox(QStringLiteral("Show all, rarer words too"), m_review);
    m_showAllMissed->setObjectName(QStringLiteral("chkShowAll"));
    theme::setTextColour(*m_showAllMissed, theme::kGold);
    {
        // Its box a light face on the dark panel, as the line edits', with a dark tick.
        QPalette face = m_showAllMissed->palette();
        face.setColor(QPalette::Active, QPalette::Base, theme::kCream);
        face.setColor(QPalette::Inactive, QPalette::Base, theme::kCream);
        face.setColor(QPalette::Text, theme::kInk);
        m_showAllMissed->setPalette(face);
    }
    m_showAllMissed->setFont(theme::textFont(10, true));
    // No wider than its text, so that a click beside it does not tick it.
    m_layout.place(m_showAllMissed,
                   pixels(kMiddleLeft, checkTop,
                          std::min(m_showAllMissed->sizeHint().width(), noteWidth), kCheckHeight));
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
    // Only the slant and weight: face and size stay the list's, at whatever scale it shows.
    QFont rarer;
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
    placeTabs();
}

void SummaryScreen::placeTabs() {
    // Right-aligned in the title row, as wide as the tabs are at this scale: their frames and
    // padding keep their pixels while their text grows.
    const QSize tabs = m_reviewTabs->sizeHint();
    const int width = qCeil(tabs.width() / m_layout.scale());
    const int height = std::min(qCeil(tabs.height() / m_layout.scale()), kTitleRow);
    m_layout.place(m_reviewTabs, pixels(kWidth - kMargin - width, 0, width, height));
}

void SummaryScreen::syncLayers() {
    const SummaryModel::Layers& l = m_model.layers();
    m_review->setVisible(l.reviewShown);
    // Covered by the panel, the score area takes no click, key, shortcut or focus; its buttons
    // keep the states the model gives them for when it shows again.
    m_scoreArea->setEnabled(!l.reviewShown);
    m_tryAgain->setVisible(l.tryAgainShown);
    m_goOn->setVisible(l.goOnShown);
    m_save->setVisible(l.saveShown);
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

void SummaryScreen::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    theme::paintSky(p, QRectF(rect()));
    if (m_scoreArea->isEnabled()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(m_layout.transform());
        theme::paintPanel(p, QRectF(m_resultsPanel));
    }
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
