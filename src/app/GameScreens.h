#pragma once

#include "core/common/Services.h"
#include "core/menu/MenuModel.h"
#include "core/summary/LevelHistory.h"
#include "ui/menu/MenuScreen.h"

namespace vortalex {

// What the program is made of: the main menu, and each screen its commands open over it. The
// menu owns the run's SessionState and stays open for the whole run; every screen below is
// opened modally over it, handed that state, and gone when the command returns.
class GameScreens final : private MenuActions {
public:
    explicit GameScreens(Services& services);
    ~GameScreens() override;

    MenuScreen& menu() { return m_menu; }

private:
    void openRegistration() override;
    void openLoad() override;
    void openStats() override;
    void runHelp() override;
    void quit() override;
    void playLevels(Level first) override;

    Services& m_services;
    MenuScreen m_menu;
    // Every level played in the run, for the players' histories.
    HistoryRecorder m_history;
};

} // namespace vortalex
