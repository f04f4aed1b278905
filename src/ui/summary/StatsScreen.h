#pragma once

#include "core/common/Level.h"
#include "core/common/Services.h"
#include "ui/widgets/DesignLayout.h"

#include <QDialog>
#include <QSqlQueryModel>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace vortalex {

class HistoryPage;
class ScoreGrid;
class SessionState;

// The score tables (frmStats): the overall ranking when the screen opens, a level's ranking on
// its button. "History" turns to the signed-in player's history (HistoryPage), "Scores" back;
// the window keeps its one size and place for both. Read only.
class StatsScreen : public QDialog {
    Q_OBJECT
public:
    // Without a session nobody is signed in.
    explicit StatsScreen(Services& services, QWidget* parent = nullptr);
    StatsScreen(Services& services, const SessionState& session, QWidget* parent = nullptr);

    ScoreGrid* table() const { return m_table; }
    QPushButton* levelButton(Level level) const {
        return m_levelButtons.at(static_cast<std::size_t>(level));
    }
    QPushButton* doneButton() const { return m_done; }
    QPushButton* historyButton() const { return m_historyButton; }
    HistoryPage* historyPage() const { return m_history; }
    bool historyShown() const;
    QLabel* headingLabel() const { return m_heading; }
    // nullopt while the overall ranking is shown.
    std::optional<Level> shownLevel() const { return m_shownLevel; }

public slots:
    void showOverallRanking();
    void showLevelRanking(vortalex::Level level);
    void showHistory();
    void showScores(); // the page of the rankings, as it was left

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    StatsScreen(Services& services, const SessionState* session, QWidget* parent);
    void showPage(QWidget* page);

    Services& m_services;
    const SessionState* m_session;
    DesignLayout m_layout;
    QSqlQueryModel m_rows; // the ranking shown, fetched as the grid scrolls
    ScoreGrid* m_table = nullptr;
    QLabel* m_heading = nullptr;
    std::array<QPushButton*, kLevelCount> m_levelButtons{};
    QPushButton* m_done = nullptr;
    QPushButton* m_historyButton = nullptr;
    QWidget* m_scoresPage = nullptr;
    HistoryPage* m_history = nullptr;
    std::optional<Level> m_shownLevel;
};

} // namespace vortalex
