#pragma once

#include "core/common/Level.h"
#include "core/common/Services.h"

#include <QDialog>
#include <QSqlQueryModel>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace vortalex {

class ScoreGrid;

// The score tables (frmStats): the overall ranking when the screen opens, a level's ranking on
// its button. Read only.
class StatsScreen : public QDialog {
    Q_OBJECT
public:
    explicit StatsScreen(Services& services, QWidget* parent = nullptr);

    ScoreGrid* table() const { return m_table; }
    QPushButton* levelButton(Level level) const {
        return m_levelButtons.at(static_cast<std::size_t>(level));
    }
    QPushButton* doneButton() const { return m_done; }
    QLabel* headingLabel() const { return m_heading; }
    // nullopt while the overall ranking is shown.
    std::optional<Level> shownLevel() const { return m_shownLevel; }

public slots:
    void showOverallRanking();
    void showLevelRanking(vortalex::Level level);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Services& m_services;
    QSqlQueryModel m_rows; // the ranking shown, fetched as the grid scrolls
    ScoreGrid* m_table = nullptr;
    QLabel* m_heading = nullptr;
    std::array<QPushButton*, kLevelCount> m_levelButtons{};
    QPushButton* m_done = nullptr;
    std::optional<Level> m_shownLevel;
};

} // namespace vortalex
