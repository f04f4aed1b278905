#include "app/GameScreens.h"

#include "core/common/ScreenFlow.h"
#include "core/data/MuteSetting.h"
#include "core/menu/HelpLauncher.h"
#include "ui/board/BoardScreen.h"
#include "ui/menu/LoadSaveDialog.h"
#include "ui/menu/RegistrationDialog.h"
#include "ui/summary/StatsScreen.h"
#include "ui/summary/SummaryScreen.h"
#include "ui/widgets/FocusReturn.h"

#include <QCoreApplication>
#include <QDateTime>

namespace vortalex {

GameScreens::GameScreens(Services& services, std::function<QDateTime()> now)
    : m_services(services)
    , m_menu(services, *this)
    , m_history(services.database(), *services.messages, [now] { return now().toUTC(); })
    , m_today(services, now) {
    // Kept while the menu lives: the database is closed after the screens are gone.
    if (services.mute != nullptr) {
        keepMuteChoice(*services.mute, services.database(), &m_menu);
    }
}

GameScreens::~GameScreens() {
    // A last try for levels and days that waited for a busy file; the player was told they
    // wait.
    m_history.flush();
    m_today.flush();
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
    BoardScreenOpener opener(m_services, &m_menu,
                             [this](const LevelResult& result) { levelFinished(result); });
    vortalex::playLevels(first, m_menu.session(), opener);
}

void GameScreens::playTodaysField() {
    // begin() tells the player why the field does not open, or that this play is practice.
    if (!m_today.begin(m_menu.session().playerName())) {
        return;
    }
    BoardScreenOpener opener(m_services, &m_menu,
                             [this](const LevelResult& result) { levelFinished(result); });
    // Its board and summary lead back to the menu only: no level follows today's field.
    // Its summary shows the player's days, which only the loop knows.
    opener.openDay(m_today.field(), m_menu.session(),
                   [this](const LevelResult& result, QWidget* board) {
                       SummaryScreen summary(result, m_services, m_menu.session(), board, &m_today);
                       execOverOwner(summary);
                       return summary.outcome();
                   });
}

void GameScreens::levelFinished(const LevelResult& result) {
    if (result.day.isValid()) {
        m_today.finish(result);
    } else {
        m_history.keep(m_menu.session().playerName(), result);
    }
}

} // namespace vortalex
