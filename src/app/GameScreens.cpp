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
#include <QDateTime>

namespace vortalex {

GameScreens::GameScreens(Services& services)
    : m_services(services)
    , m_menu(services, *this)
    , m_history(services.database(), *services.messages,
                [] { return QDateTime::currentDateTimeUtc(); }) {
    // Kept while the menu lives: the database is closed after the screens are gone.
    if (services.mute != nullptr) {
        keepMuteChoice(*services.mute, services.database(), &m_menu);
    }
}

GameScreens::~GameScreens() {
    // A last try for levels that waited for a busy file; the player was told they wait.
    m_history.flush();
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
    // The History page shows what the file holds: levels that waited are written first.
    m_history.flush();
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
    BoardScreenOpener opener(m_services, &m_menu, [this](const LevelResult& result) {
        m_history.keep(m_menu.session().playerName(), result);
    });
    vortalex::playLevels(first, m_menu.session(), opener);
}

} // namespace vortalex
