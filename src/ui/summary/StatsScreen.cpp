#include "ui/summary/StatsScreen.h"

#include "core/common/SessionState.h"
#include "core/summary/LevelHistory.h"
#include "core/summary/ScoreTables.h"
#include "ui/summary/HistoryPage.h"
#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Palette.h"
#include "ui/widgets/ScoreGrid.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace vortalex {

using fonts::px;

namespace {

const QColor kBackground = palette::kSea;

constexpr int kMargin = 14;
constexpr int kHeadingHeight = 30;
constexpr int kTableHeight = 260;
constexpr int kButtonWidth = 128;
constexpr int kButtonHeight = 30;
constexpr int kButtonGap = 8;

} // namespace

StatsScreen::StatsScreen(Services& services, QWidget* parent)
    : StatsScreen(services, static_cast<const SessionState*>(nullptr), parent) {}

StatsScreen::StatsScreen(Services& services, const SessionState& session, QWidget* parent)
    : StatsScreen(services, &session, parent) {}

StatsScreen::StatsScreen(Services& services, const SessionState* session, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_session(session) {
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(kAppTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, kBackground);
    setPalette(bg);
    setAutoFillBackground(true);

    // The rankings stand on a page of their own, so that the History page can take the window
    // without any of them reachable behind it.
    m_scoresPage = new QWidget(this);
    m_heading = new QLabel(m_scoresPage);
    m_heading->setFont(fonts::arial(14, true, true));
    QPalette hp = m_heading->palette();
    hp.setColor(QPalette::WindowText, palette::kHeading);
    m_heading->setPalette(hp);

    m_table = new ScoreGrid(m_scoresPage);
    m_table->setRows(&m_rows);
    const int tableWidth = m_table->naturalWidth();
    m_table->setGeometry(kMargin, kMargin + kHeadingHeight, tableWidth, kTableHeight);
    m_heading->setGeometry(kMargin, kMargin, tableWidth + kButtonWidth + kMargin,
                           kHeadingHeight - 4);

    static const std::array<const char*, kLevelCount> kCaptions{"&Easy Level", "&Intermediate",
                                                                "&Difficult", "E&xpert"};
    const int buttonLeft = kMargin + tableWidth + kMargin;
    int top = kMargin + kHeadingHeight;
    for (const Level level : allLevels()) {
        const auto i = static_cast<std::size_t>(level);
        auto* button = new QPushButton(QString::fromLatin1(kCaptions.at(i)), m_scoresPage);
        button->setObjectName(QStringLiteral("cmdTable_%1").arg(i));
        button->setAutoDefault(false);
        button->setGeometry(buttonLeft, top, kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, level] { showLevelRanking(level); });
        m_levelButtons.at(i) = button;
        top += kButtonHeight + kButtonGap;
    }
    m_historyButton = new QPushButton(QStringLiteral("&History"), m_scoresPage);
    m_historyButton->setObjectName(QStringLiteral("cmdHistory"));
    m_historyButton->setAutoDefault(false);
    m_historyButton->setGeometry(buttonLeft, top, kButtonWidth, kButtonHeight);
    connect(m_historyButton, &QPushButton::clicked, this, &StatsScreen::showHistory);
    m_done = new QPushButton(QStringLiteral("&Done"), m_scoresPage);
    m_done->setObjectName(QStringLiteral("Command1"));
    m_done->setDefault(true);
    m_done->setGeometry(buttonLeft, kMargin + kHeadingHeight + kTableHeight - kButtonHeight,
                        kButtonWidth, kButtonHeight);
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);

    m_scoresPage->setFixedSize(buttonLeft + kButtonWidth + kMargin,
                               kMargin + kHeadingHeight + kTableHeight + kMargin);
    m_history = new HistoryPage(this);
    m_history->hide();
    connect(m_history, &HistoryPage::scoresChosen, this, &StatsScreen::showScores);
    connect(m_history, &HistoryPage::doneChosen, this, &QDialog::accept);

    setFixedSize(m_scoresPage->size());
    centreOnOwner(*this);
    m_table->setFocus();
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
    // Each page keeps its own fixed size; the window takes the size of the one it shows.
    resizeAboutCentre(*this, page->size());
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

} // namespace vortalex
