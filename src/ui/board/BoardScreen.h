#pragma once

#include "core/board/BoardModel.h"
#include "core/common/ScreenFlow.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "ui/board/BoardBackdrop.h"
#include "ui/board/BoardLayout.h"
#include "ui/widgets/Accessible.h"
#include "ui/widgets/DesignLayout.h"

#include <QDialog>
#include <QList>
#include <QTimer>

#include <array>
#include <functional>

class QLabel;
class QListWidget;

namespace vortalex {

class ClickLabel;
class LetterTile;
class SpeakerToggle;

// The board of one level (frmMainGame5x5, 7x7, 9x9 or 11x11): shows the model and turns the
// player's gestures and the timers into calls on it.
class BoardScreen : public QDialog {
    Q_OBJECT
public:
    BoardScreen(Level level, Services& services, SessionState& session, QWidget* parent = nullptr);
    // Today's field dealt for `day`. Its summary is the levels' own unless whoever opens the board
    // gives openSummary one that shows the player's days.
    BoardScreen(const DayField& day, Services& services, SessionState& session,
                QWidget* parent = nullptr);
    ~BoardScreen() override;

    BoardModel& model() { return m_model; }
    LetterTile* tile(int index) const { return m_tiles.at(index - 1); }
    ClickLabel* quitLabel() const { return m_quit; }
    ClickLabel* commandLabel(BoardCommand command) const {
        return m_commands.at(static_cast<std::size_t>(command));
    }
    ClickLabel* pauseLabel() const { return m_pause; }
    SpeakerToggle* soundToggle() const { return m_sound; }
    QLabel* headingLabel() const { return m_heading; }
    QLabel* wordFormedLabel() const { return m_wordFormed; }
    QLabel* bannerLabel() const { return m_banner; }
    QLabel* timerLabel() const { return m_timer; }
    QLabel* totalLabel() const { return m_total; }
    QLabel* wordScoreLabel() const { return m_wordScore; }
    QLabel* bonusLabel() const { return m_bonus; }
    QLabel* subTotalLabel() const { return m_subTotal; }
    QListWidget* wordList() const { return m_wordList; }
    // Whether the tray shows its "Paused" sign in place of the hidden tiles.
    bool pausedSignShown() const { return m_pausedSignShown; }
    QTimer& dealTimer() { return m_dealTimer; }
    QTimer& slideTimer() { return m_slideTimer; }
    QTimer& gameTimer() { return m_gameTimer; }
    const DesignLayout& layout() const { return m_layout; }

    // What the flow opens after this board closes.
    ScreenOutcome outcome() const { return m_outcome; }

    // Opens the level's summary modally over the board and returns what it asked for; tests
    // replace it to look at the hand-over without a modal loop.
    std::function<ScreenOutcome(const LevelResult&)> openSummary;

    // Runs the activation steps; the screen does so itself once it is first shown.
    void activateBoard();

public slots:
    void reject() override; // Escape must not drop a level in play
    // The application left the foreground (another program took the focus, or the screen
    // locked); a running level pauses. The board's own message boxes keep it active.
    void applicationStateChanged(Qt::ApplicationState state);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void build(Services& services, SessionState& session);
    // Letters, Backspace, Escape, Return and Space; false for any other key.
    bool playKey(const QKeyEvent* event);
    void orderTabStops();
    void buildField();
    void buildPanel();
    void connectModel();
    // Each shows what the model says changed; showAll the whole board, once.
    void showAll();
    void showField();
    void showTile(int index);
    void showClockState(LevelClock::State state);
    void showWord(const QString& word);
    void showScores(int total, int wordPoints, int bonusPoints, const QString& subTotal);
    void showSelectedWord(int index);
    void showBanner(bool visible, const QString& text, int top);
    void showTime(const QString& text);
    void hoverCommand(int index);
    void hoverNothing();
    void finish(ScreenOutcome next);

    BoardModel m_model;
    BoardLayout m_places;
    DesignLayout m_layout;
    BoardBackdrop m_backdrop;
    QList<LetterTile*> m_tiles;
    ClickLabel* m_quit = nullptr;
    std::array<ClickLabel*, 4> m_commands{};
    ClickLabel* m_pause = nullptr;
    SpeakerToggle* m_sound = nullptr;
    QLabel* m_heading = nullptr;
    QLabel* m_wordFormed = nullptr;
    QLabel* m_banner = nullptr;
    QLabel* m_timer = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_wordScore = nullptr;
    QLabel* m_bonus = nullptr;
    QLabel* m_subTotal = nullptr;
    QListWidget* m_wordList = nullptr;
    TabOrder m_tabOrder;
    QTimer m_dealTimer;
    QTimer m_slideTimer;
    QTimer m_gameTimer;
    bool m_activated = false;
    bool m_pausedSignShown = false;
    bool m_finished = false;
    ScreenOutcome m_outcome = ScreenOutcome::menu();
};

// Opens real board screens for the level loop, and hands each level whose clock ran out to
// `levelFinished` (when given) as it ends.
class BoardScreenOpener final : public BoardOpener {
public:
    BoardScreenOpener(Services& services, QWidget* parent,
                      std::function<void(const LevelResult&)> levelFinished = {})
        : m_services(services)
        , m_parent(parent)
        , m_levelFinished(std::move(levelFinished)) {}
    ScreenOutcome openBoard(Level level, SessionState& session) override;
    // The board the summary of a day opens over, and what that summary leads to.
    using DaySummary = std::function<ScreenOutcome(const LevelResult&, QWidget* board)>;
    // Today's field of `day` on the same kind of board, its summary opened by `openSummary`.
    ScreenOutcome openDay(const DayField& day, SessionState& session, DaySummary openSummary);

private:
    ScreenOutcome run(BoardScreen& board);

    Services& m_services;
    QWidget* m_parent;
    std::function<void(const LevelResult&)> m_levelFinished;
};

} // namespace vortalex
