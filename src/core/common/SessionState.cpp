#include "core/common/SessionState.h"

namespace vortalex {

SessionState::SessionState(QObject* parent)
    : QObject(parent) {}

void SessionState::setPlayerName(const QString& name) {
    if (name != m_playerName) {
        m_playerName = name;
        emit playerNameChanged(name);
    }
}

void SessionState::setLevelOpen(Level level, bool open) {
    bool& flag = m_levelOpen.at(slot(level));
    if (flag != open) {
        flag = open;
        emit levelOpenChanged(level, open);
    }
}

void SessionState::setGreeting(const QString& greeting) {
    if (greeting != m_greeting) {
        m_greeting = greeting;
        emit greetingChanged(greeting);
    }
}

void SessionState::setStartChosen(bool chosen) {
    if (chosen != m_startChosen) {
        m_startChosen = chosen;
        emit startChosenChanged(chosen);
    }
}

void SessionState::setStartChosenRecord(bool chosen) {
    m_startChosenRecord = chosen;
    // Re-read on every write, so the flag and its record never disagree after a writer is done.
    takeStartChosenFromRecord();
}

void SessionState::takeStartChosenFromRecord() {
    setStartChosen(m_startChosenRecord);
}

void SessionState::closeAllLevels() {
    for (const Level level : allLevels()) {
        setLevelOpen(level, false);
    }
}

void SessionState::setDemoRunning(bool running) {
    if (running != m_demoRunning) {
        m_demoRunning = running;
        emit demoRunningChanged(running);
    }
}

} // namespace vortalex
