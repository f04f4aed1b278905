#pragma once

#include "core/board/BoardKeys.h"
#include "core/board/FieldDeal.h"
#include "core/board/LevelClock.h"
#include "core/board/WordBanner.h"
#include "core/common/Level.h"
#include "core/common/ScreenFlow.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/common/TileGrid.h"
#include "core/common/TilePicker.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace vortalex {

// The board's command labels, lblCommands(0) to lblCommands(3).
enum class BoardCommand { Done, Play, Clear, Shuffle };
inline constexpr std::array<BoardCommand, 4> kBoardCommands{
    BoardCommand::Done, BoardCommand::Play, BoardCommand::Clear, BoardCommand::Shuffle};

// One level of play: picking, the four commands with scoring, and the end of the level, over a
// field dealt by FieldDeal, timed by LevelClock, with WordBanner for the accepted words. Timers
// live in the screen and call the tick handlers; everything else is plain state the screen
// shows, and each change is announced with what changed.
class BoardModel : public QObject {
    Q_OBJECT
public:
    using Clock = LevelClock::State;

    static constexpr int kBannerStartTop = WordBanner::kStartTop;

    static inline const QString kLeaveQuestion = QStringLiteral("Leave this level?") + kLineBreak +
                                                 QStringLiteral("Its score will not be kept.");

    BoardModel(Level level, Services& services, SessionState& session, QObject* parent = nullptr);
    // Today's field: the board of the Easy level's rules on the day's letters (dailyInfo()). Its
    // end opens no level and asks nothing; the result carries the day.
    BoardModel(const DayField& day, Services& services, SessionState& session,
               QObject* parent = nullptr);
    ~BoardModel() override;

    // Screen created: blank field, rejected words of an earlier level forgotten.
    void load();
    // Screen shown, or a screen over it closed.
    void activate();

    // Player gestures; tile 0 is the "Quit Game" label.
    void clickTile(int index);
    void doubleClickTile(int index);
    void rightReleaseTile(int index);
    void clickCommand(BoardCommand command); // a command label; ignored while disabled
    void runCommand(BoardCommand command);   // the gestures' way in, whatever the label's state
    void clickPauseLabel();

    // Keyboard play (BoardKeys): each key ends in the same calls as its mouse gesture.
    void typeLetter(QChar letter) { m_keys.typeLetter(letter); }
    void eraseLetter() { m_keys.eraseLetter(); }
    void submitTypedWord() { m_keys.submitTypedWord(); }
    void dropTypedWord() { m_keys.dropTypedWord(); }
    void pressPauseKey() { m_keys.pressPauseKey(); }
    // The window went to the background (another application, or minimised): a running clock
    // pauses as the pause label would pause it, and stays paused until the player resumes.
    void pauseInBackground();
    bool messageOpen() const { return m_messageOpen; }
    // The window is being closed by the window system. A level in play, running or paused, is
    // only left when the player says so; true when the board may close.
    bool confirmClose();

    // Timer ticks.
    void dealTick();
    void slideTick() { m_banner.tick(); }
    void clockTick();

    const LevelInfo& info() const { return m_info; }
    const std::optional<DayField>& day() const { return m_day; }
    const TileGrid& grid() const { return m_grid; }
    QString word() const { return m_word; }
    bool commandEnabled(BoardCommand command) const {
        return m_enabled.at(static_cast<std::size_t>(command));
    }
    int levelTotal() const { return m_levelTotal; }
    int wordPoints() const { return m_wordPoints; }
    int bonusPoints() const { return m_bonusPoints; }
    QString subTotalText() const { return m_subTotalText; }
    int shufflesLeft() const { return m_shufflesLeft; }
    QStringList words() const { return m_words; }
    int selectedWord() const { return m_selectedWord; }
    const WordBanner& banner() const { return m_banner; }
    bool bannerVisible() const { return m_banner.visible(); }
    QString bannerText() const { return m_banner.text(); }
    int bannerTop() const { return m_banner.top(); }
    const LevelClock& levelClock() const { return m_clock; }
    QString clockText() const { return m_clock.text(); }
    Clock clock() const { return m_clock.state(); }
    QString pauseLabelText() const;
    // The player paused (not a message holding the clock): the paused field says how to go on.
    bool pausedByPlayer() const { return m_playerPaused && clock() == Clock::Paused; }
    bool tilesVisible() const { return clock() != Clock::Paused; }
    bool dealRunning() const { return m_deal.running(); }
    bool slideRunning() const { return m_banner.sliding(); }
    bool clockRunning() const { return m_clock.running(); }

signals:
    // The letter, colour or reach of one tile.
    void tileChanged(int index);
    // Every tile anew: a fill of the deal, or the blank field of a board just loaded.
    void fieldChanged();
    void wordChanged(const QString& word);
    void scoreChanged(int total, int wordPoints, int bonusPoints, const QString& subTotal);
    void wordAdded(const QString& word);
    void wordsCleared();
    void selectedWordChanged(int index); // -1: none
    void commandChanged(vortalex::BoardCommand command, bool enabled);
    void pauseLabelChanged(const QString& text);
    void dealRunningChanged(bool running);
    // The board asks to close, and what should open after it.
    void closeRequested(vortalex::ScreenOutcome next);
    // The clock ran out, whether the level was passed or not, before any end-of-level message:
    // what the player's history keeps. A level left before the end never finishes.
    void levelFinished(const vortalex::LevelResult& result);
    // The end-of-level messages are done; the summary takes the result from here.
    void levelEnded(const vortalex::LevelResult& result);

private:
    friend class BoardKeys; // picks as a click does, on its own chain of tiles

    void startDeal();
    void freezeDeal();
    // Announces the tiles that differ from how they were `before` a change of the field.
    void announceTiles(const TileGrid& before);
    void setEnabled(BoardCommand command, bool enabled);
    void setWord(const QString& word);
    void announceScores();
    void resetTiles();
    void unselectTiles();
    void selectWord(int index);
    void selectLastWord();
    void quitGame();

    void submitWord();
    void keepUncheckedWord(); // the dictionary could not be read
    void rejectNotInDictionary();
    void rejectTooShort();
    void acceptWord();
    void startLevel();
    void clearWord();
    void shuffle();

    // Stops the clock and hides the field while a message is open.
    void withClockHeld(const std::function<void()>& show);
    Answer message(const QString& text, MessageStyle style, const QString& title);
    void play(Cue cue);
    void endLevel();
    void finishLevel();

    const LevelInfo& m_info;
    std::optional<DayField> m_day;
    Services& m_services;
    SessionState& m_session;
    FieldDeal m_deal;
    LevelClock m_clock;
    WordBanner m_banner;
    BoardKeys m_keys{*this};
    TileGrid m_grid;
    TilePicker m_picker{m_grid};
    QString m_word;
    bool m_messageOpen = false;
    std::array<bool, 4> m_enabled{false, true, false, false};

    int m_levelTotal = 0;
    int m_wordPoints = 0;
    int m_bonusPoints = 0;
    QString m_subTotalText = QStringLiteral("0");
    int m_shufflesLeft = 0;
    QStringList m_words;
    int m_selectedWord = -1;

    bool m_playerPaused = false; // the pause label reads "Resume"
};

} // namespace vortalex
