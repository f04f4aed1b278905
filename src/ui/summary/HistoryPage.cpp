#include "ui/summary/HistoryPage.h"

#include "ui/widgets/Theme.h"
#include "ui/widgets/TypedText.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace vortalex {

namespace {

// Designed in pixels: the chart on its panel, the figures on theirs beside it, the buttons below
// them. The panels are painted in design pixels, under the layout's transform.
constexpr QRect kChartPanel(20, 56, 524, 352);
constexpr QRect kFiguresPanel(556, 56, 216, 294);
// Where the chart and the figures would be: the line that says why there are none.
constexpr QRect kEmptyPanel(20, 56, 752, 294);
constexpr QRect kEmpty = design::pixels(44, 76, 704, 254);
constexpr int kFiguresLeft = 568;
constexpr int kFiguresTop = 64;
constexpr int kFiguresWidth = 196;
constexpr int kFigureStep = 35;
constexpr int kCaptionHeight = 16;
constexpr int kValueHeight = 19;
constexpr QRect kScores = design::pixels(556, 366, 104, 42);
constexpr QRect kDone = design::pixels(668, 366, 104, 42);

// The chart's own measures at the design size, in pixels; each is drawn at the page's scale.
constexpr qreal kChartMargin = 6;
constexpr qreal kLineWidth = 2;
constexpr qreal kTargetWidth = 1.5;
constexpr qreal kPassedSize = 17; // a star: its points take room from its body
constexpr qreal kFailedSize = 11;
constexpr qreal kRingWidth = 2;
// Markers on every point help while there are few; thousands of them would only blot the lines.
constexpr int kMostMarkedPoints = 60;

void styleAxis(QValueAxis& axis, const QString& title) {
    axis.setTitleText(title);
    axis.setTitleBrush(theme::kHeading);
    axis.setLabelsBrush(theme::kHeading);
    axis.setGridLineColor(theme::kRule);
    axis.setLinePenColor(theme::kHeading);
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    // Whole numbers drawn from the double the axis holds: "%d" would wrap past 2^31.
    axis.setLabelFormat(QStringLiteral("%.0f"));
}

// Shows or hides `series`, and its key in the legend with it when it has one: a series shown
// anew brings its key back.
void showSeries(QChart& chart, QAbstractSeries* series, bool shown, bool keyed) {
    series->setVisible(shown);
    for (QLegendMarker* marker : chart.legend()->markers(series)) {
        marker->setVisible(shown && keyed);
    }
}

} // namespace

QFont HistoryPage::headingFont() {
    return theme::captionFont(16);
}

QFont HistoryPage::buttonFont() {
    return theme::textFont(12, true);
}

HistoryPage::HistoryPage(QWidget* parent)
    : QWidget(parent)
    , m_layout(*this, kDesign) {
    setObjectName(QStringLiteral("pageHistory"));

    m_heading = new QLabel(this);
    m_heading->setTextFormat(Qt::PlainText); // both hold the player's name
    theme::styleCaption(*m_heading);
    m_layout.place(m_heading, kHeading, headingFont());

    m_empty = new QLabel(this);
    m_empty->setTextFormat(Qt::PlainText);
    theme::styleValue(*m_empty);
    // Why a history cannot be shown may name the file and the reason: it may take a few lines.
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);
    m_layout.place(m_empty, kEmpty, theme::textFont(12, true));

    buildChart();
    m_layout.place(m_view, design::pixels(kChartPanel));

    m_figures = new QWidget(this);
    const int figureCount = static_cast<int>(HistoryFigures{}.lines().size());
    m_layout.place(m_figures, design::pixels(kFiguresLeft, kFiguresTop, kFiguresWidth,
                                             figureCount * kFigureStep));
    for (int i = 0; i < figureCount; ++i) {
        auto* caption = new QLabel(m_figures);
        theme::styleCaption(*caption);
        m_layout.place(caption, design::pixels(0, i * kFigureStep, kFiguresWidth, kCaptionHeight),
                       theme::textFont(9, true));
        auto* value = new QLabel(m_figures);
        theme::styleValue(*value);
        m_layout.place(
            value,
            design::pixels(8, i * kFigureStep + kCaptionHeight, kFiguresWidth - 8, kValueHeight),
            theme::valueFont(11));
        m_figureLabels.emplaceBack(caption, value);
    }

    m_scores = new QPushButton(QStringLiteral("&Scores"), this);
    m_scores->setObjectName(QStringLiteral("cmdScores"));
    m_scores->setAutoDefault(false);
    m_layout.place(m_scores, kScores, buttonFont());
    connect(m_scores, &QPushButton::clicked, this, &HistoryPage::scoresChosen);
    m_done = new QPushButton(QStringLiteral("&Done"), this);
    m_done->setObjectName(QStringLiteral("cmdHistoryDone"));
    m_done->setAutoDefault(false);
    m_layout.place(m_done, kDone, buttonFont());
    connect(m_done, &QPushButton::clicked, this, &HistoryPage::doneChosen);

    connect(&m_layout, &DesignLayout::scaleChanged, this, [this] {
        styleChart();
        showLines();
        showHeadings();
    });
}

