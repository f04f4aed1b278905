#pragma once

#include "core/common/Level.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/common/TileGrid.h"
#include "core/common/TilePicker.h"

#include <QObject>
#include <QString>

#include <array>

namespace vortalex {

// What the menu's commands do beyond the menu itself: the dialogs and boards they open, built
// where the program is composed and handed to the menu. Every call returns only when what it
// opened has closed.
class MenuActions {
public:
    virtual ~MenuActions() = default;
    virtual void openRegistration() = 0;
    virtual void openLoad() = 0;
    virtual void openStats() = 0;
    virtual void runHelp() = 0;
    virtual void quit() = 0;
    virtual void playLevels(Level first) = 0;
    // Today's field, open to every player, a guest too; it may refuse to open and say why.
    virtual void playTodaysField() = 0;
};

// The letter-tile menu without its widgets: the fixed 5 x 5 field, spelling a command, the
// commands themselves and the demo that spells them while nobody plays. The screen's two
// timers only call demoTick() and clearTick(); which of them should run is told by
// SessionState::demoRunning() and clearPending().
class MenuModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kSide = 5;
    static constexpr int kMaxWordLength = 10;
    static constexpr int kDemoStartPosition = 12;
    static constexpr int kDemoIntervalMs = 500;
    static constexpr int kClearIntervalMs = 200;

    static inline const QString kNoCommand = QStringLiteral("No Command has been Selected!");
    static inline const QString kNotRecognized = QStringLiteral("Command Not Recognized!");
    static QString startRefusal();

    MenuModel(SessionState& session, Services& services, MenuActions& actions,
              QObject* parent = nullptr);

    // Once, when the screen is created.
    void load();
    // When the screen is first shown and whenever a screen opened over it has closed.
    void activate();

    // Gestures on lblMenu(index); index 0 is the command word above the field.
    void clickTile(int index);
    void doubleClickTile(int index);
    void rightReleaseTile(int index);
    void clear();
    void ok();
    // Keyboard: a typed letter picks the tiles that spell the command word with it (the same
    // pick rule and limit as clicks); Return is Ok, Backspace and Escape are Clear. Nothing
    // happens while a message is open.
    void typeLetter(QChar letter);
    void pressReturn();
    void pressClear();
    // An entry of the level chooser; closed levels take no clicks.
    void chooseLevel(Level level);
    // The control beside the level chooser: today's field, whoever is signed in.
    void chooseTodaysField();

    // Timer1 and Timer2.
    void demoTick();
    void clearTick();

    static QString letterAt(int index);
    const TileGrid& grid() const { return m_grid; }
    TileColour colour(int index) const { return m_grid.colour(index); }
    bool lit(int index) const { return m_lit.at(static_cast<std::size_t>(index - 1)); }
    QString word() const { return m_word; }
    bool ignoreNextClick() const { return m_picker.ignoresNextClick(); }
    int demoPosition() const { return m_demoPosition; }
    int phaseA() const { return m_phaseA; }
    int phaseB() const { return m_phaseB; }
    int phaseC() const { return m_phaseC; }
    bool clearPending() const { return m_clearPending; }

signals:
    void tilesChanged();
    void wordChanged();
    void clearPendingChanged(bool pending);

private:
    void stopDemo();
    void resetTiles();
    void startNewWord();
    void setWord(const QString& word);
    void setClearPending(bool pending);
    void moveDemo();
    void message(const QString& text);
    void play(Cue cue);
    void start();

    SessionState& m_session;
    Services& m_services;
    MenuActions& m_actions;
    TileGrid m_grid{kSide};
    TilePicker m_picker{m_grid};
    std::array<bool, kSide * kSide> m_lit{};
    QString m_word;
    bool m_messageOpen = false;
    // The word on the field is a command that ran and stays there (HELP): the next letter
    // picked, by click or key, starts a new command instead of growing it.
    bool m_commandKept = false;
    int m_demoPosition = kDemoStartPosition;
    int m_phaseA = 1;
    int m_phaseB = 1;
    int m_phaseC = 1;
    bool m_clearPending = false;
};

} // namespace vortalex
