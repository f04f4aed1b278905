#include "app/GameScreens.h"

#include "core/common/ScreenFlow.h"
#include "core/data/MuteSetting.h"
#include "core/menu/HelpLauncher.h"
#include "ui/board/BoardScreen.h"
#include "ui/menu/LoadSaveDialog.h"
#include "ui/menu/RegistrationDialog.h"
#include "ui/summary/StatsScreen.h"
#include "ui/widgets/FocusReturn.h"

#include <QCoreApplication>

namespace vortalex {

GameScreens::GameScreens(Services& services)
    : m_services(services)
    , m_menu(services, *this) {
    // Kept while the menu lives: the database is closed after the screens are gone.
    if (services.mute != nullptr) {
        keepMuteChoice(*services.mute, services.database, &m_menu);
    }
}

void GameScreens::openRegistration() {
    RegistrationDialog dialog(m_services, m_menu.session(), &m_menu);
    execOverOwner(dialog);
}

void GameScreens::openLoad() {
    LoadSaveDialog dialog(m_services, m_menu.session(), &m_menu);
    execOverOwner(dialog);
}

void GameScreens::openStats() {
    StatsScreen screen(m_services, m_menu.session(), &m_menu);
    execOverOwner(screen);
}

void GameScreens::runHelp() {
    HelpLauncher(m_services.dataFolder, m_services.messages).launch();
}

void GameScreens::quit() {
    // Ends every event loop at once, a modal one included; nothing is waited for.
    QCoreApplication::exit(0);
}

void GameScreens::playLevels(Level first) {
    // Boards open one after another over the menu, each when the one before has closed.
    BoardScreenOpener opener(m_services, &m_menu);
    vortalex::playLevels(first, m_menu.session(), opener);
}

} // namespace vortalex
