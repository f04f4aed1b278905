#pragma once

#include "core/common/Level.h"
#include "core/summary/LevelHistory.h"
#include "ui/widgets/DesignLayout.h"

#include <QWidget>

#include <array>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

namespace vortalex {

// The score tables' History page: the signed-in player's score of every finished level, one
// line per level over the levels played, each level's target as a dashed line, passed and
// failed levels marked apart, with the figures of the whole history beside it; one line instead
// when there is nothing to show. It lays itself out from its own design, at the scale its size
// gives.
class HistoryPage : public QWidget {
    Q_OBJECT
public:
    // The page's design, which the score tables' window takes for both its pages: the chart
    // needs the room. The heading stands in one place on both.
    static constexpr QSize kDesign = design::pixels(792, 442);
    static constexpr QRect kHeading = design::pixels(24, 12, 744, 36);
    static QFont headingFont();
    static QFont buttonFont();

    explicit HistoryPage(QWidget* parent = nullptr);

    void showHistory(const PlayerHistory& history);

    QLabel* headingLabel() const { return m_heading; }
    // The line shown in place of the chart and the figures; hidden when they show.
    QLabel* emptyLabel() const { return m_empty; }
    QChartView* chartView() const { return m_view; }
    QLineSeries* series(Level level) const { return m_series.at(index(level)); }
    // The level's target across the chart; hidden for a level not played or with no target.
    QLineSeries* targetLine(Level level) const { return m_targets.at(index(level)); }
    // The markers of the level's passed and failed levels, each of a shape of its own.
    QScatterSeries* passedMarks(Level level) const { return m_passed.at(index(level)); }
    QScatterSeries* failedMarks(Level level) const { return m_failed.at(index(level)); }
    QValueAxis* levelsAxis() const { return m_levelsAxis; }
    QValueAxis* scoreAxis() const { return m_scoreAxis; }
    // Caption and value of each figure as shown.
    QList<std::pair<QString, QString>> shownFigures() const;
    QPushButton* scoresButton() const { return m_scores; }
    QPushButton* doneButton() const { return m_done; }

signals:
    void scoresChosen();
    void doneChosen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static std::size_t index(Level level) { return static_cast<std::size_t>(level); }
    void buildChart();
    void styleChart();
    void showLines();
    void showHeadings();
    static void showWithName(QLabel& label, const QString& line, const QString& name);

    DesignLayout m_layout;
    QLabel* m_heading = nullptr;
    QLabel* m_empty = nullptr;
    QChart* m_chart = nullptr; // owned by the view
    QChartView* m_view = nullptr;
    std::array<QLineSeries*, kLevelCount> m_series{};
    std::array<QLineSeries*, kLevelCount> m_targets{};
    std::array<QScatterSeries*, kLevelCount> m_passed{};
    std::array<QScatterSeries*, kLevelCount> m_failed{};
    // The legend's keys to the markers and the target lines, drawn in no level's colour.
    QScatterSeries* m_passedKey = nullptr;
    QScatterSeries* m_failedKey = nullptr;
    QLineSeries* m_targetKey = nullptr;
    QValueAxis* m_levelsAxis = nullptr;
    QValueAxis* m_scoreAxis = nullptr;
    QWidget* m_figures = nullptr;
    QList<std::pair<QLabel*, QLabel*>> m_figureLabels;
    QPushButton* m_scores = nullptr;
    QPushButton* m_done = nullptr;
    // What is shown, kept to be drawn again at a new scale.
    QString m_player;
    QString m_headingLine;
    QString m_emptyLine;
    std::array<QList<QPointF>, kLevelCount> m_points{};
};

} // namespace vortalex
