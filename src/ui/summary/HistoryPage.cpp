#include "ui/summary/HistoryPage.h"

#include "ui/widgets/DialogLook.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Palette.h"
#include "ui/widgets/TypedText.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vortalex {

namespace {

constexpr int kMargin = 14;
constexpr int kHeadingHeight = 30;
constexpr int kChartWidth = 520;
constexpr int kChartHeight = 340;
constexpr int kFiguresWidth = 230;
constexpr int kFigureHeight = 36;
constexpr int kButtonWidth = 128;
constexpr int kButtonHeight = 30;
constexpr int kButtonGap = 8;
// Markers on every point help while there are few; thousands of them would only blot the lines.
constexpr int kMostMarkedPoints = 60;

const QColor kChartBackground{0, 60, 100};
const QColor kGridLine{255, 255, 255, 40};
// One colour per level, easiest first, each apart from the others on the blue.
const std::array<QColor, kLevelCount> kLevelColours{QColor(120, 220, 120), palette::kGold,
                                                    QColor(255, 140, 64), QColor(255, 105, 150)};

// A step of 1, 2 or 5 times a power of ten that puts at most ten ticks on `span`.
double tickStep(double span) {
    for (double power = 1;; power *= 10) {
        for (const double mantissa : {1.0, 2.0, 5.0}) {
            if (span / (mantissa * power) <= 10) {
                return mantissa * power;
            }
        }
    }
}

void styleAxis(QValueAxis& axis, const QString& title) {
    const QFont labels = fonts::arial(8, false);
    axis.setTitleText(title);
    axis.setTitleFont(fonts::arial(9, true));
    axis.setTitleBrush(palette::kHeading);
    axis.setLabelsFont(labels);
    axis.setLabelsBrush(palette::kHeading);
    axis.setGridLineColor(kGridLine);
    axis.setLinePenColor(palette::kHeading);
    // Whole numbers drawn from the double the axis holds: "%d" would wrap past 2^31.
    axis.setLabelFormat(QStringLiteral("%.0f"));
}

} // namespace

HistoryPage::HistoryPage(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("pageHistory"));
    const int width = kMargin + kChartWidth + kMargin + kFiguresWidth + kMargin;
    const int chartTop = kMargin + kHeadingHeight;
    const int height = chartTop + kChartHeight + kMargin + kButtonHeight + kMargin;
    setFixedSize(width, height);

    m_heading = new QLabel(this);
    m_heading->setTextFormat(Qt::PlainText); // both hold the player's name
    m_heading->setFont(fonts::arial(14, true, true));
    look::setTextColour(*m_heading, palette::kHeading);
    m_heading->setGeometry(kMargin, kMargin, width - 2 * kMargin, kHeadingHeight - 4);

    m_empty = new QLabel(this);
    m_empty->setTextFormat(Qt::PlainText);
    m_empty->setFont(fonts::arial(11, true));
    look::setTextColour(*m_empty, palette::kGold);
    // Two lines at most: why a history cannot be shown may name the file and the reason.
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_empty->setGeometry(kMargin, chartTop, width - 2 * kMargin, 3 * kHeadingHeight);

    buildChart();
    m_view->setGeometry(kMargin, chartTop, kChartWidth, kChartHeight);

    m_figures = new QWidget(this);
    m_figures->setGeometry(kMargin + kChartWidth + kMargin, chartTop, kFiguresWidth, kChartHeight);
    const int figureCount = static_cast<int>(HistoryFigures{}.lines().size());
    for (int i = 0; i < figureCount; ++i) {
        auto* caption = new QLabel(m_figures);
        caption->setFont(fonts::arial(9, true));
        look::setTextColour(*caption, palette::kHeading);
        caption->setGeometry(0, i * kFigureHeight, kFiguresWidth, kFigureHeight / 2);
        auto* value = new QLabel(m_figures);
        value->setFont(fonts::arial(11, true));
        look::setTextColour(*value, palette::kGold);
        value->setGeometry(8, i * kFigureHeight + kFigureHeight / 2 - 2, kFiguresWidth - 8,
                           kFigureHeight / 2 + 2);
        m_figureLabels.emplaceBack(caption, value);
    }

    const int buttonTop = height - kMargin - kButtonHeight;
    m_scores = new QPushButton(QStringLiteral("&Scores"), this);
    m_scores->setObjectName(QStringLiteral("cmdScores"));
    m_scores->setAutoDefault(false);
    m_scores->setGeometry(width - kMargin - 2 * kButtonWidth - kButtonGap, buttonTop, kButtonWidth,
                          kButtonHeight);
    connect(m_scores, &QPushButton::clicked, this, &HistoryPage::scoresChosen);
    m_done = new QPushButton(QStringLiteral("&Done"), this);
    m_done->setObjectName(QStringLiteral("cmdHistoryDone"));
    m_done->setAutoDefault(false);
    m_done->setGeometry(width - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    connect(m_done, &QPushButton::clicked, this, &HistoryPage::doneChosen);
}

