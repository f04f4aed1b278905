#pragma once

#include "core/common/Level.h"
#include "core/summary/LevelHistory.h"

#include <QWidget>

#include <array>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace vortalex {

// The score tables' History page: the signed-in player's score of every finished level, one
// line per level over the levels played, with the figures of the whole history beside it; one
// line instead when there is nothing to show.
class HistoryPage : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPage(QWidget* parent = nullptr);

    void showHistory(const PlayerHistory& history);

    QLabel* headingLabel() const { return m_heading; }
    // The line shown in place of the chart and the figures; hidden when they show.
    QLabel* emptyLabel() const { return m_empty; }
    QChartView* chartView() const { return m_view; }
    QLineSeries* series(Level level) const { return m_series.at(static_cast<std::size_t>(level)); }
    QValueAxis* levelsAxis() const { return m_levelsAxis; }
    QValueAxis* scoreAxis() const { return m_scoreAxis; }
    // Caption and value of each figure as shown.
    QList<std::pair<QString, QString>> shownFigures() const;
    QPushButton* scoresButton() const { return m_scores; }
    QPushButton* doneButton() const { return m_done; }

signals:
    void scoresChosen();
    void doneChosen();

private:
    void buildChart();
    void showSeries(const QList<HistoryRow>& rows);
    static void showWithName(QLabel& label, const QString& line, const QString& name);

    QLabel* m_heading = nullptr;
    QLabel* m_empty = nullptr;
    QChart* m_chart = nullptr; // owned by the view
    QChartView* m_view = nullptr;
    std::array<QLineSeries*, kLevelCount> m_series{};
    QValueAxis* m_levelsAxis = nullptr;
    QValueAxis* m_scoreAxis = nullptr;
    QWidget* m_figures = nullptr;
    QList<std::pair<QLabel*, QLabel*>> m_figureLabels;
    QPushButton* m_scores = nullptr;
    QPushButton* m_done = nullptr;
};

} // namespace vortalex