void HistoryPage::buildChart() {
    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    // The page's panel shows through: the chart stands on it as the figures do on theirs.
    m_chart->setBackgroundVisible(false);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->setLabelColor(theme::kHeading);
    m_chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    m_levelsAxis = new QValueAxis(m_chart);
    styleAxis(*m_levelsAxis, QStringLiteral("Levels played"));
    m_scoreAxis = new QValueAxis(m_chart);
    styleAxis(*m_scoreAxis, QStringLiteral("Score"));
    m_chart->addAxis(m_levelsAxis, Qt::AlignBottom);
    m_chart->addAxis(m_scoreAxis, Qt::AlignLeft);
    const auto add = [this](QXYSeries* series, const QString& name) {
        series->setName(name);
        m_chart->addSeries(series);
        series->attachAxis(m_levelsAxis);
        series->attachAxis(m_scoreAxis);
    };

    for (const Level level : allLevels()) {
        const auto i = index(level);
        const QString title = QString::fromLatin1(levelInfo(level).title);
        m_series.at(i) = new QLineSeries(m_chart);
        add(m_series.at(i), title);
        m_targets.at(i) = new QLineSeries(m_chart);
        add(m_targets.at(i), QStringLiteral("%1 target").arg(title));
        m_passed.at(i) = new QScatterSeries(m_chart);
        m_passed.at(i)->setMarkerShape(QScatterSeries::MarkerShapeStar);
        add(m_passed.at(i), QStringLiteral("%1 passed").arg(title));
        m_failed.at(i) = new QScatterSeries(m_chart);
        m_failed.at(i)->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        add(m_failed.at(i), QStringLiteral("%1 failed").arg(title));
    }
    m_passedKey = new QScatterSeries(m_chart);
    m_passedKey->setMarkerShape(m_passed.front()->markerShape());
    add(m_passedKey, QStringLiteral("Passed"));
    m_failedKey = new QScatterSeries(m_chart);
    m_failedKey->setMarkerShape(m_failed.front()->markerShape());
    add(m_failedKey, QStringLiteral("Failed"));
    m_targetKey = new QLineSeries(m_chart);
    add(m_targetKey, QStringLiteral("Target"));

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("chartHistory"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setBackgroundBrush(Qt::NoBrush);
    m_view->viewport()->setAutoFillBackground(false);
    styleChart();
}

// Type, lines and markers at the page's scale now, so that they are drawn as large, and as
// sharp, as everything else on it.
void HistoryPage::styleChart() {
    const qreal scale = m_layout.scale();
    const qreal margin = kChartMargin * scale;
    m_chart->setMargins(QMargins(qRound(margin), qRound(margin), qRound(margin), qRound(margin)));
    m_chart->legend()->setFont(m_layout.font(theme::textFont(9, true)));
    for (QValueAxis* axis : {m_levelsAxis, m_scoreAxis}) {
        axis->setTitleFont(m_layout.font(theme::textFont(9, true)));
        axis->setLabelsFont(m_layout.font(theme::textFont(8)));
    }
    const auto ring = [scale](const QColor& colour) {
        QPen pen(colour, kRingWidth * scale);
        return pen;
    };
    const auto dashed = [scale](const QColor& colour) {
        QPen pen(colour, kTargetWidth * scale, Qt::DashLine);
        return pen;
    };
    for (const Level level : allLevels()) {
        const auto i = index(level);
        const QColor colour = theme::levelColour(level);
        m_series.at(i)->setPen(QPen(colour, kLineWidth * scale));
        m_targets.at(i)->setPen(dashed(colour));
        m_passed.at(i)->setMarkerSize(kPassedSize * scale);
        m_passed.at(i)->setBrush(colour);
        m_passed.at(i)->setPen(QPen(theme::kDeep, scale));
        m_failed.at(i)->setMarkerSize(kFailedSize * scale);
        m_failed.at(i)->setBrush(theme::kField);
        m_failed.at(i)->setPen(ring(colour));
    }
    m_passedKey->setMarkerSize(kPassedSize * scale);
    m_passedKey->setBrush(theme::kHeading);
    m_passedKey->setPen(QPen(theme::kDeep, scale));
    m_failedKey->setMarkerSize(kFailedSize * scale);
    m_failedKey->setBrush(theme::kField);
    m_failedKey->setPen(ring(theme::kHeading));
    m_targetKey->setPen(dashed(theme::kHeading));
}

void HistoryPage::showHistory(const PlayerHistory& history) {
    m_player = history.player;
    m_headingLine = history.player.isEmpty() ? QStringLiteral("History")
                                             : QStringLiteral("History of %1").arg(history.player);
    m_emptyLine = emptyHistoryLine(history);
    showHeadings();
    m_empty->setVisible(!m_emptyLine.isEmpty());
    m_view->setVisible(m_emptyLine.isEmpty());
    m_figures->setVisible(m_emptyLine.isEmpty());
    update(); // the panels show with the chart

    m_points = scoreSeries(history.rows);
    const bool marked = history.rows.size() <= kMostMarkedPoints;
    // Markers not drawn are not given either: a hidden series still lays out its points.
    const std::array<LevelMarks, kLevelCount> marks =
        marked ? scoreMarks(history.rows) : std::array<LevelMarks, kLevelCount>{};
    const double last = std::max<double>(2, static_cast<double>(history.rows.size()));
    // Half a level either side, so that the first and last markers are not cut by the edges.
    m_levelsAxis->setRange(0.5, last + 0.5);
    m_levelsAxis->setTickInterval(tickStep(last));
    const ScoreScale scores = scoreScale(history.rows);
    m_scoreAxis->setRange(scores.low, scores.high);
    m_scoreAxis->setTickInterval(scores.step);
    bool anyTarget = false;
    bool anyPassed = false;
    bool anyFailed = false;
    for (const Level level : allLevels()) {
        const auto i = index(level);
        const bool played = !m_points.at(i).isEmpty();
        showSeries(*m_chart, m_series.at(i), played, true);
        // One replace, not a point at a time: each change of a series redraws it.
        m_passed.at(i)->replace(marks.at(i).passed);
        m_failed.at(i)->replace(marks.at(i).failed);
        anyPassed = anyPassed || !marks.at(i).passed.isEmpty();
        anyFailed = anyFailed || !marks.at(i).failed.isEmpty();
        showSeries(*m_chart, m_passed.at(i), marked, false);
        showSeries(*m_chart, m_failed.at(i), marked, false);
        const std::optional<int> target = levelInfo(level).scoreTarget();
        QLineSeries* line = m_targets.at(i);
        showSeries(*m_chart, line, played && target.has_value(), false);
        anyTarget = anyTarget || line->isVisible();
        if (target) {
            line->replace(
                {QPointF(m_levelsAxis->min(), *target), QPointF(m_levelsAxis->max(), *target)});
        }
    }
    showSeries(*m_chart, m_passedKey, marked && anyPassed, true);
    showSeries(*m_chart, m_failedKey, marked && anyFailed, true);
    showSeries(*m_chart, m_targetKey, anyTarget, true);
    showLines();

    const QList<std::pair<QString, QString>> figures = historyFigures(history).lines();
    for (qsizetype i = 0; i < m_figureLabels.size() && i < figures.size(); ++i) {
        m_figureLabels.at(i).first->setText(figures.at(i).first);
        m_figureLabels.at(i).second->setText(figures.at(i).second);
    }
}

// A line of more points than the chart has pixel columns now is drawn from fewer, as many as
// the columns can show.
void HistoryPage::showLines() {
    const int columns = m_layout.length(design::pixels(kChartPanel).width());
    for (const Level level : allLevels()) {
        m_series.at(index(level))->replace(thinnedToColumns(m_points.at(index(level)), columns));
    }
}

void HistoryPage::showHeadings() {
    showWithName(*m_heading, m_headingLine, m_player);
    showWithName(*m_empty, m_emptyLine, m_player);
}

void HistoryPage::showWithName(QLabel& label, const QString& line, const QString& name) {
    // A long name is cut short with "…", as the greeting and the grids cut it; the whole line
    // shows as the tooltip and is what a screen reader reads. A label that wraps has the room
    // of three lines at most, less one for what the breaks between words leave empty.
    constexpr int kMostLines = 3;
    const QRect room = label.contentsRect();
    const int lines =
        label.wordWrap()
            ? std::max(1,
                       std::min(kMostLines, room.height() / label.fontMetrics().lineSpacing()) - 1)
            : 1;
    const QString shown = withNameCutToFit(label.fontMetrics(), line, name, room.width() * lines);
    label.setText(shown);
    label.setToolTip(shown != line ? plainToolTip(line) : QString());
    label.setAccessibleName(line);
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

void HistoryPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setTransform(m_layout.transform());
    if (m_view->isVisibleTo(this)) {
        theme::paintPanel(p, QRectF(kChartPanel));
        theme::paintPanel(p, QRectF(kFiguresPanel));
    } else {
        theme::paintPanel(p, QRectF(kEmptyPanel));
    }
}

} // namespace vortalex