void HistoryPage::buildChart() {
    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundBrush(kChartBackground);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setLabelColor(palette::kHeading);
    m_chart->legend()->setFont(fonts::arial(9, true));

    m_levelsAxis = new QValueAxis(m_chart);
    styleAxis(*m_levelsAxis, QStringLiteral("Levels played"));
    m_levelsAxis->setTickType(QValueAxis::TicksDynamic);
    m_levelsAxis->setTickAnchor(0);
    m_scoreAxis = new QValueAxis(m_chart);
    styleAxis(*m_scoreAxis, QStringLiteral("Score"));
    m_chart->addAxis(m_levelsAxis, Qt::AlignBottom);
    m_chart->addAxis(m_scoreAxis, Qt::AlignLeft);

    for (const Level level : allLevels()) {
        const auto i = static_cast<std::size_t>(level);
        auto* series = new QLineSeries(m_chart);
        series->setName(QString::fromLatin1(levelInfo(level).title));
        QPen pen(kLevelColours.at(i));
        pen.setWidth(2);
        series->setPen(pen);
        m_chart->addSeries(series);
        series->attachAxis(m_levelsAxis);
        series->attachAxis(m_scoreAxis);
        m_series.at(i) = series;
    }

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("chartHistory"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setBackgroundBrush(palette::kSea);
}

void HistoryPage::showHistory(const PlayerHistory& history) {
    showWithName(*m_heading,
                 history.player.isEmpty() ? QStringLiteral("History")
                                          : QStringLiteral("History of %1").arg(history.player),
                 history.player);
    const QString empty = emptyHistoryLine(history);
    showWithName(*m_empty, empty, history.player);
    m_empty->setVisible(!empty.isEmpty());
    m_view->setVisible(empty.isEmpty());
    m_figures->setVisible(empty.isEmpty());
    showSeries(history.rows);
    const QList<std::pair<QString, QString>> figures = historyFigures(history).lines();
    for (qsizetype i = 0; i < m_figureLabels.size() && i < figures.size(); ++i) {
        m_figureLabels.at(i).first->setText(figures.at(i).first);
        m_figureLabels.at(i).second->setText(figures.at(i).second);
    }
}

void HistoryPage::showWithName(QLabel& label, const QString& line, const QString& name) {
    // A long name is cut short with "…", as the greeting and the grids cut it; the whole line
    // shows as the tooltip and is what a screen reader reads.
    const QString shown =
        withNameCutToFit(label.fontMetrics(), line, name, label.contentsRect().width());
    label.setText(shown);
    label.setToolTip(shown != line ? plainToolTip(line) : QString());
    label.setAccessibleName(line);
}

void HistoryPage::showSeries(const QList<HistoryRow>& rows) {
    const std::array<QList<QPointF>, kLevelCount> points = scoreSeries(rows);
    // From 0, or from the least score when one is below it, so that every point is drawn.
    qint64 lowest = 0;
    qint64 highest = 0;
    for (const HistoryRow& row : rows) {
        lowest = std::min(lowest, row.score);
        highest = std::max(highest, row.score);
    }
    for (const Level level : allLevels()) {
        const auto i = static_cast<std::size_t>(level);
        QLineSeries* series = m_series.at(i);
        // One replace, not a point at a time: each change of a series redraws it.
        series->replace(thinnedToColumns(points.at(i), kChartWidth));
        series->setPointsVisible(rows.size() <= kMostMarkedPoints);
        const bool played = !points.at(i).isEmpty();
        series->setVisible(played);
        for (QLegendMarker* marker : m_chart->legend()->markers(series)) {
            marker->setVisible(played);
        }
    }
    const double last = std::max<double>(2, static_cast<double>(rows.size()));
    // Half a level either side, so that the first and last markers are not cut by the edges.
    m_levelsAxis->setRange(0.5, last + 0.5);
    m_levelsAxis->setTickInterval(tickStep(last));
    m_scoreAxis->setRange(static_cast<double>(lowest),
                          highest > 0 ? static_cast<double>(highest) : 1000.0);
    m_scoreAxis->applyNiceNumbers();
}

QList<std::pair<QString, QString>> HistoryPage::shownFigures() const {
    QList<std::pair<QString, QString>> shown;
    if (!m_figures->isVisibleTo(this)) {
        return shown;
    }
    for (const auto& [caption, value] : m_figureLabels) {
        shown.append({caption->text(), value->text()});
    }
    return shown;
}

} // namespace vortalex
