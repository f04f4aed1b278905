#pragma once

#include "core/common/Level.h"
#include "core/common/ScreenFlow.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/common/TileGrid.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

namespace vortalex {

// The board's command labels, lblCommands(0) to lblCommands(3).
enum class BoardCommand { Done, Play, Clear, Shuffle };
inline constexpr std::array<BoardCommand, 4> kBoardCommands{
    BoardCommand::Done, BoardCommand::Play, BoardCommand::Clear, BoardCommand::Shuffle};

// One level of play: the field and its deal, picking, the four commands with scoring, the
// accepted-word banner and the level clock with its pause. Timers live in the screen and call
// the tick handlers; everything else is plain state the screen shows.
class BoardModel : public QObject {
    Q_OBJECT
public:
    enum class Clock { NotStarted, Running, Paused, Ended };

    static constexpr int kBannerStartTop = 2310; // twips
    static constexpr int kBannerEndTop = 3210;
    static constexpr int kBannerStep = 100;
    static constexpr int kDealTicks = 10;

    static inline const QString kLeaveQuestion = QStringLiteral("Leave this level?") + kLineBreak +
                                                 QStringLiteral("Its score will not be kept.");

    BoardModel(Level level, Services& services, SessionState& session, QObject* parent = nullptr);
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

    // Keyboard play. Each key ends in the same calls as its mouse gesture: letters pick the
    // tiles that spell the typed word, Return submits as a double-click on the word does,
    // Escape drops it as a right click does, Space works the pause label. Keys do nothing
    // while a message is open, while the tiles are hidden (but Space) and once time is up.
    void typeLetter(QChar letter);
    void eraseLetter();
    void submitTypedWord();
    void dropTypedWord();
    void pressPauseKey();
    // The window went to the background (another application, or minimised): a running clock
    // pauses as the pause label would pause it, and stays paused until the player resumes.
    void pauseInBackground();
    bool messageOpen() const { return m_messageOpen; }
    // The window is being closed by the window system. A level in play, running or paused, is
    // only left when the player says so; true when the board may close.
    bool confirmClose();

    // Timer ticks.
    void dealTick();
    void slideTick();
    void clockTick();

    const LevelInfo& info() const { return m_info; }
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
    bool bannerVisible() const { return m_bannerVisible; }
    QString bannerText() const { return m_bannerText; }
    int bannerTop() const { return m_bannerTop; }
    QString clockText() const { return m_clockText; }
    int clockMinutes() const { return m_clockMinutes; }
    int clockSeconds() const { return m_clockSeconds; }
    Clock clock() const { return m_clock; }
    QString pauseLabelText() const { return m_pauseLabelText; }
    bool tilesVisible() const { return m_clock != Clock::Paused; }
    bool dealRunning() const { return m_dealRunning; }
    bool slideRunning() const { return m_slideRunning; }
    bool clockRunning() const { return m_clock == Clock::Running; }

signals:
    void tilesChanged();
    void wordChanged();
    void scoresChanged();
    void wordListChanged();
    void bannerChanged();
    void clockChanged();
    void commandsChanged();
    void timersChanged();
    // The board asks to close, and what should open after it.
    void closeRequested(vortalex::ScreenOutcome next);
    // The end-of-level messages are done; the summary takes the result from here.
    void levelEnded(const vortalex::LevelResult& result);

private:
    QString letterSelect();
    void fillBoard();
    void fillBoardVowelCount();
    void startDeal();
    void keepField(); // a deal has finished: its field goes to the summary
    void freezeDeal();
    void setDealRunning(bool running);
    void setSlideRunning(bool running);
    void setEnabled(BoardCommand command, bool enabled);
    void setWord(const QString& word);
    void resetTiles();
    void unselectTiles();
    void putBannerBack();
    bool keysTakeTiles() const;
    QList<int> typedChain() const; // the picked tiles, when they still spell the word formed
    void takeChain(const QList<int>& chain);
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

    void pauseToggle();
    // Stops the clock and hides the field while a message is open.
    void withClockHeld(const std::function<void()>& show);
    Answer message(const QString& text, MessageStyle style, const QString& title);
    void play(Cue cue);
    void endLevel();
    void finishLevel();

    const LevelInfo& m_info;
    Services& m_services;
    SessionState& m_session;
    std::unique_ptr<Random> m_random;
    TileGrid m_grid;
    QString m_word;
    bool m_ignoreNextClick = false;
    bool m_messageOpen = false;
    int m_dealTicks = 0;
    bool m_dealRunning = false;
    std::array<bool, 4> m_enabled{false, true, false, false};

    int m_levelTotal = 0;
    int m_wordPoints = 0;
    int m_bonusPoints = 0;
    QString m_subTotalText = QStringLiteral("0");
    int m_shufflesLeft = 0;
    QStringList m_words;
    QList<TileGrid> m_fields;
    int m_selectedWord = -1;

    bool m_bannerVisible = false;
    QString m_bannerText;
    int m_bannerTop = kBannerStartTop;
    bool m_slideRunning = false;

    Clock m_clock = Clock::NotStarted;
    int m_clockMinutes = 0;
    int m_clockSeconds = 0;
    QString m_clockText = QStringLiteral("00:00");
    QString m_pauseLabelText = QStringLiteral("Pause");
};

} // namespace vortalex
