#include "StatsScreen.h"

#include "common/Fonts.h"
#include "data/GameDatabase.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace vortalex {

using fonts::px;

namespace {

const QColor kBackground{0, 81, 133};
constexpr Qt::Alignment kPlayerAlign = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kScoreAlign = Qt::AlignCenter;

constexpr int kMargin = 14;
constexpr int kHeadingHeight = 30;
constexpr int kTableHeight = 260;
constexpr int kButtonWidth = 128;
constexpr int kButtonHeight = 30;
constexpr int kButtonGap = 8;

} // namespace

StatsScreen::StatsScreen(Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services) {
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(kAppTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, kBackground);
    setPalette(bg);
    setAutoFillBackground(true);

    m_heading = new QLabel(this);
    m_heading->setFont(fonts::arial(14, true, true));
    QPalette hp = m_heading->palette();
    hp.setColor(QPalette::WindowText, QColor(224, 224, 224));
    m_heading->setPalette(hp);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("flxTable"));
    m_table->setFont(fonts::arial(10, true));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setAlternatingRowColors(true);
    const int tableWidth = px(kPlayerColumnTwips) + px(kScoreColumnTwips) +
                           2 * m_table->frameWidth() +
                           m_table->verticalScrollBar()->sizeHint().width();
    m_table->setGeometry(kMargin, kMargin + kHeadingHeight, tableWidth, kTableHeight);
    m_heading->setGeometry(kMargin, kMargin, tableWidth + kButtonWidth + kMargin,
                           kHeadingHeight - 4);

    static const std::array<const char*, kLevelCount> kCaptions{"&Easy Level", "&Intermediate",
                                                                "&Difficult", "E&xpert"};
    const int buttonLeft = kMargin + tableWidth + kMargin;
    int top = kMargin + kHeadingHeight;
    for (const Level level : allLevels()) {
        const auto i = static_cast<std::size_t>(level);
        auto* button = new QPushButton(QString::fromLatin1(kCaptions.at(i)), this);
        button->setObjectName(QStringLiteral("cmdTable_%1").arg(i));
        button->setAutoDefault(false);
        button->setGeometry(buttonLeft, top, kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, level] { showLevelRanking(level); });
        m_levelButtons.at(i) = button;
        top += kButtonHeight + kButtonGap;
    }
    m_done = new QPushButton(QStringLiteral("&Done"), this);
    m_done->setObjectName(QStringLiteral("Command1"));
    m_done->setDefault(true);
    m_done->setGeometry(buttonLeft, kMargin + kHeadingHeight + kTableHeight - kButtonHeight,
                        kButtonWidth, kButtonHeight);
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(buttonLeft + kButtonWidth + kMargin,
                 kMargin + kHeadingHeight + kTableHeight + kMargin);
    m_table->setFocus();
}

void StatsScreen::showOverallRanking() {
    m_shownLevel.reset();
    m_heading->setText(QStringLiteral("Overall ranking"));
    GameDatabase* db = m_services.database;
    fill(db != nullptr ? db->overallRanking() : QList<RankRow>{});
}

void StatsScreen::showLevelRanking(Level level) {
    m_shownLevel = level;
    m_heading->setText(
        QStringLiteral("%1 ranking").arg(QString::fromLatin1(levelInfo(level).title)));
    GameDatabase* db = m_services.database;
    fill(db != nullptr ? db->levelRanking(level) : QList<RankRow>{});
}

void StatsScreen::fill(const QList<RankRow>& rows) {
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        auto* name = new QTableWidgetItem(rows.at(r).name);
        name->setTextAlignment(kPlayerAlign);
        auto* score = new QTableWidgetItem(QString::number(rows.at(r).score));
        score->setTextAlignment(kScoreAlign);
        m_table->setItem(r, 0, name);
        m_table->setItem(r, 1, score);
    }
    // The header is written after every fill, whichever table filled the grid.
    m_table->setColumnWidth(0, px(kPlayerColumnTwips));
    m_table->setColumnWidth(1, px(kScoreColumnTwips));
    auto* player = new QTableWidgetItem(QStringLiteral("Player"));
    player->setTextAlignment(kPlayerAlign);
    auto* score = new QTableWidgetItem(QStringLiteral("Score"));
    score->setTextAlignment(kScoreAlign);
    m_table->setHorizontalHeaderItem(0, player);
    m_table->setHorizontalHeaderItem(1, score);
}

void StatsScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showOverallRanking();
}

void StatsScreen::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Coming back to the screen from another window brings the overall ranking back.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        showOverallRanking();
    }
}

} // namespace vortalex
