#pragma once

#include "core/common/Services.h"
#include "core/menu/MenuModel.h"
#include "core/summary/LevelHistory.h"
#include "core/summary/TodaysField.h"
#include "ui/menu/MenuScreen.h"

#include <QDateTime>

#include <functional>

namespace vortalex {

// What the program is made of: the main menu, and each screen its commands open over it. The
// menu owns the run's SessionState and stays open for the whole run; every screen below is
// opened modally over it, handed that state, and gone when the command returns.
class GameScreens final : private MenuActions {
public:
    // `now` is the local clock: the date decides today's field, and the histories keep the
    // time of each level.
    explicit GameScreens(
        Services& services,
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); });
    ~GameScreens() override;

    MenuScreen& menu() { return m_menu; }

private:
    void openRegistration() override;
    void openLoad() override;
    void openStats() override;
    void runHelp() override;
    void quit() override;
    void playLevels(Level first) override;
    void playTodaysField() override;
    // A board's clock ran out: its result goes to the player's history, or is the day's.
    void levelFinished(const LevelResult& result);

    Services& m_services;
    MenuScreen m_menu;
    // Every level played in the run, for the players' histories.
    HistoryRecorder m_history;
    // Whether a play of today's field counts, and the player's days.
    TodaysField m_today;
};

} // namespace vortalex
