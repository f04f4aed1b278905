#include "ui/summary/StatsScreen.h"

#include "core/common/SessionState.h"
#include "core/summary/LevelHistory.h"
#include "core/summary/ScoreTables.h"
#include "ui/summary/HistoryPage.h"
#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/ScoreGrid.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/WindowScaler.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace vortalex {

namespace {

// The rankings share the History page's window, which needs the room: the grid is drawn half as
// large again as on the summaries, so that it fills the page rather than a corner of it.
constexpr qreal kGridScale = 1.5;
// Designed in pixels: the grid on its panel on the left, the buttons on theirs beside it. The
// panels are painted in design pixels, under the layout's transform.
constexpr QRect kGridPanel(20, 56, 360, 352);
constexpr QRect kGrid = design::pixels(30, 66, 340, 332);
constexpr QRect kButtonPanel(400, 56, 372, 352);
constexpr int kButtonLeft = 476;
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 42;
constexpr int kFirstButtonTop = 76;
constexpr int kButtonStep = 50;
constexpr int kHistoryTop = 290;
constexpr int kDoneTop = 350;

QRect buttonPlace(int top) {
    return design::pixels(kButtonLeft, top, kButtonWidth, kButtonHeight);
}

} // namespace

StatsScreen::StatsScreen(Services& services, QWidget* parent)
    : StatsScreen(services, static_cast<const SessionState*>(nullptr), parent) {}

StatsScreen::StatsScreen(Services& services, const SessionState& session, QWidget* parent)
    : StatsScreen(services, &session, parent) {}

StatsScreen::StatsScreen(Services& services, const SessionState* session, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_session(session)
    , m_layout(*this, HistoryPage::kDesign) {
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(kAppTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    const QRect whole(QPoint(0, 0), HistoryPage::kDesign);

    // The rankings stand on a page of their own, so that the History page can take the window
    // without any of them reachable behind it. Both pages fill the one window.
    m_scoresPage = new QWidget(this);
    m_layout.place(m_scoresPage, whole);
    m_heading = new QLabel(m_scoresPage);
    theme::styleCaption(*m_heading);
    m_layout.place(m_heading, HistoryPage::kHeading, HistoryPage::headingFont());

    m_table = new ScoreGrid(m_scoresPage);
    m_table->setRows(&m_rows);
    m_layout.place(m_table, kGrid, theme::textFont(10 * kGridScale, true));
    m_table->setScale(kGridScale);
    connect(&m_layout, &DesignLayout::scaleChanged, m_table,
            [this](qreal scale) { m_table->setScale(kGridScale * scale); });

    static const std::array<const char*, kLevelCount> kCaptions{"&Easy Level", "&Intermediate",
                                                                "&Difficult", "E&xpert"};
    const QFont buttonFont = HistoryPage::buttonFont();
    for (const Level level : allLevels()) {
        const auto i = static_cast<std::size_t>(level);
        auto* button = new QPushButton(QString::fromLatin1(kCaptions.at(i)), m_scoresPage);
        button->setObjectName(QStringLiteral("cmdTable_%1").arg(i));
        button->setAutoDefault(false);
        m_layout.place(button, buttonPlace(kFirstButtonTop + kButtonStep * static_cast<int>(i)),
                       buttonFont);
        connect(button, &QPushButton::clicked, this, [this, level] { showLevelRanking(level); });
        m_levelButtons.at(i) = button;
    }
    m_historyButton = new QPushButton(QStringLiteral("&History"), m_scoresPage);
    m_historyButton->setObjectName(QStringLiteral("cmdHistory"));
    m_historyButton->setAutoDefault(false);
    m_layout.place(m_historyButton, buttonPlace(kHistoryTop), buttonFont);
    connect(m_historyButton, &QPushButton::clicked, this, &StatsScreen::showHistory);
    m_done = new QPushButton(QStringLiteral("&Done"), m_scoresPage);
    m_done->setObjectName(QStringLiteral("Command1"));
    m_done->setDefault(true);
    m_layout.place(m_done, buttonPlace(kDoneTop), buttonFont);
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);

    m_history = new HistoryPage(this);
    m_layout.place(m_history, whole);
    m_history->hide();
    connect(m_history, &HistoryPage::scoresChosen, this, &StatsScreen::showScores);
    connect(m_history, &HistoryPage::doneChosen, this, &QDialog::accept);

    centreOnOwner(*this);
    m_table->setFocus();
    new WindowScaler(*this, m_layout.designPixels(), services.scale);
}

void StatsScreen::showOverallRanking() {
    m_shownLevel.reset();
    m_heading->setText(QStringLiteral("Overall ranking"));
    queryRanking(m_rows, m_services.database(), std::nullopt);
}

void StatsScreen::showLevelRanking(Level level) {
    m_shownLevel = level;
    m_heading->setText(
        QStringLiteral("%1 ranking").arg(QString::fromLatin1(levelInfo(level).title)));
    queryRanking(m_rows, m_services.database(), level);
}

bool StatsScreen::historyShown() const {
    return m_history->isVisibleTo(this);
}

void StatsScreen::showHistory() {
    m_history->showHistory(loadHistory(m_services.database(),
                                       m_session != nullptr ? m_session->playerName() : QString()));
    showPage(m_history);
    m_history->scoresButton()->setFocus();
}

void StatsScreen::showScores() {
    showPage(m_scoresPage);
    m_historyButton->setFocus();
}

void StatsScreen::showPage(QWidget* page) {
    QWidget* other = page == m_history ? m_scoresPage : static_cast<QWidget*>(m_history);
    other->hide();
    page->show();
    update(); // the rankings' panels are the window's to draw
}

void StatsScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The overall ranking comes when the screen opens, and would come again when a screen of
    // the game opened over it closed; none ever does. Coming back from a message box or another
    // program's window keeps the ranking the player chose.
    if (!event->spontaneous()) {
        if (historyShown()) {
            showPage(m_scoresPage);
        }
        showOverallRanking();
    }
}

void StatsScreen::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    theme::paintSky(p, QRectF(rect()));
    if (!historyShown()) {
        p.setTransform(m_layout.transform());
        for (const QRect& panel : {kGridPanel, kButtonPanel}) {
            theme::paintPanel(p, QRectF(panel));
        }
    }
}

} // namespace vortalex
