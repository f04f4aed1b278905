#pragma once

#include "core/common/ScreenFlow.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/summary/SummaryModel.h"
#include "core/summary/TodaysField.h"
#include "ui/widgets/DesignLayout.h"

#include <QDialog>
#include <QStandardItemModel>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTabBar;
class QTableWidget;

namespace vortalex {

class ScoreGrid;
class WordPathView;

// The summary of a finished level (frmEasySummary, frmIntrmediateSummary, frmDifficultSummary,
// frmExpertSummary): the score area and, over it, the review panel "Spelling". It shows the
// model's state and closes when the model says what opens next.
class SummaryScreen : public QDialog {
    Q_OBJECT
public:
    // Today's field's summary shows the player's days and the shared line from `today`.
    SummaryScreen(const LevelResult& result, Services& services, SessionState& session,
                  QWidget* parent = nullptr, TodaysField* today = nullptr);

    SummaryModel& model() { return m_model; }
    ScreenOutcome outcome() const { return m_outcome; }

    ScoreGrid* scoreGrid() const { return m_scores; }
    QLabel* timerLabel() const { return m_timer; }
    QLabel* totalLabel() const { return m_total; }
    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* passwordBox() const { return m_password; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* doneButton() const { return m_done; }
    QPushButton* nextButton() const { return m_next; }
    QGroupBox* reviewPanel() const { return m_review; }
    QTableWidget* wrongGrid() const { return m_wrong; }
    QTableView* suggestionsGrid() const { return m_suggestions; }
    QListWidget* wordList() const { return m_words; }
    QPlainTextEdit* meaningsBox() const { return m_meanings; }
    QPushButton* tryAgainButton() const { return m_tryAgain; }
    QPushButton* goOnButton() const { return m_goOn; }
    // The panel's two pages: the player's own words, and "Words you missed".
    QTabBar* reviewTabs() const { return m_reviewTabs; }
    QTableWidget* missedList() const { return m_missed; }
    QCheckBox* showAllMissedBox() const { return m_showAllMissed; }
    QLabel* missedNote() const { return m_missedNote; }
    // Beside the meanings box: where the word whose meanings show stood on the field.
    WordPathView* pathView() const { return m_path; }
    // In the score area: how many of the words on the fields the player found.
    QLabel* foundLine() const { return m_found; }
    // In the review panel: the score against the level's target and the found share, which a
    // failed level, opening on the panel, shows nowhere else.
    QLabel* resultLine() const { return m_result; }
    // Today's field: the player's streak and best day, what the play leaves to say (practice,
    // days that could not be read), the shared line, the control that copies it and what says
    // it did.
    QLabel* streakLabel() const { return m_streak; }
    QLabel* bestDayLabel() const { return m_bestDay; }
    QLabel* dayNote() const { return m_dayNote; }
    QLabel* shareLineLabel() const { return m_shareLine; }
    QPushButton* copyButton() const { return m_copy; }
    QLabel* copiedLabel() const { return m_copied; }
    DesignLayout& layout() { return m_layout; }

    // The activation steps; the screen runs them when it opens.
    void activateSummary();

public slots:
    void reject() override; // Escape would drop the result unseen: it does nothing

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildScoreArea();
    void buildReviewPanel();
    void buildDayArea(int left, int top);
    void showDays();
    void copyShareLine();
    void syncLayers();
    void syncWrongWords();
    void buildMissedPage();
    void showReviewPage(int page);
    // A word of either list selected: its meanings and where it stood.
    void showWord(const QString& word, const std::optional<WordPath>& path);
    void syncMissedWords();
    void placeTabs();

    SummaryModel m_model;
    TodaysField* m_today;
    DesignLayout m_layout;
    ScreenOutcome m_outcome = ScreenOutcome::menu();
    QWidget* m_scoreArea = nullptr;
    ScoreGrid* m_scores = nullptr;
    QLabel* m_timer = nullptr;
    QLabel* m_total = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_done = nullptr;
    QPushButton* m_next = nullptr;
    QGroupBox* m_review = nullptr;
    QTableWidget* m_wrong = nullptr;
    QTableView* m_suggestions = nullptr;
    QListWidget* m_words = nullptr;
    QPlainTextEdit* m_meanings = nullptr;
    QPushButton* m_tryAgain = nullptr;
    QPushButton* m_goOn = nullptr;
    QList<QWidget*> m_ownWordsPage; // the three lists and their captions
    QList<QWidget*> m_missedPage;   // the missed words, their caption, note and check box
    QTabBar* m_reviewTabs = nullptr;
    QTableWidget* m_missed = nullptr;
    QLabel* m_missedNote = nullptr;
    QCheckBox* m_showAllMissed = nullptr;
    WordPathView* m_path = nullptr;
    QLabel* m_found = nullptr;
    QLabel* m_result = nullptr;
    QRect m_resultsPanel; // design pixels: the panel behind the time and the total
    QPushButton* m_copy = nullptr;
    QLabel* m_streak = nullptr;
    QLabel* m_bestDay = nullptr;
    QLabel* m_dayNote = nullptr;
    QLabel* m_shareLine = nullptr;
    QLabel* m_copied = nullptr;
    QStandardItemModel m_days; // the player's days, newest first
};

} // namespace vortalex
